#include "neighbours/NeighbourReport.h"

#include <cmath>

#include "FileSafety.h"
#include "NumberText.h"
#include "ShellSort.h"
#include "SingleReal.h"
#include "TextReader.h"
#include "miscutil.h"
#include "text/FilledLines.h"

namespace velkor {

namespace {

constexpr const char* kIndexErrorText = "Cannot find specified index in data file.";
constexpr const char* kInputErrorText = "Error reading input file.";

std::string ReadErrorText(NeighbourCommand command, const std::string& name) {
    return command == NeighbourCommand::Distances ? "Error reading " + name + "." : kInputErrorText;
}

bool FindFile(const std::string& name, halvern::MessageSink& sink) {
    if (!halvern::HasWildcards(name) && halvern::FileExists(name)) return true;
    sink.error("File not found: " + name);
    return false;
}

struct AtomLine {
    int32_t number;
    float x, y, z;
};

// The atom lines of a target file, numbered by line; false on a line that is not blank and does
// not begin with three numbers that a single holds.
bool ReadAtomLines(const std::string& bytes, std::vector<AtomLine>& atoms) {
    FilledLines lines(bytes);
    halvern::TextReader line;
    while (lines.next(line)) {
        long double x = 0, y = 0, z = 0;
        if (!ReadLineReal(line, x) || !ReadLineReal(line, y) || !ReadLineReal(line, z) ||
            !halvern::FitsSingle(x) || !halvern::FitsSingle(y) || !halvern::FitsSingle(z))
            return false;
        atoms.push_back({lines.lineNumber(), static_cast<float>(x), static_cast<float>(y),
                         static_cast<float>(z)});
    }
    return true;
}

std::string CentreText(const TNeighbourList& list) {
    return " (" + halvern::FormatFixed(list.cx, 1, 5) + "," + halvern::FormatFixed(list.cy, 1, 5) +
           "," + halvern::FormatFixed(list.cz, 1, 5) + ")";
}

std::string FileLine(const TNeighbourList& list) {
    return "in file " + list.targetName + " (range <= " + halvern::ShortestRealText(list.range) +
           " Angstrom).";
}

}  // namespace

bool ListNeighbours(const std::string& targetName, int32_t k, float range, NeighbourCommand command,
                    TNeighbourList& list, halvern::MessageSink& sink) {
    if (!FindFile(targetName, sink)) return false;
    std::string bytes;
    std::vector<AtomLine> atoms;
    if (!halvern::ReadFileBytes(targetName, bytes) || !ReadAtomLines(bytes, atoms)) {
        sink.error(ReadErrorText(command, targetName));
        return false;
    }
    const AtomLine* centre = nullptr;
    for (const AtomLine& a : atoms)
        if (a.number == k) centre = &a;
    if (centre == nullptr) {
        sink.error(kIndexErrorText);
        return false;
    }

    TNeighbourList out;
    out.targetName = targetName;
    out.k = k;
    out.cx = centre->x;
    out.cy = centre->y;
    out.cz = centre->z;
    out.range = range;
    out.distance.reserve(atoms.size());
    out.atom.reserve(atoms.size());
    for (const AtomLine& a : atoms) {
        const double dx = a.x - out.cx, dy = a.y - out.cy, dz = a.z - out.cz;
        out.distance.push_back(halvern::ToSingle(std::sqrt(dx * dx + dy * dy + dz * dz)));
        out.atom.push_back(a.number);
    }
    halvern::ShellSortIndex(static_cast<int32_t>(out.distance.size()), out.atom.data(),
                            out.distance.data());
    list = std::move(out);
    return true;
}

bool ReadMorseParameters(const std::string& modelName, TMorseParams& morse,
                         halvern::MessageSink& sink) {
    if (!FindFile(modelName, sink)) return false;
    halvern::TextReader reader;
    bool ok = reader.open(modelName);
    for (int line = 1; line <= 5; ++line) reader.skipLine();
    long double values[3] = {};
    for (int i = 0; ok && i < 3; ++i) {
        halvern::TextReader line(reader.readLine());
        ok = ReadLineReal(line, values[i]) && halvern::FitsSingle(values[i]);
    }
    if (!ok) {
        sink.error(kInputErrorText);
        return false;
    }
    morse = {static_cast<float>(values[0]), static_cast<float>(values[1]),
             static_cast<float>(values[2])};
    return true;
}

float MorsePotential(const TMorseParams& morse, float r) {
    const double e = std::exp(-morse.alpha * (r - morse.r0));
    return halvern::ToSingle(morse.D * (e * e - 2.0 * e));
}

std::vector<std::string> NeighbourDistanceReport(const TNeighbourList& list) {
    std::vector<std::string> lines = {
        "Listing of neighbour distances (r) for atom #" + std::to_string(list.k) + CentreText(list),
        FileLine(list), "", "r (A)   atom #"};
    for (size_t i = 0; i < list.distance.size() && list.distance[i] <= list.range; ++i)
        lines.push_back(halvern::FormatFixed(list.distance[i], 4, 4) + "  " +
                        std::to_string(list.atom[i]));
    return lines;
}

std::vector<std::string> NeighbourPotentialReport(const TNeighbourList& list,
                                                  const TMorseParams& morse) {
    std::vector<std::string> lines = {"Listing of neighbour Morse potentials V(r)/2 for atom #" +
                                          std::to_string(list.k) + CentreText(list),
                                      FileLine(list), "", "r (A)   V/2 (eV)  atom #"};
    double sum = 0;
    for (size_t i = 0; i < list.distance.size() && list.distance[i] <= list.range; ++i) {
        if (list.atom[i] == list.k) continue;
        const float half = MorsePotential(morse, list.distance[i]) / 2;
        sum += half;
        lines.push_back(halvern::FormatFixed(list.distance[i], 4, 4) + "  " +
                        halvern::FormatFixed(half, 4, 4) + "   " + std::to_string(list.atom[i]));
    }
    lines.push_back("Total potential (V/2): " + halvern::FormatFixed(sum, 4, 4) + " eV");
    return lines;
}

}  // namespace velkor
