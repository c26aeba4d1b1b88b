// Saves a window's picture into $HALVERN_SCREENSHOT_DIR (nothing when it is not set).
#pragma once

#include <QDir>
#include <QWidget>

inline void SaveWindowScreenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window->grab().save(folder + QLatin1Char('/') + name);
}
