#include "targets/GeneratorFrame.h"

#include <cmath>
#include <limits>

#include "text/TextConversions.h"

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

template <class Params>
void ConvertOrigin(const Params& params, halvern::MessageSink& sink, long double& x0,
                   long double& y0, long double& z0) {
    x0 = TextToReal(sink, params.XOrigin);
    y0 = TextToReal(sink, params.YOrigin);
    z0 = TextToReal(sink, params.ZOrigin);
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
template <class Params>
SingleSpeciesInput ConvertAfterLatticeConstants(const Params& params, SingleSpeciesInput in,
                                                halvern::MessageSink& sink) {
    in.AtomicNumber = TextToInt(sink, params.AtomicNumber);
    in.Mass = TextToReal(sink, params.Mass);
    in.box = ConvertBox(params.XWidth, params.YWidth, params.Layers, sink);
    ConvertOrigin(params, sink, in.x0, in.y0, in.z0);
    return in;
}

}  // namespace

SingleSpeciesInput ConvertTargetSpec(const TTargetSpec& params, halvern::MessageSink& sink) {
    SingleSpeciesInput in;
    in.a = TextToReal(sink, params.LatticeConst);
    return ConvertAfterLatticeConstants(params, in, sink);
}

SingleSpeciesInput ConvertHexTargetSpec(const THexTargetSpec& params, halvern::MessageSink& sink) {
    SingleSpeciesInput in;
    in.a = TextToReal(sink, params.LatticeConstA1);
    in.a3 = TextToReal(sink, params.LatticeConstA3);
    return ConvertAfterLatticeConstants(params, in, sink);
}

TwoSpeciesInput ConvertTwoSpeciesSpec(const TTwoSpeciesTargetSpec& params,
                                      halvern::MessageSink& sink) {
    TwoSpeciesInput in;
    in.Mass1 = TextToReal(sink, params.Mass1);
    in.AtomicNumber1 = TextToInt(sink, params.AtomicNumber1);
    in.Mass2 = TextToReal(sink, params.Mass2);
    in.AtomicNumber2 = TextToInt(sink, params.AtomicNumber2);
    in.a = TextToReal(sink, params.LatticeConst);
    in.box = ConvertBox(params.NX, params.NY, params.NZ, sink);
    ConvertOrigin(params, sink, in.x0, in.y0, in.z0);
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
    sink.error(writer.failureText("Error writing output file."));
    return false;
}

}  // namespace velkor
