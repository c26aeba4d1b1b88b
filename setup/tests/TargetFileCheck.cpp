#include "TargetFileCheck.h"

#include <unistd.h>

#include <filesystem>

#include "FileSafety.h"
#include "TextReader.h"

namespace velkor::test {

namespace {

// A number right-aligned in `width` (longer only when it fills the field), with `decimals`
// decimals; advances `pos` past it.
bool NumberField(const std::string& line, size_t& pos, size_t width, int decimals) {
    size_t blanks = 0;
    while (pos + blanks < line.size() && line[pos + blanks] == ' ') ++blanks;
    size_t end = pos + blanks;
    while (end < line.size() && line[end] != ' ') ++end;
    const std::string number = line.substr(pos + blanks, end - pos - blanks);
    const size_t length = end - pos;
    pos = end;
    if (number.empty() || length < width || (blanks > 0 && length != width)) return false;
    const size_t point = number.find('.');
    if (decimals == 0) return point == std::string::npos;
    return point != std::string::npos && number.size() - point - 1 == static_cast<size_t>(decimals);
}

// x:12:5 y:12:5 z:12:5 Z:4 mass:8:5 flags:3 symbol:2 with one blank between the fields.
void CheckLayout(const std::string& line, size_t lineNo, std::vector<std::string>& problems) {
    struct Field {
        const char* name;
        size_t width;
        int decimals;
    };
    constexpr Field kFields[] = {{"x", 12, 5}, {"y", 12, 5},   {"z", 12, 5},
                                 {"Z", 4, 0},  {"mass", 8, 5}, {"flags", 3, 0}};
    size_t pos = 0;
    for (const Field& f : kFields) {
        if (!NumberField(line, pos, f.width, f.decimals) || pos >= line.size() ||
            line[pos] != ' ') {
            problems.push_back("line " + std::to_string(lineNo) + ": field " + f.name + " [" +
                               line + "]");
            return;
        }
        ++pos;  // the separating blank
    }
    const std::string symbol = line.substr(pos);
    if (symbol.size() != 2 || symbol == "  ")
        problems.push_back("line " + std::to_string(lineNo) + ": symbol [" + line + "]");
}

}  // namespace

TargetFile ReadTargetFile(const std::string& path) {
    TargetFile file;
    std::string bytes;
    if (!halvern::ReadFileBytes(path, bytes)) {
        file.problems.push_back("cannot read " + path);
        return file;
    }
    // Lines as the engine counts them, with the CR LF every line must end with.
    size_t start = 0;
    std::vector<std::string> lines;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            file.problems.push_back("last line without CR LF");
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    file.lineCount = lines.size();

    halvern::TextReader reader(bytes);
    for (size_t k = 0; k < lines.size(); ++k) {
        const size_t lineNo = k + 1;
        if (lines[k].find('\r') != std::string::npos || lines[k].find('\n') != std::string::npos)
            file.problems.push_back("line " + std::to_string(lineNo) + ": stray line end");
        CheckLayout(lines[k], lineNo, file.problems);
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
                                    std::to_string(lineNo));
        if (rest.size() != 3 || rest[0] != ' ')
            file.problems.push_back("line " + std::to_string(lineNo) + ": name [" + rest + "]");
        file.atoms.push_back(atom);
    }
    return file;
}

std::string TempFolder(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("velkor-tests-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string();
}

}  // namespace velkor::test
