#pragma once

#include "core/lookup/declaration_forms.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <stdexcept>

namespace tolvane {

// A lookup that cannot be made: a bad command line, a catalogue that cannot
// be read, a malformed pattern. The message is one English line for the
// user, without the program's name.
class FindFailure : public std::runtime_error {
public:
    explicit FindFailure(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

enum class FindOutput { Declarations, Json, Names };

// The DLL filter's position for a DLL after the list's fixed entries, which
// the window reads from the catalogue: the lookup checks it there.
constexpr int kCatalogueDll = -1;

// What the command line asks for.
struct FindOptions {
    QString pattern;
    QString patternsFile;  // one pattern per line in place of `pattern` ("-": standard input)
    bool fullText = false;
    int categoryPosition;  // in the category list; the default is "all categories"
    int dllPosition;       // in the DLL list; the default is "all libraries"; kCatalogueDll
                           // for a spelling the fixed entries lack
    QString dllText;       // the DLL list's entry at dllPosition, or the spelling as given
    OutputForm form = OutputForm::VB;
    bool publicForm = false;
    FindOutput output = FindOutput::Declarations;
    qlonglong limit = 0;  // 0: every record
    QString catalogue;    // empty: where the window finds it without asking
    QString passwordFile;
    bool crlf = false;
    bool windowOrder = false;  // the window's order, without putting the closest names first
    bool terminal = false;  // standard output is a terminal: control characters are shown escaped
    bool help = false;
    std::chrono::milliseconds lockWait{5000};  // for another program's lock
    bool version = false;

    FindOptions();
};

// The number of records shown on a terminal without --limit.
constexpr qlonglong kTerminalLimit = 50;

// Reads the arguments (without the program's name); `toTerminal`: standard
// output is a terminal. Throws FindFailure for an unknown option, a missing,
// empty or unusable value, a category or DLL that is not on the window's
// lists, conflicting options, or not exactly one pattern (unless --help or
// --version is asked for).
FindOptions parseFindOptions(const QStringList& arguments, bool toTerminal);

// The --help text: usage, every option, the lists' entries, three examples.
QString findHelp();

// A DLL's name without a final ".dll" (in any case), as --dll compares it.
QString bareDllName(const QString& name);

// A form's name on the command line.
QString formName(OutputForm form);

}  // namespace tolvane
