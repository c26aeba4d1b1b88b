// A window test whose messages are recorded and whose file dialogs are answered by a script,
// both emptied before every test function, with a scratch folder for its files.
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <string>

#include "MessageSink.h"
#include "ScriptedFileChooser.h"
#include "UiSink.h"

class DialogTestCase : public QObject {
    Q_OBJECT

  protected:
    halvern::RecordingSink sink_;
    halvern::ScriptedFileChooser chooser_;
    QTemporaryDir folder_;

    std::string file(const char* name) const { return folder_.filePath(name).toStdString(); }

  private Q_SLOTS:
    void init() {
        sink_.clear();
        chooser_.clear();
        halvern::SetUiSink(&sink_);
        halvern::SetUiFileChooser(&chooser_);
    }
    void cleanup() {
        halvern::SetUiSink(nullptr);
        halvern::SetUiFileChooser(nullptr);
    }
};
