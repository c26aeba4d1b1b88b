// The editors' view of a plain text too large for a text document: it reads its file in pieces
// while the window goes on working, and paints only the lines in sight over a LargeText, with
// caret, selection, keys, mouse, clipboard and undo. No word wrap and no formats: the window's
// font and colours apply to the whole text.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QTimer>
#include <memory>
#include <string>

#include "MessageSink.h"
#include "largetext/LargeText.h"

class QPrinter;

namespace halvern {

class LargeTextLoader;

class LargeTextView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit LargeTextView(QWidget* parent = nullptr);
    ~LargeTextView() override;

    // Opens the file and goes on reading it in pieces from the event loop; false, the reason
    // given, when it cannot be opened. `loaded` tells when it is done.
    bool startLoading(const std::string& path, std::string& reason);
    bool isLoading() const { return loader_ != nullptr; }
    // The text; null until loaded.
    const LargeText* text() const { return text_.get(); }

    TextPos caret() const { return caret_; }
    void setSelection(TextPos anchor, TextPos caret);
    bool hasSelection() const { return anchor_ != caret_; }
    std::u16string selectedText() const;

    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();
    void undo();
    void redo();
    // Types or pastes `text` over the selection.
    void replaceSelection(std::u16string_view text, bool typing = false);
    // Selects the next hit after the selection; false when there is none up to the end.
    bool findNext(std::u16string_view pattern, const SearchOptions& options);
    size_t replaceAll(std::u16string_view pattern, std::u16string_view replacement,
                      const SearchOptions& options);

    // False, reported, when the file cannot be written.
    bool save(const std::string& path, MessageSink& sink) const;
    // Every line, page after page, with a progress box that can cancel.
    void print(QPrinter& printer);

    // The first line in sight.
    size_t firstVisibleLine() const;

  signals:
    void changed();
    void loadProgress(int percent);
    // Reading ended: done, or failed for `reason`.
    void loaded(bool ok, const QString& reason);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  private:
    void readSome();
    void updateScrollBars();
    bool moveKey(QKeyEvent* event);
    bool editKey(QKeyEvent* event);
    void moveCaret(TextPos to, bool select);
    void edited(TextPos caret);
    void ensureCaretVisible();
    void restartBlink();
    TextPos positionAt(const QPoint& point) const;
    // The x of a position from the start of its line, and the position of a line nearest to x.
    qreal xInLine(TextPos pos) const;
    TextPos positionInLine(size_t line, qreal x) const;
    TextPos wordStart(TextPos pos) const;
    TextPos wordEnd(TextPos pos) const;
    TextPos nextCharacter(TextPos pos, int direction) const;
    int visibleRows() const;
    int lineHeight() const;

    std::unique_ptr<LargeTextLoader> loader_;
    QTimer reader_;
    std::unique_ptr<LargeText> text_;
    TextPos anchor_;
    TextPos caret_;
    qreal wantedX_ = -1;  // the column Up and Down keep to
    QBasicTimer blink_;
    bool caretShown_ = true;
};

}  // namespace halvern
