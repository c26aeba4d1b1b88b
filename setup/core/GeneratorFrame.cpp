#include "GeneratorFrame.h"

#include <cmath>
#include <limits>

#include "TextConversions.h"

namespace velkor {

namespace {

template <class Real>
long double RoundTo(long double value) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<Real>::max())
        return value < 0 ? -std::numeric_limits<long double>::infinity()
                         : std::numeric_limits<long double>::infinity();
    return static_cast<Real>(value);
}

LatticeBox ConvertBox(std::string_view x, std::string_view y, std::string_view layers,
                      halvern::MessageSink& sink) {
    LatticeBox box;
    box.X = TextToInt(sink, x);
    box.Y = TextToInt(sink, y);
    box.L = TextToInt(sink, layers);
    return box;
}

template <class Spec>
void ConvertOrigin(const Spec& spec, halvern::MessageSink& sink, long double& x0, long double& y0,
                   long double& z0) {
    x0 = TextToReal(sink, spec.XOrigin);
    y0 = TextToReal(sink, spec.YOrigin);
    z0 = TextToReal(sink, spec.ZOrigin);
}

}  // namespace

long double Single(long double value) {
    return RoundTo<float>(value);
}
long double Double(long double value) {
    return RoundTo<double>(value);
}

namespace {

// The fields that follow the lattice constants, in record order.
template <class Spec>
SingleSpeciesInput ConvertAfterLatticeConstants(const Spec& spec, SingleSpeciesInput in,
                                                halvern::MessageSink& sink) {
    in.AtomicNumber = TextToInt(sink, spec.AtomicNumber);
    in.Mass = TextToReal(sink, spec.Mass);
    in.box = ConvertBox(spec.XWidth, spec.YWidth, spec.Layers, sink);
    ConvertOrigin(spec, sink, in.x0, in.y0, in.z0);
    return in;
}

}  // namespace

SingleSpeciesInput ConvertTargetSpec(const TTargetSpec& spec, halvern::MessageSink& sink) {
    SingleSpeciesInput in;
    in.a = TextToReal(sink, spec.LatticeConst);
    return ConvertAfterLatticeConstants(spec, in, sink);
}

SingleSpeciesInput ConvertHexTargetSpec(const THexTargetSpec& spec, halvern::MessageSink& sink) {
    SingleSpeciesInput in;
    in.a = TextToReal(sink, spec.LatticeConstA1);
    in.a3 = TextToReal(sink, spec.LatticeConstA3);
    return ConvertAfterLatticeConstants(spec, in, sink);
}

TwoSpeciesInput ConvertTwoSpeciesSpec(const TTwoSpeciesTargetSpec& spec,
                                      halvern::MessageSink& sink) {
    TwoSpeciesInput in;
    in.Mass1 = TextToReal(sink, spec.Mass1);
    in.AtomicNumber1 = TextToInt(sink, spec.AtomicNumber1);
    in.Mass2 = TextToReal(sink, spec.Mass2);
    in.AtomicNumber2 = TextToInt(sink, spec.AtomicNumber2);
    in.a = TextToReal(sink, spec.LatticeConst);
    in.box = ConvertBox(spec.NX, spec.NY, spec.NZ, sink);
    ConvertOrigin(spec, sink, in.x0, in.y0, in.z0);
    return in;
}

int64_t TargetLineCount(const LatticeBox& box, int atomsPerSite) {
    if (box.L <= 0 || box.X < 0 || box.Y < 0) return atomsPerSite;
    return (2 * int64_t{box.X} + 1) * (2 * int64_t{box.Y} + 1) * box.L * atomsPerSite;
}

int64_t TargetLineCount(std::string_view x, std::string_view y, std::string_view layers,
                        int atomsPerSite) {
    LatticeBox box{TextToIntQuiet(x), TextToIntQuiet(y), TextToIntQuiet(layers)};
    return TargetLineCount(box, atomsPerSite);
}

bool WriteTargetFile(const std::string& path, halvern::MessageSink& sink,
                     const std::function<void(TargetFileWriter&)>& body) {
    TargetFileWriter writer;
    writer.open(path);
    body(writer);
    if (writer.finish()) return true;
    sink.error("Error writing output file.");
    return false;
}

}  // namespace velkor
