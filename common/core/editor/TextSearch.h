// Find and replace in an editor's text. Positions count UTF-16 units, one for each paragraph
// end, as the editor's cursor counts them. Searches run forward from the end of the current
// hit to the end of the text; a whole-word hit stands between word boundaries (the text's ends
// and any character that is no letter, digit or '_') and covers the word only.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvern {

inline constexpr const char* kReachedEndText = "Reached the end of the file.";

struct SearchOptions {
    bool wholeWord = false;
    bool matchCase = false;
};

struct TextHit {
    size_t start = 0;
    size_t length = 0;

    bool operator==(const TextHit&) const = default;
};

// The first hit at or after `from`; none when the pattern is empty or not found.
std::optional<TextHit> FindText(std::u16string_view text, size_t from,
                                std::u16string_view pattern, const SearchOptions& options);

// Every hit from `from` to the end, in order, none overlapping another.
std::vector<TextHit> FindAllText(std::u16string_view text, size_t from,
                                 std::u16string_view pattern, const SearchOptions& options);

// The box after Replace All: "Replaced 12 occurrences." ("1 occurrence.", "0 occurrences.").
std::string ReplacedCountText(size_t count);

// Whether the selection is the find text (compared without case unless matchCase), so that
// Replace may replace it.
bool SelectionMatches(std::u16string_view selection, std::u16string_view pattern, bool matchCase);

// Upper case of a UTF-16 unit for case-blind comparison (Latin, Greek and Cyrillic letters).
char16_t FoldCase(char16_t c);
bool IsWordUnit(char16_t c);

}  // namespace halvern
