#include "output/OutputWriters.h"

#include <cmath>

#include "Colours.h"
#include "ShortString.h"
#include "miscutil.h"

namespace halvern {

namespace {

constexpr double kHalfEmissionHeight = 5e-11;  // m: 0.5 Angstrom above the origin plane
constexpr double kJoulesPerEv = 1.60219e-19;
constexpr double kTanFiveDegrees = 0.0874887;

bool Write(TRecordOutput& out, int32_t index, int32_t run, double x, double y, double z, double px,
           double py, double pz, double t, double m) {
    const TOslRecord record = MakeOslRecord(index, run, x, y, z, px, py, pz, t, m);
    if (out.pending) {
        const OslRecordBytes bytes = EncodeOslRecord(record);
        out.pending->append(out.stream, bytes.data(), bytes.size());
    } else if (out.file) {
        out.file->write(record);
    }
    return true;
}

// |p|^2 > 2 m E is KE > E without a division.
bool KineticEnergyAbove(double px, double py, double pz, double m, double joules) {
    return px * px + py * py + pz * pz > 2 * m * joules;
}

bool Emitted(double z, double pz) {
    return z > kHalfEmissionHeight && pz > 0;
}

}  // namespace

bool CheckedOutputFile::create(const std::string& path, EngineHost* host) {
    name_ = path;
    host_ = host;
    failure_ = nullptr;
    written_ = 0;
    failed_ = false;
    reported_ = false;
    if (!file_.open(path)) fail("  Cannot create output file: ");
    return !failed_;
}

bool CheckedOutputFile::rollBack(const Mark& mark) {
    if (!file_.isOpen()) return !failed_ && mark.bytes == 0;  // a file the run does not write
    if (failed_ || !file_.truncate(mark.bytes)) return false;
    written_ = mark.records;
    return true;
}

void CheckedOutputFile::reportTo(EngineHost* host) {
    host_ = host;
    report();
}

bool CheckedOutputFile::write(const void* data, size_t size) {
    if (failed_) return false;
    if (!file_.write(data, size)) fail("  Error writing output file: ");
    return !failed_;
}

bool CheckedOutputFile::write(const TOslRecord& record) {
    const OslRecordBytes bytes = EncodeOslRecord(record);
    if (!write(bytes.data(), bytes.size())) return false;
    ++written_;
    return true;
}

bool CheckedOutputFile::writeRecords(std::string_view bytes) {
    if (!write(bytes.data(), bytes.size())) return false;
    written_ += static_cast<int64_t>(bytes.size() / kOslRecordSize);
    return true;
}

bool CheckedOutputFile::flush() {
    if (!file_.isOpen() || failed_) return !failed_;
    if (!file_.flush()) fail("  Error writing output file: ");
    return !failed_;
}

bool CheckedOutputFile::commit() {
    if (!file_.isOpen()) return false;
    if (!file_.commit() && !failed_) fail("  Error writing output file: ");
    return !failed_;
}

void CheckedOutputFile::fail(const char* text) {
    failed_ = true;
    failure_ = text;
    report();
}

void CheckedOutputFile::report() {
    if (!failed_ || reported_ || !host_) return;
    reported_ = true;
    LogLine(*host_, failure_ + name_, colour::Red);
    if (const std::string note = file_.failureNote(); !note.empty())
        LogLine(*host_, "  " + note, colour::Red);
}

TOslRecord MakeOslRecord(int32_t index, int32_t run, double x, double y, double z, double px,
                         double py, double pz, double t, double m) {
    TOslRecord r;
    r.rx = static_cast<float>(x);
    r.ry = static_cast<float>(y);
    r.rz = static_cast<float>(z);
    r.px = static_cast<float>(px);
    r.py = static_cast<float>(py);
    r.pz = static_cast<float>(pz);
    r.ti = static_cast<float>(t);
    r.ms = static_cast<float>(m);
    r.rw = index;
    r.rn = run;
    return r;
}

bool OutputAllRecords(TRecordOutput& out, int32_t index, int32_t run, double x, double y, double z,
                      double px, double py, double pz, double t, double m) {
    return Write(out, index, run, x, y, z, px, py, pz, t, m);
}

bool OutputProjectileOnly(TRecordOutput& out, int32_t index, int32_t run, double x, double y,
                          double z, double px, double py, double pz, double t, double m) {
    if (index == 0) Write(out, index, run, x, y, z, px, py, pz, t, m);
    return false;
}

bool OutputAboveKE1eV(TRecordOutput& out, int32_t index, int32_t run, double x, double y, double z,
                      double px, double py, double pz, double t, double m) {
    if (KineticEnergyAbove(px, py, pz, m, kJoulesPerEv))
        Write(out, index, run, x, y, z, px, py, pz, t, m);
    return true;
}

bool OutputAboveKE10eV(TRecordOutput& out, int32_t index, int32_t run, double x, double y, double z,
                       double px, double py, double pz, double t, double m) {
    if (KineticEnergyAbove(px, py, pz, m, 10 * kJoulesPerEv))
        Write(out, index, run, x, y, z, px, py, pz, t, m);
    return true;
}

bool OutputAboveKE100eV(TRecordOutput& out, int32_t index, int32_t run, double x, double y,
                        double z, double px, double py, double pz, double t, double m) {
    if (KineticEnergyAbove(px, py, pz, m, 100 * kJoulesPerEv))
        Write(out, index, run, x, y, z, px, py, pz, t, m);
    return true;
}

bool OutputEmittedRecords(TRecordOutput& out, int32_t index, int32_t run, double x, double y,
                          double z, double px, double py, double pz, double t, double m) {
    if (Emitted(z, pz)) Write(out, index, run, x, y, z, px, py, pz, t, m);
    return true;
}

bool OutputReflectedProjectile(TRecordOutput& out, int32_t index, int32_t run, double x, double y,
                               double z, double px, double py, double pz, double t, double m) {
    if (index == 0 && Emitted(z, pz)) Write(out, index, run, x, y, z, px, py, pz, t, m);
    return false;
}

bool OutputEmittedNearNormal(TRecordOutput& out, int32_t index, int32_t run, double x, double y,
                             double z, double px, double py, double pz, double t, double m) {
    if (Emitted(z, pz) && std::sqrt(px * px + py * py) / pz < kTanFiveDegrees)
        Write(out, index, run, x, y, z, px, py, pz, t, m);
    return true;
}

bool OutputFilteredRecords(TRecordOutput& out, int32_t index, int32_t run, double x, double y,
                           double z, double px, double py, double pz, double t, double m) {
    if (!out.filter || !out.filter->run || !out.filter->run->compileResult().ok()) return false;
    const expr::FilterVerdict verdict = out.filter->run->evaluate(
        expr::VariablesFromDoubles(x, y, z, px, py, pz, t, m, index, run));
    if (verdict.selected) Write(out, index, run, x, y, z, px, py, pz, t, m);
    return true;
}

bool SetFilterExpression(const std::string& text, TOutputFilter& filter, MessageSink& sink) {
    filter.expression = CutTo(expr::UpCaseStr(text), expr::kMaxInputLength);
    filter.run = std::make_shared<expr::FilterRun>(sink);
    return filter.run->compile(filter.expression);
}

void ReportFilterErrors(EngineHost& host, const TOutputFilter& filter) {
    const int64_t left = (filter.run ? filter.run->semanticErrorRecords() : 0) +
                         filter.otherErrorRecords;
    if (left == 0) return;
    LogLine(host,
            "  Output filter: " + IntToText(left) +
                " records left out after an error in the expression",
            colour::Red);
}

OslRecordWriter SelectOutputWriter(int32_t option) {
    static constexpr OslRecordWriter kWriters[] = {
        OutputAllRecords,          OutputProjectileOnly,    OutputAboveKE1eV,
        OutputAboveKE10eV,         OutputAboveKE100eV,      OutputEmittedRecords,
        OutputReflectedProjectile, OutputEmittedNearNormal, OutputFilteredRecords};
    if (option < 0 || option > 8) return nullptr;
    return kWriters[option];
}

void WriteRecordPass(TRecordOutput& out, OslRecordWriter writer, const TParticleArrays& p,
                     int32_t run, double t) {
    for (int32_t i = 0; i <= p.N; ++i) {
        const double m = p.mass[i];
        if (!writer(out, i, run, p.x[i], p.y[i], p.z[i], m * p.vx[i], m * p.vy[i], m * p.vz[i], t,
                    m))
            return;
    }
}

std::string InitialConditionRecords(const TParticleArrays& p, int32_t runCount) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(p.N + 1) * kOslRecordSize);
    for (int32_t i = 0; i <= p.N; ++i) {
        const double m = p.mass[i];
        const OslRecordBytes record = EncodeOslRecord(MakeOslRecord(
            i, runCount, p.x[i], p.y[i], p.z[i], m * p.vx[i], m * p.vy[i], m * p.vz[i], 0.0, m));
        bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    }
    return bytes;
}

}  // namespace halvern
