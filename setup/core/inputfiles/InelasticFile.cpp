#include "inputfiles/InelasticFile.h"

#include "NumberText.h"
#include "inputfiles/InputFileIO.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

constexpr const char* kLineEnd = "\r\n";

// The file's ST columns in table order: Z1*Z2, Rcrit, dE, Nmax, prob. are table columns
// 1, 2, 3, 5, 4.
constexpr size_t kStFileColumns[] = {0, 1, 2, 4, 3};

void AppendTable(std::string& text, const InelasticTable& table, const char* countComment) {
    text += std::to_string(table.rows.size()) + countComment + kLineEnd;
    const bool st = table.kind == InelasticTableKind::ShapiroTombrello;
    const size_t columns = LayoutOf(table.kind).headings.size();
    for (const std::vector<std::string>& row : table.rows) {
        for (size_t c = 0; c < columns; ++c) {
            if (c > 0) text += ' ';
            if (const size_t cell = st ? kStFileColumns[c] : c; cell < row.size())
                text += row[cell];
        }
        text += kLineEnd;
    }
}

void AppendValue(std::string& text, std::string_view value, const char* comment) {
    text += std::string(value) + comment + kLineEnd;
}

std::string RealCell(long double value) {
    return halvern::ShortestRealText(value);
}

// One value on its own line; the rest of the line (its comment) is dropped.
long double ValueLine(LoaderInput& in) {
    const long double value = in.realValue();
    in.endLine();
    return value;
}

void ReadTable(LoaderInput& in, InelasticTable& table) {
    in.line();  // the table's title comment
    const int32_t count = in.intValue();
    in.endLine();
    if (count < 0 || count > kMaxLoadedRows) {
        in.refuse();
        return;
    }
    const bool st = table.kind == InelasticTableKind::ShapiroTombrello;
    table.rows.clear();
    for (int32_t r = 0; r < count && in.ok(); ++r) {
        std::vector<std::string> row{std::to_string(in.intValue())};
        row.push_back(RealCell(in.realValue()));
        row.push_back(RealCell(in.realValue()));
        if (st) {
            const int32_t nmax = in.intValue();
            row.push_back(RealCell(in.realValue()));  // prob.
            row.push_back(std::to_string(nmax));
        }
        in.endLine();
        table.rows.push_back(std::move(row));
    }
    if (table.rows.empty()) table.rows.push_back(LayoutOf(table.kind).firstRow);
}

}  // namespace

std::string InelasticFileText(const TInelasticSpec& spec) {
    std::string text = std::string("// LSS data") + kLineEnd;
    AppendTable(text, spec.Lss, "   // number of LSS items");
    AppendValue(text, spec.Threshold, "   // threshold in m/s");
    text += std::string("// Oen-Robinson data") + kLineEnd;
    AppendTable(text, spec.OenRobinson, "   // number of O-R items");
    AppendValue(text, spec.MaxApsis, "   // max. apsis in A");
    AppendValue(text, spec.Gamma, "   // gamma");
    text += std::string("// Shapiro-Tombrello data") + kLineEnd;
    AppendTable(text, spec.ShapiroTombrello, "   // number of S-T items");
    return text;
}

bool WriteInelasticFile(const TInelasticSpec& spec, const std::string& path,
                        halvern::MessageSink& sink) {
    return WriteInputFile(path, InelasticFileText(spec), sink, "Error writing output to disk.");
}

bool LoadInlFile(const std::string& path, TInelasticSpec& spec) {
    TInelasticSpec read = spec;
    LoaderInput in;
    if (in.open(path)) {
        ReadTable(in, read.Lss);
        SetFittedReal(in, read.Threshold, ValueLine(in));
        ReadTable(in, read.OenRobinson);
        SetFittedReal(in, read.MaxApsis, ValueLine(in));
        SetFittedReal(in, read.Gamma, ValueLine(in));
        ReadTable(in, read.ShapiroTombrello);
    }
    if (!in.ok()) return false;
    spec = std::move(read);
    return true;
}

}  // namespace velkor
