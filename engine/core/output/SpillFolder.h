// The private folder of one parallel run's spill files: made afresh under an unpredictable name
// in the temporary folder, readable by its owner only, locked while the run lives and removed at
// its end. Its files vanish with their descriptors, and the folders of runs that died (kill -9)
// are removed when the next run starts.
#pragma once

#include <string>

namespace halvern {

class SpillFolder {
  public:
    // Under `parent`; "" means $TMPDIR, else /tmp. Folders left by dead runs go first.
    explicit SpillFolder(const std::string& parent);
    SpillFolder(const SpillFolder&) = delete;
    SpillFolder& operator=(const SpillFolder&) = delete;
    ~SpillFolder();

    bool ok() const { return lock_ >= 0; }
    const std::string& path() const { return path_; }
    // A new spill file that disappears with its descriptor; -1 when none can be made.
    int createFile() const;

  private:
    std::string path_;
    int lock_ = -1;  // the folder itself, held with flock while the run lives
};

// Removes the spill folders under `parent` that no living run holds.
void RemoveStaleSpillFolders(const std::string& parent);

// The prefix of every spill folder's name, followed by the owner's process id and "-".
inline constexpr char kSpillFolderPrefix[] = "ostrel-spill-";

}  // namespace halvern
