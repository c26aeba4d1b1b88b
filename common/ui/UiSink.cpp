#include "UiSink.h"

#include "QtMessageSink.h"

namespace halvern {

namespace {
MessageSink* installedSink = nullptr;
}

MessageSink& UiSink() {
    static QtMessageSink boxes;
    return installedSink != nullptr ? *installedSink : boxes;
}

void SetUiSink(MessageSink* sink) {
    installedSink = sink;
}

}  // namespace halvern
