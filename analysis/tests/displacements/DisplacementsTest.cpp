// Displacements: differences per particle against the reference file, the reference table's two
// forms, indexes without a reference, and the failures reported once at the end.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TestFiles.h"
#include "displacements/Displacements.h"
#include "displacements/ReferenceTable.h"
#include "processes/ProcessFiles.h"
#include "records/OslFile.h"

namespace {

TOslRecord Particle(int32_t rw, float base, int32_t rn = 1) {
    TOslRecord r;
    r.rx = base;
    r.ry = base + 1;
    r.rz = base + 2;
    r.px = base * 10;
    r.py = base * 20;
    r.pz = base * 30;
    r.ti = base * 1e-15f;
    r.ms = 1e-26f * static_cast<float>(rw + 1);
    r.rw = rw;
    r.rn = rn;
    return r;
}

// The record of `later` less the positions and momenta of `reference`.
TOslRecord Expected(const TOslRecord& later, const TOslRecord& reference) {
    TOslRecord d = later;
    d.rx -= reference.rx;
    d.ry -= reference.ry;
    d.rz -= reference.rz;
    d.px -= reference.px;
    d.py -= reference.py;
    d.pz -= reference.pz;
    return d;
}

class Displacements : public brisal_test::ScratchDir {
  protected:
    std::vector<TOslRecord> read(const std::string& file) {
        std::vector<TOslRecord> records;
        OslFileReader in;
        EXPECT_TRUE(in.open(file));
        TOslRecord r;
        while (in.read(r) == OslFileReader::Status::Record) records.push_back(r);
        return records;
    }
    void expectRecords(const std::string& file, const std::vector<TOslRecord>& expected) {
        EXPECT_EQ(contents(file), brisal_test::RecordBytes(expected));
    }
    RecordingSink& sink = host.messages;
};

TEST_F(Displacements, DifferencesKeepTimeMassIndexAndRunOfFile2) {
    const std::vector<TOslRecord> initial = {Particle(0, 1), Particle(1, 2), Particle(2, 3)};
    const std::vector<TOslRecord> later = {Particle(2, 7, 4), Particle(0, 5, 4), Particle(1, -2, 4)};
    const std::string file1 = writeRecords("ini.osl", initial);
    const std::string file2 = writeRecords("dyn.osl", later);
    ASSERT_TRUE(ComputeDisplacements(host, file1, file2, path("d.osl")).completed);
    expectRecords(path("d.osl"), {Expected(later[0], initial[2]), Expected(later[1], initial[0]),
                                  Expected(later[2], initial[1])});
    EXPECT_TRUE(sink.entries().empty());

    // The same file as both sources gives zeros.
    ASSERT_TRUE(ComputeDisplacements(host, file2, file2, path("zero.osl")).completed);
    for (const TOslRecord& r : read(path("zero.osl")))
        for (float v : {r.rx, r.ry, r.rz, r.px, r.py, r.pz}) EXPECT_EQ(v, 0.0f);
    EXPECT_EQ(read(path("zero.osl")).size(), 3u);

    // An empty file 2 gives an empty destination.
    const DisplacementsOutcome none =
        ComputeDisplacements(host, file1, writeRecords("none.osl", {}), path("e.osl"));
    ASSERT_TRUE(none.completed);
    EXPECT_EQ(none.records, 0);
    EXPECT_EQ(contents(path("e.osl")), "");
}

// The records compared are counted as the record processes count theirs: a status line every 500
// and the event pump every 2000, the whole count in the outcome.
TEST_F(Displacements, ReportsTheRecordsComparedAsItGoes) {
    const std::string file1 = writeRecords("ini.osl", {Particle(0, 1)});
    const std::string file2 =
        writeRecords("dyn.osl", std::vector<TOslRecord>(2100, Particle(0, 2)));
    const DisplacementsOutcome outcome = ComputeDisplacements(host, file1, file2, path("d.osl"));
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.records, 2100);
    EXPECT_EQ(host.events, (std::vector<std::string>{
                               "status: Working... please wait (500 records processed)",
                               "status: Working... please wait (1000 records processed)",
                               "status: Working... please wait (1500 records processed)",
                               "status: Working... please wait (2000 records processed)", "pump"}));
}

TEST_F(Displacements, TheLaterOfTwoReferencesOfAnIndexCounts) {
    const std::vector<TOslRecord> initial = {Particle(3, 1, 1), Particle(0, 4), Particle(3, 9, 2)};
    const TOslRecord later = Particle(3, 20, 2);
    ASSERT_TRUE(ComputeDisplacements(host, writeRecords("ini.osl", initial),
                                     writeRecords("dyn.osl", {later}), path("d.osl"))
                    .completed);
    expectRecords(path("d.osl"), {Expected(later, initial[2])});
}

// Indexes without a reference are compared with zero, in both forms of the table: within the
// dense table, beyond its end, negative, and (for the hash map) a corrupt huge index of file 1.
TEST_F(Displacements, IndexesWithoutAReferenceAreComparedWithZero) {
    const TOslRecord zero{};
    for (const int32_t largest : {5, 2000000000}) {
        SCOPED_TRACE(largest);
        const std::vector<TOslRecord> initial = {Particle(0, 1), Particle(-4, 2),
                                                 Particle(largest, 3)};
        const std::vector<TOslRecord> later = {Particle(0, 5),  Particle(3, 6),
                                               Particle(-4, 7), Particle(largest, 8),
                                               Particle(largest + 1, 9), Particle(INT32_MIN, 1)};
        ASSERT_TRUE(ComputeDisplacements(host, writeRecords("ini.osl", initial),
                                         writeRecords("dyn.osl", later), path("d.osl"))
                        .completed);
        expectRecords(path("d.osl"),
                      {Expected(later[0], initial[0]), later[1], later[2],
                       Expected(later[3], initial[2]), Expected(later[4], zero), later[5]});
    }
    ReferenceTable table;
    table.prepare(30000, 100);
    EXPECT_TRUE(table.dense());
    table.prepare(ReferenceTable::kDenseMinimum, 100);
    EXPECT_FALSE(table.dense());
    table.prepare(400, 100);
    EXPECT_TRUE(table.dense());
}

// Differences beyond the single range come out infinite (with the sign of the difference)
// rather than undefined; a NaN stays NaN.
TEST(Displacement, DifferencesBeyondTheSingleRangeAreInfinite) {
    constexpr float kBig = 3e38f, kInf = std::numeric_limits<float>::infinity();
    const struct {
        float later, reference, expected;
    } cases[] = {
        {kBig, -kBig, kInf},  {-kBig, kBig, -kInf}, {kBig, kBig, 0.0f},
        {kInf, 1.0f, kInf},   {1.5f, -2.0f, 3.5f},  {1e-30f, 1e-30f, 0.0f},
    };
    for (const auto& c : cases) {
        TOslRecord later;
        later.rx = later.pz = c.later;
        ReferenceEntry reference;
        reference.position[0] = reference.momentum[2] = c.reference;
        const TOslRecord d = Displacement(later, reference);
        EXPECT_EQ(d.rx, c.expected) << c.later << " - " << c.reference;
        EXPECT_EQ(d.pz, c.expected) << c.later << " - " << c.reference;
    }
    TOslRecord later;
    later.ry = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(std::isnan(Displacement(later, ReferenceEntry{}).ry));
}

TEST_F(Displacements, FailuresAreReportedOnceAtTheEnd) {
    const std::vector<TOslRecord> initial = {Particle(0, 1), Particle(1, 2)};
    const std::string file1 = writeRecords("ini.osl", initial);
    const std::string file2 = writeRecords("dyn.osl", {Particle(1, 3), Particle(0, 4)});

    // A trailing fragment of file 2 is no record; the whole ones are written.
    const std::string cut = path("cut.osl");
    ASSERT_TRUE(WriteFileReplacing(cut, contents(file2) + std::string(12, '\x7f')));
    EXPECT_FALSE(ComputeDisplacements(host, file1, cut, path("d.osl")).completed);
    expectRecords(path("d.osl"), {Expected(Particle(1, 3), initial[1]),
                                  Expected(Particle(0, 4), initial[0])});
    // A fragment of file 1 likewise.
    const std::string cut1 = path("cut1.osl");
    ASSERT_TRUE(WriteFileReplacing(cut1, contents(file1) + "xyz"));
    EXPECT_FALSE(ComputeDisplacements(host, cut1, file2, path("d1.osl")).completed);
    EXPECT_EQ(contents(path("d1.osl")), contents(path("d.osl")));

    // A source that cannot be opened: nothing is made.
    EXPECT_FALSE(ComputeDisplacements(host, path("gone.osl"), file2, path("g1.osl")).completed);
    EXPECT_FALSE(ComputeDisplacements(host, file1, path("gone.osl"), path("g2.osl")).completed);
    EXPECT_FALSE(FileExists(path("g1.osl")));
    EXPECT_FALSE(FileExists(path("g2.osl")));
    EXPECT_FALSE(ComputeDisplacements(host, file1, file2, "/dev/full").completed);
    EXPECT_EQ(sink.texts(), std::vector<std::string>(5, kFileAccessErrorText));

    // Neither source may be the destination.
    sink.clear();
    const std::string before = contents(file2);
    EXPECT_FALSE(ComputeDisplacements(host, file1, file2, path("./dyn.osl")).completed);
    EXPECT_FALSE(ComputeDisplacements(host, file1, file2, file1).completed);
    EXPECT_EQ(contents(file2), before);
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{DestinationIsSourceText(path("./dyn.osl")),
                                                      DestinationIsSourceText(file1)}));
}

}  // namespace
