// The impact file written from the impact-mesh record, and read back by the record's loader.
#include <gtest/gtest.h>

#include "InputFileTestSupport.h"
#include "inputfiles/ImpactFile.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

class ImpactFileWriter : public test::InputFileTest {};

TEST_F(ImpactFileWriter, DefaultRecordWritesAndReloads) {
    const TImpactSpec written;
    RecordingSink sink;
    ASSERT_TRUE(WriteImpactFile(written, path("default.imp"), sink));
    const std::vector<std::string> mesh = lines(path("default.imp"));
    ASSERT_EQ(mesh.size(), 1250u);
    EXPECT_EQ(mesh[0],
              "0.00000000 0.00000000 3.00000000 0.000000 2.555980 0.000000 1.277990 90.000000 0 "
              "50 25 3.000000");

    // The loader gives back the same mesh: the same numbers, counts, angle and density.
    TImpactSpec loaded;
    loaded.Nx = 1;
    loaded.Angle = 10;
    ASSERT_TRUE(LoadImpFile(path("default.imp"), loaded, sink));
    RecordingSink quiet;
    const TMeshNumbers a = MeshNumbersOf(written, quiet), b = MeshNumbersOf(loaded, quiet);
    EXPECT_EQ(a.layout.bounds.bxMin, b.layout.bounds.bxMin);
    EXPECT_EQ(a.layout.bounds.bxMax, b.layout.bounds.bxMax);
    EXPECT_EQ(a.layout.bounds.byMin, b.layout.bounds.byMin);
    EXPECT_EQ(a.layout.bounds.byMax, b.layout.bounds.byMax);
    EXPECT_EQ(a.z0, b.z0);
    EXPECT_EQ(loaded.Nx, written.Nx);
    EXPECT_EQ(loaded.Ny, written.Ny);
    EXPECT_EQ(loaded.Angle, written.Angle);
    EXPECT_EQ(loaded.Density, written.Density);
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Number of trajectories: 1250"});
    EXPECT_TRUE(quiet.entries().empty());

    // Written again from the loaded record, the file is the same byte for byte.
    ASSERT_TRUE(WriteImpactFile(loaded, path("again.imp"), sink));
    EXPECT_EQ(contents(path("again.imp")), contents(path("default.imp")));
}

TEST_F(ImpactFileWriter, ConversionMessagesInTheRecordsOrder) {
    TImpactSpec spec;
    spec.BxMax = "2,5";
    spec.Z0 = "x";
    spec.ByMin = "";
    RecordingSink sink;
    // bx(max) and by(min) count 0: equal x bounds give no column, so nothing is written.
    EXPECT_FALSE(WriteImpactFile(spec, path("bad.imp"), sink));
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{
                                "Numeric conversion error (2,5)", "Numeric conversion error ()",
                                "Numeric conversion error (x)", "Projectile z0 is < 2.0 A",
                                "Ambiguous input: \rb(min) must be < b(max)"}));
    EXPECT_FALSE(halvern::FileExists(path("bad.imp")));

    spec.BxMin = "1.5";
    EXPECT_EQ(QuietMeshBounds(spec).bxMin, 1.5);
    EXPECT_EQ(QuietMeshBounds(spec).bxMax, 0);
}

}  // namespace
}  // namespace velkor
