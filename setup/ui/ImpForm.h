// TImpForm: the impact-point mesh dialog. It edits the program's impact-mesh record, previews
// the mesh and writes the impact file.
#pragma once

#include <QDialog>
#include <string>

#include "FltEdit.h"
#include "inputfiles/ImpactSpec.h"

class QLabel;
class QPushButton;

namespace halvern {
class RadioGroup;
}

namespace velkor {

class MeshPreviewView;

class TImpForm : public QDialog {
    Q_OBJECT
  public:
    TImpForm(TImpactSpec& spec, QWidget* parent = nullptr);

    // The name the save dialog proposes; the main window sets it, saving does not change it.
    std::string FileName = "UNTITLED.IMP";

    halvern::TFloatEdit* FloatEdit1;      // bx (min)
    halvern::TFloatEdit* FloatEdit2;      // bx (max)
    halvern::TIntegerEdit* IntegerEdit1;  // impacts along x
    halvern::TFloatEdit* FloatEdit3;      // by (min)
    halvern::TFloatEdit* FloatEdit4;      // by (max)
    halvern::TIntegerEdit* IntegerEdit2;  // impacts along y
    halvern::TFloatEdit* FloatEdit6;      // (x,y) angle
    halvern::TFloatEdit* FloatEdit5;      // z0
    halvern::RadioGroup* RadioGroup1;     // density
    MeshPreviewView* Graph;
    QLabel* Label9;   // point count of the preview
    QLabel* Label13;  // "x = "
    QLabel* Label14;  // "y = "
    QPushButton* PreviewBtn;

    void PreviewBtnClick();
    void GraphMouseMove(int x, int y);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* makeMeshGroup();
    QWidget* makePreviewGroup();

    void RecordToControls();
    void ControlsToRecord();
    // The record's texts as typed, without messages.
    void ControlsToRecordQuietly();
    // False, after the notice, for a mesh off the origin with axes that are not perpendicular.
    bool OriginRuleHolds();
    bool OkBtnClick();

    TImpactSpec& spec_;
};

}  // namespace velkor
