#include "targets/TargetSpec.h"

namespace velkor {

namespace {

// The file name, dimensions and origin every record starts from.
template <class Params>
void SetFrameDefaults(Params& params, CountText& x, CountText& y, CountText& layers,
                      const char* size, const char* depth, const char* origin) {
    params.FileName = "*.TRG";
    x = size;
    y = size;
    layers = depth;
    params.XOrigin = params.YOrigin = params.ZOrigin = origin;
}

TTargetSpec CubicDefaults(const char* symbol, const char* a, const char* z, const char* mass) {
    TTargetSpec params;
    SetFrameDefaults(params, params.XWidth, params.YWidth, params.Layers, "4", "6", "0.000");
    params.Symbol = symbol;
    params.LatticeConst = a;
    params.AtomicNumber = z;
    params.Mass = mass;
    return params;
}

TTwoSpeciesTargetSpec TwoSpeciesDefaults(const char* symbol1, const char* mass1, const char* z1,
                                         const char* symbol2, const char* mass2, const char* z2,
                                         const char* a) {
    TTwoSpeciesTargetSpec params;
    SetFrameDefaults(params, params.NX, params.NY, params.NZ, "5", "8", "0.0");
    params.Symbol1 = symbol1;
    params.Mass1 = mass1;
    params.AtomicNumber1 = z1;
    params.Symbol2 = symbol2;
    params.Mass2 = mass2;
    params.AtomicNumber2 = z2;
    params.LatticeConst = a;
    return params;
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
    THexTargetSpec params;
    SetFrameDefaults(params, params.XWidth, params.YWidth, params.Layers, "4", "8", "0.0");
    params.Symbol = "Zr";
    params.LatticeConstA1 = "3.312";
    params.LatticeConstA3 = "5.1477";
    params.AtomicNumber = "40";
    params.Mass = "91.224";
    return params;
}

TTwoSpeciesTargetSpec DefaultRockSaltParams() {
    return TwoSpeciesDefaults("Na", "22.98977", "11", "Cl", "35.453", "17", "5.6402");
}

TTwoSpeciesTargetSpec DefaultSphaleriteParams() {
    return TwoSpeciesDefaults("Ga", "69.72", "31", "As", "74.92", "33", "5.6534");
}

}  // namespace velkor
