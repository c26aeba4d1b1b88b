// The projectile, run, model and inelastic dialogs on the offscreen platform: values shown from
// their records, OK with the save dialog answered, and the refusals that keep a file as it was.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include "DialogTestCase.h"
#include "FileSafety.h"
#include "InlForm.h"
#include "ItemRadioGroup.h"
#include "MdlForm.h"
#include "MessageSink.h"
#include "PrjForm.h"
#include "RunForm.h"
#include "ScriptedFileChooser.h"
#include "UiSink.h"
#include "WindowCaption.h"

using namespace velkor;
using halvern::RecordingSink;

namespace {

void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void SetText(QWidget& dialog, const char* name, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(edit != nullptr, name);
    edit->setText(text);
}

QString Text(QWidget& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

std::string Contents(const std::string& path) {
    std::string bytes;
    halvern::ReadFileBytes(path, bytes);
    return bytes;
}

// Shows a dialog as the user would meet it.
void Open(QDialog& dialog) {
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

void Screenshot(QWidget& window, const char* file) {
    const QString dir = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(window.grab().save(dir + "/" + QString::fromLatin1(file)));
}

}  // namespace

class InputDialogsTest : public DialogTestCase {
    Q_OBJECT

  private:
    std::string path(const char* name) const { return file(name); }
    // A file that a refused OK must leave as it is.
    std::string existing(const char* name) const {
        const std::string p = path(name);
        halvern::WriteFileReplacing(p, "old contents\r\n");
        return p;
    }

  private slots:
    void projectilePresetFillsAndOkWrites() {
        TProjectileSpec spec;
        TPrjForm dialog(spec);
        Open(dialog);
        QComboBox* symbol = dialog.ComboBox1;
        QCOMPARE(symbol->currentText(), QStringLiteral("Ar"));
        symbol->showPopup();  // the user picks He from the list
        symbol->view()->setCurrentIndex(symbol->model()->index(1, 0));
        QTest::keyClick(symbol->view(), Qt::Key_Return);
        QCOMPARE(Text(dialog, "IntegerEdit1") + " " + Text(dialog, "FloatEdit1"),
                 QStringLiteral("2 4.00260"));
        SetText(dialog, "FloatEdit2", "2.5");
        SetText(dialog, "FlagEdit", "5");
        chooser_.script({path("he.prj")});
        Click(dialog, "BitBtn1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(chooser_.asked.at(0).title,
                 std::string("Save projectile specification file as..."));
        QCOMPARE(chooser_.asked.at(0).filter,
                 std::string("Projectile specification file|*.PRJ *.prj"));
        QCOMPARE(chooser_.asked.at(0).initialName, std::string("UNTITLED.PRJ"));
        QCOMPARE(Contents(path("he.prj")), std::string("     2.500    2  4.00260   5 He\r\n"));
        QCOMPARE(spec.Flags, uint8_t{5});
        QVERIFY(sink_.entries().empty());
    }

    // Shown from the record: the flags too, and a symbol that never applies its preset, also
    // when the focus passes through the box or Enter is pressed there.
    void projectileShowsTheLoadedRecord() {
        TProjectileSpec spec;
        spec.Symbol = "Ar";
        spec.Mass = "35.9675";
        spec.Flags = 7;
        TPrjForm dialog(spec);
        Open(dialog);
        dialog.activateWindow();
        dialog.ComboBox1->setFocus();
        QTest::keyClick(dialog.ComboBox1->lineEdit(), Qt::Key_Return);
        dialog.FloatEdit2->setFocus();
        QCOMPARE(Text(dialog, "FloatEdit1"), QStringLiteral("35.9675"));
        QCOMPARE(Text(dialog, "FlagEdit"), QStringLiteral("7"));
        chooser_.script({path("ar36.prj")});
        Click(dialog, "BitBtn1");
        QCOMPARE(QString::fromStdString(Contents(path("ar36.prj"))),
                 QStringLiteral("     1.000   18 35.96750   7 Ar\r\n"));
    }

    // Every change of element the user makes sets Z and the mass: the arrow keys, the wheel,
    // and a typed symbol of the list or of the element table; other texts leave them.
    void projectilePresetByKeysWheelAndTyping() {
        TProjectileSpec spec;
        TPrjForm dialog(spec);
        Open(dialog);
        dialog.activateWindow();
        QComboBox* box = dialog.ComboBox1;
        box->setFocus();
        auto values = [&] {
            return Text(dialog, "IntegerEdit1") + " " + Text(dialog, "FloatEdit1");
        };

        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("He"));
        QCOMPARE(values(), QStringLiteral("2 4.00260"));

        const QPointF middle = QRectF(box->rect()).center();
        QWheelEvent wheel(middle, box->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
        QCOMPARE(box->currentText(), QStringLiteral("Ne"));
        QCOMPARE(values(), QStringLiteral("10 20.179"));

        const struct {
            const char* typed;
            const char* values;
        } typing[] = {{"Xe", "54 131.29"},
                      {"Cu", "29 63.546"},
                      {"C", "6 12.011"},
                      {"W", "74 183.85"},
                      {"Zz", "74 183.85"},
                      {"H", "1 1.0079"}};
        for (const auto& t : typing) {
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), QString::fromLatin1(t.typed));
            QCOMPARE(values(), QString::fromLatin1(t.values));
        }
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("Xe"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
        chooser_.script({path("xe.prj")});
        Click(dialog, "BitBtn1");
        QCOMPARE(Contents(path("xe.prj")), std::string("     1.000   54 131.29000   0 Xe\r\n"));
    }

    void projectileRefusesAnOutOfRangeEnergy() {
        TProjectileSpec spec;
        TPrjForm dialog(spec);
        Open(dialog);
        SetText(dialog, "FloatEdit2", "2000");
        Click(dialog, "BitBtn1");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.isVisible());
        QVERIFY(chooser_.asked.empty());
        QCOMPARE(sink_.count(RecordingSink::Kind::Error), 1);
        QCOMPARE(spec.Energy.str(), std::string("1.0"));
    }

    void runEnablingFollowsTheChecks() {
        TRunSpec spec;
        TRunForm dialog(spec);
        Open(dialog);
        QVERIFY(!dialog.IntegerEdit1->isEnabled());
        QVERIFY(dialog.RadioGroup1->isEnabled());
        QVERIFY(!dialog.Memo1->isEnabled());
        dialog.CheckBox1->setChecked(false);
        QVERIFY(!dialog.RadioGroup1->isEnabled());
        dialog.CheckBox2->setChecked(true);
        QVERIFY(dialog.IntegerEdit1->isEnabled());
        QVERIFY(dialog.RadioGroup1->isEnabled());
        QTest::mouseClick(dialog.RadioGroup1->item(8), Qt::LeftButton);
        QVERIFY(dialog.Memo1->isEnabled() && dialog.SamplesButton->isEnabled());
        dialog.CheckBox2->setChecked(false);
        QVERIFY(!dialog.Memo1->isEnabled());
    }

    void runOkWritesTheFileNamedInTheRecord() {
        TRunSpec spec;
        TRunForm dialog(spec);
        dialog.FileName = "cu.run";
        Open(dialog);
        dialog.CheckBox2->setChecked(true);
        SetText(dialog, "IntegerEdit1", "65535");
        SetText(dialog, "FloatEdit2", "359.99");
        QTest::mouseClick(dialog.RadioGroup1->item(8), Qt::LeftButton);
        dialog.Memo1->setPlainText(QStringLiteral("[rw = 0]\n{projectile}"));
        chooser_.script({path("cu.run")});
        Click(dialog, "BitBtn1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(chooser_.asked.at(0).initialName, std::string("cu.run"));
        QCOMPARE(spec.FileName, path("cu.run"));
        QCOMPARE(dialog.FileName, std::string("cu.run"));
        QCOMPARE(Contents(path("cu.run")),
                 std::string("3\r\n65535\r\n8\r\n90.00\r\n359.99\r\n07.0e-17\r\n10\r\n"
                             "300.0   10.0\r\n3.7\r\n50\r\n[rw = 0] {projectile}\r\n"));
    }

    void runRefusesAPeriodOutOfRange() {
        TRunSpec spec;
        TRunForm dialog(spec);
        Open(dialog);
        dialog.CheckBox2->setChecked(true);
        SetText(dialog, "IntegerEdit1", "65536");
        Click(dialog, "BitBtn1");
        QVERIFY(dialog.isVisible());
        QVERIFY(chooser_.asked.empty());
        QVERIFY(sink_.texts().at(0).find("Maximum:       65535") != std::string::npos);
    }

    void modelOkShowsAmplitudesAndWrites() {
        TModelSpec spec;
        TMdlForm dialog(spec);
        Open(dialog);
        QVERIFY(!dialog.BitBtn4->isEnabled());  // until the potential tools are wired
        chooser_.script({path("cu.mdl")});
        Click(dialog, "BitBtn1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(sink_.texts(),
                 std::vector<std::string>{"Mean root square amplitudes (in A):\r0.078 (Bulk), "
                                          "0.137 (Surf. Perp.), 0.091 (Surf. Parallel)."});
        const std::string text = Contents(path("cu.mdl"));
        QVERIFY(text.find("\r\n0.00605 0.01885 0.00827\r\n300.0\r\n0\r\n") != std::string::npos);
    }

    // Refused before anything is written: a Debye temperature that is no whole number, and a
    // zero mass with vibrations off (the focus then goes to their switch).
    void modelRefusalsKeepTheFile() {
        TModelSpec spec;
        TMdlForm dialog(spec);
        const std::string file = existing("kept.mdl");
        Open(dialog);
        dialog.activateWindow();
        SetText(dialog, "FloatEdit10", "343.5");
        chooser_.script({file});
        Click(dialog, "BitBtn1");
        QVERIFY(dialog.isVisible());
        QCOMPARE(sink_.texts(), std::vector<std::string>{"Numeric conversion error (343.5)"});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.FloatEdit10));
        QVERIFY(chooser_.asked.empty());
        QCOMPARE(Contents(file), std::string("old contents\r\n"));
        QCOMPARE(spec.DebyeBulk.str(), std::string("343"));

        sink_.clear();
        SetText(dialog, "FloatEdit10", "343");
        SetText(dialog, "FloatEdit8", "0");
        dialog.CheckBox2->setChecked(false);
        Click(dialog, "BitBtn1");
        QCOMPARE(sink_.texts(), std::vector<std::string>{"Numeric conversion error (0)"});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.CheckBox2));
        QCOMPARE(Contents(file), std::string("old contents\r\n"));
    }

    // A cancelled save keeps the dialog and its edits; with vibrations off no amplitude box.
    void modelCancelledSaveKeepsTheDialogOpen() {
        TModelSpec spec;
        TMdlForm dialog(spec);
        Open(dialog);
        dialog.CheckBox2->setChecked(false);
        QVERIFY(!dialog.FloatEdit8->isEnabled());
        SetText(dialog, "FloatEdit3", "0.5");
        Click(dialog, "BitBtn1");
        QVERIFY(dialog.isVisible());
        QCOMPARE(spec.MorseD.str(), std::string("0.480"));
        QCOMPARE(Text(dialog, "FloatEdit3"), QStringLiteral("0.5"));
        chooser_.script({path("novib.mdl")});
        Click(dialog, "BitBtn1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(sink_.entries().empty());
        QCOMPARE(spec.VibrationFlag, uint16_t{1});
        QVERIFY(Contents(path("novib.mdl")).find("\r\n1\r\n63.546\r\n") != std::string::npos);
    }

    void modelViewCompositeFollowsMorseOnceWired() {
        TModelSpec spec;
        TMdlForm dialog(spec);
        int views = 0;
        dialog.setViewCompositeHandler([&] { ++views; });
        Open(dialog);
        QVERIFY(dialog.BitBtn4->isEnabled());
        Click(dialog, "BitBtn4");
        QCOMPARE(views, 1);
        dialog.CheckBox1->setChecked(false);
        QVERIFY(!dialog.BitBtn4->isEnabled() && !dialog.FloatEdit3->isEnabled());
    }

    void inelasticAddClearAndSanitise() {
        TInelasticSpec spec;
        TInlForm dialog(spec);
        Open(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Inelastic Losses: UNTITLED.INL"));
        TInlForm::TablePage& lss = dialog.Tables[0];
        QVERIFY(!lss.clear->isEnabled());
        for (int k = 0; k < 9; ++k) Click(dialog, "Button1");
        QCOMPARE(lss.grid->rowCount(), 10);
        QVERIFY(!lss.add->isEnabled());
        QCOMPARE(lss.grid->verticalHeaderItem(9)->text(), QStringLiteral("atom 10"));
        lss.grid->setCurrentCell(3, 0);
        Click(dialog, "Button2");
        QCOMPARE(lss.grid->rowCount(), 9);
        QVERIFY(lss.add->isEnabled());
        QCOMPARE(lss.grid->verticalHeaderItem(8)->text(), QStringLiteral("atom 9"));

        // A bad cell is replaced when the focus leaves the table.
        dialog.activateWindow();
        lss.grid->setFocus();
        lss.grid->item(0, 1)->setText(QStringLiteral("x"));
        QCOMPARE(spec.Lss.rows[0][1], std::string("x"));
        dialog.FloatEdit1->setFocus();
        QTRY_COMPARE(lss.grid->item(0, 1)->text(), QStringLiteral("0.0"));
        QCOMPARE(spec.Lss.rows[0][1], std::string("0.0"));
    }

    // Every cell shows its whole number on one line, loaded or typed.
    void inelasticCellsShowWholeNumbers() {
        TInelasticSpec spec;
        spec.Lss.rows[0] = {"29", "6.369183905", "1.000000000001"};
        TInlForm dialog(spec);
        Open(dialog);
        QTableWidget* grid = dialog.Tables[0].grid;
        QVERIFY(!grid->wordWrap());
        grid->item(0, 0)->setText(QStringLiteral("1234567890"));
        const QFontMetrics metrics(grid->font());
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QString text = grid->item(0, c)->text();
            QVERIFY2(grid->columnWidth(c) > metrics.horizontalAdvance(text), qPrintable(text));
        }
    }

    // A bad cell refuses OK before a name is asked for; a failed write keeps the dialog open.
    void inelasticRefusalsAndWrite() {
        TInelasticSpec spec;
        TInlForm dialog(spec);
        const std::string file = existing("kept.inl");
        Open(dialog);
        dialog.Tables[2].grid->item(0, 4)->setText(QStringLiteral("1.5"));
        chooser_.script({file});
        Click(dialog, "BitBtn1");
        QVERIFY(dialog.isVisible());
        QCOMPARE(sink_.texts(),
                 std::vector<std::string>{
                     "Numeric format error in ST parameter \"max. quanta\", row #1"});
        QCOMPARE(Contents(file), std::string("old contents\r\n"));
        QVERIFY(chooser_.asked.empty());

        sink_.clear();
        chooser_.clear();
        dialog.Tables[2].grid->item(0, 4)->setText(QStringLiteral("3"));
        if (halvern::FileExists("/dev/full")) {
            chooser_.script({std::string("/dev/full")});
            Click(dialog, "BitBtn1");
            QVERIFY(dialog.isVisible());
            QCOMPARE(sink_.texts(), std::vector<std::string>{"Error writing output to disk."});
            sink_.clear();
        }
        chooser_.script({path("cu.inl")});
        Click(dialog, "BitBtn1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.FileName, path("cu.inl"));
        QVERIFY(Contents(path("cu.inl")).find("\r\n0 0.0 0.0 3 0.0\r\n") != std::string::npos);
        QVERIFY(sink_.entries().empty());
    }

    void inelasticComputePage() {
        TInelasticSpec spec;
        TInlForm dialog(spec);
        Open(dialog);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("9.509670314"));
        QVERIFY(!dialog.Permute->isEnabled());
        QTest::mouseClick(dialog.RadioGroup1->item(1), Qt::LeftButton);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("0.001123341978"));
        QCOMPARE(dialog.Button7->text(), QStringLiteral("K(OR)"));
        QCOMPARE(dialog.UnitsLabel->text(), QStringLiteral("units for K(OR): eV A2"));
        QVERIFY(!dialog.FloatEdit5->isEnabled() && !dialog.Image2->isHidden() &&
                dialog.Image1->isHidden());
        QTest::mouseClick(dialog.Permute, Qt::LeftButton);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("0.001169810062"));
    }

    // A caption that names a file keeps the file's name and what follows it whole; only folders
    // give way, and only folders are shown as shortened.
    void captionsShortenTheFoldersOnly_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("fits");
        const QString folders = QStringLiteral("/home/user/projects/sputtering/copper/runs/");
        QTest::newRow("short name") << QStringLiteral("CU.RUN") << true;
        QTest::newRow("long path") << folders + QStringLiteral("ni111.run") << false;
        QTest::newRow("long name without folders")
            << QStringLiteral("a_rather_long_file_name_for_a_narrow_dialog.run") << false;
    }
    void captionsShortenTheFoldersOnly() {
        QFETCH(QString, path);
        QFETCH(bool, fits);
        QWidget window;
        window.resize(300, 100);
        const QString prefix = QStringLiteral("Run: "), suffix = QStringLiteral(" (2 runs)");
        const QString caption = FittedCaption(window, prefix, path.toStdString(), suffix);
        const QString file = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        QVERIFY2(caption.startsWith(prefix) && caption.endsWith(file + suffix),
                 qPrintable(caption));
        if (fits) {
            QCOMPARE(caption, prefix + path + suffix);
        } else if (path.contains(QLatin1Char('/'))) {
            QVERIFY2(
                caption.contains(QChar(0x2026)) && caption.size() < (prefix + path + suffix).size(),
                qPrintable(caption));
        } else {
            QCOMPARE(caption, prefix + path + suffix);  // no folders to shorten, none invented
        }
    }

    void screenshots() {
        TProjectileSpec projectile;
        TPrjForm prj(projectile);
        TRunSpec run;
        TRunForm runForm(run);
        TModelSpec model;
        TMdlForm mdl(model);
        TInelasticSpec inelastic;
        TInlForm inl(inelastic);
        const struct {
            QDialog* dialog;
            const char* file;
        } shots[] = {{&prj, "velkor22-projectile-dialog.png"},
                     {&runForm, "velkor22-run-dialog.png"},
                     {&mdl, "velkor22-model-dialog.png"},
                     {&inl, "velkor22-inelastic-dialog.png"}};
        for (const auto& shot : shots) {
            Open(*shot.dialog);
            Screenshot(*shot.dialog, shot.file);
            shot.dialog->hide();
        }
        Open(inl);
        inl.PageControl1->setCurrentIndex(3);
        Screenshot(inl, "velkor22-inelastic-compute-page.png");
        inl.PageControl1->setCurrentIndex(2);
        Screenshot(inl, "velkor22-inelastic-st-page.png");
    }
};

QTEST_MAIN(InputDialogsTest)
#include "InputDialogsTest.moc"
