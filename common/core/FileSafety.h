// File helpers that keep the user's data safe: reads that refuse what is no regular file without
// blocking, the one writer (ReplacingFile), companion-file lookup and the same-file test for
// process destinations.
#pragma once

#include <string>
#include <string_view>

#include "ReplacingFile.h"

namespace halvern {

// Opens a regular file for reading without waiting on a FIFO or a device: -1 when the file is
// missing, unreadable or no regular file (`notRegular` is then set for the last).
int OpenRegularFile(const std::string& path, bool* notRegular = nullptr);

// True when something exists under the name that is no regular file (a FIFO, socket, folder or
// device), links followed.
bool IsNotRegularFile(const std::string& path);

// A reader's own text for a file it could not open, followed by "<name> is not a regular
// file." on a line of its own when that is why.
std::string OpenFailureText(const std::string& ownText, const std::string& path);

// Reads a whole regular file as bytes; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

bool FileExists(const std::string& path);

// The exact name when such a file exists; else a file in the same folder whose name differs only
// in the case of its extension; else the name unchanged.
std::string FindCompanionFile(const std::string& path);

// True when both names lead to the same file (or, for a file not yet made, the same place).
bool SameFile(const std::string& a, const std::string& b);

// The name with its extension replaced (or added); a dot in a folder name is not an extension.
std::string ChangeFileExt(const std::string& path, std::string_view ext);
// The extension of the file name itself, with its dot ("" when none).
std::string FileExt(const std::string& path);
// The file name without its folder.
std::string FileNameOf(const std::string& path);

// The file a name leads to: symbolic links followed (relative ones from their own folder), the
// name itself when it is no link.
std::string ResolveLinks(const std::string& path);

}  // namespace halvern
