#include "EditForm.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTextBlock>

#include "ContextHelp.h"
#include "DisplayText.h"
#include "FileChooser.h"
#include "FindDialogs.h"
#include "GuardedSlot.h"
#include "HelpWindow.h"
#include "LargeTextView.h"
#include "StandardDialogs.h"
#include "UiFonts.h"
#include "UiSink.h"
#include "WaitCursor.h"
#include "WindowStacking.h"
#include "editor/TextSearch.h"

namespace halvern {

namespace {

const char* const kSaveFilter =
    "Target specification file|*.TRG|Projectile specifiction file|*.PRJ|Run specification "
    "file|*.RUN|Model specification file|*.MDL|Impact points specification file|*.IMP|Rich text "
    "format|*.RTF|Batch definition file|*.BDF|Any file|*.*";

}  // namespace

TEditForm::TEditForm(EditorHost* host, std::string helpProgram, QWidget* parent)
    : QMainWindow(parent), host_(host), helpProgram_(std::move(helpProgram)) {
    setObjectName(QStringLiteral("EditForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("EditForm"));
    EditWin = new RichEditEx(this);
    EditWin->setObjectName(QStringLiteral("EditWin"));
    EditWin->setLineWrapMode(QTextEdit::NoWrap);
    EditWin->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditWin->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditWin->setFont(CourierNewFont(10));
    QPalette palette = EditWin->palette();
    palette.setColor(QPalette::Base, Qt::white);
    EditWin->setPalette(palette);
    setCentralWidget(EditWin);
    connect(EditWin->document(), &QTextDocument::contentsChange, this,
            [this](int, int removed, int added) {
                if (removed > 0 || added > 0) file_.modified = true;
            });
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(status_, 1);
    buildMenus();
    SetHelpContext(this, kEditorHelpContext);
    resize(640, 480);
    showMode();
}

TEditForm::~TEditForm() = default;

QAction* TEditForm::addCommand(QMenu* menu, const QString& text, std::function<void()> handler,
                               const QKeySequence& key) {
    QAction* action = menu->addAction(text);
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, GuardedSlot(std::move(handler)));
    return action;
}

void TEditForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("&New"), [this] {
        if (host_) host_->newEditor();
    });
    addCommand(file, QStringLiteral("&Open"), [this] {
        if (host_) host_->openEditor();
    });
    needText_ = {addCommand(
                     file, QStringLiteral("&Save"), [this] { Save1Click(); },
                     QKeySequence(Qt::CTRL | Qt::Key_S)),
                 addCommand(file, QStringLiteral("&Save As"), [this] { SaveAs1Click(); }),
                 addCommand(file, QStringLiteral("&Print"), [this] { Print1Click(); })};

    // The edit commands go to whichever view shows the text.
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    connect(edit, &QMenu::aboutToShow, this, GuardedSlot([this] { Edit1Click(); }));
    Cut1 = addCommand(
        edit, QStringLiteral("Cu&t"), [this] { LargeView ? LargeView->cut() : EditWin->cut(); },
        QKeySequence(Qt::CTRL | Qt::Key_X));
    Copy1 = addCommand(
        edit, QStringLiteral("&Copy"), [this] { LargeView ? LargeView->copy() : EditWin->copy(); },
        QKeySequence(Qt::CTRL | Qt::Key_C));
    addCommand(
        edit, QStringLiteral("&Paste"),
        [this] { LargeView ? LargeView->paste() : EditWin->paste(); },
        QKeySequence(Qt::CTRL | Qt::Key_V));
    Delete1 = addCommand(edit, QStringLiteral("&Delete"), [this] {
        LargeView ? LargeView->deleteSelection() : EditWin->textCursor().removeSelectedText();
    });
    addCommand(edit, QStringLiteral("&Select All"),
               [this] { LargeView ? LargeView->selectAll() : EditWin->selectAll(); });
    InsertObject1 = addCommand(edit, QStringLiteral("&Insert OLE object"),
                               [this] { InsertObject1Click(); });

    QMenu* search = menuBar()->addMenu(QStringLiteral("&Search"));
    needText_.push_back(addCommand(
        search, QStringLiteral("&Find"), [this] { Find1Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_F)));
    needText_.push_back(addCommand(
        search, QStringLiteral("&Replace"), [this] { Replace1Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_R)));

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    QMenu* mode = options->addMenu(QStringLiteral("&Format mode"));
    PlainText1 = addCommand(mode, QStringLiteral("&Plain text"), [this] { PlainText1Click(); });
    RichText1 =
        addCommand(mode, QStringLiteral("&Rich text format"), [this] { RichText1Click(); });
    WordWrap1 = addCommand(options, QStringLiteral("&Wordwrap"), [this] { WordWrap1Click(); });
    addCommand(options, QStringLiteral("&Colour"), [this] { Colour1Click(); });
    addCommand(options, QStringLiteral("&Font"), [this] { Font1Click(); });
    for (QAction* a : {PlainText1, RichText1, WordWrap1}) a->setCheckable(true);
}

void TEditForm::setFileName(const std::string& name) {
    file_.fileName = name;
    setWindowTitle(DecodeText(name));
}

bool TEditForm::loadFile(const std::string& path) {
    return EditWin->loadFile(path, UiSink());
}

bool TEditForm::loadLargeFile(const std::string& path) {
    auto* view = new LargeTextView(this);
    std::string reason;
    if (!view->startLoading(path, reason)) {
        delete view;
        UiSink().error(ReadErrorText(path, reason));
        return false;
    }
    LargeView = view;
    LargeView->setFont(EditWin->font());
    LargeView->setPalette(EditWin->palette());
    takeCentralWidget()->setParent(this);  // EditWin stays, hidden, for what asks after it
    EditWin->hide();
    setCentralWidget(LargeView);
    LargeView->setFocus();
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("LoadProgress"));
    progress_->setRange(0, 100);
    progress_->setFormat(QStringLiteral("Reading %p%"));
    statusBar()->addPermanentWidget(progress_);
    for (QAction* command : needText_) command->setEnabled(false);
    connect(LargeView, &LargeTextView::loadProgress, progress_, &QProgressBar::setValue);
    connect(LargeView, &LargeTextView::changed, this, [this] { file_.modified = true; });
    connect(LargeView, &LargeTextView::loaded, this,
            [this, path](bool ok, const QString& why) { largeLoaded(ok, why, path); });
    return true;
}

// Read: the commands work. Failed: the window goes, as one that could not be opened.
void TEditForm::largeLoaded(bool ok, const QString& reason, const std::string& path) {
    progress_->hide();
    for (QAction* command : needText_) command->setEnabled(ok);
    if (ok) return;
    UiSink().error(ReadErrorText(path, CoreText(reason)));
    file_.modified = false;
    close();
}

QWidget& TEditForm::textWidget() {
    return LargeView ? static_cast<QWidget&>(*LargeView) : *EditWin;
}

void TEditForm::FormShow() {
    showMode();
    EditWin->viewport()->update();
    PresentWindow(this);
}

QString TEditForm::statusText() const {
    return status_->text();
}

void TEditForm::showMode() {
    const bool plain = EditWin->plainTextMode();
    PlainText1->setChecked(plain);
    RichText1->setChecked(!plain);
    InsertObject1->setEnabled(!plain);
    status_->setText(QString::fromLatin1(ModeStatusText(plain).c_str()));
}

// A text of rich-text codes shows formatted once the window is in rich-text mode; it is the
// same document, so whether it counts as changed stays as it was.
void TEditForm::setMode(bool plain) {
    const bool modified = file_.modified;
    EditWin->setPlainTextMode(plain);
    if (!plain && EditWin->formatRtfCodes(file_.fileName, UiSink())) file_.modified = modified;
    showMode();
    EditWin->viewport()->update();
}

void TEditForm::PlainText1Click() {
    if (UiSink().askYesNo(kToPlainQuestion)) setMode(true);
    showMode();
}

void TEditForm::RichText1Click() {
    if (LargeView)
        UiSink().info(kLargeTextNotRich);
    else if (UiSink().askYesNo(kToRichQuestion))
        setMode(false);
    showMode();
}

void TEditForm::WordWrap1Click() {
    if (LargeView) {
        UiSink().info(kLargeTextNoWordWrap);
        return;
    }
    const bool wrap = EditWin->lineWrapMode() == QTextEdit::NoWrap;
    EditWin->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    WordWrap1->setChecked(wrap);
}

void TEditForm::Colour1Click() {
    ChoosePageColour(textWidget(), this);
}

// Plain text has one font; rich text formats the selection.
void TEditForm::Font1Click() {
    if (EditWin->plainTextMode())
        ChooseTextFont(textWidget(), this);
    else
        ChooseSelectionFont(*EditWin, this);
}

void TEditForm::Edit1Click() {
    const bool selection =
        LargeView ? LargeView->hasSelection() : EditWin->textCursor().hasSelection();
    for (QAction* a : {Cut1, Copy1, Delete1}) a->setEnabled(selection);
    InsertObject1->setEnabled(!EditWin->plainTextMode());
}

void TEditForm::Save1Click() {
    if (SaveEditor(file_, false, *this)) setWindowTitle(DecodeText(file_.fileName));
}

void TEditForm::SaveAs1Click() {
    if (SaveEditor(file_, true, *this)) setWindowTitle(DecodeText(file_.fileName));
}

void TEditForm::Print1Click() {
    if (LargeView)
        PrintWithDialog(this, [this](QPrinter& printer) { LargeView->print(printer); });
    else
        PrintTextEdit(*EditWin, this);
}

// A new object opens at once with the desktop's program, where it is made.
void TEditForm::InsertObject1Click() {
    const auto request = UiStandardDialogs().chooseObject(this, helpProgram_, kEditorHelpContext);
    if (!request) return;
    const int position = EditWin->insertObject(*request);
    if (request->createNew) EditWin->activateObjectAt(position, UiSink());
}

std::optional<std::string> TEditForm::chooseSaveName(const std::string& proposed) {
    return UiFileChooser().saveFile(this, {"Save edited file as...", kSaveFilter, proposed, "",
                                           FilterIndexFor(kSaveFilter, proposed)});
}

bool TEditForm::writeFile(const std::string& path) {
    if (LargeView) return LargeView->save(path, UiSink());
    return EditWin->saveFile(path, !EditWin->plainTextMode(), UiSink());
}

void TEditForm::closeEvent(QCloseEvent* event) {
    bool mayClose = true;
    RunGuarded(UiSink(), [&] { mayClose = MayCloseEditor(file_, *this, UiSink()); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

TextFindDialog* TEditForm::findDialog() {
    if (!find_) {
        find_ = new TextFindDialog(false, this);
        connect(find_, &TextFindDialog::findNext, this, GuardedSlot([this] { findNext(*find_); }));
    }
    return find_;
}

TextFindDialog* TEditForm::replaceDialog() {
    if (!replace_) {
        replace_ = new TextFindDialog(true, this);
        connect(replace_, &TextFindDialog::findNext, this,
                GuardedSlot([this] { findNext(*replace_); }));
        connect(replace_, &TextFindDialog::replaceOne, this,
                GuardedSlot([this] { replaceOne(*replace_); }));
        connect(replace_, &TextFindDialog::replaceAll, this,
                GuardedSlot([this] { replaceAll(*replace_); }));
    }
    return replace_;
}

void TEditForm::Find1Click() {
    findDialog()->show();
    find_->raise();
    find_->activateWindow();
}

void TEditForm::Replace1Click() {
    replaceDialog()->show();
    replace_->raise();
    replace_->activateWindow();
}

void TEditForm::selectHit(size_t start, size_t length) {
    QTextCursor cursor(EditWin->document());
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(start + length), QTextCursor::KeepAnchor);
    EditWin->setTextCursor(cursor);
    EditWin->setFocus();
}

bool TEditForm::findNext(const TextFindDialog& dialog) {
    if (LargeView) {
        bool found = false;
        {
            const WaitCursor wait;
            found = LargeView->findNext(dialog.findText(), dialog.options());
        }
        if (!found) UiSink().info(kReachedEndText);
        return found;
    }
    const std::u16string text = CoreChars(EditWin->document()->toRawText());
    const size_t from = static_cast<size_t>(EditWin->textCursor().selectionEnd());
    const auto hit = FindText(text, from, dialog.findText(), dialog.options());
    if (!hit) {
        UiSink().info(kReachedEndText);
        return false;
    }
    selectHit(hit->start, hit->length);
    return true;
}

void TEditForm::replaceOne(const TextFindDialog& dialog) {
    if (LargeView) {
        const bool onHit = SelectionMatches(LargeView->selectedText(), dialog.findText(),
                                            dialog.options().matchCase);
        if (!onHit && !findNext(dialog)) return;
        LargeView->replaceSelection(dialog.replaceText());
        findNext(dialog);
        return;
    }
    const QTextCursor selected = EditWin->textCursor();
    const bool onHit =
        selected.hasSelection() && SelectionMatches(CoreChars(selected.selectedText()),
                                                    dialog.findText(), dialog.options().matchCase);
    if (!onHit && !findNext(dialog)) return;
    QTextCursor cursor = EditWin->textCursor();
    cursor.insertText(FromCoreChars(dialog.replaceText()));
    EditWin->setTextCursor(cursor);
    findNext(dialog);
}

// Every occurrence in the whole text, wherever the caret stands, as one undo step.
void TEditForm::replaceAll(const TextFindDialog& dialog) {
    if (LargeView) {
        size_t count = 0;
        {
            const WaitCursor wait;
            count =
                LargeView->replaceAll(dialog.findText(), dialog.replaceText(), dialog.options());
        }
        UiSink().info(ReplacedCountText(count));
        return;
    }
    const std::u16string text = CoreChars(EditWin->document()->toRawText());
    const std::vector<TextHit> hits = FindAllText(text, 0, dialog.findText(), dialog.options());
    const QString replacement = FromCoreChars(dialog.replaceText());
    if (!hits.empty()) {
        QTextCursor cursor(EditWin->document());
        cursor.beginEditBlock();
        for (auto hit = hits.rbegin(); hit != hits.rend(); ++hit) {
            cursor.setPosition(static_cast<int>(hit->start));
            cursor.setPosition(static_cast<int>(hit->start + hit->length), QTextCursor::KeepAnchor);
            cursor.insertText(replacement);
        }
        cursor.endEditBlock();
        // The caret after the last replacement: the earlier ones moved it by their difference.
        const qsizetype shift = (replacement.size() - static_cast<qsizetype>(hits.back().length)) *
                                static_cast<qsizetype>(hits.size() - 1);
        QTextCursor caret(EditWin->document());
        caret.setPosition(static_cast<int>(hits.back().start + shift + replacement.size()));
        EditWin->setTextCursor(caret);
    }
    UiSink().info(ReplacedCountText(hits.size()));
}

}  // namespace halvern
