// The destination names that the process dialogs propose for a chosen source. Only the file
// name's own extension is replaced: a dot in a folder name is left alone.
#pragma once

#include <string>
#include <string_view>

namespace brisal {

// The source with its extension's text replaced by `ext` ("dat", "txt"): 'RUN7.OSL' gives
// 'RUN7.dat'; a name without an extension gets `ext` appended directly.
std::string ProposedDestination(const std::string& source, std::string_view ext);

// The filter's proposal: the last character of the name's stem becomes "$" and the extension
// "osl", so that the destination differs from its source: 'TEST.OSL' gives 'TES$.osl'.
std::string ProposedFilterDestination(const std::string& source);

}  // namespace brisal
