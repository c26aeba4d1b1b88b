#include "input/InelasticFile.h"

#include <algorithm>
#include <cmath>

#include "Colours.h"
#include "TextReader.h"
#include "input/InputChecks.h"

namespace halvern {

namespace {

// eV fs/A^2 to J s/m^2.
constexpr double kLssUnit = 1.602192e-14;
// eV A^2 to J m^2 in the loss formula, with the 1/(2 pi) of the Oen-Robinson form.
constexpr double kOrUnit = 1.602192e-39 * 0.15915494309189535;
constexpr double kJoulesPerEv = 1.602192e-19;
constexpr double kAngstrom = 1e-10;

// Rows past the end of the data read as zeros and are never kept, so a count larger than the
// file stops at its end instead of looping on.
bool RowsRemain(TextReader& in) {
    return !in.seekEof();
}

template <class Entry, class ReadRow>
void ReadTable(TextReader& in, std::vector<Entry>& table, ReadRow readRow) {
    table.clear();
    const int32_t count = in.readInt();
    in.skipLine();
    for (int32_t k = 0; k < count && RowsRemain(in); ++k) {
        Entry entry;
        if (readRow(entry)) table.push_back(entry);
        in.skipLine();
    }
}

// The reals of the file, each taken with the line it stands on: the first one that is not finite
// (or whose product with its scale is not) refuses the file.
class RealsOfFile {
  public:
    explicit RealsOfFile(TextReader& in) : in_(in) {}

    double read() { return finite(static_cast<double>(in_.readReal())); }
    // A value made from the line's reals.
    double finite(double value) {
        if (!std::isfinite(value) && badLine_ == 0) {
            badLine_ = in_.lineNumber();
            badValue_ = value;
        }
        return value;
    }
    // Logs the refusal; false when a value was not finite.
    bool check(const std::string& fileName, EngineHost& host) const {
        if (badLine_ == 0) return true;
        ReportBadValue(host, "Inelastic parameter", ValueText(badValue_), badLine_, fileName,
                       "must be a finite number");
        return false;
    }

  private:
    TextReader& in_;
    int badLine_ = 0;
    double badValue_ = 0;
};

void DisableModel(uint8_t& model, const char* text, EngineHost& host) {
    if (!model) return;
    LogLine(host, text, colour::Red);
    model = 0;
}

}  // namespace

bool ReadInelasticFile(const std::string& name, TInelasticParameters& params,
                       TSimulationOptions& options, EngineHost& host) {
    params = TInelasticParameters{};
    TextReader in;
    if (!in.open(name) || in.eof()) {
        host.sink().error("Inelastic file not found: " + name);
        return false;
    }

    in.skipLine();  // "// LSS data"
    RealsOfFile reals(in);
    ReadTable(in, params.lss, [&in, &reals](TLssEntry& e) {
        e.Z1 = in.readInt();
        const double K = reals.read();
        const double scale = reals.read();
        e.K = reals.finite(K * scale * kLssUnit);
        return e.Z1 > 0 && K != 0 && scale != 0;
    });
    params.lssThreshold = reals.read();
    in.skipLine();
    if (params.lss.empty())
        DisableModel(options.LssModel,
                     "  Warning: LSS option disabled (null parameters in INL file)", host);

    in.skipLine();  // "// Oen-Robinson data"
    ReadTable(in, params.oenRobinson, [&in, &reals](TOrEntry& e) {
        e.Z1Z2 = in.readInt();
        const double K = reals.read();
        const double scale = reals.read();
        e.K = reals.finite(K * scale * kOrUnit);
        return e.Z1Z2 > 0 && K != 0 && scale != 0;
    });
    const double apsis = reals.read() * kAngstrom;
    in.skipLine();
    params.gamma = reals.read();
    in.skipLine();
    if (apsis * apsis < params.OrEventRange) params.OrEventRange = apsis * apsis;
    if (params.oenRobinson.empty())
        DisableModel(options.OenRobinsonModel,
                     "  Warning: Oen-Rob. option disabled (null parameters in INL file)", host);

    in.skipLine();  // "// Shapiro-Tombrello data"
    ReadTable(in, params.shapiroTombrello, [&in, &reals](TStEntry& e) {
        e.Z1Z2 = in.readInt();
        e.Rcrit = reals.read() * kAngstrom;
        e.dE = reals.read() * kJoulesPerEv;
        e.Nmax = in.readInt();
        e.prob = reals.read();
        return e.Z1Z2 > 0 && e.Rcrit > 0 && e.dE > 0 && e.prob > 0 && e.Nmax > 0;
    });
    double rMax = 0;
    for (const TStEntry& e : params.shapiroTombrello) rMax = std::max(rMax, e.Rcrit);
    if (rMax * rMax < params.StEventRange) params.StEventRange = (rMax + 5e-11) * (rMax + 5e-11);
    if (params.shapiroTombrello.empty())
        DisableModel(options.ShapiroTombrelloModel,
                     "  Warning: ST inelastic option disabled (null parameters in INL file)", host);

    return reals.check(name, host) && !in.failed();
}

}  // namespace halvern
