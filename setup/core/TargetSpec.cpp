#include "TargetSpec.h"

namespace velkor {

namespace {

TTargetSpec CubicDefaults(const char* symbol, const char* a, const char* z, const char* mass) {
    TTargetSpec spec;
    spec.FileName = "*.TRG";
    spec.Symbol = symbol;
    spec.LatticeConst = a;
    spec.AtomicNumber = z;
    spec.Mass = mass;
    spec.XWidth = "4";
    spec.YWidth = "4";
    spec.Layers = "6";
    spec.XOrigin = spec.YOrigin = spec.ZOrigin = "0.000";
    return spec;
}

TTwoSpeciesTargetSpec TwoSpeciesDefaults(const char* symbol1, const char* mass1, const char* z1,
                                         const char* symbol2, const char* mass2, const char* z2,
                                         const char* a) {
    TTwoSpeciesTargetSpec spec;
    spec.FileName = "*.TRG";
    spec.Symbol1 = symbol1;
    spec.Mass1 = mass1;
    spec.AtomicNumber1 = z1;
    spec.Symbol2 = symbol2;
    spec.Mass2 = mass2;
    spec.AtomicNumber2 = z2;
    spec.LatticeConst = a;
    spec.NX = "5";
    spec.NY = "5";
    spec.NZ = "8";
    spec.XOrigin = spec.YOrigin = spec.ZOrigin = "0.0";
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
    spec.FileName = "*.TRG";
    spec.Symbol = "Zr";
    spec.LatticeConstA1 = "3.312";
    spec.LatticeConstA3 = "5.1477";
    spec.AtomicNumber = "40";
    spec.Mass = "91.224";
    spec.XWidth = "4";
    spec.YWidth = "4";
    spec.Layers = "8";
    spec.XOrigin = spec.YOrigin = spec.ZOrigin = "0.0";
    return spec;
}

TTwoSpeciesTargetSpec DefaultRockSaltParams() {
    return TwoSpeciesDefaults("Na", "22.98977", "11", "Cl", "35.453", "17", "5.6402");
}

TTwoSpeciesTargetSpec DefaultSphaleriteParams() {
    return TwoSpeciesDefaults("Ga", "69.72", "31", "As", "74.92", "33", "5.6534");
}

}  // namespace velkor
