// Every menu, button and dialog handler runs inside the handler guard, so that an exception ends
// only that command, shown as an error box.
#pragma once

#include <functional>
#include <utility>

#include "HandlerGuard.h"
#include "UiSink.h"

namespace halvern {

// A callable for QObject::connect that runs the handler guarded.
inline std::function<void()> GuardedSlot(std::function<void()> handler) {
    return [handler = std::move(handler)] { RunGuarded(UiSink(), handler); };
}

}  // namespace halvern
