// The one writer of every output of the kit: a file is replaced whole or not at all.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvern {

// Why a write through ReplacingFile failed.
enum class WriteFault {
    None,
    NotRegular,  // a FIFO, socket, folder or block device: refused before anything is opened
    ReadOnly,    // the user may not write the file, or it has no write bit: refused
    Create,      // the new file could not be made
    Write,       // a write or the close failed: the old file is as it was
    Replace,     // the new file could not be put in place: the old file is as it was
    Damaged,     // written in place and failed partway: the old file is damaged
};

// "<name> is not a regular file."
std::string NotRegularFileText(const std::string& name);

// The writer's own failure text, followed on a line of its own by what became of the file
// (nothing is added where there is nothing to say).
std::string WriteFailureText(const std::string& ownText, const std::string& note);

// Writes a new version of a file. The whole content goes to a temporary file beside the
// destination and is renamed onto it by commit(); without commit, or after any failure, the
// destination stays as it was and the temporary file is removed. The temporary file has no name
// (O_TMPFILE) until commit links it under an unpredictable one, so a process killed while
// writing leaves nothing behind; where the file system has no such files it is made under an
// unpredictable name with O_CREAT|O_EXCL|O_NOFOLLOW. A symbolic link is followed (the link stays,
// its target is replaced) and the file keeps its permission bits and owner. Where a rename would
// lose something (a file with more than one hard link, a file of another owner, a folder the user
// cannot write) the content is gathered in a scratch file and copied over the destination at
// commit. A character device (/dev/null) is written directly. Anything else that is not a
// regular file is refused, as is a file the user may not write or that has no write bit.
class ReplacingFile {
  public:
    ReplacingFile() = default;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    // False, with fault() saying why, when the destination is refused or nothing can be made.
    bool open(const std::string& target);
    // The same, with the destination's present bytes as the start of the new content.
    bool openForAppend(const std::string& target);

    // False once anything failed; later writes are dropped.
    bool write(const void* data, size_t size);
    bool write(std::string_view text) { return write(text.data(), text.size()); }

    // Writes what is buffered, so that a full disk shows before anything is put in place.
    bool flush();

    // Bytes of new content so far, and a return to an earlier count (not on a device).
    uint64_t size() const { return written_; }
    bool truncate(uint64_t size);

    // Puts the new content in place; false, with fault() set, when anything failed.
    bool commit();
    // Drops the new content; the destination stays as it was.
    void discard();

    bool isOpen() const { return mode_ != Mode::Closed; }
    bool ok() const { return fault_ == WriteFault::None; }
    WriteFault fault() const { return fault_; }
    // What a failure did to the file ("" when there is nothing to add to the writer's text).
    std::string failureNote() const;
    // The writer's own failure text with the note.
    std::string failureText(const std::string& ownText) const;

  private:
    enum class Mode { Closed, Rename, InPlace, Device };
    bool fail(WriteFault fault);
    bool openDevice();
    bool openTemporary(bool inPlace);
    bool commitRename();
    bool commitInPlace();
    void closeDescriptor();
    std::string temporaryPrefix() const;

    std::string name_;       // as given
    std::string target_;     // links resolved
    std::string temp_;       // the named temporary file of Mode::Rename
    bool nameless_ = false;  // Mode::Rename's file has no name before commit
    Mode mode_ = Mode::Closed;
    WriteFault fault_ = WriteFault::None;
    int fd_ = -1;
    bool existed_ = false;
    mode_t permissions_ = 0;
    uid_t owner_ = 0;
    gid_t group_ = 0;
    dev_t fileDevice_ = 0;
    ino_t inode_ = 0;
    bool device_ = false;  // a character device, written directly
    uint64_t written_ = 0;
    std::vector<char> buffer_;
};

// What a whole-file write came to; true when it succeeded.
struct WriteOutcome {
    WriteFault fault = WriteFault::None;
    std::string note;  // ReplacingFile::failureNote()

    explicit operator bool() const { return fault == WriteFault::None; }
    std::string failureText(const std::string& ownText) const {
        return WriteFailureText(ownText, note);
    }
};

// Writes a whole file through ReplacingFile.
WriteOutcome WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace halvern
