#include "DestinationNames.h"

#include "FileSafety.h"

namespace brisal {

namespace {

// The source up to its extension's dot, with the dot ("" when the file name has none).
struct SplitName {
    std::string stem;  // folder and file name without the extension
    std::string dot;
};

SplitName Split(const std::string& source) {
    const std::string ext = halvern::FileExt(source);
    if (ext.empty()) return {source, ""};
    return {source.substr(0, source.size() - ext.size()), "."};
}

}  // namespace

std::string ProposedDestination(const std::string& source, std::string_view ext) {
    const SplitName name = Split(source);
    return name.stem + name.dot + std::string(ext);
}

std::string ProposedFilterDestination(const std::string& source) {
    SplitName name = Split(source);
    // The mark goes on the file name only, never on the folder's last character.
    const size_t nameStart = source.size() - halvern::FileNameOf(source).size();
    if (name.stem.size() + name.dot.size() > 2 && name.stem.size() > nameStart)
        name.stem.back() = '$';
    return name.stem + name.dot + "osl";
}

}  // namespace brisal
