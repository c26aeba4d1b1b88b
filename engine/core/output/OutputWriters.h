// Output record files of the engine and the record writers chosen by a run's output option:
// the eight fixed selection rules and the user-programmed output filter.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "Filter.h"
#include "OslRecord.h"
#include "ReplacingFile.h"
#include "dynamics/ParticleArrays.h"
#include "host/EngineHost.h"
#include "output/PendingOutput.h"

namespace halvern {

// An output file of the engine (record file or text): its new version is written through
// ReplacingFile and put in place by commit(), so a run that fails leaves the old file. A refused
// or failed creation and a failed write are reported once in the log, in red with the file's
// name and what became of it; only records that reached the file are counted.
class CheckedOutputFile {
  public:
    // A failure is reported through the host when one is given or attached later.
    bool create(const std::string& path, EngineHost* host = nullptr);
    // Reports through `host` from now on, including a failed creation not reported yet.
    void reportTo(EngineHost* host);
    bool write(const void* data, size_t size);
    bool write(std::string_view text) { return write(text.data(), text.size()); }
    bool write(const TOslRecord& record);
    // Encoded records, written at once and counted.
    bool writeRecords(std::string_view bytes);

    // What has been written so far, and a return to it.
    struct Mark {
        uint64_t bytes = 0;
        int64_t records = 0;
    };
    Mark mark() const { return {file_.size(), written_}; }
    bool rollBack(const Mark& mark);

    // Writes what is buffered; false (reported) when that fails.
    bool flush();
    // Puts the new version in place; false when the creation, any write or the replacement
    // failed (the old file then stays).
    bool commit();
    // Drops the new version; the old file stays.
    void discard() { file_.discard(); }
    bool isOpen() const { return file_.isOpen(); }
    bool ok() const { return !failed_; }
    bool failed() const { return failed_; }
    int64_t recordsWritten() const { return written_; }
    const std::string& name() const { return name_; }
    // What became of the file after a failure ("" when there is nothing to add).
    std::string failureNote() const { return file_.failureNote(); }

  private:
    void fail(const char* text);
    void report();

    ReplacingFile file_;
    std::string name_;
    const char* failure_ = nullptr;
    EngineHost* host_ = nullptr;
    int64_t written_ = 0;
    bool failed_ = false;
    bool reported_ = false;
};

// The user-programmed output function, compiled once per run. An evaluation error leaves that
// record out; the first of the run is shown, the others are counted.
struct TOutputFilter {
    std::string expression;  // upper-cased, at most 255 characters
    std::shared_ptr<expr::FilterRun> run;
    // Records left out by evaluations of other compilations of the same expression (the
    // trajectories of a parallel run evaluate their own).
    int64_t otherErrorRecords = 0;
};

// Where the writers put their records: the file, or the stream of a pending output when one
// is given.
struct TRecordOutput {
    CheckedOutputFile* file = nullptr;
    TOutputFilter* filter = nullptr;
    PendingOutput* pending = nullptr;
    PendingStream stream = PendingStream::Dynamics;
};

// One particle's record; the result tells whether the pass goes on with the next particle.
using OslRecordWriter = bool (*)(TRecordOutput& out, int32_t index, int32_t run, double x, double y,
                                 double z, double px, double py, double pz, double t, double m);

bool OutputAllRecords(TRecordOutput&, int32_t, int32_t, double, double, double, double, double,
                      double, double, double);
bool OutputProjectileOnly(TRecordOutput&, int32_t, int32_t, double, double, double, double, double,
                          double, double, double);
bool OutputAboveKE1eV(TRecordOutput&, int32_t, int32_t, double, double, double, double, double,
                      double, double, double);
bool OutputAboveKE10eV(TRecordOutput&, int32_t, int32_t, double, double, double, double, double,
                       double, double, double);
bool OutputAboveKE100eV(TRecordOutput&, int32_t, int32_t, double, double, double, double, double,
                        double, double, double);
bool OutputEmittedRecords(TRecordOutput&, int32_t, int32_t, double, double, double, double, double,
                          double, double, double);
bool OutputReflectedProjectile(TRecordOutput&, int32_t, int32_t, double, double, double, double,
                               double, double, double, double);
bool OutputEmittedNearNormal(TRecordOutput&, int32_t, int32_t, double, double, double, double,
                             double, double, double, double);
// False when no compiled expression is at hand (the pass writes nothing then).
bool OutputFilteredRecords(TRecordOutput&, int32_t, int32_t, double, double, double, double, double,
                           double, double, double);

// The writer of output option 0..8; nullptr for any other value.
OslRecordWriter SelectOutputWriter(int32_t option);

// The record of one particle as the writers store it.
TOslRecord MakeOslRecord(int32_t index, int32_t run, double x, double y, double z, double px,
                         double py, double pz, double t, double m);

// One output pass: the writer for particles 0, 1, ... N in turn, ending early when it says so.
void WriteRecordPass(TRecordOutput& out, OslRecordWriter writer, const TParticleArrays& p,
                     int32_t run, double t);

// Compiles the expression (stored upper-cased, cut to 255 characters). A syntax error shows the
// parse-error dialog once and gives false: the run must not start.
bool SetFilterExpression(const std::string& text, TOutputFilter& filter, MessageSink& sink);

// After a run: how many records an evaluation error left out, when any did.
void ReportFilterErrors(EngineHost& host, const TOutputFilter& filter);

// The records of every particle 0..N at time 0: the initial-conditions file's contents.
std::string InitialConditionRecords(const TParticleArrays& p, int32_t runCount);

}  // namespace halvern
