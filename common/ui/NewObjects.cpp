#include "NewObjects.h"

#include <QDir>
#include <QImage>
#include <QProcess>

#include "DisplayText.h"
#include "FileSafety.h"
#include "RichObjects.h"
#include "editor/EditorRules.h"
#include "richtext/RtfWriter.h"

namespace halvern {

namespace {

constexpr int kLookupMilliseconds = 2000;  // for xdg-user-dir to answer

struct Blank {
    const char* name;
    const char* fileName;
    BlankObject kind;
};
constexpr Blank kBlanks[] = {{"Plain text", "New text.txt", BlankObject::PlainText},
                             {"Rich text", "New document.rtf", BlankObject::RichText},
                             {"PNG picture", "New picture.png", BlankObject::Picture}};

std::string BlankBytes(BlankObject kind) {
    switch (kind) {
        case BlankObject::PlainText:
            return {};
        case BlankObject::RichText: {
            RichDoc doc;
            doc.paragraphs.emplace_back();
            return WriteRtf(doc);
        }
        case BlankObject::Picture: {
            QImage image(320, 240, QImage::Format_RGB32);
            image.fill(Qt::white);
            return PngBytes(image);
        }
    }
    return {};
}

}  // namespace

QString TemplatesFolder() {
    QProcess lookup;
    lookup.start(QStringLiteral("xdg-user-dir"), {QStringLiteral("TEMPLATES")});
    QString folder;
    if (lookup.waitForFinished(kLookupMilliseconds) && lookup.exitCode() == 0)
        folder = QString::fromLocal8Bit(lookup.readAllStandardOutput()).trimmed();
    else
        lookup.kill();
    const QString home = QDir::homePath();
    if (folder.isEmpty() || QDir(folder) == QDir(home))
        folder = home + QStringLiteral("/Templates");
    return folder;
}

std::vector<NewObjectType> NewObjectTypes() {
    std::vector<NewObjectType> types;
    const QFileInfoList templates =
        QDir(TemplatesFolder()).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& file : templates)
        types.push_back(
            {file.fileName(), CoreText(file.absoluteFilePath()), BlankObject::PlainText});
    for (const Blank& blank : kBlanks)
        types.push_back({QString::fromLatin1(blank.name), {}, blank.kind});
    return types;
}

std::optional<NewObjectFile> MakeNewObject(const std::string& templatePath, BlankObject blank,
                                           std::string& error) {
    if (templatePath.empty()) {
        for (const Blank& b : kBlanks)
            if (b.kind == blank) return NewObjectFile{b.fileName, BlankBytes(blank)};
    }
    NewObjectFile file{FileNameOf(templatePath), {}};
    if (ReadFileBytes(templatePath, file.bytes)) return file;
    error = ReadErrorText(templatePath);
    return std::nullopt;
}

}  // namespace halvern
