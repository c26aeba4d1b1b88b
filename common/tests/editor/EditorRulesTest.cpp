// The editor window's rules: closing, saving, names, reading a file and its plain text.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "editor/EditorRules.h"
#include "editor/PlainText.h"
#include "editor/TextSearch.h"

namespace halvern {
namespace {

// The save dialog answers from a script; writing succeeds unless told otherwise.
struct FakeSaving : EditorSaving {
    std::optional<std::string> answer;
    bool writes = true;
    std::vector<std::string> asked;    // the names the dialog started from
    std::vector<std::string> written;  // the names written

    std::optional<std::string> chooseSaveName(const std::string& proposed) override {
        asked.push_back(proposed);
        return answer;
    }
    bool writeFile(const std::string& path) override {
        if (writes) written.push_back(path);
        return writes;
    }
};

struct CloseCase {
    const char* name;
    bool modified;
    std::vector<bool> answers;          // to "Save changes to ...?"
    std::optional<std::string> dialog;  // the save dialog's answer
    bool writes;
    bool closes;
    std::vector<std::string> written;
};

TEST(EditorRules, CloseCases) {
    const std::vector<CloseCase> cases = {
        {"untouched: no question", false, {}, std::nullopt, true, true, {}},
        {"changed, No: closes unsaved", true, {false}, std::nullopt, true, true, {}},
        {"changed, Yes, Cancel: stays", true, {true}, std::nullopt, true, false, {}},
        {"changed, Yes, a name: saved", true, {true}, "/tmp/a.txt", true, true, {"/tmp/a.txt"}},
        {"changed, Yes, failed save: stays", true, {true}, "/x/a.txt", false, false, {}},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const EditorFile file{"NEW0.TXT", c.modified, true};
        FakeSaving saving;
        saving.answer = c.dialog;
        saving.writes = c.writes;
        RecordingSink sink;
        for (bool a : c.answers) sink.scriptAnswers({a});
        EXPECT_EQ(MayCloseEditor(file, saving, sink), c.closes);
        EXPECT_EQ(sink.texts(), c.modified ? std::vector<std::string>{"Save changes to NEW0.TXT?"}
                                           : std::vector<std::string>{});
        EXPECT_EQ(saving.written, c.written);
        const bool dialogRan = !c.answers.empty() && c.answers[0];
        EXPECT_EQ(saving.asked, dialogRan ? std::vector<std::string>{"NEW0.TXT"}
                                          : std::vector<std::string>{});
    }
}

TEST(EditorRules, KeptWindowAsksAgainOnTheNextClose) {
    const EditorFile file{"UNTITLED.0", true, true};
    FakeSaving saving;  // Cancel
    RecordingSink sink;
    sink.setDefaultAnswer(true);
    EXPECT_FALSE(MayCloseEditor(file, saving, sink));
    EXPECT_FALSE(MayCloseEditor(file, saving, sink));
    EXPECT_EQ(sink.count(RecordingSink::Kind::YesNo), 2);
}

struct SaveCase {
    const char* name;
    EditorFile before;
    bool saveAs;
    std::optional<std::string> dialog;
    bool writes;
    bool saved;
    EditorFile after;
    std::vector<std::string> asked;
};

TEST(EditorRules, SaveAndSaveAs) {
    const std::vector<SaveCase> cases = {
        {"Save, untitled: the dialog", {"UNTITLED.0", true, true}, false, "/d/a.txt", true, true,
         {"/d/a.txt", false, false}, {"UNTITLED.0"}},
        {"Save, titled: no dialog", {"/d/a.txt", true, false}, false, std::nullopt, true, true,
         {"/d/a.txt", false, false}, {}},
        {"Save, untitled, Cancel", {"UNTITLED.RTF", true, true}, false, std::nullopt, true, false,
         {"UNTITLED.RTF", true, true}, {"UNTITLED.RTF"}},
        {"Save, failed write: name kept", {"UNTITLED.2", true, true}, false, "/no/b.txt", false,
         false, {"UNTITLED.2", true, true}, {"UNTITLED.2"}},
        {"Save As, untitled: stays untitled", {"UNTITLED.0", true, true}, true, "/d/c.txt", true,
         true, {"/d/c.txt", false, true}, {"UNTITLED.0"}},
        {"Save As, titled", {"/d/a.txt", true, false}, true, "/d/d.txt", true, true,
         {"/d/d.txt", false, false}, {"/d/a.txt"}},
        {"Save As, failed write", {"/d/a.txt", true, false}, true, "/no/e.txt", false, false,
         {"/d/a.txt", true, false}, {"/d/a.txt"}},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        EditorFile file = c.before;
        FakeSaving saving;
        saving.answer = c.dialog;
        saving.writes = c.writes;
        EXPECT_EQ(SaveEditor(file, c.saveAs, saving), c.saved);
        EXPECT_EQ(file.fileName, c.after.fileName);
        EXPECT_EQ(file.modified, c.after.modified);
        EXPECT_EQ(file.untitled, c.after.untitled);
        EXPECT_EQ(saving.asked, c.asked);
    }
}

TEST(EditorRules, SaveAsLeavesUntitledSoSaveAsksAgainFromTheNewName) {
    EditorFile file{"UNTITLED.0", true, true};
    FakeSaving saving;
    saving.answer = "/d/new.txt";
    ASSERT_TRUE(SaveEditor(file, true, saving));
    ASSERT_TRUE(SaveEditor(file, false, saving));
    EXPECT_EQ(saving.asked, (std::vector<std::string>{"UNTITLED.0", "/d/new.txt"}));
    ASSERT_TRUE(SaveEditor(file, false, saving));  // now titled: no dialog
    EXPECT_EQ(saving.asked.size(), 2u);
    EXPECT_EQ(saving.written.size(), 3u);
}

TEST(EditorRules, WindowNames) {
    int setup = 0;
    EXPECT_EQ(SetupNewEditorCaption(false, setup), "UNTITLED.0");
    EXPECT_EQ(SetupNewEditorCaption(true, setup), "UNTITLED.RTF");
    EXPECT_EQ(SetupNewEditorCaption(false, setup), "UNTITLED.2");
    int analysis = 0;
    for (const char* name : {"NEW0.TXT", "NEW1.TXT", "NEW2.TXT"})
        EXPECT_EQ(AnalysisNewEditorCaption(analysis), name);
    EXPECT_EQ(ModeStatusText(true), "Plain text");
    EXPECT_EQ(ModeStatusText(false), "Rich text");
}

TEST(EditorRules, RichTextNames) {
    for (const char* rich : {"log.rtf", "LOG.RTF", "/a.b/x.Rtf"}) EXPECT_TRUE(NamesRichTextFile(rich));
    for (const char* plain : {"log.txt", "log", "/run.rtf/log", "log.rtf.txt", "rtf"})
        EXPECT_FALSE(NamesRichTextFile(plain)) << plain;
}

TEST(EditorRules, ReadingFollowsTheMode) {
    const std::string rtf = "{\\rtf1 {\\b bold}\\par}";
    EditorContent content;
    std::string error;
    ASSERT_TRUE(ReadEditorContent(rtf, true, content, error));
    EXPECT_TRUE(content.rich);
    EXPECT_EQ(RichPlainText(content.doc), "bold\n");
    ASSERT_TRUE(ReadEditorContent(rtf, false, content, error));
    EXPECT_FALSE(content.rich);
    EXPECT_EQ(content.plain.utf8, rtf);
    ASSERT_TRUE(ReadEditorContent("plain\r\nlines\r\n", true, content, error));
    EXPECT_FALSE(content.rich);
    EXPECT_EQ(content.plain.utf8, "plain\nlines");
    const std::string deep = "{\\rtf1 " + std::string(300, '{');
    EXPECT_FALSE(ReadEditorContent(deep, true, content, error));
    EXPECT_EQ(ReadErrorText("x.rtf", error),
              "Error reading x.rtf: its groups are nested more than 256 levels deep.");
    EXPECT_EQ(ReadErrorText("x.rtf"), "Error reading x.rtf.");
}

TEST(PlainText, DecodeFindsTheEncodingAndTheLines) {
    const struct {
        std::string bytes, text;
        TextEncoding encoding;
    } cases[] = {
        {"a\r\nb\r\n", "a\nb", TextEncoding::Utf8},
        {"a\nb", "a\nb", TextEncoding::Utf8},
        {"a\rb\r\r\n", "a\nb\n", TextEncoding::Utf8},
        {"caf\xC3\xA9", "caf\xC3\xA9", TextEncoding::Utf8},
        {"caf\xE9", "caf\xC3\xA9", TextEncoding::Latin1},
        {"\xC3", "\xC3\x83", TextEncoding::Latin1},
        {"", "", TextEncoding::Utf8},
    };
    for (const auto& c : cases) {
        const PlainText text = DecodePlainText(c.bytes);
        EXPECT_EQ(text.utf8, c.text) << c.bytes;
        EXPECT_EQ(text.encoding, c.encoding) << c.bytes;
    }
}

TEST(PlainText, EncodeWritesCrLfInTheEncodingItWasReadWith) {
    const struct {
        std::string text;
        TextEncoding encoding;
        std::string bytes;
    } cases[] = {
        {"a\nb", TextEncoding::Utf8, "a\r\nb\r\n"},
        {"a\r\nb\rc", TextEncoding::Utf8, "a\r\nb\r\nc\r\n"},
        {"obj\xEF\xBF\xBC" "ect", TextEncoding::Utf8, "object\r\n"},
        {"caf\xC3\xA9", TextEncoding::Latin1, "caf\xE9\r\n"},
        {"caf\xC3\xA9", TextEncoding::Utf8, "caf\xC3\xA9\r\n"},
        {"\xCE\xB1 caf\xC3\xA9", TextEncoding::Latin1, "\xCE\xB1 caf\xC3\xA9\r\n"},
        {"", TextEncoding::Utf8, ""},
        {"\n", TextEncoding::Utf8, "\r\n\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodePlainText(c.text, c.encoding), c.bytes) << c.text;
}

// A file read and written back unchanged holds every character it had: no-break spaces, line
// and paragraph separators and control characters are text, and one empty line stays one.
TEST(PlainText, EveryCharacterRoundTrips) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"no-break space", "a\xC2\xA0" "b\r\n"},
        {"line separator", "a\xE2\x80\xA8" "b\r\n"},
        {"paragraph separator", "a\xE2\x80\xA9" "b\r\n"},
        {"next line, form feed, tab", "a\xC2\x85" "b\x0C" "c\td\r\n"},
        {"Latin-1 no-break space", "a\xA0" "b\r\n"},
        {"one empty line", "\r\n"},
        {"two empty lines", "\r\n\r\n"},
        {"nothing", ""},
        {"empty line after text", "x\r\n\r\n"},
    };
    for (const auto& c : cases) {
        const PlainText text = DecodePlainText(c.bytes);
        EXPECT_EQ(EncodePlainText(text.utf8, text.encoding, text.oneEmptyLine), c.bytes) << c.name;
    }
}

TEST(PlainText, ReplaceAllCountsInItsBox) {
    EXPECT_EQ(ReplacedCountText(12), "Replaced 12 occurrences.");
    EXPECT_EQ(ReplacedCountText(1), "Replaced 1 occurrence.");
    EXPECT_EQ(ReplacedCountText(0), "Replaced 0 occurrences.");
}

}  // namespace
}  // namespace halvern
