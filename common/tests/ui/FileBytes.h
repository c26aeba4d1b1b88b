// The bytes of a file a window test wrote or read; empty when there is none.
#pragma once

#include <QString>
#include <string>

#include "FileSafety.h"

inline std::string Bytes(const QString& path) {
    std::string bytes;
    halvern::ReadFileBytes(path.toStdString(), bytes);
    return bytes;
}
