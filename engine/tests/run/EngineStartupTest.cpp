#include "run/EngineStartup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "EngineUiTestFiles.h"
#include "FileSafety.h"

namespace halvern {
namespace {

using testing::ScratchFolder;

// Runs the test body with the scratch folder as the current folder.
struct InFolder {
    explicit InFolder(const std::filesystem::path& p) : old(std::filesystem::current_path()) {
        std::filesystem::current_path(p);
    }
    ~InFolder() { std::filesystem::current_path(old); }
    std::filesystem::path old;
};

std::string StoredOptions(TSimulationOptions o) {
    const OptionsRecordBytes bytes = EncodeSimulationOptions(o);
    return std::string(bytes.begin(), bytes.end());
}

TEST(EngineStartup, OptionsComeFromTheCurrentFolderWhenTheyAskToBeLoaded) {
    ScratchFolder dir("start");
    InFolder here(dir.path());
    TSimulationOptions stored;
    stored.EditBufferLines = 77;
    stored.GraphMode = 1;
    stored.LoadAtStartUp = 1;
    dir.write("ostrel.cfg", StoredOptions(stored));
    TEngineSession session;
    StartEngineSession(session, "/opt/kit/");
    EXPECT_EQ(session.optionsFilePath, dir.file("ostrel.cfg"));
    EXPECT_EQ(session.globals.Options.EditBufferLines, 77);
    EXPECT_EQ(session.globals.GraphScale, kVelocityGraphScale);
    EXPECT_EQ(session.setupProgramPath, "/opt/kit/velkor22");
    EXPECT_EQ(session.analysisProgramPath, "/opt/kit/brisal22");
    EXPECT_EQ(session.files.projectile, "*.prj");

    stored.LoadAtStartUp = 0;
    dir.write("ostrel.cfg", StoredOptions(stored));
    TEngineSession defaults;
    StartEngineSession(defaults, "/opt/kit/");
    EXPECT_EQ(defaults.globals.Options, TSimulationOptions{});
    EXPECT_EQ(defaults.globals.GraphScale, kSpatialGraphScale);
}

TEST(EngineStartup, SiblingProgramBesideTheEngineThenOnThePathThenTheDialog) {
    ScratchFolder dir("launch");
    const std::string beside = dir.write("velkor22", "#!/bin/sh\n");
    struct Case {
        std::string path;
        bool bareStarts;
        bool started;
        std::vector<std::string> launched;
        std::vector<std::string> errors;
    };
    const std::vector<Case> cases = {
        {beside, false, true, {beside}, {}},
        {dir.file("brisal22"), true, true, {"brisal22"}, {}},
        {dir.file("brisal22"), false, false, {"brisal22"}, {"brisal22 was not found."}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> launched;
        RecordingSink sink;
        const std::string bare = FileNameOf(c.path);
        const bool started = LaunchSiblingProgram(
            c.path, bare,
            [&](const std::string& program) {
                launched.push_back(program);
                return program == c.path ? false : c.bareStarts;  // result beside is not looked at
            },
            sink);
        EXPECT_EQ(started, c.started) << c.path;
        EXPECT_EQ(launched, c.launched);
        EXPECT_EQ(sink.texts(), c.errors);
    }
}

TEST(EngineStartup, ChosenProgramThatFailsNamesItself) {
    RecordingSink sink;
    EXPECT_FALSE(LaunchChosenProgram(
        "/usr/local/bin/velkor22", [](const std::string&) { return false; }, sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"velkor22was not found on your path."});
    EXPECT_TRUE(LaunchChosenProgram(
        "/x/y", [](const std::string&) { return true; }, sink));
    EXPECT_EQ(sink.texts().size(), 1u);
}

}  // namespace
}  // namespace halvern
