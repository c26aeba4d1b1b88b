// Every limit the engine sets on an input file, refused at the field of the set-up program that
// writes the value and by the engine's reader of the file written with it; the field's own ends
// are accepted by both.
#include <QLineEdit>
#include <QtTest>
#include <functional>
#include <memory>

#include "DialogTestCase.h"
#include "ImpForm.h"
#include "MdlForm.h"
#include "NumberText.h"
#include "NumericControl.h"
#include "PrjForm.h"
#include "RunForm.h"
#include "TextReader.h"
#include "host/EngineHost.h"
#include "input/ImpactFile.h"
#include "input/ModelFile.h"
#include "input/ProjectileFile.h"
#include "input/RunFile.h"
#include "inputfiles/ImpactFile.h"
#include "inputfiles/ModelFile.h"
#include "inputfiles/ProjectileFile.h"
#include "inputfiles/RunFile.h"
#include "inputfiles/VibrationAmplitudes.h"

using namespace velkor;

namespace {

// The four records, with the run sampling periodically (so that the period counts) and the
// model without vibrations (so that the lattice temperature of a hot target counts).
struct Records {
    TProjectileSpec projectile;
    TRunSpec run{.SampleMode = 3};
    TModelSpec model;
    TImpactSpec impact;
};

enum class InputKind { Projectile, Run, Model, Impact };

struct LimitCase {
    const char* quantity;
    InputKind file;
    const char* control;
    std::function<void(Records&, const std::string&)> set;
    std::vector<std::string> beyond;  // outside the engine's limit
    bool endsRun = true;              // false: a mesh bound, whose ends depend on the other bound
};

template <auto Member, auto Field>
void Set(Records& r, const std::string& text) {
    (r.*Member).*Field = text;
}

const std::vector<LimitCase>& Cases() {
    using P = TProjectileSpec;
    using R = TRunSpec;
    using M = TModelSpec;
    using I = TImpactSpec;
    constexpr auto Prj = &Records::projectile;
    constexpr auto Run = &Records::run;
    constexpr auto Mdl = &Records::model;
    constexpr auto Imp = &Records::impact;
    const std::vector<std::string> huge = {"-1000001", "1000001"};
    static const std::vector<LimitCase> cases = {
        {"projectile Z",
         InputKind::Projectile,
         "IntegerEdit1",
         Set<Prj, &P::AtomicNumber>,
         {"0", "1001"}},
        {"projectile mass",
         InputKind::Projectile,
         "FloatEdit1",
         Set<Prj, &P::Mass>,
         {"0", "10001"}},
        {"projectile energy",
         InputKind::Projectile,
         "FloatEdit2",
         Set<Prj, &P::Energy>,
         {"0.0004", "1000001"}},
        {"sampling period", InputKind::Run, "IntegerEdit1", Set<Run, &R::Period>, {"0", "65536"}},
        {"polar angle", InputKind::Run, "FloatEdit1", Set<Run, &R::Altitude>, {"0", "361"}},
        {"azimuthal angle",
         InputKind::Run,
         "FloatEdit2",
         Set<Run, &R::Azimuth>,
         {"-360.1", "360.1"}},
        {"time step", InputKind::Run, "FloatEdit3", Set<Run, &R::TimeStep>, {"9e-20", "1.1e-12"}},
        {"rebuild interval",
         InputKind::Run,
         "IntegerEdit2",
         Set<Run, &R::NeighbourUpdate>,
         {"0", "65536"}},
        {"cut-off", InputKind::Run, "FloatEdit6", Set<Run, &R::CutOff>, {"0", "8.01"}},
        {"partners", InputKind::Run, "IntegerEdit3", Set<Run, &R::Partners>, {"0", "501"}},
        {"projectile-target screening",
         InputKind::Model,
         "FloatEdit1",
         Set<Mdl, &M::PtCorrection>,
         {"0", "100.1"}},
        {"target-target screening",
         InputKind::Model,
         "FloatEdit2",
         Set<Mdl, &M::TtCorrection>,
         {"-1", "101"}},
        {"Morse D", InputKind::Model, "FloatEdit3", Set<Mdl, &M::MorseD>, huge},
        {"Morse a", InputKind::Model, "FloatEdit4", Set<Mdl, &M::MorseA>, huge},
        {"Morse r0", InputKind::Model, "FloatEdit5", Set<Mdl, &M::MorseR0>, huge},
        {"spline low", InputKind::Model, "FloatEdit6", Set<Mdl, &M::SplineLow>, {"0", "8.01"}},
        {"spline high",
         InputKind::Model,
         "FloatEdit7",
         Set<Mdl, &M::SplineHigh>,
         {"0.99", "7.9998"}},
        {"lattice temperature",
         InputKind::Model,
         "FloatEdit9",
         Set<Mdl, &M::Temperature>,
         {"-1", "100001"}},
        {"surface binding", InputKind::Model, "FloatEdit13", Set<Mdl, &M::SurfaceBinding>, huge},
        {"bulk binding", InputKind::Model, "FloatEdit14", Set<Mdl, &M::BulkBinding>, huge},
        {"termination energy", InputKind::Model, "FloatEdit15", Set<Mdl, &M::TerminationEnergy>,
         huge},
        {"impact x", InputKind::Impact, "FloatEdit1", Set<Imp, &I::BxMin>, {"-1000001"}, false},
        {"impact y", InputKind::Impact, "FloatEdit3", Set<Imp, &I::ByMin>, {"-1000001"}, false},
        {"impact height", InputKind::Impact, "FloatEdit5", Set<Imp, &I::Z0>, {"0", "1000001"}},
    };
    return cases;
}

// The field's own ends as texts that read back as the same numbers.
std::vector<std::string> FieldEnds(QWidget* control) {
    if (auto* real = dynamic_cast<halvern::RealRangeControl*>(control))
        return {halvern::ShortestRealText(static_cast<double>(real->MinValue())),
                halvern::ShortestRealText(static_cast<double>(real->MaxValue()))};
    auto* integer = dynamic_cast<halvern::IntRangeControl*>(control);
    return {halvern::FormatInt(integer->MinValue()), halvern::FormatInt(integer->MaxValue())};
}

}  // namespace

class InputLimitsTest : public DialogTestCase {
    Q_OBJECT

  private:
    // The dialog that edits the file, over records of its own.
    std::unique_ptr<QDialog> dialogFor(InputKind file, Records& r) {
        switch (file) {
            case InputKind::Projectile:
                return std::make_unique<TPrjForm>(r.projectile);
            case InputKind::Run:
                return std::make_unique<TRunForm>(r.run);
            case InputKind::Model:
                return std::make_unique<TMdlForm>(r.model);
            case InputKind::Impact:
                break;
        }
        return std::make_unique<TImpForm>(r.impact);
    }

    // The file written from the records by the set-up program, read by the engine.
    bool engineAccepts(InputKind file, const Records& r) {
        halvern::RecordingSink writing;
        halvern::RecordingHost host;
        const std::string path = file_ + ".input";
        switch (file) {
            case InputKind::Projectile: {
                if (!WriteProjectileFile(r.projectile, path, writing)) return false;
                halvern::TProjectileData data;
                return halvern::ReadProjectileFile(path, data, host) == 0;
            }
            case InputKind::Run: {
                TRunSpec run = r.run;
                run.FileName = path;
                if (!WriteRunFile(run, writing)) return false;
                halvern::TRunParameters p;
                return halvern::ReadRunFile(path, p, host) == 0;
            }
            case InputKind::Model: {
                if (!WriteModelFile(r.model, ComputeVibrationAmplitudes(r.model), path, writing))
                    return false;
                halvern::TModelParameters m;
                halvern::TSimulationOptions hot;
                hot.HotTarget = 1;
                return halvern::ReadModelFileAhead(path, m) &&
                       halvern::CheckModelValues(m, hot, path, host);
            }
            case InputKind::Impact:
                break;
        }
        if (!WriteImpactFile(r.impact, path, writing)) return false;
        halvern::TextReader impacts;
        return impacts.open(path) && halvern::CheckImpactFile(impacts, path, host);
    }

    std::string file_;

  private Q_SLOTS:
    void eachLimitIsRefusedAtItsFieldAndByTheEngine() {
        file_ = file("limit");
        for (const LimitCase& c : Cases()) {
            Records records;
            if (c.file == InputKind::Model && std::string(c.control) == "FloatEdit9")
                records.model.VibrationFlag = 1;
            const std::unique_ptr<QDialog> dialog = dialogFor(c.file, records);
            auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(c.control));
            QVERIFY2(edit != nullptr, c.quantity);
            auto* control = dynamic_cast<halvern::NumericControl*>(static_cast<QWidget*>(edit));
            QVERIFY2(control != nullptr, c.quantity);

            for (const std::string& text : c.beyond) {
                const std::string at = std::string(c.quantity) + " " + text;
                sink_.clear();
                edit->setText(QString::fromStdString(text));
                if (edit->text().toStdString() != text) continue;  // too long to be typed
                QVERIFY2(!control->validate(), at.c_str());
                QCOMPARE(sink_.texts(), std::vector<std::string>{control->message()});
                Records written = records;
                c.set(written, text);
                QVERIFY2(!engineAccepts(c.file, written), at.c_str());
            }
            if (!c.endsRun) continue;
            for (const std::string& text : FieldEnds(edit)) {
                const std::string at = std::string(c.quantity) + " " + text;
                edit->setText(QString::fromStdString(text));
                QVERIFY2(control->validate(), at.c_str());
                Records written = records;
                c.set(written, text);
                QVERIFY2(engineAccepts(c.file, written), at.c_str());
            }
        }
    }
};

QTEST_MAIN(InputLimitsTest)
#include "InputLimitsTest.moc"
