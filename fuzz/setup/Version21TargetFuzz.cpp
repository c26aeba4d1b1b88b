// The converter of version 2.1 target files: a converted file holds one current atom line for
// every filled line of its input.
#include "FileSafety.h"
#include "FuzzFiles.h"
#include "MessageSink.h"
#include "targets/TargetAtomLine.h"
#include "targets/Version21Converter.h"
#include "text/FilledLines.h"

namespace {

size_t FilledLineCount(std::string bytes) {
    velkor::FilledLines lines(std::move(bytes));
    halvern::TextReader line;
    size_t n = 0;
    while (lines.next(line)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    if (size > 1 << 16) return 0;
    const std::string_view text = halvern::fuzz::AsText(data, size);
    const std::string input = halvern::fuzz::WriteScratchFile("CU100.TRG", text);
    const std::string output = Version21OutputName(input);
    std::filesystem::remove(output);
    halvern::RecordingSink sink;
    if (!ConvertVersion21File(input, sink)) return 0;

    std::string bytes;
    if (!halvern::ReadFileBytes(output, bytes)) std::abort();
    FilledLines lines(bytes);
    halvern::TextReader line;
    TTargetAtom atom;
    size_t n = 0;
    while (lines.next(line)) {
        if (!ReadTargetAtom(line, atom) || atom.Flags != 0) std::abort();
        ++n;
    }
    if (n != FilledLineCount(std::string(text))) std::abort();
    return 0;
}
