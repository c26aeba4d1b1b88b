// The inelastic dialog's compute page: the coefficient K of the LSS or the Oen-Robinson loss
// for a fast atom Z1 in stopping atoms Z2, from the Lindhard formula.
#pragma once

#include <optional>
#include <string>

#include "MessageSink.h"

namespace velkor {

enum class LossModel { Lss, OenRobinson };

// Za^(7/6) Zb / (Za^(2/3) + Zb^(2/3))^(3/2).
long double LindhardK(long double za, long double zb);
// eV fs/A^2, for stopping atoms of atomic weight m2 and density (g/cm3).
long double LssCoefficient(long double z1, long double z2, long double m2, long double density);
// eV A^2; `permute` averages k(Z1, Z2) and k(Z2, Z1).
long double OrCoefficient(long double z1, long double z2, bool permute);

// The compute page's texts.
struct StoppingInput {
    std::string z1, z2, m2, density;
    LossModel model = LossModel::Lss;
    bool permute = false;
};

// K in general format with 10 significant digits. A text that does not convert (or an atomic
// weight not above 0, which the LSS density would divide by) gives its conversion message and
// no result. M2 and the density are read only for the LSS model.
std::optional<std::string> Evaluate(const StoppingInput& input, halvern::MessageSink& sink);

}  // namespace velkor
