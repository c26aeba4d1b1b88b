#include "EngineUiTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "DisplayText.h"
#include "FileSafety.h"
#include "HelpWindow.h"
#include "MainForm.h"
#include "UiSink.h"
#include "miscutil.h"

namespace halvern::uitest {

EngineTestBench::EngineTestBench() : oldCurrent_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
    SetUiSink(&sink);
    SetUiFileChooser(&chooser);
}

EngineTestBench::~EngineTestBench() {
    main.reset();
    SetUiFileChooser(nullptr);
    SetUiSink(nullptr);
    QDir::setCurrent(oldCurrent_);
}

std::string EngineTestBench::file(const std::string& name) const {
    return CoreText(dir_.filePath(DecodeText(name)));
}

std::string EngineTestBench::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
    return file(name);
}

std::string EngineTestBench::copyExampleProject() const {
    namespace fs = std::filesystem;
    std::string projectile;
    for (const auto& entry : fs::directory_iterator(HALVERN_EXAMPLES_DIR)) {
        if (!entry.is_regular_file()) continue;
        const fs::path target = fs::path(CoreText(dir_.path())) / entry.path().filename();
        fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
        std::string ext = target.extension().string();
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".prj") projectile = target.string();
    }
    return projectile;
}

TMainForm& EngineTestBench::start() {
    main = CreateEngineWindows(session, ProgramDir());
    return *main;
}

void SpecifyExampleProject(EngineTestBench& bench, TMainForm& main, int impactLines) {
    const std::string prj = bench.copyExampleProject();
    QVERIFY2(!prj.empty(), "the example project is missing");
    if (impactLines > 0) {
        std::string bytes;
        const std::string imp = ChangeFileExt(prj, ".imp");
        QVERIFY(ReadFileBytes(imp, bytes));
        size_t end = 0;
        for (int i = 0; i < impactLines; ++i) end = bytes.find('\n', end) + 1;
        bench.write(FileNameOf(imp), bytes.substr(0, end));
    }
    bench.chooser.script({prj});
    WhenModalOpens([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    main.Specifyinputfiles1Click();
    QVERIFY(main.Run1->isEnabled());
}

std::vector<LoggedLine> LogContents(const QTextEdit* log) {
    std::vector<LoggedLine> lines;
    for (QTextBlock b = log->document()->begin(); b.isValid(); b = b.next()) {
        QColor colour = b.charFormat().foreground().color();
        if (b.begin() != b.end()) colour = b.begin().fragment().charFormat().foreground().color();
        lines.push_back({b.text(), colour});
    }
    return lines;
}

int FindLogLine(const std::vector<LoggedLine>& lines, const QString& text, int from) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i)
        if (lines[i].text == text) return i;
    return -1;
}

void WhenModalOpens(std::function<void(QWidget* dialog)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

QString ShownHelpPage() {
    const HelpWindow* help = ProgramHelpWindow();
    if (help == nullptr || !help->isVisible()) return {};
    return help->source().fileName();
}

int CountColoured(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += QColor(image.pixel(x, y)).hsvSaturation() > 0;
    return n;
}

void SaveScreenshot(QWidget* window, const QString& name) {
    QString folder = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
    if (folder.isEmpty()) folder = QDir::current().filePath(QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    QVERIFY2(window->grab().save(path), qPrintable(path));
}

}  // namespace halvern::uitest
