#include "TargetFile.h"

#include <bit>
#include <unordered_map>

#include "ImpactSetUp.h"
#include "InputChecks.h"
#include "RunState.h"
#include "TextReader.h"
#include "Units.h"

namespace halvern {

namespace {

std::string FormatErrorText(int32_t line) {
    return "File format error in .TRG file at line " + std::to_string(line) + " - aborting.";
}

std::string ParameterErrorText(int32_t line) {
    return "File format or parameter size error in .TRG file at line " + std::to_string(line) +
           " - aborting.";
}

// A position as read, for finding two atoms at one place in O(N).
struct PositionKey {
    uint64_t x, y, z;
    bool operator==(const PositionKey&) const = default;
};

struct PositionHash {
    size_t operator()(const PositionKey& k) const {
        uint64_t h = k.x * 0x9E3779B97F4A7C15ull;
        h = (h ^ (h >> 29) ^ k.y) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 32) ^ k.z) * 0x94D049BB133111EBull;
        return static_cast<size_t>(h ^ (h >> 31));
    }
};

PositionKey KeyOf(double x, double y, double z) {
    // Adding 0 turns -0 into +0, so that both count as one place.
    return {std::bit_cast<uint64_t>(x + 0.0), std::bit_cast<uint64_t>(y + 0.0),
            std::bit_cast<uint64_t>(z + 0.0)};
}

std::string SamePlaceText(const std::string& fileName, int32_t line, int32_t firstLine, double x,
                          double y, double z) {
    return "Atom at line " + std::to_string(line) + " of " + fileName +
           " is at the same place as the atom at line " + std::to_string(firstLine) +
           " (x = " + ValueText(x) + ", y = " + ValueText(y) + ", z = " + ValueText(z) +
           " A) - aborting.";
}

}  // namespace

int32_t CountTargetLines(const std::string& fileName, MessageSink& sink) {
    TextReader reader;
    if (!reader.open(fileName)) {
        sink.error("Cannot open Target file:\r" + fileName);
        return 0;
    }
    int32_t lines = 0;
    while (!reader.eof()) {
        reader.skipLine();
        if (++lines > kMaxTargetAtoms) {
            sink.error("Too many lines in .TRG file - ignoring excess.");
            return kMaxTargetAtoms;
        }
    }
    return lines;
}

bool ReadTargetFile(const std::string& targetFile, const std::string& modelFile, int32_t N,
                    TRunState& rs) {
    MessageSink& sink = rs.host->sink();
    TParticleArrays& p = rs.particles;
    SeedRandomFromClock(rs.random, rs.globals->RandomSeed);
    TextReader r;
    if (!r.open(targetFile)) {
        sink.error(FormatErrorText(1));
        return false;
    }
    std::unordered_map<PositionKey, int32_t, PositionHash> places;
    places.reserve(static_cast<size_t>(N));
    for (int32_t i = 1; i <= N; ++i) {
        const double x = static_cast<double>(r.readReal());
        const double y = static_cast<double>(r.readReal());
        const double z = static_cast<double>(r.readReal());
        const int32_t Z = r.readInt();
        const double mass = static_cast<double>(r.readReal());
        const uint8_t flags = static_cast<uint8_t>(r.readInt() & 0xFF);
        if (i == 1) {
            Log(rs, "  Target :" + r.readLine(), colour::Black);
            if (r.failed()) {
                sink.error(FormatErrorText(1));
                return false;
            }
        } else {
            r.skipLine();
        }
        if (r.failed() || Z < 1 || Z > kMaxAtomicNumber) {
            sink.error(ParameterErrorText(i));
            if (!r.failed())
                Log(rs,
                    "  " + BadValueText("Atomic number", ValueText(Z), i, FileNameOf(targetFile),
                                        "must lie in 1..1000"),
                    colour::Red);
            return false;
        }
        // Two atoms at one place would meet at distance 0, where every force divides by zero.
        const auto [where, isNew] = places.try_emplace(KeyOf(x, y, z), i);
        if (!isNew) {
            sink.error(SamePlaceText(targetFile, i, where->second, x, y, z));
            return false;
        }

        p.x[i] = p.siteX[i] = x * units::Angstrom;
        p.y[i] = p.siteY[i] = y * units::Angstrom;
        p.z[i] = p.siteZ[i] = z * units::Angstrom;
        p.Z[i] = Z;
        p.mass[i] = mass;
        p.flags[i] = p.initialFlags[i] = flags;
        if (i == 1) {
            PlaceProjectile(rs);
            if (!ReadModelFile(modelFile, rs)) return false;
        }
        if (rs.model.VibrationFlag == 0) ApplyThermalDisplacements(i, rs);
        p.mass[i] = p.mass[i] * units::Amu;
    }
    return true;
}

}  // namespace halvern
