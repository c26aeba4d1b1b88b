// A record field that holds a text of at most N characters, as typed in a dialog. The width
// lives in the type, so the dialog that binds a control to the field takes it from here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ShortString.h"

namespace velkor {

template <size_t N>
class ShortText {
  public:
    static constexpr size_t kWidth = N;

    ShortText() = default;
    ShortText(std::string_view text) : text_(halvern::CutTo(text, N)) {}  // NOLINT: implicit
    ShortText(const char* text) : ShortText(std::string_view(text)) {}    // NOLINT: implicit

    // Takes the text cut to the field's width.
    ShortText& operator=(std::string_view text) {
        text_ = halvern::CutTo(text, N);
        return *this;
    }
    ShortText& operator=(const char* text) { return *this = std::string_view(text); }
    ShortText& operator=(const std::string& text) { return *this = std::string_view(text); }

    const std::string& str() const { return text_; }
    operator std::string_view() const { return text_; }  // NOLINT: implicit
    bool operator==(const ShortText&) const = default;

  private:
    std::string text_;
};

}  // namespace velkor
