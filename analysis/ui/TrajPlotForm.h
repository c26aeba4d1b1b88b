// TTrajPlotForm, "Trajectory Plotter": replays a record file or an ASCII trajectory file frame
// by frame as a projection on a plane, with rotations, zoom, shifts, four symbol styles, two
// colour schemes and an animation driven by its timer. The window is made once at program start;
// every showing loads its file anew, and closing frees the data and tells the main window.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <string>

#include "FileChooser.h"
#include "PlotLoadHost.h"
#include "PlotPainter.h"
#include "plotter/PlotRotation.h"
#include "plotter/TrajectoryPlot.h"

class QCheckBox;
class QLabel;
class QTimer;
class QToolButton;

namespace halvern {
class RadioGroup;
class TFloatEdit;
class TIntegerEdit;
}  // namespace halvern

namespace brisal {

class TTOptionsForm;

// "Graph": shows the picture; the mouse's place drives the read-out.
class TrajPicture : public QWidget {
    Q_OBJECT
  public:
    explicit TrajPicture(QSize size, QWidget* parent = nullptr);
    QImage image;

  Q_SIGNALS:
    void mouseMoved(QPoint position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

class TTrajPlotForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TTrajPlotForm(QWidget* parent = nullptr);

    void setOptionsForm(TTOptionsForm& options) { options_ = &options; }
    // The window whose status line and event pump serve the loads; without it a load shows no
    // progress.
    void setLoadHost(PlotLoadHost& host) { loadHost_ = &host; }
    // A showing's load has not finished yet (it starts once the window is on the screen).
    bool loadPending() const { return loadPending_; }
    // The file the next showing loads (DataFileName).
    void setDataFileName(const std::string& name) { plot_.fileName = name; }

    const halvern::TrajectoryPlot& plot() const { return plot_; }
    const QImage& picture() const;
    const PlotStyle& plotStyle() const { return style_; }
    bool timerActive() const;

    // The animation.
    void PlayBtnClick();
    void PlayBackBtnClick();
    void LoopBtnClick();
    void PauseBtnClick();
    void StopBtnClick();
    void FastForwardBtnClick();
    void FastBackwardBtnClick();
    // "Display specified frame": the frame number's edit, then the next number to offer.
    void SpeedButton5Click();
    void SpeedButton6Click();
    // The view.
    void shift(halvern::PlotShift direction);
    void zoomStep(bool up);
    void rotateStep(halvern::RotationPlane plane, bool next);
    void Button1Click();  // "Apply Rotation"
    void RGDisplayTypeClick();
    void RGSymbolsClick();
    // The menus.
    void BackgroundColour1Click();
    void RestoreDefaults1Click();
    void NewDataSource1Click();
    void LoadMainIcon1Click();
    void LoadHighlightIcon1Click();
    void Options1Click();
    void CopyBitmap1Click();
    void SaveBitmap1Click();
    // The timer's interval has passed.
    void Timer1Timer();

  Q_SIGNALS:
    // The window has closed and freed its data (UM_TRAJPLOTCLOSED).
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildLeftPanel();
    QWidget* buildTopPanel();
    QWidget* buildBottomPanel();
    // Every load: the view's defaults, the file, its frames and the first frame drawn. While the
    // file is read the window paints but takes no input, and a close waits for the end.
    void loadData();
    void readData();
    // Stops the play and frees the data before a reload or a close.
    void stopAndFree();
    void stopPlay();
    // The frame on show, with its labels.
    void DrawFrame();
    // After an animation command: draws when asked, and keeps the timer going while playing.
    void afterAnimation(bool draw);
    // Frame n of the frame number's edit; then the edit offers the next or the previous number.
    void showSpecifiedFrame(bool offerNext);
    void showReadOut(QPoint position);
    void loadIcon(QImage& hidden, QImage PlotStyle::*current);
    void syncRotationLabels();

    halvern::TrajectoryPlot plot_;
    TTOptionsForm* options_ = nullptr;
    PlotLoadHost* loadHost_ = nullptr;
    bool loadPending_ = false;
    bool loading_ = false;
    bool closeAfterLoad_ = false;
    PlotIcons icons_;
    PlotStyle style_;
    SymbolSprites sprites_;
    QTimer* timer_ = nullptr;
    TrajPicture* picture_ = nullptr;
    halvern::RadioGroup* RGDisplayType = nullptr;
    halvern::RadioGroup* RGSymbols = nullptr;
    halvern::TFloatEdit* angles_[3] = {nullptr, nullptr, nullptr};
    halvern::TIntegerEdit* FrameNumEdit = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* FrameLbl = nullptr;
    QLabel* TimeLbl = nullptr;
    QLabel* rotationLabels_[3] = {nullptr, nullptr, nullptr};
    QLabel* poslblx = nullptr;
    QLabel* poslbly = nullptr;
    QCheckBox* RefreshBox = nullptr;
    QToolButton* PauseBtn = nullptr;
};

// The plotter's open dialog (TPlotFOpenDlg), also the main window's.
halvern::FileDialogSpec PlotterOpenDialogSpec();

}  // namespace brisal
