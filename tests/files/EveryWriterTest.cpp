// Every writer of the kit against every hazard of its destination: a symbolic link, a file
// without write bits, a folder, a FIFO, a full file system and the writer's own source. Each
// writer runs in a child process under a time limit, so a call that blocks fails the case
// instead of hanging the suite. A writer either reports its failure with the old file intact,
// or puts in place exactly what it writes onto an ordinary old file; never anything else.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "EngineTestRuns.h"
#include "GraphOutput.h"
#include "Isolated.h"
#include "LogFile.h"
#include "RichEditEx.h"
#include "ThreadedRuns.h"
#include "composite/SplineComposite.h"
#include "convert/ConvertToText.h"
#include "displacements/Displacements.h"
#include "host/SimulationOptions.h"
#include "inputfiles/ImpactFile.h"
#include "inputfiles/InelasticFile.h"
#include "inputfiles/ModelFile.h"
#include "inputfiles/ProjectileFile.h"
#include "inputfiles/RunFile.h"
#include "largetext/LargeText.h"
#include "largetext/LargeTextSave.h"
#include "orientation/ReorientWriters.h"
#include "processes/RecordProcesses.h"
#include "targets/GeneratorFrame.h"
#include "targets/TargetFileWriter.h"
#include "targets/Version21Converter.h"

namespace halvern::test {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "old contents of the destination\r\n";

// Sources a writer reads; they live apart from its destination unless the writer names its
// output after its input.
struct Sources {
    explicit Sources(const fs::path& dir) : folder(dir) {
        fs::create_directories(dir);
        const auto file = [&](const char* name, const std::string& bytes) {
            const std::string path = (dir / name).string();
            EXPECT_TRUE(WriteFileReplacing(path, bytes));
            return path;
        };
        std::string records;
        for (int k = 0; k < 4; ++k) {
            TOslRecord r{};
            r.rx = 1e-10f * static_cast<float>(k + 1);
            r.pz = 1e-21f;
            r.ms = 1e-25f;
            r.rw = k;
            r.rn = 1;
            const OslRecordBytes bytes = EncodeOslRecord(r);
            records.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        }
        osl = file("source.osl", records);
        later = file("later.osl", records);
        target =
            file("source.trg", TargetLine(0, 0, 0) + "\r\n" + TargetLine(1.805, 1.805, 0) + "\r\n");
        impacts =
            file("source.imp", ImpactLine(0, 0, 3) + "\r\n" + ImpactLine(0.5, 0.5, 3) + "\r\n");
    }
    fs::path folder;
    std::string osl, later, target, impacts;
};

// A writer: writes `destination` (its name within the folder is the row's), reporting through
// `sink`; `source` is the path of the source a writer reads, "" for one that reads none.
struct Writer {
    const char* name;
    const char* fileName;  // the destination's name
    // Sources that must lie beside the destination (prepared in its folder).
    std::function<void(const std::string& destination)> besides;
    std::function<std::string(const Sources&)> source;
    std::function<void(const Sources&, const std::string& destination, RecordingSink& sink)> write;
};

ProcessFunctions Functions() {
    ProcessFunctions f;
    f[0] = "rx";
    f[1] = "ke/ep";
    return f;
}

// Runs a process with a recording host and hands its messages over.
template <class Process>
void Processed(RecordingSink& sink, Process&& process) {
    RecordingProcessHost host;
    process(host);
    for (const auto& e : host.messages.entries()) {
        if (e.kind == RecordingSink::Kind::Error) sink.error(e.text);
    }
}

// An engine run of the small test project, with one of its outputs at `destination`.
void EngineRun(const std::string& destination, std::string TRunFileNames::*output,
               const std::string& asInput, RecordingSink& sink) {
    TestProject p;
    UseExample(p, 1);
    p.globals.RandomSeed = 1u;
    p.globals.Threads = 1;
    TSimulationOptions& o = p.globals.Options;
    o.RecordInitial = 1;
    o.LssModel = o.OenRobinsonModel = o.RecordInelastic = 1;
    p.inelastic = kLssAndOr;
    p.write();
    TRunFileNames names = p.names();
    names.*output = destination;
    if (!asInput.empty()) names.impact = asInput;
    RunSimulationSteps(names, true, p.rs);
    for (const auto& e : p.host.messages.entries()) {
        if (e.kind == RecordingSink::Kind::Error) sink.error(e.text);
    }
}

std::vector<Writer> Writers() {
    const auto none = [](const std::string&) {};
    const auto noSource = [](const Sources&) { return std::string(); };
    return {
        {"editor save (and the engine log's)", "text.txt", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             RichEditEx editor;
             editor.setPlainTextMode(true);
             editor.setPlainText(QStringLiteral("edited text"));
             editor.saveFile(d, false, sink);
         }},
        {"large-text save", "large.txt", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             LargeText text;
             text.replace({0, 0}, {0, 0}, u"edited large text");
             if (const WriteOutcome saved = SaveLargeText(text, d); !saved)
                 sink.error(saved.failureText("Cannot save " + d + "."));
         }},
        {"options file", "ostrel.cfg", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             SaveSimulationOptions(d, TSimulationOptions{}, sink);
         }},
        {"projectile file", "cu.prj", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             velkor::WriteProjectileFile(velkor::TProjectileSpec{}, d, sink);
         }},
        {"run file", "cu.run", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             velkor::TRunSpec spec;
             spec.FileName = d;
             velkor::WriteRunFile(spec, sink);
         }},
        {"model file", "cu.mdl", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             const velkor::TModelSpec spec;
             velkor::WriteModelFile(spec, velkor::ComputeVibrationAmplitudes(spec), d, sink);
         }},
        {"inelastic file", "cu.inl", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             velkor::WriteInelasticFile(velkor::TInelasticSpec{}, d, sink);
         }},
        {"impact file", "cu.imp", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             velkor::WriteImpactFile(velkor::TImpactSpec{}, d, sink);
         }},
        {"target generator", "cu.trg", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             velkor::WriteTargetFile(d, sink, [](velkor::TargetFileWriter& out) {
                 out.atom(0, 0, 0, velkor::SpeciesColumns(29, 63.546L, 0, "Cu"));
             });
         }},
        {"target re-orientation", "new.trg", none, [](const Sources& s) { return s.target; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             velkor::WriteReorientedTarget(s.target, d, velkor::TOrientParams{}, sink);
         }},
        {"impact re-orientation", "new.imp", none, [](const Sources& s) { return s.impacts; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             velkor::WriteReorientedImpacts(s.impacts, d, velkor::TOrientParams{}, sink);
         }},
        {"version 2.1 conversion", "CU10~.TRG",
         [](const std::string& d) {
             WriteFileReplacing((fs::path(d).parent_path() / "CU100.TRG").string(),
                                "0 0 0 29 63.546 Cu\r\n");
         },
         [](const Sources&) { return std::string(); },
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             velkor::ConvertVersion21File((fs::path(d).parent_path() / "CU100.TRG").string(), sink);
         }},
        {"spline files", "POTENTL.SPL", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             velkor::TCompositeParams p;
             p.a = 0.890869 * 4.685e-11 / std::sqrt(2 * std::pow(29.0, 2.0 / 3.0));
             p.Rlow = 1.5e-10;
             p.Rhigh = 2.1e-10;
             p.D = 0.480 * 1.602192e-19;
             p.alpha = 1.405e10;
             p.r0 = 2.628e-10;
             velkor::TCompositeFiles files;
             velkor::SplineComposite(p, fs::path(d).parent_path().string(), files, sink);
         }},
        {"bitmap of the grapher and the plotter", "picture.bmp", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             QImage picture(40, 30, QImage::Format_RGB32);
             picture.fill(Qt::blue);
             brisal::SavePictureAsBitmap(sink, picture, d);
         }},
        {"analysis log", "brisal.log", none, noSource,
         [](const Sources&, const std::string& d, RecordingSink& sink) {
             brisal::SaveLogLines(sink, {"Filter: a.osl --> b.osl"}, d);
         }},
        {"filter", "f.osl", none, [](const Sources& s) { return s.osl; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             Processed(sink, [&](ProcessHost& h) { FilterFile(h, s.osl, d, "[rx > 1.5e-10]"); });
         }},
        {"spectrum", "s.dat", none, [](const Sources& s) { return s.osl; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             Processed(sink,
                       [&](ProcessHost& h) { MakeSpectrum(h, s.osl, d, "rx*1e10", 5, 4, 0); });
         }},
        {"collate", "c.dat", none, [](const Sources& s) { return s.osl; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             Processed(sink, [&](ProcessHost& h) {
                 CollateFile(h, s.osl, d, "rx", CollateMethod::PerAtom);
             });
         }},
        {"averages", "a.txt", none, [](const Sources& s) { return s.osl; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             Processed(sink, [&](ProcessHost& h) {
                 AverageFile(h, s.osl, Functions(), d, QueryUnits::SI);
             });
         }},
        {"format columns", "t.txt", none, [](const Sources& s) { return s.osl; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             Processed(sink, [&](ProcessHost& h) {
                 FormatColumnsFile(h, s.osl, Functions(), d, QueryUnits::SI);
             });
         }},
        {"convert", "v.dat", none, [](const Sources& s) { return s.osl; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             Processed(sink, [&](ProcessHost& h) { ConvertToText(h, s.osl, d); });
         }},
        {"displacements", "d.osl", none, [](const Sources& s) { return s.later; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             Processed(sink, [&](ProcessHost& h) { ComputeDisplacements(h, s.osl, s.later, d); });
         }},
        {"engine: dynamical variables", "dynvars.osl", none,
         [](const Sources& s) { return s.impacts; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             EngineRun(d, &TRunFileNames::dynamics, d == s.impacts ? s.impacts : "", sink);
         }},
        {"engine: initial conditions", "inivars.osl", none,
         [](const Sources& s) { return s.impacts; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             EngineRun(d, &TRunFileNames::initialConditions, d == s.impacts ? s.impacts : "", sink);
         }},
        {"engine: inelastic events", "inelast.dat", none,
         [](const Sources& s) { return s.impacts; },
         [](const Sources& s, const std::string& d, RecordingSink& sink) {
             EngineRun(d, &TRunFileNames::inelasticEvents, d == s.impacts ? s.impacts : "", sink);
         }},
    };
}

enum class Hazard { Link, ReadOnly, Folder, Fifo, FullDisk, OwnSource };

const char* NameOf(Hazard h) {
    switch (h) {
        case Hazard::Link:
            return "link";
        case Hazard::ReadOnly:
            return "0444 file";
        case Hazard::Folder:
            return "folder";
        case Hazard::Fifo:
            return "FIFO";
        case Hazard::FullDisk:
            return "full file system";
        case Hazard::OwnSource:
            break;
    }
    return "its own source";
}

class EveryWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("halvern-writers-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "full");
        if (RunningAsRoot())
            small_ = std::make_unique<SmallFileSystem>((root_ / "full").string(), "64k");
    }
    void TearDown() override {
        small_.reset();
        fs::remove_all(root_);
    }
    bool fullDiskAvailable() const { return small_ && small_->mounted(); }

    // A fresh, empty folder for one case.
    fs::path folder(const std::string& name) {
        const fs::path dir = root_ / name;
        fs::remove_all(dir);
        fs::create_directories(dir);
        return dir;
    }
    // Empties the small file system, puts the old file and the writer's sources beside it in
    // it and fills the rest.
    void fillSmallDisk(const std::string& destination, const Writer& w) {
        for (const auto& entry : fs::directory_iterator(root_ / "full")) fs::remove_all(entry);
        ASSERT_TRUE(WriteFileReplacing(destination, kOld));
        w.besides(destination);
        FILE* filler = std::fopen((root_ / "full" / "filler").c_str(), "wb");
        ASSERT_NE(filler, nullptr);
        const std::string block(4096, 'f');
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
               std::fflush(filler) == 0) {
        }
        std::fclose(filler);
    }

    fs::path root_;
    std::unique_ptr<SmallFileSystem> small_;
};

// What the child saw: the writer's error texts, one a line.
std::string Attempt(const Writer& w, const Sources& sources, const std::string& destination) {
    RecordingSink sink;
    sink.setDefaultAnswer(true);  // a question before replacing is answered Yes
    w.write(sources, destination, sink);
    std::string errors;
    for (const auto& e : sink.entries()) {
        if (e.kind == RecordingSink::Kind::Error) errors += e.text + "\n";
    }
    return errors;
}

std::string Bytes(const std::string& path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

TEST_F(EveryWriter, ReplacesWholeOrReportsAndLeavesTheOldFile) {
    const Sources sources(root_ / "sources");
    const Hazard hazards[] = {Hazard::Link, Hazard::ReadOnly, Hazard::Folder,
                              Hazard::Fifo, Hazard::FullDisk, Hazard::OwnSource};
    if (!fullDiskAvailable())
        std::cout << "[ skipped  ] full file system: no small file system could be mounted\n";
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.name);
        // What the writer puts in place of an ordinary old file.
        const fs::path plain = folder("plain");
        const std::string reference = (plain / w.fileName).string();
        ASSERT_TRUE(WriteFileReplacing(reference, kOld));
        w.besides(reference);
        const IsolatedResult normal = RunIsolated([&] { return Attempt(w, sources, reference); });
        ASSERT_TRUE(normal.finished);
        ASSERT_EQ(normal.text, "") << "an ordinary destination";
        const std::string written = Bytes(reference);
        ASSERT_NE(written, kOld);

        for (const Hazard h : hazards) {
            SCOPED_TRACE(NameOf(h));
            const std::string source = w.source(sources);
            if (h == Hazard::OwnSource && source.empty()) continue;  // the writer reads nothing
            if (h == Hazard::FullDisk && !fullDiskAvailable()) continue;
            const fs::path dir = h == Hazard::FullDisk ? root_ / "full" : folder("case");
            std::string destination = (dir / w.fileName).string();
            const std::string elsewhere = (folder("elsewhere") / "linked").string();
            switch (h) {
                case Hazard::Link:
                    ASSERT_TRUE(WriteFileReplacing(elsewhere, kOld));
                    fs::create_symlink(elsewhere, destination);
                    break;
                case Hazard::ReadOnly:
                    ASSERT_TRUE(WriteFileReplacing(destination, kOld));
                    fs::permissions(destination, fs::perms::owner_read | fs::perms::group_read |
                                                     fs::perms::others_read);
                    break;
                case Hazard::Folder:
                    fs::create_directory(destination);
                    break;
                case Hazard::Fifo:
                    ASSERT_EQ(::mkfifo(destination.c_str(), 0666), 0);
                    break;
                case Hazard::FullDisk:
                    fillSmallDisk(destination, w);
                    break;
                case Hazard::OwnSource:
                    destination = source;
                    break;
            }
            if (h != Hazard::FullDisk) w.besides(destination);
            const std::string before = h == Hazard::OwnSource ? Bytes(source) : kOld;
            const IsolatedResult run =
                RunIsolated([&] { return Attempt(w, sources, destination); });
            ASSERT_TRUE(run.finished) << "the writer blocked or crashed";
            const std::string& errors = run.text;
            if (h == Hazard::Link) {
                EXPECT_EQ(errors, "");
                EXPECT_TRUE(fs::is_symlink(destination));
                EXPECT_TRUE(Bytes(elsewhere) == written) << "the link's target replaced whole";
                continue;
            }
            if (errors.empty()) {
                // Only new bytes that need no room may take the place of the old ones.
                EXPECT_TRUE(h == Hazard::FullDisk && written.empty())
                    << "a failure must be reported";
                EXPECT_TRUE(Bytes(destination) == written);
            } else if (fs::is_regular_file(destination)) {
                EXPECT_TRUE(Bytes(destination) == before) << "the old file must stay";
            }
            if (h == Hazard::Folder || h == Hazard::Fifo) {
                EXPECT_NE(errors.find(destination + " is not a regular file."), std::string::npos)
                    << errors;
            }
            if (h == Hazard::ReadOnly) {
                EXPECT_NE(errors.find(destination + " is read-only"), std::string::npos) << errors;
            }
            if (h == Hazard::FullDisk) {
                size_t entries = 0;
                for (const auto& entry : fs::directory_iterator(dir))
                    entries += entry.path().filename().string()[0] == '.' ? 10 : 1;
                EXPECT_LE(entries, 3u) << "no temporary file is left";
            }
        }
    }
}

}  // namespace
}  // namespace halvern::test
