// The cubic dialog's table of elements: choosing a symbol fills Z, lattice constant and mass.
#pragma once

#include <span>
#include <string_view>

namespace velkor {

struct CubicElement {
    std::string_view Symbol;        // two characters ("C " and "W " carry a blank)
    std::string_view LatticeConst;  // Angstrom
    std::string_view AtomicNumber;
    std::string_view Mass;  // amu
};

std::span<const CubicElement> CubicElementTable();

}  // namespace velkor
