// Convert: the ASCII trajectory lines against a reading and a formatting of the records written
// here, on random records (every bit pattern, rounding halves) through the whole conversion, and
// the conversion loop's progress, failures and the lines it leaves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
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

// An independent reading of the 40-byte record: eight little-endian 32-bit reals, then the
// particle index and the run number as little-endian 32-bit integers.
struct RawRecord {
    float real[8];  // rx ry rz px py pz ti ms
    int32_t rw, rn;
};

uint32_t LittleEndianWord(const unsigned char* b) {
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

RawRecord ReadRawRecord(const unsigned char* bytes) {
    RawRecord r{};
    for (int k = 0; k < 8; ++k) {
        const uint32_t word = LittleEndianWord(bytes + 4 * k);
        std::memcpy(&r.real[k], &word, 4);
    }
    r.rw = static_cast<int32_t>(LittleEndianWord(bytes + 32));
    r.rn = static_cast<int32_t>(LittleEndianWord(bytes + 36));
    return r;
}

// A number as the kit writes it, formatted here on the C library's exact decimal conversion:
// the value rounded to 18 significant digits, then half away from zero at the place asked for.
std::string PadTo(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string NonFinite(long double v) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    return {};
}

// |v| = digits[0].digits[1..17] x 10^exponent; empty digits for zero.
struct Significant {
    std::string digits;
    int exponent = 0;
};

Significant EighteenDigits(long double magnitude) {
    Significant s;
    if (magnitude == 0) return s;
    char text[64];
    std::snprintf(text, sizeof text, "%.17Le", magnitude);  // d.ddddddddddddddddde+x
    const char* e = std::strchr(text, 'e');
    s.digits.push_back(text[0]);
    s.digits.append(text + 2, static_cast<size_t>(e - (text + 2)));
    s.exponent = std::atoi(e + 1);
    return s;
}

// Adds one unit at the last digit; true when the carry ran out of the front.
bool AddOneAtEnd(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

std::string TestFixed(long double v, int width, int decimals) {
    if (const std::string word = NonFinite(v); !word.empty()) return PadTo(word, width);
    const Significant s = EighteenDigits(std::fabs(v));
    std::string whole = "0", fraction(static_cast<size_t>(decimals) + 1, '0');
    if (!s.digits.empty()) {
        if (s.exponent >= 0) {
            whole = s.digits.substr(0, s.exponent + 1);
            whole.resize(static_cast<size_t>(s.exponent) + 1, '0');
            fraction = s.digits.size() > whole.size() ? s.digits.substr(whole.size()) : "";
        } else {
            fraction = std::string(static_cast<size_t>(-s.exponent - 1), '0') + s.digits;
        }
        fraction.resize(static_cast<size_t>(decimals) + 1, '0');
    }
    const bool up = fraction.back() >= '5';
    fraction.pop_back();
    std::string kept = whole + fraction;
    if (up && AddOneAtEnd(kept)) kept.insert(0, 1, '1');
    whole = kept.substr(0, kept.size() - decimals);
    fraction = kept.substr(whole.size());
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    std::string text = (v < 0 ? "-" : "") + whole;
    if (decimals > 0) text += "." + fraction;
    return PadTo(text, width);
}

// Width 12: a sign place, one digit, ".", three digits, "E", the exponent's sign, four digits.
std::string TestScientific12(long double v) {
    if (const std::string word = NonFinite(v); !word.empty()) return PadTo(word, 12);
    Significant s = EighteenDigits(std::fabs(v));
    std::string mantissa = "0000";
    if (!s.digits.empty()) {
        mantissa = s.digits.substr(0, 4);
        if (s.digits[4] >= '5' && AddOneAtEnd(mantissa)) {
            mantissa = "1000";
            ++s.exponent;
        }
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "%c%04d", s.exponent < 0 ? '-' : '+',
                  std::abs(s.exponent));
    return std::string(1, v < 0 ? '-' : ' ') + mantissa[0] + "." + mantissa.substr(1) + "E" +
           exponent;
}

// The line of a record by the file's own description: positions x 1e10 (the single-precision
// constant), momenta x 1e22, time x 1e15, fixed 10.6, 10.6 and 6.2; mass scientific in 12;
// index and run in 5; one blank between fields; CR LF.
std::string ExpectedLine(const RawRecord& r) {
    std::string line;
    for (int k = 0; k < 3; ++k)
        line += TestFixed(static_cast<long double>(r.real[k]) * 1e10f, 10, 6) + ' ';
    for (int k = 3; k < 6; ++k) line += TestFixed(r.real[k] * 1e22L, 10, 6) + ' ';
    line += TestFixed(r.real[6] * 1e15L, 6, 2) + ' ' + TestScientific12(r.real[7]) + ' ';
    line += PadTo(std::to_string(r.rw), 5) + ' ' + PadTo(std::to_string(r.rn), 5) + "\r\n";
    return line;
}

std::string ExpectedLine(const TOslRecord& record) {
    const OslRecordBytes bytes = EncodeOslRecord(record);
    return ExpectedLine(ReadRawRecord(bytes.data()));
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

class ConvertFile : public brisal_test::ScratchDir {};

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

// Random record bytes converted whole, each line against the record's own reading and formatting.
// Exact rounding halves close the file: j 2^-17 m is j 5^16 / 2 millionths of an A, j 2^-18 s
// is j 5^17 / 2 hundredths of a fs, 1234.5 kg has a half in its fourth digit; each rounds away
// from zero.
TEST_F(ConvertFile, RandomRecordsConvertAsTheirFieldsDescribe) {
    constexpr int kRecords = kSanitized ? 5'000 : 100'000;
    std::mt19937 gen(20);
    std::string bytes;
    for (int i = 0; i < kRecords; ++i) {
        TOslRecord r;
        for (float* f : {&r.rx, &r.ry, &r.rz, &r.px, &r.py, &r.pz, &r.ti, &r.ms})
            *f = RandomFloat(gen);
        r.rw = static_cast<int32_t>(gen());
        r.rn = static_cast<int32_t>(gen() % 100000);
        bytes += brisal_test::RecordBytes({r});
    }
    TOslRecord half;
    half.rx = 0x1p-17f;
    half.ry = -3 * 0x1p-17f;
    half.ti = 0x1p-18f;
    half.ms = 1234.5f;
    TOslRecord negativeHalf = half;
    negativeHalf.ms = -12345.0f;
    bytes += brisal_test::RecordBytes({half, negativeHalf});
    const std::string source = path("random.osl");
    ASSERT_TRUE(WriteFileReplacing(source, bytes));
    ASSERT_TRUE(ConvertToText(host, source, path("random.dat")));

    const std::string text = contents(path("random.dat"));
    size_t at = 0;
    int differing = 0;
    for (size_t offset = 0; offset < bytes.size() && differing < 5; offset += 40) {
        const size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "record " << offset / 40;
        const std::string line = text.substr(at, end + 2 - at);
        const std::string expected =
            ExpectedLine(ReadRawRecord(reinterpret_cast<const unsigned char*>(&bytes[offset])));
        if (line != expected) {
            ++differing;
            ADD_FAILURE() << "record " << offset / 40 << "\n written:  " << line
                          << " expected: " << expected;
        }
        at = end + 2;
    }
    EXPECT_EQ(at, text.size());
    EXPECT_NE(text.find("\n76293.945313 -228881.835938 "), std::string::npos);
    EXPECT_NE(text.find(" 3814697265.63  1.235E+0003 "), std::string::npos);
    EXPECT_NE(text.find(" 3814697265.63 -1.235E+0004 "), std::string::npos);
}

TEST_F(ConvertFile, WritesALinePerRecordWithProgressAt0And500) {
    std::vector<TOslRecord> records;
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        records.push_back(Rec(static_cast<float>(i) * 1e-11f, i, 1 + i / 100));
        expected += ExpectedLine(records.back());
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
              ExpectedLine(records[0]) + ExpectedLine(records[1]) + ExpectedLine(records[2]));
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
