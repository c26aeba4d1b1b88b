#include "GrOpenForm.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ColourChoice.h"
#include "DialogButtons.h"
#include "DisplayText.h"
#include "FileChooser.h"
#include "FltCombo.h"
#include "FltEdit.h"
#include "GraphPainter.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "ItemRadioGroup.h"
#include "NumberText.h"
#include "NumericControl.h"
#include "NumericFields.h"
#include "UiSink.h"
#include "grapher/PenPreview.h"

namespace brisal {

using halvern::GuardedSlot;
namespace bounds = halvern::open_display;

// The preview panel: a click draws it again.
class PenPreviewBox : public QFrame {
  public:
    explicit PenPreviewBox(TGrOpenForm& form) : form_(form) {
        setObjectName(QStringLiteral("Panel1"));
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
        setMinimumHeight(64);
    }
    QImage image;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter(this).drawImage(contentsRect().topLeft(), image);
    }
    void mousePressEvent(QMouseEvent*) override {
        halvern::RunGuarded(halvern::UiSink(), [this] { form_.DrawPreview(); });
    }
    void resizeEvent(QResizeEvent*) override {
        halvern::RunGuarded(halvern::UiSink(), [this] { form_.DrawPreview(); });
    }

  private:
    TGrOpenForm& form_;
};

namespace {

halvern::TIntegerEdit* Field(const char* name, const char* text, halvern::IntBounds b) {
    halvern::TIntegerEdit* field = IntegerField(name, text, b.min, b.max);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 16);
    return field;
}

// The integer of a field, 0 when its text is none (the preview draws while the user types),
// held within the field's bounds.
int32_t PreviewValue(const QLineEdit& edit, halvern::IntBounds b) {
    int32_t value = 0;
    if (!halvern::ParseInt32(halvern::CoreText(edit.text()), value)) return 0;
    return std::clamp(value, b.min, b.max);
}

}  // namespace

TGrOpenForm::TGrOpenForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Open Display"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFileRow());
    layout->addWidget(buildStyleRow());

    CheckBox3 = new QCheckBox(QStringLiteral("Data file: Load new data from this file"));
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    CheckBox3->setChecked(true);
    connect(CheckBox3, &QCheckBox::toggled, this, [this](bool load) {
        Edit1->setEnabled(load);
        Button1->setEnabled(load);
    });
    OffsetEd = Field("OffsetEd", "0", bounds::kYOffset);
    CheckBox1 = new QCheckBox(QStringLiteral("Fit axes to these data"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    auto* options = new QHBoxLayout;
    options->addWidget(CheckBox3);
    options->addStretch();
    options->addWidget(BuddyLabel(QStringLiteral("Y-offset (px)"), OffsetEd));
    options->addWidget(OffsetEd);
    options->addWidget(CheckBox1);
    layout->addLayout(options);

    preview_ = new PenPreviewBox(*this);
    layout->addWidget(preview_);
    layout->addLayout(MakeDialogButtons(*this, kOpenDisplayHelp, [this] { OkClick(); }).row);
}

QWidget* TGrOpenForm::buildFileRow() {
    auto* row = new QWidget;
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    IdxEdit = new halvern::TIntegerComboBox;
    IdxEdit->setObjectName(QStringLiteral("IdxEdit"));
    for (int i = bounds::kCacheIndex.min; i <= bounds::kCacheIndex.max; ++i)
        IdxEdit->addItem(QString::number(i));
    IdxEdit->setMinValue(bounds::kCacheIndex.min);
    IdxEdit->setMaxValue(bounds::kCacheIndex.max);
    IdxEdit->setEditText(QStringLiteral("1"));
    Edit1 = new QLineEdit(QStringLiteral("*.dat"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(260);
    Button1 = new QPushButton(QStringLiteral("&Browse"));
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, GuardedSlot([this] { Button1Click(); }));
    XColEdit = Field("XColEdit", "1", bounds::kXColumn);
    YColEdit = Field("YColEdit", "2", bounds::kYColumn);

    grid->addWidget(BuddyLabel(QStringLiteral("&Index"), IdxEdit), 0, 0);
    grid->addWidget(IdxEdit, 1, 0);
    grid->addWidget(BuddyLabel(QStringLiteral("Data &file"), Edit1), 0, 1);
    grid->addWidget(Edit1, 1, 1);
    grid->addWidget(Button1, 1, 2);
    auto* columns = new QGroupBox(QStringLiteral("Data columns"));
    auto* c = new QHBoxLayout(columns);
    c->addWidget(BuddyLabel(QStringLiteral("&x"), XColEdit));
    c->addWidget(XColEdit);
    c->addWidget(BuddyLabel(QStringLiteral("&y"), YColEdit));
    c->addWidget(YColEdit);
    grid->addWidget(columns, 0, 3, 2, 1);
    return row;
}

QWidget* TGrOpenForm::buildStyleRow() {
    auto* row = new QWidget;
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    RadioGroup1 = new halvern::RadioGroup(
        QStringLiteral("Pen style"),
        {QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"),
         QStringLiteral("None")});
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    RadioGroup2 = new halvern::RadioGroup(QStringLiteral("Symbols"),
                                          {QStringLiteral("Squares"), QStringLiteral("Circles")});
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    RadioGroup2->setItemIndex(0);
    for (halvern::RadioGroup* group : {RadioGroup1, RadioGroup2})
        connect(group, &halvern::RadioGroup::itemClicked, this,
                GuardedSlot([this] { DrawPreview(); }));

    Button2 = new QPushButton(QStringLiteral("Pen colour.."));
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button2, &QPushButton::clicked, this, GuardedSlot([this] { Button2Click(); }));
    WidthEdit = Field("WidthEdit", "1", bounds::kPenWidth);
    CheckBox2 = new QCheckBox(QStringLiteral("Plot symbols"));
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    connect(CheckBox2, &QCheckBox::clicked, this, GuardedSlot([this] { DrawPreview(); }));
    SymEdit = Field("SymEdit", "2", bounds::kSymbolSize);
    for (QLineEdit* edit : {static_cast<QLineEdit*>(WidthEdit), static_cast<QLineEdit*>(SymEdit)})
        connect(edit, &QLineEdit::textEdited, this, GuardedSlot([this] { DrawPreview(); }));

    auto* pen = new QGridLayout;
    pen->addWidget(Button2, 0, 0, 1, 2);
    pen->addWidget(BuddyLabel(QStringLiteral("Pen &Width"), WidthEdit), 1, 0);
    pen->addWidget(WidthEdit, 1, 1);
    pen->addWidget(CheckBox2, 2, 0, 1, 2);
    pen->addWidget(BuddyLabel(QStringLiteral("Symbol si&ze"), SymEdit), 3, 0);
    pen->addWidget(SymEdit, 3, 1);
    h->addWidget(RadioGroup1);
    h->addLayout(pen);
    h->addWidget(RadioGroup2);
    h->addStretch();
    return row;
}

halvern::OpenDisplayValues TGrOpenForm::values() const {
    halvern::OpenDisplayValues v;
    v.fileName = halvern::CoreText(Edit1->text());
    v.xColumn = IntegerValue(*XColEdit);
    v.yColumn = IntegerValue(*YColEdit);
    v.penStyle = static_cast<halvern::PenStyle>(std::max(RadioGroup1->itemIndex(), 0));
    v.penColour = colour_;
    v.penWidth = IntegerValue(*WidthEdit);
    v.symbolsOn = CheckBox2->isChecked();
    v.symbolSize = IntegerValue(*SymEdit);
    v.shape = RadioGroup2->itemIndex() == 1 ? halvern::SymbolShape::Circles
                                            : halvern::SymbolShape::Squares;
    v.loadFile = CheckBox3->isChecked();
    v.yOffset = IntegerValue(*OffsetEd);
    v.fitAxes = CheckBox1->isChecked();
    return v;
}

std::string TGrOpenForm::indexText() const {
    return halvern::CoreText(IdxEdit->currentText());
}

void TGrOpenForm::setIndexText(const QString& text) {
    IdxEdit->setEditText(text);
}

void TGrOpenForm::showCache(const halvern::DataCache& cache) {
    Edit1->setText(halvern::DecodeText(cache.fileName));
    CheckBox2->setChecked(cache.symbolsOn);
}

void TGrOpenForm::Button1Click() {
    const auto chosen = halvern::UiFileChooser().openFile(
        this, {"Open Data File", "Data file|*.dat|Any file|*.*", "*.dat", "dat"});
    if (chosen) Edit1->setText(halvern::DecodeText(*chosen));
}

void TGrOpenForm::Button2Click() {
    if (ChooseColour(this, colour_)) DrawPreview();
}

void TGrOpenForm::OkClick() {
    if (!halvern::ValidateNumericControls(this)) return;
    const std::string name = halvern::CoreText(Edit1->text());
    if (CheckBox3->isChecked() && !halvern::DataFileFound(name)) {
        halvern::UiSink().error(halvern::DataFileNotFoundText(name));
        Edit1->setFocus();
        return;
    }
    accept();
}

void TGrOpenForm::DrawPreview() {
    const QRect box = preview_->contentsRect();
    const halvern::PenSpec pen{colour_, PreviewValue(*WidthEdit, bounds::kPenWidth),
                               static_cast<halvern::PenStyle>(std::max(RadioGroup1->itemIndex(), 0))};
    preview_->image = PaintDisplayList(halvern::PenPreview(box.width(), box.height(), pen,
                                                           CheckBox2->isChecked(),
                                                           PreviewValue(*SymEdit, bounds::kSymbolSize),
                                                           RadioGroup2->itemIndex() != 1));
    preview_->update();
}

const QImage& TGrOpenForm::preview() const {
    return preview_->image;
}

void TGrOpenForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    halvern::RunGuarded(halvern::UiSink(), [this] { DrawPreview(); });
}

}  // namespace brisal
