#include "inputfiles/ModelFile.h"

#include "NumberText.h"
#include "inputfiles/InputFileIO.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

std::string AmplitudeLine(const VibrationAmplitudes& a) {
    return halvern::FormatFixed(a.bulk, 6, 5) + " " + halvern::FormatFixed(a.perpendicular, 6, 5) +
           " " + halvern::FormatFixed(a.parallel, 6, 5);
}

// Which values a text line accepts; a refused text keeps the field's old text.
enum class Accept { NonNegativeReal, AnyReal, PositiveInt };

bool Accepted(halvern::MessageSink& sink, std::string_view text, Accept accept) {
    switch (accept) {
        case Accept::NonNegativeReal:
            return CheckRealText(sink, text);
        case Accept::PositiveInt:
            return CheckIntText(sink, text);
        case Accept::AnyReal:
            break;
    }
    long double value = 0;
    if (halvern::ParseReal(text, value)) return true;
    sink.error("Cannot convert " + std::string(text) + " to real number.");
    return false;
}

class ModelLoader {
  public:
    ModelLoader(LoaderInput& in, halvern::MessageSink& sink) : in_(in), sink_(sink) {}

    uint16_t choice(uint16_t max) {
        const int32_t value = in_.intValue();
        in_.endLine();
        if (value < 0 || value > max) in_.refuse();
        return static_cast<uint16_t>(value);
    }

    template <size_t N>
    void text(ShortText<N>& field, Accept accept = Accept::NonNegativeReal) {
        const std::string line(TrimBlanks(in_.line()));
        if (!in_.ok() || !Accepted(sink_, line, accept)) return;
        const std::optional<std::string> fitted =
            FieldNumberText(line, N, accept == Accept::PositiveInt);
        if (fitted)
            field = *fitted;
        else
            in_.refuse();
    }

    // The lattice temperature: a number is fitted to the field, any other text kept as it
    // stands for the dialog to refuse.
    template <size_t N>
    void temperature(ShortText<N>& field) {
        const std::string line(TrimBlanks(in_.line()));
        const std::optional<std::string> fitted = FieldNumberText(line, N);
        field = fitted ? *fitted : line;
    }

  private:
    LoaderInput& in_;
    halvern::MessageSink& sink_;
};

void ReadModelLines(LoaderInput& in, TModelSpec& m, halvern::MessageSink& sink) {
    ModelLoader read(in, sink);
    m.PtKind = read.choice(kMaxPotentialKind);
    read.text(m.PtCorrection);
    m.TtKind = read.choice(kMaxPotentialKind);
    read.text(m.TtCorrection);
    m.MorseFlag = read.choice(1);
    read.text(m.MorseD, Accept::AnyReal);
    read.text(m.MorseA);
    read.text(m.MorseR0);
    read.text(m.SplineLow);
    read.text(m.SplineHigh);
    m.VibrationFlag = read.choice(1);
    read.text(m.Mass);
    read.text(m.DebyeBulk, Accept::PositiveInt);
    read.text(m.DebyePerpendicular, Accept::PositiveInt);
    read.text(m.DebyeParallel, Accept::PositiveInt);
    read.text(m.SurfaceBinding, Accept::AnyReal);
    read.text(m.BulkBinding, Accept::AnyReal);
    read.text(m.TerminationEnergy);
    in.line();  // the amplitudes, which the dialog computes itself

    if (in.fileEndsHere()) {
        if (in.ok())
            ShowVersionNotice(sink,
                              "File seems to have a version 1 format:\rUsing default values for "
                              "version 2 parameters.");
        m.Temperature = "300";
        m.TestProjectileOnly = 0;
        return;
    }
    read.temperature(m.Temperature);
    m.TestProjectileOnly = in.fileEndsHere() ? 0 : read.choice(1);
}

}  // namespace

std::string ModelFileText(const TModelSpec& m, const VibrationAmplitudes& amplitudes) {
    using halvern::FormatInt;
    std::string text;
    for (const std::string& line : {FormatInt(m.PtKind),
                                    m.PtCorrection.str(),
                                    FormatInt(m.TtKind),
                                    m.TtCorrection.str(),
                                    FormatInt(m.MorseFlag),
                                    m.MorseD.str(),
                                    m.MorseA.str(),
                                    m.MorseR0.str(),
                                    m.SplineLow.str(),
                                    m.SplineHigh.str(),
                                    FormatInt(m.VibrationFlag),
                                    m.Mass.str(),
                                    m.DebyeBulk.str(),
                                    m.DebyePerpendicular.str(),
                                    m.DebyeParallel.str(),
                                    m.SurfaceBinding.str(),
                                    m.BulkBinding.str(),
                                    m.TerminationEnergy.str(),
                                    AmplitudeLine(amplitudes),
                                    m.Temperature.str(),
                                    std::string(m.TestProjectileOnly == 1 ? "1" : "0")})
        text += line + "\r\n";
    return text;
}

bool WriteModelFile(const TModelSpec& spec, const VibrationAmplitudes& amplitudes,
                    const std::string& path, halvern::MessageSink& sink) {
    return WriteInputFile(path, ModelFileText(spec, amplitudes), sink,
                          "Error writing file: " + path);
}

bool LoadMdlFile(const std::string& path, TModelSpec& spec, halvern::MessageSink& sink) {
    TModelSpec read = spec;
    LoaderInput in;
    if (in.open(path)) ReadModelLines(in, read, sink);
    if (!in.ok()) {
        sink.error("Error reading file: " + path + ".");
        return false;
    }
    spec = read;
    return true;
}

}  // namespace velkor
