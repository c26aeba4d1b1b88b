#include "targets/Version21Converter.h"

#include <vector>

#include "FileSafety.h"
#include "targets/TargetAtomLine.h"
#include "targets/TargetFileWriter.h"
#include "text/FilledLines.h"

namespace velkor {

namespace {

constexpr const char* kDiskError = "Error reading or writing disk data.";

// Every line is checked before the output is opened, so a refused file writes nothing.
bool AnyLineHasFlags(const std::string& bytes) {
    FilledLines lines(bytes);
    halvern::TextReader line;
    while (lines.next(line))
        if (HasFlagsColumn(line)) return true;
    return false;
}

// The atoms of every line; false at the first line that is no version 2.1 atom.
bool ReadVersion21Atoms(std::string bytes, std::vector<TTargetAtom>& atoms) {
    FilledLines lines(std::move(bytes));
    halvern::TextReader line;
    TTargetAtom atom;
    while (lines.next(line)) {
        if (!ReadVersion21Atom(line, atom)) return false;
        atoms.push_back(atom);
    }
    return true;
}

}  // namespace

std::string Version21OutputName(const std::string& input) {
    const size_t nameStart = input.size() - halvern::FileNameOf(input).size();
    const size_t stemEnd = input.size() - halvern::FileExt(input).size();
    if (stemEnd <= nameStart) return {};
    std::string output = input;
    output[stemEnd - 1] = '~';
    return output;
}

bool ConvertVersion21File(const std::string& input, halvern::MessageSink& sink) {
    const std::string output = Version21OutputName(input);
    if (output.empty()) {
        sink.error("Cannot name the converted file of " + input + ".");
        return false;
    }
    if (halvern::SameFile(input, output)) {
        sink.error("Source and destination files must be different");
        return false;
    }
    std::string bytes;
    if (!halvern::ReadFileBytes(input, bytes)) {
        sink.error(halvern::OpenFailureText(kDiskError, input));
        return false;
    }

    if (AnyLineHasFlags(bytes)) {
        sink.error("File seems to have the current format already:\r" + input +
                   "\rIts flags column would be taken for the symbol; it was not converted.");
        return false;
    }
    std::vector<TTargetAtom> atoms;
    if (!ReadVersion21Atoms(std::move(bytes), atoms)) {
        sink.error(kDiskError);
        return false;
    }
    // An empty target is of no use to the engine, and would replace a file of that name.
    if (atoms.empty()) {
        sink.error("No atoms in " + input + ": nothing converted");
        return false;
    }
    // Two inputs that differ only in the stem's last character share one output name.
    if (halvern::FileExists(output) && !sink.askYesNo(output + " already exists - overwrite?"))
        return false;
    TargetFileWriter writer;
    if (!writer.open(output)) {
        sink.error(writer.failureText(kDiskError));
        return false;
    }
    for (const TTargetAtom& atom : atoms)
        writer.atom(atom.x, atom.y, atom.z,
                    SpeciesColumns(atom.AtomicNumber, atom.Mass, atom.Flags, atom.Symbol));
    if (!writer.finish()) {
        sink.error(writer.failureText(kDiskError));
        return false;
    }
    sink.info("Converted file saved as: " + output);
    return true;
}

}  // namespace velkor
