#include "grapher/ColumnFile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "FileSafety.h"
#include "NumberText.h"
#include "ShortString.h"
#include "TextLines.h"

namespace halvern {

namespace {

constexpr char kCtrlZ = 26;

// The numbers of a column file, taken free-format across its lines as the runtime reads reals:
// blanks, tabs and line ends before a number are skipped, a number ends at a character of code
// 32 or less, and a Ctrl-Z ends the data.
class ColumnTokens {
  public:
    explicit ColumnTokens(TextLines& lines) : lines_(lines) {}

    // Skips to the next number; false at the end of the data.
    bool seekData() {
        for (;;) {
            while (!rest_.empty() && IsBlank(rest_.front())) rest_.remove_prefix(1);
            if (!rest_.empty()) return true;
            if (ended_ || !lines_.next(rest_)) {
                ended_ = true;
                return false;
            }
            EndAtCtrlZ(rest_);
        }
    }
    // The next number's text; empty past the end of the data.
    std::string_view next() {
        if (!seekData()) return {};
        size_t stop = 0;
        while (stop < rest_.size() && !IsSeparator(rest_[stop])) ++stop;
        const std::string_view token = rest_.substr(0, stop);
        rest_.remove_prefix(stop);
        return token;
    }
    // Drops the rest of the current line.
    void skipLine() { rest_ = {}; }

  private:
    static bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= 32; }
    static bool IsBlank(char c) { return IsSeparator(c) && c != kCtrlZ; }
    // A Ctrl-Z cuts the line and is the last thing read.
    void EndAtCtrlZ(std::string_view& line) {
        const size_t at = line.find(kCtrlZ);
        if (at == std::string_view::npos) return;
        line = line.substr(0, at);
        ended_ = true;
    }

    TextLines& lines_;
    std::string_view rest_;
    bool ended_ = false;
};

// Counts the data lines; false once there are more than the limit allows.
bool CountDataLines(ColumnTokens& tokens, int32_t& count) {
    count = 0;
    while (tokens.seekData()) {
        if (count > kMaxDataLines) return false;
        ++count;
        tokens.skipLine();
    }
    return true;
}

// One number of a 32-bit real column; anything else reads 0 and marks the error. Past the end of
// the data a number reads 0 without an error.
float ReadValue(ColumnTokens& tokens, bool& error) {
    const std::string_view token = tokens.next();
    if (token.empty()) return 0;
    long double value = 0;
    if (!ParseRealToken(token, value) || !(std::fabs(value) <= FLT_MAX)) {
        error = true;
        return 0;
    }
    return static_cast<float>(value);
}

// The last of `n` numbers read in turn.
float ReadNth(ColumnTokens& tokens, int32_t n, float last, bool& error) {
    for (int32_t i = 0; i < n; ++i) last = ReadValue(tokens, error);
    return last;
}

DataPoint ReadPoint(ColumnTokens& tokens, int32_t xColumn, int32_t yColumn, int32_t lineNumber,
                    bool& error) {
    DataPoint p;
    if (xColumn == 0) {
        p.y = ReadNth(tokens, yColumn, 0, error);
        p.x = static_cast<float>(lineNumber);
    } else {
        const int32_t lo = std::min(xColumn, yColumn);
        const int32_t hi = std::max(xColumn, yColumn);
        const float first = ReadNth(tokens, lo, 0, error);
        const float second = ReadNth(tokens, hi - lo, first, error);
        p.x = xColumn <= yColumn ? first : second;
        p.y = xColumn <= yColumn ? second : first;
    }
    tokens.skipLine();
    return p;
}

// Both passes over the lines that `open` gives afresh each time.
template <class Open>
ColumnData ReadColumns(Open&& open, int32_t xColumn, int32_t yColumn, size_t blockBytes) {
    ColumnData data;
    if (!DataColumnsValid(xColumn, yColumn)) return data;
    int32_t count = 0;
    {
        TextLines lines(blockBytes);
        ColumnTokens tokens(lines);
        data.failed = !open(lines);
        const bool counted = !data.failed && CountDataLines(tokens, count);
        data.failed |= lines.failed();
        if (data.failed) return data;
        if (!counted) {
            data.tooManyLines = true;
            return data;
        }
    }
    TextLines lines(blockBytes);
    ColumnTokens tokens(lines);
    data.failed = !open(lines);
    data.points.reserve(static_cast<size_t>(count));
    for (int32_t line = 1; line <= count && !data.failed && tokens.seekData(); ++line)
        data.points.push_back(ReadPoint(tokens, xColumn, yColumn, line, data.readError));
    data.failed |= lines.failed();
    return data;
}

std::string ReadErrorText(const std::string& fileName) {
    return "Error reading file: " + fileName + ".";
}

}  // namespace

ColumnData ReadColumnData(std::string_view text, int32_t xColumn, int32_t yColumn) {
    return ReadColumns(
        [&](TextLines& lines) {
            lines.assign(text);
            return true;
        },
        xColumn, yColumn, 0);
}

ColumnData ReadColumnFile(const std::string& path, int32_t xColumn, int32_t yColumn,
                          size_t blockBytes) {
    return ReadColumns([&](TextLines& lines) { return lines.open(path); }, xColumn, yColumn,
                       blockBytes);
}

bool LoadCache(DataCache& cache, int32_t xColumn, int32_t yColumn, MessageSink& sink) {
    FreeCache(cache);
    if (!DataColumnsValid(xColumn, yColumn)) {
        sink.error("Data columns out of range (x: 0 to " + std::to_string(kMaxXColumn) +
                   ", y: 1 to " + std::to_string(kMaxYColumn) + ").");
        return false;
    }
    // Only a regular file: a device or a pipe could be read for ever.
    if (!FileExists(cache.fileName)) {
        sink.error(OpenFailureText(ReadErrorText(cache.fileName), cache.fileName));
        return false;
    }
    ColumnData data = ReadColumnFile(cache.fileName, xColumn, yColumn);
    if (data.tooManyLines) {
        sink.error(kTooManyDataText);
        return false;
    }
    cache.points = std::move(data.points);
    cache.countText = CutTo(std::to_string(cache.points.size()), 6);
    const bool complete = !data.readError && !data.failed;
    if (!complete) sink.error(ReadErrorText(cache.fileName));
    return complete;
}

}  // namespace halvern
