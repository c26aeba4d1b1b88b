#include "richtext/RtfReader.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "richtext/ObjectPacket.h"
#include "richtext/TextCodec.h"

namespace halvern {

namespace {

// Where the text of a group goes.
enum class Dest : uint8_t {
    Body,         // the document
    Skip,         // nowhere, nested groups included
    Ignore,       // nowhere, but nested groups may name a destination (inside \object)
    FontTable,
    ColourTable,
    Picture,      // hex or \bin picture data
    Object,
    ObjectClass,
    ObjectName,
    ObjectData,
    ObjectResult  // the picture an object shows
};

// Character state with the table indices unresolved until the text is flushed.
struct CharState {
    int font = -1;  // -1: the default font
    int colour = 0;  // 0: automatic
    int32_t halfPoints = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    RichScript script = RichScript::Normal;

    bool operator==(const CharState&) const = default;
};

struct GroupState {
    Dest dest = Dest::Body;
    CharState chr;
    RichParaFormat para;
    int uc = 1;
    bool starred = false;   // \* seen: an unknown destination word skips the group
    bool sawWord = false;   // a control word was read in this group
    bool sawText = false;   // text, a control symbol or a nested group was read in this group
    size_t start = 0;       // offset of the group's '{'
};

struct PictureBuild {
    size_t depth = 0;
    size_t start = 0;
    bool forObject = false;
    RichPicture picture;
    int32_t picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
    int nibble = -1;  // the first half of a byte being read
};

struct ObjectBuild {
    size_t depth = 0;
    size_t start = 0;
    RichObject object;
    std::string className, name, data;
    int nibble = -1;
    int32_t objw = 0, objh = 0, scalex = 100, scaley = 100;
    std::optional<RichPicture> result;
};

constexpr int32_t kMaxTwips = 1000000;  // about 700 inches: larger sizes are nonsense

int32_t ScaledTwips(int64_t twips, int64_t percent) {
    const int64_t v = twips * std::clamp<int64_t>(percent, 1, 10000) / 100;
    return static_cast<int32_t>(std::clamp<int64_t>(v, 0, kMaxTwips));
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Destinations whose contents are never text of the document.
constexpr std::string_view kSkippedDestinations[] = {
    "info",        "stylesheet",  "header",      "headerl",      "headerr",     "headerf",
    "footer",      "footerl",     "footerr",     "footerf",      "footnote",    "annotation",
    "atnid",       "atnauthor",   "fldinst",     "nonshppict",   "listtable",   "listoverridetable",
    "rsidtbl",     "xmlnstbl",    "pgdsctbl",    "filetbl",      "revtbl",      "template",
    "private",     "xe",          "tc",          "txe",          "generator",   "themedata",
    "colorschememapping", "datastore", "latentstyles", "pntxta", "pntxtb",      "bkmkstart",
    "bkmkend",     "fontemb",     "userprops",   "docvar"};

// Special characters written as control words.
struct NamedChar {
    std::string_view word;
    char32_t c;
};
constexpr NamedChar kNamedChars[] = {{"emdash", 0x2014},
                                                    {"endash", 0x2013},
                                                    {"bullet", 0x2022},
                                                    {"lquote", 0x2018},
                                                    {"rquote", 0x2019},
                                                    {"ldblquote", 0x201C},
                                                    {"rdblquote", 0x201D},
                                                    {"emspace", 0x2003},
                                                    {"enspace", 0x2002},
                                                    {"qmspace", 0x2005},
                                                    {"zwj", 0x200D},
                                                    {"zwnj", 0x200C},
                                                    {"tab", U'\t'}};

std::string_view PictureKindName(std::string_view word) {
    if (word == "emfblip") return "Enhanced metafile";
    if (word == "macpict") return "Macintosh picture";
    if (word == "pmmetafile") return "OS/2 metafile";
    if (word == "dibitmap" || word == "wbitmap") return "Bitmap";
    return "Windows metafile";
}

class RtfParse {
  public:
    explicit RtfParse(std::string_view in) : in_(in) {}

    RtfReadResult run();

  private:
    // Reading.
    void openGroup();
    void closeGroup();
    void controlWord();
    void controlSymbol();
    void character(char c);
    void binary(int32_t n);
    bool consumeFallback();

    // Words.
    bool destinationWord(std::string_view word, bool first);
    bool characterWord(std::string_view word, bool hasParam, int32_t param);
    bool paragraphWord(std::string_view word, int32_t param);
    void pictureWord(std::string_view word, bool hasParam, int32_t param);
    void objectWord(std::string_view word, int32_t param);
    bool unicodeWord(std::string_view word, bool hasParam, int32_t param);
    void unicodeChar(int32_t param);
    void unicodeText(char32_t c);

    // Output.
    void emit(char32_t c);
    void put(char32_t c);
    void flush();
    void endParagraph();
    void endRow();
    RichCharFormat format(const CharState& chr) const;
    void addHex(char c, int& nibble, std::string& out);
    void finishPicture();
    void finishObject();
    void addFontChar(uint8_t byte);
    void fontChar(char32_t c);
    void commitFont();
    void commitColour();

    GroupState& top() { return stack_.back(); }

    std::string_view in_;
    size_t pos_ = 0;
    std::vector<GroupState> stack_;
    RtfReadResult result_;
    bool tooDeep_ = false;
    bool done_ = false;

    int skipFallback_ = 0;
    char16_t highSurrogate_ = 0;

    std::string pending_;
    CharState pendingChr_;

    int defaultFont_ = 0;
    std::map<int, std::string> fonts_;
    int fontEntry_ = -1;
    std::string fontName_;
    std::vector<std::optional<ColourRef>> colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourSet_ = false;

    std::optional<PictureBuild> picture_;
    std::optional<ObjectBuild> object_;
};

RtfReadResult RtfParse::run() {
    result_.doc.paragraphs.emplace_back();
    while (pos_ < in_.size() && !done_ && !tooDeep_) {
        const char c = in_[pos_++];
        if (c == '{') {
            openGroup();
        } else if (c == '}') {
            closeGroup();
        } else if (c == '\\') {
            if (pos_ >= in_.size()) break;
            if (IsLetter(in_[pos_]))
                controlWord();
            else
                controlSymbol();
        } else if (c != '\r' && c != '\n') {
            if (!stack_.empty()) top().sawText = true;
            if (!consumeFallback()) character(c);
        }
    }
    if (tooDeep_) {
        result_.ok = false;
        result_.error = "its groups are nested more than " + std::to_string(kRtfMaxDepth) +
                        " levels deep";
        result_.doc = RichDoc();
        return std::move(result_);
    }
    if (!done_ && !stack_.empty()) {  // a document cut short: keep what was read
        flush();
        result_.doc.paragraphs.back().format = top().para;
    }
    if (const auto font = fonts_.find(defaultFont_); font != fonts_.end())
        result_.doc.defaultFont = font->second;
    result_.ok = true;
    return std::move(result_);
}

void RtfParse::openGroup() {
    skipFallback_ = 0;
    if (stack_.size() >= static_cast<size_t>(kRtfMaxDepth)) {
        tooDeep_ = true;
        return;
    }
    // A destination word must open its group: one after a nested group is no destination, or a
    // picture's or object's source would hold text the document has already taken.
    if (!stack_.empty()) top().sawText = true;
    GroupState child = stack_.empty() ? GroupState{} : top();
    child.start = pos_ - 1;
    child.starred = false;
    child.sawWord = false;
    child.sawText = false;
    switch (child.dest) {
        case Dest::Picture:
        case Dest::ObjectClass:
        case Dest::ObjectName:
        case Dest::ObjectData:
            child.dest = Dest::Skip;
            break;
        case Dest::Object:
            child.dest = Dest::Ignore;
            break;
        default:
            break;
    }
    stack_.push_back(child);
}

void RtfParse::closeGroup() {
    skipFallback_ = 0;
    if (stack_.empty()) return;  // a stray brace before the document
    const Dest dest = top().dest;
    if (dest == Dest::FontTable) commitFont();
    if (picture_ && picture_->depth == stack_.size()) finishPicture();
    if (object_ && object_->depth == stack_.size()) finishObject();
    if (stack_.size() == 1) {
        // The end of the document: paragraph formats still in force apply to the last paragraph.
        flush();
        result_.doc.paragraphs.back().format = top().para;
        done_ = true;
        return;
    }
    stack_.pop_back();
}

void RtfParse::controlWord() {
    const size_t begin = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
    const std::string_view word = in_.substr(begin, pos_ - begin);
    bool hasParam = false;
    int64_t value = 0;
    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    while (pos_ < in_.size() && IsDigit(in_[pos_])) {
        hasParam = true;
        value = std::min<int64_t>(value * 10 + (in_[pos_] - '0'), INT32_MAX);
        ++pos_;
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    const int32_t param = static_cast<int32_t>(negative ? -value : value);

    if (stack_.empty()) return;  // words before the first group mean nothing
    if (word == "bin") {
        binary(hasParam ? param : 0);
        consumeFallback();
        return;
    }
    if (consumeFallback()) return;
    GroupState& g = top();
    const bool first = !g.sawWord && !g.sawText;
    g.sawWord = true;
    if (g.dest == Dest::Skip) return;
    if (destinationWord(word, first)) return;
    if (g.starred && first) {
        g.dest = Dest::Skip;  // an optional destination this reader does not know
        return;
    }
    // Font names and the text spell characters beyond the code page alike.
    if ((g.dest == Dest::Body || g.dest == Dest::FontTable) && unicodeWord(word, hasParam, param))
        return;
    switch (g.dest) {
        case Dest::FontTable:
            if (word == "f" && hasParam) {
                commitFont();
                fontEntry_ = param;
            }
            return;
        case Dest::ColourTable:
            if (word == "red") red_ = std::clamp(param, 0, 255), colourSet_ = true;
            if (word == "green") green_ = std::clamp(param, 0, 255), colourSet_ = true;
            if (word == "blue") blue_ = std::clamp(param, 0, 255), colourSet_ = true;
            return;
        case Dest::Picture:
            pictureWord(word, hasParam, param);
            return;
        case Dest::Object:
            objectWord(word, param);
            return;
        case Dest::Body:
            break;
        default:
            return;
    }
    if (word == "deff") {
        defaultFont_ = param;
        return;
    }
    if (characterWord(word, hasParam, param) || paragraphWord(word, param)) return;
    for (const NamedChar& named : kNamedChars)
        if (word == named.word) {
            emit(named.c);
            return;
        }
}

// `first`: the word opens its group. Pictures and objects count only there, as their groups are
// kept whole.
bool RtfParse::destinationWord(std::string_view word, bool first) {
    GroupState& g = top();
    const Dest parent = g.dest;
    if ((word == "pict" || word == "object") && !first) return false;
    // The tables are the document's: a table inside an object or a result changes nothing.
    if ((word == "fonttbl" || word == "colortbl") && parent != Dest::Body) {
        g.dest = Dest::Skip;
        return true;
    }
    if (word == "fonttbl") {
        g.dest = Dest::FontTable;
        fontEntry_ = -1;
        fontName_.clear();
    } else if (word == "colortbl") {
        g.dest = Dest::ColourTable;
        colours_.clear();
        colourSet_ = false;
    } else if (word == "pict") {
        if ((parent != Dest::Body && parent != Dest::ObjectResult) || picture_) {
            g.dest = Dest::Skip;
            return true;
        }
        flush();
        picture_.emplace();
        picture_->depth = stack_.size();
        picture_->start = g.start;
        picture_->forObject = parent == Dest::ObjectResult;
        g.dest = Dest::Picture;
    } else if (word == "object") {
        if (parent != Dest::Body || object_) {
            g.dest = Dest::Skip;
            return true;
        }
        flush();
        object_.emplace();
        object_->depth = stack_.size();
        object_->start = g.start;
        g.dest = Dest::Object;
    } else if (word == "objclass" || word == "objname" || word == "objdata" || word == "result") {
        if (parent != Dest::Ignore || !object_ || stack_.size() != object_->depth + 1) {
            g.dest = Dest::Skip;
            return true;
        }
        g.dest = word == "objclass"  ? Dest::ObjectClass
                 : word == "objname" ? Dest::ObjectName
                 : word == "objdata" ? Dest::ObjectData
                                     : Dest::ObjectResult;
    } else if (word == "field" || word == "fldrslt" || word == "shppict") {
        // Transparent: the field's result and the picture of a shape are the document's.
    } else if (std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations),
                         word) != std::end(kSkippedDestinations)) {
        g.dest = Dest::Skip;
    } else {
        return false;
    }
    return true;
}

bool RtfParse::characterWord(std::string_view word, bool hasParam, int32_t param) {
    CharState& chr = top().chr;
    const bool on = !hasParam || param != 0;
    if (word == "plain") {
        chr = CharState{};
    } else if (word == "b") {
        chr.bold = on;
    } else if (word == "i") {
        chr.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
               word == "uldash" || word == "ulwave" || word == "ulth") {
        chr.underline = on;
    } else if (word == "ulnone") {
        chr.underline = false;
    } else if (word == "strike") {
        chr.strike = on;
    } else if (word == "fs") {
        chr.halfPoints = hasParam ? std::clamp(param, 0, 3276) : 0;
    } else if (word == "f") {
        chr.font = hasParam ? param : -1;
    } else if (word == "cf") {
        chr.colour = std::max(param, 0);
    } else if (word == "super") {
        chr.script = RichScript::Super;
    } else if (word == "sub") {
        chr.script = RichScript::Sub;
    } else if (word == "nosupersub") {
        chr.script = RichScript::Normal;
    } else {
        return false;
    }
    return true;
}

bool RtfParse::paragraphWord(std::string_view word, int32_t param) {
    RichParaFormat& para = top().para;
    const int32_t twips = std::clamp(param, -kMaxTwips, kMaxTwips);
    if (word == "par" || word == "page" || word == "sect") {
        endParagraph();
    } else if (word == "line") {
        emit(0x2028);
    } else if (word == "cell" || word == "nestcell") {
        emit(U'\t');
    } else if (word == "row" || word == "nestrow") {
        endRow();
    } else if (word == "pard") {
        para = RichParaFormat{};
    } else if (word == "ql") {
        para.align = RichAlign::Left;
    } else if (word == "qr") {
        para.align = RichAlign::Right;
    } else if (word == "qc") {
        para.align = RichAlign::Centre;
    } else if (word == "qj") {
        para.align = RichAlign::Justify;
    } else if (word == "li") {
        para.leftIndent = twips;
    } else if (word == "ri") {
        para.rightIndent = twips;
    } else if (word == "fi") {
        para.firstIndent = twips;
    } else if (word == "sb") {
        para.spaceBefore = std::max(twips, 0);
    } else if (word == "sa") {
        para.spaceAfter = std::max(twips, 0);
    } else {
        return false;
    }
    return true;
}

void RtfParse::pictureWord(std::string_view word, bool hasParam, int32_t param) {
    PictureBuild& p = *picture_;
    if (word == "pngblip") {
        p.picture.format = PictureFormat::Png;
    } else if (word == "jpegblip") {
        p.picture.format = PictureFormat::Jpeg;
    } else if (word == "wmetafile" || word == "emfblip" || word == "macpict" ||
               word == "pmmetafile" || word == "dibitmap" || word == "wbitmap") {
        p.picture.format = PictureFormat::Other;
        p.picture.kindName = std::string(PictureKindName(word));
    } else if (!hasParam) {
        return;
    } else if (word == "picw") {
        p.picw = std::clamp(param, 0, kMaxTwips);
    } else if (word == "pich") {
        p.pich = std::clamp(param, 0, kMaxTwips);
    } else if (word == "picwgoal") {
        p.goalw = std::clamp(param, 0, kMaxTwips);
    } else if (word == "pichgoal") {
        p.goalh = std::clamp(param, 0, kMaxTwips);
    } else if (word == "picscalex") {
        p.scalex = param;
    } else if (word == "picscaley") {
        p.scaley = param;
    }
}

void RtfParse::objectWord(std::string_view word, int32_t param) {
    ObjectBuild& o = *object_;
    if (word == "objemb") o.object.kind = ObjectKind::Embedded;
    if (word == "objlink" || word == "objautlink") o.object.kind = ObjectKind::Linked;
    if (word == "objw") o.objw = std::clamp(param, 0, kMaxTwips);
    if (word == "objh") o.objh = std::clamp(param, 0, kMaxTwips);
    if (word == "objscalex") o.scalex = param;
    if (word == "objscaley") o.scaley = param;
}

void RtfParse::controlSymbol() {
    const char c = in_[pos_++];
    if (stack_.empty()) return;
    if (c == '\'') {
        // Two hex digits; an escape cut short swallows the digit it has.
        int byte = 0;
        int digits = 0;
        while (digits < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0) {
            byte = byte * 16 + HexValue(in_[pos_++]);
            ++digits;
        }
        if (digits < 2) byte = -1;
        if (consumeFallback() || byte < 0) return;
        if (top().dest == Dest::FontTable)
            addFontChar(static_cast<uint8_t>(byte));
        else if (top().dest == Dest::Body)
            emit(Cp1252ToUnicode(static_cast<uint8_t>(byte)));
        return;
    }
    if (consumeFallback()) return;
    GroupState& g = top();
    if (c != '*') g.sawText = true;
    switch (c) {
        case '*':
            g.starred = true;
            break;
        case '\\':
        case '{':
        case '}':
            character(c);
            break;
        case '~':
            if (g.dest == Dest::Body) emit(0x00A0);
            break;
        case '_':
            if (g.dest == Dest::Body) emit(0x2011);
            break;
        case '\r':
        case '\n':
            if (g.dest == Dest::Body) endParagraph();
            break;
        default:
            break;  // \- optional hyphen, \: and \| index marks
    }
}

void RtfParse::character(char c) {
    if (stack_.empty()) return;
    GroupState& g = top();
    switch (g.dest) {
        case Dest::Body:
            if (static_cast<uint8_t>(c) >= 0x80)
                emit(Cp1252ToUnicode(static_cast<uint8_t>(c)));
            else if (c == '\t' || static_cast<uint8_t>(c) >= 0x20)
                emit(static_cast<uint8_t>(c));
            break;
        case Dest::FontTable:
            if (c == ';')
                commitFont();
            else
                addFontChar(static_cast<uint8_t>(c));
            break;
        case Dest::ColourTable:
            if (c == ';') commitColour();
            break;
        case Dest::Picture:
            addHex(c, picture_->nibble, picture_->picture.data);
            break;
        case Dest::ObjectData:
            addHex(c, object_->nibble, object_->data);
            break;
        case Dest::ObjectClass:
            object_->className += c;
            break;
        case Dest::ObjectName:
            AppendUtf8(object_->name, Cp1252ToUnicode(static_cast<uint8_t>(c)));
            break;
        default:
            break;
    }
}

void RtfParse::binary(int32_t n) {
    const size_t count = std::min(static_cast<size_t>(std::max(n, 0)), in_.size() - pos_);
    const std::string_view bytes = in_.substr(pos_, count);
    pos_ += count;
    if (stack_.empty()) return;
    if (top().dest == Dest::Picture) picture_->picture.data.append(bytes);
    if (top().dest == Dest::ObjectData) object_->data.append(bytes);
}

// After \uN the next uc characters are the fallback for readers without Unicode.
bool RtfParse::consumeFallback() {
    if (skipFallback_ <= 0) return false;
    --skipFallback_;
    return true;
}

bool RtfParse::unicodeWord(std::string_view word, bool hasParam, int32_t param) {
    if (word == "u" && hasParam) {
        unicodeChar(param);
        return true;
    }
    if (word == "uc") {
        top().uc = std::clamp(param, 0, 16);
        return true;
    }
    return false;
}

void RtfParse::unicodeChar(int32_t param) {
    const char32_t unit = static_cast<char32_t>(param < 0 ? param + 65536 : param) & 0xFFFF;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        if (highSurrogate_ != 0) {
            highSurrogate_ = 0;
            unicodeText(0xFFFD);
        }
        highSurrogate_ = static_cast<char16_t>(unit);
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
        const char32_t high = highSurrogate_;
        highSurrogate_ = 0;
        unicodeText(high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : 0xFFFD);
    } else {
        unicodeText(unit);
    }
    skipFallback_ = top().uc;
}

void RtfParse::unicodeText(char32_t c) {
    if (top().dest == Dest::FontTable)
        fontChar(c);
    else
        emit(c);
}

void RtfParse::emit(char32_t c) {
    if (top().dest != Dest::Body) return;
    // Control characters and object marks are no text, however they are spelled.
    if ((c < 0x20 && c != '\t') || c == 0xFFFC) return;
    if (highSurrogate_ != 0) put(0xFFFD);  // a high surrogate without its low half
    highSurrogate_ = 0;
    put(c);
}

void RtfParse::put(char32_t c) {
    if (!pending_.empty() && !(pendingChr_ == top().chr)) flush();
    pendingChr_ = top().chr;
    AppendUtf8(pending_, c);
}

RichCharFormat RtfParse::format(const CharState& chr) const {
    RichCharFormat f;
    if (chr.font >= 0 && chr.font != defaultFont_)
        if (const auto font = fonts_.find(chr.font); font != fonts_.end()) f.font = font->second;
    f.halfPoints = chr.halfPoints;
    f.bold = chr.bold;
    f.italic = chr.italic;
    f.underline = chr.underline;
    f.strike = chr.strike;
    f.script = chr.script;
    if (chr.colour > 0 && static_cast<size_t>(chr.colour) < colours_.size())
        f.colour = colours_[static_cast<size_t>(chr.colour)];
    return f;
}

void RtfParse::flush() {
    if (pending_.empty()) return;
    AppendRichText(result_.doc.paragraphs.back(), pending_, format(pendingChr_));
    pending_.clear();
}

void RtfParse::endParagraph() {
    flush();
    result_.doc.paragraphs.back().format = top().para;
    result_.doc.paragraphs.emplace_back();
}

// A table row ends its line; the tab of its last cell goes.
void RtfParse::endRow() {
    RichParagraph& paragraph = result_.doc.paragraphs.back();
    if (!pending_.empty()) {
        if (pending_.back() == '\t') pending_.pop_back();
    } else if (!paragraph.items.empty() && paragraph.items.back().kind == RichItem::Kind::Text) {
        std::string& text = paragraph.items.back().text;
        if (!text.empty() && text.back() == '\t') text.pop_back();
        if (text.empty()) paragraph.items.pop_back();
    }
    endParagraph();
}

void RtfParse::addHex(char c, int& nibble, std::string& out) {
    const int v = HexValue(c);
    if (v < 0) return;
    if (nibble < 0) {
        nibble = v;
    } else {
        out += static_cast<char>(nibble * 16 + v);
        nibble = -1;
    }
}

void RtfParse::addFontChar(uint8_t byte) {
    fontChar(Cp1252ToUnicode(byte));
}

void RtfParse::fontChar(char32_t c) {
    if (highSurrogate_ != 0) AppendUtf8(fontName_, 0xFFFD);  // without its low half
    highSurrogate_ = 0;
    if (c >= 0x20) AppendUtf8(fontName_, c);
}

void RtfParse::commitFont() {
    if (highSurrogate_ != 0) fontChar(0);
    if (fontEntry_ >= 0) {
        std::string name = fontName_;
        while (!name.empty() && name.back() == ' ') name.pop_back();
        while (!name.empty() && name.front() == ' ') name.erase(0, 1);
        fonts_[fontEntry_] = std::move(name);
    }
    fontEntry_ = -1;
    fontName_.clear();
}

void RtfParse::commitColour() {
    if (colourSet_)
        colours_.push_back(static_cast<ColourRef>(red_ | (green_ << 8) | (blue_ << 16)));
    else
        colours_.push_back(std::nullopt);
    red_ = green_ = blue_ = 0;
    colourSet_ = false;
}

void RtfParse::finishPicture() {
    PictureBuild p = std::move(*picture_);
    picture_.reset();
    RichPicture& pic = p.picture;
    const bool bitmap = pic.format != PictureFormat::Other;
    if (bitmap) {
        pic.pixelWidth = p.picw;
        pic.pixelHeight = p.pich;
    } else {
        const size_t end = pos_;  // just past the closing brace
        pic.source = std::string(in_.substr(p.start, end - p.start));
        pic.data.clear();
        if (pic.kindName.empty()) pic.kindName = "Picture";
    }
    // \picw and \pich are pixels for bitmaps, hundredths of a millimetre for metafiles.
    const auto natural = [&](int32_t n) {
        return bitmap ? int64_t(n) * 15 : int64_t(n) * 1440 / 2540;
    };
    pic.width = ScaledTwips(p.goalw > 0 ? p.goalw : natural(p.picw), p.scalex);
    pic.height = ScaledTwips(p.goalh > 0 ? p.goalh : natural(p.pich), p.scaley);
    if (p.forObject) {
        if (object_ && (!object_->result || object_->result->format == PictureFormat::Other))
            object_->result = std::move(pic);
        return;
    }
    AppendRichPicture(result_.doc.paragraphs.back(),
                      std::make_shared<const RichPicture>(std::move(pic)), format(top().chr));
}

void RtfParse::finishObject() {
    ObjectBuild o = std::move(*object_);
    object_.reset();
    RichObject& obj = o.object;
    obj.width = ScaledTwips(o.objw, o.scalex);
    obj.height = ScaledTwips(o.objh, o.scaley);
    if (o.result) obj.result = std::move(*o.result);
    std::string className = o.className;
    while (!className.empty() && className.back() == ' ') className.pop_back();
    obj.className = className;
    if (className != kKitObjectClass || !UnpackObjectData(o.data, obj)) {
        obj.kind = ObjectKind::Foreign;
        obj.fileName = o.name;
        obj.source = std::string(in_.substr(o.start, pos_ - o.start));
    }
    if (obj.width == 0) obj.width = obj.result.width;
    if (obj.height == 0) obj.height = obj.result.height;
    // The object's group is its parent's business: the text format in force outside it.
    const CharState outside = stack_.size() >= 2 ? stack_[stack_.size() - 2].chr : top().chr;
    AppendRichObject(result_.doc.paragraphs.back(),
                     std::make_shared<const RichObject>(std::move(obj)), format(outside));
}

}  // namespace

bool LooksLikeRtf(std::string_view bytes) {
    return bytes.substr(0, 5) == "{\\rtf";
}

RtfReadResult ReadRtf(std::string_view bytes) {
    if (!LooksLikeRtf(bytes)) {
        RtfReadResult refused;
        refused.error = "it is not rich text";
        return refused;
    }
    return RtfParse(bytes).run();
}

}  // namespace halvern
