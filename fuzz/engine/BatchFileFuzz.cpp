// The batch definition parser and the caption each job's label makes.
#include "FuzzFiles.h"
#include "input/BatchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const std::vector<TBatchJob> jobs = ParseBatchDefinition(std::string(fuzz::AsText(data, size)));
    int number = 0;
    for (const TBatchJob& job : jobs) (void)BatchJobCaption(++number, job.label);
    return 0;
}
