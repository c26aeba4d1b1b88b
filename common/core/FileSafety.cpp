#include "FileSafety.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace halvern {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

size_t ExtStart(const std::string& path) {
    size_t slash = path.find_last_of('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) return std::string::npos;
    return dot;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::string data;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    if (ok) bytes = std::move(data);
    return ok;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

std::string FindCompanionFile(const std::string& path) {
    if (FileExists(path)) return path;
    size_t dot = ExtStart(path);
    if (dot == std::string::npos) return path;
    std::string stem = FileNameOf(path.substr(0, dot));
    std::string ext = path.substr(dot);
    fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return path;
    std::string best;
    for (const auto& entry : it) {
        std::string name = entry.path().filename().string();
        if (name.size() != stem.size() + ext.size()) continue;
        if (name.compare(0, stem.size(), stem) != 0) continue;
        if (!EqualNoCase(std::string_view(name).substr(stem.size()), ext)) continue;
        if (!entry.is_regular_file(ec)) continue;
        // Several candidates: take the first in name order, so the choice does not depend on
        // the directory's order.
        if (best.empty() || name < best) best = name;
    }
    if (best.empty()) return path;
    return (folder / best).string();
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) {
        bool same = fs::equivalent(a, b, ec);
        if (!ec) return same;
    }
    fs::path ca = fs::weakly_canonical(fs::absolute(a, ec), ec);
    fs::path cb = fs::weakly_canonical(fs::absolute(b, ec), ec);
    return ca == cb;
}

std::string ChangeFileExt(const std::string& path, std::string_view ext) {
    size_t dot = ExtStart(path);
    std::string base = dot == std::string::npos ? path : path.substr(0, dot);
    return base + std::string(ext);
}

std::string FileExt(const std::string& path) {
    size_t dot = ExtStart(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string FileNameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

CheckedFile::~CheckedFile() {
    if (file_) std::fclose(file_);
}

bool CheckedFile::create(const std::string& path) {
    if (file_) close();
    ok_ = true;
    file_ = std::fopen(path.c_str(), "wb");
    ok_ = file_ != nullptr;
    return ok_;
}

bool CheckedFile::append(const std::string& path) {
    if (file_) close();
    file_ = std::fopen(path.c_str(), "ab");
    ok_ = file_ != nullptr;
    return ok_;
}

bool CheckedFile::write(const void* data, size_t size) {
    if (!file_) return ok_ = false;
    if (size > 0 && std::fwrite(data, 1, size, file_) != size) ok_ = false;
    return ok_;
}

bool CheckedFile::close() {
    if (!file_) return ok_;
    if (std::fflush(file_) != 0) ok_ = false;
    if (std::fclose(file_) != 0) ok_ = false;
    file_ = nullptr;
    return ok_;
}

std::string ResolveLinks(const std::string& path) {
    fs::path p = path;
    std::error_code ec;
    // A loop of links ends here as a name that cannot be opened.
    for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p.string();
}

ReplacingFile::~ReplacingFile() {
    discard();
}

bool ReplacingFile::open(const std::string& target) {
    discard();
    target_ = ResolveLinks(target);
    std::error_code ec;
    const fs::file_status status = fs::status(target_, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        inPlace_ = true;
        return file_.create(target_);
    }
    temp_ = target_ + ".tmp" + std::to_string(::getpid());
    if (!file_.create(temp_)) {
        temp_.clear();
        return false;
    }
    if (fs::exists(status)) fs::permissions(temp_, status.permissions(), ec);
    return true;
}

bool ReplacingFile::commit() {
    if (inPlace_) {
        inPlace_ = false;
        return file_.close();
    }
    if (temp_.empty()) return false;
    bool ok = file_.close();
    std::error_code ec;
    if (ok) {
        fs::rename(temp_, target_, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temp_, ec);
    temp_.clear();
    return ok;
}

void ReplacingFile::discard() {
    if (inPlace_) {
        inPlace_ = false;
        file_.close();
        return;
    }
    if (temp_.empty()) return;
    file_.close();
    std::error_code ec;
    fs::remove(temp_, ec);
    temp_.clear();
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
    ReplacingFile file;
    if (!file.open(path)) return false;
    if (!file.write(bytes)) return false;
    return file.commit();
}

}  // namespace halvern
