// The five loaders: round trips through the writers, files of older versions, the values they
// keep, and files they refuse without touching the record.
#include <gtest/gtest.h>

#include <functional>

#include "InputFileTestSupport.h"
#include "inputfiles/ImpactFile.h"
#include "inputfiles/InelasticFile.h"
#include "inputfiles/ModelFile.h"
#include "inputfiles/ProjectileFile.h"
#include "inputfiles/RunFile.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

class Loaders : public test::InputFileTest {};

const std::string kVersion1 =
    "File seems to have a version 1 format:\rUsing default values for version 2 parameters.";
const std::string kVersion21 =
    "File seems to have a version 2.1 format:\rUsing default values for version 2.2 parameters.";

// A record with a value in every field that differs from the default, in the texts the
// loaders give back.
TProjectileSpec SomeProjectile() {
    TProjectileSpec p;
    p.Symbol = "Xe";
    p.Energy = "12.125";
    p.AtomicNumber = "54";
    p.Mass = "131.2900";
    p.Flags = 9;
    return p;
}

TRunSpec SomeRun() {
    TRunSpec r;
    r.SampleMode = 3;
    r.Period = "65535";
    r.OutputOption = 8;
    r.Altitude = "45.5";
    r.Azimuth = "359.99";
    r.TimeStep = "1.0e-16";
    r.NeighbourUpdate = "999";
    r.TMin = "12.5";
    r.TMax = "1500";
    r.CutOff = "4.125";
    r.Partners = "500";
    r.Expression = "[rw = 0] {projectile}";
    return r;
}

TModelSpec SomeModel() {
    TModelSpec m;
    m.PtKind = 2;
    m.PtCorrection = "0.95";
    m.TtKind = 0;
    m.TtCorrection = "1.2";
    m.MorseFlag = 1;
    m.MorseD = "-0.5";
    m.MorseA = "1.3885";
    m.MorseR0 = "2.845";
    m.SplineLow = "1.2";
    m.SplineHigh = "2.3";
    m.VibrationFlag = 1;
    m.Mass = "58.6934";
    m.DebyeBulk = "450";
    m.DebyePerpendicular = "300";
    m.DebyeParallel = "380";
    m.SurfaceBinding = "-4.44";
    m.BulkBinding = "-1.5";
    m.TerminationEnergy = "2.5";
    m.Temperature = "77.5";
    m.TestProjectileOnly = 1;
    return m;
}

TInelasticSpec SomeInelastic() {
    TInelasticSpec s;
    s.Lss.rows = {{"29", "0.0512", "1"}, {"18", "0.03", "0.5"}};
    s.Threshold = "100000";
    s.OenRobinson.rows = {{"522", "0.00112", "1"}};
    s.MaxApsis = "2";
    s.Gamma = "0.25";
    s.ShapiroTombrello.rows = {{"841", "1.2", "15.5", "0.8", "3"}, {"0", "0", "0", "0", "0"}};
    return s;
}

TEST_F(Loaders, WrittenFilesReloadAsTheSameRecords) {
    RecordingSink sink;
    const TProjectileSpec projectile = SomeProjectile();
    ASSERT_TRUE(WriteProjectileFile(projectile, path("x.prj"), sink));
    TProjectileSpec loadedProjectile;
    ASSERT_TRUE(LoadPrjFile(path("x.prj"), loadedProjectile));
    EXPECT_EQ(loadedProjectile, projectile);

    TRunSpec run = SomeRun();
    run.FileName = path("x.run");
    ASSERT_TRUE(WriteRunFile(run, sink));
    TRunSpec loadedRun;
    ASSERT_TRUE(LoadRunFile(run.FileName, loadedRun, sink));
    EXPECT_EQ(loadedRun.FileName, "*.RUN");  // the file name is the dialog's, not the file's
    loadedRun.FileName = run.FileName;
    EXPECT_EQ(loadedRun, run);

    const TModelSpec model = SomeModel();
    ASSERT_TRUE(WriteModelFile(model, ComputeVibrationAmplitudes(model), path("x.mdl"), sink));
    TModelSpec loadedModel;
    ASSERT_TRUE(LoadMdlFile(path("x.mdl"), loadedModel, sink));
    EXPECT_EQ(loadedModel, model);
    TModelSpec loadedDefaultModel;
    ASSERT_TRUE(WriteModelFile({}, ComputeVibrationAmplitudes({}), path("d.mdl"), sink));
    ASSERT_TRUE(LoadMdlFile(path("d.mdl"), loadedDefaultModel, sink));
    EXPECT_EQ(loadedDefaultModel, TModelSpec{});

    const TInelasticSpec inelastic = SomeInelastic();
    ASSERT_TRUE(WriteInelasticFile(inelastic, path("x.inl"), sink));
    TInelasticSpec loadedInelastic;
    ASSERT_TRUE(LoadInlFile(path("x.inl"), loadedInelastic));
    EXPECT_EQ(loadedInelastic, inelastic);
    EXPECT_TRUE(sink.entries().empty());
}

// The defaults come back as the loaders write numbers: fixed energy and mass, general times
// and cells.
TEST_F(Loaders, DefaultsComeBackInTheLoadersNotation) {
    RecordingSink sink;
    TProjectileSpec projectile;
    ASSERT_TRUE(LoadPrjFile(file("d.prj", "     1.000   18 39.94800   0 Ar\r\n"), projectile));
    EXPECT_EQ(projectile.Energy.str(), "1.00");
    EXPECT_EQ(projectile.Mass.str(), "39.9480");
    TRunSpec run;
    run.FileName = path("d.run");
    ASSERT_TRUE(WriteRunFile(TRunSpec{.FileName = run.FileName}, sink));
    ASSERT_TRUE(LoadRunFile(run.FileName, run, sink));
    EXPECT_EQ(run.TMax.str() + "|" + run.TMin.str(), "300|10");
    TInelasticSpec inelastic;
    ASSERT_TRUE(WriteInelasticFile({}, path("d.inl"), sink));
    ASSERT_TRUE(LoadInlFile(path("d.inl"), inelastic));
    EXPECT_EQ(inelastic.ShapiroTombrello.rows[0],
              (std::vector<std::string>{"0", "0", "0", "0", "10"}));
    EXPECT_EQ(inelastic.Gamma.str(), "0.3");
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(Loaders, ProjectileValuesKeptAsTheFileHoldsThem) {
    struct Case {
        const char* line;
        const char* energy;
        const char* z;
        const char* mass;
        const char* symbol;
        uint8_t flags;
    };
    const Case cases[] = {
        {"     0.025   18 39.94800   0 Ar", "0.025", "18", "39.9480", "Ar", 0},
        {"     0.004    2  4.00260   0 He", "0.004", "2", "4.0026", "He", 0},
        {"     1.000    1  1.00794   0  H", "1.00", "1", "1.00794", " H", 0},
        {"  1000.000  -54 131.29000 265 Xe", "1000.00", "54", "131.2900", "Xe", 9},
        {"  1000.125 54 131.29 0 Xe extra", "1000.13", "54", "131.2900", "Xe", 0},
        {"1e7 18 39.948 0 Ar", "1E7", "18", "39.9480", "Ar", 0},
    };
    for (const Case& c : cases) {
        TProjectileSpec spec;
        ASSERT_TRUE(LoadPrjFile(file("p.prj", std::string(c.line) + "\r\n"), spec)) << c.line;
        EXPECT_EQ(spec.Energy.str(), c.energy) << c.line;
        EXPECT_EQ(spec.AtomicNumber.str(), c.z) << c.line;
        EXPECT_EQ(spec.Mass.str(), c.mass) << c.line;
        EXPECT_EQ(spec.Symbol.str(), c.symbol) << c.line;
        EXPECT_EQ(spec.Flags, c.flags) << c.line;
    }
}

TEST_F(Loaders, ModelLinesKeepTheirTextsOrTheFieldsOldOnes) {
    std::vector<std::string> lines = {
        "2",           "1.0",       "0",   "0.9",  "0",  "-0.3",
        "-1",          "2.5",       "x1",  "2.2",  "0",  "1.23456789012e-5",
        "343.5",       "-192",      "292", "-1.5", "-2", "3.0",
        "0.1 0.1 0.1", "  300.0  ", "1"};
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    TModelSpec spec;
    RecordingSink sink;
    ASSERT_TRUE(LoadMdlFile(file("m.mdl", text), spec, sink));
    EXPECT_EQ(spec.PtKind, 2);
    EXPECT_EQ(spec.MorseD.str(), "-0.3");      // line 6 takes negative values
    EXPECT_EQ(spec.MorseA.str(), "1.405");     // line 7 does not: the old text stays
    EXPECT_EQ(spec.SplineLow.str(), "1.5");    // no number: the old text, with a message
    EXPECT_EQ(spec.Mass.str(), "1.23457E-5");  // fitted to 10 characters, never cut
    EXPECT_EQ(spec.DebyeBulk.str(), "343");    // not a whole number
    EXPECT_EQ(spec.DebyePerpendicular.str(), "192");
    EXPECT_EQ(spec.DebyeParallel.str(), "292");
    EXPECT_EQ(spec.SurfaceBinding.str(), "-1.5");  // lines 16 and 17 take negative values
    EXPECT_EQ(spec.BulkBinding.str(), "-2");
    EXPECT_EQ(spec.Temperature.str(), "300.0");
    EXPECT_EQ(spec.TestProjectileOnly, 1);
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Cannot convert x1 to real number.",
                                                      "Cannot convert 343.5 to integer."}));
}

TEST_F(Loaders, RunLineEightAndWidths) {
    struct Case {
        const char* line8;
        const char* tMax;
        const char* tMin;
    };
    const Case cases[] = {
        {"300.0   10.0", "300", "10"},
        {"300.0 10.0", "300", "10"},
        {"300.0\t10.0  ", "300", "10"},
        {"123456.75   0.000012345678", "123457", "1.2E-5"},
    };
    for (const Case& c : cases) {
        const std::string text = test::CrLfText(
            {"3", "00100", "2", "90.000", "359.99", "07.0e-17", "10", c.line8, "3.7", "50", "[x]"});
        TRunSpec spec;
        RecordingSink sink;
        ASSERT_TRUE(LoadRunFile(file("r.run", text), spec, sink)) << c.line8;
        EXPECT_EQ(spec.TMax.str(), c.tMax);
        EXPECT_EQ(spec.TMin.str(), c.tMin);
        EXPECT_EQ(spec.Period.str(), "00100");
        EXPECT_EQ(spec.Altitude.str(), "90");  // too long: the number fitted, not the text cut
        EXPECT_EQ(spec.Azimuth.str(), "359.99");
        EXPECT_EQ(spec.TimeStep.str(), "07.0e-17");
        EXPECT_TRUE(sink.entries().empty());
    }
}

TEST_F(Loaders, OlderVersionsGetNoticesAndDefaults) {
    RecordingSink sink;
    TModelSpec model;
    model.Temperature = "77";
    model.TestProjectileOnly = 1;
    const std::string v1Model = test::CrLfText(
        {"0", "1.0", "1", "0.890869", "0", "0.480", "1.405", "2.628", "1.5", "2.1", "0", "63.546",
         "343", "192", "292", "0.00", "0.00", "3.0", "0.00605 0.01885 0.00827"});
    ASSERT_TRUE(LoadMdlFile(file("v1.mdl", v1Model), model, sink));
    EXPECT_EQ(model.Temperature.str(), "300");
    EXPECT_EQ(model.TestProjectileOnly, 0);
    ASSERT_EQ(sink.entries().size(), 1u);
    EXPECT_EQ(sink.entries()[0].text, kVersion1);
    EXPECT_EQ(sink.entries()[0].help.context, 5000);

    // Version 2.1: line 8 holds only the maximum time, and line 11 is missing as well.
    sink.clear();
    TRunSpec run;
    run.Expression = "[x]";
    ASSERT_TRUE(
        LoadRunFile(file("v21.run", test::CrLfText({"1", "001", "0", "90.00", "0.00", "07.0e-17",
                                                    "10", "300.0  ", "3.7", "50"})),
                    run, sink));
    EXPECT_EQ(run.TMin.str(), "0");
    EXPECT_EQ(run.Expression.str(), kDefaultFilterExpression);
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{kVersion21, kVersion1}));
    EXPECT_EQ(sink.entries()[0].help.context, 0);
    EXPECT_EQ(sink.entries()[1].help.context, 5000);

    sink.clear();
    TImpactSpec impact;
    impact.Z0 = "5.0";
    ASSERT_TRUE(LoadImpFile(file("v1.imp",
                                 "0.0 0.0 3.0 0.000000 2.555980 0.000000 1.277990 "
                                 "60.000000 0 50 25   \r\n0.1 0.0 3.0\r\n"),
                            impact, sink));
    EXPECT_EQ(impact.Z0.str(), "3");
    EXPECT_EQ(impact.Angle, 60.0);
    EXPECT_EQ(sink.count(RecordingSink::Kind::Warning), 1);
    EXPECT_EQ(sink.texts(),
              std::vector<std::string>{
                  "File seems to have version 1 format:\rSetting z0 parameter to default value "
                  "(3 A)"});
}

// An empty expression is a line of its own, not the end of a version-1 file.
TEST_F(Loaders, EmptyExpressionStaysEmpty) {
    RecordingSink sink;
    TRunSpec run;
    run.FileName = path("e.run");
    run.Expression = "";
    ASSERT_TRUE(WriteRunFile(run, sink));
    TRunSpec loaded;
    ASSERT_TRUE(LoadRunFile(run.FileName, loaded, sink));
    EXPECT_EQ(loaded.Expression.str(), "");
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(Loaders, ImpactParametersFromTheFirstLine) {
    TImpactSpec spec;
    RecordingSink sink;
    ASSERT_TRUE(LoadImpFile(file("i.imp",
                                 "0.00000000 0.00000000 3.00000000 -1.500000 2.555980 "
                                 "0.000000 1.277990 90.000000 1 7 9 2.500000  \r\n"),
                            spec, sink));
    EXPECT_EQ(spec.BxMin.str(), "-1.5");
    EXPECT_EQ(spec.BxMax.str(), "2.55598");
    EXPECT_EQ(spec.ByMin.str(), "0");
    EXPECT_EQ(spec.ByMax.str(), "1.27799");
    EXPECT_EQ(spec.Density, 1);
    EXPECT_EQ(spec.Nx, 7);
    EXPECT_EQ(spec.Ny, 9);
    EXPECT_EQ(spec.Z0.str(), "2.5");
    EXPECT_TRUE(sink.entries().empty());
}

// Every refused file leaves the record as it was; the run and model loaders add their own box.
TEST_F(Loaders, RefusedFilesLeaveTheRecordUntouched) {
    struct Case {
        const char* kind;
        std::string text;
    };
    const std::vector<std::string> modelLines = {
        "0",      "1.0", "1",   "0.890869", "0",    "0.480", "1.405", "2.628", "1.5",   "2.1", "0",
        "63.546", "343", "192", "292",      "0.00", "0.00",  "3.0",   "0 0 0", "300.0", "0"};
    // The first `count` model lines, line `changed` (counted from 1) replaced by `text`.
    auto model = [&](size_t count, size_t changed = 0, const std::string& text = {}) {
        std::string bytes;
        for (size_t k = 0; k < count; ++k)
            bytes += (k + 1 == changed ? text : modelLines[k]) + "\r\n";
        return bytes;
    };
    const std::string runHead =
        test::CrLfText({"1", "001", "0", "90.00", "0.00", "07.0e-17", "10"});
    const std::string inlHead = "// LSS data\r\n";
    const Case cases[] = {
        {"prj", ""},
        {"prj", "     1.000   18 39.94800"},
        {"prj", "     1.000   18 39.94800   0"},
        {"prj", "     1.000   18 39.94800   0Ar"},
        {"prj", "     1.000   18 39.94800   0\tAr"},
        {"prj", "     1.0x0   18 39.94800   0 Ar"},
        {"prj", "     1.000  118 39.94800   0 Ar"},
        {"prj", "     1.000   18 39.94800 1e3 Ar"},
        {"mdl", model(18)},
        {"mdl", model(19, 1, "3")},
        {"mdl", model(21, 3, "-1")},
        {"mdl", model(21, 5, "2")},
        {"mdl", model(21, 11, "2")},
        {"mdl", model(21, 21, "7")},
        {"mdl", model(21, 1, "x")},
        {"run", ""},
        {"run", runHead},
        {"run", runHead + "300.0   10.0\r\n3.7\r\n"},
        {"run", "4\r\n" + runHead.substr(3) + "300.0   10.0\r\n3.7\r\n50\r\n[x]\r\n"},
        {"run", runHead.substr(0, 8) + "9\r\n" + runHead.substr(11) + "300   10\r\n3.7\r\n50\r\n"},
        {"run",
         runHead.substr(0, 3) + "100000\r\n" + runHead.substr(8) + "300   10\r\n3.7\r\n50\r\n"},
        {"run", runHead + "300.0   1x\r\n3.7\r\n50\r\n[x]\r\n"},
        {"run", runHead + "300.0   10.0\r\nabc\r\n50\r\n[x]\r\n"},
        {"run", runHead + "300.0   10.0\r\n3.7\r\n1000\r\n[x]\r\n"},
        {"imp", ""},
        {"imp", "0.0 0.0 3.0\r\n0.1 0.0 3.0 0 1 0 1 90 0 5 5 3\r\n"},
        {"imp", "0.0 0.0 3.0 0 1 0 1 90 2 5 5 3\r\n"},
        {"imp", "0.0 0.0 3.0 0 1 0 1 90 0 5\r\n"},
        {"imp", "0.0 0.0 3.0 0 1 0 1e-300000 90 0 5 5 3\r\n"},
        {"imp", "0.0 0.0 3.0 0 1 0 1 90 0 5 5 3x\r\n"},
        {"inl", ""},
        {"inl", inlHead + "1001   // number of LSS items\r\n"},
        {"inl", inlHead + "-1   // number of LSS items\r\n"},
        {"inl", inlHead + "3   // number of LSS items\r\n0 0 0\r\n"},
        {"inl", inlHead + "1   // number\r\n29 x 1\r\n0.0\r\n"},
        {"inl",
         inlHead + "0   // number\r\n0.0   // threshold\r\n// Oen-Robinson data\r\n0\r\n1.5\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + ": " + c.text);
        const std::string name = file(std::string("bad.") + c.kind, c.text);
        RecordingSink sink;
        const std::string readError = "Error reading file: " + name + ".";
        if (std::string_view(c.kind) == "prj") {
            TProjectileSpec spec = SomeProjectile();
            EXPECT_FALSE(LoadPrjFile(name, spec));
            EXPECT_EQ(spec, SomeProjectile());
        } else if (std::string_view(c.kind) == "mdl") {
            TModelSpec spec = SomeModel();
            EXPECT_FALSE(LoadMdlFile(name, spec, sink));
            EXPECT_EQ(spec, SomeModel());
            EXPECT_EQ(sink.texts(), std::vector<std::string>{readError});
        } else if (std::string_view(c.kind) == "run") {
            TRunSpec spec = SomeRun();
            EXPECT_FALSE(LoadRunFile(name, spec, sink));
            EXPECT_EQ(spec, SomeRun());
            EXPECT_EQ(sink.texts(), std::vector<std::string>{readError});
        } else if (std::string_view(c.kind) == "imp") {
            TImpactSpec spec;
            spec.Nx = 3;
            const TImpactSpec before = spec;
            EXPECT_FALSE(LoadImpFile(name, spec, sink));
            EXPECT_EQ(spec, before);
            EXPECT_TRUE(sink.entries().empty());
        } else {
            TInelasticSpec spec = SomeInelastic();
            EXPECT_FALSE(LoadInlFile(name, spec));
            EXPECT_EQ(spec, SomeInelastic());
        }
    }
}

TEST_F(Loaders, MissingFilesAreReadErrors) {
    RecordingSink sink;
    TModelSpec model;
    EXPECT_FALSE(LoadMdlFile(path("none.mdl"), model, sink));
    TRunSpec run;
    EXPECT_FALSE(LoadRunFile(path("none.run"), run, sink));
    EXPECT_EQ(sink.texts(),
              (std::vector<std::string>{"Error reading file: " + path("none.mdl") + ".",
                                        "Error reading file: " + path("none.run") + "."}));
    TProjectileSpec projectile;
    EXPECT_FALSE(LoadPrjFile(path("none.prj"), projectile));
    TInelasticSpec inelastic;
    EXPECT_FALSE(LoadInlFile(path("none.inl"), inelastic));
    TImpactSpec impact;
    EXPECT_FALSE(LoadImpFile(path("none.imp"), impact, sink));
}

// A table of 0 rows shows one new row; more than the Add buttons allow are kept.
TEST_F(Loaders, InelasticRowCounts) {
    std::string text = "// LSS data\r\n0   // n\r\n0.0\r\n// Oen-Robinson data\r\n12   // n\r\n";
    for (int k = 1; k <= 12; ++k) text += std::to_string(k) + " 1 1\r\n";
    text += "1.5\r\n0.3\r\n// Shapiro-Tombrello data\r\n1\r\n4 0.5 1 2 0.25\r\n";
    TInelasticSpec spec;
    ASSERT_TRUE(LoadInlFile(file("n.inl", text), spec));
    EXPECT_EQ(spec.Lss.rows, (InelasticRows{{"0", "0.0", "0.0"}}));
    EXPECT_EQ(spec.OenRobinson.rows.size(), 12u);
    EXPECT_EQ(spec.OenRobinson.rows[11], (std::vector<std::string>{"12", "1", "1"}));
    EXPECT_EQ(spec.ShapiroTombrello.rows, (InelasticRows{{"4", "0.5", "1", "0.25", "2"}}));
}

}  // namespace
}  // namespace velkor
