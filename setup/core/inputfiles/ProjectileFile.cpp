#include "inputfiles/ProjectileFile.h"

#include <cstdlib>

#include "NumberText.h"
#include "inputfiles/InputFileIO.h"
#include "text/TextConversions.h"

namespace velkor {

std::string ProjectileFileText(const TProjectileSpec& spec, halvern::MessageSink& sink) {
    const long double mass = TextToReal(sink, spec.Mass);
    const long double energy = TextToReal(sink, spec.Energy);
    const int32_t z = TextToInt(sink, spec.AtomicNumber);
    std::string symbol = spec.Symbol.str();
    if (symbol.size() < 2) symbol.insert(0, 2 - symbol.size(), ' ');
    return halvern::FormatFixed(energy, 10, 3) + " " + halvern::FormatInt(z, 4) + " " +
           halvern::FormatFixed(mass, 8, 5) + " " + halvern::FormatInt(spec.Flags, 3) + " " +
           symbol + "\r\n";
}

bool WriteProjectileFile(const TProjectileSpec& spec, const std::string& path,
                         halvern::MessageSink& sink) {
    return WriteInputFile(path, ProjectileFileText(spec, sink), sink,
                          "Error writing output to disk.");
}

bool LoadPrjFile(const std::string& path, TProjectileSpec& spec) {
    LoaderInput in;
    if (!in.open(path)) return false;
    const long double energy = in.realValue();
    const int32_t z = in.intValue();
    const long double mass = in.realValue();
    const int32_t flags = in.intValue();
    // The engine reads the symbol only behind one blank.
    if (in.nextChar() != ' ') in.refuse();
    const std::string symbol = in.chars(2);
    in.endLine();

    const std::optional<std::string> energyText =
        FitFixedText(energy, 2, 3, decltype(spec.Energy)::kWidth);
    const std::optional<std::string> massText =
        FitFixedText(mass, 4, 5, decltype(spec.Mass)::kWidth);
    const std::string zText = std::to_string(std::llabs(z));
    if (!in.ok() || !energyText || !massText || zText.size() > decltype(spec.AtomicNumber)::kWidth)
        return false;
    spec.Energy = *energyText;
    spec.Mass = *massText;
    spec.AtomicNumber = zText;
    spec.Symbol = symbol;
    spec.Flags = static_cast<uint8_t>(flags & 0xFF);
    return true;
}

}  // namespace velkor
