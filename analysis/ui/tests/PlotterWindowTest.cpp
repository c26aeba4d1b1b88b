// The trajectory plotter's window: loading on show, the animation on its timer (also reloads in
// the middle of a play), the symbol styles and colour schemes, the read-out, shifts, icons and
// pictures, and the close. Screenshots of each symbol style are saved for review.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QToolButton>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "FileSafety.h"
#include "ItemRadioGroup.h"
#include "PlotOptionsForm.h"
#include "QtColours.h"
#include "TrajPlotForm.h"
#include "UiTestSupport.h"

using namespace brisal;
using namespace brisal_test;

namespace {

// Five time steps of a projectile falling onto a 3 x 3 patch of atoms in the xz-plane, each
// step its frame: 50 records.
std::vector<halvern::TOslRecord> FallingProjectile() {
    std::vector<halvern::TOslRecord> records;
    for (int step = 0; step < 5; ++step) {
        halvern::TOslRecord p;
        p.rx = 1e-10f;
        p.ry = 1e-10f;  // in front of the atoms: drawn over them
        p.rz = static_cast<float>(8 - 1.5 * step) * 1e-10f;
        p.ti = static_cast<float>(step) * 1e-15f;
        p.ms = 6.6e-26f;
        records.push_back(p);
        for (int k = 1; k <= 9; ++k) {
            halvern::TOslRecord a = p;
            a.rx = static_cast<float>((k - 1) % 3 * 2.5) * 1e-10f;
            a.ry = 0;
            a.rz = static_cast<float>(-(k - 1) / 3 * 2.5) * 1e-10f;
            a.rw = k;
            records.push_back(a);
        }
    }
    return records;
}

}  // namespace

class PlotterWindowTest : public UiTestCase {
    Q_OBJECT

    struct Plotter {
        TTOptionsForm options;
        TTrajPlotForm window;
        Plotter() { window.setOptionsForm(options); }
    };

    QString writeRun() {
        const QString file = path("fall.osl");
        WriteRecords(file, FallingProjectile());
        return file;
    }

    void open(Plotter& p, const QString& file) {
        p.window.setDataFileName(file.toStdString());
        p.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        QTRY_VERIFY(!p.window.loadPending());
    }

    static QString LabelText(QObject& window, const char* name) {
        return Child<QLabel>(window, name)->text();
    }

    // The picture's pixels that differ from the background.
    static int Drawn(const QImage& picture) {
        const QRgb background = picture.pixel(0, 0);
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) drawn += picture.pixel(x, y) != background;
        return drawn;
    }

  private Q_SLOTS:
    // Started with a run's output on the command line: the plotter opens over the main window,
    // whose plotter command stays shut until the plotter closes.
    void startedOnTheExampleRunFromTheCommandLine() {
        const QString run = RunExampleProject(dir->path());
        BrisalWindows w = startProgram({run.toStdString()});
        ShowBrisalWindows(w);
        TTrajPlotForm& plotter = *w.main->forms().trajPlot;
        QVERIFY(QTest::qWaitForWindowExposed(&plotter));
        QTRY_VERIFY(!plotter.loadPending());
        auto* command = Child<QAction>(*w.main, "TrajectoryPlotter1");
        QVERIFY(!command->isEnabled());
        QVERIFY(!Child<QToolButton>(*w.main, "SpeedButton8")->isEnabled());
        const int32_t frames = plotter.plot().animation.frameCount();
        QVERIFY2(frames > 2, qPrintable(QString::number(frames)));
        QVERIFY(plotter.windowTitle().startsWith("Trajectory Plot: " + run + " ("));

        // A delay long enough to pause in the middle of the play.
        ModalScripts modal;
        modal.add([](QDialog& d) {
            SetText(d, "IntegerEdit2", QStringLiteral("30"));
            Click(d, "BitBtn1");
        });
        Child<QAction>(plotter, "Options1")->trigger();
        Click(plotter, "PlayBtn");
        QTRY_VERIFY(plotter.plot().animation.current() >= 1);
        Click(plotter, "PauseBtn");
        QVERIFY(!plotter.plot().animation.playing());
        const int32_t paused = plotter.plot().animation.current();
        QVERIFY(paused < frames - 1);
        QTest::qWait(60);
        QCOMPARE(plotter.plot().animation.current(), paused);
        const QString shots = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            QVERIFY(plotter.grab().save(shots + "/brisal22-plotter-example-run.png"));

        plotter.close();
        QVERIFY(command->isEnabled());
        QVERIFY(Child<QToolButton>(*w.main, "SpeedButton8")->isEnabled());
        QCOMPARE(plotter.plot().data.count(), 0);
        QVERIFY(sink.entries().empty());

        // Its command opens it again on a chosen file.
        fileDialogs.script({run.toStdString()});
        command->trigger();
        QVERIFY(plotter.isVisible());
        QVERIFY(!command->isEnabled());
        QCOMPARE(fileDialogs.asked.back().title, std::string("Open for Trajectory Plot"));
        plotter.close();
        QVERIFY(command->isEnabled());
    }

    void showLoadsAndPlayRunsToTheLastFrame() {
        Plotter p;
        const QString file = writeRun();
        open(p, file);
        QCOMPARE(p.window.windowTitle(), "Trajectory Plot: " + file + " (50 records)");
        QCOMPARE(LabelText(p.window, "FrameLbl"), QStringLiteral("Frame 1 of 5"));
        QCOMPARE(LabelText(p.window, "TimeLbl"), QStringLiteral("0 fs"));
        QCOMPARE(LabelText(p.window, "lblRxy"), QStringLiteral("Rxy:0.000"));
        QVERIFY(Drawn(p.window.picture()) > 0);

        Click(p.window, "PlayBtn");
        QVERIFY(p.window.plot().animation.playing());
        QVERIFY(p.window.timerActive());
        QTRY_VERIFY(!p.window.plot().animation.playing());
        QCOMPARE(p.window.plot().animation.current(), 4);
        QCOMPARE(LabelText(p.window, "FrameLbl"), QStringLiteral("Frame 5 of 5"));
        QVERIFY(!p.window.timerActive());
        QVERIFY(sink.entries().empty());
    }

    void pauseResumesFromTheFrameOnShowAndStopEnds() {
        Plotter p;
        open(p, writeRun());
        auto* pause = Child<QAbstractButton>(p.window, "PauseBtn");
        p.window.LoopBtnClick();
        QTRY_VERIFY(p.window.plot().animation.current() >= 2);
        Click(p.window, "PauseBtn");
        QVERIFY(!p.window.plot().animation.playing());
        QCOMPARE(pause->toolTip(), QStringLiteral("Play from current frame"));
        const int32_t paused = p.window.plot().animation.current();
        QTest::qWait(20);
        QCOMPARE(p.window.plot().animation.current(), paused);
        Click(p.window, "PauseBtn");
        QCOMPARE(pause->toolTip(), QStringLiteral("Pause"));
        QCOMPARE(p.window.plot().animation.playing(), paused < 4);
        Click(p.window, "LoopBtn");
        QTest::qWait(20);
        Click(p.window, "StopBtn");
        QVERIFY(!p.window.plot().animation.playing());
        QVERIFY(!p.window.timerActive());

        // Frame steps and a chosen frame.
        Click(p.window, "FastBackwardBtn");
        SetText(p.window, "FrameNumEdit", QStringLiteral("4"));
        Click(p.window, "SpeedButton6");
        QCOMPARE(p.window.plot().animation.current(), 3);
        QCOMPARE(Text(p.window, "FrameNumEdit"), QStringLiteral("5"));
        Click(p.window, "SpeedButton5");
        QCOMPARE(p.window.plot().animation.current(), 4);
        QCOMPARE(Text(p.window, "FrameNumEdit"), QStringLiteral("4"));
        Click(p.window, "FastBackwardBtn");
        QCOMPARE(p.window.plot().animation.current(), 3);
    }

    // Each reload stops the play before it frees the data; the sanitizers watch the timer.
    void reloadsInTheMiddleOfAPlay() {
        Plotter p;
        const QString file = writeRun();
        open(p, file);
        ModalScripts modal;
        modal.add([](QDialog& d) {
            ClickItem(d, "FrameGroup", 0);
            SetText(d, "IntegerEdit1", QStringLiteral("25"));
            SetText(d, "IntegerEdit2", QStringLiteral("2"));
            Click(d, "BitBtn1");
        });
        fileDialogs.script({file.toStdString()});
        const char* reloads[] = {"RestoreDefaults1", "Options1", "NewDataSource1"};
        for (const char* reload : reloads) {
            p.window.LoopBtnClick();
            QTest::qWait(5);
            QVERIFY(p.window.plot().animation.playing() == (p.window.plot().frames.size() > 1));
            Child<QAction>(p.window, reload)->trigger();
            QVERIFY2(!p.window.plot().animation.playing(), reload);
            QVERIFY2(!p.window.timerActive(), reload);
            QCOMPARE(p.window.plot().animation.current(), 0);
            QTest::qWait(5);
        }
        QVERIFY(modal.allUsed());
        QCOMPARE(p.window.plot().frames.size(), 2u);  // 25 records a frame
        QCOMPARE(p.window.plot().settings.delayMs, 2);
        QCOMPARE(LabelText(p.window, "FrameLbl"), QStringLiteral("Frame 1 of 2"));
        QVERIFY(sink.entries().empty());
    }

    void symbolStylesSchemesAndTrails() {
        Plotter p;
        open(p, writeRun());
        const QString shots = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        if (!shots.isEmpty()) QVERIFY(QDir().mkpath(shots));
        const char* names[] = {"icons", "circles", "points", "spheres"};
        int points = 0, icons = 0;
        for (int style = 0; style < 4; ++style) {
            ClickItem(p.window, "RGSymbols", style);
            QCOMPARE(static_cast<int>(p.window.plotStyle().symbols), style);
            const int drawn = Drawn(p.window.picture());
            QVERIFY2(drawn > 0, names[style]);
            if (style == 0) icons = drawn;
            if (style == 2) points = drawn;
            if (!shots.isEmpty())
                QVERIFY(p.window.grab().save(shots + "/brisal22-plotter-" + names[style] + ".png"));
        }
        QCOMPARE(points, 10);  // one pixel a particle
        QVERIFY(icons > 10 * 40);

        // The projectile (particle 0, highlighted) carries the highlight icon, in front.
        ClickItem(p.window, "RGSymbols", 0);
        halvern::PlotPixel at;
        QVERIFY(halvern::PlotScreenPoint(p.window.plot().view, p.window.picture().height(), 1, 8,
                                         at));
        const QImage& highlight = p.window.plotStyle().highlightIcon;
        QCOMPARE(p.window.picture().pixel(at.x, at.y),
                 highlight.pixel(highlight.width() / 2, highlight.height() / 2));

        // The light scheme: white background, its own icons; F2 swaps back.
        Child<QAction>(p.window, "BackgroundColour1")->trigger();
        QCOMPARE(p.window.picture().pixel(0, 0), qRgb(255, 255, 255));
        if (!shots.isEmpty())
            QVERIFY(p.window.grab().save(shots + "/brisal22-plotter-light.png"));
        Child<QAction>(p.window, "BackgroundColour1")->trigger();
        QCOMPARE(p.window.picture().pixel(0, 0), qRgb(0, 0, 0));

        // Without refreshing, every frame played leaves its trail.
        ClickItem(p.window, "RGSymbols", 2);
        Child<QCheckBox>(p.window, "RefreshBox")->setChecked(false);
        Click(p.window, "PlayBtn");
        QTRY_VERIFY(!p.window.plot().animation.playing());
        QCOMPARE(Drawn(p.window.picture()), 9 + 5);
        if (!shots.isEmpty())
            QVERIFY(p.window.grab().save(shots + "/brisal22-plotter-trails.png"));
    }

    void readOutShiftsAndZoom() {
        Plotter p;
        open(p, writeRun());
        QWidget* picture = Child<QWidget>(p.window, "Graph");
        QTest::mouseMove(picture, QPoint(250, picture->height() - 150 - 20));
        QTRY_COMPARE(LabelText(p.window, "poslblx"), QStringLiteral("x:5.000"));
        QCOMPARE(LabelText(p.window, "poslbly"), QStringLiteral("z:2.000"));

        QTest::keyClick(&p.window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(p.window.plot().view.x0, 175);
        QTest::keyClick(&p.window, Qt::Key_Left);
        QTest::keyClick(&p.window, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(p.window.plot().view.x0, 175);
        QCOMPARE(p.window.plot().view.y0, 175);
        Click(p.window, "SpeedButton3");
        QCOMPARE(p.window.plot().view.x0, 200);

        for (int i = 0; i < 11; ++i) Click(p.window, "UpDown4Next");
        QCOMPARE(LabelText(p.window, "Label2"), QStringLiteral("25"));
        Click(p.window, "UpDown1Next");
        QCOMPARE(Text(p.window, "angxy"), QStringLiteral("5"));
        QCOMPARE(LabelText(p.window, "lblRxy"), QStringLiteral("Rxy:5.000"));
        SetText(p.window, "angxy", QStringLiteral("20"));
        Click(p.window, "Button1");
        QCOMPARE(LabelText(p.window, "lblRxy"), QStringLiteral("Rxy:25.000"));
        ClickItem(p.window, "RGDisplayType", 0);
        QCOMPARE(p.window.plot().view.perspective, halvern::Perspective::XY);
        QTest::mouseMove(picture, QPoint(200, picture->height() - 175));
        QTRY_COMPARE(LabelText(p.window, "poslbly"), QStringLiteral("y:0.000"));

        // Restore defaults resets view and rotations.
        Child<QAction>(p.window, "RestoreDefaults1")->trigger();
        QCOMPARE(LabelText(p.window, "Label2"), QStringLiteral("10"));
        QCOMPARE(LabelText(p.window, "lblRxy"), QStringLiteral("Rxy:0.000"));
        QCOMPARE(p.window.plot().view.perspective, halvern::Perspective::XZ);
    }

    void iconsPicturesAndClose() {
        Plotter p;
        open(p, writeRun());
        QImage red(12, 10, QImage::Format_ARGB32);
        red.fill(Qt::red);
        const QString ico = path("red.ico");
        QVERIFY(red.save(ico, "ICO"));
        fileDialogs.script({ico.toStdString(), path("fall.osl").toStdString()});
        Child<QAction>(p.window, "LoadMainIcon1")->trigger();
        QCOMPARE(p.window.plotStyle().mainIcon.size(), QSize(12, 10));
        Child<QAction>(p.window, "LoadHighlightIcon1")->trigger();  // no icon
        QCOMPARE(sink.texts(),
                 std::vector<std::string>{"Cannot read an icon from " + path("fall.osl").toStdString() + "."});
        QCOMPARE(p.window.plotStyle().highlightIcon.size(), QSize(16, 16));

        Child<QAction>(p.window, "CopyBitmap1")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), p.window.picture().size());
        const QString bmp = path("frame.bmp");
        const std::string nowhere = path("no/such/frame.bmp").toStdString();
        fileDialogs.script({bmp.toStdString(), nowhere});
        Child<QAction>(p.window, "SaveBitmap1")->trigger();
        QCOMPARE(QImage(bmp).size(), p.window.picture().size());
        QCOMPARE(fileDialogs.asked.back().title, std::string("Save Graphic as Bitmap"));
        sink.clear();
        Child<QAction>(p.window, "SaveBitmap1")->trigger();
        QCOMPARE(sink.texts(), std::vector<std::string>{"Error writing " + nowhere + "."});

        QSignalSpy closed(&p.window, &TTrajPlotForm::closed);
        p.window.LoopBtnClick();
        p.window.close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!p.window.timerActive());
        QCOMPARE(p.window.plot().data.count(), 0);
    }

    // The sprites give the pixels of painting each symbol, whatever the parity and sign.
    void spritesMatchPaintingEachSymbol() {
        SymbolSprites sprites;
        for (const auto symbols : {halvern::PlotSymbols::Circles, halvern::PlotSymbols::Spheres})
            for (const auto& scheme : {halvern::kDarkScheme, halvern::kLightScheme})
                for (const halvern::PlotPixel p :
                     {halvern::PlotPixel{20, 20}, {21, 20}, {20, 21}, {21, 21}, {-3, -2}, {-4, 7},
                      {3, -5}, {2, 2}}) {
                    QImage painted(40, 40, QImage::Format_RGB32), copied(40, 40,
                                                                         QImage::Format_RGB32);
                    painted.fill(halvern::ToQColor(scheme.background));
                    copied.fill(halvern::ToQColor(scheme.background));
                    {
                        QPainter direct(&painted);
                        PaintSymbol(direct, symbols, scheme, p);
                        QPainter sprite(&copied);
                        QPoint corner;
                        const QImage& image = sprites.sprite(symbols, scheme, p, corner);
                        sprite.drawImage(corner, image);
                    }
                    QVERIFY2(painted == copied,
                             qPrintable(QStringLiteral("%1 at %2,%3")
                                            .arg(static_cast<int>(symbols))
                                            .arg(p.x)
                                            .arg(p.y)));
                }
    }

    // A file loads with its progress in the main window's status line and the windows painting:
    // meanwhile the plotter takes no input and the main window's commands are shut; a close of
    // the plotter waits for the end of the load.
    void aLoadShowsItsProgressAndACloseWaitsForIt() {
        BrisalWindows w = startProgram();
        w.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.main.get()));
        TTrajPlotForm& plotter = *w.main->forms().trajPlot;
        const QString file = path("run.dat");
        std::string text;
        for (int i = 0; i < 6000; ++i)
            text += "  1.000000   2.000000   3.000000   0.000000   0.000000   0.000000 " +
                    std::to_string(i / 100) + ".00  1.055E-0025     " + std::to_string(i % 100) +
                    "     1\r\n";
        QVERIFY(halvern::WriteFileReplacing(file.toStdString(), text));
        QSignalSpy closed(&plotter, &TTrajPlotForm::closed);
        QStringList statuses;
        bool busy = true, takesInput = false;
        const QString shots = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        QTimer duringLoad;  // fires at each pump of the load
        connect(&duringLoad, &QTimer::timeout, [&] {
            if (plotter.isEnabled()) return;
            if (statuses.isEmpty() && !shots.isEmpty() && QDir().mkpath(shots)) {
                QVERIFY(w.main->grab().save(shots + "/brisal22-plotter-loading-main.png"));
                QVERIFY(plotter.grab().save(shots + "/brisal22-plotter-loading.png"));
            }
            statuses << w.main->statusLine();
            busy &= w.main->busy();
            takesInput |= plotter.isEnabled();
            plotter.close();
        });
        duringLoad.start(0);
        fileDialogs.script({file.toStdString()});
        Child<QAction>(*w.main, "TrajectoryPlotter1")->trigger();
        QTRY_COMPARE(closed.count(), 1);
        duringLoad.stop();
        QVERIFY(!statuses.isEmpty());
        QVERIFY2(statuses.first().startsWith(QStringLiteral("Loading... please wait (")),
                 qPrintable(statuses.join(" | ")));
        QVERIFY(busy && !takesInput);
        QVERIFY(plotter.windowTitle().endsWith(QStringLiteral(" (6000 records)")));
        QVERIFY(!plotter.isVisible());
        QCOMPARE(plotter.plot().data.count(), 0);
        QCOMPARE(w.main->statusLine(), QString());
        QVERIFY(!w.main->busy());
        QVERIFY(Child<QAction>(*w.main, "TrajectoryPlotter1")->isEnabled());
        QVERIFY(sink.entries().empty());
    }

    void emptyAndTooShortFiles() {
        Plotter p;
        const QString empty = path("empty.dat");
        QVERIFY(halvern::WriteFileReplacing(empty.toStdString(), ""));
        open(p, empty);
        QCOMPARE(sink.texts(), std::vector<std::string>{"Cannot build frame list from empty file."});
        QVERIFY(p.window.isVisible());
        QCOMPARE(Drawn(p.window.picture()), 0);
        p.window.PlayBtnClick();
        p.window.PlayBackBtnClick();
        p.window.FastForwardBtnClick();
        QVERIFY(!p.window.timerActive());
    }
};

int RunPlotterWindowTests(int argc, char** argv) {
    PlotterWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PlotterWindowTest.moc"
