// A large plain text being edited: its lines (LineStore), edits that replace a stretch of text,
// undo and redo, and find and replace. Positions are a line and a column counted in UTF-16
// units, as the editors count characters. Every edit replaces a run of line references, so undo
// costs the references, never a copy of the text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/TextSearch.h"
#include "largetext/LineStore.h"

namespace halvern {

struct TextPos {
    size_t line = 0;
    size_t column = 0;

    auto operator<=>(const TextPos&) const = default;
};

struct TextRange {
    TextPos start;
    TextPos end;

    bool operator==(const TextRange&) const = default;
};

class LargeText {
  public:
    // A text without lines (an empty file) is shown as one empty line.
    explicit LargeText(LineStore lines = {});

    const LineStore& store() const { return store_; }
    size_t lineCount() const { return store_.lines().size(); }
    std::u16string line(size_t index) const;
    void lineInto(size_t index, std::u16string& out) const;
    // Bytes of the longest line read or made: the widest the text can be.
    size_t longestLineBytes() const { return longestLine_; }
    // Nothing but the one empty line of an empty file: saved as nothing.
    bool isEmptyFile() const;

    TextPos end() const;
    // The position moved into the text: a line that exists, a column within it.
    TextPos clamp(TextPos pos) const;

    // Replaces the text between two positions (in either order) by `text`, in which LF, CR LF
    // and CR end lines, as one undo step; gives the position after the new text. Typing joins
    // its step to the previous one while the caret goes on where that one ended.
    TextPos replace(TextPos from, TextPos to, std::u16string_view text, bool typing = false);
    // The text between two positions, lines joined by '\n'.
    std::u16string text(TextPos from, TextPos to) const;

    // The first hit at or after `from`, none up to the end of the text.
    std::optional<TextRange> find(TextPos from, std::u16string_view pattern,
                                  const SearchOptions& options) const;
    // Every hit of the whole text replaced (by a text without line ends), as one undo step;
    // the number replaced.
    size_t replaceAll(std::u16string_view pattern, std::u16string_view replacement,
                      const SearchOptions& options);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The caret after undoing or redoing a step; none when there is none.
    std::optional<TextPos> undo();
    std::optional<TextPos> redo();

  private:
    // One edit: the references of a run of lines before and after it.
    struct Step {
        size_t first = 0;
        std::vector<LineRef> before;
        std::vector<LineRef> after;
        TextPos caretBefore;
        TextPos caretAfter;
        bool typing = false;
    };

    LineRef addLine(const std::u16string& text);
    void putLines(size_t first, size_t count, const std::vector<LineRef>& lines);
    void record(Step step);

    LineStore store_;
    size_t longestLine_ = 0;
    bool emptyFile_ = false;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
};

}  // namespace halvern
