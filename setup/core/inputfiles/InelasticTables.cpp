#include "inputfiles/InelasticTables.h"

#include <algorithm>

#include "NumberText.h"

namespace velkor {

namespace {

bool IsInt(const std::string& text) {
    int32_t value = 0;
    return halvern::ParseInt32(text, value);
}

bool IsReal(const std::string& text) {
    long double value = 0;
    return halvern::ParseReal(text, value);
}

bool CellConverts(const InelasticTableLayout& layout, const std::vector<std::string>& row,
                  size_t column) {
    const std::string& cell = column < row.size() ? row[column] : std::string();
    return layout.integerColumn[column] ? IsInt(cell) : IsReal(cell);
}

// CheckInlRow: an integer and two reals in the given columns (counted from 1).
bool RowConverts(const InelasticTableLayout& layout, const std::vector<std::string>& row,
                 size_t first, size_t second, size_t third) {
    return CellConverts(layout, row, first - 1) && CellConverts(layout, row, second - 1) &&
           CellConverts(layout, row, third - 1);
}

std::string FormatErrorText(const char* name, size_t row) {
    return std::string("Numeric format error in ") + name + " parameters, row " +
           std::to_string(row) + ".";
}

}  // namespace

const InelasticTableLayout& LayoutOf(InelasticTableKind kind) {
    static const InelasticTableLayout kLss{"LSS",
                                           {"Z1", "K(LSS)", "scale"},
                                           "atom ",
                                           {"0", "0.0", "0.0"},
                                           {"0", "0.0", "0.0"},
                                           {true, false, false}};
    static const InelasticTableLayout kOr{
        "Oen-Robinson",      {"Z1*Z2", "K(OR)", "scale"}, "pair ",
        {"0", "0.0", "0.0"}, {"0", "0.0", "0.0"},         {true, false, false}};
    static const InelasticTableLayout kSt{"Shapiro-Tombrello",
                                          {"Z1*Z2", "Rcrit", "dE", "prob.", "Nmax"},
                                          "pair ",
                                          {"0", "0.0", "0.0", "0.0", "10"},
                                          {"0", "0.0", "0.0", "0.0", "0"},
                                          {true, false, false, false, true}};
    switch (kind) {
        case InelasticTableKind::Lss:
            return kLss;
        case InelasticTableKind::OenRobinson:
            return kOr;
        case InelasticTableKind::ShapiroTombrello:
            break;
    }
    return kSt;
}

InelasticTable NewInelasticTable(InelasticTableKind kind) {
    return {kind, {LayoutOf(kind).firstRow}};
}

TInelasticSpec::TInelasticSpec()
    : Lss(NewInelasticTable(InelasticTableKind::Lss)),
      OenRobinson(NewInelasticTable(InelasticTableKind::OenRobinson)),
      ShapiroTombrello(NewInelasticTable(InelasticTableKind::ShapiroTombrello)) {}

std::string RowHeading(InelasticTableKind kind, size_t row) {
    return LayoutOf(kind).rowPrefix + std::to_string(row);
}

bool AddRow(InelasticTable& table) {
    table.rows.push_back(LayoutOf(table.kind).addedRow);
    return table.rows.size() < kRowsByAdd;
}

bool ClearRow(InelasticTable& table, size_t row) {
    if (table.rows.size() > 1)
        table.rows.erase(table.rows.begin() +
                         static_cast<std::ptrdiff_t>(std::min(row, table.rows.size() - 1)));
    return ClearEnabled(table);
}

void SanitiseTable(InelasticTable& table) {
    const InelasticTableLayout& layout = LayoutOf(table.kind);
    const size_t columns = layout.headings.size();
    for (std::vector<std::string>& row : table.rows) {
        row.resize(columns);
        for (size_t c = 0; c < columns; ++c)
            if (!CellConverts(layout, row, c)) row[c] = layout.integerColumn[c] ? "0" : "0.0";
    }
}

std::vector<std::string> CheckInelasticTables(const TInelasticSpec& spec) {
    std::vector<std::string> messages;
    for (const InelasticTable* table : {&spec.Lss, &spec.OenRobinson}) {
        const InelasticTableLayout& layout = LayoutOf(table->kind);
        for (size_t r = 0; r < table->rows.size(); ++r)
            if (!RowConverts(layout, table->rows[r], 1, 2, 3))
                messages.push_back(FormatErrorText(layout.name, r + 1));
    }
    const InelasticTableLayout& st = LayoutOf(InelasticTableKind::ShapiroTombrello);
    for (size_t r = 0; r < spec.ShapiroTombrello.rows.size(); ++r) {
        const std::vector<std::string>& row = spec.ShapiroTombrello.rows[r];
        if (!RowConverts(st, row, 1, 2, 3)) messages.push_back(FormatErrorText(st.name, r + 1));
        if (!RowConverts(st, row, 1, 4, 3)) messages.push_back(FormatErrorText(st.name, r + 1));
        if (!CellConverts(st, row, 4))
            messages.push_back("Numeric format error in ST parameter \"max. quanta\", row #" +
                               std::to_string(r + 1));
    }
    return messages;
}

}  // namespace velkor
