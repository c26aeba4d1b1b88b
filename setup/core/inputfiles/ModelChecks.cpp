#include "inputfiles/ModelChecks.h"

#include "text/TextConversions.h"

namespace velkor {

void CheckModelValues(const TModelSpec& spec, halvern::MessageSink& sink) {
    auto real = [&sink](std::string_view text) { return TextToReal(sink, text); };
    auto whole = [&sink](std::string_view text) { return TextToInt(sink, text); };

    const int32_t bulk = whole(spec.DebyeBulk);
    const int32_t perpendicular = whole(spec.DebyePerpendicular);
    if (perpendicular > bulk || whole(spec.DebyeParallel) > bulk)
        ShowWarning(sink, "Warning: Surface Debeye Temp > Bulk");
    if (real(spec.PtCorrection) > 1 || real(spec.TtCorrection) > 1)
        ShowWarning(sink, "Warning: screening length correction > 1.0");
    if (const long double mass = real(spec.Mass); mass < 1 || mass > 260)
        ShowWarning(sink, "Warning: unphysical mass value");
    if (const long double d = real(spec.MorseD); d > 10 || d < 0.01L)
        ShowWarning(sink, "Warning: Morse D parameter implausible");
    if (const long double a = real(spec.MorseA); a > 2 || a < 0.01L)
        ShowWarning(sink, "Warning: Morse alpha (\u00E0) parameter implausible");
    const long double r0 = real(spec.MorseR0);
    if (r0 > 10 || r0 < 2) ShowWarning(sink, "Warning: Morse r0 parameter implausible");
    const long double low = real(spec.SplineLow);
    if (low >= r0)
        ShowWarning(sink, "Warning: Low spline limit not acceptable (expected to be < r0)");
    if (low >= real(spec.SplineHigh))
        sink.error("Fatal error in spline limits (low limit > high limit).");
    if (bulk > 1000 || perpendicular < 50)
        ShowWarning(sink, "Debeye Temperature seems extreme - check it.");
}

}  // namespace velkor
