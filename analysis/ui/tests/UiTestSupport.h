// What the window tests share: a recording sink, scripted file dialogs and modal dialogs, the
// program's windows with fixed idle figures, and crafted record files.
#pragma once

#include <QDialog>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BrisalWindows.h"
#include "MessageSink.h"
#include "OslRecord.h"
#include "ScriptedFileChooser.h"

class QAbstractButton;
class QWidget;

namespace brisal_test {

// Works the modal dialogs in turn: each script gets the dialog shown and closes it like a user
// (or leaves it open, which closes it with Cancel).
class ModalScripts {
  public:
    ModalScripts();
    ~ModalScripts();
    ModalScripts(const ModalScripts&) = delete;
    ModalScripts& operator=(const ModalScripts&) = delete;

    void add(std::function<void(QDialog&)> script) { scripts_.push_back(std::move(script)); }
    bool allUsed() const { return scripts_.empty(); }
    QStringList shown;  // the titles of the dialogs, in order

  private:
    int run(QDialog& dialog);
    std::deque<std::function<void(QDialog&)>> scripts_;
};

// A particle with kinetic energy `eV` (mass 1e-26 kg).
halvern::TOslRecord Particle(double eV, int32_t rw = 0, int32_t rn = 1);
void WriteRecords(const QString& path, const std::vector<halvern::TOslRecord>& records);
QByteArray FileBytes(const QString& path);
// The example project copied into `folder` and run by the engine with its default options and a
// fixed seed; gives the dynamical-variables file.
QString RunExampleProject(const QString& folder);

class UiTestCase : public QObject {
    Q_OBJECT

  protected:
    // The program's windows, started without arguments; the idle checks read fixed figures.
    brisal::BrisalWindows startProgram(const std::vector<std::string>& arguments = {});
    // A name in the test function's own scratch folder.
    QString path(const QString& name) const { return dir->filePath(name); }

    halvern::RecordingSink sink;
    halvern::ScriptedFileChooser fileDialogs;
    std::unique_ptr<QTemporaryDir> dir;

  private Q_SLOTS:
    void init();
    void cleanup();
};

// Child widgets and actions by object name.
template <class T>
T* Child(QObject& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}
void Click(QObject& parent, const char* buttonName);
void SetText(QObject& parent, const char* name, const QString& text);
QString Text(QObject& parent, const char* name);
// Picks an item of a radio group as the user would.
void ClickItem(QObject& parent, const char* groupName, int index);

}  // namespace brisal_test
