#include "processes/ProcessReports.h"

#include <cmath>

#include "NumberText.h"

namespace halvern {

StatisticsSummary Summarise(long double sum, long double sumSq, int64_t count) {
    StatisticsSummary s;
    const long double c = static_cast<long double>(count);
    s.mean = sum / c;
    s.rms = std::sqrt(sumSq / c);
    long double radicand = (sumSq - sum * sum / c) / c;
    s.stdDev = radicand < 0 ? 0 : std::sqrt(radicand);
    return s;
}

std::string SpectrumLine(const TSpecItem& channel) {
    std::string line = FormatScientific(channel.value, 23);
    line += ' ';
    line += FormatScientific(channel.count, 23);
    line += kLineEnd;
    return line;
}

std::string CollateLine(const TRptItem& item, std::string_view expression, std::string_view tag) {
    StatisticsSummary s = Summarise(item.sum, item.sumSq, item.count);
    std::string line = "      " + FormatScientific(s.mean, 14);
    line += "          " + FormatScientific(s.rms, 14);
    line += "       " + FormatScientific(s.stdDev, 14);
    line += "  " + FormatInt(item.key) + ' ' + FormatInt(item.count) + ' ';
    line += expression;
    line += tag;
    line += kLineEnd;
    return line;
}

std::string AveragesHeading(std::string_view source) {
    std::string text = "-----";
    text += kLineEnd;
    text += "Averages from: ";
    text += source;
    text += kLineEnd;
    text += "-----";
    text += kLineEnd;
    return text;
}

std::string AveragesBlock(int function, std::string_view text, long double sum, long double sumSq,
                          int64_t count) {
    StatisticsSummary s = Summarise(sum, sumSq, count);
    std::string block = "Function " + FormatInt(function) + " (q) = ";
    block += text;
    block += kLineEnd;
    block += "<q> = " + FormatScientific(s.mean, 14);
    block += "  sqrt<q**2> = " + FormatScientific(s.rms, 14);
    block += "  StdDev(q) = " + FormatScientific(s.stdDev, 14);
    block += " Hits: " + FormatInt(count, 4);
    block += kLineEnd;
    block += kLineEnd;
    return block;
}

}  // namespace halvern
