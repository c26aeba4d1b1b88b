// Writer of target files: one atom a line, x:12:5 y:12:5 z:12:5 Z:4 mass:8:5 flags:3 symbol:2,
// CR LF, through a temporary file that replaces the target only when every write succeeded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/LineFileWriter.h"

namespace velkor {

// The columns that follow the coordinates; the same for every atom of one species, so they are
// formatted once.
class SpeciesColumns {
  public:
    SpeciesColumns(int32_t atomicNumber, long double mass, int flags, std::string_view symbol);
    const std::string& text() const { return text_; }

  private:
    std::string text_;  // " Z mass flags symbol" and the line end
};

std::string AtomLine(long double x, long double y, long double z, const SpeciesColumns& species);

class TargetFileWriter {
  public:
    TargetFileWriter() = default;
    TargetFileWriter(const TargetFileWriter&) = delete;
    TargetFileWriter& operator=(const TargetFileWriter&) = delete;

    bool open(const std::string& path);
    void atom(long double x, long double y, long double z, const SpeciesColumns& species);
    // Writes what is left and puts the file in place; false when creating or any write failed.
    bool finish();
    std::string failureText(const std::string& ownText) const { return file_.failureText(ownText); }

  private:
    LineFileWriter file_;
};

}  // namespace velkor
