// The command line of the analysis program: exactly one argument naming an existing file (no
// pattern) is the trajectory plotter's file at start; a single other argument is reported.
#pragma once

#include <string>
#include <vector>

namespace brisal {

struct StartupFile {
    enum class Kind { None, PlotterFile, Missing };
    Kind kind = Kind::None;
    std::string name;
};

// `arguments` without the program's own name.
StartupFile CheckStartupArguments(const std::vector<std::string>& arguments);

// "Cannot find file: " + the name.
std::string CannotFindFileText(const std::string& name);

}  // namespace brisal
