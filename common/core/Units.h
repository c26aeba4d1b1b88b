// Unit conversions at the engine's files; the engine computes in SI (m, s, kg, J).
#pragma once

namespace halvern::units {

constexpr double Angstrom = 1e-10;           // m
constexpr double Amu = 1.66053e-27;          // kg
constexpr double ElectronVolt = 1.602192e-19;  // J
constexpr double EvPerJoule = 6.241449214576031e18;
constexpr double Boltzmann = 1.38066e-23;    // J/K
constexpr double Femtosecond = 1e-15;        // s

}  // namespace halvern::units
