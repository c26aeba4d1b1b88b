#include "inputfiles/StoppingCoefficients.h"

#include <cmath>

#include "NumberText.h"

namespace velkor {

namespace {

// Shared factor of both coefficients, 8 pi e^2/(4 pi eps0) a0 / v0 in SI units: the Lindhard
// prefactor over the Bohr velocity.
constexpr long double kLindhardFactor = 5.79837472887761e-27L * 5.29177e-11L / 2187691.555503663L;
constexpr long double kEvPerJoule = 6.241457005723417e18L;
constexpr long double kAvogadro = 6.02205e23L;

bool ConvertReal(const std::string& text, long double& value, halvern::MessageSink& sink) {
    if (halvern::ParseReal(text, value)) return true;
    sink.error("Numeric conversion error (" + text + ")");
    return false;
}

}  // namespace

long double LindhardK(long double za, long double zb) {
    return std::pow(za, 7.0L / 6.0L) * zb /
           std::pow(std::pow(za, 2.0L / 3.0L) + std::pow(zb, 2.0L / 3.0L), 1.5L);
}

long double LssCoefficient(long double z1, long double z2, long double m2, long double density) {
    const long double atomsPerCubicMetre = density * 1e6L * kAvogadro / m2;
    // J s/m^2 to eV fs/A^2.
    return LindhardK(z1, z2) * kLindhardFactor * atomsPerCubicMetre * 1e-10L * 1e5L * kEvPerJoule;
}

long double OrCoefficient(long double z1, long double z2, bool permute) {
    const long double k = permute ? (LindhardK(z2, z1) + LindhardK(z1, z2)) / 2 : LindhardK(z1, z2);
    // J m^2 to eV A^2.
    return k * kLindhardFactor * 1e20L * kEvPerJoule;
}

std::optional<std::string> Evaluate(const StoppingInput& input, halvern::MessageSink& sink) {
    int32_t z1 = 0;
    if (!halvern::ParseInt32(input.z1, z1)) {
        sink.error("Numeric conversion error (" + input.z1 + ")");
        return std::nullopt;
    }
    long double z2 = 0;
    if (!ConvertReal(input.z2, z2, sink)) return std::nullopt;
    long double k = 0;
    if (input.model == LossModel::Lss) {
        long double m2 = 0, density = 0;
        if (!ConvertReal(input.m2, m2, sink) || !ConvertReal(input.density, density, sink))
            return std::nullopt;
        if (!(m2 > 0)) {
            sink.error("Numeric conversion error (" + input.m2 + ")");
            return std::nullopt;
        }
        k = LssCoefficient(z1, z2, m2, density);
    } else {
        k = OrCoefficient(z1, z2, input.permute);
    }
    return halvern::FormatGeneral(k, 10);
}

}  // namespace velkor
