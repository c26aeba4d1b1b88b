#include "ExpressionHistory.h"

#include <algorithm>
#include <cctype>

namespace brisal {

namespace {

// Compares as a sorted list box does: letters without case, then byte by byte.
int CompareNoCase(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::toupper(static_cast<unsigned char>(a[i]));
        const int cb = std::toupper(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int HistoryInsertIndex(const std::vector<std::string>& items, const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return -1;
    int index = 0;
    for (const std::string& item : items) {
        const int order = CompareNoCase(item, text);
        if (order == 0) return -1;
        if (order > 0) break;
        ++index;
    }
    return index;
}

}  // namespace brisal
