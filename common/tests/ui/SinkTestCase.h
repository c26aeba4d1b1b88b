// A test class whose messages go to a RecordingSink, emptied before every test function.
#pragma once

#include <QObject>

#include "UiSink.h"

class SinkTestCase : public QObject {
    Q_OBJECT

  protected:
    halvern::RecordingSink sink;

  private slots:
    void init();
    void cleanup();
};
