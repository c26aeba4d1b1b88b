// Runs a command handler so that an exception ends only the command, shown as an error box.
#pragma once

#include <exception>
#include <utility>

#include "MessageSink.h"

namespace halvern {

template <class Handler>
bool RunGuarded(MessageSink& sink, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& e) {
        sink.error(e.what());
    } catch (...) {
        sink.error("Unexpected error.");
    }
    return false;
}

}  // namespace halvern
