// A run state for the engine's fuzz targets: a recording host, fixed random seed, a batch run
// (no questions), and the example project's texts for the files a target does not fuzz.
#pragma once

#include <string>

#include "host/EngineGlobals.h"
#include "host/EngineHost.h"
#include "run/RunState.h"

namespace halvern::fuzz {

struct FuzzRun {
    FuzzRun() {
        globals.RandomSeed = 12345u;
        rs.host = &host;
        rs.globals = &globals;
        rs.options = globals.Options;
        rs.batch = true;
    }
    FuzzRun(const FuzzRun&) = delete;
    FuzzRun& operator=(const FuzzRun&) = delete;

    RecordingHost host;
    EngineGlobals globals;
    TRunState rs;
};

// The example project (examples/cu100.*), cut to a small crystallite.
inline const char* const kProjectileText = "     1.000   18 39.94800   0 Ar\r\n";
inline const char* const kModelText =
    "0\r\n1.0\r\n1\r\n0.890869\r\n0\r\n0.480\r\n1.405\r\n2.628\r\n1.5\r\n2.1\r\n0\r\n63.546\r\n"
    "343\r\n192\r\n292\r\n0.00\r\n0.00\r\n3.0\r\n0.00605 0.01885 0.00827\r\n300.0\r\n0\r\n";
inline const char* const kRunText =
    "1\r\n001\r\n0\r\n90.00\r\n0.00\r\n07.0e-17\r\n10\r\n300.0   10.0\r\n3.7\r\n50\r\n"
    "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10]\r\n";
inline const char* const kImpactText =
    "0.00000000 0.00000000 3.00000000 0.000000 2.555980 0.000000 2.555980 90.000000 0 3 3 "
    "3.000000\r\n0.85199333 0.85199333 3.00000000\r\n";
inline const char* const kInelasticText =
    "// LSS data\r\n1   // number of LSS items\r\n0 0.0 0.0\r\n0.0   // threshold in m/s\r\n"
    "// Oen-Robinson data\r\n1   // number of O-R items\r\n0 0.0 0.0\r\n1.5   // max. apsis in "
    "A\r\n"
    "0.3   // gamma\r\n// Shapiro-Tombrello data\r\n1   // number of S-T items\r\n"
    "0 0.0 0.0 10 0.0\r\n";
// Thirteen copper atoms of the fcc(100) surface: the top layer's centre and its neighbours.
inline const char* const kTargetText =
    "     0.00000      0.00000      0.00000   29 63.54600   0 Cu\r\n"
    "     2.55598      0.00000      0.00000   29 63.54600   0 Cu\r\n"
    "    -2.55598      0.00000      0.00000   29 63.54600   0 Cu\r\n"
    "     0.00000      2.55598      0.00000   29 63.54600   0 Cu\r\n"
    "     0.00000     -2.55598      0.00000   29 63.54600   0 Cu\r\n"
    "     1.27799      1.27799     -1.80750   29 63.54600   0 Cu\r\n"
    "    -1.27799      1.27799     -1.80750   29 63.54600   0 Cu\r\n"
    "     1.27799     -1.27799     -1.80750   29 63.54600   0 Cu\r\n"
    "    -1.27799     -1.27799     -1.80750   29 63.54600   0 Cu\r\n"
    "     0.00000      0.00000     -3.61500   29 63.54600   0 Cu\r\n"
    "     2.55598      0.00000     -3.61500   29 63.54600   0 Cu\r\n"
    "     0.00000      2.55598     -3.61500   29 63.54600   0 Cu\r\n"
    "     2.55598      2.55598      0.00000   29 63.54600   0 Cu\r\n";

}  // namespace halvern::fuzz
