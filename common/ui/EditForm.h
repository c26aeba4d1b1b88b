// TEditForm: the text editor window of the set-up and analysis programs, around one RichEditEx
// (or, for a plain text too large for it, a LargeTextView): plain or rich text, saving and
// printing, find and replace, objects, and a save question on close. Its "&New" and "&Open" ask the
// host; the host fills a new window (EditorWindows).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <optional>
#include <string>
#include <vector>

#include "EditorHost.h"
#include "RichEditEx.h"
#include "SharedHelpContexts.h"
#include "editor/EditorRules.h"

class QAction;
class QLabel;
class QProgressBar;

namespace halvern {

class LargeTextView;
class TextFindDialog;

class TEditForm : public QMainWindow, private EditorSaving {
    Q_OBJECT
  public:
    TEditForm(EditorHost* host, std::string helpProgram, QWidget* parent = nullptr);
    ~TEditForm() override;

    RichEditEx* EditWin;
    // The view of a text too large for EditWin, which it then stands in for; null otherwise.
    LargeTextView* LargeView = nullptr;

    // Host duties: the caption is the file name; the host sets the flags and the mode, loads,
    // and shows the window through FormShow.
    EditorFile& file() { return file_; }
    const EditorFile& file() const { return file_; }
    void setFileName(const std::string& name);
    bool loadFile(const std::string& path);
    // A large plain text in the view made for it, read in pieces with the progress shown. False,
    // reported, when it cannot be opened; a failure while reading is reported and closes the
    // window.
    bool loadLargeFile(const std::string& path);
    // FormShow: the menu checks and the status text follow the mode; the window shows.
    void FormShow();
    QString statusText() const;

    // Commands, also for the window's tests.
    void Save1Click();
    void SaveAs1Click();
    void Print1Click();
    void InsertObject1Click();
    void Find1Click();
    void Replace1Click();
    void PlainText1Click();
    void RichText1Click();
    void WordWrap1Click();
    void Colour1Click();
    void Font1Click();
    void Edit1Click();

    // The searches of the two dialogs.
    bool findNext(const TextFindDialog& dialog);
    void replaceOne(const TextFindDialog& dialog);
    void replaceAll(const TextFindDialog& dialog);
    TextFindDialog* findDialog();
    TextFindDialog* replaceDialog();

    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Delete1 = nullptr;
    QAction* InsertObject1 = nullptr;
    QAction* PlainText1 = nullptr;
    QAction* RichText1 = nullptr;
    QAction* WordWrap1 = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const QString& text, std::function<void()> handler,
                        const QKeySequence& key = {});
    void setMode(bool plain);
    void showMode();
    void selectHit(size_t start, size_t length);
    void largeLoaded(bool ok, const QString& reason, const std::string& path);
    QWidget& textWidget();

    std::optional<std::string> chooseSaveName(const std::string& proposed) override;
    bool writeFile(const std::string& path) override;

    EditorHost* host_;
    std::string helpProgram_;
    EditorFile file_;
    QLabel* status_;
    QProgressBar* progress_ = nullptr;
    std::vector<QAction*> needText_;  // commands that wait for a large text to be read
    QPointer<TextFindDialog> find_;
    QPointer<TextFindDialog> replace_;
};

}  // namespace halvern
