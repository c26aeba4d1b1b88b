// What "Create new" of the insert-object dialog can make: a copy of one of the desktop's
// document templates (the XDG templates folder) or one of the kit's blank types, embedded as a
// new object that the desktop's program then opens.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace halvern {

enum class BlankObject { PlainText, RichText, Picture };

struct NewObjectType {
    QString name;              // as the dialog lists it
    std::string templatePath;  // empty: the kit's blank type
    BlankObject blank = BlankObject::PlainText;
};

// The templates folder: what `xdg-user-dir TEMPLATES` names, or ~/Templates where it names
// none (it answers the home folder itself then).
QString TemplatesFolder();
// The templates folder's files by name, then the kit's blank types.
std::vector<NewObjectType> NewObjectTypes();

// A new object's file name and contents; none, with the reason, when a template cannot be read.
struct NewObjectFile {
    std::string fileName;
    std::string bytes;
};
std::optional<NewObjectFile> MakeNewObject(const std::string& templatePath, BlankObject blank,
                                           std::string& error);

}  // namespace halvern
