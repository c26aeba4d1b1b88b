// A rich-text document as the editors and the engine log hold it apart from any window:
// paragraphs of runs with character and paragraph formats, pictures and embedded objects.
// Lengths are in twips (1/1440 inch), font sizes in half-points, colours 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Colours.h"

namespace halvern {

// A line break inside a paragraph (RTF \line), kept in run text as U+2028.
inline constexpr std::string_view kRichLineBreak = "\xE2\x80\xA8";

enum class RichScript : uint8_t { Normal, Super, Sub };

struct RichCharFormat {
    std::string font;          // family name; empty: the document's default font
    int32_t halfPoints = 0;    // 0: the default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    RichScript script = RichScript::Normal;
    std::optional<ColourRef> colour;  // none: the automatic colour

    bool operator==(const RichCharFormat&) const = default;
};

enum class RichAlign : uint8_t { Left, Right, Centre, Justify };

struct RichParaFormat {
    RichAlign align = RichAlign::Left;
    int32_t leftIndent = 0;
    int32_t rightIndent = 0;
    int32_t firstIndent = 0;  // of the first line, relative to the left indent
    int32_t spaceBefore = 0;
    int32_t spaceAfter = 0;

    bool operator==(const RichParaFormat&) const = default;
};

enum class PictureFormat : uint8_t { Png, Jpeg, Other };

struct RichPicture {
    PictureFormat format = PictureFormat::Other;
    std::string data;           // the PNG or JPEG file's bytes
    int32_t pixelWidth = 0;     // 0: unknown
    int32_t pixelHeight = 0;
    int32_t width = 0;          // shown size; 0: from the pixels
    int32_t height = 0;
    // Other formats (metafiles, bitmaps): shown as a placeholder named by `kindName`, and the
    // whole {\pict ...} group as read is written back unchanged.
    std::string kindName;
    std::string source;

    bool operator==(const RichPicture&) const = default;
};

enum class ObjectKind : uint8_t { Embedded, Linked, Foreign };
enum class ObjectAspect : uint8_t { Content, Icon };

struct RichObject {
    ObjectKind kind = ObjectKind::Embedded;
    std::string className;  // foreign objects: their \objclass
    std::string fileName;   // embedded: the name of the file it came from; linked: its path
    std::string data;       // embedded: the file's bytes
    ObjectAspect aspect = ObjectAspect::Content;
    int32_t width = 0;      // shown size
    int32_t height = 0;
    RichPicture result;     // what is shown: the content's picture or the icon
    // Foreign objects: the whole {\object ...} group as read, written back unchanged.
    std::string source;

    bool operator==(const RichObject&) const = default;
};

// One piece of a paragraph: a run of text, a picture or an object. Pictures and objects do not
// change once made, so windows and copies share them.
struct RichItem {
    enum class Kind : uint8_t { Text, Picture, Object };
    Kind kind = Kind::Text;
    std::string text;  // UTF-8; '\t' for a tab, kRichLineBreak for a line break
    RichCharFormat format;
    std::shared_ptr<const RichPicture> picture;
    std::shared_ptr<const RichObject> object;
};

struct RichParagraph {
    RichParaFormat format;
    std::vector<RichItem> items;
};

struct RichDoc {
    std::string defaultFont;      // empty: the reader's or window's own
    int32_t defaultHalfPoints = 0;
    std::vector<RichParagraph> paragraphs;  // at least one once anything was added
};

// Appends text to the paragraph, joining it to the last run when that has the same format.
void AppendRichText(RichParagraph& paragraph, std::string_view utf8, const RichCharFormat& format);
void AppendRichPicture(RichParagraph& paragraph, std::shared_ptr<const RichPicture> picture,
                       const RichCharFormat& format = {});
void AppendRichObject(RichParagraph& paragraph, std::shared_ptr<const RichObject> object,
                      const RichCharFormat& format = {});

// The text of a paragraph, pictures and objects left out, line breaks as '\n'.
std::string ParagraphText(const RichParagraph& paragraph);
// The document's text: paragraphs joined by '\n'.
std::string RichPlainText(const RichDoc& doc);

}  // namespace halvern
