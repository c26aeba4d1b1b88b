// Controls shared by the three lattice dialogs: numeric edits bound to their record fields'
// widths, the dimensions group with its live atom count, the origin group and the buttons.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "FltEdit.h"
#include "ShortText.h"

class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace velkor {

// A control's text for a record field (cut there to the field's width).
std::string FieldText(const QLineEdit* edit);
void ShowField(QLineEdit* edit, std::string_view text);

// Narrows an edit to about `chars` characters, so that short fields look short.
void FitWidth(QLineEdit* edit, int chars);

halvern::TFloatEdit* MakeFloatEdit(QWidget* parent, const char* name, long double min,
                                   long double max, int maxLength, const char* text);
halvern::TIntegerEdit* MakeIntegerEdit(QWidget* parent, const char* name, int32_t min, int32_t max,
                                       int maxLength, const char* text);

// "Lattice dimensions (atoms)": X-width, Y-width and Z-depth with their multiplier labels, and
// the count label below.
struct DimensionControls {
    QGroupBox* group = nullptr;
    halvern::TIntegerEdit* xWidth = nullptr;
    halvern::TIntegerEdit* yWidth = nullptr;
    halvern::TIntegerEdit* depth = nullptr;
    QLabel* xFactor = nullptr;
    QLabel* yFactor = nullptr;
    QLabel* depthFactor = nullptr;
    QLabel* count = nullptr;

    // Shows the lines the generator will write; the texts are read quietly, so a half-typed
    // entry counts 0 and never opens a box.
    void updateCount(int atomsPerSite) const;
};

struct DimensionNames {
    const char *xWidth, *yWidth, *depth, *xFactor, *yFactor, *depthFactor;
};

DimensionControls MakeDimensionGroup(QWidget* parent, const DimensionNames& names,
                                     const char* depthFactorText);

// "Lattice origin (A)": three real edits.
struct OriginControls {
    QGroupBox* group = nullptr;
    halvern::TFloatEdit* x = nullptr;
    halvern::TFloatEdit* y = nullptr;
    halvern::TFloatEdit* z = nullptr;
};

OriginControls MakeOriginGroup(QWidget* parent, const char* xName, const char* yName,
                               const char* zName);

// Calls update whenever one of the three dimension texts changes.
void ConnectAtomCount(QDialog* dialog, const DimensionControls& dimensions,
                      std::function<void()> update);

// Left column: the element groups and the flags edit; right column: dimensions and origin;
// the buttons below.
void LayOutTargetDialog(QDialog* dialog, std::initializer_list<QWidget*> elementGroups,
                        halvern::TIntegerEdit* flagEdit, const DimensionControls& dimensions,
                        const OriginControls& origin, QLayout* buttons);

// OK (checks every numeric control, runs onAccept, then closes with OK), Cancel, and Help with
// a help context.
QLayout* MakeDialogButtons(QDialog* dialog, int helpContext, const char* okText = "OK",
                           std::function<void()> onAccept = {});

}  // namespace velkor
