#include <gtest/gtest.h>

#include <cmath>

#include "RecordProcesses.h"
#include "TestFiles.h"

using namespace halvern;
using brisal_test::Rec;

namespace {

class FormatColumnsTest : public brisal_test::ScratchDir {
  protected:
    ProcessFunctions functions{};
};

TEST_F(FormatColumnsTest, OneLinePerRecordOneFieldPerColumn) {
    const float ms = 1e-25f;
    const float pz = static_cast<float>(std::sqrt(2.0 * ms * 1000 * 1.60219e-19));
    std::string source = writeRecords("a.osl", {Rec(0, 0, 1, pz, ms), Rec(-2e-10f, 12, 1, pz, ms)});
    functions[0] = "rw";
    functions[2] = "ke/ep";
    functions[9] = "rx";
    ASSERT_TRUE(FormatColumnsFile(host, source, functions, path("f.dat"), QueryUnits::SI));
    EXPECT_EQ(contents(path("f.dat")),
              "  0  1.00000E+0003  0.00000E+0000 \r\n"
              " 12  1.00000E+0003 -2.00000E-0010 \r\n");
    // Angstrom and kg Angstrom/fs with the mass in kg: energies come out 1e10 times smaller.
    ASSERT_TRUE(FormatColumnsFile(host, source, functions, path("f.dat"), QueryUnits::NonSI));
    EXPECT_EQ(contents(path("f.dat")),
              "  0  1.00000E-0007  0.00000E+0000 \r\n"
              " 12  1.00000E-0007 -2.00000E+0000 \r\n");
    ASSERT_TRUE(FormatColumnsFile(host, writeRecords("e.osl", {}), functions, path("e.dat"),
                                  QueryUnits::SI));
    EXPECT_EQ(contents(path("e.dat")), "");
    EXPECT_TRUE(host.messages.entries().empty());
}

TEST_F(FormatColumnsTest, ErrorsStopTheTable) {
    std::string source = writeRecords("a.osl", {Rec(1, 1), Rec(0, 2), Rec(1, 3)});
    functions[0] = "rw";
    functions[1] = "1.0/rx";
    EXPECT_FALSE(FormatColumnsFile(host, source, functions, path("f.dat"), QueryUnits::SI));
    // The line in progress stays without its line end.
    EXPECT_EQ(contents(path("f.dat")), "  1  1.00000E+0000 \r\n  2 ");
    EXPECT_EQ(host.messages.count(RecordingSink::Kind::ParseError), 1);
    host.messages.clear();

    functions[1] = "RX {unclosed";
    EXPECT_FALSE(FormatColumnsFile(host, source, functions, path("g.dat"), QueryUnits::SI));
    EXPECT_EQ(contents(path("g.dat")), "");
    EXPECT_EQ(host.messages.texts().back(), "Parsing error - aborting.");
    host.messages.clear();

    functions[1] = "KE + * 2";  // recovered: the dialog only
    EXPECT_FALSE(FormatColumnsFile(host, source, functions, path("h.dat"), QueryUnits::SI));
    EXPECT_EQ(host.messages.texts().size(), 1u);
}

}  // namespace
