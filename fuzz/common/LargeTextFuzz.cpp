// The large-text view's reader on any bytes, read in pieces whose size the first byte chooses:
// its lines and encoding are the plain-text rules' own, and saving writes what those rules
// write. A few edits from the next bytes then undo back to the text read.
#include <cstdlib>
#include <string>

#include "FileSafety.h"
#include "FuzzFiles.h"
#include "editor/PlainText.h"
#include "largetext/LargeText.h"
#include "largetext/LargeTextLoader.h"
#include "largetext/LargeTextSave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    if (size == 0 || size > 1 << 16) return 0;
    const size_t piece = 1 + data[0] % 17;
    const std::string_view bytes = fuzz::AsText(data + 1, size - 1);
    const std::string path = fuzz::WriteScratchFile("text.txt", bytes);
    LargeTextLoader loader;
    std::string reason;
    if (!loader.open(path, reason)) std::abort();
    while (!loader.finished())
        if (!loader.readPiece(piece, reason)) std::abort();
    LargeText text(loader.take());

    const PlainText oracle = DecodePlainText(bytes);
    if (Utf16ToUtf8(text.text({0, 0}, text.end())) != oracle.utf8) std::abort();
    if (text.store().fileEncoding() != oracle.encoding) std::abort();
    const std::string saved = fuzz::ScratchPath("saved.txt");
    std::string written;
    if (!SaveLargeText(text, saved) || !ReadFileBytes(saved, written)) std::abort();
    if (written != EncodePlainText(oracle.utf8, oracle.encoding, oracle.oneEmptyLine)) std::abort();

    const std::u16string before = text.text({0, 0}, text.end());
    for (size_t i = 1; i + 2 < size && i < 40; i += 3) {
        const TextPos a{data[i] % 8u, data[i + 1] % 16u};
        const TextPos b{data[i + 2] % 8u, data[i] % 16u};
        text.replace(a, b, data[i + 1] % 2 ? u"x\ny" : u"", data[i + 2] % 2 == 0);
    }
    text.replaceAll(u"a", u"bb", {});
    while (text.canUndo()) text.undo();
    if (text.text({0, 0}, text.end()) != before) std::abort();
    return 0;
}
