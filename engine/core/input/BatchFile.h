// The batch definition file and the batch runner: jobs of ten lines each (label, six input
// files, three output files), run one after another without questions between them.
#pragma once

#include <string>
#include <vector>

#include "MessageSink.h"
#include "host/EngineHost.h"
#include "input/InputFileNames.h"

namespace halvern {

struct TBatchJob {
    std::string label;
    TEngineFileNames files;
};

// Reads the jobs of a batch definition file from its bytes. Lines end with CR LF or LF; the label
// is cut to 255 characters; blank lines after the last job make no further job; an incomplete
// last job gets empty names for its missing lines.
std::vector<TBatchJob> ParseBatchDefinition(const std::string& bytes);

// What the batch runner needs of the main window.
class BatchHost {
  public:
    virtual ~BatchHost() = default;
    virtual MessageSink& sink() = 0;
    virtual EngineFlags& flags() = 0;
    // Before the first job: the graph window button is enabled.
    virtual void batchStarting() = 0;
    // Running state, caption "Ostrel 2.2 (batch item #n label)", status "Running in batch mode".
    virtual void jobStarting(int jobNumber, const std::string& label) = 0;
    // The job's run, with the batch flag set.
    virtual void runJob(const TEngineFileNames& files) = 0;
    // Ready state again.
    virtual void jobEnded() = 0;
    // Caption "Ostrel 2.2".
    virtual void batchEnded() = 0;
};

std::string BatchJobCaption(int jobNumber, const std::string& label);

// "One or more input files specified for batch job was not found." and, a line each, the job
// ("Job 2 (Project 2:):", its label without trailing blanks) and every missing file.
std::string BatchJobNotFoundText(int jobNumber, const std::string& label,
                                 const std::vector<TMissingInput>& missing);

// Runs the batch file `path` (the name the user chose): checks it, asks to proceed, then runs
// its jobs in order. Each job's input names are resolved as the input-files dialog resolves
// them (the extension in any case) and become, with its output names as written, the current
// file names as the job is read. A job whose projectile, impact, run, target or model file is
// missing ends the batch; a job whose run fails goes on to the next job unless the user stepped
// or aborted and asks to stop. Returns the number of jobs run.
int RunBatch(const std::string& path, TEngineFileNames& current, BatchHost& host);

}  // namespace halvern
