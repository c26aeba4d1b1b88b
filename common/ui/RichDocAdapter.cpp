#include "RichDocAdapter.h"

#include <QBrush>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <cmath>
#include <optional>

#include "DisplayText.h"
#include "QtColours.h"
#include "RichObjects.h"

namespace halvern {

namespace {

constexpr qreal kTwipsPerPixel = 15;

int32_t Twips(qreal pixels) {
    return static_cast<int32_t>(std::lround(pixels * kTwipsPerPixel));
}

void AppendItems(RichParagraph& paragraph, const QTextFragment& fragment, const QFont& font,
                 std::optional<ColourRef> textColour) {
    const QTextCharFormat format = fragment.charFormat();
    RichCharFormat rich = FromQtCharFormat(format, font);
    if (!rich.colour) rich.colour = textColour;
    const auto picture = PictureOf(format);
    const auto object = ObjectOf(format);
    const QString text = fragment.text();
    if (!picture && !object) {
        QString plain = text;
        plain.remove(QChar::ObjectReplacementCharacter);  // objects of other kinds are not kept
        AppendRichText(paragraph, CoreText(plain), rich);
        return;
    }
    for (const QChar c : text) {
        if (c != QChar::ObjectReplacementCharacter) continue;
        if (picture) AppendRichPicture(paragraph, picture, rich);
        if (object) AppendRichObject(paragraph, object, rich);
    }
}

}  // namespace

QTextCharFormat ToQtCharFormat(const RichCharFormat& f) {
    QTextCharFormat q;
    if (!f.font.empty()) q.setFontFamilies({DecodeText(f.font)});
    if (f.halfPoints > 0) q.setFontPointSize(f.halfPoints / 2.0);
    if (f.bold) q.setFontWeight(QFont::Bold);
    if (f.italic) q.setFontItalic(true);
    if (f.underline) q.setFontUnderline(true);
    if (f.strike) q.setFontStrikeOut(true);
    if (f.script == RichScript::Super) q.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (f.script == RichScript::Sub) q.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (f.colour) q.setForeground(ToQColor(*f.colour));
    return q;
}

QTextBlockFormat ToQtBlockFormat(const RichParaFormat& f) {
    QTextBlockFormat q;
    switch (f.align) {
        case RichAlign::Left: q.setAlignment(Qt::AlignLeft); break;
        case RichAlign::Right: q.setAlignment(Qt::AlignRight); break;
        case RichAlign::Centre: q.setAlignment(Qt::AlignHCenter); break;
        case RichAlign::Justify: q.setAlignment(Qt::AlignJustify); break;
    }
    if (f.leftIndent != 0) q.setLeftMargin(f.leftIndent / kTwipsPerPixel);
    if (f.rightIndent != 0) q.setRightMargin(f.rightIndent / kTwipsPerPixel);
    if (f.firstIndent != 0) q.setTextIndent(f.firstIndent / kTwipsPerPixel);
    if (f.spaceBefore != 0) q.setTopMargin(f.spaceBefore / kTwipsPerPixel);
    if (f.spaceAfter != 0) q.setBottomMargin(f.spaceAfter / kTwipsPerPixel);
    return q;
}

RichCharFormat FromQtCharFormat(const QTextCharFormat& q, const QFont& documentFont) {
    RichCharFormat f;
    if (q.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = q.fontFamilies().toStringList();
        if (!families.isEmpty() && families.front() != documentFont.family())
            f.font = CoreText(families.front());
    }
    const qreal points =
        q.hasProperty(QTextFormat::FontPointSize) ? q.fontPointSize() : documentFont.pointSizeF();
    if (points > 0) f.halfPoints = static_cast<int32_t>(std::lround(points * 2));
    f.bold = q.hasProperty(QTextFormat::FontWeight) ? q.fontWeight() >= QFont::DemiBold
                                                    : documentFont.bold();
    f.italic = q.hasProperty(QTextFormat::FontItalic) ? q.fontItalic() : documentFont.italic();
    f.underline = q.fontUnderline();
    f.strike = q.fontStrikeOut();
    if (q.verticalAlignment() == QTextCharFormat::AlignSuperScript) f.script = RichScript::Super;
    if (q.verticalAlignment() == QTextCharFormat::AlignSubScript) f.script = RichScript::Sub;
    if (q.hasProperty(QTextFormat::ForegroundBrush) && q.foreground().style() != Qt::NoBrush)
        f.colour = ToColourRef(q.foreground().color());
    return f;
}

RichParaFormat FromQtBlockFormat(const QTextBlockFormat& q) {
    RichParaFormat f;
    const Qt::Alignment a = q.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignRight) f.align = RichAlign::Right;
    if (a & Qt::AlignHCenter) f.align = RichAlign::Centre;
    if (a & Qt::AlignJustify) f.align = RichAlign::Justify;
    f.leftIndent = Twips(q.leftMargin());
    f.rightIndent = Twips(q.rightMargin());
    f.firstIndent = Twips(q.textIndent());
    f.spaceBefore = Twips(q.topMargin());
    f.spaceAfter = Twips(q.bottomMargin());
    return f;
}

void InsertRichDoc(QTextCursor& cursor, const RichDoc& doc, bool formatFirstBlock) {
    cursor.beginEditBlock();
    for (size_t i = 0; i < doc.paragraphs.size(); ++i) {
        const RichParagraph& paragraph = doc.paragraphs[i];
        const QTextBlockFormat block = ToQtBlockFormat(paragraph.format);
        if (i > 0)
            cursor.insertBlock(block);
        else if (formatFirstBlock)
            cursor.setBlockFormat(block);
        for (const RichItem& item : paragraph.items) {
            // Text without a font of its own is in the document's default font.
            RichCharFormat rich = item.format;
            if (rich.font.empty()) rich.font = doc.defaultFont;
            const QTextCharFormat format = ToQtCharFormat(rich);
            switch (item.kind) {
                case RichItem::Kind::Text:
                    cursor.insertText(DecodeText(item.text), format);
                    break;
                case RichItem::Kind::Picture:
                    if (item.picture)
                        cursor.insertText(QString(QChar::ObjectReplacementCharacter),
                                          PictureCharFormat(item.picture, format));
                    break;
                case RichItem::Kind::Object:
                    if (item.object)
                        cursor.insertText(QString(QChar::ObjectReplacementCharacter),
                                          ObjectCharFormat(item.object, format));
                    break;
            }
        }
    }
    cursor.endEditBlock();
}

RichDoc RichDocFromDocument(const QTextDocument& doc, const QColor& textColour) {
    RichDoc rich;
    const QFont font = doc.defaultFont();
    rich.defaultFont = CoreText(font.family());
    const ColourRef shown = ToColourRef(textColour);
    const std::optional<ColourRef> colour =
        shown == 0 ? std::nullopt : std::optional<ColourRef>(shown);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        RichParagraph& paragraph = rich.paragraphs.emplace_back();
        paragraph.format = FromQtBlockFormat(block.blockFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            AppendItems(paragraph, it.fragment(), font, colour);
    }
    return rich;
}

RichDoc RichDocFromSelection(const QTextCursor& cursor, const QColor& textColour) {
    QTextDocument copy;
    if (cursor.document() != nullptr) copy.setDefaultFont(cursor.document()->defaultFont());
    QTextCursor(&copy).insertFragment(cursor.selection());
    return RichDocFromDocument(copy, textColour);
}

}  // namespace halvern
