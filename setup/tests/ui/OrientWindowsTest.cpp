// The target and impact-point orientation windows on the offscreen platform: file dialogs
// answered by the scripted chooser, messages recorded.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "DialogTestCase.h"
#include "FileSafety.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "IOrientForm.h"
#include "ItemRadioGroup.h"
#include "MessageSink.h"
#include "OrientForm.h"
#include "orientation/Projection.h"
#include "targets/LatticeCommands.h"

using namespace velkor;
using halvern::RecordingSink;

namespace {

std::vector<std::string> FileLines(const std::string& path) {
    std::string bytes;
    halvern::ReadFileBytes(path, bytes);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

void SetField(OrientWindow& w, OrientField f, const char* text) {
    w.field(f)->setText(QString::fromLatin1(text));
}

void Click(QAbstractButton* button) {
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void SaveScreenshot(QWidget& window, const char* name) {
    const QString dir = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(window.grab().save(dir + "/" + name));
}

}  // namespace

class OrientWindowsTest : public DialogTestCase {
    Q_OBJECT

  private:
    // A 5 x 5 x 3 fcc (100) copper crystallite: 75 atoms, the origin atom on top.
    std::string cubeTarget() {
        TTargetSpec params = DefaultFccParams();
        params.XWidth = "2";
        params.YWidth = "2";
        params.Layers = "3";
        params.FileName = file("cu100.trg");
        for (const LatticeCommand& c : LatticeCommands())
            if (c.captions.handler == "Fcc100Click") c.generateCubic(params, sink_);
        return params.FileName;
    }

  private slots:
    // Every help context of these windows has its own page.
    void helpPagesExist() {
        const std::string root = HALVERN_HELP_DIR;
        for (int context : {kTargetOrientHelp, kConvertVersion21Help, kImpactDialogHelp,
                            kImpactTemplatesHelp, kImpactOrientHelp})
            QCOMPARE(halvern::HelpPageFile(root, kHelpProgram, context),
                     root + kHelpProgram + "/" + std::to_string(context) + ".html");
    }

    void targetWindowTestReloadAndApply() {
        const std::string source = cubeTarget();
        TOrientForm w;
        chooser_.script({source});
        QVERIFY(w.ChooseFile());
        QCOMPARE(chooser_.asked[0].title, std::string("Target File to Orient..."));
        QCOMPARE(chooser_.asked[0].initialName, std::string("*.TRG"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(),
                 QString::fromStdString("Orient Target Lattice: " + source + " (75 atoms)"));
        QVERIFY(w.TestBtn->isEnabled() && w.ApplyBtn->isEnabled() && !w.ImposeBtn->isEnabled());
        QCOMPARE(w.lblRxy->text(), QStringLiteral("Rxy: 0.00"));
        SaveScreenshot(w, "velkor22-target-orientation.png");

        // A sphere of 3 A around the origin atom: itself, 4 neighbours in its layer, 4 below.
        Click(w.findChild<QToolButton*>(QStringLiteral("Shape3")));
        QCOMPARE(w.RGCutType->itemIndex(), 2);
        QVERIFY(!w.field(OrientField::XLo)->isEnabled() && !w.field(OrientField::ZHi)->isEnabled());
        QVERIFY(w.field(OrientField::RHi)->isEnabled());
        SetField(w, OrientField::RHi, "3.0");
        Click(w.TestBtn);
        QCOMPARE(w.windowTitle(),
                 QString::fromStdString("Orient Target Lattice: " + source + " (9 atoms)"));
        QCOMPARE(w.Graph->points().count(), 9);
        QVERIFY(!w.TestBtn->isEnabled() && !w.ApplyBtn->isEnabled());

        Click(w.ReloadBtn);
        QCOMPARE(w.Graph->points().count(), 75);
        QVERIFY(w.TestBtn->isEnabled() && w.ApplyBtn->isEnabled());

        // Apply works on the file: the same cut, turned a quarter about z.
        SetField(w, OrientField::ZRot, "90");
        chooser_.script({file("sphere.trg")});
        Click(w.ApplyBtn);
        QCOMPARE(chooser_.asked.back().title, std::string("Save Re-oriented Target File As"));
        const std::vector<std::string> lines = FileLines(file("sphere.trg"));
        QCOMPARE(lines.size(), size_t{9});
        QCOMPARE(lines[0], std::string("     0.00000      0.00000      0.00000   29 63.54600   0 Cu"));
        QVERIFY(!w.TestBtn->isEnabled() && w.ApplyBtn->isEnabled());
        QVERIFY(sink_.entries().empty());

        // The source itself, spelt another way, is refused and left as it was.
        const std::string before = [&] {
            std::string b;
            halvern::ReadFileBytes(source, b);
            return b;
        }();
        chooser_.script({folder_.path().toStdString() + "/./cu100.trg"});
        Click(w.ApplyBtn);
        QCOMPARE(sink_.texts(),
                 std::vector<std::string>{"Source and destination files must be different"});
        std::string after;
        halvern::ReadFileBytes(source, after);
        QCOMPARE(after, before);

        // A bad text stops the command with its message and writes nothing.
        sink_.clear();
        SetField(w, OrientField::ShiftX, "1..0");
        const size_t asked = chooser_.asked.size();
        Click(w.ApplyBtn);
        QCOMPARE(chooser_.asked.size(), asked);
        QCOMPARE(sink_.count(RecordingSink::Kind::Error), 1);
    }

    void displayControls() {
        const std::string source = cubeTarget();
        TOrientForm w;
        w.FileName = source;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        // Two steps of the R(x,y) arrow: 10 degrees, the step's edit shows "5".
        Click(w.rotateDisplay[0]->up);
        Click(w.rotateDisplay[0]->up);
        QCOMPARE(w.lblRxy->text(), QStringLiteral("Rxy:10.00"));
        QCOMPARE(w.field(OrientField::AngXY)->text(), QStringLiteral("5"));
        QCOMPARE(w.field(OrientField::AngYZ)->text(), QStringLiteral("0.0"));
        Click(w.rotateDisplay[2]->down);
        QCOMPARE(w.lblRzx->text(), QStringLiteral("Rzx:-5.00"));
        QCOMPARE(w.field(OrientField::AngXY)->text(), QStringLiteral("0.0"));

        // "Apply Rotation" adds the typed angles.
        SetField(w, OrientField::AngXY, "350");
        SetField(w, OrientField::AngZX, "5");
        Click(w.Button1);
        QCOMPARE(w.lblRxy->text(), QStringLiteral("Rxy: 0.00"));  // 360 brought into range
        QCOMPARE(w.lblRzx->text(), QStringLiteral("Rzx: 0.00"));

        // Zoom 5: 10 pixels per A, origin 150 from the left and the bottom.
        QCOMPARE(w.Graph->frame().scale, 10);
        QTest::mouseMove(w.Graph, QPoint(175, 160));
        QCOMPARE(w.poslblx->text(), QStringLiteral("x: 2.50"));
        QCOMPARE(w.poslbly->text(), QStringLiteral("y:-1.00"));
        w.UpDown4->setValue(0);
        QTest::mouseMove(w.Graph, QPoint(100, 100));
        QCOMPARE(w.poslblx->text(), QStringLiteral("x:"));
        w.UpDown4->setValue(5);

        Click(w.moveButtons[2]);  // right
        QCOMPARE(w.Graph->frame().originX, 175);
        QTest::keyClick(&w, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(w.Graph->frame().originY, 175);

        w.RGDisplayType->item(1)->click();
        QCOMPARE(w.Graph->perspective(), Perspective::YZ);
        QTest::mouseMove(w.Graph, QPoint(175, 150));
        QCOMPARE(w.poslblx->text(), QStringLiteral("y: 0.00"));

        QVERIFY(!w.Graph->lightColours());
        w.BackgroundColourClick();
        QVERIFY(w.Graph->lightColours());
        QCOMPARE(w.Graph->image().pixelColor(0, 0), QColor(Qt::white));
        w.CopyClick();
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(300, 300));

        w.hide();
        QCOMPARE(w.Graph->points().count(), 0);  // the arrays are freed on close
    }

    // At every zoom the sphere of an icon is centred on its atom's pixel, where the read-out
    // names the atom's coordinates.
    void iconsSitOnTheirAtoms() {
        halvern::WriteFileReplacing(file("one.trg"), "1.5 -2.0 0.0 29 63.546 0 Cu\r\n");
        TOrientForm w;
        w.FileName = file("one.trg");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.RGSymbols->itemIndex(), 0);  // icons
        int seen = 0;
        for (int zoom = 1; zoom <= w.UpDown4->maximum(); ++zoom) {
            w.UpDown4->setValue(zoom);
            TPixelPoint atom;
            QVERIFY(ToPixel(w.Graph->frame(), 1.5, -2.0, atom));
            const QImage& image = w.Graph->image();
            const QRgb background = image.pixel(0, 0);
            QRect sphere;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != background) sphere |= QRect(x, y, 1, 1);
            if (!image.rect().adjusted(1, 1, -1, -1).contains(sphere)) continue;  // cut off
            QVERIFY2(sphere.width() > 10, qPrintable(QString::number(zoom)));
            ++seen;
            QCOMPARE(sphere.center(), QPoint(atom.x, atom.y));
            QTest::mouseMove(w.Graph, sphere.center());
            QCOMPARE(w.poslblx->text() + w.poslbly->text(), QStringLiteral("x: 1.50y:-2.00"));
        }
        QVERIFY(seen > 30);
    }

    // "Apply Rotation" turns the points as the arrows do and as a file rotation by the same
    // angle writes them, and the labels count the angle.
    void applyRotationAgreesWithTheArrowsTheLabelsAndTheFile() {
        halvern::WriteFileReplacing(file("axes.trg"),
                                    "1.0 0.0 0.0 29 63.546 0 Cu\r\n"
                                    "0.0 1.0 0.0 29 63.546 0 Cu\r\n"
                                    "0.0 0.0 1.0 29 63.546 0 Cu\r\n");
        const struct {
            OrientField angle, fileRotation;
            const char* label;
        } planes[] = {{OrientField::AngXY, OrientField::ZRot, "Rxy:10.00"},
                      {OrientField::AngYZ, OrientField::XRot, "Ryz:10.00"},
                      {OrientField::AngZX, OrientField::YRot, "Rzx:10.00"}};
        for (size_t k = 0; k < 3; ++k) {
            TOrientForm w;
            w.FileName = file("axes.trg");
            w.show();
            // One arrow step sets its angle to 5, and Apply Rotation turns 5 more the same way.
            Click(w.rotateDisplay[k]->up);
            QCOMPARE(w.field(planes[k].angle)->text(), QStringLiteral("5"));
            Click(w.Button1);
            QLabel* labels[] = {w.lblRxy, w.lblRyz, w.lblRzx};
            QCOMPARE(labels[k]->text(), QString::fromLatin1(planes[k].label));
            const TOrientPoints shown = w.Graph->points();

            SetField(w, planes[k].fileRotation, "10");
            chooser_.script({file("turned.trg")});
            Click(w.ApplyBtn);
            const std::vector<std::string> lines = FileLines(file("turned.trg"));
            QCOMPARE(lines.size(), size_t{3});
            for (size_t n = 0; n < 3; ++n) {
                const QStringList values =
                    QString::fromStdString(lines[n]).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                const double written[] = {values[0].toDouble(), values[1].toDouble(),
                                          values[2].toDouble()};
                const double memory[] = {shown.x[n], shown.y[n], shown.z[n]};
                for (int c = 0; c < 3; ++c)
                    QVERIFY2(std::fabs(written[c] - memory[c]) < 1e-5,
                             qPrintable(QStringLiteral("plane %1 atom %2").arg(k).arg(n)));
            }
        }
        QVERIFY(sink_.entries().empty());
    }

    void emptyAndUnreadableFiles() {
        TOrientForm w;
        halvern::WriteFileReplacing(file("empty.trg"), "");
        w.FileName = file("empty.trg");
        w.show();
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("(0 atoms)")));
        QVERIFY(sink_.entries().empty());
        Click(w.TestBtn);
        w.hide();

        halvern::WriteFileReplacing(file("bad.trg"), "1 2 3 29 63.5 0 Cu\r\n1 x 3\r\n");
        w.FileName = file("bad.trg");
        w.show();
        QCOMPARE(sink_.texts(), std::vector<std::string>{"Error reading data from file."});
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("(1 atoms)")));
    }

    void impactWindowTestApplyAndLink() {
        const std::string source = file("mesh.imp");
        halvern::WriteFileReplacing(
            source,
            "0.00000000 0.00000000 3.00000000 0.000000 2.555980 0.000000 1.277990 90.000000 0 2 2 "
            "3.000000\r\n"
            "0.00000000 0.63899500 3.00000000\r\n"
            "1.27799000 0.00000000 3.00000000\r\n"
            "1.27799000 0.63899500 3.00000000\r\n");
        TIOrientForm w;
        for (OrientField f : {OrientField::XRot, OrientField::YRot, OrientField::ZLo,
                              OrientField::ShiftZ, OrientField::AngYZ})
            QVERIFY(!w.field(f)->isEnabled());
        QVERIFY(!w.rotateDisplay[1]->isEnabled());
        QCOMPARE(w.field(OrientField::ZLo)->text(), QStringLiteral("-1000.0"));
        chooser_.script({source});
        QVERIFY(w.ChooseFile());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(),
                 QString::fromStdString("Orient Impact Points: " + source + " (4 impact points)"));
        QCOMPARE(w.Graph->frame().scale, 40);
        QCOMPARE(w.RGSymbols->itemIndex(), 2);  // points

        // Circular, r up to 1: the points farther out vanish from the view and the count.
        Click(w.findChild<QToolButton*>(QStringLiteral("Shape2")));
        QVERIFY(!w.field(OrientField::XLo)->isEnabled() && w.field(OrientField::RLo)->isEnabled());
        SetField(w, OrientField::RHi, "1");
        Click(w.TestBtn);
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("(2 impact points)")));
        Click(w.ReloadBtn);
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("(4 impact points)")));

        // Apply: the origin cut away, the header behind the first kept point.
        SetField(w, OrientField::RLo, "0.1");
        SetField(w, OrientField::ZRot, "90");
        chooser_.script({file("turned.imp")});
        Click(w.ApplyBtn);
        const std::vector<std::string> lines = FileLines(file("turned.imp"));
        QCOMPARE(lines.size(), size_t{1});
        QCOMPARE(QString::fromStdString(lines[0]), QStringLiteral("-6.38995000000000E-0001  0.00000000000000E+0000 "
                                       " 3.00000000000000E+0000 0.000000 2.555980 0.000000 "
                                       "1.277990 90.000000 0 2 2 3.000000"));
        QVERIFY(sink_.entries().empty());

        // Link file: a target laid over the view enables Impose.
        const std::string target = cubeTarget();
        chooser_.script({target});
        w.findChild<QAction*>(QStringLiteral("OpenIMPfile1"))->trigger();
        QCOMPARE(chooser_.asked.back().title, std::string("Target file to link..."));
        QVERIFY(w.ImposeBtn->isEnabled());
        Click(w.ImposeBtn);
        SaveScreenshot(w, "velkor22-impact-orientation.png");
        halvern::WriteFileReplacing(file("broken.trg"), "x\r\n");
        chooser_.script({file("broken.trg")});
        w.findChild<QAction*>(QStringLiteral("OpenIMPfile1"))->trigger();
        QCOMPARE(sink_.texts(), std::vector<std::string>{"Error reading file: " + file("broken.trg")});
        QVERIFY(!w.ImposeBtn->isEnabled());
    }
};

int RunOrientWindowsTests(int argc, char** argv) {
    OrientWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "OrientWindowsTest.moc"
