// The window shared by the target orientation window (TOrientForm) and the impact-point
// orientation window (TIOrientForm): the edits of rotation, cut and new origin, the picture with
// its display controls, and Test, Reload, Apply, Impose. What differs between the two is in
// OrientWindowKind.
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "FileChooser.h"
#include "FltEdit.h"
#include "MessageSink.h"
#include "OrientView.h"
#include "orientation/OrientFields.h"

class QLabel;
class QMenu;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace halvern {
class RadioGroup;
}

namespace velkor {

using ReorientWriter = bool (*)(const std::string& source, const std::string& destination,
                                const TOrientParams& params, halvern::MessageSink& sink);

struct OrientWindowKind {
    const char* objectName;
    const char* windowNote;
    std::vector<const char*> cutTypes;  // radio items, in CutType order
    const char* captionPrefix;          // followed by the file name and " (" count
    const char* countSuffix;            // after the count: " atoms)" or " impact points)"
    halvern::FileDialogSpec openDialog, saveDialog, linkDialog;  // initial names are patterns
    OverlayStyle overlay;
    PointSymbols startSymbols;
    const TOrientFieldSpecs* fields;
    TOrientViewSpec view;
    int helpContext;
    // The impact window turns and moves only in the (x, y) plane: its other rotations, the z
    // limits and dz stay disabled.
    bool planeOnly;
    ReorientWriter writer;
};

// Two arrow buttons that step a display rotation up or down.
class UpDownButtons : public QWidget {
    Q_OBJECT
  public:
    UpDownButtons(const QString& name, QWidget* parent);
    QToolButton* up;
    QToolButton* down;
};

class OrientWindow : public QDialog {
    Q_OBJECT
  public:
    OrientWindow(const OrientWindowKind& kind, QWidget* parent);

    // The file shown; the main window sets it (after ChooseFile) before showing the window.
    std::string FileName;
    // Runs the window's own open dialog; true when a file was chosen (it is then FileName).
    bool ChooseFile();

    OrientView* Graph;
    std::array<halvern::TFloatEdit*, kOrientFieldCount> fields{};
    halvern::RadioGroup* RGCutType;
    halvern::RadioGroup* RGDisplayType;
    halvern::RadioGroup* RGSymbols;
    std::array<UpDownButtons*, 3> rotateDisplay{};  // UpDown1..3
    QSpinBox* UpDown4;                              // zoom
    QPushButton *TestBtn, *ReloadBtn, *ApplyBtn, *ImposeBtn, *ExitBtn, *HelpBtn, *Button1;
    std::array<QToolButton*, 4> moveButtons{};  // SpeedButton1..4: up, down, right, left
    QLabel *lblRxy, *lblRyz, *lblRzx, *poslblx, *poslbly;

    halvern::TFloatEdit* field(OrientField f) const { return fields[static_cast<size_t>(f)]; }

    void TestBtnClick();
    void ReloadBtnClick();
    void ApplyBtnClick();
    void ImposeClick();
    void LinkFileClick();
    void ApplyRotationClick();
    void StepRotation(RotationPlane plane, bool up);
    void BackgroundColourClick();
    void CopyClick();
    void RefreshCutOptions();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void buildControls();
    QWidget* buildEditColumn();
    QWidget* buildDisplayColumn();
    QLayout* buildButtons();
    void buildMenus(QLayout* layout);
    void buildShortcuts();

    void LoadPoints();
    void ReleasePoints();
    void setCaption(int32_t count);
    void paintRotationLabels();
    // Validates and converts the edits; false (after its message) stops the command.
    bool ReadOrientParams(TOrientReading& reading);
    // Reads the linked file and lays it over the picture; false when it could not be read whole.
    bool drawLinkedFile();
    void showCursor(int x, int y);

    const OrientWindowKind& kind_;
    std::string linkName_;
    std::array<double, 3> rotation_{};  // accumulated display rotations xy, yz, zx (radians)
};

}  // namespace velkor
