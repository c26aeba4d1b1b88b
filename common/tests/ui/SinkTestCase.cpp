#include "SinkTestCase.h"

void SinkTestCase::init() {
    sink.clear();
    halvern::SetUiSink(&sink);
}

void SinkTestCase::cleanup() {
    halvern::SetUiSink(nullptr);
}
