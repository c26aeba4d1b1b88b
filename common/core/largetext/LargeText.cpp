#include "largetext/LargeText.h"

#include <algorithm>
#include <utility>

namespace halvern {

namespace {

// The text split where it ends lines (LF, CR LF, CR).
std::vector<std::u16string_view> SplitLines(std::u16string_view text) {
    std::vector<std::u16string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r') continue;
        parts.push_back(text.substr(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

LargeText::LargeText(LineStore lines) : store_(std::move(lines)) {
    if (store_.lines().empty()) {
        emptyFile_ = true;
        store_.lines().push_back(store_.add({}));
    }
    for (const LineRef& ref : store_.lines()) longestLine_ = std::max<size_t>(longestLine_, ref.length);
}

std::u16string LargeText::line(size_t index) const {
    std::u16string text;
    lineInto(index, text);
    return text;
}

void LargeText::lineInto(size_t index, std::u16string& out) const {
    out.clear();
    store_.appendText(store_.lines()[index], out);
}

bool LargeText::isEmptyFile() const {
    return emptyFile_ && lineCount() == 1 && store_.lines()[0].length == 0;
}

TextPos LargeText::end() const {
    return {lineCount() - 1, line(lineCount() - 1).size()};
}

TextPos LargeText::clamp(TextPos pos) const {
    pos.line = std::min(pos.line, lineCount() - 1);
    pos.column = std::min(pos.column, line(pos.line).size());
    return pos;
}

LineRef LargeText::addLine(const std::u16string& text) {
    const LineRef ref = store_.add(Utf16ToUtf8(text));
    longestLine_ = std::max<size_t>(longestLine_, ref.length);
    return ref;
}

void LargeText::putLines(size_t first, size_t count, const std::vector<LineRef>& lines) {
    std::vector<LineRef>& all = store_.lines();
    const size_t common = std::min(count, lines.size());
    std::copy_n(lines.begin(), common, all.begin() + static_cast<ptrdiff_t>(first));
    const auto at = all.begin() + static_cast<ptrdiff_t>(first + common);
    if (count > common)
        all.erase(at, at + static_cast<ptrdiff_t>(count - common));
    else
        all.insert(at, lines.begin() + static_cast<ptrdiff_t>(common), lines.end());
}

// Typing goes on in one step while each key follows the last on the same line.
void LargeText::record(Step step) {
    redo_.clear();
    if (step.typing && !undo_.empty()) {
        Step& last = undo_.back();
        if (last.typing && last.first == step.first && last.after.size() == 1 &&
            step.before.size() == 1 && step.after.size() == 1 &&
            last.caretAfter == step.caretBefore) {
            last.after = std::move(step.after);
            last.caretAfter = step.caretAfter;
            return;
        }
    }
    undo_.push_back(std::move(step));
}

TextPos LargeText::replace(TextPos from, TextPos to, std::u16string_view text, bool typing) {
    from = clamp(from);
    to = clamp(to);
    if (to < from) std::swap(from, to);
    const std::u16string first = line(from.line);
    const std::u16string last = from.line == to.line ? first : line(to.line);
    const std::vector<std::u16string_view> parts = SplitLines(text);

    Step step;
    step.first = from.line;
    step.caretBefore = to;
    step.typing = typing && parts.size() == 1 && from == to;
    const auto& lines = store_.lines();
    step.before.assign(lines.begin() + static_cast<ptrdiff_t>(from.line),
                       lines.begin() + static_cast<ptrdiff_t>(to.line + 1));
    for (size_t i = 0; i < parts.size(); ++i) {
        std::u16string made = i == 0 ? first.substr(0, from.column) : std::u16string();
        made += parts[i];
        if (i + 1 == parts.size()) {
            step.caretAfter = {from.line + i, made.size()};
            made += last.substr(to.column);
        }
        step.after.push_back(addLine(made));
    }
    putLines(step.first, step.before.size(), step.after);
    const TextPos caret = step.caretAfter;
    record(std::move(step));
    return caret;
}

std::u16string LargeText::text(TextPos from, TextPos to) const {
    from = clamp(from);
    to = clamp(to);
    if (to < from) std::swap(from, to);
    std::u16string out;
    std::u16string current;
    for (size_t i = from.line; i <= to.line; ++i) {
        lineInto(i, current);
        const size_t begin = i == from.line ? from.column : 0;
        const size_t stop = i == to.line ? to.column : current.size();
        out.append(current, begin, stop - begin);
        if (i != to.line) out += u'\n';
    }
    return out;
}

std::optional<TextRange> LargeText::find(TextPos from, std::u16string_view pattern,
                                         const SearchOptions& options) const {
    from = clamp(from);
    std::u16string current;
    for (size_t i = from.line; i < lineCount(); ++i) {
        lineInto(i, current);
        const size_t column = i == from.line ? from.column : 0;
        if (const auto hit = FindText(current, column, pattern, options))
            return TextRange{{i, hit->start}, {i, hit->start + hit->length}};
    }
    return std::nullopt;
}

size_t LargeText::replaceAll(std::u16string_view pattern, std::u16string_view replacement,
                             const SearchOptions& options) {
    size_t count = 0;
    Step step;
    size_t last = 0;
    std::u16string current;
    std::u16string made;
    for (size_t i = 0; i < lineCount(); ++i) {
        lineInto(i, current);
        const std::vector<TextHit> hits = FindAllText(current, 0, pattern, options);
        if (hits.empty()) continue;
        made.clear();
        size_t copied = 0;
        for (const TextHit& hit : hits) {
            made.append(current, copied, hit.start - copied);
            made += replacement;
            copied = hit.start + hit.length;
        }
        made.append(current, copied);
        if (count == 0) {  // the lines from the first change on, changed as they come
            step.first = i;
            step.after.assign(store_.lines().begin() + static_cast<ptrdiff_t>(i),
                              store_.lines().end());
        }
        step.after[i - step.first] = addLine(made);
        count += hits.size();
        last = i;
    }
    if (count == 0) return 0;
    step.after.resize(last - step.first + 1);
    const auto& lines = store_.lines();
    step.before.assign(lines.begin() + static_cast<ptrdiff_t>(step.first),
                       lines.begin() + static_cast<ptrdiff_t>(last + 1));
    step.caretBefore = step.caretAfter = {last, 0};
    putLines(step.first, step.before.size(), step.after);
    record(std::move(step));
    return count;
}

std::optional<TextPos> LargeText::undo() {
    if (undo_.empty()) return std::nullopt;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    putLines(step.first, step.after.size(), step.before);
    const TextPos caret = step.caretBefore;
    redo_.push_back(std::move(step));
    return caret;
}

std::optional<TextPos> LargeText::redo() {
    if (redo_.empty()) return std::nullopt;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    putLines(step.first, step.before.size(), step.after);
    const TextPos caret = step.caretAfter;
    step.typing = false;  // a redone step takes no more typing
    undo_.push_back(std::move(step));
    return caret;
}

}  // namespace halvern
