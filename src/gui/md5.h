#pragma once

#include <QString>

namespace tolvane {

// The MD5 message digest (RFC 1321) of `text`, as 32 upper-case hexadecimal
// digits. The message is the text in the system's narrow encoding (UTF-8 on
// Linux), without terminator or byte-order mark.
QString md5Hex(const QString& text);

}  // namespace tolvane
