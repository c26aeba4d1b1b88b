// A scratch folder for tests of the engine's file-name logic, removed at the end of the test.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace halvern::testing {

class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& tag) {
        static int counter = 0;
        path_ =
            std::filesystem::temp_directory_path() /
            ("halvern-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return file(name);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace halvern::testing
