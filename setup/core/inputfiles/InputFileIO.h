// What the writers and loaders of the five input files share: the checked write through a
// temporary file, and the loaders' reading, in which the end of the data is a read error
// wherever the layout still expects something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "MessageSink.h"
#include "TextReader.h"
#include "text/ShortText.h"
#include "text/TextConversions.h"

namespace velkor {

// The help page of the notices about files of older versions.
inline constexpr int kVersionNoticeHelp = 5000;

// Writes the whole text through a temporary file renamed onto `path`, so a failed write
// leaves an existing file as it was; `failureText` is shown when it fails.
bool WriteInputFile(const std::string& path, std::string_view text, halvern::MessageSink& sink,
                    const std::string& failureText);

// The information box with OK and Help that names an older file version.
void ShowVersionNotice(halvern::MessageSink& sink, const std::string& text);

class LoaderInput {
  public:
    bool open(const std::string& path);

    int32_t intValue();
    long double realValue();
    // A value that must stand on the current line.
    int32_t intOnLine();
    long double realOnLine();
    // The rest of the line without its line end, which is consumed.
    std::string line();
    // Up to n characters of the current line.
    std::string chars(size_t n) { return in_.readString(n); }
    char nextChar();
    void endLine() { in_.skipLine(); }

    // Blanks and tabs skipped, the line ends here.
    bool lineEndsHere() { return in_.seekEoln(); }
    // Nothing remains of the file: an empty last line still counts as a line.
    bool fileEndsHere() const { return in_.eof(); }

    // A value that the record cannot hold: the load fails like on a bad number.
    void refuse() { refused_ = true; }
    bool ok() const { return !refused_ && !in_.failed(); }

  private:
    bool missing();  // at the end of the data where something must follow

    halvern::TextReader in_;
    bool refused_ = false;
};

// A number text of a file for a field of `width` characters: the text itself when it fits, a
// real fitted by precision when it does not; none when the text is no number or cannot fit.
std::optional<std::string> FieldNumberText(std::string_view text, size_t width,
                                           bool integer = false);

// Leading and trailing blanks and tabs dropped.
std::string_view TrimBlanks(std::string_view text);

// A number read from a file into a text field, fitted by precision; one that no field of N
// characters can hold fails the load.
template <size_t N>
void SetFittedReal(LoaderInput& in, ShortText<N>& field, long double value) {
    if (const std::optional<std::string> text = FitRealText(value, N))
        field = *text;
    else
        in.refuse();
}

}  // namespace velkor
