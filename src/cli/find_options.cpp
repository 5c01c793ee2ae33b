#include "cli/find_options.h"

#include "core/store/vocabulary.h"

#include <QCommandLineParser>

namespace tolvane {

namespace {

const QStringList& categories() { return categoryList(); }

const QStringList& dlls() { return dllList(); }

// The category's Chinese text exactly as listed, or its position in the list.
int categoryPosition(const QString& given) {
    if (const qsizetype at = categories().indexOf(given); at >= 0) return static_cast<int>(at);
    bool number = false;
    const int position = given.toInt(&number);
    if (number && position >= 0 && position < categories().size()) return position;
    throw FindFailure(
        QStringLiteral("unknown category '%1': give its text or its number (0 to %2) from the "
                       "category list of --help")
            .arg(given)
            .arg(categories().size() - 1));
}

// A DLL entry, letters in either case, with or without ".dll"; the list's
// own spelling is searched, since the catalogue compares it exactly.
int dllPosition(const QString& given) {
    const QString bare =
        given.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive) ? given.chopped(4) : given;
    for (int i = 0; i < dlls().size(); ++i)
        if (dlls()[i].compare(given, Qt::CaseInsensitive) == 0 ||
            dlls()[i].compare(bare, Qt::CaseInsensitive) == 0)
            return i;
    return kCatalogueDll;
}

OutputForm formOf(const QString& given) {
    for (const OutputForm form : {OutputForm::VB, OutputForm::CSharp, OutputForm::Vba64})
        if (formName(form) == given.toLower()) return form;
    throw FindFailure(QStringLiteral("unknown form '%1': use vb, cs or vba64").arg(given));
}

qlonglong limitOf(const QString& given) {
    bool number = false;
    const qlonglong limit = given.toLongLong(&number);
    if (!number || limit < 0 || given.startsWith(u'+'))
        throw FindFailure(
            QStringLiteral("--limit takes a whole number, 0 or more (0 for every record), not '%1'")
                .arg(given));
    return limit;
}

std::chrono::milliseconds waitOf(const QString& given) {
    bool number = false;
    const double seconds = given.toDouble(&number);
    if (!number || !(seconds >= 0 && seconds <= 3600))
        throw FindFailure(
            QStringLiteral("--wait takes a number of seconds from 0 to 3600, not '%1'").arg(given));
    return std::chrono::milliseconds(qRound64(seconds * 1000));
}

}  // namespace

QString bareDllName(const QString& name) {
    return name.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

FindOptions::FindOptions()
    : categoryPosition(allCategoriesPosition()),
      dllPosition(kAllLibrariesPosition),
      dllText(dlls()[kAllLibrariesPosition]) {}

QString formName(OutputForm form) {
    switch (form) {
    case OutputForm::VB: return QStringLiteral("vb");
    case OutputForm::CSharp: return QStringLiteral("cs");
    case OutputForm::Vba64: return QStringLiteral("vba64");
    }
    return {};
}

FindOptions parseFindOptions(const QStringList& arguments, bool toTerminal) {
    QCommandLineParser parser;
    const auto option = [](const char* shortName, const char* longName, const char* value = "") {
        QStringList names{QLatin1String(longName)};
        if (*shortName) names.prepend(QLatin1String(shortName));
        return QCommandLineOption(names, {}, QLatin1String(value));
    };
    const QCommandLineOption fullText = option("t", "full-text");
    const QCommandLineOption category = option("c", "category", "TEXT");
    const QCommandLineOption dll = option("d", "dll", "TEXT");
    const QCommandLineOption form = option("f", "form", "FORM");
    const QCommandLineOption publicForm = option("", "public");
    const QCommandLineOption json = option("j", "json");
    const QCommandLineOption names = option("n", "names");
    const QCommandLineOption limit = option("l", "limit", "N");
    const QCommandLineOption catalogue = option("C", "catalogue", "FILE");
    const QCommandLineOption passwordFile = option("", "password-file", "FILE");
    const QCommandLineOption crlf = option("", "crlf");
    const QCommandLineOption wait = option("", "wait", "SECONDS");
    const QCommandLineOption help = option("h", "help");
    const QCommandLineOption version = option("", "version");
    const QCommandLineOption windowOrder = option("", "window-order");
    const QCommandLineOption patternsFile = option("", "patterns", "FILE");
    parser.addOptions({fullText, category, dll, form, publicForm, json, names, limit, catalogue,
                       passwordFile, crlf, wait, help, version, windowOrder, patternsFile});
    // The program's name comes first, as the parser expects.
    if (!parser.parse(QStringList{QStringLiteral("tolvane-find")} + arguments))
        throw FindFailure(parser.errorText() + QStringLiteral(" (see --help)"));

    FindOptions options;
    // Without --limit, a person at a terminal sees the first records; a
    // program reading a pipe gets them all.
    options.limit = toTerminal ? kTerminalLimit : 0;
    options.terminal = toTerminal;
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (options.help || options.version) return options;
    const QStringList patterns = parser.positionalArguments();
    if (parser.isSet(patternsFile)) {
        if (!patterns.isEmpty())
            throw FindFailure(QStringLiteral("--patterns takes the place of the PATTERN"));
        options.patternsFile = parser.value(patternsFile);
    } else if (patterns.size() == 1 && patterns.front() == u'-') {
        options.patternsFile = patterns.front();
    } else if (patterns.size() != 1)
        throw FindFailure(patterns.isEmpty()
                              ? QStringLiteral("no PATTERN given (see --help)")
                              : QStringLiteral("give exactly one PATTERN, not %1 (quote a pattern "
                                               "that holds blanks or wildcards)")
                                    .arg(patterns.size()));
    if (options.patternsFile.isEmpty()) options.pattern = patterns.front();
    options.fullText = parser.isSet(fullText);
    if (options.fullText && (parser.isSet(category) || parser.isSet(dll)))
        throw FindFailure(
            QStringLiteral("--full-text searches every record: it takes no --category or --dll"));
    if (!options.fullText && options.patternsFile.isEmpty() && options.pattern.isEmpty())
        throw FindFailure(
            QStringLiteral("the PATTERN is empty: give part of a name, or * for every record"));
    if (parser.isSet(category)) options.categoryPosition = categoryPosition(parser.value(category));
    if (parser.isSet(dll)) {
        options.dllPosition = dllPosition(parser.value(dll));
        options.dllText =
            options.dllPosition == kCatalogueDll ? parser.value(dll) : dlls()[options.dllPosition];
    }
    if (parser.isSet(form)) options.form = formOf(parser.value(form));
    options.publicForm = parser.isSet(publicForm);
    if (parser.isSet(json) && parser.isSet(names))
        throw FindFailure(QStringLiteral("--json and --names cannot be combined"));
    if (parser.isSet(json)) options.output = FindOutput::Json;
    if (parser.isSet(names)) options.output = FindOutput::Names;
    if (parser.isSet(limit)) options.limit = limitOf(parser.value(limit));
    options.catalogue = parser.value(catalogue);
    if (parser.isSet(catalogue) && options.catalogue.isEmpty())
        throw FindFailure(QStringLiteral("--catalogue is empty: give the catalogue's file name"));
    options.passwordFile = parser.value(passwordFile);
    options.crlf = parser.isSet(crlf);
    options.windowOrder = parser.isSet(windowOrder);
    if (parser.isSet(wait)) options.lockWait = waitOf(parser.value(wait));
    return options;
}

QString findHelp() {
    QString text = QStringLiteral(
        "Usage: tolvane-find [options] PATTERN\n"
        "       tolvane-find [options] --patterns FILE | -\n"
        "Looks up Windows API functions, types and constants in the Tolvane catalogue and prints "
        "their\n"
        "declarations. PATTERN is part of a name: * any run of characters, ? one character, # one "
        "digit,\n"
        "[abc], [a-z], [!abc] one character from (or not from) a set; case does not matter.\n"
        "\n"
        "Options:\n"
        "  -t, --full-text        search every searchable column (name, declaration, description,\n"
        "                         sample code, ...), as the window's full-text button does\n"
        "  -c, --category TEXT    a category of the window's category list: its text or its "
        "number;\n"
        "                         entry number N finds the records of class N-1, which the\n"
        "                         window shows under that entry\n"
        "  -d, --dll TEXT         a DLL as spelled in the window's DLL list\n"
        "  -f, --form vb|cs|vba64 print this declaration form, made private as the copy button "
        "does\n"
        "                         (default vb; vba64 needs a catalogue that has it)\n"
        "  --public               print the stored form unchanged\n"
        "  -j, --json             one JSON object per record and line: \"schema\" (1), every "
        "column\n"
        "                         (texts with LF), \"category\", win95/winnt as booleans, \"form\" "
        "and\n"
        "                         \"declaration\" (the form asked for); Null as null\n"
        "  -n, --names            print only the matching names, one per line\n"
        "  -l, --limit N          at most N records (default: 50 on a terminal, else all; 0 for "
        "all)\n"
        "  -C, --catalogue FILE   the catalogue to read (default: the one the window opens: the\n"
        "                         remembered MDB_Path, ./winapi.mdb, then mdb/winapi.mdb beside "
        "the program)\n"
        "  --password-file FILE   the password of an encrypted catalogue (the file's first line)\n"
        "  --crlf                 end lines with CR LF, as the window's copy does (default LF)\n"
        "  --patterns FILE        look up each line of FILE in turn (- as the PATTERN: standard\n"
        "                         input); exit 0 when any is found\n"
        "  --window-order         list in the window's order (default: the name the PATTERN\n"
        "                         matches whole first, then the names it begins, then the rest)\n"
        "  --wait SECONDS         how long to wait while another program writes the catalogue\n"
        "                         (default 5)\n"
        "  -h, --help             show this text\n"
        "      --version          show the version\n"
        "\n"
        "Records come separated by a blank line. Exit status: 0 found, 1 "
        "nothing\n"
        "matched, 2 error (one line on standard error). The catalogue and the settings are only "
        "read.\n"
        "\n"
        "Categories:\n");
    for (int i = 0; i < categories().size(); ++i)
        text +=
            QStringLiteral("  %1 %2%3\n")
                .arg(i, 2)
                .arg(categories()[i],
                     i == allCategoriesPosition() ? QStringLiteral(" (no condition)") : QString());
    text +=
        QStringLiteral("DLLs: ") + dlls().mid(1).join(QStringLiteral(", ")) +
        QStringLiteral(", then every other DLL the catalogue holds (as the window lists them)\n\n");
    text += QStringLiteral(
        "Examples:\n"
        "  tolvane-find CreateFile                      private VB declarations of names holding "
        "CreateFile\n"
        "  tolvane-find --form cs --dll user32 'Get*Window'   C# forms from user32\n"
        "  tolvane-find --full-text --names --limit 0 HWND    every record that mentions HWND\n");
    return text;
}

}  // namespace tolvane
