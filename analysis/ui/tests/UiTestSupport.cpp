#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtTest>
#include <cmath>

#include "ItemRadioGroup.h"
#include "ModalRunner.h"
#include "UiSink.h"
#include "host/EngineGlobals.h"
#include "host/EngineHost.h"
#include "run/RunSimulation.h"

namespace brisal_test {

ModalScripts::ModalScripts() {
    brisal::SetModalRunner([this](QDialog& dialog) { return run(dialog); });
}

ModalScripts::~ModalScripts() {
    brisal::SetModalRunner({});
}

int ModalScripts::run(QDialog& dialog) {
    shown << dialog.windowTitle();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (!scripts_.empty()) {
        auto script = std::move(scripts_.front());
        scripts_.pop_front();
        script(dialog);
    }
    dialog.hide();
    return dialog.result();
}

halvern::TOslRecord Particle(double eV, int32_t rw, int32_t rn) {
    constexpr double kMass = 1e-26, kElectronvolt = 1.60219e-19;
    halvern::TOslRecord r;
    r.ms = static_cast<float>(kMass);
    r.pz = static_cast<float>(std::sqrt(2 * kMass * eV * kElectronvolt));
    r.rw = rw;
    r.rn = rn;
    return r;
}

void WriteRecords(const QString& path, const std::vector<halvern::TOslRecord>& records) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const halvern::TOslRecord& r : records) {
        const halvern::OslRecordBytes b = halvern::EncodeOslRecord(r);
        file.write(reinterpret_cast<const char*>(b.data()), static_cast<qint64>(b.size()));
    }
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QString RunExampleProject(const QString& folder) {
    const QDir dir(folder);
    for (const char* ext : {".prj", ".trg", ".mdl", ".run", ".imp", ".inl"})
        QFile::copy(QStringLiteral(HALVERN_EXAMPLES_DIR "/cu100") + ext,
                    dir.filePath("cu100") + ext);
    halvern::EngineGlobals globals;
    globals.RandomSeed = 1;
    halvern::RecordingHost engine;
    const std::string p = dir.filePath(QStringLiteral("cu100")).toStdString();
    const QString dynamics = dir.filePath(QStringLiteral("dynvars.osl"));
    halvern::RunSimulation(
        p + ".prj", p + ".trg", p + ".mdl", p + ".run", p + ".imp", p + ".inl",
        dir.filePath(QStringLiteral("inivars.osl")).toStdString(), dynamics.toStdString(),
        dir.filePath(QStringLiteral("inelast.dat")).toStdString(), true, globals, engine);
    return dynamics;
}

brisal::BrisalWindows UiTestCase::startProgram(const std::vector<std::string>& arguments) {
    brisal::BrisalWindows windows = brisal::CreateBrisalWindows(arguments);
    windows.main->freeDiskBytes = [] { return std::optional<uint64_t>(); };
    windows.main->allocatedBytes = [] { return uint64_t{0}; };
    return windows;
}

void UiTestCase::init() {
    sink.clear();
    halvern::SetUiSink(&sink);
    fileDialogs.clear();
    halvern::SetUiFileChooser(&fileDialogs);
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void UiTestCase::cleanup() {
    halvern::SetUiFileChooser(nullptr);
    halvern::SetUiSink(nullptr);
}

void Click(QObject& parent, const char* buttonName) {
    auto* button = Child<QAbstractButton>(parent, buttonName);
    QVERIFY2(button != nullptr, buttonName);
    QVERIFY2(button->isEnabled(), buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
}

void SetText(QObject& parent, const char* name, const QString& text) {
    if (auto* edit = Child<QLineEdit>(parent, name)) {
        edit->setText(text);
    } else if (auto* combo = Child<QComboBox>(parent, name)) {
        combo->setEditText(text);
    } else {
        QFAIL(name);
    }
}

QString Text(QObject& parent, const char* name) {
    if (auto* edit = Child<QLineEdit>(parent, name)) return edit->text();
    if (auto* combo = Child<QComboBox>(parent, name)) return combo->currentText();
    return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

void ClickItem(QObject& parent, const char* groupName, int index) {
    auto* group = Child<halvern::RadioGroup>(parent, groupName);
    QVERIFY2(group != nullptr, groupName);
    // The button's hit area is its indicator and caption, at its left.
    QAbstractButton* item = group->item(index);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
}

}  // namespace brisal_test
