#include "input/BatchFile.h"

#include "FileSafety.h"
#include "ShortString.h"
#include "TextReader.h"
#include "miscutil.h"

namespace halvern {

namespace {

constexpr int kLinesPerJob = 10;
constexpr size_t kLabelLength = 255;

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

std::vector<std::string> ReadLines(const std::string& bytes) {
    TextReader reader(bytes);
    std::vector<std::string> lines;
    while (!reader.eof()) lines.push_back(reader.readLine());
    // Blank lines after the last job are not one more job.
    while (!lines.empty() && IsBlank(lines.back())) lines.pop_back();
    return lines;
}

std::string* JobLine(TBatchJob& job, int k) {
    TEngineFileNames& f = job.files;
    std::string* const slots[kLinesPerJob] = {
        &job.label,   &f.projectile,        &f.target,   &f.model,          &f.run, &f.impact,
        &f.inelastic, &f.initialConditions, &f.dynamics, &f.inelasticEvents};
    return slots[k];
}

const std::string* FirstTooLongName(const TEngineFileNames& f) {
    for (const std::string* name :
         {&f.projectile, &f.target, &f.model, &f.run, &f.impact, &f.inelastic, &f.initialConditions,
          &f.dynamics, &f.inelasticEvents})
        if (!FileNameFits(*name)) return name;
    return nullptr;
}

}  // namespace

std::vector<TBatchJob> ParseBatchDefinition(const std::string& bytes) {
    const std::vector<std::string> lines = ReadLines(bytes);
    std::vector<TBatchJob> jobs;
    for (size_t first = 0; first < lines.size(); first += kLinesPerJob) {
        TBatchJob job;
        for (int k = 0; k < kLinesPerJob; ++k) {
            const size_t i = first + static_cast<size_t>(k);
            *JobLine(job, k) = i < lines.size() ? lines[i] : std::string();
        }
        job.label = CutTo(job.label, kLabelLength);
        jobs.push_back(std::move(job));
    }
    return jobs;
}

std::string BatchJobNotFoundText(int jobNumber, const std::string& label,
                                 const std::vector<TMissingInput>& missing) {
    std::string text = "One or more input files specified for batch job was not found.\rJob " +
                       IntToText(jobNumber);
    const size_t end = label.find_last_not_of(' ');
    if (end != std::string::npos) text += " (" + label.substr(0, end + 1) + ")";
    text += ":";
    for (const TMissingInput& m : missing) text += "\r" + MissingInputText(m);
    return text;
}

std::string BatchJobCaption(int jobNumber, const std::string& label) {
    return std::string(kEngineTitle) + " (batch item #" + IntToText(jobNumber) + " " + label + ")";
}

int RunBatch(const std::string& path, TEngineFileNames& current, BatchHost& host) {
    MessageSink& sink = host.sink();
    if (!FileNameFits(path)) {
        ShowError(sink, FileNameTooLongText(path));
        return 0;
    }
    if (!FileExists(path)) {
        ShowError(sink, "File not found: " + path + ".");
        return 0;
    }
    if (!sink.askYesNo("Proceed with batch jobs?")) return 0;

    host.batchStarting();
    std::string bytes;
    const bool readOk = ReadFileBytes(path, bytes);
    std::vector<TBatchJob> jobs;
    if (readOk) {
        jobs = ParseBatchDefinition(bytes);
        // A file without a job is refused like a job without its files.
        if (jobs.empty()) jobs.emplace_back();
    }

    int run = 0;
    for (const TBatchJob& job : jobs) {
        current = WithCompanionInputs(job.files);
        if (const std::string* tooLong = FirstTooLongName(current)) {
            ShowError(sink, FileNameTooLongText(*tooLong));
            break;
        }
        // The inelastic file is needed only with a model selected; the run itself says so.
        const std::vector<TMissingInput> missing = MissingInputFiles(current, false);
        if (!missing.empty()) {
            ShowError(sink, BatchJobNotFoundText(run + 1, job.label, missing));
            break;
        }
        ++run;
        host.jobStarting(run, job.label);
        host.runJob(current);
        host.jobEnded();
        if (host.flags().StopTrajectory && sink.askYesNo("Abort remaining batch jobs?")) break;
    }

    host.batchEnded();
    if (!readOk) ShowError(sink, "Error reading batch definition file.");
    return run;
}

}  // namespace halvern
