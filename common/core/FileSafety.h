// File helpers that keep the user's data safe: checked reads and writes, replacement through a
// temporary file, companion-file lookup and the same-file test for process destinations.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace halvern {

// Reads a whole file as bytes; false when it cannot be opened or read.
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

// A writer that checks creation, every write and the close. Writes go straight to the file.
class CheckedFile {
  public:
    CheckedFile() = default;
    CheckedFile(const CheckedFile&) = delete;
    CheckedFile& operator=(const CheckedFile&) = delete;
    ~CheckedFile();

    bool create(const std::string& path);  // truncates
    bool append(const std::string& path);
    bool write(const void* data, size_t size);
    bool write(std::string_view text) { return write(text.data(), text.size()); }
    // Closes the file; false when any write or the close failed.
    bool close();
    bool isOpen() const { return file_ != nullptr; }
    bool ok() const { return ok_; }

  private:
    std::FILE* file_ = nullptr;
    bool ok_ = true;
};

// Replaces a file only when the new contents are complete: writes to a temporary file beside the
// target and renames it into place on commit. Without commit the target is left as it was.
// A symbolic link is followed, so the link stays and its target is replaced; the file keeps its
// permission bits; a destination that exists but is no regular file (a device, a pipe) is
// written in place, since renaming onto it would put a plain file in its stead.
class ReplacingFile {
  public:
    ReplacingFile() = default;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    bool open(const std::string& target);
    bool write(const void* data, size_t size) { return file_.write(data, size); }
    bool write(std::string_view text) { return file_.write(text); }
    // Closes the temporary file and renames it onto the target (or closes the file written in
    // place); false when a write, the close or the rename failed.
    bool commit();
    void discard();

  private:
    CheckedFile file_;
    std::string target_;
    std::string temp_;
    bool inPlace_ = false;
};

// The file a name leads to: symbolic links followed (relative ones from their own folder), the
// name itself when it is no link.
std::string ResolveLinks(const std::string& path);

// Writes a whole file through ReplacingFile.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace halvern
