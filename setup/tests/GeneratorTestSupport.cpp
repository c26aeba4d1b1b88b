#include "GeneratorTestSupport.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "NumberText.h"

namespace velkor::test {

namespace {

template <class Params>
void SetBox(Params& params, const LatticeBox& box) {
    params.XWidth = halvern::FormatInt(box.X);
    params.YWidth = halvern::FormatInt(box.Y);
    params.Layers = halvern::FormatInt(box.L);
}

TTargetSpec CubicDefaults(TargetRecord record) {
    switch (record) {
        case TargetRecord::Bcc:
            return DefaultBccParams();
        case TargetRecord::Diamond:
            return DefaultDiamondParams();
        default:
            return DefaultFccParams();
    }
}

long double Distance(const TTargetAtom& p, const TTargetAtom& q) {
    const long double dx = p.x - q.x, dy = p.y - q.y, dz = p.z - q.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

std::vector<size_t> InteriorAtoms(const TargetFile& file, long double nn) {
    long double lo[3] = {1e30L, 1e30L, 1e30L}, hi[3] = {-1e30L, -1e30L, -1e30L};
    for (const TTargetAtom& a : file.atoms) {
        const long double p[3] = {a.x, a.y, a.z};
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], p[k]);
            hi[k] = std::max(hi[k], p[k]);
        }
    }
    TTargetAtom centre;
    centre.x = (lo[0] + hi[0]) / 2;
    centre.y = (lo[1] + hi[1]) / 2;
    centre.z = (lo[2] + hi[2]) / 2;
    std::vector<size_t> interior;
    for (size_t k = 0; k < file.atoms.size(); ++k)
        if (Distance(file.atoms[k], centre) <= 1.2L * nn) interior.push_back(k);
    return interior;
}

}  // namespace

void CheckStructure(const TargetFile& file, long double nn, int coordination,
                    bool unlikeNeighbours) {
    // The shell is taken 5 % wide: hcp Zr has its in-plane neighbours 3 % farther out.
    const long double shell = 1.05L * nn;
    const double tolerance = 1e-4;
    long double closest = 1e30L;
    for (size_t p = 0; p < file.atoms.size(); ++p)
        for (size_t q = p + 1; q < file.atoms.size(); ++q)
            closest = std::min(closest, Distance(file.atoms[p], file.atoms[q]));
    EXPECT_GE(closest, 0.9L * nn);
    EXPECT_NEAR(static_cast<double>(closest), static_cast<double>(nn), tolerance);

    const std::vector<size_t> interior = InteriorAtoms(file, nn);
    ASSERT_GE(interior.size(), 2u);
    for (size_t p : interior) {
        int neighbours = 0;
        long double nearest = 1e30L;
        for (size_t q = 0; q < file.atoms.size(); ++q) {
            if (q == p) continue;
            const long double r = Distance(file.atoms[p], file.atoms[q]);
            nearest = std::min(nearest, r);
            if (r > shell) continue;
            ++neighbours;
            if (unlikeNeighbours) {
                EXPECT_NE(file.atoms[p].Symbol, file.atoms[q].Symbol);
            }
        }
        EXPECT_EQ(neighbours, coordination) << "atom " << p + 1;
        EXPECT_NEAR(static_cast<double>(nearest), static_cast<double>(nn), tolerance);
    }
}

const LatticeCommand& CommandNamed(std::string_view handler) {
    for (const LatticeCommand& c : LatticeCommands())
        if (c.captions.handler == handler) return c;
    throw std::invalid_argument("no lattice command " + std::string(handler));
}

bool Generate(const LatticeCommand& command, const LatticeBox& box, const std::string& path,
              halvern::MessageSink& sink) {
    switch (command.dialog) {
        case TargetDialog::Cubic: {
            TTargetSpec params = CubicDefaults(command.record);
            SetBox(params, box);
            params.FileName = path;
            return command.generateCubic(params, sink);
        }
        case TargetDialog::Hex: {
            THexTargetSpec params = DefaultHcpParams();
            SetBox(params, box);
            params.FileName = path;
            return command.generateHex(params, sink);
        }
        case TargetDialog::TwoSpecies: {
            TTwoSpeciesTargetSpec params = command.record == TargetRecord::RockSalt
                                               ? DefaultRockSaltParams()
                                               : DefaultSphaleriteParams();
            params.NX = halvern::FormatInt(box.X);
            params.NY = halvern::FormatInt(box.Y);
            params.NZ = halvern::FormatInt(box.L);
            params.FileName = path;
            return command.buildTwoSpecies(params, sink);
        }
    }
    return false;
}

TargetFile GenerateAndRead(const LatticeCommand& command, const LatticeBox& box,
                           const std::string& folder) {
    const std::string path = folder + "/" + std::string(command.captions.handler) + ".trg";
    halvern::RecordingSink sink;
    if (!Generate(command, box, path, sink)) {
        TargetFile failed;
        failed.problems.push_back("not written: " + path);
        return failed;
    }
    return ReadTargetFile(path);
}

}  // namespace velkor::test
