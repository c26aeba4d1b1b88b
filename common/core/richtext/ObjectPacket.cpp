#include "richtext/ObjectPacket.h"

#include <cstdint>

namespace halvern {

namespace {

constexpr std::string_view kMagic{"HLVOBJ1\0", 8};

void PutLength(std::string& out, size_t n) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((n >> (8 * i)) & 0xFF);
}

// A length-prefixed field at `pos`, which moves past it; false when the packet ends too soon.
bool TakeField(std::string_view packet, size_t& pos, std::string& field) {
    if (packet.size() - pos < 4) return false;
    uint32_t n = 0;
    for (int i = 0; i < 4; ++i) n |= uint32_t(static_cast<uint8_t>(packet[pos + i])) << (8 * i);
    pos += 4;
    if (packet.size() - pos < n) return false;
    field.assign(packet.substr(pos, n));
    pos += n;
    return true;
}

}  // namespace

std::string PackObjectData(const RichObject& object) {
    std::string out(kMagic);
    out += object.aspect == ObjectAspect::Icon ? '\1' : '\0';
    out += object.kind == ObjectKind::Linked ? '\1' : '\0';
    PutLength(out, object.fileName.size());
    out += object.fileName;
    PutLength(out, object.data.size());
    out += object.data;
    return out;
}

bool UnpackObjectData(std::string_view packet, RichObject& object) {
    if (packet.size() < kMagic.size() + 2 || packet.substr(0, kMagic.size()) != kMagic)
        return false;
    size_t pos = kMagic.size();
    const char aspect = packet[pos++];
    const char linked = packet[pos++];
    if ((aspect != 0 && aspect != 1) || (linked != 0 && linked != 1)) return false;
    std::string name, data;
    if (!TakeField(packet, pos, name) || !TakeField(packet, pos, data) || pos != packet.size())
        return false;
    object.aspect = aspect == 1 ? ObjectAspect::Icon : ObjectAspect::Content;
    object.kind = linked == 1 ? ObjectKind::Linked : ObjectKind::Embedded;
    object.fileName = std::move(name);
    object.data = std::move(data);
    return true;
}

}  // namespace halvern
