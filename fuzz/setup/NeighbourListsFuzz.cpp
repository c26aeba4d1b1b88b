// The neighbour listings' readers: the input is a target file for both reports and the model
// file of the potential report; its first byte chooses the atom.
#include "FuzzFiles.h"
#include "MessageSink.h"
#include "neighbours/NeighbourReport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    if (size == 0 || size > 1 << 16) return 0;
    const int32_t k = data[0] % 8;
    const std::string file =
        halvern::fuzz::WriteScratchFile("target.trg", halvern::fuzz::AsText(data + 1, size - 1));
    halvern::RecordingSink sink;
    TNeighbourList list;
    if (ListNeighbours(file, k, 8.0f, NeighbourCommand::Potential, list, sink)) {
        (void)NeighbourDistanceReport(list);
        TMorseParams morse;
        if (ReadMorseParameters(file, morse, sink)) (void)NeighbourPotentialReport(list, morse);
    }
    return 0;
}
