// The grapher worked like a user: the Open Display, Empty Data, Graph Set-Up and font dialogs,
// the speed buttons, keys and dragging, and the picture's bitmap file, clipboard copy and PDF.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <limits>

#include "ContextHelp.h"
#include "EmptyDlg.h"
#include "FileSafety.h"
#include "GrOpenForm.h"
#include "GraphFontDialog.h"
#include "GraphForm.h"
#include "GraphPainter.h"
#include "GrapherLink.h"
#include "StyleDlg.h"
#include "UiTestSupport.h"
#include "grapher/GraphLayout.h"
#include "grapher/OpenDisplay.h"

using namespace brisal;
using namespace brisal_test;

namespace {

// Pixels of exactly this colour in the picture.
int CountColour(const QImage& image, QColor colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) n += rgb.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

// The darkest grey level within the rectangle.
int Darkest(const QImage& image, const QRect& area) {
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

// A colour dialog answered with this colour.
std::function<void(QDialog&)> ChooseColourScript(QColor colour) {
    return [colour](QDialog& d) {
        auto& dialog = static_cast<QColorDialog&>(d);
        dialog.setCurrentColor(colour);
        dialog.accept();
    };
}

void ClickSpeedButton(TGraphForm& g, const char* name, int times = 1) {
    auto* button = Child<QToolButton>(g, name);
    QVERIFY2(button != nullptr, name);
    for (int i = 0; i < times; ++i) QTest::mouseClick(button, Qt::LeftButton);
}

QString SpectrumText() {
    QString text;
    for (int i = 0; i <= 40; ++i) {
        const double e = 25.0 * i;
        const double counts = 400 * std::exp(-std::pow((e - 300) / 120, 2)) +
                              150 * std::exp(-std::pow((e - 700) / 60, 2)) + 5;
        text += QStringLiteral(" %1  %2\r\n").arg(e, 0, 'E', 14).arg(std::round(counts), 0, 'E', 14);
    }
    return text;
}

}  // namespace

class GrapherTest : public UiTestCase {
    Q_OBJECT

    QString dataFile(const QString& name, const QString& text) {
        const QString file = path(name);
        halvern::WriteFileReplacing(file.toStdString(), text.toStdString());
        return file;
    }

    // The window shown, ready for the mouse and the keys.
    void show(TGraphForm& g) {
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
    }

    // Three caches with their own styles, titles and a label, as the screenshot shows them.
    void loadThreeStyledCaches(TGraphForm& g) {
        QString a, b, c;
        for (int i = 0; i <= 50; ++i) {
            const double x = i * 0.2;
            a += QStringLiteral("%1 %2\n").arg(x).arg(std::sin(x) * 40 + 50);
            b += QStringLiteral("%1 %2\n").arg(x).arg(std::exp(-x / 3) * 90);
            if (i % 5 == 0) c += QStringLiteral("%1 %2\n").arg(x).arg(20 + 6 * x);
        }
        halvern::OpenDisplayValues v;
        const struct {
            int index;
            QString name, text;
            halvern::PenStyle pen;
            halvern::ColourRef colour;
            bool symbols;
            halvern::SymbolShape shape;
        } caches[] = {
            {1, "sine.dat", a, halvern::PenStyle::Solid, halvern::colour::Blue, false,
             halvern::SymbolShape::Squares},
            {2, "decay.dat", b, halvern::PenStyle::Dash, halvern::colour::Red, false,
             halvern::SymbolShape::Squares},
            {3, "line.dat", c, halvern::PenStyle::Dot, halvern::colour::Green, true,
             halvern::SymbolShape::Circles},
        };
        for (const auto& cache : caches) {
            v.cacheIndex = cache.index;
            v.fileName = dataFile(cache.name, cache.text).toStdString();
            v.penStyle = cache.pen;
            v.penColour = cache.colour;
            v.symbolsOn = cache.symbols;
            v.symbolSize = 3;
            v.shape = cache.shape;
            v.fitAxes = cache.index == 1;
            QVERIFY(halvern::ApplyOpenDisplay(g.model(), v, sink));
        }
        halvern::GrapherModel& m = g.model();
        m.mainTitle = {"Three caches", 200, 8, halvern::kMainTitle, true};
        m.xTitle = {"x (arb. units)", 320, 344, halvern::kXTitle, true};
        m.yTitle = {"y", 12, 30, halvern::kYTitle, true};
        m.labels[0] = {"sin x", 300, 60, halvern::kFirstLabel, true};
        g.DrawGraph();
    }

  private Q_SLOTS:
    void openDisplayLoadsAStyledCache() {
        TGraphForm g;
        show(g);
        const QString file = dataFile("a.dat", "1 10 100\r\n2 20 50\r\n\r\n3 30 75\r\n");
        ModalScripts modal;
        modal.add([&](QDialog& d) {
            QCOMPARE(Text(d, "IdxEdit"), QStringLiteral("1"));
            QCOMPARE(Text(d, "Edit1"), QStringLiteral("*.dat"));
            SetText(d, "IdxEdit", QStringLiteral("3"));
            SetText(d, "Edit1", file);
            SetText(d, "YColEdit", QStringLiteral("3"));
            ClickItem(d, "RadioGroup1", 1);
            Child<QCheckBox>(d, "CheckBox2")->click();
            SetText(d, "SymEdit", QStringLiteral("4"));
            ClickItem(d, "RadioGroup2", 1);
            SetText(d, "OffsetEd", QStringLiteral("10"));
            Click(d, "Button2");
            QVERIFY(CountColour(g.GrOpenForm->preview(), Qt::red) > 0);
            Click(d, "BitBtn1");
        });
        modal.add(ChooseColourScript(Qt::red));
        g.command("Open1")->trigger();
        QVERIFY(modal.allUsed());
        QVERIFY(sink.entries().empty());

        const halvern::DataCache& c = g.model().caches[2];
        QCOMPARE(c.points.size(), size_t(3));
        QCOMPARE(c.penStyle, halvern::PenStyle::Dash);
        QCOMPARE(c.penColour, halvern::colour::Red);
        QVERIFY(c.symbolsOn);
        QCOMPARE(c.symbolSize, 4);
        QCOMPARE(c.symbolShape, 1);
        QCOMPARE(c.yOffset, -10);
        QCOMPARE(g.model().settings.y.minimum, 50.0f);
        QCOMPARE(g.model().settings.y.span, 50.0f);
        QVERIFY(CountColour(g.picture(), Qt::red) > 0);

        // The next use shows that cache's file and symbols.
        modal.add([&](QDialog& d) {
            QCOMPARE(Text(d, "Edit1"), file);
            QVERIFY(Child<QCheckBox>(d, "CheckBox2")->isChecked());
        });
        g.command("Open1")->trigger();
        QVERIFY(modal.allUsed());
    }

    void openDisplayRefusals() {
        TGraphForm g;
        // A bad index text is reported and becomes cache 1.
        g.GrOpenForm->setIndexText(QStringLiteral("x"));
        ModalScripts modal;
        modal.add([&](QDialog& d) {
            QCOMPARE(Text(d, "IdxEdit"), QStringLiteral("1"));
            // A missing file keeps the dialog open; unticking the load lets it close.
            SetText(d, "Edit1", path("none.dat"));
            Click(d, "BitBtn1");
            QVERIFY(d.isVisible());
            Child<QCheckBox>(d, "CheckBox3")->click();
            QVERIFY(!Child<QLineEdit>(d, "Edit1")->isEnabled());
            ClickItem(d, "RadioGroup1", 2);
            Click(d, "BitBtn1");
        });
        g.command("Open1")->trigger();
        QVERIFY(modal.allUsed());
        QCOMPARE(sink.texts(),
                 (std::vector<std::string>{"Invalid cache index - resetting to default (1).",
                                           "Data file not found: " + path("none.dat").toStdString() + "."}));
        QCOMPARE(g.model().caches[0].penStyle, halvern::PenStyle::Dot);

        // An index outside 1..10 does not pass OK.
        sink.clear();
        modal.add([&](QDialog& d) {
            SetText(d, "IdxEdit", QStringLiteral("11"));
            Click(d, "BitBtn1");
            QVERIFY(d.isVisible());
        });
        g.command("Open1")->trigger();
        QCOMPARE(sink.entries().size(), size_t(2));  // the beep and the range box
    }

    void emptyDataFreesTheTickedCaches() {
        TGraphForm g;
        for (halvern::DataCache& c : g.model().caches) c.points = {{1, 1}, {2, 2}};
        ModalScripts modal;
        modal.add([](QDialog& d) {
            Child<QCheckBox>(d, "CheckBox2")->click();
            Child<QCheckBox>(d, "CheckBox5")->click();
            Click(d, "BitBtn1");
        });
        g.command("Emptydata1")->trigger();
        QVERIFY(g.model().caches[1].points.empty());
        QVERIFY(g.model().caches[4].points.empty());
        QCOMPARE(g.model().caches[0].points.size(), size_t(2));
        QCOMPARE(g.model().caches[1].countText, std::string("0"));
        modal.add([](QDialog& d) { QVERIFY(Child<QCheckBox>(d, "CheckBox5")->isChecked()); });
        g.command("Emptydata1")->trigger();
        QVERIFY(modal.allUsed());
    }

    void speedButtonsAndKeys() {
        TGraphForm g;
        show(g);
        halvern::GrapherSettings& s = g.model().settings;
        ClickSpeedButton(g, "decticx", 10);
        QCOMPARE(s.x.ticks, 0);
        QVERIFY(!Child<QToolButton>(g, "decticx")->isEnabled());
        ClickSpeedButton(g, "incticx");
        QVERIFY(Child<QToolButton>(g, "decticx")->isEnabled());
        ClickSpeedButton(g, "SpeedButton10", 20);
        QVERIFY(std::fabs(s.y.length - 0.05f) < 1e-6f);
        ClickSpeedButton(g, "SpeedButton4");
        QVERIFY(s.fourSides);
        s.x.span = 3.7f;
        ClickSpeedButton(g, "SpeedButton5");
        QCOMPARE(s.x.span, 4.0f);
        ClickSpeedButton(g, "SpeedButton11");
        QVERIFY(g.model().caches[9].symbolsOn);
        QCOMPARE(Child<QToolButton>(g, "SpeedButton3")->toolTip(),
                 QStringLiteral("Open data/Set display"));

        QWidget* image = Child<QWidget>(g, "Graph");
        image->setFocus();
        QTest::keyClick(image, Qt::Key_Up);
        QTest::keyClick(image, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(image, Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(image, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(s.bottomMargin, 40);
        QCOMPARE(s.y.labelH, 36);
        QCOMPARE(s.x.labelV, -1);
        QCOMPARE(s.leftMargin, 55);
    }

    // F1 on a menu command, its speed button or a dialog gives that command's page.
    void helpContextsOfCommandsAndDialogs() {
        TGraphForm g;
        const struct {
            const char* command;
            const char* button;  // the speed button sharing the command, if any
            int context;
        } commands[] = {
            {"Open1", "SpeedButton3", 7030},  {"Emptydata1", nullptr, 7040},
            {"SaveBitmapAs1", nullptr, 7050}, {"Hardcopy1", nullptr, 7060},
            {"Copy1", nullptr, 7010},         {"Setup1", "SpeedButton1", 7070},
            {"Font1", "SpeedButton2", 7080},  {"Defaultvalues1", nullptr, 7090},
            {"Help1", nullptr, 7010},         {"SpeedButton4", "SpeedButton4", 7010},
        };
        for (const auto& c : commands) {
            QCOMPARE(halvern::OwnHelpContext(g.command(c.command)), c.context);
            if (c.button != nullptr)
                QCOMPARE(halvern::HelpContextFor(Child<QToolButton>(g, c.button)), c.context);
        }
        const QList<QPair<QWidget*, int>> dialogs = {
            {g.GrOpenForm, 7030}, {g.EmptyDlg, 7040}, {g.StyleDlg, 7070}, {g.FontDialog, 7080}};
        for (const auto& [dialog, context] : dialogs)
            QCOMPARE(halvern::HelpContextFor(dialog), context);
        QCOMPARE(halvern::HelpContextFor(Child<QWidget>(g, "Graph")), 7010);
    }

    void draggingATitle() {
        TGraphForm g;
        show(g);
        g.model().mainTitle = {"Main title", 60, 0, halvern::kMainTitle, true};
        g.DrawGraph();
        QWidget* image = Child<QWidget>(g, "Graph");
        const QRect title(55, 0, 150, 25);
        QVERIFY(Darkest(g.picture(), title) < 100);
        QTest::mousePress(image, Qt::LeftButton, {}, QPoint(75, 12));
        QVERIFY(Darkest(g.picture(), title) > 120);  // drawn again in silver
        QCOMPARE(image->cursor().shape(), Qt::DragMoveCursor);
        QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(150, 100));
        QCOMPARE(g.model().mainTitle.x, 150);
        QCOMPARE(g.model().mainTitle.y, 100);
        QCOMPARE(image->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(Darkest(g.picture(), title.translated(90, 100)) < 100);
    }

    void setUpFillsAndStores() {
        TGraphForm g;
        g.model().caches[0].fileName = "spec.dat";
        g.model().caches[0].countText = "21";
        ModalScripts modal;
        modal.add([](QDialog& d) {
            QCOMPARE(Text(d, "xMaxEdit"), QStringLiteral(" 1.0000E+0002"));
            QCOMPARE(Text(d, "XTitleEd"), QStringLiteral("X-title"));
            QCOMPARE(Child<QCheckBox>(d, "CheckBox1")->text(), QStringLiteral("1. spec.dat - 21"));
            SetText(d, "xMinEdit", QStringLiteral("10"));
            SetText(d, "xMaxEdit", QStringLiteral("4"));
            SetText(d, "xticks", QStringLiteral("0"));
            Child<QCheckBox>(d, "XT")->setChecked(true);
            SetText(d, "XTitleEd", QStringLiteral("Energy (eV)"));
            Child<QCheckBox>(d, "CheckBox2")->setChecked(false);
            SetText(d, "Lbl1", QStringLiteral("peak"));
            Child<QCheckBox>(d, "CheckBox11")->setChecked(true);
            SetText(d, "lo1", QStringLiteral("100"));
            SetText(d, "hi1", QStringLiteral("40"));
            Click(d, "BitBtn1");
        });
        g.command("Setup1")->trigger();
        QVERIFY(modal.allUsed());
        const halvern::GrapherModel& m = g.model();
        QCOMPARE(m.settings.x.minimum, 10.0f);
        QCOMPARE(m.settings.x.span, 6.0f);
        QVERIFY(!g.command("decticx")->isEnabled());
        QVERIFY(m.xTitle.visible);
        QCOMPARE(m.xTitle.text, std::string("Energy (eV)"));
        QVERIFY(!m.caches[1].shown);
        QVERIFY(m.labels[0].visible);
        QCOMPARE(m.labels[0].x, 100);
        QCOMPARE(m.labels[0].y, 40);
    }

    // An energy spectrum shown after a plot of the altitude, whose x title the user had set in
    // Set-Up: the picture names the spectrum's own variable and "counts", below the x labels and
    // above the y axis; Set-Up shows the titles the picture shows, so its OK keeps them. The
    // picture is saved for review.
    void aSpectrumGetsItsOwnAxisTitlesClearOfTheAxes() {
        TGraphForm g;
        g.resize(700, 480);
        show(g);
        QString altitudes;
        for (int i = 0; i <= 18; ++i) altitudes += QStringLiteral("%1 %2\n").arg(5 * i).arg(i * i);
        PlotInGrapher(g, {dataFile("alt.dat", altitudes).toStdString(), "altd: alt.dat", 1, 2,
                          "altd", "counts"});
        ModalScripts modal;
        modal.add([](QDialog& d) {
            SetText(d, "XTitleEd", QStringLiteral("altitude (deg)"));
            Click(d, "BitBtn1");
        });
        g.command("Setup1")->trigger();
        QCOMPARE(g.model().xTitle.text, std::string("altitude (deg)"));

        const std::string expression = "ke/ep { particle KE, in eV }";
        PlotInGrapher(g, {dataFile("ke.dat", SpectrumText()).toStdString(), expression + ": ke.dat",
                          1, 2, expression, "counts"});
        const halvern::GrapherModel& m = g.model();
        QCOMPARE(m.xTitle.text, expression);
        QCOMPARE(m.yTitle.text, std::string("counts"));
        QVERIFY(m.xTitle.visible && m.yTitle.visible);

        // Drawn in the window's font: the x title below the x labels, the y title above the axis.
        const QSize size = Child<QWidget>(g, "Graph")->size();
        const halvern::TextMetrics metrics = GraphTextMetrics(m.settings.font);
        const halvern::DisplayList list =
            halvern::LayoutGraph(m, size.width(), size.height(), metrics);
        const halvern::AxisFrame& f = list.frame;
        for (const halvern::PlacedText& t : list.texts) {
            if (t.kind == halvern::kXTitle)
                QVERIFY(t.topLeft.y >= f.y0 + m.settings.tickLength + metrics.height);
            if (t.kind == halvern::kYTitle)
                QVERIFY(t.topLeft.y + metrics.height < f.y0 - f.yLength);
        }

        modal.add([&](QDialog& d) {
            QCOMPARE(Text(d, "XTitleEd"), QString::fromStdString(expression));
            QVERIFY(Child<QCheckBox>(d, "XT")->isChecked());
            QCOMPARE(Text(d, "YTitleEd"), QStringLiteral("counts"));
            Click(d, "BitBtn1");
        });
        g.command("Setup1")->trigger();
        QVERIFY(modal.allUsed());
        QCOMPARE(m.xTitle.text, expression);

        const QString shots = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            QVERIFY(g.grab().save(shots + "/brisal22-grapher-spectrum.png"));
    }

    void setUpShowsARefusedFieldOnItsPage() {
        TGraphForm g;
        ModalScripts modal;
        modal.add([](QDialog& d) {
            SetText(d, "YMaxEdit", QStringLiteral("abc"));
            SetText(d, "xMinEdit", QStringLiteral("5"));
            Click(d, "BitBtn1");
            QVERIFY(d.isVisible());
            QCOMPARE(Child<QTabWidget>(d, "PageControl1")->currentIndex(), 1);
        });
        g.command("Setup1")->trigger();
        QVERIFY(modal.allUsed());
        QCOMPARE(sink.count(halvern::RecordingSink::Kind::Error), 1);
        QCOMPARE(g.model().settings.x.minimum, 0.0f);
    }

    void fontAndDefaultValues() {
        TGraphForm g;
        g.model().caches[0].points = {{1, 1}};
        ModalScripts modal;
        // The dialog shows the family the picture is drawn in, the default's fallback here.
        const QString drawnIn = QFontInfo(GraphQFont(g.model().settings.font, false)).family();
        modal.add([drawnIn](QDialog& d) {
            auto& dialog = static_cast<GraphFontDialog&>(d);
            QCOMPARE(dialog.fonts->currentFont().family(), drawnIn);
            QCOMPARE(dialog.fonts->currentFont().pointSize(), 7);
            QFont font = dialog.fonts->currentFont();
            font.setPointSize(12);
            font.setItalic(true);
            dialog.fonts->setCurrentFont(font);
            Click(d, "ColourButton");
            Click(d, "BitBtn1");
        });
        modal.add(ChooseColourScript(QColor(0, 0x80, 0)));
        g.command("Font1")->trigger();
        QVERIFY(modal.allUsed());
        halvern::GraphFont& font = g.model().settings.font;
        QCOMPARE(font.size, 12);
        QVERIFY(font.style.italic);
        QCOMPARE(font.colour, halvern::colour::Green);

        g.command("Defaultvalues1")->trigger();
        QCOMPARE(font.name, std::string("Book Antiqua"));
        QCOMPARE(font.size, 7);
        QCOMPARE(g.model().caches[0].points.size(), size_t(1));
    }

    void bitmapClipboardAndPdf() {
        TGraphForm g;
        show(g);
        loadThreeStyledCaches(g);

        const QString bitmap = path("graph.bmp");
        fileDialogs.script({bitmap.toStdString()});
        g.command("SaveBitmapAs1")->trigger();
        QCOMPARE(fileDialogs.asked.at(0).title, std::string("Save Bitmap"));
        QCOMPARE(fileDialogs.asked.at(0).defaultSuffix, std::string("bmp"));
        QImage saved(bitmap, "BMP");
        QVERIFY(!saved.isNull());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
                 g.picture().convertToFormat(QImage::Format_RGB32));

        // A folder that cannot be written is reported.
        fileDialogs.script({path("none/graph.bmp").toStdString()});
        g.command("SaveBitmapAs1")->trigger();
        QCOMPARE(sink.texts().size(), size_t(1));

        g.command("Copy1")->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 g.picture().convertToFormat(QImage::Format_RGB32));

        const QString pdf = path("graph.pdf");
        ModalScripts modal;
        modal.add([&](QDialog& d) {
            QPrinter* printer = static_cast<QPrintDialog&>(d).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            d.done(QDialog::Accepted);
        });
        g.command("Hardcopy1")->trigger();
        QVERIFY(modal.allUsed());
        const QByteArray bytes = FileBytes(pdf);
        QVERIFY(bytes.size() > 1000);
        QVERIFY(bytes.startsWith("%PDF"));
    }

    // The display list keeps fewer points of a dense cache than it has; painted, it must give
    // the picture of every point drawn in turn.
    void fewerPointsPaintTheSamePicture() {
        halvern::GrapherModel model;
        halvern::SetGraphDefaults(model, true, 320, 200);
        uint32_t seed = 7;
        const halvern::PenStyle pens[] = {halvern::PenStyle::Solid, halvern::PenStyle::Solid,
                                          halvern::PenStyle::Dash, halvern::PenStyle::Dot};
        for (size_t c = 0; c < 4; ++c) {
            halvern::DataCache& cache = model.caches[c];
            cache.penStyle = pens[c];
            cache.penWidth = c == 1 ? 3 : 0;
            cache.penColour = halvern::colour::Grey * static_cast<uint32_t>(c % 2);
            cache.symbolsOn = c >= 2;
            cache.symbolShape = static_cast<int32_t>(c % 2);
            for (int i = 0; i < 20000; ++i) {
                seed = seed * 134775813u + 1u;
                const double x = i * 0.005;
                cache.points.push_back({static_cast<float>(x),
                                        static_cast<float>(50 + 35 * std::sin(x / 8 + c) +
                                                           (seed * 0x1p-32 - 0.5) * 3)});
            }
        }
        model.caches[0].points[5000].y = std::numeric_limits<float>::infinity();
        const halvern::DisplayList fast = halvern::LayoutGraph(model, 320, 200);

        halvern::DisplayList every = fast;
        every.lines.clear();
        every.symbols.clear();
        const halvern::PixelMapping mapping =
            halvern::PixelMappingOf(model.settings, every.frame);
        for (const halvern::DataCache& cache : model.caches) {
            if (cache.points.empty()) continue;
            halvern::CacheLine line{{cache.penColour, cache.penWidth, cache.penStyle}, {{}}};
            halvern::CacheSymbols symbols{{cache.penColour, cache.penWidth, halvern::PenStyle::Solid},
                                          cache.symbolSize, cache.symbolShape == 0, {}};
            for (const halvern::DataPoint& point : cache.points) {
                halvern::Pixel p;
                if (!halvern::MapPoint(mapping, point, cache.yOffset, p)) {
                    line.runs.emplace_back();
                    continue;
                }
                line.runs.back().push_back(p);
                symbols.centres.push_back(p);
            }
            every.lines.push_back(line);
            if (cache.symbolsOn) every.symbols.push_back(symbols);
        }
        size_t kept = 0;
        for (const halvern::CacheLine& line : fast.lines)
            for (const auto& run : line.runs) kept += run.size();
        QVERIFY(kept < 40000);
        QCOMPARE(PaintDisplayList(fast), PaintDisplayList(every));
    }

    // For review: a spectrum, three styled caches, and the Set-Up dialog's pages.
    void screenshots() {
        const QString shots = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        if (shots.isEmpty()) QSKIP("HALVERN_SCREENSHOT_DIR is not set");
        QVERIFY(QDir().mkpath(shots));
        TGraphForm g;
        show(g);
        loadThreeStyledCaches(g);
        QVERIFY(g.grab().save(shots + "/brisal22-grapher-three-caches.png"));

        ModalScripts modal;
        for (int page : {0, 2, 4})
            modal.add([&, page](QDialog& d) {
                Child<QTabWidget>(d, "PageControl1")->setCurrentIndex(page);
                QVERIFY(d.grab().save(shots + QStringLiteral("/brisal22-graph-setup-%1.png").arg(page)));
            });
        for (int i = 0; i < 3; ++i) g.command("Setup1")->trigger();
        modal.add([&](QDialog& d) {
            QVERIFY(d.grab().save(shots + "/brisal22-grapher-open-display.png"));
        });
        g.command("Open1")->trigger();
        QVERIFY(modal.allUsed());
    }
};

int RunGrapherTests(int argc, char** argv) {
    GrapherTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GrapherTest.moc"
