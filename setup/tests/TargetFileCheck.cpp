#include "TargetFileCheck.h"

#include "FileSafety.h"
#include "NumberText.h"
#include "TextReader.h"

namespace velkor::test {

std::vector<std::string> CrLfLines(const std::string& path, std::vector<std::string>& problems) {
    std::string bytes;
    if (!halvern::ReadFileBytes(path, bytes)) problems.push_back("cannot read " + path);
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            problems.push_back(path + ": last line without CR LF");
            end = bytes.size();
        }
        lines.push_back(bytes.substr(start, end - start));
        if (lines.back().find('\n') != std::string::npos) problems.push_back(path + ": a bare LF");
        start = end + 2;
    }
    return lines;
}

TargetFile ReadTargetFile(const std::string& path) {
    TargetFile file;
    const std::vector<std::string> lines = CrLfLines(path, file.problems);
    file.lineCount = lines.size();
    std::string bytes;
    halvern::ReadFileBytes(path, bytes);
    halvern::TextReader reader(bytes);
    for (size_t k = 0; k < lines.size(); ++k) {
        const std::string lineNo = std::to_string(k + 1);
        TTargetAtom atom;
        atom.x = reader.readReal();
        atom.y = reader.readReal();
        atom.z = reader.readReal();
        atom.AtomicNumber = reader.readInt();
        atom.Mass = reader.readReal();
        atom.Flags = reader.readInt();
        const std::string rest = reader.readLine();  // the separator blank and the symbol
        atom.Symbol = rest.size() >= 2 ? rest.substr(rest.size() - 2) : rest;
        if (reader.failed() || atom.AtomicNumber < 1 || atom.AtomicNumber > 1000)
            file.problems.push_back("File format or parameter size error in .TRG file at line " +
                                    lineNo);
        // x:12:5 y:12:5 z:12:5 Z:4 mass:8:5 flags:3 and a two-letter name, one blank between.
        using halvern::FormatFixed, halvern::FormatInt;
        const std::string layout =
            FormatFixed(atom.x, 12, 5) + " " + FormatFixed(atom.y, 12, 5) + " " +
            FormatFixed(atom.z, 12, 5) + " " + FormatInt(atom.AtomicNumber, 4) + " " +
            FormatFixed(atom.Mass, 8, 5) + " " + FormatInt(atom.Flags, 3) + " " + atom.Symbol;
        if (lines[k] != layout || atom.Symbol.size() != 2 || atom.Symbol == "  ")
            file.problems.push_back("line " + lineNo + ": [" + lines[k] + "]");
        file.atoms.push_back(atom);
    }
    return file;
}

}  // namespace velkor::test
