// tolvane-find as a user or a script meets it: options, exit codes, error
// lines, JSON, where it finds the catalogue, and that it only reads.
#include "core/lookup/declaration_forms.h"
#include "core/store/record.h"
#include "core/store/vocabulary.h"
#include "core/system/version.h"
#include "gui/detail_fields.h"
#include "support/catalogues.h"
#include "support/find_run.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <map>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QStringList lines(const QByteArray& out) {
    QStringList result = QString::fromUtf8(out).split(u'\n');
    result.removeLast();
    return result;
}

class FindCommandTest : public ::testing::Test {
protected:
    FindCommandTest()
        : starter(dir.make("starter.mdb", dataFile("starter.sql"))),
          secret(dir.make("secret.mdb", dataFile("starter.sql"), "s3cret")) {}

    CatalogueDir dir;
    const QString starter;
    const QString secret;
};

}  // namespace

// Bad options, missing, foreign, odd and damaged files: exit 2, one line
// naming the fault, nothing written; nothing matched is exit 1, silently.
TEST_F(FindCommandTest, ErrorsExitTwoWithOneLineAndNoMatchExitsOneSilently) {
    const QString table = "CREATE TABLE winfun (ID INTEGER PRIMARY KEY, name TEXT, declare TEXT);";
    const QString jet = dir.writeFile(
        "jet.mdb", QByteArray(4, '\0') + "Standard Jet DB" + QByteArray(4096 - 19, '\x5a'));
    const QString ace = dir.writeFile(
        "ace.accdb", QByteArray(4, '\0') + "Standard ACE DB" + QByteArray(8192 - 19, '\x17'));
    const QString view = dir.makeFrom("view.mdb",
                                      "CREATE TABLE t (ID, name);"
                                      "CREATE VIEW winfun AS SELECT * FROM t;");
    const QString noName = dir.makeFrom("noname.mdb", "CREATE TABLE winfun (ID INTEGER);");
    const QString newer =
        dir.makeFrom("strict.mdb", table +
                                       "PRAGMA writable_schema=ON; UPDATE sqlite_master SET sql = "
                                       "'CREATE TABLE winfun (ID INTEGER, name TEXT) STRICT' "
                                       "WHERE name = 'winfun';");
    QDir(dir.path("")).mkdir("folder");
    const QString fifo = dir.path("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A crash in the middle of a change leaves a hot journal beside the file.
    const QString hot =
        dir.makeFrom("hot.mdb", table + "INSERT INTO winfun (name) VALUES ('Hot');");
    if (fork() == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(hot).constData(), &db);
        sqlite3_exec(db,
                     "PRAGMA cache_size = 1; BEGIN; WITH RECURSIVE r(i) AS (SELECT 1 UNION ALL "
                     "SELECT i + 1 FROM r WHERE i < 500) INSERT INTO winfun (name) "
                     "SELECT hex(randomblob(200)) FROM r; UPDATE winfun SET name = 'x';",
                     nullptr, nullptr, nullptr);
        _exit(0);
    }
    wait(nullptr);
    ASSERT_TRUE(QFile::exists(hot + "-journal"));

    const QString damaged = dir.writeFile("damaged.mdb", QByteArray(1000, 'x'));
    const QString locked = dir.make("locked.mdb");
    const LockHolder holder(locked);  // another program writing it
    const QString wrongPassword = dir.writeFile("wrong.txt", "guess\n");
    const QString old = dir.makeFrom("old.mdb", schemaWithoutVba64() + dataFile("starter.sql"));
    const QByteArray starterBytes = bytesOf(starter), secretBytes = bytesOf(secret),
                     damagedBytes = bytesOf(damaged);
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"[a"}, "malformed pattern '[a'"},
        {{"--full-text", "x[!"}, "malformed pattern"},
        {{"--colour", "x"}, "Unknown option 'colour'"},
        {{"--limit", "-1", "x"}, "--limit takes a whole number"},
        {{"--category", "18", "x"}, "unknown category '18'"},
        {{"--dll", "nosuch.dll", "x"}, "unknown DLL 'nosuch.dll'"},
        {{"--form", "vb6", "x"}, "unknown form 'vb6'"},
        {{"--json", "--names", "x"}, "cannot be combined"},
        {{"--full-text", "--dll", "user32", "x"}, "takes no --category or --dll"},
        {{}, "no PATTERN given"},
        {{"Get", "Set"}, "exactly one PATTERN"},
        {{""}, "the PATTERN is empty"},
        {{"--catalogue", old, "--form", "vba64", "Get"}, "has no vba64 column"},
        {{"--catalogue", dir.path("missing.mdb"), "x"}, "catalogue not found"},
        {{"--catalogue", dir.path("*.mdb"), "x"}, "not a usable catalogue file name"},
        {{"--catalogue", damaged, "x"}, "is no Tolvane catalogue"},
        {{"--catalogue", secret, "x"}, "is encrypted: give its password with --password-file"},
        {{"--catalogue", secret, "--password-file", wrongPassword, "x"}, "wrong password"},
        {{"--catalogue", secret, "--password-file", dir.path("none.txt"), "x"},
         "cannot read the password file"},
        {{"--catalogue", secret, "--password-file", "/dev/zero", "x"},
         "does not start with a line of at most 4096 bytes"},
        {{"-C", "", "x"}, "--catalogue is empty"},
        {{"--wait", "soon", "x"}, "--wait takes a number of seconds"},
        {{"-C", locked, "--wait", "0.3", "x"}, "another program is writing it"},
        {{"-C", jet, "x"}, "is a Microsoft Access (Jet/ACE) database"},
        {{"-C", ace, "x"}, "is a Microsoft Access (Jet/ACE) database"},
        {{"-C", view, "x"}, "is no usable Tolvane catalogue: winfun is a view, not a table"},
        {{"-C", noName, "x"},
         "is no usable Tolvane catalogue: the table winfun has no column name"},
        {{"-C", newer, "x"}, "it was made by a newer SQLite"},
        {{"-C", dir.path("folder"), "x"}, "it is a folder, not a file"},
        {{"-C", fifo, "x"}, "it is a FIFO (named pipe), not a file"},
        {{"-C", "/dev/zero", "x"}, "it is a device, not a file"},
        {{"-C", dir.path(QString(256, u'n')), "x"}, "a name in the path is longer than 255 bytes"},
        {{"-C", hot, "x"}, "it needs recovery after an interrupted change"},
    };
    for (const auto& c : cases) {
        QStringList arguments = c.arguments;
        if (!arguments.contains("--catalogue") && !arguments.contains("-C"))
            arguments.prepend(starter), arguments.prepend("--catalogue");
        const FindRun run = runFind(arguments);
        const QString err = QString::fromUtf8(run.err);
        EXPECT_EQ(run.status, 2) << c.says;
        EXPECT_EQ(run.out, QByteArray()) << c.says;
        EXPECT_TRUE(err.startsWith("tolvane-find: ") && err.endsWith(u'\n') &&
                    err.count(u'\n') == 1)
            << err.toStdString();
        EXPECT_TRUE(err.contains(c.says) && !err.contains("engine error")) << err.toStdString();
    }
    EXPECT_TRUE(QFile::exists(hot + "-journal"));  // only read
    EXPECT_EQ(bytesOf(starter), starterBytes);
    EXPECT_EQ(bytesOf(secret), secretBytes);
    EXPECT_EQ(bytesOf(damaged), damagedBytes);

    // Nothing matched is no error: exit 1 without a word.
    for (const QStringList& options : {QStringList{}, {"--json"}, {"--names"}, {"--full-text"}}) {
        const FindRun run = runFind(options + QStringList{"--catalogue", starter, "NoSuchThing"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out + run.err, QByteArray());
    }
}

// Reading changes nothing in or beside the file, encrypted or in WAL mode.
TEST_F(FindCommandTest, ReadsWithoutWritingAndWaitsForAWriter) {
    const QString password = dir.writeFile("password.txt", "s3cret\r\n");
    const QByteArray secretBytes = bytesOf(secret);
    const FindRun encrypted =
        runFind({"--catalogue", secret, "--password-file", password, "--form", "cs", "File"});
    EXPECT_EQ(encrypted.status, 0) << encrypted.err.constData();
    EXPECT_EQ(encrypted.out, runFind({"--catalogue", starter, "--form", "cs", "File"}).out);
    EXPECT_EQ(bytesOf(secret), secretBytes);

    runSql(starter, "PRAGMA journal_mode = WAL");
    const QByteArray before = bytesOf(starter);
    const FindRun wal = runFind({"--catalogue", starter, "--names", "Sleep"});
    EXPECT_EQ(wal.status, 0) << wal.err.constData();
    EXPECT_EQ(bytesOf(starter), before);
    EXPECT_EQ(QDir(dir.path("")).entryList({"starter.mdb-*"}, QDir::Files), QStringList());
}

// Rows sharing an ID, and an ID stored as text, print themselves.
TEST_F(FindCommandTest, EachListedRowPrintsItself) {
    const QString odd =
        dir.makeFrom("odd.mdb",
                     "CREATE TABLE winfun (ID, name TEXT, declare TEXT);"
                     "INSERT INTO winfun VALUES (7, 'First', 'a'), (7, 'Second', 'b'), ('12', "
                     "'Text', 'c'), ('x', 'Skipped', 'd');");
    const FindRun json = runFind({"--catalogue", odd, "--json", "*"});
    EXPECT_EQ(json.status, 0);
    QStringList names;
    for (const QString& line : lines(json.out))
        names << QJsonDocument::fromJson(line.toUtf8()).object().value("name").toString();
    EXPECT_EQ(names, QStringList({"First", "Second", "Text"}));
    EXPECT_TRUE(json.err.contains("1 matching records have an ID that is no whole number"));
}

// Every column of every record comes back with its value and type (texts
// with LF line ends, the flags as booleans), Null as null, beside the
// layout's version and the category's name; the declaration is the private
// form without the record's line end.
TEST_F(FindCommandTest, JsonRoundTripsEveryColumn) {
    QStringList columns;
    for (int c = 0; c < kColumnCount; ++c) columns << columnName(Column(c));
    std::map<qint64, std::map<QString, QVariant>> stored;
    const QVariantList ids = queryColumn(starter, "SELECT ID FROM winfun ORDER BY ID");
    for (const QString& column : columns) {
        const QVariantList values =
            queryColumn(starter, "SELECT " + column + " FROM winfun ORDER BY ID");
        for (qsizetype row = 0; row < ids.size(); ++row)
            stored[ids[row].toLongLong()][column] = values[row];
    }

    const FindRun run = runFind({"--catalogue", starter, "--json", "--limit", "0", "--crlf", "*"});
    ASSERT_EQ(run.status, 0);
    const QList<QByteArray> records = run.out.split('\n');
    ASSERT_EQ(records.size(), qsizetype(stored.size()) + 1);  // every line ends in LF
    for (qsizetype i = 0; i + 1 < records.size(); ++i) {
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(records[i], &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << records[i].constData();
        EXPECT_EQ(object.size(), columns.size() + 4);
        EXPECT_EQ(object["schema"].toInt(), 1);
        const auto& row = stored.at(object["ID"].toInteger());
        for (const QString& column : columns) {
            const QVariant value = row.at(column);
            const QJsonValue json = object[column];
            if (column == "win95" || column == "winnt")
                EXPECT_EQ(json.toBool(), value.toString() == "Yes") << column.toStdString();
            else if (value.isNull())
                EXPECT_TRUE(json.isNull()) << column.toStdString();
            else if (value.typeId() == QMetaType::LongLong)
                EXPECT_EQ(json.toInteger(-999), value.toLongLong());
            else
                EXPECT_EQ(json.toString("(no text)"), value.toString().replace("\r\n", "\n"))
                    << column.toStdString();
        }
        const std::optional<int> category = categoryPosition(row.at("class"));
        EXPECT_EQ(object["category"].toString("(null)"),
                  category ? categoryList()[*category] : "(null)");
        EXPECT_EQ(object["form"].toString(), "vb");
        // --crlf changes the declaration only.
        EXPECT_EQ(object["declaration"].toString() + "\r\n",
                  copiedText(row.at("declare").toString(), true, OutputForm::VB));
    }
    // A record without text in the form: null in JSON, a note instead of a
    // declaration fragment.
    for (const QStringList& options : {QStringList{"--public"}, QStringList{}}) {
        const FindRun lzOpen = runFind(
            options + QStringList{"--catalogue", starter, "--json", "--form", "cs", "LZOpenFile"});
        EXPECT_TRUE(QJsonDocument::fromJson(lzOpen.out).object()["declaration"].isNull())
            << lzOpen.out.constData();
    }
}

TEST_F(FindCommandTest, OptionsShapeTheOutput) {
    // --limit: at most N records, and a note when more match.
    const FindRun three = runFind({"-C", starter, "-n", "-l", "3", "*"});
    EXPECT_EQ(lines(three.out).size(), 3);
    EXPECT_TRUE(three.err.contains("more records match; showing the first 3"))
        << three.err.constData();
    const FindRun all = runFind({"--catalogue", starter, "--names", "--limit", "0", "*"});
    EXPECT_EQ(lines(all.out).size(), 49);
    EXPECT_EQ(all.err, QByteArray());

    // --public: the stored text, line breaks as LF.
    const QString sleepCs =
        queryTexts(starter, "SELECT CSharp FROM winfun WHERE name = 'Sleep'").front();
    EXPECT_EQ(runFind({"--catalogue", starter, "--public", "--form", "cs", "sleep"}).out,
              (QString(sleepCs).replace("\r\n", "\n") + "\n").toUtf8());

    // --dll takes a DLL after the fixed entries too, as the window lists them from the catalogue.
    const QString extra =
        dir.make("extra.mdb",
                 "INSERT INTO winfun (name, libsclass) VALUES ('InternetOpen', 'wininet.dll');");
    EXPECT_EQ(runFind({"--catalogue", extra, "--names", "--dll", "WinInet.dll", "Open"}).out,
              "InternetOpen\n");
    EXPECT_EQ(runFind({"--catalogue", extra, "--names", "--dll", "other.dll", "Open"}).status, 2);
    EXPECT_EQ(runFind({"-C", starter, "-n", "-d", "Kernel32.DLL", "Sleep"}).out,
              runFind({"-C", starter, "-n", "-d", "kernel32", "Sleep"}).out);

    // A plain name that finds nothing: without a final A or W, else close
    // names on standard error (exit 1).
    const QString names = dir.make("names.mdb",
                                   "INSERT INTO winfun (name) VALUES ('SendMessage'),"
                                   "('CreateFile'), ('ReadFile'), ('Beep');");
    const FindRun wide = runFind({"-C", names, "-n", "SendMessageW"});
    EXPECT_EQ(wide.out, "SendMessage\n");
    EXPECT_EQ(wide.status, 0);
    const FindRun typo = runFind({"-C", names, "-n", "CreatFile"});
    EXPECT_EQ(typo.status, 1);
    EXPECT_EQ(typo.err,
              "tolvane-find: nothing matches 'CreatFile'; did you mean CreateFile, "
              "ReadFile?\n");
    EXPECT_EQ(runFind({"-C", names, "-n", "Creat*Fyle"}).err, QByteArray());

    // Many patterns, one a line, from a file or standard input: each in
    // turn, records separated as for one; 0 when any was found.
    const QString list = dir.writeFile("patterns.txt", "Beep\n\nNothingHere\nReadFile\n");
    EXPECT_EQ(runFind({"-C", names, "-n", "--patterns", list}).out, "Beep\nReadFile\n");
    const FindRun fromInput = runFind(
        {"-c", QString("printf 'ReadFile\\nBeep\\n' | %1 -C %2 -").arg(TOLVANE_FIND, names)}, {},
        {}, {}, "bash");
    EXPECT_EQ(fromInput.out.count("Private Declare"), 0);  // the rows have no declaration
    EXPECT_EQ(fromInput.err,
              "tolvane-find: ReadFile has no vb declaration in this catalogue\n"
              "tolvane-find: Beep has no vb declaration in this catalogue\n");
    EXPECT_EQ(fromInput.status, 0);
    EXPECT_EQ(runFind({"-C", names, "--patterns", dir.writeFile("none.txt", "Zzz\n")}).status, 1);

    // --form vba64 reads its own column and is made private as VB is.
    const QString vba64 = "Declare PtrSafe Function GetTickCount Lib \"kernel32\" () As Long";
    const QString withVba64 = dir.make("vba64.mdb",
                                       "INSERT INTO winfun (name, declare, vba64) VALUES"
                                       " ('GetTickCount', 'x', '" +
                                           QString(vba64).replace("'", "''") + "');");
    const FindRun vba =
        runFind({"--catalogue", withVba64, "--form", "vba64", "--crlf", "GetTickCount"});
    EXPECT_EQ(vba.out, copiedText(vba64, true, OutputForm::Vba64).toUtf8());
}

// Without --catalogue: the remembered path, ./winapi.mdb, mdb/winapi.mdb
// beside the program, then the data folders; the settings are read, never
// written.
TEST_F(FindCommandTest, FindsTheCatalogueWhereTheWindowDoes) {
    const QString remembered =
        dir.make("remembered.mdb", "INSERT INTO winfun (name) VALUES ('OnlyRemembered');");
    QDir(dir.path("")).mkpath("config/Tolvane");
    QDir(dir.path("")).mkpath("work");
    const QString config = dir.path("config");
    const QString work = dir.path("work");
    dir.make("work/winapi.mdb", "INSERT INTO winfun (name) VALUES ('OnlyHere');");
    const QString ini = dir.writeFile("config/Tolvane/QMWX_varnel.ini",
                                      "[MDB_Path]\nMDB_Path=" + remembered.toUtf8() + "\n");
    const QByteArray iniBytes = bytesOf(ini);

    EXPECT_EQ(runFind({"--names", "Only"}, config, work).out, "OnlyRemembered\n");
    EXPECT_EQ(bytesOf(ini), iniBytes);
    EXPECT_EQ(runFind({"--names", "Only"}, {}, work).out, "OnlyHere\n");
    // A remembered file that has gone: its name in mdb/ beside the program,
    // the default catalogue.
    dir.writeFile("config/Tolvane/QMWX_varnel.ini", "[MDB_Path]\nMDB_Path=/gone/winapi.mdb\n");
    const FindRun builtIn = runFind({"CreateFile"}, config, dir.path(""));
    EXPECT_EQ(builtIn.status, 0) << builtIn.err.constData();
    EXPECT_TRUE(
        ("\n" + builtIn.out).contains("\nPrivate Declare Function CreateFile Lib \"kernel32\""))
        << builtIn.out.constData();

    // Then the user's data folder, then each system data folder in turn (a
    // program without an mdb folder beside it).
    for (const char* folder : {"bin", "home/tolvane", "system2/tolvane"})
        QDir(dir.path("")).mkpath(folder);
    const QString program = dir.path("bin/tolvane-find");
    ASSERT_TRUE(QFile::copy(TOLVANE_FIND, program));
    dir.make("system2/tolvane/winapi.mdb", "INSERT INTO winfun (name) VALUES ('OnlySystem2');");
    const QStringList data{"XDG_DATA_HOME=" + dir.path("home"),
                           "XDG_DATA_DIRS=" + dir.path("system1") + ":" + dir.path("system2")};
    EXPECT_EQ(runFind({"--names", "Only"}, {}, config, data, program).out, "OnlySystem2\n");
    dir.make("home/tolvane/winapi.mdb", "INSERT INTO winfun (name) VALUES ('OnlyHome');");
    EXPECT_EQ(runFind({"--names", "Only"}, {}, config, data, program).out, "OnlyHome\n");
    const FindRun none = runFind({"Only"}, {}, config, {}, program);
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.contains("no catalogue found")) << none.err.constData();
}

// Standard output as scripts and people meet it: a terminal shows the first
// 50 records, a pipe gets them all; a reader that goes away ends the run
// quietly; output that cannot be written is an error.
TEST_F(FindCommandTest, OutputEndsAsItsReaderExpects) {
    QString rows;
    for (int i = 0; i < 60; ++i)
        rows += QStringLiteral("INSERT INTO winfun (name) VALUES ('Row%1');").arg(i);
    const QString sixty = dir.make("sixty.mdb", rows);
    const auto shell = [&](const QString& command) {
        return runFind({"-c", command.arg(TOLVANE_FIND, sixty)}, {}, {}, {}, "bash");
    };
    const FindRun piped = shell("%1 -n -C %2 Row; echo status $?");
    EXPECT_EQ(lines(piped.out).size(), 61);
    EXPECT_EQ(piped.err, QByteArray());
    const FindRun terminal = shell("script -qec '%1 -n -C %2 Row' /dev/null");
    EXPECT_EQ(terminal.out.count("\n"), 51) << terminal.out.constData();  // with the note
    EXPECT_TRUE(terminal.out.contains("showing the first 50")) << terminal.out.constData();

    const FindRun closedPipe =
        shell("%1 -n -l 0 -C %2 Row | head -1; echo status ${PIPESTATUS[0]}");
    EXPECT_EQ(closedPipe.out, "Row0\nstatus 0\n");
    EXPECT_EQ(closedPipe.err, QByteArray());
    const FindRun full = shell("%1 -n -C %2 Row >/dev/full; echo status $?");
    EXPECT_EQ(full.out, "status 2\n");
    EXPECT_EQ(full.err, "tolvane-find: cannot write the output: No space left on device\n");
    const FindRun closed = shell("%1 -n -C %2 Row >&-; echo status $? >&2");
    EXPECT_EQ(closed.err, "tolvane-find: cannot write the output: it is closed\nstatus 2\n");

    const FindRun version = runFind({"--version"});
    EXPECT_EQ(version.out, ("tolvane-find " + programVersion() + "\n").toUtf8());
    EXPECT_EQ(version.status, 0);
}

// Damage met while reading: the records read before it, then one line; a
// catalogue's control characters reach a terminal escaped.
TEST_F(FindCommandTest, DamageMidwayAndControlCharactersAreToldSafely) {
    const QString table = "CREATE TABLE winfun (ID INTEGER PRIMARY KEY, name TEXT, declare TEXT);";
    const QString damaged = dir.makeFrom(
        "damaged.mdb", table +
                           "CREATE INDEX byName ON winfun (name);"
                           "WITH RECURSIVE r(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM r "
                           "WHERE i < 3000) INSERT INTO winfun SELECT i, 'Name' || i, "
                           "'Declare ' || i || hex(randomblob(300)) FROM r;");
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(file.size() - 200 * 4096);
        file.write(QByteArray(200 * 4096, '\xff'));
    }
    const FindRun partly = runFind({"-C", damaged, "-l", "0", "Name*"});
    EXPECT_EQ(partly.status, 2);
    EXPECT_GT(partly.out.count("Private Declare"), 100);
    EXPECT_EQ(partly.err, "tolvane-find: reading the catalogue " + damaged.toUtf8() +
                              " failed: it is damaged\n");

    const QString escapes = dir.makeFrom(
        "escapes.mdb", table +
                           "INSERT INTO winfun VALUES (1, 'Evil' || char(27) || '[2J', "
                           "'Declare' || char(7) || char(13) || char(10) || 'x');");
    const FindRun piped = runFind({"-C", escapes, "-n", "Evil"});
    EXPECT_EQ(piped.out, "Evil\x1b[2J\n");
    const FindRun onTerminal =
        runFind({"-c", QString("script -qec '%1 -C %2 -n Evil; %1 -C %2 --public Evil' /dev/null | "
                               "tr -d '\\r'")
                           .arg(TOLVANE_FIND, escapes)},
                {}, {}, {}, "bash");
    EXPECT_EQ(onTerminal.out, "Evil\\x1b[2J\nDeclare\\x07\nx\n");
}

TEST(FindBinaryTest, NeedsNoWidgetOrGuiLibrary) {
    QProcess readelf;
    readelf.start("readelf", {"-d", TOLVANE_FIND});
    ASSERT_TRUE(readelf.waitForFinished());
    const QByteArray needed = readelf.readAllStandardOutput();
    EXPECT_TRUE(needed.contains("libQt6Core")) << needed.constData();
    EXPECT_FALSE(needed.contains("libQt6Gui") || needed.contains("libQt6Widgets") ||
                 needed.contains("libQt6Network"))
        << needed.constData();
}
