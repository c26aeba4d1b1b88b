#include "LargeTextView.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QScrollBar>
#include <QStyleHints>
#include <algorithm>
#include <cmath>

#include "DisplayText.h"
#include "editor/EditorRules.h"
#include "largetext/LargeTextLoader.h"
#include "largetext/LargeTextSave.h"

namespace halvern {

namespace {

constexpr size_t kPieceBytes = 2 << 20;  // read at a time
constexpr int kReadMilliseconds = 15;    // of reading before the event loop runs again
constexpr int kTabColumns = 8;
constexpr int kMargin = 4;            // pixels left of the text
constexpr qsizetype kRunChars = 256;  // a line is measured and drawn in runs of this length

// A line cut into runs of text and tabs, each with where it starts: what painting, the caret
// and the mouse need of a line, measured once.
struct LineLayout {
    struct Run {
        qsizetype start;
        qsizetype length;
        qreal x;
        qreal width;
    };
    QString text;
    std::vector<Run> runs;

    LineLayout(QString line, const QFontMetricsF& metrics) : text(std::move(line)) {
        const qreal tab = kTabColumns * metrics.horizontalAdvance(QLatin1Char(' '));
        qreal x = 0;
        qsizetype i = 0;
        while (i < text.size()) {
            qsizetype length = 1;
            qreal width = 0;
            if (text[i] == QLatin1Char('\t')) {
                width = (std::floor(x / tab) + 1) * tab - x;
            } else {
                while (i + length < text.size() && length < kRunChars &&
                       text[i + length] != QLatin1Char('\t'))
                    ++length;
                if (i + length < text.size() && text[i + length].isLowSurrogate()) ++length;
                width = metrics.horizontalAdvance(text.mid(i, length));
            }
            runs.push_back({i, length, x, width});
            x += width;
            i += length;
        }
    }

    qreal width() const { return runs.empty() ? 0 : runs.back().x + runs.back().width; }

    // Draws the text runs that lie between 0 and `right` once the line starts at `left`; a tab
    // is only space.
    void draw(QPainter& painter, qreal left, qreal right, qreal baseline) const {
        for (const Run& run : runs) {
            if (left + run.x + run.width < 0 || text[run.start] == QLatin1Char('\t')) continue;
            if (left + run.x > right) break;
            painter.drawText(QPointF(left + run.x, baseline), text.mid(run.start, run.length));
        }
    }

    qreal xOf(qsizetype column, const QFontMetricsF& metrics) const {
        for (const Run& run : runs) {
            if (column >= run.start + run.length) continue;
            if (column <= run.start || text[run.start] == QLatin1Char('\t')) return run.x;
            return run.x + metrics.horizontalAdvance(text.mid(run.start, column - run.start));
        }
        return width();
    }

    // The column whose left edge lies nearest to x.
    qsizetype columnAt(qreal x, const QFontMetricsF& metrics) const {
        for (const Run& run : runs) {
            if (x >= run.x + run.width) continue;
            qsizetype best = run.start;
            for (qsizetype c = run.start + 1; c <= run.start + run.length; ++c) {
                const qreal edge = xOf(c, metrics);
                if (edge - x > x - xOf(c - 1, metrics)) break;
                best = c;
            }
            return best;
        }
        return text.size();
    }
};

}  // namespace

LargeTextView::LargeTextView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("LargeTextView"));
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reader_.setInterval(0);
    connect(&reader_, &QTimer::timeout, this, [this] { readSome(); });
}

LargeTextView::~LargeTextView() = default;

bool LargeTextView::startLoading(const std::string& path, std::string& reason) {
    auto loader = std::make_unique<LargeTextLoader>();
    if (!loader->open(path, reason)) return false;
    loader_ = std::move(loader);
    text_.reset();
    reader_.start();
    return true;
}

// A slice of the file at a time, so that painting, input and closing go on meanwhile.
void LargeTextView::readSome() {
    if (!loader_) return;
    QElapsedTimer clock;
    clock.start();
    std::string reason;
    while (!loader_->finished() && clock.elapsed() < kReadMilliseconds) {
        if (!loader_->readPiece(kPieceBytes, reason)) {
            reader_.stop();
            loader_.reset();
            emit loaded(false, QString::fromStdString(reason));
            return;
        }
    }
    const uint64_t size = std::max<uint64_t>(loader_->fileSize(), 1);
    emit loadProgress(static_cast<int>(std::min<uint64_t>(100, loader_->bytesRead() * 100 / size)));
    if (!loader_->finished()) return;
    reader_.stop();
    text_ = std::make_unique<LargeText>(loader_->take());
    loader_.reset();
    anchor_ = caret_ = {};
    updateScrollBars();
    viewport()->update();
    emit loaded(true, {});
}

int LargeTextView::lineHeight() const {
    return std::max(1, QFontMetrics(font()).lineSpacing());
}

int LargeTextView::visibleRows() const {
    return std::max(1, viewport()->height() / lineHeight());
}

size_t LargeTextView::firstVisibleLine() const {
    return static_cast<size_t>(verticalScrollBar()->value());
}

void LargeTextView::updateScrollBars() {
    const int rows = visibleRows();
    const size_t lines = text_ ? text_->lineCount() : 0;
    const int lastFirst = static_cast<int>(std::min<size_t>(
        INT32_MAX, lines > static_cast<size_t>(rows) ? lines - static_cast<size_t>(rows) : 0));
    verticalScrollBar()->setRange(0, lastFirst);
    verticalScrollBar()->setPageStep(rows);
    verticalScrollBar()->setSingleStep(1);
    // The widest line is known in bytes: an estimate the scroll bar grows to as needed.
    const QFontMetricsF metrics(font());
    const qreal widest =
        (text_ ? double(text_->longestLineBytes()) : 0.0) * metrics.averageCharWidth();
    const int width = viewport()->width();
    horizontalScrollBar()->setRange(0,
                                    std::max(0, int(std::min(widest, 1e9)) + 2 * kMargin - width));
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setSingleStep(std::max(1, int(metrics.averageCharWidth())));
}

void LargeTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LargeTextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateScrollBars();
        viewport()->update();
    }
}

void LargeTextView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    if (!text_) return;
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    const int height = lineHeight();
    const qreal left = kMargin - horizontalScrollBar()->value();
    const qreal right = viewport()->width();
    const TextPos from = std::min(anchor_, caret_);
    const TextPos to = std::max(anchor_, caret_);
    const QColor textColour = palette().color(QPalette::Text);
    const QColor highlight = palette().color(QPalette::Highlight);
    const QColor highlighted = palette().color(QPalette::HighlightedText);
    std::u16string buffer;
    const size_t first = firstVisibleLine();
    const size_t last = std::min(text_->lineCount(), first + size_t(visibleRows()) + 1);
    for (size_t i = first; i < last; ++i) {
        text_->lineInto(i, buffer);
        const LineLayout layout(FromCoreChars(buffer), metrics);
        const qreal top = qreal(i - first) * height;
        const qreal baseline = top + metrics.ascent();
        const auto drawRuns = [&](const QColor& colour) {
            painter.setPen(colour);
            layout.draw(painter, left, right, baseline);
        };
        drawRuns(textColour);
        if (from < to && from.line <= i && i <= to.line) {
            // The selected part again, highlighted, clipped to the selection.
            const qreal start = i == from.line ? layout.xOf(qsizetype(from.column), metrics) : 0;
            const qreal end = i == to.line
                                  ? layout.xOf(qsizetype(to.column), metrics)
                                  : layout.width() + metrics.horizontalAdvance(QLatin1Char(' '));
            const QRectF selected(left + start, top, end - start, height);
            painter.fillRect(selected, highlight);
            painter.save();
            painter.setClipRect(selected);
            drawRuns(highlighted);
            painter.restore();
        }
        if (i == caret_.line && hasFocus() && caretShown_) {
            const qreal x = left + layout.xOf(qsizetype(caret_.column), metrics);
            painter.fillRect(QRectF(x, top, 1, height), textColour);
        }
    }
}

void LargeTextView::setSelection(TextPos anchor, TextPos caret) {
    if (!text_) return;
    anchor_ = text_->clamp(anchor);
    caret_ = text_->clamp(caret);
    wantedX_ = -1;
    ensureCaretVisible();
    restartBlink();
}

std::u16string LargeTextView::selectedText() const {
    return text_ ? text_->text(anchor_, caret_) : std::u16string();
}

void LargeTextView::edited(TextPos caret) {
    anchor_ = caret_ = caret;
    wantedX_ = -1;
    updateScrollBars();
    ensureCaretVisible();
    restartBlink();
    emit changed();
}

void LargeTextView::replaceSelection(std::u16string_view text, bool typing) {
    if (!text_) return;
    edited(text_->replace(anchor_, caret_, text, typing));
}

void LargeTextView::cut() {
    if (!hasSelection()) return;
    copy();
    deleteSelection();
}

void LargeTextView::copy() {
    if (hasSelection()) QApplication::clipboard()->setText(FromCoreChars(selectedText()));
}

void LargeTextView::paste() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data != nullptr && data->hasText()) replaceSelection(CoreChars(data->text()));
}

void LargeTextView::deleteSelection() {
    if (hasSelection()) replaceSelection(u"");
}

void LargeTextView::selectAll() {
    if (text_) setSelection({0, 0}, text_->end());
}

void LargeTextView::undo() {
    if (const auto caret = text_ ? text_->undo() : std::nullopt) edited(*caret);
}

void LargeTextView::redo() {
    if (const auto caret = text_ ? text_->redo() : std::nullopt) edited(*caret);
}

bool LargeTextView::findNext(std::u16string_view pattern, const SearchOptions& options) {
    if (!text_) return false;
    const auto hit = text_->find(std::max(anchor_, caret_), pattern, options);
    if (!hit) return false;
    setSelection(hit->start, hit->end);
    return true;
}

size_t LargeTextView::replaceAll(std::u16string_view pattern, std::u16string_view replacement,
                                 const SearchOptions& options) {
    if (!text_) return 0;
    const size_t count = text_->replaceAll(pattern, replacement, options);
    if (count > 0) edited(text_->clamp(caret_));
    return count;
}

bool LargeTextView::save(const std::string& path, MessageSink& sink) const {
    if (!text_) {
        sink.error(WriteErrorText(path));
        return false;
    }
    const WriteOutcome written = SaveLargeText(*text_, path);
    if (written) return true;
    sink.error(written.failureText(WriteErrorText(path)));
    return false;
}

void LargeTextView::print(QPrinter& printer) {
    if (!text_) return;
    QPainter painter;
    if (!painter.begin(&printer)) return;
    painter.setFont(font());
    const QFontMetricsF metrics(font(), &printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal height = std::max<qreal>(1, metrics.lineSpacing());
    const size_t perPage = std::max<size_t>(1, size_t(page.height() / height));
    const size_t pages = (text_->lineCount() + perPage - 1) / perPage;
    QProgressDialog progress(tr("Printing..."), tr("Cancel"), 0,
                             int(std::min<size_t>(pages, INT32_MAX)), window());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    std::u16string buffer;
    for (size_t p = 0; p < pages && !progress.wasCanceled(); ++p) {
        if (p > 0) printer.newPage();
        painter.setClipRect(QRectF(0, 0, page.width(), page.height()));
        for (size_t row = 0; row < perPage && p * perPage + row < text_->lineCount(); ++row) {
            text_->lineInto(p * perPage + row, buffer);
            const LineLayout layout(FromCoreChars(buffer), metrics);
            layout.draw(painter, 0, page.width(), qreal(row) * height + metrics.ascent());
        }
        progress.setValue(int(std::min<size_t>(p + 1, INT32_MAX)));
    }
    painter.end();
}

TextPos LargeTextView::positionAt(const QPoint& point) const {
    if (!text_) return {};
    const qint64 row = point.y() < 0 ? -1 : point.y() / lineHeight();
    const qint64 line =
        std::clamp<qint64>(qint64(firstVisibleLine()) + row, 0, qint64(text_->lineCount()) - 1);
    return positionInLine(size_t(line), point.x() - kMargin + horizontalScrollBar()->value());
}

qreal LargeTextView::xInLine(TextPos pos) const {
    const QFontMetricsF metrics(font());
    return LineLayout(FromCoreChars(text_->line(pos.line)), metrics)
        .xOf(qsizetype(pos.column), metrics);
}

TextPos LargeTextView::positionInLine(size_t line, qreal x) const {
    const QFontMetricsF metrics(font());
    const LineLayout layout(FromCoreChars(text_->line(line)), metrics);
    return {line, size_t(layout.columnAt(x, metrics))};
}

TextPos LargeTextView::nextCharacter(TextPos pos, int direction) const {
    const std::u16string line = text_->line(pos.line);
    if (direction < 0) {
        if (pos.column == 0)
            return pos.line == 0 ? pos : TextPos{pos.line - 1, text_->line(pos.line - 1).size()};
        --pos.column;
        if (pos.column > 0 && line[pos.column] >= 0xDC00 && line[pos.column] <= 0xDFFF)
            --pos.column;
        return pos;
    }
    if (pos.column >= line.size())
        return pos.line + 1 < text_->lineCount() ? TextPos{pos.line + 1, 0} : pos;
    ++pos.column;
    if (pos.column < line.size() && line[pos.column] >= 0xDC00 && line[pos.column] <= 0xDFFF)
        ++pos.column;
    return pos;
}

TextPos LargeTextView::wordStart(TextPos pos) const {
    const std::u16string line = text_->line(pos.line);
    while (pos.column > 0 && !IsWordUnit(line[pos.column - 1])) --pos.column;
    while (pos.column > 0 && IsWordUnit(line[pos.column - 1])) --pos.column;
    return pos;
}

TextPos LargeTextView::wordEnd(TextPos pos) const {
    const std::u16string line = text_->line(pos.line);
    while (pos.column < line.size() && IsWordUnit(line[pos.column])) ++pos.column;
    while (pos.column < line.size() && !IsWordUnit(line[pos.column])) ++pos.column;
    return pos;
}

void LargeTextView::moveCaret(TextPos to, bool select) {
    caret_ = text_->clamp(to);
    if (!select) anchor_ = caret_;
    ensureCaretVisible();
    restartBlink();
}

bool LargeTextView::moveKey(QKeyEvent* event) {
    const bool select = event->modifiers() & Qt::ShiftModifier;
    const bool word = event->modifiers() & Qt::ControlModifier;
    const auto lineDown = [&](qint64 lines) {
        if (wantedX_ < 0) wantedX_ = xInLine(caret_);
        const qint64 line =
            std::clamp<qint64>(qint64(caret_.line) + lines, 0, qint64(text_->lineCount()) - 1);
        const qreal keep = wantedX_;
        moveCaret(positionInLine(size_t(line), keep), select);
        wantedX_ = keep;
    };
    switch (event->key()) {
        case Qt::Key_Left:
            moveCaret(word ? wordStart(caret_.column == 0 ? nextCharacter(caret_, -1) : caret_)
                           : nextCharacter(caret_, -1),
                      select);
            break;
        case Qt::Key_Right:
            moveCaret(word ? wordEnd(nextCharacter(caret_, 1)) : nextCharacter(caret_, 1), select);
            break;
        case Qt::Key_Up:
            lineDown(-1);
            return true;
        case Qt::Key_Down:
            lineDown(1);
            return true;
        case Qt::Key_PageUp:
            lineDown(-visibleRows());
            return true;
        case Qt::Key_PageDown:
            lineDown(visibleRows());
            return true;
        case Qt::Key_Home:
            moveCaret(word ? TextPos{0, 0} : TextPos{caret_.line, 0}, select);
            break;
        case Qt::Key_End:
            moveCaret(word ? text_->end() : TextPos{caret_.line, text_->line(caret_.line).size()},
                      select);
            break;
        default:
            return false;
    }
    wantedX_ = -1;
    return true;
}

bool LargeTextView::editKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo)) return undo(), true;
    if (event->matches(QKeySequence::Redo)) return redo(), true;
    if (event->matches(QKeySequence::SelectAll)) return selectAll(), true;
    if (event->matches(QKeySequence::Copy)) return copy(), true;
    if (event->matches(QKeySequence::Cut)) return cut(), true;
    if (event->matches(QKeySequence::Paste)) return paste(), true;
    switch (event->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            if (!hasSelection())
                anchor_ = nextCharacter(caret_, event->key() == Qt::Key_Delete ? 1 : -1);
            if (hasSelection()) replaceSelection(u"");
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            replaceSelection(u"\n");
            return true;
        case Qt::Key_Tab:
            replaceSelection(u"\t", true);
            return true;
        default:
            break;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    for (const QChar c : typed)
        if (c.category() == QChar::Other_Control) return false;
    replaceSelection(CoreChars(typed), true);
    return true;
}

void LargeTextView::keyPressEvent(QKeyEvent* event) {
    if (text_ && (moveKey(event) || editKey(event))) {
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void LargeTextView::mousePressEvent(QMouseEvent* event) {
    if (text_ && event->button() == Qt::LeftButton)
        moveCaret(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    wantedX_ = -1;
}

void LargeTextView::mouseMoveEvent(QMouseEvent* event) {
    if (text_ && (event->buttons() & Qt::LeftButton))
        moveCaret(positionAt(event->position().toPoint()), true);
}

void LargeTextView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!text_ || event->button() != Qt::LeftButton) return;
    TextPos at = positionAt(event->position().toPoint());
    const std::u16string line = text_->line(at.line);
    TextPos start = at, end = at;
    while (start.column > 0 && IsWordUnit(line[start.column - 1])) --start.column;
    while (end.column < line.size() && IsWordUnit(line[end.column])) ++end.column;
    setSelection(start, end);
}

void LargeTextView::ensureCaretVisible() {
    if (!text_) return;
    const int rows = visibleRows();
    const qint64 first = verticalScrollBar()->value();
    const qint64 line = qint64(std::min<size_t>(caret_.line, INT32_MAX));
    if (line < first) verticalScrollBar()->setValue(int(line));
    if (line >= first + rows) verticalScrollBar()->setValue(int(line - rows + 1));
    const qreal x = xInLine(caret_);
    QScrollBar* bar = horizontalScrollBar();
    const int width = viewport()->width() - 2 * kMargin;
    if (x > bar->maximum()) bar->setMaximum(int(std::min<qreal>(x, 1e9)));
    if (x < bar->value()) bar->setValue(int(x));
    if (x > bar->value() + width) bar->setValue(int(x) - width);
    viewport()->update();
}

void LargeTextView::restartBlink() {
    caretShown_ = true;
    const int flash = QApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        blink_.start(flash / 2, this);
    else
        blink_.stop();
    viewport()->update();
}

void LargeTextView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blink_.timerId()) return QAbstractScrollArea::timerEvent(event);
    caretShown_ = !caretShown_;
    viewport()->update();
}

void LargeTextView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
}

void LargeTextView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    viewport()->update();
}

void LargeTextView::inputMethodEvent(QInputMethodEvent* event) {
    if (text_ && !event->commitString().isEmpty())
        replaceSelection(CoreChars(event->commitString()), true);
    event->accept();
}

QVariant LargeTextView::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return text_ != nullptr;
    if (query == Qt::ImCursorRectangle && text_) {
        const qreal x = xInLine(caret_);
        const qint64 row = qint64(caret_.line) - qint64(firstVisibleLine());
        return QRect(int(x) + kMargin - horizontalScrollBar()->value(), int(row) * lineHeight(), 1,
                     lineHeight());
    }
    return QAbstractScrollArea::inputMethodQuery(query);
}

}  // namespace halvern
