#include "richtext/RichDoc.h"

namespace halvern {

void AppendRichText(RichParagraph& paragraph, std::string_view utf8,
                    const RichCharFormat& format) {
    if (utf8.empty()) return;
    if (!paragraph.items.empty()) {
        RichItem& last = paragraph.items.back();
        if (last.kind == RichItem::Kind::Text && last.format == format) {
            last.text.append(utf8);
            return;
        }
    }
    RichItem item;
    item.text = std::string(utf8);
    item.format = format;
    paragraph.items.push_back(std::move(item));
}

namespace {

RichItem& AppendItem(RichParagraph& paragraph, RichItem::Kind kind, const RichCharFormat& format) {
    RichItem& item = paragraph.items.emplace_back();
    item.kind = kind;
    item.format = format;
    return item;
}

}  // namespace

void AppendRichPicture(RichParagraph& paragraph, std::shared_ptr<const RichPicture> picture,
                       const RichCharFormat& format) {
    AppendItem(paragraph, RichItem::Kind::Picture, format).picture = std::move(picture);
}

void AppendRichObject(RichParagraph& paragraph, std::shared_ptr<const RichObject> object,
                      const RichCharFormat& format) {
    AppendItem(paragraph, RichItem::Kind::Object, format).object = std::move(object);
}

std::string ParagraphText(const RichParagraph& paragraph) {
    std::string text;
    for (const RichItem& item : paragraph.items) {
        if (item.kind != RichItem::Kind::Text) continue;
        std::string_view rest = item.text;
        for (size_t at = rest.find(kRichLineBreak); at != std::string_view::npos;
             at = rest.find(kRichLineBreak)) {
            text.append(rest.substr(0, at));
            text += '\n';
            rest.remove_prefix(at + kRichLineBreak.size());
        }
        text.append(rest);
    }
    return text;
}

std::string RichPlainText(const RichDoc& doc) {
    std::string text;
    for (size_t i = 0; i < doc.paragraphs.size(); ++i) {
        if (i > 0) text += '\n';
        text += ParagraphText(doc.paragraphs[i]);
    }
    return text;
}

}  // namespace halvern
