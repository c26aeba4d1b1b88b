#include "inputfiles/ProjectileSpec.h"

#include "elements/ElementTable.h"

namespace velkor {

std::span<const ProjectilePreset> ProjectilePresets() {
    static constexpr ProjectilePreset kPresets[] = {
        {"Ar", "18", "39.948"}, {"He", "2", "4.00260"},  {"Ne", "10", "20.179"},
        {"H", "1", "1.0079"},   {"D", "1", "2.0141018"}, {"Kr", "36", "83.80"},
        {"Xe", "54", "131.29"},
    };
    return kPresets;
}

std::optional<ElementTexts> ElementOfSymbol(std::string_view symbol) {
    for (const ProjectilePreset& p : ProjectilePresets())
        if (symbol == p.Symbol) return ElementTexts{p.AtomicNumber, p.Mass};
    for (const CubicElement& e : CubicElementTable()) {
        std::string_view name = e.Symbol;
        if (name.ends_with(' ')) name.remove_suffix(1);  // "C ", "W "
        if (symbol == name) return ElementTexts{e.AtomicNumber, e.Mass};
    }
    return std::nullopt;
}

}  // namespace velkor
