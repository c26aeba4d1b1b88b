// The inelastic-loss record of the set-up program: the LSS, Oen-Robinson and Shapiro-Tombrello
// tables as typed, the three single values, and what the dialog does to the tables.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "text/ShortText.h"

namespace velkor {

enum class InelasticTableKind { Lss, OenRobinson, ShapiroTombrello };

// The Add buttons stop at this many data rows; a loaded file may hold more.
inline constexpr size_t kRowsByAdd = 10;
// The largest row count a loaded file may give.
inline constexpr int kMaxLoadedRows = 1000;

// Data rows of cells (column 1 first), as typed.
using InelasticRows = std::vector<std::vector<std::string>>;

struct InelasticTable {
    InelasticTableKind kind;
    InelasticRows rows;

    bool operator==(const InelasticTable&) const = default;
};

struct TInelasticSpec {
    InelasticTable Lss;
    ShortText<10> Threshold = "0.0";  // m/s
    InelasticTable OenRobinson;
    ShortText<10> MaxApsis = "1.5";  // Angstrom
    ShortText<10> Gamma = "0.3";
    InelasticTable ShapiroTombrello;

    TInelasticSpec();
    bool operator==(const TInelasticSpec&) const = default;
};

// How a table looks and what its cells hold.
struct InelasticTableLayout {
    const char* name;  // in the check messages
    std::vector<std::string> headings;
    const char* rowPrefix;              // row headings: prefix + row number
    std::vector<std::string> firstRow;  // the row a new table starts with
    std::vector<std::string> addedRow;  // the cells of an added row
    std::vector<bool> integerColumn;
};

const InelasticTableLayout& LayoutOf(InelasticTableKind kind);
InelasticTable NewInelasticTable(InelasticTableKind kind);

// "atom 3", "pair 3" (rows counted from 1).
std::string RowHeading(InelasticTableKind kind, size_t row);

// Appends a row of the added-row cells; true while Add may stay enabled (fewer than 10 rows).
bool AddRow(InelasticTable& table);
// Removes a data row (counted from 0; an index past the end removes the last row); a table of
// one row keeps it. True while Clear may stay enabled (more than one row).
bool ClearRow(InelasticTable& table, size_t row);
inline bool ClearEnabled(const InelasticTable& table) {
    return table.rows.size() > 1;
}

// Every cell that does not convert becomes "0" (integer columns) or "0.0".
void SanitiseTable(InelasticTable& table);

// The close check: one message per failing check, in table order; none when all rows convert.
std::vector<std::string> CheckInelasticTables(const TInelasticSpec& spec);

}  // namespace velkor
