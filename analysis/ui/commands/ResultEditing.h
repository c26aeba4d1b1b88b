// Opening a process result in an editor window: a file larger than 50 MB is loaded only after
// the user agrees, as an editor holds the whole text.
#pragma once

#include <cstdint>
#include <string>

#include "MessageSink.h"

namespace brisal {

inline constexpr uint64_t kLargeResultBytes = 50ull * 1024 * 1024;

// False when the file is large and the user declines; a file whose size cannot be read is left
// to the editor, which reports it.
bool MayOpenResultInEditor(const std::string& fileName, halvern::MessageSink& sink);

std::string LargeResultQuestion(const std::string& fileName, uint64_t bytes);

}  // namespace brisal
