// The record writers: the eight fixed selection rules and the user-programmed one on crafted
// particles, the record's values, the initial conditions, and failures of the output file.
#include "output/OutputWriters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "EngineTestRuns.h"

namespace halvern::test {
namespace {

using Kind = RecordingSink::Kind;

// Particles crafted so that each selection rule picks a known set. Mass 1e-25 kg; the speeds
// give kinetic energies of 0.5, 5, 50 and 500 eV.
TParticleArrays CraftedParticles() {
    const double m = 1e-25;
    auto v = [m](double ev) { return std::sqrt(2 * ev * 1.60219e-19 / m); };
    const double c[][3] = {
        // z, vx, vz (x = y = vy = 0)
        {1e-10, 0, v(500)},               // 0 projectile, emitted along the normal
        {5e-11, 0, v(50)},                // 1 at 0.5 A exactly: not emitted
        {2e-10, v(5) * 0.5, v(5) * 0.8},  // 2 emitted, 32 degrees off the normal
        {-1e-10, 0, v(0.5)},              // 3 inside, slow
        {3e-10, 0, -v(50)},               // 4 above, moving inwards
        {2e-10, v(50) * 0.05, v(50)},     // 5 emitted, 2.9 degrees off the normal
    };
    TParticleArrays p;
    AllocateParticleArrays(p, 5, 3);
    AllocateMassAndZ(p, p.N);
    for (size_t i = 0; i < 6; ++i) {
        p.z[i] = c[i][0];
        p.vx[i] = c[i][1];
        p.vz[i] = c[i][2];
        p.mass[i] = m;
    }
    return p;
}

std::vector<int32_t> IndicesWritten(int32_t option, const TParticleArrays& p,
                                    TOutputFilter* filter = nullptr, int passes = 1) {
    ScratchFolder folder("records");
    CheckedOutputFile file;
    EXPECT_TRUE(file.create(folder.file("dynvars.osl"), nullptr));
    TRecordOutput out{&file, filter};
    for (int k = 0; k < passes; ++k) WriteRecordPass(out, SelectOutputWriter(option), p, 7, 1e-15);
    EXPECT_TRUE(file.commit());
    std::vector<int32_t> indices;
    for (const TOslRecord& r : ReadRecords(folder.file("dynvars.osl"))) {
        EXPECT_EQ(r.rn, 7);
        indices.push_back(r.rw);
    }
    EXPECT_EQ(file.recordsWritten(), static_cast<int64_t>(indices.size()));
    return indices;
}

TEST(OutputWriters, EachFixedRuleSelectsItsParticles) {
    TParticleArrays p = CraftedParticles();
    const struct {
        int32_t option;
        std::vector<int32_t> expected;
    } cases[] = {
        {0, {0, 1, 2, 3, 4, 5}},  // all
        {1, {0}},                 // projectile only
        {2, {0, 1, 2, 4, 5}},     // KE > 1 eV
        {3, {0, 1, 4, 5}},        // KE > 10 eV
        {4, {0}},                 // KE > 100 eV
        {5, {0, 2, 5}},           // emitted: z > 0.5 A and moving outwards
        {6, {0}},                 // reflected projectile
        {7, {0, 5}},              // emitted within 5 degrees of the normal
    };
    for (const auto& c : cases) EXPECT_EQ(IndicesWritten(c.option, p), c.expected) << c.option;
    // The projectile rules end the pass at once; moving inwards, the projectile is not reflected.
    p.vz[0] = -p.vz[0];
    EXPECT_TRUE(IndicesWritten(6, p).empty());
    TRecordOutput none;
    EXPECT_FALSE(OutputProjectileOnly(none, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1));
    EXPECT_FALSE(OutputReflectedProjectile(none, 3, 1, 0, 0, 1, 0, 0, 1, 0, 1));
    EXPECT_EQ(SelectOutputWriter(8), &OutputFilteredRecords);
}

TEST(OutputWriters, DefaultUserProgrammedRuleSelectsEmittedParticlesAbove20eV) {
    TParticleArrays p = CraftedParticles();
    p.z[1] = 0;  // away from the 0.5 A bound, which the double and the literal may round apart
    RecordingSink sink;
    TOutputFilter filter;
    ASSERT_TRUE(SetFilterExpression(
        "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}", filter,
        sink));
    EXPECT_EQ(filter.expression,
              "[KE/EP > 20.0] & [VZ> 0.0] & [RZ > 0.5E-10] {PARTICLES EMITTED WITH KE > 20 EV}");
    EXPECT_EQ(IndicesWritten(8, p, &filter), (std::vector<int32_t>{0, 5}));
    EXPECT_TRUE(sink.entries().empty());
}

TEST(OutputWriters, UserProgrammedEvaluationErrorLeavesOutOnlyThatRecord) {
    RecordingSink sink;
    TOutputFilter filter;
    ASSERT_TRUE(SetFilterExpression("[ke/ep > 1.0] & [ln(rz) > -30.0]", filter, sink));
    // Particle 3 lies below the origin plane: LN fails for it in each of the two passes.
    EXPECT_EQ(IndicesWritten(8, CraftedParticles(), &filter, 2),
              (std::vector<int32_t>{0, 1, 2, 4, 5, 0, 1, 2, 4, 5}));
    EXPECT_EQ(sink.count(Kind::ParseError), 1);  // shown once per run
    RecordingHost host;
    ReportFilterErrors(host, filter);
    EXPECT_EQ(host.texts(), std::vector<std::string>{"  Output filter: 2 records left out after "
                                                     "an error in the expression"});
}

TEST(OutputWriters, RecordHoldsTheFloatValuesAndFullRunNumber) {
    const TOslRecord r =
        MakeOslRecord(30000, 70000, 1e-10, -2e-10, 3e-10, 0, 1e-21, -1e-21, 5e-15, 1.0552e-25);
    EXPECT_EQ(r.rx, static_cast<float>(1e-10));
    EXPECT_EQ(r.px, 0.0f);
    EXPECT_EQ(r.pz, static_cast<float>(-1e-21));
    EXPECT_EQ(r.ms, static_cast<float>(1.0552e-25));
    EXPECT_EQ(r.rw, 30000);
    EXPECT_EQ(r.rn, 70000);  // not cut to 16 bits
}

TEST(OutputWriters, InitialConditionsHoldEveryParticleAtTimeZero) {
    const TParticleArrays p = CraftedParticles();
    const std::string bytes = InitialConditionRecords(p, 3);
    std::vector<TOslRecord> records;
    for (size_t k = 0; k + kOslRecordSize <= bytes.size(); k += kOslRecordSize)
        records.push_back(
            DecodeOslRecord(reinterpret_cast<const unsigned char*>(bytes.data() + k)));
    ASSERT_EQ(records.size(), 6u);
    for (int32_t i = 0; i <= p.N; ++i) {
        EXPECT_EQ(records[i].rw, i);
        EXPECT_EQ(records[i].rn, 3);
        EXPECT_EQ(records[i].ti, 0.0f);
        EXPECT_EQ(records[i].pz, static_cast<float>(p.mass[i] * p.vz[i]));
    }
}

TEST(OutputWriters, CreationFailureIsReportedOnceInRedWithTheName) {
    RecordingHost host;
    const std::string path = "/nonexistent-folder/dynvars.osl";
    CheckedOutputFile file;
    EXPECT_FALSE(file.create(path, &host));
    EXPECT_FALSE(file.write(TOslRecord{}));
    EXPECT_FALSE(file.write(TOslRecord{}));
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(file.recordsWritten(), 0);
    ASSERT_EQ(host.texts(), std::vector<std::string>{"  Cannot create output file: " + path});
    EXPECT_EQ(host.lines[0].colour, colour::Red);

    // A host attached after the failure still hears of it, once.
    RecordingHost later;
    CheckedOutputFile unattached;
    EXPECT_FALSE(unattached.create(path));
    unattached.reportTo(&later);
    unattached.reportTo(&later);
    EXPECT_EQ(later.texts(), host.texts());
}

TEST(OutputWriters, WriteFailureIsReportedAndNotCounted) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    RecordingHost host;
    CheckedOutputFile file;
    ASSERT_TRUE(file.create("/dev/full", &host));
    // The writer buffers the records; the failure shows when the buffer goes to the device.
    for (int k = 0; k < 5000; ++k) file.write(TOslRecord{});
    EXPECT_FALSE(file.commit());
    EXPECT_TRUE(file.failed());
    EXPECT_LT(file.recordsWritten(), 5000);
    EXPECT_EQ(host.texts(), std::vector<std::string>{"  Error writing output file: /dev/full"});
}

}  // namespace
}  // namespace halvern::test
