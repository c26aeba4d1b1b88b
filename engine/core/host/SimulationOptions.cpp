#include "host/SimulationOptions.h"

#include "FileSafety.h"

namespace halvern {

namespace {

// Serialises the fields one by one in the record's order, little-endian.
class RecordWriter {
  public:
    explicit RecordWriter(OptionsRecordBytes& bytes) : bytes_(bytes) {}
    void int32(int32_t v) {
        const uint32_t u = static_cast<uint32_t>(v);
        for (int k = 0; k < 4; ++k) bytes_[pos_++] = static_cast<uint8_t>(u >> (8 * k));
    }
    void byte(uint8_t v) { bytes_[pos_++] = v; }
    template <std::size_t n>
    void bytes(const std::array<uint8_t, n>& v) {
        for (uint8_t b : v) bytes_[pos_++] = b;
    }

  private:
    OptionsRecordBytes& bytes_;
    std::size_t pos_ = 0;
};

class RecordReader {
  public:
    explicit RecordReader(const uint8_t* bytes) : bytes_(bytes) {}
    int32_t int32() {
        uint32_t u = 0;
        for (int k = 0; k < 4; ++k) u |= static_cast<uint32_t>(bytes_[pos_++]) << (8 * k);
        return static_cast<int32_t>(u);
    }
    uint8_t byte() { return bytes_[pos_++]; }
    template <std::size_t n>
    void bytes(std::array<uint8_t, n>& v) {
        for (uint8_t& b : v) b = bytes_[pos_++];
    }

  private:
    const uint8_t* bytes_;
    std::size_t pos_ = 0;
};

// One field list serves both directions, so the two cannot drift apart.
template <typename Io, typename Options>
void Fields(Io& io, Options& o) {
    io(o.Algorithm);
    io(o.BruteForceSearch);
    io(o.Reserved5);
    io(o.GraphMode);
    io(o.Verbose);
    io(o.ReportEnergy);
    io(o.ReportInelastic);
    io(o.Reserved15);
    io(o.EditBufferLines);
    io(o.ElementalTarget);
    io(o.RecordInitial);
    io(o.RecordInelastic);
    io(o.HotTarget);
    io(o.LoadAtStartUp);
    io(o.FixedTimestep);
    io(o.Reserved26);
    io(o.MinForce);
    io(o.NoYVibration);
    io(o.LssModel);
    io(o.OenRobinsonModel);
    io(o.ShapiroTombrelloModel);
    io(o.IgnoreTargetForces);
    io(o.SelfBombardment);
    io(o.Reserved38);
}

struct Put {
    RecordWriter& w;
    void operator()(int32_t v) { w.int32(v); }
    void operator()(uint8_t v) { w.byte(v); }
    template <std::size_t n>
    void operator()(const std::array<uint8_t, n>& v) {
        w.bytes(v);
    }
};

struct Get {
    RecordReader& r;
    void operator()(int32_t& v) { v = r.int32(); }
    void operator()(uint8_t& v) { v = r.byte(); }
    template <std::size_t n>
    void operator()(std::array<uint8_t, n>& v) {
        r.bytes(v);
    }
};

bool InRange(int32_t v, int32_t hi) {
    return v >= 0 && v <= hi;
}

}  // namespace

OptionsRecordBytes EncodeSimulationOptions(const TSimulationOptions& options) {
    OptionsRecordBytes bytes{};
    RecordWriter writer(bytes);
    Put put{writer};
    Fields(put, options);
    return bytes;
}

TSimulationOptions DecodeSimulationOptions(const uint8_t* bytes) {
    TSimulationOptions options;
    RecordReader reader(bytes);
    Get get{reader};
    Fields(get, options);
    return options;
}

bool SimulationOptionsInRange(const TSimulationOptions& o) {
    return InRange(o.Algorithm, kMaxAlgorithm) && InRange(o.GraphMode, kMaxGraphMode) &&
           InRange(o.EditBufferLines, kMaxEditBufferLines) && InRange(o.MinForce, kMaxMinForce);
}

bool InelasticModelSelected(const TSimulationOptions& o) {
    return o.LssModel != 0 || o.OenRobinsonModel != 0 || o.ShapiroTombrelloModel != 0;
}

bool LoadOptionsAtStartUp(const std::string& path, TSimulationOptions& options) {
    if (!FileExists(path)) return false;
    std::string bytes;
    if (!ReadFileBytes(path, bytes) || bytes.size() < kOptionsRecordSize) return false;
    const TSimulationOptions stored =
        DecodeSimulationOptions(reinterpret_cast<const uint8_t*>(bytes.data()));
    if (stored.LoadAtStartUp == 0 || !SimulationOptionsInRange(stored)) return false;
    options = stored;
    return true;
}

bool SaveSimulationOptions(const std::string& path, const TSimulationOptions& options,
                           MessageSink& sink) {
    const OptionsRecordBytes bytes = EncodeSimulationOptions(options);
    const WriteOutcome written = WriteFileReplacing(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (written) return true;
    sink.error(written.failureText("Error writing options to " + path + "."));
    return false;
}

}  // namespace halvern
