#include "largetext/LargeTextSave.h"

#include "FileSafety.h"

namespace halvern {

namespace {

constexpr size_t kWriteBytes = 4 << 20;  // written in pieces of about this size

// Latin-1 output is possible while every line made by editing fits it.
bool WritesLatin1(const LineStore& store) {
    if (store.fileEncoding() != TextEncoding::Latin1) return false;
    for (const LineRef& line : store.lines())
        if (line.chunk != 0 && !FitsLatin1(store.bytes(line))) return false;
    return true;
}

void AppendLine(std::string& out, const LineStore& store, const LineRef& line, bool latin1) {
    const std::string_view bytes = store.bytes(line);
    if (store.isLatin1(line) == latin1) {
        out.append(bytes);
    } else if (latin1) {
        size_t pos = 0;
        while (pos < bytes.size()) out += static_cast<char>(NextUtf8(bytes, pos));
    } else {
        out += Latin1ToUtf8(bytes);
    }
    out += "\r\n";
}

}  // namespace

WriteOutcome SaveLargeText(const LargeText& text, const std::string& path) {
    ReplacingFile file;
    if (!file.open(path)) return {file.fault(), file.failureNote()};
    const LineStore& store = text.store();
    const bool latin1 = WritesLatin1(store);
    std::string piece;
    piece.reserve(kWriteBytes + 4096);
    if (!text.isEmptyFile())
        for (const LineRef& line : store.lines()) {
            AppendLine(piece, store, line, latin1);
            if (piece.size() >= kWriteBytes) {
                if (!file.write(piece)) break;
                piece.clear();
            }
        }
    // A failed write or commit keeps its fault; the destructor drops what was not committed.
    if (file.write(piece)) file.commit();
    return {file.fault(), file.failureNote()};
}

}  // namespace halvern
