// Geometry of the generated crystals checked from the files alone: nearest-neighbour distance
// and coordination of interior atoms, no overlapping atoms, unlike species as neighbours, and
// the stacking of the close-packed layers.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "GeneratorTestSupport.h"

namespace velkor {
namespace {

using test::TargetFile;

class LatticeStructure : public test::GeneratorTest {};

struct Expected {
    const char* command;
    long double nn;  // Angstrom, from the default record's lattice constants
    int coordination;
};

// Lattice constants of the default records.
constexpr long double kCu = 3.6147L, kW = 3.1650L, kSi = 5.4305L, kZrA1 = 3.312L, kZrA3 = 5.1477L,
                      kNaCl = 5.6402L, kGaAs = 5.6534L;

long double HcpNearest() {
    return std::min(kZrA1, std::sqrt(kZrA1 * kZrA1 / 3 + kZrA3 * kZrA3 / 4));
}

TEST_F(LatticeStructure, NearestNeighboursAndCoordination) {
    const Expected cases[] = {
        {"Fcc100Click", kCu / std::sqrt(2.0L), 12},
        {"Fcc110Click", kCu / std::sqrt(2.0L), 12},
        {"Fcc111Click", kCu / std::sqrt(2.0L), 12},
        {"Bcc100Click", kW * std::sqrt(3.0L) / 2, 8},
        {"Bcc110Click", kW * std::sqrt(3.0L) / 2, 8},
        {"Dia100Click", kSi * std::sqrt(3.0L) / 4, 4},
        {"Dia110Click", kSi * std::sqrt(3.0L) / 4, 4},
        {"Dia111Click", kSi * std::sqrt(3.0L) / 4, 4},
        {"Hex111Click", HcpNearest(), 12},
        {"N100Surface3Click", kNaCl / 2, 6},
        {"N100surface5Click", kGaAs * std::sqrt(3.0L) / 4, 4},
        {"N110surface4Click", kGaAs * std::sqrt(3.0L) / 4, 4},
    };
    ASSERT_EQ(std::size(cases), LatticeCommands().size());
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.command);
        const LatticeCommand& command = test::CommandNamed(c.command);
        // 7 x 7 sites and 12 layers: deep enough for every first shell of the centre atoms
        // (fcc (110) needs the layers two above and two below).
        const TargetFile file = generateAndRead(command, {3, 3, 12});
        ASSERT_TRUE(file.problems.empty()) << file.problems.front();
        test::CheckStructure(file, c.nn, c.coordination,
                             command.dialog == TargetDialog::TwoSpecies);
    }
}

// In-plane positions of each layer keyed to 1e-4 Angstrom, by depth from the top layer down.
using Layer = std::set<std::pair<long, long>>;
std::map<long, Layer, std::greater<>> Layers(const TargetFile& file) {
    std::map<long, Layer, std::greater<>> layers;
    for (const TTargetAtom& a : file.atoms)
        layers[std::lround(a.z * 1e4L)].insert({std::lround(a.x * 1e4L), std::lround(a.y * 1e4L)});
    return layers;
}

bool Disjoint(const Layer& a, const Layer& b) {
    return std::none_of(a.begin(), a.end(), [&](const auto& p) { return b.count(p) > 0; });
}

TEST_F(LatticeStructure, ClosePackedStacking) {
    struct Case {
        const char* command;
        size_t period;  // 3 for A B C, 2 for A B
        long double spacing;
    };
    const Case cases[] = {{"Fcc111Click", 3, kCu / std::sqrt(3.0L)}, {"Hex111Click", 2, kZrA3 / 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const auto byDepth = Layers(generateAndRead(c.command, {2, 2, 7}));
        ASSERT_EQ(byDepth.size(), 7u);
        std::vector<long> depths;
        std::vector<Layer> layers;
        for (const auto& [z, layer] : byDepth) {
            depths.push_back(z);
            layers.push_back(layer);
        }
        for (size_t k = 0; k + 1 < layers.size(); ++k) {
            EXPECT_NEAR((depths[k] - depths[k + 1]) * 1e-4, static_cast<double>(c.spacing), 2e-4);
            for (size_t j = k + 1; j < layers.size(); ++j) {
                if ((j - k) % c.period == 0)
                    EXPECT_EQ(layers[k], layers[j]) << "layers " << k << ", " << j;
                else
                    EXPECT_TRUE(Disjoint(layers[k], layers[j])) << "layers " << k << ", " << j;
            }
        }
    }
}

// Every diamond (111) partner lies a x 0.5773502692 / 4 below its FCC atom, straight beside it.
TEST_F(LatticeStructure, Diamond111PartnersLieBelowTheirAtoms) {
    const TargetFile file = generateAndRead("Dia111Click", {1, 1, 3});
    ASSERT_EQ(file.atoms.size(), 54u);
    for (size_t k = 0; k + 1 < file.atoms.size(); k += 2)
        EXPECT_NEAR(static_cast<double>(file.atoms[k].z - file.atoms[k + 1].z),
                    static_cast<double>(kSi * 0.5773502692L / 4), 2e-5);
}

}  // namespace
}  // namespace velkor
