// The large-text view's core: reading in pieces, editing with undo, find and replace, and saving,
// each checked against the plain-text rules and a whole-string model as oracles.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "editor/PlainText.h"
#include "largetext/LargeText.h"
#include "largetext/LargeTextLoader.h"
#include "largetext/LargeTextSave.h"

namespace halvern {
namespace {

class LargeTextTest : public test::ScratchDir {
  protected:
    // The file's text read in pieces of `piece` bytes.
    LargeText load(const std::string& bytes, size_t piece = 1 << 20) {
        const std::string file = path("text.txt");
        EXPECT_TRUE(WriteFileReplacing(file, bytes));
        LargeTextLoader loader;
        std::string reason;
        EXPECT_TRUE(loader.open(file, reason)) << reason;
        EXPECT_EQ(loader.fileSize(), bytes.size());
        while (!loader.finished()) EXPECT_TRUE(loader.readPiece(piece, reason)) << reason;
        EXPECT_EQ(loader.bytesRead(), bytes.size());
        return LargeText(loader.take());
    }
    std::string saved(const LargeText& text) {
        const std::string file = path("saved.txt");
        EXPECT_TRUE(SaveLargeText(text, file));
        return contents(file);
    }
};

// The whole text as UTF-8, lines joined by '\n'.
std::string Whole(const LargeText& text) {
    return Utf16ToUtf8(text.text({0, 0}, text.end()));
}

std::u16string U16(std::string_view utf8) {
    std::u16string out;
    AppendUtf16(out, utf8);
    return out;
}

// Bytes drawn from pieces that matter to lines and encodings.
std::string RandomBytes(std::mt19937& random, size_t pieces) {
    static const std::vector<std::string> kinds = {"a", "bc ", "\r", "\n", "\r\n", "\xC3\xA9",
                                                   "\xE2\x80\xA8", "\xC2\xA0", "\xE9", "\t"};
    std::string bytes;
    for (size_t i = 0; i < pieces; ++i) bytes += kinds[random() % kinds.size()];
    return bytes;
}

TEST_F(LargeTextTest, ReadsLinesAndEncodingAsThePlainTextRulesInAnyPieces) {
    std::mt19937 random(29);
    std::vector<std::string> inputs = {"",          "\r\n",        "a",          "a\r\n",
                                       "a\rb\r\r\n", "a\n\nb\r\n", "caf\xE9\r\n", "x\r"};
    for (int i = 0; i < 30; ++i) inputs.push_back(RandomBytes(random, random() % 40));
    for (const std::string& bytes : inputs) {
        const PlainText oracle = DecodePlainText(bytes);
        for (const size_t piece : {size_t(1), size_t(2), size_t(3), size_t(1) << 20}) {
            SCOPED_TRACE(testing::Message() << "piece " << piece << " bytes " << bytes);
            const LargeText text = load(bytes, piece);
            EXPECT_EQ(Whole(text), oracle.utf8);
            EXPECT_EQ(text.store().fileEncoding(), oracle.encoding);
            EXPECT_EQ(text.isEmptyFile(), bytes.empty());
            EXPECT_EQ(saved(text), EncodePlainText(oracle.utf8, oracle.encoding, oracle.oneEmptyLine));
        }
    }
}

TEST_F(LargeTextTest, RefusesWhatIsNoRegularFileAtOnce) {
    const std::string fifo = path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {{fifo, "it is not a regular file"},
                 {dir_.string(), "it is not a regular file"},
                 {path("missing.txt"), "No such file or directory"}};
    for (const auto& c : cases) {
        LargeTextLoader loader;
        std::string reason;
        EXPECT_FALSE(loader.open(c.path, reason)) << c.path;
        EXPECT_EQ(reason, c.reason);
    }
}

// Random edits agree with the same edits on one string; undo takes them all back and redo
// makes them again.
TEST_F(LargeTextTest, EditsUndoAndRedoAgreeWithAWholeStringModel) {
    std::mt19937 random(7);
    const std::string start = "first line\r\nsecond \xC3\xA9\r\n\r\nlast";
    LargeText text = load(start);
    std::u16string model = U16(DecodePlainText(start).utf8);
    std::vector<std::u16string> history = {model};
    const std::vector<std::u16string> inserts = {u"", u"x", u"two\nlines", u"\r\n", u"a\rb\r\nc",
                                                 u"\u00A0\u2028"};
    const auto offset = [&](TextPos pos) {  // the model's index of a position
        size_t index = 0;
        for (size_t line = 0; line < pos.line; ++line) index = model.find(u'\n', index) + 1;
        return index + pos.column;
    };
    for (int step = 0; step < 200; ++step) {
        const TextPos a = text.clamp({random() % (text.lineCount() + 1), random() % 12});
        const TextPos b = text.clamp({random() % (text.lineCount() + 1), random() % 12});
        const std::u16string& insert = inserts[random() % inserts.size()];
        const size_t from = std::min(offset(a), offset(b));
        const size_t to = std::max(offset(a), offset(b));
        std::u16string normalised;
        for (size_t i = 0; i < insert.size(); ++i) {
            if (insert[i] == u'\r' && i + 1 < insert.size() && insert[i + 1] == u'\n') continue;
            normalised += insert[i] == u'\r' ? u'\n' : insert[i];
        }
        const TextPos caret = text.replace(a, b, insert, step % 3 == 0);
        model.replace(from, to - from, normalised);
        ASSERT_EQ(text.text({0, 0}, text.end()), model) << step;
        ASSERT_EQ(offset(caret), from + normalised.size()) << step;
        history.push_back(model);
    }
    while (text.canUndo()) text.undo();
    EXPECT_EQ(text.text({0, 0}, text.end()), history.front());
    while (text.canRedo()) text.redo();
    EXPECT_EQ(text.text({0, 0}, text.end()), history.back());
}

TEST_F(LargeTextTest, TypingIsOneUndoStepUntilTheCaretJumps) {
    LargeText text = load("abc\r\n");
    TextPos caret{0, 1};
    for (const char16_t c : u"XYZ") {
        if (c == 0) break;
        caret = text.replace(caret, caret, std::u16string(1, c), true);
    }
    text.replace({0, 0}, {0, 0}, u"Q", true);  // elsewhere: a step of its own
    EXPECT_EQ(text.line(0), u"QaXYZbc");
    EXPECT_EQ(text.undo(), (TextPos{0, 0}));
    EXPECT_EQ(text.undo(), (TextPos{0, 1}));
    EXPECT_EQ(text.line(0), u"abc");
    EXPECT_FALSE(text.canUndo());
}

// Find and Replace All on lines agree with the editors' search over the whole text, where line
// ends are word boundaries.
TEST_F(LargeTextTest, FindAndReplaceAllAgreeWithTheWholeTextSearch) {
    const std::string bytes = "cat concat\r\nCat\r\n\r\nthe cat, cat.\r\ncaT";
    const struct {
        const char16_t* pattern;
        SearchOptions options;
    } cases[] = {{u"cat", {false, false}}, {u"cat", {true, false}}, {u"Cat", {false, true}},
                 {u"dog", {}}, {u"t\u00A0", {}}};
    for (const auto& c : cases) {
        LargeText text = load(bytes);
        const std::u16string whole = text.text({0, 0}, text.end());
        const std::vector<TextHit> oracle = FindAllText(whole, 0, c.pattern, c.options);
        std::vector<std::u16string> found;
        TextPos from{0, 0};
        while (const auto hit = text.find(from, c.pattern, c.options)) {
            found.push_back(text.text(hit->start, hit->end));
            from = hit->end;
        }
        ASSERT_EQ(found.size(), oracle.size());
        std::u16string replaced = whole;
        for (auto hit = oracle.rbegin(); hit != oracle.rend(); ++hit)
            replaced.replace(hit->start, hit->length, u"dog");
        EXPECT_EQ(text.replaceAll(c.pattern, u"dog", c.options), oracle.size());
        EXPECT_EQ(text.text({0, 0}, text.end()), replaced);
        if (!oracle.empty()) {
            text.undo();
            EXPECT_EQ(text.text({0, 0}, text.end()), whole);
        }
        EXPECT_FALSE(text.canUndo());
    }
}

// Saving keeps the encoding the file was read with unless an edit needs more.
TEST_F(LargeTextTest, SavesInTheEncodingItWasReadWith) {
    const struct {
        const char* name;
        std::string bytes;
        std::u16string typed;
        std::string saved;
    } cases[] = {
        {"Latin-1 kept", "caf\xE9\n\xA0x", u"\u00FC", "\xFC" "caf\xE9\r\n\xA0x\r\n"},
        {"Latin-1 becomes UTF-8", "caf\xE9\n", u"\u03B1", "\xCE\xB1" "caf\xC3\xA9\r\n"},
        {"UTF-8 kept", "\xE2\x80\xA8\r\n", u"\u00FC", "\xC3\xBC\xE2\x80\xA8\r\n"},
        {"one empty line stays", "\r\n", u"", "\r\n"},
        {"an empty file stays empty", "", u"", ""},
        {"typed into an empty file", "", u"x", "x\r\n"},
    };
    for (const auto& c : cases) {
        LargeText text = load(c.bytes);
        text.replace({0, 0}, {0, 0}, c.typed);
        EXPECT_EQ(saved(text), c.saved) << c.name;
    }
    LargeText text = load("kept\r\n");
    EXPECT_FALSE(SaveLargeText(text, path("no such folder/x.txt")));
    EXPECT_EQ(contents(path("text.txt")), "kept\r\n");
}

}  // namespace
}  // namespace halvern
