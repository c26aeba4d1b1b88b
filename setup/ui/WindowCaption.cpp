#include "WindowCaption.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

#include "DisplayText.h"

namespace velkor {

namespace {

// The title bar's icon and buttons.
constexpr int kTitleBarControls = 120;

}  // namespace

QString FittedCaption(const QWidget& window, const QString& prefix, const std::string& path,
                      const QString& suffix) {
    const QFontMetrics metrics(QApplication::font());
    const int width = std::max(window.width(), window.sizeHint().width());
    const int room = width - kTitleBarControls - metrics.horizontalAdvance(prefix + suffix);
    const QString name = halvern::DecodeText(path);
    if (metrics.horizontalAdvance(name) <= room) return prefix + name + suffix;
    // The folders give way; the file's name is kept whole.
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const QString folders = name.left(slash + 1), file = name.mid(slash + 1);
    if (folders.isEmpty()) return prefix + name + suffix;
    const int folderRoom = std::max(room - metrics.horizontalAdvance(file), 0);
    QString shortened = metrics.elidedText(folders, Qt::ElideMiddle, folderRoom);
    if (shortened.isEmpty()) shortened = QStringLiteral("\u2026/");  // at least a sign of them
    return prefix + shortened + file + suffix;
}

}  // namespace velkor
