// The model dialog's computations: the Debye amplitudes and the values they refuse, and the
// plausibility warnings in their order.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "inputfiles/ModelChecks.h"
#include "inputfiles/VibrationAmplitudes.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

TEST(DebyeModel, SeriesUpToThreeAndTheLargeArgumentFormAbove) {
    // Phi(3) by the series: 1 - 3/4 + 9/36 - 81/3600.
    EXPECT_FLOAT_EQ(DebyePhi(3.0f), 0.4775f);
    // Just above 3 the large-argument form: (pi^2/6 - 4 e^-3 - 1.75 e^-6) / 3 = 0.48047.
    EXPECT_NEAR(DebyePhi(3.0001f), 0.48047f, 1e-4f);
    EXPECT_NEAR(DebyePhi(10.0f),
                (1.6449341f - std::exp(-10.0f) * 11 - std::exp(-20.0f) * 5.25f) / 10, 1e-7f);
    // x = 1: (1 - 1/4 + 1/36 - 1/3600 + 1/4) 145.53 / (100 x 300).
    EXPECT_FLOAT_EQ(MeanSquareAmplitude(300, 300, 100),
                    (1 + 1.0f / 36 - 1.0f / 3600) * 145.53f / 30000);
}

// Values the formula would divide by, in the order they are converted.
TEST(DebyeModel, RefusesWhatTheAmplitudesCannotTake) {
    struct Case {
        std::function<void(TModelSpec&)> change;
        VibrationField field;
        const char* message;
    };
    const Case cases[] = {
        {[](TModelSpec& m) { m.Temperature = "0"; }, VibrationField::Temperature,
         "Numeric conversion error (0)"},
        {[](TModelSpec& m) { m.Temperature = "x"; }, VibrationField::Temperature,
         "Numeric conversion error (x)"},
        {[](TModelSpec& m) { m.Mass = "-1"; }, VibrationField::Mass,
         "Numeric conversion error (-1)"},
        {[](TModelSpec& m) { m.DebyeBulk = "343.5"; }, VibrationField::DebyeBulk,
         "Numeric conversion error (343.5)"},
        {[](TModelSpec& m) { m.DebyePerpendicular = ""; }, VibrationField::DebyePerpendicular,
         "Numeric conversion error ()"},
        {[](TModelSpec& m) {
             m.DebyeParallel = "0";
             m.Mass = "0";
         },
         VibrationField::Mass, "Numeric conversion error (0)"},
        {[](TModelSpec& m) { m.DebyeParallel = "0"; }, VibrationField::DebyeParallel,
         "Numeric conversion error (0)"},
        // Beyond single precision the amplitudes would be written "INF" or "NAN".
        {[](TModelSpec& m) { m.Temperature = "1e39"; }, VibrationField::Temperature,
         "Lattice temperature 1e39 K gives vibration amplitudes that are not finite."},
        {[](TModelSpec& m) { m.Temperature = "1e-50"; }, VibrationField::Temperature,
         "Lattice temperature 1e-50 K gives vibration amplitudes that are not finite."},
        {[](TModelSpec& m) { m.Mass = "1e-50"; }, VibrationField::Mass,
         "Mass 1e-50 gives vibration amplitudes that are not finite."},
    };
    for (const Case& c : cases) {
        TModelSpec spec;
        c.change(spec);
        const std::optional<VibrationRefusal> refusal = FindVibrationRefusal(spec);
        ASSERT_TRUE(refusal.has_value()) << c.message;
        EXPECT_EQ(refusal->field, c.field) << c.message;
        EXPECT_EQ(refusal->message, c.message);
    }
    EXPECT_FALSE(FindVibrationRefusal(TModelSpec{}).has_value());
}

// Each check shows its own text once; the defaults raise none.
TEST(ModelChecks, EachCheckFiresItsTextOnce) {
    using Kind = RecordingSink::Kind;
    struct Case {
        std::function<void(TModelSpec&)> change;
        const char* text;
        Kind kind;
    };
    const Case cases[] = {
        {[](TModelSpec& m) {
             m.DebyePerpendicular = "344";
             m.DebyeParallel = "400";
         },
         "Warning: Surface Debeye Temp > Bulk", Kind::Warning},
        {[](TModelSpec& m) {
             m.PtCorrection = "1.5";
             m.TtCorrection = "1.2";
         },
         "Warning: screening length correction > 1.0", Kind::Warning},
        {[](TModelSpec& m) { m.Mass = "260.5"; }, "Warning: unphysical mass value", Kind::Warning},
        {[](TModelSpec& m) { m.Mass = "0.9"; }, "Warning: unphysical mass value", Kind::Warning},
        {[](TModelSpec& m) { m.MorseD = "-0.5"; }, "Warning: Morse D parameter implausible",
         Kind::Warning},
        {[](TModelSpec& m) { m.MorseD = "10.5"; }, "Warning: Morse D parameter implausible",
         Kind::Warning},
        {[](TModelSpec& m) { m.MorseA = "2.5"; },
         "Warning: Morse alpha (\u00E0) parameter implausible", Kind::Warning},
        {[](TModelSpec& m) { m.MorseR0 = "10.5"; }, "Warning: Morse r0 parameter implausible",
         Kind::Warning},
        {[](TModelSpec& m) {
             m.SplineLow = "2.628";
             m.SplineHigh = "3";
         },
         "Warning: Low spline limit not acceptable (expected to be < r0)", Kind::Warning},
        {[](TModelSpec& m) { m.SplineHigh = "1.5"; },
         "Fatal error in spline limits (low limit > high limit).", Kind::Error},
        {[](TModelSpec& m) { m.DebyeBulk = "1001"; },
         "Debeye Temperature seems extreme - check it.", Kind::Warning},
        {[](TModelSpec& m) { m.DebyePerpendicular = "49"; },
         "Debeye Temperature seems extreme - check it.", Kind::Warning},
    };
    for (const Case& c : cases) {
        TModelSpec spec;
        c.change(spec);
        RecordingSink sink;
        CheckModelValues(spec, sink);
        EXPECT_EQ(sink.texts(), std::vector<std::string>{c.text}) << c.text;
        ASSERT_FALSE(sink.entries().empty());
        EXPECT_EQ(sink.entries()[0].kind, c.kind) << c.text;
    }
    RecordingSink quiet;
    CheckModelValues(TModelSpec{}, quiet);
    EXPECT_TRUE(quiet.entries().empty());
}

// A text that does not convert gives its message and counts as 0, which then warns as well.
TEST(ModelChecks, BadTextsCountAsZero) {
    TModelSpec spec;
    spec.MorseD = "x";
    RecordingSink sink;
    CheckModelValues(spec, sink);
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Numeric conversion error (x)",
                                                      "Warning: Morse D parameter implausible"}));
}

}  // namespace
}  // namespace velkor
