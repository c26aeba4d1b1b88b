// Convert: the ASCII trajectory line against the number-text module, and the conversion loop's
// progress, failures and the lines it leaves.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "TestFiles.h"
#include "convert/AsciiTrajectoryLine.h"
#include "convert/ConvertToText.h"
#include "processes/ProcessFiles.h"

using brisal_test::Rec;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// The line as the number-text module writes it: the oracle of the fast formatter.
std::string OracleLine(const TOslRecord& r) {
    const AsciiTrajectoryValues v = AsciiValuesOf(r);
    std::string line;
    for (long double c : v.position) line += FormatFixed(c, 10, 6) + ' ';
    for (long double c : v.momentum) line += FormatFixed(c, 10, 6) + ' ';
    line += FormatFixed(v.time, 6, 2) + ' ' + FormatScientific(v.mass, 12) + ' ';
    line += FormatInt(v.particle, 5) + ' ' + FormatInt(v.run, 5) + "\r\n";
    return line;
}

std::string LineOf(const TOslRecord& r) {
    std::string line;
    AppendAsciiTrajectoryLine(r, line);
    return line;
}

TOslRecord Golden() {
    TOslRecord r;
    r.rx = 1e-10f;  // 1 A
    r.rz = -2.5e-10f;
    r.px = -1e-21f;  // -10 x 1e-22 kg m/s fills the field
    r.pz = 3e-22f;
    r.ti = 5e-15f;  // 5 fs
    r.ms = 1.0552e-25f;
    r.rw = 3;
    r.rn = 12;
    return r;
}

TEST(AsciiTrajectoryLine, GoldenLines) {
    const std::string golden =
        "  1.000000   0.000000  -2.500000 -10.000000   0.000000   3.000000   5.00  1.055E-0025"
        "     3    12\r\n";
    EXPECT_EQ(LineOf(Golden()), golden);
    // Ten fields in single blanks; the shortest line is 97 characters before its CR LF.
    EXPECT_EQ(golden.size(), kAsciiMinLineLength + 2);
    EXPECT_EQ(kAsciiMinLineLength, 97u);

    // Fields widen for what does not fit, and the rest move right, one blank apart.
    TOslRecord wide = Golden();
    wide.rx = 0x1p-23f;    // 1192.09... A, exact in binary
    wide.ry = -0x1p-26f;   // -149.01... A
    wide.ti = -1.25e-13f;  // -125 fs
    wide.rw = 123456;
    wide.rn = -7;
    EXPECT_EQ(LineOf(wide),
              "1192.092896 -149.011612  -2.500000 -10.000000   0.000000   3.000000 -125.00 "
              " 1.055E-0025 123456    -7\r\n");

    // A negative value that rounds to zero keeps its sign; non-finite values are named.
    TOslRecord odd;
    odd.rx = -1e-18f;
    odd.px = std::numeric_limits<float>::infinity();
    odd.ms = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(LineOf(odd),
              " -0.000000   0.000000   0.000000        INF   0.000000   0.000000   0.00 "
              "         NAN     0     0\r\n");
}

float RandomFloat(std::mt19937& gen) {
    // Every bit pattern, values near a rounding half of the position (6 decimals of 1e-10),
    // momentum (of 1e-22) and time (2 decimals of 1e-15) fields, and values of the sizes a run
    // writes.
    const uint32_t kind = gen() % 3;
    if (kind == 0) {
        const uint32_t bits = gen();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    if (kind == 1) {
        static constexpr double kUnits[] = {1e-16, 1e-28, 1e-17};
        return static_cast<float>((gen() % 20000000 + 0.5) * kUnits[gen() % 3]);
    }
    std::uniform_real_distribution<double> exponent(-30, 5);
    const double sign = gen() % 2 ? 1 : -1;
    return static_cast<float>(sign * std::pow(10.0, exponent(gen)));
}

TEST(AsciiTrajectoryLine, FastTextsEqualTheNumberTextModule) {
    constexpr int kRecords = kSanitized ? 30'000 : 1'000'000;  // the oracle is slow there
    std::mt19937 gen(20);
    int differing = 0;
    for (int i = 0; i < kRecords && differing < 5; ++i) {
        TOslRecord r;
        for (float* f : {&r.rx, &r.ry, &r.rz, &r.px, &r.py, &r.pz, &r.ti, &r.ms})
            *f = RandomFloat(gen);
        r.rw = static_cast<int32_t>(gen());
        r.rn = static_cast<int32_t>(gen() % 100000);
        const std::string fast = LineOf(r), oracle = OracleLine(r);
        if (fast != oracle) {
            ++differing;
            ADD_FAILURE() << "record " << i << "\n fast:   " << fast << " oracle: " << oracle;
        }
    }
    // Exact rounding halves: j 2^-17 m is j 5^16 / 2 millionths of an A, j 2^-18 s is
    // j 5^17 / 2 hundredths of a fs; 1234.5 kg has a half in its fourth digit. Each rounds away
    // from zero.
    TOslRecord r;
    r.rx = 0x1p-17f;
    r.ry = -3 * 0x1p-17f;
    r.ti = 0x1p-18f;
    r.ms = 1234.5f;
    EXPECT_EQ(LineOf(r), OracleLine(r));
    EXPECT_EQ(LineOf(r).substr(0, 12), "76293.945313");
    r.ms = -12345.0f;
    EXPECT_EQ(LineOf(r), OracleLine(r));
    EXPECT_NE(LineOf(r).find(" 3814697265.63 -1.235E+0004 "), std::string::npos) << LineOf(r);
}

class ConvertFile : public brisal_test::ScratchDir {};

TEST_F(ConvertFile, WritesALinePerRecordWithProgressAt0And500) {
    std::vector<TOslRecord> records;
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        records.push_back(Rec(static_cast<float>(i) * 1e-11f, i, 1 + i / 100));
        expected += OracleLine(records.back());
    }
    const std::string source = writeRecords("run.osl", records);
    ASSERT_TRUE(ConvertToText(host, source, path("run.dat")));
    EXPECT_EQ(contents(path("run.dat")), expected);
    EXPECT_EQ(host.events, (std::vector<std::string>{
                               "status: Working... please wait (0 records processed)", "pump",
                               "status: Working... please wait (500 records processed)"}));
    EXPECT_TRUE(host.messages.entries().empty());

    // An empty source gives an empty destination.
    host.events.clear();
    ASSERT_TRUE(ConvertToText(host, writeRecords("empty.osl", {}), path("empty.dat")));
    EXPECT_EQ(contents(path("empty.dat")), "");
    EXPECT_TRUE(host.events.empty());
}

TEST_F(ConvertFile, ATrailingFragmentEndsWithTheLinesOfAllWholeRecords) {
    const std::vector<TOslRecord> records = {Rec(1e-10f, 1), Rec(2e-10f, 2), Rec(3e-10f, 3)};
    const std::string source = path("cut.osl");
    ASSERT_TRUE(WriteFileReplacing(source, brisal_test::RecordBytes(records) + "partial"));
    EXPECT_FALSE(ConvertToText(host, source, path("cut.dat")));
    EXPECT_EQ(contents(path("cut.dat")),
              OracleLine(records[0]) + OracleLine(records[1]) + OracleLine(records[2]));
    EXPECT_EQ(host.messages.texts(), std::vector<std::string>{kDiskReadErrorText});
}

TEST_F(ConvertFile, FileFailuresAreReportedAtOnce) {
    // More lines than one write block, so that a refused write shows before the close.
    const std::string source = writeRecords("a.osl", std::vector<TOslRecord>(5000, Rec(1e-10f)));
    const std::string before = contents(source);
    EXPECT_FALSE(ConvertToText(host, source, path("./a.osl")));
    EXPECT_EQ(contents(source), before);
    EXPECT_FALSE(ConvertToText(host, path("none.osl"), path("none.dat")));
    EXPECT_FALSE(ConvertToText(host, source, path("no/such/b.dat")));
    EXPECT_FALSE(ConvertToText(host, source, "/dev/full"));
    EXPECT_EQ(host.messages.texts(),
              (std::vector<std::string>{DestinationIsSourceText(path("./a.osl")),
                                        "Cannot open " + path("none.osl") + ".",
                                        "Cannot create destination file (" +
                                            path("no/such/b.dat") + ").",
                                        kDiskWriteErrorText}));
    EXPECT_FALSE(FileExists(path("none.dat")));
}

}  // namespace
