#pragma once

#include "core/system/file_probe.h"

namespace tolvane {

// Probes the local file system. A relative path is taken from the current
// directory. Regular files count whatever their permissions or whether their
// names start with a dot; folders, sockets, pipes and devices do not; a
// symbolic link counts when it leads to a file. "*" matches any run of
// characters and "?" exactly one, case-sensitively like the file system;
// every other character, "[" included, stands for itself; a file whose name
// holds "*" or "?" matches itself. A path ending in a separator names a
// folder, so nothing matches it. Folder names are never patterns: "*" and
// "?" in them are plain characters.
//
// Malformed paths (BadPath):
//  - the empty path, which names nothing;
//  - a path holding a NUL or any other control character (U+0001 to U+001F,
//    U+007F);
//  - "*" or "?" before the last separator, unless a folder of exactly that
//    name exists (wildcards only in the file name);
//  - a name between separators longer than 255 bytes in UTF-8;
//  - a path longer than 4095 bytes in UTF-8.
// A bare name such as "winapi.mdb" is well formed.
class LocalFileProbe : public FileProbe {
public:
    Result<bool> exists(const QString& path) override;
};

}  // namespace tolvane
