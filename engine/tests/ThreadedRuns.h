// Runs of one project with a given number of worker threads, and what a run leaves behind in a
// form that compares whole: every output file's bytes, every log line with its colour and every
// message box.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "EngineTestRuns.h"

namespace halvern::test {

// An inelastic file with LSS and Oen-Robinson rows for copper and argon (and one
// Shapiro-Tombrello row, used when that model is on).
inline const std::string kLssAndOr =
    Lines({"// LSS data", "1   // number of LSS items", "29 1.5 2", "1000   // threshold in m/s",
           "// Oen-Robinson data", "2 // number of O-R items", "522 2.0 0.5", "841 2.0 0.5",
           "1.5   // max. apsis in A", "0.3   // gamma", "// Shapiro-Tombrello data",
           "1   // number of S-T items", "522 1.2 10 3 0.5"});

struct RunOutcome {
    std::map<std::string, std::string> files;  // output file name -> bytes
    std::vector<std::string> log;               // text, tab, colour
    std::vector<std::string> boxes;

    bool operator==(const RunOutcome&) const = default;
};

inline RunOutcome OutcomeOf(const TestProject& p) {
    RunOutcome o;
    for (const auto& [name, bytes] : FolderBytes(p.folder.path()))
        if (name.rfind("cu.", 0) != 0) o.files[name] = bytes;
    for (const auto& l : p.host.lines) o.log.push_back(l.text + "\t" + std::to_string(l.colour));
    o.boxes = p.host.messages.texts();
    return o;
}

// A fresh project, shaped by `setUp`, run in batch mode with `threads` workers.
inline RunOutcome RunWithThreads(const std::function<void(TestProject&)>& setUp, int threads) {
    TestProject p;
    setUp(p);
    p.globals.Threads = threads;
    p.simulate(true);
    return OutcomeOf(p);
}

// The position of the first log entry of `text`, or log.size().
inline size_t FindLine(const std::vector<std::string>& log, const std::string& text) {
    for (size_t k = 0; k < log.size(); ++k)
        if (log[k].rfind(text + "\t", 0) == 0) return k;
    return log.size();
}

// The run numbers of a record file, one per record.
inline std::vector<int32_t> RecordRuns(const std::string& bytes) {
    std::vector<int32_t> runs;
    for (size_t k = 0; k + kOslRecordSize <= bytes.size(); k += kOslRecordSize)
        runs.push_back(
            DecodeOslRecord(reinterpret_cast<const unsigned char*>(bytes.data() + k)).rn);
    return runs;
}

// An fcc(100) copper crystallite of about `atoms` atoms as target lines (Angstrom), with
// `impacts` impact points spread over the surface cell round atom 1.
inline void UseCrystallite(TestProject& p, int n, int layers, int impacts) {
    UseExample(p, 1);
    p.target.clear();
    for (const auto& s : Fcc100Sites(n, layers))
        p.target.push_back(TargetLine(s[0] / kAngstrom, s[1] / kAngstrom, s[2] / kAngstrom));
    p.impact.clear();
    for (int k = 0; k < impacts; ++k)
        p.impact.push_back(ImpactLine(0.45 * (k % 4), 0.45 * (k / 4 % 4), 3));
}

}  // namespace halvern::test
