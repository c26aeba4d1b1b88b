// Opening a process result in an editor window: a file larger than 50 MB is loaded only after
// the user agrees; the editor then reads it into its view made for large text.
#pragma once

#include <cstdint>
#include <string>

#include "MessageSink.h"
#include "largetext/LargeTextLoader.h"

namespace brisal {

inline constexpr uint64_t kLargeResultBytes = halvern::kLargeTextBytes;

// False when the file is large and the user declines; a file whose size cannot be read is left
// to the editor, which reports it.
bool MayOpenResultInEditor(const std::string& fileName, halvern::MessageSink& sink);

std::string LargeResultQuestion(const std::string& fileName, uint64_t bytes);

}  // namespace brisal
