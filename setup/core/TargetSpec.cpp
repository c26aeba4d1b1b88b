#include "TargetSpec.h"

namespace velkor {

namespace {

// The file name, dimensions and origin every record starts from.
template <class Spec>
void SetFrameDefaults(Spec& spec, CountText& x, CountText& y, CountText& layers, const char* size,
                      const char* depth, const char* origin) {
    spec.FileName = "*.TRG";
    x = size;
    y = size;
    layers = depth;
    spec.XOrigin = spec.YOrigin = spec.ZOrigin = origin;
}

TTargetSpec CubicDefaults(const char* symbol, const char* a, const char* z, const char* mass) {
    TTargetSpec spec;
    SetFrameDefaults(spec, spec.XWidth, spec.YWidth, spec.Layers, "4", "6", "0.000");
    spec.Symbol = symbol;
    spec.LatticeConst = a;
    spec.AtomicNumber = z;
    spec.Mass = mass;
    return spec;
}

TTwoSpeciesTargetSpec TwoSpeciesDefaults(const char* symbol1, const char* mass1, const char* z1,
                                         const char* symbol2, const char* mass2, const char* z2,
                                         const char* a) {
    TTwoSpeciesTargetSpec spec;
    SetFrameDefaults(spec, spec.NX, spec.NY, spec.NZ, "5", "8", "0.0");
    spec.Symbol1 = symbol1;
    spec.Mass1 = mass1;
    spec.AtomicNumber1 = z1;
    spec.Symbol2 = symbol2;
    spec.Mass2 = mass2;
    spec.AtomicNumber2 = z2;
    spec.LatticeConst = a;
    return spec;
}

}  // namespace

TTargetSpec DefaultFccParams() {
    return CubicDefaults("Cu", "3.6147", "29", "63.546");
}
TTargetSpec DefaultBccParams() {
    return CubicDefaults("W ", "3.1650", "74", "183.85");
}
TTargetSpec DefaultDiamondParams() {
    return CubicDefaults("Si", "5.4305", "14", "28.0855");
}

THexTargetSpec DefaultHcpParams() {
    THexTargetSpec spec;
    SetFrameDefaults(spec, spec.XWidth, spec.YWidth, spec.Layers, "4", "8", "0.0");
    spec.Symbol = "Zr";
    spec.LatticeConstA1 = "3.312";
    spec.LatticeConstA3 = "5.1477";
    spec.AtomicNumber = "40";
    spec.Mass = "91.224";
    return spec;
}

TTwoSpeciesTargetSpec DefaultRockSaltParams() {
    return TwoSpeciesDefaults("Na", "22.98977", "11", "Cl", "35.453", "17", "5.6402");
}

TTwoSpeciesTargetSpec DefaultSphaleriteParams() {
    return TwoSpeciesDefaults("Ga", "69.72", "31", "As", "74.92", "33", "5.6534");
}

}  // namespace velkor
