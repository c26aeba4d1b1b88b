#include "editor/TextSearch.h"

namespace halvern {

char16_t FoldCase(char16_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return char16_t(c - 32);
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A pairs its capitals with the next unit, but for one run that starts odd.
        const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        const bool lower = oddCapitals ? (c % 2 == 0) : (c % 2 == 1);
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        return lower ? char16_t(c - 1) : c;
    }
    if (c == 0x3C2) return 0x3A3;  // final sigma
    if (c >= 0x3B1 && c <= 0x3C9) return char16_t(c - 32);
    if (c >= 0x430 && c <= 0x44F) return char16_t(c - 32);
    if (c >= 0x450 && c <= 0x45F) return char16_t(c - 80);
    return c;
}

bool IsWordUnit(char16_t c) {
    if (c < 0x80)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '_';
    if (c < 0xC0) return c == 0xAA || c == 0xB5 || c == 0xBA;
    if (c == 0xD7 || c == 0xF7) return false;
    if (c >= 0x2000 && c <= 0x206F) return false;  // spaces, dashes, quotes, separators
    if (c >= 0x3000 && c <= 0x303F) return false;
    if (c == 0xFFFC || c == 0xFEFF) return false;
    return true;
}

namespace {

bool SameUnit(char16_t a, char16_t b, bool matchCase) {
    return matchCase ? a == b : FoldCase(a) == FoldCase(b);
}

bool MatchesAt(std::u16string_view text, size_t at, std::u16string_view pattern, bool matchCase) {
    for (size_t i = 0; i < pattern.size(); ++i)
        if (!SameUnit(text[at + i], pattern[i], matchCase)) return false;
    return true;
}

bool StandsAlone(std::u16string_view text, size_t at, size_t length) {
    const bool before = at == 0 || !IsWordUnit(text[at - 1]);
    const bool after = at + length >= text.size() || !IsWordUnit(text[at + length]);
    return before && after;
}

}  // namespace

std::optional<TextHit> FindText(std::u16string_view text, size_t from,
                                std::u16string_view pattern, const SearchOptions& options) {
    if (pattern.empty() || pattern.size() > text.size()) return std::nullopt;
    for (size_t at = from; at + pattern.size() <= text.size(); ++at) {
        if (!MatchesAt(text, at, pattern, options.matchCase)) continue;
        if (options.wholeWord && !StandsAlone(text, at, pattern.size())) continue;
        return TextHit{at, pattern.size()};
    }
    return std::nullopt;
}

std::vector<TextHit> FindAllText(std::u16string_view text, size_t from,
                                 std::u16string_view pattern, const SearchOptions& options) {
    std::vector<TextHit> hits;
    while (const auto hit = FindText(text, from, pattern, options)) {
        hits.push_back(*hit);
        from = hit->start + hit->length;
    }
    return hits;
}

std::string ReplacedCountText(size_t count) {
    return "Replaced " + std::to_string(count) + (count == 1 ? " occurrence." : " occurrences.");
}

bool SelectionMatches(std::u16string_view selection, std::u16string_view pattern,
                      bool matchCase) {
    return !pattern.empty() && selection.size() == pattern.size() &&
           MatchesAt(selection, 0, pattern, matchCase);
}

}  // namespace halvern
