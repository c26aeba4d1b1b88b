#include "richtext/RtfWriter.h"

#include <algorithm>
#include <map>
#include <vector>

#include "richtext/ObjectPacket.h"
#include "richtext/TextCodec.h"

namespace halvern {

namespace {

constexpr size_t kHexLine = 128;  // hex digits per line of picture and object data

// The document's font and colour tables, built before the text is written.
struct Tables {
    std::map<std::string, int> fonts;  // name -> index; the default font is 0
    std::vector<std::string> fontNames;
    std::string defaultFont;
    std::vector<ColourRef> colours;    // index + 1 is the \cf number

    int font(const std::string& name) const {
        const auto it = fonts.find(name);
        return it == fonts.end() ? 0 : it->second;
    }
    int colour(ColourRef c) const {
        const auto it = std::find(colours.begin(), colours.end(), c);
        return static_cast<int>(it - colours.begin()) + 1;
    }
};

void AddFont(Tables& t, const std::string& name) {
    if (name.empty() || t.fonts.count(name) != 0) return;
    t.fonts[name] = static_cast<int>(t.fontNames.size());
    t.fontNames.push_back(name);
}

Tables CollectTables(const RichDoc& doc) {
    Tables t;
    t.defaultFont = doc.defaultFont.empty() ? std::string(kRtfFallbackFont) : doc.defaultFont;
    AddFont(t, t.defaultFont);
    for (const RichParagraph& p : doc.paragraphs)
        for (const RichItem& item : p.items) {
            if (item.kind != RichItem::Kind::Text) continue;  // written without a format
            AddFont(t, item.format.font);
            if (item.format.colour &&
                std::find(t.colours.begin(), t.colours.end(), *item.format.colour) ==
                    t.colours.end())
                t.colours.push_back(*item.format.colour);
        }
    return t;
}

void AppendNumber(std::string& out, const char* word, int64_t n) {
    out += '\\';
    out += word;
    out += std::to_string(n);
}

void AppendHexByte(std::string& out, int byte) {
    static const char* hex = "0123456789abcdef";
    out += "\\'";
    out += hex[byte >> 4];
    out += hex[byte & 15];
}

// Text of a font name or of the document: RTF's own characters escaped, and the font table's
// separator where the text is a font's name.
void AppendEscaped(std::string& out, std::string_view utf8, bool fontName = false) {
    size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = NextUtf8(utf8, pos);
        if (fontName && (c == ';' || c == 0xA0)) {
            AppendHexByte(out, static_cast<int>(c));
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == 0x2028) {
            out += "\\line ";
        } else if (c == 0xA0) {
            out += "\\~";
        } else if (c < 0x20 || c == 0xFFFC) {
            // Control characters and stray object marks are not text.
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (const int byte = UnicodeToCp1252(c); byte >= 0x80) {
            AppendHexByte(out, byte);
        } else if (c < 0x10000) {
            AppendNumber(out, "u", static_cast<int16_t>(c));
            out += '?';
        } else {
            const char32_t v = c - 0x10000;
            AppendNumber(out, "u", static_cast<int16_t>(0xD800 + (v >> 10)));
            out += '?';
            AppendNumber(out, "u", static_cast<int16_t>(0xDC00 + (v & 0x3FF)));
            out += '?';
        }
    }
}

void AppendHex(std::string& out, std::string_view bytes) {
    static const char* hex = "0123456789abcdef";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % (kHexLine / 2) == 0) out += "\r\n";
        const auto b = static_cast<uint8_t>(bytes[i]);
        out += hex[b >> 4];
        out += hex[b & 15];
    }
}

void AppendHeader(std::string& out, const Tables& t) {
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (size_t i = 0; i < t.fontNames.size(); ++i) {
        out += "{";
        AppendNumber(out, "f", static_cast<int64_t>(i));
        out += "\\fnil ";
        AppendEscaped(out, t.fontNames[i], true);
        out += ";}";
    }
    out += "}";
    if (!t.colours.empty()) {
        out += "\r\n{\\colortbl ;";
        for (const ColourRef c : t.colours) {
            AppendNumber(out, "red", RedOf(c));
            AppendNumber(out, "green", GreenOf(c));
            AppendNumber(out, "blue", BlueOf(c));
            out += ';';
        }
        out += "}";
    }
    out += "\r\n\\viewkind4";
}

// The control words of a character format that differs from the default; empty for none.
std::string CharWords(const RichCharFormat& f, const Tables& t) {
    std::string w;
    if (!f.font.empty() && f.font != t.defaultFont) AppendNumber(w, "f", t.font(f.font));
    if (f.halfPoints > 0) AppendNumber(w, "fs", f.halfPoints);
    if (f.bold) w += "\\b";
    if (f.italic) w += "\\i";
    if (f.underline) w += "\\ul";
    if (f.strike) w += "\\strike";
    if (f.script == RichScript::Super) w += "\\super";
    if (f.script == RichScript::Sub) w += "\\sub";
    if (f.colour) AppendNumber(w, "cf", t.colour(*f.colour));
    return w;
}

void AppendParaFormat(std::string& out, const RichParaFormat& f) {
    out += "\\pard";
    if (f.align == RichAlign::Right) out += "\\qr";
    if (f.align == RichAlign::Centre) out += "\\qc";
    if (f.align == RichAlign::Justify) out += "\\qj";
    if (f.leftIndent != 0) AppendNumber(out, "li", f.leftIndent);
    if (f.rightIndent != 0) AppendNumber(out, "ri", f.rightIndent);
    if (f.firstIndent != 0) AppendNumber(out, "fi", f.firstIndent);
    if (f.spaceBefore != 0) AppendNumber(out, "sb", f.spaceBefore);
    if (f.spaceAfter != 0) AppendNumber(out, "sa", f.spaceAfter);
    out += ' ';
}

void AppendPicture(std::string& out, const RichPicture& p) {
    if (p.format == PictureFormat::Other) {
        out += p.source;
        return;
    }
    out += p.format == PictureFormat::Png ? "{\\pict\\pngblip" : "{\\pict\\jpegblip";
    if (p.pixelWidth > 0) AppendNumber(out, "picw", p.pixelWidth);
    if (p.pixelHeight > 0) AppendNumber(out, "pich", p.pixelHeight);
    if (p.width > 0) AppendNumber(out, "picwgoal", p.width);
    if (p.height > 0) AppendNumber(out, "pichgoal", p.height);
    AppendHex(out, p.data);
    out += "}";
}

void AppendObject(std::string& out, const RichObject& o) {
    if (o.kind == ObjectKind::Foreign) {
        out += o.source;
        return;
    }
    out += o.kind == ObjectKind::Linked ? "{\\object\\objlink" : "{\\object\\objemb";
    if (o.width > 0) AppendNumber(out, "objw", o.width);
    if (o.height > 0) AppendNumber(out, "objh", o.height);
    out += "{\\*\\objclass ";
    out += kKitObjectClass;
    out += "}{\\*\\objname ";
    AppendEscaped(out, o.fileName);
    out += "}{\\*\\objdata";
    AppendHex(out, PackObjectData(o));
    out += "}";
    if (o.result.format != PictureFormat::Other || !o.result.source.empty()) {
        out += "{\\result ";
        AppendPicture(out, o.result);
        out += "}";
    }
    out += "}";
}

// Text runs in a group of their formats (runs that write the same words share one group);
// pictures and objects bare, as RTF gives them no character format of their own (and a foreign
// group keeps the depth it was read at).
void AppendItems(std::string& out, const std::vector<RichItem>& items, const Tables& t) {
    bool inRun = false;     // text is being written
    std::string openWords;  // and these are the words of its group ("" for none)
    const auto close = [&] {
        if (inRun && !openWords.empty()) out += '}';
        inRun = false;
    };
    for (const RichItem& item : items) {
        if (item.kind != RichItem::Kind::Text) {
            close();
            if (item.picture) AppendPicture(out, *item.picture);
            if (item.object) AppendObject(out, *item.object);
            continue;
        }
        const std::string words = CharWords(item.format, t);
        if (!inRun || words != openWords) {
            close();
            if (!words.empty()) {
                out += '{';
                out += words;
                out += ' ';
            }
            openWords = words;
            inRun = true;
        }
        AppendEscaped(out, item.text);
    }
    close();
}

}  // namespace

std::string WriteRtf(const RichDoc& doc) {
    const Tables tables = CollectTables(doc);
    std::string out;
    AppendHeader(out, tables);
    if (doc.defaultHalfPoints > 0) AppendNumber(out, "fs", doc.defaultHalfPoints);
    for (size_t i = 0; i < doc.paragraphs.size(); ++i) {
        const RichParagraph& p = doc.paragraphs[i];
        if (i > 0) out += "\\par\r\n";
        AppendParaFormat(out, p.format);
        AppendItems(out, p.items, tables);
    }
    out += "\r\n}\r\n";
    return out;
}

}  // namespace halvern
