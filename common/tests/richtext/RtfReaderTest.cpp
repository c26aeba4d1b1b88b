// The RTF reader on hand-written files, checked against texts, formats and colours written out
// by hand, and its tolerance of what real and broken files hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileSafety.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "RichTestSupport.h"

namespace halvern {
namespace {

using test::Bold;
using test::Fs;

TEST(RtfReader, GoldenFile) {
    const std::string bytes = test::RtfTestFile("golden.rtf");
    const RtfReadResult read = ReadRtf(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    const RichDoc& doc = read.doc;
    EXPECT_EQ(doc.defaultFont, "Arial");
    ASSERT_EQ(doc.paragraphs.size(), 8u);

    const RichCharFormat body = Fs(24);
    RichCharFormat red = body;
    red.italic = true;
    red.colour = 0x0000FF;
    RichCharFormat mono;
    mono.font = "Courier New";
    mono.halfPoints = 20;
    mono.underline = true;
    mono.colour = 0x008000;
    RichCharFormat link = body;
    link.underline = true;
    link.colour = 0x0000FF;
    const std::vector<std::vector<test::Run>> runs = {
        {{"Caf\xC3\xA9 costs 5\xE2\x82\xAC now", body}},
        {{"bold", Bold(body)}, {" ", body}, {"red italic", red}, {" ", body}, {"green mono", mono}},
        {{"a1\tb1", body}},
        {{"a2\tb2", body}},
        {{"See ", body}, {"the site", link}, {".", body}},
        {},
        {{" after", body}},
        {}};
    for (size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(test::TextRuns(doc.paragraphs[i]), runs[i]);
    }

    RichParaFormat centred;
    centred.align = RichAlign::Centre;
    centred.spaceBefore = 120;
    EXPECT_EQ(doc.paragraphs[0].format, centred);
    RichParaFormat hanging;
    hanging.leftIndent = 720;
    hanging.firstIndent = -360;
    EXPECT_EQ(doc.paragraphs[1].format, hanging);
    EXPECT_EQ(doc.paragraphs[2].format, RichParaFormat{});

    ASSERT_EQ(doc.paragraphs[5].items.size(), 1u);
    const RichItem& pictureItem = doc.paragraphs[5].items[0];
    ASSERT_EQ(pictureItem.kind, RichItem::Kind::Picture);
    const RichPicture& picture = *pictureItem.picture;
    EXPECT_EQ(picture.format, PictureFormat::Png);
    EXPECT_EQ(picture.data, test::TinyPng());
    EXPECT_EQ(picture.pixelWidth, 2);
    EXPECT_EQ(picture.pixelHeight, 2);
    EXPECT_EQ(picture.width, 600);
    EXPECT_EQ(picture.height, 300);

    ASSERT_EQ(doc.paragraphs[6].items.size(), 2u);
    ASSERT_EQ(doc.paragraphs[6].items[0].kind, RichItem::Kind::Object);
    const RichObject& object = *doc.paragraphs[6].items[0].object;
    EXPECT_EQ(object.kind, ObjectKind::Foreign);
    EXPECT_EQ(object.className, "Excel.Sheet.8");
    EXPECT_EQ(object.width, 1200);
    EXPECT_EQ(object.height, 900);
    EXPECT_EQ(object.result.format, PictureFormat::Other);
    EXPECT_EQ(object.result.kindName, "Windows metafile");
    EXPECT_EQ(object.result.width, 1200);
    const size_t start = bytes.find("{\\object");
    const size_t end = bytes.find("}}}", start) + 3;
    EXPECT_EQ(object.source, bytes.substr(start, end - start));
}

TEST(RtfReader, ForeignObjectWrittenBackByteForByte) {
    const std::string bytes = test::RtfTestFile("golden.rtf");
    const RichDoc doc = ReadRtf(bytes).doc;
    const std::string& source = doc.paragraphs[6].items[0].object->source;
    const std::string written = WriteRtf(doc);
    EXPECT_NE(written.find(source), std::string::npos);
    // And again after a second round.
    const RichDoc again = ReadRtf(written).doc;
    EXPECT_EQ(again.paragraphs[6].items[0].object->source, source);
    EXPECT_EQ(WriteRtf(again), written);
}

TEST(RtfReader, OtherPicturesArePlaceholdersWrittenBackUnchanged) {
    const std::string group = "{\\pict\\emfblip\\picw2540\\pich1270 0102\r\n0304}";
    const RichDoc doc = ReadRtf("{\\rtf1 x" + group + "y}").doc;
    ASSERT_EQ(doc.paragraphs[0].items.size(), 3u);
    const RichPicture& picture = *doc.paragraphs[0].items[1].picture;
    EXPECT_EQ(picture.format, PictureFormat::Other);
    EXPECT_EQ(picture.kindName, "Enhanced metafile");
    EXPECT_EQ(picture.width, 1440);  // hundredths of a millimetre: 25.4 mm is an inch
    EXPECT_EQ(picture.height, 720);
    EXPECT_NE(WriteRtf(doc).find(group), std::string::npos);
}

struct TextCase {
    const char* name;
    std::string rtf;
    std::string text;
};

TEST(RtfReader, TextOfTolerantCases) {
    const std::string deep = std::string(255, '{') + "x" + std::string(255, '}');
    const std::vector<TextCase> cases = {
        {"fallbacks after \\uN skipped per \\uc", "{\\rtf1 a\\uc2\\u8364\\'80\\'80b}",
         "a\xE2\x82\xAC" "b"},
        {"a group end ends the fallback", "{\\rtf1 {\\u8364}?}", "\xE2\x82\xAC?"},
        {"surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", "\xF0\x9F\x98\x80"},
        {"lone surrogate", "{\\rtf1 \\u-10179?x}", "\xEF\xBF\xBDx"},
        {"cp1252 escapes", "{\\rtf1 caf\\'e9 \\'80\\'93}", "caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C"},
        {"cp1252 bytes", "{\\rtf1 caf\xE9}", "caf\xC3\xA9"},
        {"starred unknown skipped", "{\\rtf1 a{\\*\\unknown hidden{\\b x}}b}", "ab"},
        {"plain unknown shown", "{\\rtf1 a{\\unknown shown}b}", "ashownb"},
        {"known destinations skipped",
         "{\\rtf1 a{\\header h}{\\footer f}{\\info{\\title t}}{\\stylesheet{\\s0 Normal;}}b}", "ab"},
        {"field result, starred instruction",
         "{\\rtf1 {\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}}", "7"},
        {"field result, plain instruction", "{\\rtf1 {\\field{\\fldinst PAGE}{\\fldrslt 7}}}", "7"},
        {"binary data skipped", "{\\rtf1 a\\bin3 }}}b}", "ab"},
        {"binary length past the end", "{\\rtf1 a\\bin999999 xyz", "a"},
        {"negative binary length", "{\\rtf1 a\\bin-5 b}", "ab"},
        {"cut inside an escape", "{\\rtf1 x\\'e", "x"},
        {"cut after a backslash", "{\\rtf1 x\\", "x"},
        {"unclosed groups", "{\\rtf1 un{\\b closed", "unclosed"},
        {"bytes after the document", "{\\rtf1 a}trailing", "a"},
        {"stray closing braces", "{\\rtf1 a}}}", "a"},
        {"escaped specials", "{\\rtf1 \\{\\}\\\\}", "{}\\"},
        {"special symbols", "{\\rtf1 a\\~b\\_c\\-d}", "a\xC2\xA0" "b\xE2\x80\x91" "cd"},
        {"named characters", "{\\rtf1 \\ldblquote x\\rdblquote\\emdash\\tab}",
         "\xE2\x80\x9Cx\xE2\x80\x9D\xE2\x80\x94\t"},
        {"line break and paragraphs", "{\\rtf1 a\\line b\\par c\\\nd}", "a\nb\nc\nd"},
        {"line ends in the source are no text", "{\\rtf1 a\r\nb\rc\n}", "abc"},
        {"control characters are no text", "{\\rtf1 a\\u8-\\u0?\\u65532?\\'01b}", "ab"},
        {"a picture only where its group begins", "{\\rtf1 {ab\\pict\\pngblip 0102}}", "ab0102"},
        {"huge parameter", "{\\rtf1 \\fs99999999999999999999 a\\li-99999999999999 b}", "ab"},
        {"table rows", "{\\rtf1 \\trowd a\\cell b\\cell\\row c\\cell\\row}", "a\tb\nc\n"},
        {"depth at the limit", "{\\rtf1 " + deep + "}", "x"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RtfReadResult read = ReadRtf(c.rtf);
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_EQ(RichPlainText(read.doc), c.text);
    }
}

TEST(RtfReader, Refusals) {
    const std::string tooDeep = "{\\rtf1 " + std::string(256, '{') + "x" + std::string(256, '}');
    const RtfReadResult deep = ReadRtf(tooDeep + "}");
    EXPECT_FALSE(deep.ok);
    EXPECT_EQ(deep.error, "its groups are nested more than 256 levels deep");
    EXPECT_TRUE(deep.doc.paragraphs.empty());
    const RtfReadResult plain = ReadRtf("hello {\\rtf1 x}");
    EXPECT_FALSE(plain.ok);
    EXPECT_EQ(plain.error, "it is not rich text");
    EXPECT_TRUE(LooksLikeRtf("{\\rtf1}"));
    EXPECT_FALSE(LooksLikeRtf(" {\\rtf1}"));
}

// Found by fuzzing: what the writer cannot write is no part of what the reader reads.
TEST(RtfReader, FontNamesHoldNoControlCharacters) {
    const RichDoc doc = ReadRtf("{\\rtf1{\\fonttbl{\\f0\\fnil \\'01\x02 ;}{\\f1 A\\'3bB;}}\\f1 x}").doc;
    EXPECT_EQ(doc.defaultFont, "");
    EXPECT_EQ(doc.paragraphs[0].items[0].format.font, "A;B");
    // A name's own separator and its non-breaking blanks are written so that they read back.
    RichDoc odd;
    odd.defaultFont = "\xC2\xA0" "A;B";
    EXPECT_EQ(ReadRtf(WriteRtf(odd)).doc.defaultFont, odd.defaultFont);
}

// Font names beyond code page 1252 are spelled with \uN and fallbacks, as text is.
TEST(RtfReader, FontNamesBeyondTheCodePage) {
    const std::string song = "\xE5\xAE\x8B\xE4\xBD\x93";  // the two characters of "宋体"
    const struct {
        const char* name;
        std::string entry;
        std::string font;
    } cases[] = {
        {"one fallback", "\\u23435?\\u20307?", song},
        {"two fallbacks", "\\uc2\\u23435??\\u20307??", song},
        {"no fallback", "\\uc0 \\u23435\\u20307", song},
        {"escaped fallbacks", "\\u23435\\'3f\\u20307\\'3f", song},
        {"surrogate pair", "A\\u-10179?\\u-8704?", "A\xF0\x9F\x98\x80"},
        {"lone surrogate", "\\u-10179?B", "\xEF\xBF\xBD" "B"},
    };
    for (const auto& c : cases) {
        const RichDoc doc =
            ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fnil " + c.entry + ";}}\\f1 x}").doc;
        ASSERT_EQ(doc.paragraphs[0].items.size(), 1u) << c.name;
        EXPECT_EQ(doc.paragraphs[0].items[0].format.font, c.font) << c.name;
        EXPECT_EQ(RichPlainText(doc), "x") << c.name;  // no fallback leaks into the text
    }
    RichDoc written;
    written.defaultFont = song;
    RichCharFormat other;
    other.font = "\xCE\xB1 Greek";
    AppendRichText(written.paragraphs.emplace_back(), "text", other);
    const RichDoc back = ReadRtf(WriteRtf(written)).doc;
    EXPECT_EQ(back.defaultFont, song);
    EXPECT_EQ(back.paragraphs[0].items[0].format.font, other.font);
}

// Found by fuzzing: tables inside a foreign object are the object's, not the document's.
TEST(RtfReader, TablesInsideAnObjectChangeNothing) {
    const RichDoc doc = ReadRtf("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}"
                                "{\\object{\\*\\objclass X}{\\colortbl ;\\red0\\green0\\blue255;}"
                                "{\\fonttbl{\\f0 Y;}}}{\\cf1 red}}").doc;
    EXPECT_EQ(doc.paragraphs[0].items[1].format.colour, ColourRef(0x0000FF));
    EXPECT_EQ(doc.defaultFont, "");
}

TEST(RtfReader, ShapePicturePreferredToItsFallback) {
    const RichDoc doc = ReadRtf(
        "{\\rtf1 {\\*\\shppict{\\pict\\pngblip 0102}}{\\nonshppict{\\pict\\wmetafile8 0304}}}").doc;
    ASSERT_EQ(doc.paragraphs[0].items.size(), 1u);
    EXPECT_EQ(doc.paragraphs[0].items[0].picture->format, PictureFormat::Png);
    EXPECT_EQ(doc.paragraphs[0].items[0].picture->data, std::string("\x01\x02"));
}

TEST(RtfReader, ObjectResultPrefersABitmapPicture) {
    const RichDoc doc = ReadRtf(
        "{\\rtf1 {\\object\\objemb{\\*\\objclass Paint.Picture}{\\*\\objdata 00}"
        "{\\result{\\pict\\wmetafile8 0304}{\\pict\\pngblip\\picwgoal100\\pichgoal50 0102}}}}").doc;
    const RichObject& object = *doc.paragraphs[0].items[0].object;
    EXPECT_EQ(object.result.format, PictureFormat::Png);
    EXPECT_EQ(object.width, 100);  // without \objw, the picture's size
    EXPECT_EQ(object.height, 50);
}

}  // namespace
}  // namespace halvern
