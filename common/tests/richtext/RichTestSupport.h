// Shared pieces of the rich-text tests: runs written out by hand, a tiny PNG and the
// hand-written RTF files of data/.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "FileSafety.h"
#include "richtext/RichDoc.h"

namespace halvern::test {

struct Run {
    std::string text;
    RichCharFormat format;

    bool operator==(const Run&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Run& run) {
    const RichCharFormat& f = run.format;
    out << '"' << run.text << "\" font=" << f.font << " hp=" << f.halfPoints << " b=" << f.bold
        << " i=" << f.italic << " u=" << f.underline << " s=" << f.strike
        << " script=" << int(f.script) << " colour=";
    return f.colour ? out << std::hex << *f.colour << std::dec : out << "auto";
}

// The text runs of a paragraph, pictures and objects left out.
inline std::vector<Run> TextRuns(const RichParagraph& paragraph) {
    std::vector<Run> runs;
    for (const RichItem& item : paragraph.items)
        if (item.kind == RichItem::Kind::Text) runs.push_back({item.text, item.format});
    return runs;
}

inline RichCharFormat Fs(int32_t halfPoints) {
    RichCharFormat f;
    f.halfPoints = halfPoints;
    return f;
}

inline RichCharFormat Bold(RichCharFormat f) {
    f.bold = true;
    return f;
}

// A 2 x 2 PNG: red and blue pixels.
inline std::string TinyPng() {
    const char* hex =
        "89504e470d0a1a0a0000000d4948445200000002000000020802000000fdd49a730000001049444154789c"
        "63f8cf0004ff192014001bf203fdd696f22b0000000049454e44ae426082";
    std::string bytes;
    for (const char* p = hex; p[0] && p[1]; p += 2)
        bytes += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
    return bytes;
}

inline std::string RtfTestFile(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(std::string(HALVERN_RTF_TEST_DIR) + "/" + name, bytes)) << name;
    return bytes;
}

}  // namespace halvern::test
