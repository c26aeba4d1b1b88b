#include "InlForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "InputDialogParts.h"
#include "ItemRadioGroup.h"
#include "RangeCheck.h"
#include "ReadOnlyEdit.h"
#include "TargetDialogParts.h"
#include "UiSink.h"
#include "WindowCaption.h"
#include "inputfiles/InelasticFile.h"
#include "inputfiles/StoppingCoefficients.h"

namespace velkor {

namespace {

constexpr size_t kLss = 0, kOr = 1, kSt = 2;

QString Text(std::string_view text) {
    return halvern::DecodeText(text);
}

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The Lindhard coefficient in rich text, with the density for the LSS model.
QLabel* FormulaPicture(const char* name, bool lss, QWidget* parent) {
    const QString k = QStringLiteral(
        "8&pi;e<sup>2</sup>a<sub>0</sub>/v<sub>0</sub> &middot; Z<sub>1</sub><sup>7/6</sup> "
        "Z<sub>2</sub> / (Z<sub>1</sub><sup>2/3</sup> + Z<sub>2</sub><sup>2/3</sup>)"
        "<sup>3/2</sup>");
    auto* label = new QLabel(lss ? QStringLiteral("K(LSS) = ") + k + QStringLiteral(" &middot; N")
                                 : QStringLiteral("K(OR) = ") + k,
                             parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::RichText);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMargin(6);
    return label;
}

constexpr int kMinColumnWidth = 80;

// Every cell shows its whole number on one line: a column is widened to its longest text.
void FitColumns(QTableWidget* grid) {
    for (int c = 0; c < grid->columnCount(); ++c) {
        grid->resizeColumnToContents(c);
        if (grid->columnWidth(c) < kMinColumnWidth) grid->setColumnWidth(c, kMinColumnWidth);
    }
}

}  // namespace

TInlForm::TInlForm(TInelasticSpec& spec, QWidget* parent) : QDialog(parent), spec_(spec) {
    setObjectName(QStringLiteral("InlForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setUsesScrollButtons(false);  // all four tabs in view
    PageControl1->addTab(makeLssPage(), QStringLiteral("Lindhard-Scharff-Schiott"));
    PageControl1->addTab(makeOrPage(), QStringLiteral("Oen-Robinson"));
    PageControl1->addTab(makeStPage(), QStringLiteral("Shapiro-Tombrello"));
    PageControl1->addTab(makeComputePage(), QStringLiteral("Compute K(LSS), K(OR)"));
    // F1 outside the pages (on the tabs, OK or Cancel) shows the page in view.
    auto helpOfPage = [this](int index) {
        halvern::SetHelpContext(this, halvern::OwnHelpContext(PageControl1->widget(index)));
    };
    helpOfPage(PageControl1->currentIndex());
    connect(PageControl1, &QTabWidget::currentChanged, this, helpOfPage);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, halvern::GuardedSlot([this] {
                if (BitBtn1Click()) accept();
            }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            halvern::RunGuarded(halvern::UiSink(), [&] { sanitiseLeftTable(old, now); });
        });
}

TInlForm::~TInlForm() {
    disconnect(focusWatch_);
}

QWidget* TInlForm::makeTablePage(size_t index, InelasticTable& table, const char* addText,
                                 const char* clearText, const char* addName,
                                 const char* clearName) {
    auto* page = new QWidget;
    TablePage& p = Tables[index];
    p.table = &table;
    p.grid = new QTableWidget(page);
    p.grid->setObjectName(QStringLiteral("StringGrid%1").arg(index + 1));
    p.grid->setSelectionMode(QAbstractItemView::SingleSelection);
    p.grid->horizontalHeader()->setDefaultSectionSize(kMinColumnWidth);
    p.grid->setWordWrap(false);
    p.grid->setMinimumWidth(500);
    p.grid->setMinimumHeight(170);
    p.add = Button(addText, addName, page);
    p.clear = Button(clearText, clearName, page);
    connect(p.add, &QPushButton::clicked, this,
            halvern::GuardedSlot([this, index] { addRow(Tables[index]); }));
    connect(p.clear, &QPushButton::clicked, this,
            halvern::GuardedSlot([this, index] { clearRow(Tables[index]); }));
    connect(p.grid, &QTableWidget::cellChanged, this, [this, index](int row, int column) {
        halvern::RunGuarded(halvern::UiSink(), [&] { cellEdited(Tables[index], row, column); });
    });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(p.add);
    buttons->addWidget(p.clear);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(p.grid);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    return page;
}

QWidget* TInlForm::makeLssPage() {
    QWidget* page = makeTablePage(kLss, spec_.Lss, "Add atom", "Clear atom", "Button1", "Button2");
    SetHelpContext(page, kInelasticLssHelp);
    FloatEdit1 =
        MakeFloatEdit(page, "FloatEdit1", 0.0L, 1e10L, decltype(spec_.Threshold)::kWidth, "0.0");
    auto* form = new QFormLayout;
    form->addRow(PlainLabel(QStringLiteral("(Rows with Z=0 will be ignored at runtime)"), page));
    form->addRow(PlainLabel(QStringLiteral("K(LSS) in eV fs/A2"), page));
    form->addRow(QStringLiteral("Velocity threshold (m/s)"), FloatEdit1);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(form);
    return page;
}

QWidget* TInlForm::makeOrPage() {
    QWidget* page =
        makeTablePage(kOr, spec_.OenRobinson, "Add pair", "Clear pair", "Button3", "Button4");
    SetHelpContext(page, kInelasticOrHelp);
    FloatEdit2 =
        MakeFloatEdit(page, "FloatEdit2", 0.0L, 3.0L, decltype(spec_.MaxApsis)::kWidth, "1.5");
    FloatEdit3 =
        MakeFloatEdit(page, "FloatEdit3", 0.0L, 2.0L, decltype(spec_.Gamma)::kWidth, "0.3");
    auto* form = new QFormLayout;
    form->addRow(
        PlainLabel(QStringLiteral("(Rows with Z1.Z2=0 will be ignored at runtime)"), page));
    form->addRow(PlainLabel(QStringLiteral("K(OR) in eV A2"), page));
    form->addRow(QStringLiteral("Max. apsidal distance (0-2 A)"), FloatEdit2);
    form->addRow(QStringLiteral("Exponential parameter gamma"), FloatEdit3);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(form);
    return page;
}

QWidget* TInlForm::makeStPage() {
    QWidget* page =
        makeTablePage(kSt, spec_.ShapiroTombrello, "Add pair", "Clear pair", "Button5", "Button6");
    SetHelpContext(page, kInelasticStHelp);
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(
        PlainLabel(QStringLiteral("(Rows that have Z1.Z2 = 0 will be ignored at runtime)"), page));
    layout->addWidget(PlainLabel(QStringLiteral("Rcrit in A, dE in eV"), page));
    layout->addStretch();
    return page;
}

QWidget* TInlForm::makeComputePage() {
    auto* page = new QWidget;
    SetHelpContext(page, kInelasticComputeHelp);
    IntegerEdit1 = MakeIntegerEdit(page, "IntegerEdit1", 1, 99, 2, "18");
    FloatEdit4 = MakeFloatEdit(page, "FloatEdit4", 0.5L, 100.0L, 8, "29");
    FloatEdit5 = MakeFloatEdit(page, "FloatEdit5", 1e-06L, 999.0L, 10, "63.546");
    FloatEdit6 = MakeFloatEdit(page, "FloatEdit6", 1e-06L, 999.0L, 10, "8.933");
    RadioGroup1 =
        new halvern::RadioGroup(QStringLiteral("Energy loss model"),
                                {QStringLiteral("LSS model"), QStringLiteral("OR model")}, page);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    Permute = new QCheckBox(QStringLiteral("Permute Z1, Z2"), page);
    Permute->setObjectName(QStringLiteral("Permute"));
    Permute->setEnabled(false);
    Button7 = Button("K(LSS)", "Button7", page);
    Edit1 = new QLineEdit(page);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    halvern::MakeReadOnly(Edit1);
    Image1 = FormulaPicture("Image1", true, page);
    Image2 = FormulaPicture("Image2", false, page);
    Image2->setVisible(false);
    UnitsLabel = PlainLabel(QStringLiteral("units for K(LSS): eV fs/A2"), page);
    UnitsLabel->setObjectName(QStringLiteral("UnitsLabel"));
    FormulaLabel = PlainLabel(QStringLiteral(" -dE/dx = K(LSS)*v"), page);
    FormulaLabel->setObjectName(QStringLiteral("FormulaLabel"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Atomic number of fast atom (Z1)"), IntegerEdit1);
    form->addRow(QStringLiteral("Atomic number of stopping atoms (Z2)"), FloatEdit4);
    form->addRow(QStringLiteral("Atomic weight of stopping atoms (M2)"), FloatEdit5);
    form->addRow(QStringLiteral("Density of stopping atoms (g/cm3)"), FloatEdit6);
    auto* choice = new QVBoxLayout;
    choice->addWidget(RadioGroup1);
    choice->addWidget(Permute);
    choice->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addLayout(choice);
    auto* result = new QHBoxLayout;
    result->addWidget(Button7);
    result->addWidget(Edit1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(result);
    layout->addWidget(Image1);
    layout->addWidget(Image2);
    layout->addWidget(FormulaLabel);
    layout->addWidget(UnitsLabel);
    layout->addStretch();

    connect(RadioGroup1, &halvern::RadioGroup::itemClicked, this,
            halvern::GuardedSlot([this] { RadioGroup1Click(); }));
    connect(Permute, &QCheckBox::clicked, this, halvern::GuardedSlot([this] { Evaluate(); }));
    connect(Button7, &QPushButton::clicked, this, halvern::GuardedSlot([this] {
                if (halvern::ValidateNumericControls(PageControl1->widget(3))) Evaluate();
            }));
    return page;
}

void TInlForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setWindowTitle(FittedCaption(*this, QStringLiteral("Inelastic Losses: "), FileName));
    showRecord();
    Evaluate();
}

void TInlForm::showTable(const TablePage& page) {
    const InelasticTableLayout& layout = LayoutOf(page.table->kind);
    const QSignalBlocker block(page.grid);
    const int rows = static_cast<int>(page.table->rows.size());
    const int columns = static_cast<int>(layout.headings.size());
    page.grid->setColumnCount(columns);
    page.grid->setRowCount(rows);
    QStringList headings;
    for (const std::string& h : layout.headings) headings << Text(h);
    page.grid->setHorizontalHeaderLabels(headings);
    QStringList rowHeadings;
    for (int r = 0; r < rows; ++r)
        rowHeadings << Text(RowHeading(page.table->kind, static_cast<size_t>(r) + 1));
    page.grid->setVerticalHeaderLabels(rowHeadings);
    for (int r = 0; r < rows; ++r) {
        const std::vector<std::string>& cells = page.table->rows[static_cast<size_t>(r)];
        for (int c = 0; c < columns; ++c) {
            const size_t column = static_cast<size_t>(c);
            page.grid->setItem(
                r, c,
                new QTableWidgetItem(Text(column < cells.size() ? cells[column] : std::string())));
        }
    }
    FitColumns(page.grid);
    if (page.grid->currentRow() < 0 && rows > 0) page.grid->setCurrentCell(0, 0);
}

void TInlForm::showRecord() {
    for (TablePage& page : Tables) {
        showTable(page);
        page.clear->setEnabled(ClearEnabled(*page.table));
    }
    ShowField(FloatEdit1, spec_.Threshold);
    ShowField(FloatEdit2, spec_.MaxApsis);
    ShowField(FloatEdit3, spec_.Gamma);
}

void TInlForm::storeEdits() {
    spec_.Threshold = FieldText(FloatEdit1);
    spec_.MaxApsis = FieldText(FloatEdit2);
    spec_.Gamma = FieldText(FloatEdit3);
}

void TInlForm::addRow(TablePage& page) {
    page.add->setEnabled(AddRow(*page.table));
    page.clear->setEnabled(true);
    showTable(page);
}

void TInlForm::clearRow(TablePage& page) {
    if (!ClearEnabled(*page.table)) return;
    const int current = page.grid->currentRow();
    page.clear->setEnabled(ClearRow(*page.table, current < 0 ? 0 : static_cast<size_t>(current)));
    page.add->setEnabled(true);
    showTable(page);
}

void TInlForm::cellEdited(const TablePage& page, int row, int column) {
    const QTableWidgetItem* item = page.grid->item(row, column);
    if (item == nullptr || row < 0 || static_cast<size_t>(row) >= page.table->rows.size()) return;
    std::vector<std::string>& cells = page.table->rows[static_cast<size_t>(row)];
    if (static_cast<size_t>(column) >= cells.size()) cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = halvern::CoreText(item->text());
    FitColumns(page.grid);
}

// Leaving a table (not moving into its cell editor) replaces the cells that do not convert.
void TInlForm::sanitiseLeftTable(QWidget* old, QWidget* now) {
    for (TablePage& page : Tables) {
        auto inGrid = [&](QWidget* w) {
            return w != nullptr && (w == page.grid || page.grid->isAncestorOf(w));
        };
        if (!inGrid(old) || inGrid(now)) continue;
        SanitiseTable(*page.table);
        showTable(page);
    }
}

void TInlForm::RadioGroup1Click() {
    const bool lss = RadioGroup1->itemIndex() == 0;
    Image1->setVisible(lss);
    Image2->setVisible(!lss);
    FloatEdit5->setEnabled(lss);
    FloatEdit6->setEnabled(lss);
    Button7->setText(lss ? QStringLiteral("K(LSS)") : QStringLiteral("K(OR)"));
    UnitsLabel->setText(lss ? QStringLiteral("units for K(LSS): eV fs/A2")
                            : QStringLiteral("units for K(OR): eV A2"));
    FormulaLabel->setText(lss ? QStringLiteral(" -dE/dx = K(LSS)*v")
                              : QStringLiteral(" -dE = K(OR)*F(OR)*v"));
    Permute->setEnabled(!lss);
    Evaluate();
}

void TInlForm::Evaluate() {
    StoppingInput input{FieldText(IntegerEdit1),
                        FieldText(FloatEdit4),
                        FieldText(FloatEdit5),
                        FieldText(FloatEdit6),
                        RadioGroup1->itemIndex() == 0 ? LossModel::Lss : LossModel::OenRobinson,
                        Permute->isChecked()};
    const std::optional<std::string> k = velkor::Evaluate(input, halvern::UiSink());
    Edit1->setText(k ? Text(*k) : QString());
}

bool TInlForm::closeCheck() {
    const std::vector<std::string> messages = CheckInelasticTables(spec_);
    for (const std::string& message : messages) halvern::UiSink().info(message);
    return messages.empty();
}

void TInlForm::done(int result) {
    storeEdits();
    if (!closeCheck()) return;
    QDialog::done(result);
}

// The values are checked before a name is asked for; a failed write keeps the dialog open.
bool TInlForm::BitBtn1Click() {
    const struct {
        halvern::TFloatEdit* edit;
        int page;
    } singles[] = {{FloatEdit1, 0}, {FloatEdit2, 1}, {FloatEdit3, 1}};
    for (const auto& s : singles) {
        if (halvern::AcceptsRealText(FieldText(s.edit), s.edit->MinValue(), s.edit->MaxValue()))
            continue;
        PageControl1->setCurrentIndex(s.page);
        s.edit->validate();
        return false;
    }
    storeEdits();
    if (!closeCheck()) return false;
    const std::optional<std::string> name = AskSaveFileName(
        this, {"Save Inelastic File", "Inelastic parameters file|*.inl *.INL", FileName, "INL"});
    if (!name) return false;
    FileName = *name;
    return WriteInelasticFile(spec_, FileName, halvern::UiSink());
}

}  // namespace velkor
