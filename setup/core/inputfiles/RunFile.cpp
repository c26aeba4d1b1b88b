#include "inputfiles/RunFile.h"

#include "NumberText.h"
#include "inputfiles/InputFileIO.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string ExpressionLine(std::string_view expression) {
    std::string line(expression);
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 14) c = ' ';
    return line;
}

// A text line holding one number for a field of N characters.
template <size_t N>
void ReadNumberLine(LoaderInput& in, ShortText<N>& field, bool integer = false) {
    const std::optional<std::string> text = FieldNumberText(in.line(), N, integer);
    if (text)
        field = *text;
    else
        in.refuse();
}

uint16_t ReadChoice(LoaderInput& in, uint16_t max) {
    const int32_t value = in.intValue();
    in.endLine();
    if (value < 0 || value > max) in.refuse();
    return static_cast<uint16_t>(value);
}

}  // namespace

std::string RunFileText(const TRunSpec& spec) {
    std::string text;
    for (const std::string& line :
         {halvern::FormatInt(spec.SampleMode), spec.Period.str(),
          halvern::FormatInt(spec.OutputOption), spec.Altitude.str(), spec.Azimuth.str(),
          spec.TimeStep.str(), spec.NeighbourUpdate.str(),
          spec.TMax.str() + "   " + spec.TMin.str(), spec.CutOff.str(), spec.Partners.str(),
          ExpressionLine(spec.Expression)})
        text += line + kLineEnd;
    return text;
}

bool WriteRunFile(const TRunSpec& spec, halvern::MessageSink& sink) {
    return WriteInputFile(spec.FileName, RunFileText(spec), sink, "Error writing output to disk.");
}

bool LoadRunFile(const std::string& path, TRunSpec& spec, halvern::MessageSink& sink) {
    TRunSpec read = spec;
    LoaderInput in;
    if (in.open(path)) {
        read.SampleMode = ReadChoice(in, kMaxSampleMode);
        ReadNumberLine(in, read.Period, true);
        read.OutputOption = ReadChoice(in, kMaxOutputOption);
        ReadNumberLine(in, read.Altitude);
        ReadNumberLine(in, read.Azimuth);
        ReadNumberLine(in, read.TimeStep);
        ReadNumberLine(in, read.NeighbourUpdate, true);

        SetFittedReal(in, read.TMax, in.realValue());
        long double tMin = 0;
        if (!in.lineEndsHere())
            tMin = in.realValue();
        else if (in.ok())
            sink.info(
                "File seems to have a version 2.1 format:\rUsing default values for version 2.2 "
                "parameters.");
        in.endLine();
        SetFittedReal(in, read.TMin, tMin);

        ReadNumberLine(in, read.CutOff);
        ReadNumberLine(in, read.Partners, true);
        if (in.fileEndsHere()) {
            if (in.ok())
                ShowVersionNotice(
                    sink,
                    "File seems to have a version 1 format:\rUsing default values for "
                    "version 2 parameters.");
            read.Expression = kDefaultFilterExpression;
        } else {
            read.Expression = in.line();
        }
    }
    if (!in.ok()) {
        sink.error("Error reading file: " + path + ".");
        return false;
    }
    read.FileName = spec.FileName;
    spec = read;
    return true;
}

}  // namespace velkor
