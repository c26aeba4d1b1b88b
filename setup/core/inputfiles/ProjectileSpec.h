// The projectile record of the set-up program: element, energy, atomic number, mass and flag
// byte as typed, with the element presets of the symbol list.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "text/FieldSpec.h"
#include "text/ShortText.h"

namespace velkor {

struct TProjectileSpec {
    ShortText<2> Symbol = "Ar";
    ShortText<7> Energy = "1.0";  // keV
    ShortText<2> AtomicNumber = "18";
    ShortText<10> Mass = "39.948";  // amu
    uint8_t Flags = 0;

    bool operator==(const TProjectileSpec&) const = default;
};

// The dialog's edits, within what the engine accepts.
inline constexpr IntFieldSpec kProjectileZField = EngineField(
    halvern::limits::AtomicNumber, 1, 99, decltype(TProjectileSpec::AtomicNumber)::kWidth, "18");
inline constexpr RealFieldSpec kProjectileMassField = EngineField(
    halvern::limits::AtomMass, 0.0001L, 1000.0L, decltype(TProjectileSpec::Mass)::kWidth, "39.948");
inline constexpr RealFieldSpec kProjectileEnergyField =
    EngineField(halvern::limits::ProjectileEnergy, 0.0L, 1000.0L,
                decltype(TProjectileSpec::Energy)::kWidth, "1.0");

// One entry of the symbol list: choosing it sets the atomic number and the mass.
struct ProjectilePreset {
    const char* Symbol;
    const char* AtomicNumber;
    const char* Mass;
};

std::span<const ProjectilePreset> ProjectilePresets();

// The atomic number and mass texts of a symbol that names an element: a preset's, else those of
// the lattice dialogs' element table; none for any other text.
struct ElementTexts {
    std::string_view AtomicNumber;
    std::string_view Mass;
};
std::optional<ElementTexts> ElementOfSymbol(std::string_view symbol);

}  // namespace velkor
