// Controls shared by the three lattice dialogs: numeric edits bound to their record fields'
// widths, the dimensions group with its live atom count, the origin group and the buttons.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "FltEdit.h"
#include "targets/TargetSpec.h"
#include "text/ShortText.h"

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

// The dimension, origin and flags controls that every lattice dialog has.
struct LatticeBoxControls {
    DimensionControls dimensions;
    OriginControls origin;
    halvern::TIntegerEdit* flagEdit = nullptr;
};

struct LatticeBoxNames {
    DimensionNames dimensions;
    const char *xOrigin, *yOrigin, *zOrigin;
};

// The control names of the cubic and hexagonal dialogs.
inline constexpr LatticeBoxNames kSingleSpeciesBoxNames{
    {"IntegerEdit2", "IntegerEdit3", "IntegerEdit4", "Label12", "Label13", "Label15"},
    "FloatEdit3",
    "FloatEdit4",
    "FloatEdit5"};

LatticeBoxControls MakeLatticeBoxControls(QWidget* parent, const LatticeBoxNames& names,
                                          const char* depthFactorText);

// Record fields into the controls (flags as a decimal number), and back, each text cut to its
// field's width and the flags the integer value of their edit.
void ShowLatticeBox(const LatticeBoxControls& c, std::string_view x, std::string_view y,
                    std::string_view layers, std::string_view x0, std::string_view y0,
                    std::string_view z0, uint8_t flags);
void StoreLatticeBox(const LatticeBoxControls& c, CountText& x, CountText& y, CountText& layers,
                     OriginText& x0, OriginText& y0, OriginText& z0, uint8_t& flags);

// Calls update whenever one of the three dimension texts changes.
void ConnectAtomCount(QDialog* dialog, const DimensionControls& dimensions,
                      std::function<void()> update);

// Left column: the element groups and the flags edit; right column: dimensions and origin;
// the buttons below.
void LayOutTargetDialog(QDialog* dialog, std::initializer_list<QWidget*> elementGroups,
                        const LatticeBoxControls& box, QLayout* buttons);

// OK (checks every numeric control, runs onAccept, then closes with OK unless onAccept
// returned false), Cancel, and Help with a help context.
QLayout* MakeDialogButtons(QDialog* dialog, int helpContext, const char* okText = "OK",
                           std::function<bool()> onAccept = {});

}  // namespace velkor
