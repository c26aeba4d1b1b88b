// Scratch files of a fuzz target: the readers take file names, so each input is written to a
// file in a folder of this process, removed when the process ends normally.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace halvern::fuzz {

inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path p =
            std::filesystem::temp_directory_path() / ("halvern-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchFolder(), ec);
        });
        return p;
    }();
    return folder;
}

// The path of `name` in the scratch folder.
inline std::string ScratchPath(std::string_view name) {
    return (ScratchFolder() / name).string();
}

// Writes the bytes to `name` in the scratch folder and gives its path.
inline std::string WriteScratchFile(std::string_view name, std::string_view bytes) {
    const std::string path = ScratchPath(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace halvern::fuzz
