// The text the record processes write: number fields, spectrum channels, collate lines and
// averages blocks. Every line ends in CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "collection/Collection.h"

namespace halvern {

inline constexpr std::string_view kLineEnd = "\r\n";

// Mean, root mean square and standard deviation of `count` values; the deviation is 0 when
// rounding makes its radicand negative.
struct StatisticsSummary {
    long double mean = 0;
    long double rms = 0;
    long double stdDev = 0;
};
StatisticsSummary Summarise(long double sum, long double sumSq, int64_t count);

// One channel: value and count, each scientific in 23 characters.
std::string SpectrumLine(const TSpecItem& channel);

// One key's statistics, ending in the expression as typed followed by "/atom" or "/run".
std::string CollateLine(const TRptItem& item, std::string_view expression, std::string_view tag);

// The three heading lines of an averages report.
std::string AveragesHeading(std::string_view source);
// The block of one averaged function: its line, the statistics line and an empty line.
std::string AveragesBlock(int function, std::string_view text, long double sum, long double sumSq,
                          int64_t count);

}  // namespace halvern
