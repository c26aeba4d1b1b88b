// The readers a user can hand any name refuse a FIFO, a socket or a folder at once, saying that
// it is no regular file; none of them waits for a writer that never comes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "EngineTestRuns.h"
#include "Isolated.h"
#include "RichEditEx.h"
#include "composite/SplineDataFile.h"
#include "grapher/ColumnFile.h"
#include "grapher/GrapherModel.h"
#include "host/SimulationOptions.h"
#include "inputfiles/ModelFile.h"
#include "inputfiles/ProjectileFile.h"
#include "plotter/TrajectoryReaders.h"
#include "processes/RecordProcesses.h"

namespace halvern::test {
namespace {

namespace fs = std::filesystem;

struct Reader {
    const char* name;
    // Reads `source`; the messages of its sink and log, one a line.
    std::function<std::string(const std::string& source, const std::string& folder)> read;
    bool saysNotRegular;  // the reader names the reason (the others only refuse)
};

std::string Errors(const RecordingSink& sink) {
    std::string texts;
    for (const auto& e : sink.entries()) texts += e.text + "\n";
    return texts;
}

std::vector<Reader> Readers() {
    return {
        {"engine: projectile file",
         [](const std::string& s, const std::string&) {
             RecordingHost host;
             TProjectileData data;
             ReadProjectileFile(s, data, host);
             return Joined(host.texts());
         },
         true},
        {"engine: target file",
         [](const std::string& s, const std::string&) {
             RecordingSink sink;
             CountTargetLines(s, sink);
             return Errors(sink);
         },
         true},
        {"engine: options file at start-up",
         [](const std::string& s, const std::string&) {
             TSimulationOptions options;
             return std::string(LoadOptionsAtStartUp(s, options) ? "loaded" : "");
         },
         false},
        {"set-up: projectile loader",
         [](const std::string& s, const std::string&) {
             velkor::TProjectileSpec spec;
             return std::string(velkor::LoadPrjFile(s, spec) ? "loaded" : "");
         },
         false},
        {"set-up: model loader",
         [](const std::string& s, const std::string&) {
             RecordingSink sink;
             velkor::TModelSpec spec;
             velkor::LoadMdlFile(s, spec, sink);
             return Errors(sink);
         },
         false},
        {"set-up: spline data",
         [](const std::string& s, const std::string&) {
             RecordingSink sink;
             velkor::TPotentialCurve curve;
             velkor::LoadPotentialData(s, curve, sink);
             return Errors(sink);
         },
         true},
        {"analysis: record process source",
         [](const std::string& s, const std::string& folder) {
             RecordingProcessHost host;
             FilterFile(host, s, folder + "/out.osl", "[rx > 0.0]");
             return Errors(host.messages);
         },
         true},
        {"analysis: plotter, record file",
         [](const std::string& s, const std::string& folder) {
             RecordingSink sink;
             TrajectoryData data;
             const std::string osl = folder + "/link.osl";
             fs::remove(osl);
             fs::create_symlink(s, osl);
             LoadTrajectory(sink, osl, DisplayType::Spatial, data);
             return Errors(sink);
         },
         true},
        {"analysis: plotter, ASCII trajectory",
         [](const std::string& s, const std::string&) {
             RecordingSink sink;
             TrajectoryData data;
             LoadTrajectory(sink, s, DisplayType::Spatial, data);
             return Errors(sink);
         },
         true},
        {"analysis: grapher column file",
         [](const std::string& s, const std::string&) {
             RecordingSink sink;
             DataCache cache;
             cache.fileName = s;
             LoadCache(cache, 0, 1, sink);
             return Errors(sink);
         },
         true},
        {"editor: open",
         [](const std::string& s, const std::string&) {
             RecordingSink sink;
             RichEditEx editor;
             editor.setPlainTextMode(true);
             editor.loadFile(s, sink);
             return Errors(sink);
         },
         true},
    };
}

TEST(EveryReader, RefusesWhatIsNoRegularFileAtOnce) {
    ScratchFolder folder("readers");
    const std::string fifo = folder.file("source");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const std::string dir = folder.file("folder.dat");
    fs::create_directory(dir);
    for (const Reader& r : Readers()) {
        SCOPED_TRACE(r.name);
        for (const std::string& source : {fifo, dir}) {
            const IsolatedResult run =
                RunIsolated([&] { return r.read(source, folder.path().string()) + "|"; });
            ASSERT_TRUE(run.finished) << "the reader blocked on " << source;
            EXPECT_EQ(run.text.find("loaded"), std::string::npos);
            if (r.saysNotRegular) {
                EXPECT_NE(run.text.find(" is not a regular file."), std::string::npos) << run.text;
            }
        }
    }
}

}  // namespace
}  // namespace halvern::test
