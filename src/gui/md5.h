#pragma once

#include <QString>

namespace tolvane {

class Dialogs;

// The MD5 message digest (RFC 1321) of `text`, as 32 upper-case hexadecimal
// digits. The message is the text in the system's narrow encoding (UTF-8 on
// Linux), without terminator or byte-order mark, and may hold at most 32767
// bytes. Any failure (a longer message overflows) is shown through `dialogs`
// as a critical box with the error's description, and the result is then "".
//
// The module keeps one working record that every digest resets first, so
// digests run one at a time on the user-interface thread; not reentrant.
QString md5Hex(const QString& text, Dialogs& dialogs);

}  // namespace tolvane
