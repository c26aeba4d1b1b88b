// A window test whose messages are recorded and whose file dialogs are answered by a script,
// both emptied before every test function, with a scratch folder for its files.
#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <string>

#include "MessageSink.h"
#include "ScriptedFileChooser.h"
#include "UiSink.h"

// A caption that names `path` as the windows show it: whole where it fits, else with its folders
// shortened to an ellipsis and the file's own name whole.
inline bool NamesFile(const QString& caption, const QString& prefix, const std::string& path,
                      const QString& suffix = {}) {
    const QString name = QString::fromStdString(path);
    const QString file = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    return caption == prefix + name + suffix ||
           (caption.startsWith(prefix) && caption.endsWith(QLatin1Char('/') + file + suffix) &&
            caption.contains(QChar(0x2026)));
}

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
