#include "OrientWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "FieldControls.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "InputDialogParts.h"
#include "ItemRadioGroup.h"
#include "NumberText.h"
#include "NumericControl.h"
#include "ShortString.h"
#include "TargetDialogParts.h"
#include "UiFonts.h"
#include "UiSink.h"
#include "WindowCaption.h"

namespace velkor {

namespace {

// An empty read-out label in a fixed-width font, so that its numbers keep their columns.
QLabel* ReadOutLabel(QWidget* parent, const char* name) {
    QLabel* label = PlainLabel(QString(), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(halvern::CourierNewFont());
    label->setMinimumWidth(QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Rxy:-360.00")));
    return label;
}

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The pictograms beside the cut types: rectangle, rounded rectangle, circle.
QIcon ShapeIcon(int shape) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(255, 255, 160));
    const QRectF box(3, 3, 18, 18);
    if (shape == 0)
        painter.drawRect(box);
    else if (shape == 1)
        painter.drawRoundedRect(box, 6, 6);
    else
        painter.drawEllipse(box);
    return QIcon(pixmap);
}

QString CountCaption(const QWidget& window, const OrientWindowKind& kind, const std::string& file,
                     int32_t count) {
    return FittedCaption(window, halvern::DecodeText(kind.captionPrefix), file,
                         halvern::DecodeText(" (" + halvern::FormatInt(count) + kind.countSuffix));
}

}  // namespace

UpDownButtons::UpDownButtons(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up = new QToolButton(this);
    up->setObjectName(name + QStringLiteral("Up"));
    up->setArrowType(Qt::UpArrow);
    down = new QToolButton(this);
    down->setObjectName(name + QStringLiteral("Down"));
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up, down}) {
        b->setFixedSize(18, 12);
        layout->addWidget(b);
    }
}

OrientWindow::OrientWindow(const OrientWindowKind& kind, QWidget* parent)
    : QDialog(parent), kind_(kind) {
    setObjectName(QString::fromLatin1(kind.objectName));
    SetHelpContext(this, kind.helpContext);
    AddHelpKey(this, kind.helpContext);
    buildControls();
    buildShortcuts();
}

// Layout ------------------------------------------------------------------------------------

void OrientWindow::buildControls() {
    auto* outer = new QVBoxLayout(this);
    buildMenus(outer);
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildEditColumn());
    columns->addWidget(buildDisplayColumn());
    outer->addLayout(columns);
    outer->addLayout(buildButtons());
    RefreshCutOptions();
}

QWidget* OrientWindow::buildEditColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* note = PlainLabel(QString::fromLatin1(kind_.windowNote), column);
    note->setWordWrap(true);
    note->setMaximumWidth(320);
    layout->addWidget(note);

    for (size_t k = 0; k < kOrientFieldCount; ++k) {
        const TOrientFieldSpec& spec = (*kind_.fields)[k];
        fields[k] = MakeFloatEdit(this, spec.name, spec.field);
    }
    auto addRows = [&](const char* title, std::initializer_list<std::pair<const char*, OrientField>>
                                              rows) {
        auto* group = new QGroupBox(QString::fromLatin1(title), column);
        auto* grid = new QGridLayout(group);
        int row = 0;
        for (const auto& [caption, f] : rows) {
            grid->addWidget(PlainLabel(QString::fromLatin1(caption), group), row, 0);
            grid->addWidget(field(f), row, 1);
            ++row;
        }
        layout->addWidget(group);
    };
    addRows("Rotations (degrees)", {{"Z-axis rotation, R(x,y)", OrientField::ZRot},
                                    {"X-axis rotation, R(y,z)", OrientField::XRot},
                                    {"Y-axis rotation, R(z,x)", OrientField::YRot}});

    auto* cut = new QGroupBox(QStringLiteral("Boundaries of cut (Angstrom)"), column);
    auto* grid = new QGridLayout(cut);
    const std::pair<const char*, OrientField> limits[] = {{"X-axis limits", OrientField::XLo},
                                                          {"Y-axis limits", OrientField::YLo},
                                                          {"Z-axis limits", OrientField::ZLo},
                                                          {"R-axis limits", OrientField::RLo}};
    int row = 0;
    for (const auto& [caption, lo] : limits) {
        const auto hi = static_cast<OrientField>(static_cast<size_t>(lo) + 1);
        auto* label = PlainLabel(QString::fromLatin1(caption), cut);
        auto* to = PlainLabel(QStringLiteral("to"), cut);
        grid->addWidget(label, row, 0);
        grid->addWidget(field(lo), row, 1);
        grid->addWidget(to, row, 2);
        grid->addWidget(field(hi), row, 3);
        // The labels follow their edits' enabled state.
        field(lo)->setProperty("limitLabel", QVariant::fromValue(static_cast<QObject*>(label)));
        field(hi)->setProperty("limitLabel", QVariant::fromValue(static_cast<QObject*>(to)));
        ++row;
    }
    layout->addWidget(cut);

    addRows("Position of new origin (R - dr, in A)", {{"X-axis (dx)", OrientField::ShiftX},
                                                      {"Y-axis (dy)", OrientField::ShiftY},
                                                      {"Z-axis (dx)", OrientField::ShiftZ}});

    QStringList cutTypes;
    for (const char* type : kind_.cutTypes) cutTypes << QString::fromLatin1(type);
    RGCutType = new halvern::RadioGroup(QStringLiteral("Type (symmetry) of cut..."), cutTypes, column);
    RGCutType->setObjectName(QStringLiteral("RGCutType"));
    RGCutType->setItemIndex(0);
    connect(RGCutType, &halvern::RadioGroup::itemClicked, this,
            halvern::GuardedSlot([this] { RefreshCutOptions(); }));
    auto* shapes = new QHBoxLayout;
    const char* shapeLabels[] = {"x,y", "r", "z"};
    for (int k = 0; k < static_cast<int>(kind_.cutTypes.size()); ++k) {
        auto* shape = new QToolButton(column);
        shape->setObjectName(QStringLiteral("Shape%1").arg(k + 1));
        // The impact window's second cut is a circle in the plane.
        shape->setIcon(ShapeIcon(kind_.planeOnly && k == 1 ? 2 : k));
        shape->setAutoRaise(true);
        connect(shape, &QToolButton::clicked, this, halvern::GuardedSlot([this, k] {
                    RGCutType->setItemIndex(k);
                    RefreshCutOptions();
                }));
        shapes->addWidget(shape);
        shapes->addWidget(PlainLabel(QString::fromLatin1(shapeLabels[k]), column));
    }
    shapes->addStretch();
    auto* cutRow = new QHBoxLayout;
    cutRow->addWidget(RGCutType);
    cutRow->addLayout(shapes);
    layout->addLayout(cutRow);
    layout->addStretch();

    if (kind_.planeOnly)
        for (OrientField f : {OrientField::XRot, OrientField::YRot, OrientField::ZLo,
                              OrientField::ZHi, OrientField::ShiftZ, OrientField::AngYZ,
                              OrientField::AngZX})
            field(f)->setEnabled(false);
    return column;
}

QWidget* OrientWindow::buildDisplayColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    Graph = new OrientView(kind_.view, column);
    Graph->onCursorMoved = [this](int x, int y) { showCursor(x, y); };
    layout->addWidget(Graph, 0, Qt::AlignHCenter);

    auto* panel = new QHBoxLayout;
    RGDisplayType = new halvern::RadioGroup(
        QStringLiteral("Perspective"), {"xy-plane", "yz-plane", "xz-plane"}, column);
    RGDisplayType->setObjectName(QStringLiteral("RGDisplayType"));
    RGDisplayType->setItemIndex(0);
    connect(RGDisplayType, &halvern::RadioGroup::itemClicked, this,
            halvern::GuardedSlot([this] {
                Graph->setPerspective(static_cast<Perspective>(RGDisplayType->itemIndex()));
            }));
    RGSymbols = new halvern::RadioGroup(QStringLiteral("Symbols"), {"Icons", "Circles", "Points"},
                                        column);
    RGSymbols->setObjectName(QStringLiteral("RGSymbols"));
    RGSymbols->setItemIndex(static_cast<int>(kind_.startSymbols));
    Graph->setSymbols(kind_.startSymbols);
    connect(RGSymbols, &halvern::RadioGroup::itemClicked, this, halvern::GuardedSlot([this] {
                Graph->setSymbols(static_cast<PointSymbols>(RGSymbols->itemIndex()));
            }));
    panel->addWidget(RGDisplayType);
    panel->addWidget(RGSymbols);

    auto* rotate = new QGroupBox(QStringLiteral("Rotate display"), column);
    auto* grid = new QGridLayout(rotate);
    const char* planes[] = {"R(x,y)", "R(y,z)", "R(z,x)"};
    const OrientField angles[] = {OrientField::AngXY, OrientField::AngYZ, OrientField::AngZX};
    for (int k = 0; k < 3; ++k) {
        rotateDisplay[k] = new UpDownButtons(QStringLiteral("UpDown%1").arg(k + 1), rotate);
        const auto plane = static_cast<RotationPlane>(k);
        connect(rotateDisplay[k]->up, &QToolButton::clicked, this,
                halvern::GuardedSlot([this, plane] { StepRotation(plane, true); }));
        connect(rotateDisplay[k]->down, &QToolButton::clicked, this,
                halvern::GuardedSlot([this, plane] { StepRotation(plane, false); }));
        if (kind_.planeOnly && k > 0) rotateDisplay[k]->setEnabled(false);
        grid->addWidget(PlainLabel(QString::fromLatin1(planes[k]), rotate), k, 0);
        grid->addWidget(rotateDisplay[k], k, 1);
        grid->addWidget(field(angles[k]), k, 2);
    }
    Button1 = Button("Button1", "Apply Rotation", rotate);
    connect(Button1, &QPushButton::clicked, this,
            halvern::GuardedSlot([this] { ApplyRotationClick(); }));
    grid->addWidget(Button1, 3, 0, 1, 3);
    panel->addWidget(rotate);
    layout->addLayout(panel);

    auto* lower = new QHBoxLayout;
    auto* zoomBox = new QGroupBox(QStringLiteral("Zoom"), column);
    auto* zoomLayout = new QVBoxLayout(zoomBox);
    UpDown4 = new QSpinBox(zoomBox);
    UpDown4->setObjectName(QStringLiteral("UpDown4"));
    UpDown4->setRange(0, kind_.view.zoomMax);
    UpDown4->setValue(kind_.view.zoomStart);
    connect(UpDown4, &QSpinBox::valueChanged, this,
            halvern::GuardedSlot([this] { Graph->setZoom(UpDown4->value()); }));
    zoomLayout->addWidget(UpDown4);
    lower->addWidget(zoomBox);

    auto* move = new QGroupBox(QStringLiteral("Move display"), column);
    auto* moveGrid = new QGridLayout(move);
    struct Move {
        Qt::ArrowType arrow;
        int dx, dy, row, col;
    };
    const Move moves[] = {{Qt::UpArrow, 0, kMoveStep, 0, 1},
                          {Qt::DownArrow, 0, -kMoveStep, 2, 1},
                          {Qt::RightArrow, kMoveStep, 0, 1, 2},
                          {Qt::LeftArrow, -kMoveStep, 0, 1, 0}};
    for (int k = 0; k < 4; ++k) {
        const Move& m = moves[k];
        moveButtons[k] = new QToolButton(move);
        moveButtons[k]->setObjectName(QStringLiteral("SpeedButton%1").arg(k + 1));
        moveButtons[k]->setArrowType(m.arrow);
        connect(moveButtons[k], &QToolButton::clicked, this,
                halvern::GuardedSlot([this, m] { Graph->moveOrigin(m.dx, m.dy); }));
        moveGrid->addWidget(moveButtons[k], m.row, m.col);
    }
    lower->addWidget(move);

    auto* info = new QGroupBox(QStringLiteral("Information"), column);
    auto* infoLayout = new QGridLayout(info);
    lblRxy = ReadOutLabel(info, "lblRxy");
    lblRyz = ReadOutLabel(info, "lblRyz");
    lblRzx = ReadOutLabel(info, "lblRzx");
    poslblx = ReadOutLabel(info, "poslblx");
    poslbly = ReadOutLabel(info, "poslbly");
    infoLayout->addWidget(lblRxy, 0, 0);
    infoLayout->addWidget(lblRyz, 1, 0);
    infoLayout->addWidget(lblRzx, 2, 0);
    infoLayout->addWidget(poslblx, 0, 1);
    infoLayout->addWidget(poslbly, 1, 1);
    lower->addWidget(info);
    layout->addLayout(lower);
    paintRotationLabels();
    return column;
}

QLayout* OrientWindow::buildButtons() {
    TestBtn = Button("TestBtn", "Test", this);
    ReloadBtn = Button("ReloadBtn", "Reload", this);
    ApplyBtn = Button("ApplyBtn", "Apply", this);
    ImposeBtn = Button("BitBtn1", "Impose", this);
    ExitBtn = Button("BitBtn3", "Exit", this);
    HelpBtn = Button("BitBtn5", "Help", this);
    halvern::SetHelpContext(this, kind_.helpContext);
    connect(TestBtn, &QPushButton::clicked, this, halvern::GuardedSlot([this] { TestBtnClick(); }));
    connect(ReloadBtn, &QPushButton::clicked, this,
            halvern::GuardedSlot([this] { ReloadBtnClick(); }));
    connect(ApplyBtn, &QPushButton::clicked, this,
            halvern::GuardedSlot([this] { ApplyBtnClick(); }));
    connect(ImposeBtn, &QPushButton::clicked, this, halvern::GuardedSlot([this] { ImposeClick(); }));
    connect(ExitBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this, halvern::GuardedSlot([this] {
                halvern::ShowHelp(kHelpProgram, kind_.helpContext);
            }));
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {TestBtn, ReloadBtn, ApplyBtn, ImposeBtn}) row->addWidget(b);
    row->addStretch();
    for (QPushButton* b : {ExitBtn, HelpBtn}) row->addWidget(b);
    return row;
}

void OrientWindow::buildMenus(QLayout* layout) {
    auto* bar = new QMenuBar(this);
    QMenu* display = bar->addMenu(QStringLiteral("&Display"));
    display->setObjectName(QStringLiteral("Display1"));
    QAction* colours = display->addAction(QStringLiteral("&Background colour"));
    colours->setObjectName(QStringLiteral("Backgroundcolour1"));
    if (kind_.planeOnly) colours->setShortcut(Qt::Key_F2);
    connect(colours, &QAction::triggered, this,
            halvern::GuardedSlot([this] { BackgroundColourClick(); }));
    QAction* link = display->addAction(QStringLiteral("&Link file"));
    link->setObjectName(QStringLiteral("OpenIMPfile1"));
    connect(link, &QAction::triggered, this, halvern::GuardedSlot([this] { LinkFileClick(); }));
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    QAction* copy = edit->addAction(QStringLiteral("&Copy"));
    copy->setObjectName(QStringLiteral("Copy1"));
    connect(copy, &QAction::triggered, this, halvern::GuardedSlot([this] { CopyClick(); }));
    // Choosing the menu itself copies as well.
    connect(edit, &QMenu::aboutToShow, this, halvern::GuardedSlot([this] { CopyClick(); }));
    layout->setMenuBar(bar);
}

void OrientWindow::buildShortcuts() {
    // Alt and an arrow move the display as the move buttons do.
    const std::pair<int, int> keys[] = {{Qt::Key_Up, 0}, {Qt::Key_Down, 1},
                                        {Qt::Key_Right, 2}, {Qt::Key_Left, 3}};
    for (const auto& [key, button] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        QToolButton* target = moveButtons[static_cast<size_t>(button)];
        connect(shortcut, &QShortcut::activated, target, &QToolButton::click);
    }
}

// State -----------------------------------------------------------------------------------

bool OrientWindow::ChooseFile() {
    halvern::FileDialogSpec request = kind_.openDialog;
    const std::optional<std::string> chosen = halvern::UiFileChooser().openFile(this, request);
    if (!chosen) return false;
    if (!halvern::FileNameFits(*chosen)) {
        halvern::UiSink().error(halvern::FileNameTooLongText(*chosen));
        return false;
    }
    FileName = *chosen;
    return true;
}

void OrientWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    halvern::RunGuarded(halvern::UiSink(), [this] {
        Graph->resetOrigin();
        UpDown4->blockSignals(true);
        UpDown4->setValue(kind_.view.zoomStart);
        UpDown4->blockSignals(false);
        Graph->setZoom(kind_.view.zoomStart);
        LoadPoints();
        RefreshCutOptions();
        linkName_ = kind_.linkDialog.initialName;
        ImposeBtn->setEnabled(false);
    });
}

void OrientWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) ReleasePoints();
}

void OrientWindow::ReleasePoints() {
    Graph->points().clear();
    Graph->project();
}

void OrientWindow::LoadPoints() {
    poslblx->clear();
    poslbly->clear();
    TOrientPoints& points = Graph->points();
    if (!ReadPointFile(FileName, points)) halvern::UiSink().error("Error reading data from file.");
    RGDisplayType->setItemIndex(0);
    Graph->setPerspective(Perspective::XY);
    setCaption(points.count());
    rotation_ = {};
    paintRotationLabels();
    TestBtn->setEnabled(true);
    ApplyBtn->setEnabled(true);
}

void OrientWindow::ReloadBtnClick() {
    ReleasePoints();
    UpDown4->blockSignals(true);
    UpDown4->setValue(kind_.view.zoomStart);
    UpDown4->blockSignals(false);
    Graph->setZoom(kind_.view.zoomStart);
    LoadPoints();
}

void OrientWindow::setCaption(int32_t count) {
    setWindowTitle(CountCaption(*this, kind_, FileName, count));
}

void OrientWindow::paintRotationLabels() {
    lblRxy->setText(QString::fromStdString(RotationText("Rxy:", rotation_[0])));
    lblRyz->setText(QString::fromStdString(RotationText("Ryz:", rotation_[1])));
    lblRzx->setText(QString::fromStdString(RotationText("Rzx:", rotation_[2])));
}

void OrientWindow::RefreshCutOptions() {
    const auto cut = static_cast<CutType>(RGCutType->itemIndex());
    const bool xy = cut == CutType::Cartesian;
    const bool z = !kind_.planeOnly && cut != CutType::Spherical;
    const bool r = cut != CutType::Cartesian;
    const std::pair<OrientField, bool> states[] = {
        {OrientField::XLo, xy}, {OrientField::XHi, xy}, {OrientField::YLo, xy},
        {OrientField::YHi, xy}, {OrientField::ZLo, z},  {OrientField::ZHi, z},
        {OrientField::RLo, r},  {OrientField::RHi, r}};
    for (const auto& [f, enabled] : states) {
        field(f)->setEnabled(enabled);
        if (auto* label = qobject_cast<QWidget*>(field(f)->property("limitLabel").value<QObject*>()))
            label->setEnabled(enabled);
    }
}

void OrientWindow::showCursor(int x, int y) {
    poslblx->setText(Graph->readOutX(x));
    poslbly->setText(Graph->readOutY(y));
}

// Commands --------------------------------------------------------------------------------

bool OrientWindow::ReadOrientParams(TOrientReading& reading) {
    if (!halvern::ValidateNumericControls(this)) return false;
    TOrientTexts texts;
    for (size_t k = 0; k < kOrientFieldCount; ++k) texts[k] = halvern::CoreText(fields[k]->text());
    return velkor::ReadOrientParams(texts, static_cast<CutType>(RGCutType->itemIndex()), reading,
                                    halvern::UiSink());
}

void OrientWindow::StepRotation(RotationPlane plane, bool up) {
    const double step = up ? kDisplayStepRadians : -kDisplayStepRadians;
    const OrientField angles[] = {OrientField::AngXY, OrientField::AngYZ, OrientField::AngZX};
    const auto index = static_cast<size_t>(plane);
    for (size_t k = 0; k < 3; ++k)
        field(angles[k])->setText(k == index ? (up ? QStringLiteral("5") : QStringLiteral("-5"))
                                             : QStringLiteral("0.0"));
    rotation_[index] += step;
    StepDisplay(Graph->points(), plane, step);
    Graph->project();
    paintRotationLabels();
}

void OrientWindow::ApplyRotationClick() {
    TOrientReading reading;
    if (!ReadOrientParams(reading)) return;
    const double steps[] = {reading.angXY, reading.angYZ, reading.angZX};
    for (size_t k = 0; k < 3; ++k) rotation_[k] = WrapOnce(rotation_[k] + steps[k]);
    TurnDisplay(Graph->points(), reading.angXY, reading.angYZ, reading.angZX);
    Graph->project();
    paintRotationLabels();
}

void OrientWindow::TestBtnClick() {
    TOrientReading reading;
    if (!ReadOrientParams(reading)) return;
    const int32_t kept = TestOrientation(Graph->points(), reading.params);
    rotation_ = {};
    setCaption(kept);
    Graph->project();
    paintRotationLabels();
    TestBtn->setEnabled(false);
    ApplyBtn->setEnabled(false);
}

void OrientWindow::ApplyBtnClick() {
    TOrientReading reading;
    if (!ReadOrientParams(reading)) return;
    const std::optional<std::string> chosen =
        halvern::UiFileChooser().saveFile(this, kind_.saveDialog);
    if (!chosen) return;
    if (!halvern::FileNameFits(*chosen)) {
        halvern::UiSink().error(halvern::FileNameTooLongText(*chosen));
        return;
    }
    kind_.writer(FileName, *chosen, reading.params, halvern::UiSink());
    TestBtn->setEnabled(false);
}

bool OrientWindow::drawLinkedFile() {
    TOrientPoints linked;
    const bool read = ReadPointFile(linkName_, linked);
    Graph->repaintPoints();
    Graph->overlay(linked, kind_.overlay);
    return read;
}

void OrientWindow::LinkFileClick() {
    halvern::FileDialogSpec request = kind_.linkDialog;
    const std::optional<std::string> chosen = halvern::UiFileChooser().openFile(this, request);
    if (!chosen) return;
    linkName_ = *chosen;
    const bool read = drawLinkedFile();
    ImposeBtn->setEnabled(read);
    if (!read) halvern::UiSink().error("Error reading file: " + linkName_);
}

void OrientWindow::ImposeClick() {
    if (linkName_ == kind_.linkDialog.initialName) {
        const std::optional<std::string> chosen =
            halvern::UiFileChooser().openFile(this, kind_.linkDialog);
        if (!chosen) return;
        linkName_ = *chosen;
    }
    drawLinkedFile();
}

void OrientWindow::BackgroundColourClick() {
    Graph->toggleColours();
}

void OrientWindow::CopyClick() {
    Graph->copyToClipboard();
}

}  // namespace velkor
