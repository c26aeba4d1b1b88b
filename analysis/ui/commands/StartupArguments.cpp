#include "StartupArguments.h"

#include "FileSafety.h"
#include "miscutil.h"

namespace brisal {

StartupFile CheckStartupArguments(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) return {};
    const std::string& name = arguments.front();
    const bool found = !halvern::HasWildcards(name) && halvern::FileExists(name);
    return {found ? StartupFile::Kind::PlotterFile : StartupFile::Kind::Missing, name};
}

std::string CannotFindFileText(const std::string& name) {
    return halvern::OpenFailureText("Cannot find file: " + name, name);
}

}  // namespace brisal
