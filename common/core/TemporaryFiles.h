// Files and folders of the kit's own that nobody else may take over: unpredictable names,
// created exclusively, never through a symbolic link.
#pragma once

#include <string>

namespace halvern {

// $TMPDIR when it names a folder, else /tmp.
std::string TemporaryFolder();

// Creates a new file `folder`/`prefix`XXXXXXXXXXXX (random letters and digits) with
// O_CREAT|O_EXCL|O_NOFOLLOW, readable and writable by the owner only. The descriptor, or -1;
// `path` receives the name.
int CreateUniqueFile(const std::string& folder, const std::string& prefix, std::string& path);

// The same as a folder (mode 0700); false when it cannot be made.
bool CreateUniqueFolder(const std::string& folder, const std::string& prefix, std::string& path);

// A file that disappears with its descriptor: created as above and unlinked at once.
int CreateAnonymousFile(const std::string& folder);

// A file without a name in `folder` (O_TMPFILE) that linkNamelessFile can name later; nothing
// is left of it if the process dies first. -1 where the file system or the system cannot.
int OpenNamelessFile(const std::string& folder);
// Gives a nameless file the name `folder`/`prefix`XXXXXXXXXXXX; false when it cannot.
bool LinkNamelessFile(int fd, const std::string& folder, const std::string& prefix,
                      std::string& path);

// write(2) and pwrite(2) until every byte is written; false on an error (EINTR is retried).
bool WriteAll(int fd, const void* data, size_t size);
bool WriteAllAt(int fd, const void* data, size_t size, long long offset);
// pread(2) until `size` bytes; false on an error or when the file ends first.
bool ReadAllAt(int fd, void* data, size_t size, long long offset);

}  // namespace halvern
