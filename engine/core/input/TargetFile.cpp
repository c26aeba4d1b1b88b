#include "input/TargetFile.h"

#include <bit>
#include <cmath>
#include <functional>
#include <optional>
#include <unordered_map>

#include "FileSafety.h"
#include "TextReader.h"
#include "Units.h"
#include "input/InputChecks.h"

namespace halvern {

namespace {

struct TTargetLine {
    double x = 0, y = 0, z = 0;  // Angstrom
    int32_t Z = 0;
    double mass = 0;  // amu
    uint8_t flags = 0;
};

// The values of one line; the rest of the line is left to the caller.
TTargetLine ReadTargetValues(TextReader& r) {
    TTargetLine t;
    t.x = static_cast<double>(r.readReal());
    t.y = static_cast<double>(r.readReal());
    t.z = static_cast<double>(r.readReal());
    t.Z = r.readInt();
    t.mass = static_cast<double>(r.readReal());
    t.flags = static_cast<uint8_t>(r.readInt() & 0xFF);
    return t;
}

bool AtomicNumberInRange(int32_t Z) {
    return limits::AtomicNumber.holds(Z);
}

std::string FormatErrorText(int32_t line) {
    return "File format error in .TRG file at line " + std::to_string(line) + " - aborting.";
}

std::string ParameterErrorText(int32_t line) {
    return "File format or parameter size error in .TRG file at line " + std::to_string(line) +
           " - aborting.";
}

void ReportBadAtom(EngineHost& host, const std::string& fileName, int32_t line,
                   const std::string& what, const std::string& value, const std::string& rule) {
    host.sink().error(ParameterErrorText(line));
    LogLine(host, "  " + BadValueText(what, value, line, FileNameOf(fileName), rule), colour::Red);
}

// The first value of the line that a run cannot use: an atomic number outside the element
// table, a mass that would make energies NaN or overflow them, a position outside any target.
bool CheckAtomValues(EngineHost& host, const std::string& fileName, int32_t line,
                     const TTargetLine& t) {
    if (!AtomicNumberInRange(t.Z)) {
        ReportBadAtom(host, fileName, line, "Atomic number", ValueText(t.Z),
                      LimitRule(limits::AtomicNumber));
        return false;
    }
    if (!limits::AtomMass.holds(t.mass)) {
        ReportBadAtom(host, fileName, line, "Atom mass", ValueText(t.mass),
                      LimitRule(limits::AtomMass, " amu"));
        return false;
    }
    for (const auto& [axis, value] : {std::pair{"x", t.x}, {"y", t.y}, {"z", t.z}}) {
        if (!limits::Coordinate.holds(value)) {
            ReportBadAtom(host, fileName, line, std::string("Atom ") + axis, ValueText(value),
                          LimitRule(limits::Coordinate, " A"));
            return false;
        }
    }
    return true;
}

// Positions as read, to find two atoms at one place in O(N).
class AtomPlaces {
  public:
    explicit AtomPlaces(int32_t N) { lines_.reserve(static_cast<size_t>(N)); }

    // The line of an earlier atom at the same place, or none (and this one is kept).
    std::optional<int32_t> add(const TTargetLine& t, int32_t line) {
        const auto [where, isNew] = lines_.try_emplace(KeyOf(t), line);
        if (isNew) return std::nullopt;
        return where->second;
    }

  private:
    struct Key {
        uint64_t x, y, z;
        bool operator==(const Key&) const = default;
    };
    struct Hash {
        size_t operator()(const Key& k) const {
            uint64_t h = k.x * 0x9E3779B97F4A7C15ull;
            h = (h ^ (h >> 29) ^ k.y) * 0xBF58476D1CE4E5B9ull;
            h = (h ^ (h >> 32) ^ k.z) * 0x94D049BB133111EBull;
            return static_cast<size_t>(h ^ (h >> 31));
        }
    };
    // Adding 0 turns -0 into +0, so that both count as one place.
    static Key KeyOf(const TTargetLine& t) {
        return {std::bit_cast<uint64_t>(t.x + 0.0), std::bit_cast<uint64_t>(t.y + 0.0),
                std::bit_cast<uint64_t>(t.z + 0.0)};
    }

    std::unordered_map<Key, int32_t, Hash> lines_;
};

// Two atoms at one place would meet at distance 0, where every pair force divides by zero.
void ReportSamePlace(EngineHost& host, const std::string& fileName, int32_t line, int32_t firstLine,
                     const TTargetLine& t) {
    const std::string lines =
        "Atoms at lines " + std::to_string(firstLine) + " and " + std::to_string(line) + " of ";
    const std::string where = " are at the same place (x = " + ValueText(t.x) +
                              ", y = " + ValueText(t.y) + ", z = " + ValueText(t.z) + " A)";
    host.sink().error(lines + fileName + where + " - aborting.");
    LogLine(host, "  " + lines + FileNameOf(fileName) + where, colour::Red);
}

// Refuses, after its messages, an atom whose values a run cannot use or that lies where an
// earlier atom lies.
bool CheckAtom(EngineHost& host, const std::string& fileName, int32_t line, const TTargetLine& t,
               AtomPlaces& places) {
    if (!CheckAtomValues(host, fileName, line, t)) return false;
    if (const auto first = places.add(t, line)) {
        ReportSamePlace(host, fileName, line, *first, t);
        return false;
    }
    return true;
}

}  // namespace

int32_t CountTargetLines(const std::string& fileName, MessageSink& sink) {
    TextReader reader;
    if (!reader.open(fileName)) {
        sink.error(OpenFailureText("Cannot open Target file:\r" + fileName, fileName));
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

bool CheckTargetAtoms(const std::string& fileName, int32_t N, EngineHost& host) {
    TextReader r;
    if (!r.open(fileName)) return true;
    AtomPlaces places(N);
    for (int32_t i = 1; i <= N && !r.failed(); ++i) {
        const TTargetLine t = ReadTargetValues(r);
        r.skipLine();
        if (r.failed()) break;
        if (!CheckAtom(host, fileName, i, t, places)) return false;
    }
    return true;
}

bool ReadTargetAtoms(const std::string& targetFile, int32_t N, TParticleArrays& p, EngineHost& host,
                     const std::function<bool(int32_t)>& atomRead) {
    TextReader r;
    if (!r.open(targetFile)) {
        host.sink().error(FormatErrorText(1));
        return false;
    }
    AtomPlaces places(N);
    for (int32_t i = 1; i <= N; ++i) {
        const TTargetLine t = ReadTargetValues(r);
        if (i == 1) {
            LogLine(host, "  Target :" + r.readLine(), colour::Black);
            if (r.failed()) {
                host.sink().error(FormatErrorText(1));
                return false;
            }
        } else {
            r.skipLine();
        }
        if (r.failed()) {
            host.sink().error(ParameterErrorText(i));
            return false;
        }
        if (!CheckAtom(host, targetFile, i, t, places)) return false;

        p.x[i] = p.siteX[i] = t.x * units::Angstrom;
        p.y[i] = p.siteY[i] = t.y * units::Angstrom;
        p.z[i] = p.siteZ[i] = t.z * units::Angstrom;
        p.Z[i] = t.Z;
        p.mass[i] = t.mass;
        p.flags[i] = p.initialFlags[i] = t.flags;
        if (!atomRead(i)) return false;
        p.mass[i] = p.mass[i] * units::Amu;
    }
    return true;
}

}  // namespace halvern
