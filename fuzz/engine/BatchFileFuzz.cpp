// The batch definition parser, and the caption and the not-found message each job's label and
// names make (the names are not looked up: the fuzzer's texts name no files of ours).
#include "FuzzFiles.h"
#include "input/BatchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const std::vector<TBatchJob> jobs = ParseBatchDefinition(std::string(fuzz::AsText(data, size)));
    int number = 0;
    for (const TBatchJob& job : jobs) {
        (void)BatchJobCaption(++number, job.label);
        (void)BatchJobNotFoundText(number, job.label,
                                   {{"projectile", job.files.projectile}, {"run", job.files.run}});
    }
    return 0;
}
