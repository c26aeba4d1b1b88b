// The property every set-up loader's fuzz target checks: a record it accepts, written out and
// loaded again, settles after one round to a record that writes and loads to itself.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzFiles.h"

namespace velkor::fuzz {

// load(path, record) -> bool; text(record) -> the bytes a writer produces.
template <class Record, class Load, class Text>
void CheckRoundTrip(std::string_view name, const Record& loaded, Load load, Text text) {
    Record settled = loaded;
    for (int round = 0; round < 2; ++round) {
        const std::string path = halvern::fuzz::WriteScratchFile(name, text(settled));
        Record again;
        if (!load(path, again)) std::abort();  // a written file must load
        if (round == 1 && !(again == settled)) std::abort();
        settled = again;
    }
}

}  // namespace velkor::fuzz
