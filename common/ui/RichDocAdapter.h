// RichDoc <-> QTextDocument: the document model of the RTF reader and writer, and the document a
// rich-edit control shows. Lengths convert at 15 twips to the pixel.
#pragma once

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include "richtext/RichDoc.h"

class QTextCursor;
class QTextDocument;

namespace halvern {

QTextCharFormat ToQtCharFormat(const RichCharFormat& format);
QTextBlockFormat ToQtBlockFormat(const RichParaFormat& format);
// Runs without a size of their own get the document's default size, so that other readers
// show the text as it is seen here.
RichCharFormat FromQtCharFormat(const QTextCharFormat& format, const QFont& documentFont);
RichParaFormat FromQtBlockFormat(const QTextBlockFormat& format);

// Inserts the document at the cursor; the first paragraph's format replaces the current
// block's only when `formatFirstBlock` is set (loading, not pasting into a line).
void InsertRichDoc(QTextCursor& cursor, const RichDoc& doc, bool formatFirstBlock);

// The whole document, or the cursor's selection. Text without a colour of its own is shown in
// `textColour` (the control's), and takes it unless that is black, the automatic colour.
RichDoc RichDocFromDocument(const QTextDocument& doc, const QColor& textColour = Qt::black);
RichDoc RichDocFromSelection(const QTextCursor& cursor, const QColor& textColour = Qt::black);

}  // namespace halvern
