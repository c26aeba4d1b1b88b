#include "input/InelasticFile.h"

#include <algorithm>

#include "Colours.h"
#include "TextReader.h"
#include "run/RunState.h"

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
    ReadTable(in, params.lss, [&in](TLssEntry& e) {
        e.Z1 = in.readInt();
        const double K = static_cast<double>(in.readReal());
        const double scale = static_cast<double>(in.readReal());
        e.K = K * scale * kLssUnit;
        return e.Z1 > 0 && K != 0 && scale != 0;
    });
    params.lssThreshold = static_cast<double>(in.readReal());
    in.skipLine();
    if (params.lss.empty())
        DisableModel(options.LssModel,
                     "  Warning: LSS option disabled (null parameters in INL file)", host);

    in.skipLine();  // "// Oen-Robinson data"
    ReadTable(in, params.oenRobinson, [&in](TOrEntry& e) {
        e.Z1Z2 = in.readInt();
        const double K = static_cast<double>(in.readReal());
        const double scale = static_cast<double>(in.readReal());
        e.K = K * scale * kOrUnit;
        return e.Z1Z2 > 0 && K != 0 && scale != 0;
    });
    const double apsis = static_cast<double>(in.readReal()) * kAngstrom;
    in.skipLine();
    params.gamma = static_cast<double>(in.readReal());
    in.skipLine();
    if (apsis * apsis < params.OrEventRange) params.OrEventRange = apsis * apsis;
    if (params.oenRobinson.empty())
        DisableModel(options.OenRobinsonModel,
                     "  Warning: Oen-Rob. option disabled (null parameters in INL file)", host);

    in.skipLine();  // "// Shapiro-Tombrello data"
    ReadTable(in, params.shapiroTombrello, [&in](TStEntry& e) {
        e.Z1Z2 = in.readInt();
        e.Rcrit = static_cast<double>(in.readReal()) * kAngstrom;
        e.dE = static_cast<double>(in.readReal()) * kJoulesPerEv;
        e.Nmax = in.readInt();
        e.prob = static_cast<double>(in.readReal());
        return e.Z1Z2 > 0 && e.Rcrit > 0 && e.dE > 0 && e.prob > 0 && e.Nmax > 0;
    });
    double rMax = 0;
    for (const TStEntry& e : params.shapiroTombrello) rMax = std::max(rMax, e.Rcrit);
    if (rMax * rMax < params.StEventRange) params.StEventRange = (rMax + 5e-11) * (rMax + 5e-11);
    if (params.shapiroTombrello.empty())
        DisableModel(options.ShapiroTombrelloModel,
                     "  Warning: ST inelastic option disabled (null parameters in INL file)", host);

    return !in.failed();
}

bool ReadInelasticFile(const std::string& name, TRunState& rs) {
    const TSimulationOptions before = rs.options;
    const bool ok = ReadInelasticFile(name, rs.inelastic.params, rs.options, *rs.host);
    for (uint8_t TSimulationOptions::*model :
         {&TSimulationOptions::LssModel, &TSimulationOptions::OenRobinsonModel,
          &TSimulationOptions::ShapiroTombrelloModel})
        if (before.*model && !(rs.options.*model)) WriteBackOption(rs, model, 0);
    return ok;
}

}  // namespace halvern
