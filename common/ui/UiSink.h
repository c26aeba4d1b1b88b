// The program-wide sink of the windows' messages: message boxes, or a recording in tests.
#pragma once

#include "MessageSink.h"

namespace halvern {

MessageSink& UiSink();
// Installs a sink (not owned); nullptr restores the message boxes.
void SetUiSink(MessageSink* sink);

}  // namespace halvern
