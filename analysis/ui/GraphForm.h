// TGraphForm, "Grapher": plots up to ten data caches of text column files on x/y axes, with
// titles and labels the user drags, the keys and speed buttons that adjust the picture, its
// three dialogs, and the picture's copy, bitmap file and hardcopy.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "grapher/GraphLayout.h"
#include "grapher/GrapherModel.h"
#include "grapher/PlotDataFile.h"

class QAction;
class QToolBar;

namespace brisal {

class GraphFontDialog;
class TEmptyDlg;
class TGrOpenForm;
class TStyleDlg;

// The image control: shows the picture and passes the mouse to the window.
class GraphImage : public QWidget {
    Q_OBJECT
  public:
    explicit GraphImage(QWidget* parent = nullptr);
    QImage picture;

  Q_SIGNALS:
    void pressed(int x, int y);
    void released(int x, int y);
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

class TGraphForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TGraphForm(QWidget* parent = nullptr);
    ~TGraphForm() override;

    // The entry of the main window's plot request; the caller shows the window.
    void PlotDataFile(const halvern::PlotDataRequest& request);
    // Builds the picture anew from the caches and settings.
    void DrawGraph();

    // Menu commands.
    void Open1Click();
    void Emptydata1Click();
    void SaveBitmapAs1Click();
    void Hardcopy1Click();
    void Copy1Click();
    void Setup1Click();
    void Font1Click();
    void Defaultvalues1Click();

    // A command or speed button by its object name ("Open1", "SpeedButton5", "decticx").
    QAction* command(const char* name) const;

    halvern::GrapherModel& model() { return model_; }
    const QImage& picture() const;
    TGrOpenForm* GrOpenForm = nullptr;
    TStyleDlg* StyleDlg = nullptr;
    TEmptyDlg* EmptyDlg = nullptr;
    GraphFontDialog* FontDialog = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildMenus();
    void buildSpeedBar();
    QAction* addCommand(const char* name, const QString& caption, int helpContext,
                        std::function<void()> handler);
    // A change of the settings, then the decrease buttons' state and the picture.
    void change(const std::function<void()>& edit);
    void updateTickButtons();
    void pressAt(int x, int y);
    void releaseAt(int x, int y);

    halvern::GrapherModel model_;
    QSize laidOutSize_;                            // the picture's size at the latest layout
    std::vector<halvern::PlacedText> drawnTexts_;  // where the latest picture shows its texts
    bool ready_ = false;
    GraphImage* Graph = nullptr;
    QToolBar* speedBar_ = nullptr;
    std::map<std::string, QAction*> commands_;
};

}  // namespace brisal
