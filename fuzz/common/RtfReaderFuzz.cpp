// The RTF reader on any bytes, and the writer on what it read: what the writer writes reads
// back, and is written again byte for byte the same.
#include <cstdlib>

#include "FuzzFiles.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const RtfReadResult read = ReadRtf(fuzz::AsText(data, size));
    if (!read.ok) return 0;
    const std::string written = WriteRtf(read.doc);
    const RtfReadResult again = ReadRtf(written);
    if (!again.ok) std::abort();
    if (WriteRtf(again.doc) != written) std::abort();
    if (RichPlainText(again.doc) != RichPlainText(read.doc)) std::abort();
    return 0;
}
