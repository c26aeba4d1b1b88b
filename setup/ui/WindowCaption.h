// Captions that name a file: the folders of a long path are shortened in the middle, so that
// the file's own name and what follows it stay in the title bar of a narrow dialog.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace velkor {

// prefix + path + suffix, the path shortened ("/home/.../ni111.run") to fit the window's width.
QString FittedCaption(const QWidget& window, const QString& prefix, const std::string& path,
                      const QString& suffix = {});

}  // namespace velkor
