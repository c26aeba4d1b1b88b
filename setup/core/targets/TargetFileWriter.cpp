#include "targets/TargetFileWriter.h"

#include "NumberText.h"

namespace velkor {

namespace {

void AppendCoordinate(std::string& line, long double value) {
    line += halvern::FormatFixed(value, 12, 5);
}

}  // namespace

SpeciesColumns::SpeciesColumns(int32_t atomicNumber, long double mass, int flags,
                               std::string_view symbol) {
    text_ = " " + halvern::FormatInt(atomicNumber, 4) + " " + halvern::FormatFixed(mass, 8, 5) +
            " " + halvern::FormatInt(flags, 3) + " ";
    if (symbol.size() < 2) text_.append(2 - symbol.size(), ' ');
    text_ += symbol;
    text_ += "\r\n";
}

std::string AtomLine(long double x, long double y, long double z, const SpeciesColumns& species) {
    std::string line;
    line.reserve(64);
    AppendCoordinate(line, x);
    line += ' ';
    AppendCoordinate(line, y);
    line += ' ';
    AppendCoordinate(line, z);
    line += species.text();
    return line;
}

bool TargetFileWriter::open(const std::string& path) {
    return file_.open(path);
}

void TargetFileWriter::atom(long double x, long double y, long double z,
                            const SpeciesColumns& species) {
    if (file_.ok()) file_.write(AtomLine(x, y, z, species));
}

bool TargetFileWriter::finish() {
    return file_.finish();
}

}  // namespace velkor
