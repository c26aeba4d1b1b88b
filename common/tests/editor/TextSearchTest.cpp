// Find and replace: whole words at word boundaries, Find Next from the end of the hit.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editor/TextSearch.h"

namespace halvern {
namespace {

struct FindCase {
    const char* name;
    std::u16string text;
    size_t from;
    std::u16string pattern;
    SearchOptions options;
    std::optional<TextHit> hit;
};

TEST(TextSearch, FindCases) {
    const SearchOptions word{true, false};
    const SearchOptions any{false, false};
    const SearchOptions exact{false, true};
    const std::vector<FindCase> cases = {
        {"whole word selects the word only", u"the cat sat", 0, u"cat", word, TextHit{4, 3}},
        {"whole word at a line's start", u"x\ncat sat", 0, u"cat", word, TextHit{2, 3}},
        {"whole word at the text's start", u"cat sat", 0, u"cat", word, TextHit{0, 3}},
        {"whole word at a line's end", u"the cat\nx", 0, u"cat", word, TextHit{4, 3}},
        {"whole word at the text's end", u"the cat", 0, u"cat", word, TextHit{4, 3}},
        {"whole word beside punctuation", u"(cat),", 0, u"cat", word, TextHit{1, 3}},
        {"whole word skips a word's part", u"concat cats cat", 0, u"cat", word, TextHit{12, 3}},
        {"whole word not found", u"concat cats", 0, u"cat", word, std::nullopt},
        {"whole word, letters beyond ASCII", u"\u00e9cat cat\u00e9 cat", 0, u"cat", word,
         TextHit{10, 3}},
        {"next from the end of a hit: same line", u"cat cat\ncat", 3, u"cat", any, TextHit{4, 3}},
        {"next from the end of a hit: next line", u"cat cat\ncat", 7, u"cat", any, TextHit{8, 3}},
        {"a hit at a line's start is not found again", u"x\ncat", 5, u"cat", any, std::nullopt},
        {"without case", u"The CAT", 0, u"cat", any, TextHit{4, 3}},
        {"without case, Latin-1", u"CAF\u00c9", 0, u"caf\u00e9", any, TextHit{0, 4}},
        {"without case, Greek", u"\u0391\u039b\u03a6\u0391", 0, u"\u03b1\u03bb\u03c6\u03b1", any,
         TextHit{0, 4}},
        {"with case", u"The CAT cat", 0, u"cat", exact, TextHit{8, 3}},
        {"empty pattern", u"abc", 0, u"", any, std::nullopt},
        {"from past the end", u"abc", 9, u"a", any, std::nullopt},
        {"pattern longer than the text", u"ab", 0, u"abc", any, std::nullopt},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindText(c.text, c.from, c.pattern, c.options), c.hit);
    }
}

TEST(TextSearch, FindAllFromTheCaretToTheEnd) {
    const std::u16string text = u"aa aaa a";
    const std::vector<TextHit> all = FindAllText(text, 1, u"aa", {});
    EXPECT_EQ(all, (std::vector<TextHit>{{3, 2}}));  // none overlapping; not before the caret
    EXPECT_EQ(FindAllText(u"cat concat cat", 0, u"cat", {true, false}),
              (std::vector<TextHit>{{0, 3}, {11, 3}}));
    EXPECT_TRUE(FindAllText(text, 0, u"", {}).empty());
}

TEST(TextSearch, SelectionMatchesTheFindText) {
    EXPECT_TRUE(SelectionMatches(u"Cat", u"cat", false));
    EXPECT_FALSE(SelectionMatches(u"Cat", u"cat", true));
    EXPECT_FALSE(SelectionMatches(u" cat ", u"cat", false));
    EXPECT_FALSE(SelectionMatches(u"", u"", false));
}

TEST(TextSearch, FoldCase) {
    const std::pair<char16_t, char16_t> pairs[] = {
        {u'a', u'A'}, {u'z', u'Z'},         {u'1', u'1'},           {0xE9, 0xC9},
        {0xF7, 0xF7}, {0xFF, 0x178},        {0x101, 0x100},         {0x13A, 0x139},
        {0x17E, 0x17D}, {0x3C2, 0x3A3},     {0x430, 0x410},         {0x451, 0x401}};
    for (const auto& [in, out] : pairs) EXPECT_EQ(FoldCase(in), out) << int(in);
}

}  // namespace
}  // namespace halvern
