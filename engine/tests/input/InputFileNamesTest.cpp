#include "input/InputFileNames.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "EngineUiTestFiles.h"

namespace halvern {
namespace {

using testing::ScratchFolder;

TEST(InputFileNames, CompanionsOfTheStemFillOnlyTheBoxesWhoseFilesExist) {
    ScratchFolder dir("names");
    const std::string prj = dir.write("cu100.prj", "x");
    dir.write("cu100.trg", "x");
    dir.write("cu100.run", "x");
    dir.write("cu100.inl", "x");
    TInputFileBoxes boxes = kInitialInputBoxes;
    boxes[2] = "/old/model.mdl";
    boxes[0] = prj;
    EXPECT_EQ(FillCompanionNames(prj, boxes), 3);
    EXPECT_EQ(boxes[1], dir.file("cu100.trg"));
    EXPECT_EQ(boxes[2], "/old/model.mdl");  // no cu100.mdl: kept
    EXPECT_EQ(boxes[3], dir.file("cu100.run"));
    EXPECT_EQ(boxes[4], "*.imp");
    EXPECT_EQ(boxes[5], dir.file("cu100.inl"));
}

TEST(InputFileNames, CompanionExtensionsMatchInAnyCaseExactNameFirst) {
    ScratchFolder dir("case");
    const std::string prj = dir.write("Cu100.PRJ", "x");
    dir.write("Cu100.TRG", "x");
    dir.write("Cu100.Mdl", "x");
    dir.write("Cu100.run", "x");
    dir.write("Cu100.RUN", "x");
    dir.write("Cu100.imp", "x");
    dir.write("cu100.inl", "x");  // other stem case: not a companion
    TInputFileBoxes boxes = kInitialInputBoxes;
    EXPECT_EQ(FillCompanionNames(prj, boxes), 4);
    EXPECT_EQ(boxes[1], dir.file("Cu100.TRG"));
    EXPECT_EQ(boxes[2], dir.file("Cu100.Mdl"));
    EXPECT_EQ(boxes[3], dir.file("Cu100.run"));
    EXPECT_EQ(boxes[4], dir.file("Cu100.imp"));
    EXPECT_EQ(boxes[5], "*.inl");
}

TEST(InputFileNames, RunPossibleNeedsTheFiveFilesAndTheInelasticOneOnlyWithAModel) {
    ScratchFolder dir("run");
    TEngineFileNames names = InitialEngineFileNames();
    EXPECT_FALSE(RunPossible(names, false));  // wildcard names count as missing
    names.projectile = dir.write("a.prj", "x");
    names.target = dir.write("a.trg", "x");
    names.model = dir.write("a.mdl", "x");
    names.run = dir.write("a.run", "x");
    names.impact = dir.write("a.imp", "x");
    EXPECT_TRUE(RunPossible(names, false));
    EXPECT_FALSE(RunPossible(names, true));
    names.inelastic = dir.write("a.inl", "x");
    EXPECT_TRUE(RunPossible(names, true));
    names.model = dir.file("missing.mdl");
    EXPECT_FALSE(RunPossible(names, false));
    names.model = dir.file("*.mdl");
    EXPECT_FALSE(RunPossible(names, false));
}

// What the main window says after OK without a file the run needs: each missing file in the
// order of the dialog's rows, the inelastic one with the models that need it.
TEST(InputFileNames, MissingFilesAreReportedInTheOrderOfTheRows) {
    TEngineFileNames names = InitialEngineFileNames();
    names.impact = "/gone.imp";
    TSimulationOptions options;
    options.LssModel = options.OenRobinsonModel = options.ShapiroTombrelloModel = 1;
    const TMissingInputReport report = ReportMissingInputs(MissingInputFiles(names, true), options);
    EXPECT_EQ(report.status,
              "Specify input files: projectile, target, model, run, impact and "
              "inelastic files missing");
    EXPECT_EQ(report.lines[1], "  No target file specified");
    EXPECT_EQ(report.lines[4], "  Impact file not found: /gone.imp");
    EXPECT_EQ(report.lines[6],
              "  (needed by the LSS, Oen-Robinson and Shapiro-Tombrello models "
              "ticked in Options | Simulation)");
    EXPECT_EQ(MissingInputText({"run", ""}), "Run file: (none)");
}

}  // namespace
}  // namespace halvern
