// The process dialogs worked like a user: the Filter and Make Spectrum commands write their
// files and log, Browse proposes destinations, OK is refused for a bad source or number, and the
// expression boxes keep their history.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QtTest>

#include "AnalysisEditorHost.h"
#include "ConvertForm.h"
#include "EditForm.h"
#include "FileSafety.h"
#include "FilterForm.h"
#include "FunctionsForms.h"
#include "GraphForm.h"
#include "SpecForm.h"
#include "UiTestSupport.h"

using namespace brisal;
using namespace brisal_test;

class ProcessDialogsTest : public UiTestCase {
    Q_OBJECT

    void writeRun(const QString& file) {
        // 20 eV lies within half a channel below a low limit of 50 eV.
        WriteRecords(file, {Particle(50), Particle(150, 1), Particle(250, 2), Particle(20, 3)});
    }

    // Three channels from 50 to 250 of the default expression.
    static void FillSpectrum(QDialog& d, const QString& source, const QString& destination) {
        SetText(d, "Edit1", source);
        SetText(d, "Edit2", destination);
        SetText(d, "LoEdit", QStringLiteral("50"));
        SetText(d, "HiEdit", QStringLiteral("250.0"));
        SetText(d, "IntegerEdit1", QStringLiteral("3"));
    }

  private Q_SLOTS:
    void filterThroughItsDialogWritesTheFileAndLogsTheCounts() {
        BrisalWindows w = startProgram();
        const QString source = path("RUN7.OSL");
        writeRun(source);
        fileDialogs.script({source.toStdString()});
        ModalScripts modal;
        modal.add([](QDialog& d) {
            Click(d, "Button1");  // browse: the source and the proposed destination
            SetText(d, "VarBox", QStringLiteral("[ke/ep > 100.0] { KE > 100 eV }"));
            Click(d, "BitBtn1");
        });
        Child<QAction>(*w.main, "Filter1")->trigger();

        QVERIFY(modal.allUsed());
        QCOMPARE(modal.shown, QStringList{"Filter"});
        QVERIFY(sink.entries().empty());
        const QString destination = path("RUN$.osl");
        QCOMPARE(FileBytes(destination), FileBytes(source).mid(40, 80));
        const QStringList log = w.main->logLines();
        QCOMPARE(log.mid(log.size() - 2),
                 QStringList({"Filter; [ke/ep > 100.0] { KE > 100 eV }; ",
                              "RUN7.OSL (4 recs.) --> RUN$.osl (2 recs. = 50%)"}));
        QCOMPARE(w.main->statusLine(), QString());
        QVERIFY(!w.main->busy());
    }

    void spectrumThroughItsDialogWritesItsTextFile() {
        BrisalWindows w = startProgram();
        const QString source = path("run.osl"), destination = path("spectrum.dat");
        writeRun(source);
        ModalScripts modal;
        modal.add([&](QDialog& d) {
            FillSpectrum(d, source, destination);
            Click(d, "BitBtn1");
        });
        Child<QAction>(*w.main, "Spectrum1")->trigger();

        QVERIFY(sink.entries().empty());
        QCOMPARE(FileBytes(destination),
                 QByteArray(" 5.00000000000000E+0001  2.00000000000000E+0000\r\n"
                            " 1.50000000000000E+0002  1.00000000000000E+0000\r\n"
                            " 2.50000000000000E+0002  1.00000000000000E+0000\r\n"));
        QCOMPARE(
            w.main->logLines().last(),
            QStringLiteral("Spectrum: ke/ep { particle KE, in eV }; run.osl --> spectrum.dat"));
    }

    // "Display spectrum" ticked: the spectrum shows in the grapher's cache 1 under its title,
    // the axes fitted to it and the other caches kept; unticked, the grapher stays as it was.
    void spectrumShownInTheGrapher() {
        BrisalWindows w = startProgram();
        const QString source = path("run.osl"), destination = path("spectrum.dat");
        writeRun(source);
        TGraphForm& grapher = *w.main->forms().graph;
        halvern::GrapherModel& model = grapher.model();
        model.caches[1].points = {{1, 1}};
        const auto runSpectrum = [&](bool display) {
            ModalScripts modal;
            modal.add([&](QDialog& d) {
                FillSpectrum(d, source, destination);
                auto* box = Child<QCheckBox>(d, "CheckBox1");
                QVERIFY(box->isEnabled());
                box->setChecked(display);
                Click(d, "BitBtn1");
            });
            Child<QAction>(*w.main, "Spectrum1")->trigger();
            QVERIFY(modal.allUsed());
        };

        runSpectrum(false);
        QVERIFY(!grapher.isVisible());
        QVERIFY(model.caches[0].points.empty());

        runSpectrum(true);
        QVERIFY(sink.entries().empty());
        QVERIFY(grapher.isVisible());
        const halvern::DataCache& cache = model.caches[0];
        QCOMPARE(cache.fileName, destination.toStdString());
        QCOMPARE(cache.points.size(), size_t(3));
        QCOMPARE(cache.points[2].x, 250.0f);
        QCOMPARE(cache.points[2].y, 1.0f);
        QCOMPARE(cache.penStyle, halvern::PenStyle::Solid);
        QVERIFY(cache.symbolsOn);
        QCOMPARE(cache.symbolSize, 1);
        QCOMPARE(model.settings.x.minimum, 50.0f);
        QCOMPARE(model.settings.x.span, 200.0f);
        QCOMPARE(model.mainTitle.text,
                 std::string("ke/ep { particle KE, in eV }: spectrum.dat").substr(0, 50));
        QVERIFY(model.mainTitle.visible);
        QCOMPARE(model.caches[1].points.size(), size_t(1));
        QVERIFY(!w.main->busy());
    }

    // Convert writes a line per record and logs; with "Display output file" ticked the text
    // opens in an editor.
    void convertThroughItsDialogWritesTheTextFile() {
        BrisalWindows w = startProgram();
        const QString source = path("RUN7.OSL");
        writeRun(source);
        fileDialogs.script({source.toStdString()});
        ModalScripts modal;
        modal.add([](QDialog& d) {
            auto* display = Child<QCheckBox>(d, "CheckBox1");
            QVERIFY(display->isEnabled());
            QVERIFY(!display->isChecked());
            display->setChecked(true);
            Click(d, "Button1");  // the source, and RUN7.dat beside it
            Click(d, "BitBtn1");
        });
        Child<QAction>(*w.main, "Convert1")->trigger();
        QVERIFY(modal.allUsed());
        QVERIFY(sink.entries().empty());
        const QByteArray text = FileBytes(path("RUN7.dat"));
        QCOMPARE(text.size(), 4 * 99);
        QVERIFY(text.startsWith("  0.000000   0.000000   0.000000   0.000000   0.000000"));
        QCOMPARE(w.main->logLines().last(), QStringLiteral("Convert: RUN7.OSL --> RUN7.dat"));
        QCOMPARE(w.main->statusLine(), QString());
        QVERIFY(!w.main->busy());
        const std::vector<halvern::TEditForm*> editors = w.main->editors().windows();
        QCOMPARE(editors.size(), size_t{1});
        QCOMPARE(editors[0]->windowTitle(), path("RUN7.dat"));
        QCOMPARE(editors[0]->EditWin->toPlainText().toUtf8() + "\n",
                 QByteArray(text).replace("\r\n", "\n"));
    }

    // Displacements from the three names of its dialog, logged with the records compared; a
    // refused name leaves nothing behind.
    void displacementsThroughItsDialog() {
        BrisalWindows w = startProgram();
        const QString initial = path("inivars.osl"), later = path("dynvars.osl");
        WriteRecords(initial, {Particle(50), Particle(150, 1)});
        WriteRecords(later, {Particle(60, 1), Particle(70)});
        const QString destination = path("moved.osl");
        fileDialogs.script({initial.toStdString(), later.toStdString(), destination.toStdString()});
        ModalScripts modal;
        const QString shots = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        modal.add([&](QDialog& d) {
            Click(d, "Button1");
            Click(d, "Button2");
            Click(d, "Button3");
            if (!shots.isEmpty() && QDir().mkpath(shots))
                QVERIFY(d.grab().save(shots + "/brisal22-displacements-dialog.png"));
            Click(d, "BitBtn1");
        });
        modal.add([&](QDialog& d) {
            SetText(d, "Edit3", later);
            Click(d, "BitBtn1");
        });
        Child<QAction>(*w.main, "Displacements1")->trigger();
        QCOMPARE(modal.shown, QStringList{"Displacements"});
        QCOMPARE(fileDialogs.asked.at(2).title, std::string("Specify Destination File"));
        QCOMPARE(fileDialogs.asked.at(2).filter, std::string("Ostrel output file|*.osl"));
        QVERIFY(sink.entries().empty());
        const QByteArray moved = FileBytes(destination);
        QCOMPARE(moved.size(), 80);
        // Particle 1 moved along z: pz differs, rw and the mass are file 2's.
        const halvern::TOslRecord first =
            halvern::DecodeOslRecord(reinterpret_cast<const unsigned char*>(moved.constData()));
        QCOMPARE(first.rw, 1);
        QCOMPARE(first.pz, Particle(60, 1).pz - Particle(150, 1).pz);

        const QStringList logged = {QString(),
                                    QStringLiteral("Displacements: dynvars.osl - inivars.osl --> "
                                                   "moved.osl (2 recs.)")};
        QCOMPARE(w.main->logLines(), logged);
        QCOMPARE(w.main->statusLine(), QString());

        // Refused (the destination is a source): nothing more is logged.
        const QByteArray before = FileBytes(later);
        Child<QAction>(*w.main, "Displacements1")->trigger();
        QCOMPARE(FileBytes(later), before);
        QCOMPARE(sink.entries().size(), size_t{1});
        QCOMPARE(w.main->logLines(), logged);
    }

    void browseProposesTheDestination() {
        BrisalWindows w = startProgram();
        const TProcessForms& f = w.main->forms();
        const std::string folder = path("sim.v2").toStdString();
        const struct {
            TProcessDialog* dialog;
            const char* proposal;
        } cases[] = {
            {f.spectrum, "/RUN7.dat"}, {f.avg, "/RUN7.txt"},    {f.formatCol, "/RUN7.dat"},
            {f.convert, "/RUN7.dat"},  {f.filter, "/RUN$.osl"},
        };
        for (const auto& c : cases) {
            fileDialogs.clear();
            fileDialogs.script({folder + "/RUN7.OSL"});
            c.dialog->Button1Click();
            QCOMPARE(Text(*c.dialog, "Edit1"), QString::fromStdString(folder + "/RUN7.OSL"));
            QCOMPARE(Text(*c.dialog, "Edit2"), QString::fromStdString(folder + c.proposal));
            QCOMPARE(fileDialogs.asked.at(0).title, std::string("Select Source File"));
            QCOMPARE(fileDialogs.asked.at(0).initialName, std::string("*.osl"));
        }
        // The destination's own dialog: the averages report is a text file.
        fileDialogs.clear();
        fileDialogs.script({"/tmp/report.txt"});
        f.avg->Button2Click();
        QCOMPARE(Text(*f.avg, "Edit2"), QStringLiteral("/tmp/report.txt"));
        QCOMPARE(fileDialogs.asked.at(0).title, std::string("Specify Destination File"));
        QCOMPARE(fileDialogs.asked.at(0).filter, std::string("Text file|*.txt|Any file|*.*"));
        QCOMPARE(fileDialogs.asked.at(0).defaultSuffix, std::string("txt"));
        // A cancelled dialog changes nothing.
        fileDialogs.clear();
        f.avg->Button2Click();
        QCOMPARE(Text(*f.avg, "Edit2"), QStringLiteral("/tmp/report.txt"));
    }

    void okIsRefusedForAPatternOrMissingSource() {
        BrisalWindows w = startProgram();
        ModalScripts modal;
        for (const QString& name : {QStringLiteral("*.osl"), path("r?n.osl"), path("gone.osl")}) {
            modal.add([name](QDialog& d) {
                SetText(d, "Edit1", name);
                Click(d, "BitBtn1");
                QVERIFY(d.isVisible());  // kept open
            });
        }
        for (int i = 0; i < 3; ++i) Child<QAction>(*w.main, "Collate1")->trigger();
        QCOMPARE(sink.count(halvern::RecordingSink::Kind::Beep), 3);
        QCOMPARE(sink.texts().size(), size_t{0});
        QVERIFY(w.main->logLines().join(QString()).isEmpty());
    }

    void okIsRefusedForABadNumber() {
        BrisalWindows w = startProgram();
        const QString source = path("run.osl");
        writeRun(source);
        ModalScripts modal;
        modal.add([&](QDialog& d) {
            SetText(d, "Edit1", source);
            SetText(d, "Edit2", path("s.dat"));
            SetText(d, "IntegerEdit1", QStringLiteral("12.5"));
            Click(d, "BitBtn1");
            QVERIFY(d.isVisible());
        });
        Child<QAction>(*w.main, "Spectrum1")->trigger();
        QCOMPARE(sink.texts().size(), size_t{1});
        QVERIFY(QString::fromStdString(sink.texts()[0]).startsWith("Input value must be integer"));
        QVERIFY(!halvern::FileExists(path("s.dat").toStdString()));
    }

    void typedExpressionsJoinTheSortedHistory() {
        BrisalWindows w = startProgram();
        const QString source = path("run.osl");
        writeRun(source);
        TFilterForm& filter = *w.main->forms().filter;
        SetText(filter, "Edit1", source);
        for (const QString& expression :
             {QStringLiteral("[rw = 0]"), QStringLiteral("[rn = 1]"), QStringLiteral("[RW = 0]")}) {
            SetText(filter, "VarBox", expression);
            filter.BitBtn1Click();
        }
        QComboBox& box = *Child<QComboBox>(filter, "VarBox");
        QStringList items;
        for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
        QCOMPARE(items, QStringList({"[rn = 1]", "[rw = 0]"}));
        QCOMPARE(box.currentText(), QStringLiteral("[RW = 0]"));
    }
};

int RunProcessDialogsTests(int argc, char** argv) {
    ProcessDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProcessDialogsTest.moc"
