#include "EmptyDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "HelpContexts.h"

namespace brisal {

TEmptyDlg::TEmptyDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Empty Data"));
    auto* group = new QGroupBox(QStringLiteral("Data caches to empty"));
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < halvern::kCacheCount; ++i) {
        auto* box = new QCheckBox(QString::number(i + 1));
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        grid->addWidget(box, i % 5, i / 5);
        CheckBoxes[static_cast<size_t>(i)] = box;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(MakeDialogButtons(*this, kEmptyDataHelp).row);
}

halvern::EmptyDataTicks TEmptyDlg::ticks() const {
    halvern::EmptyDataTicks ticks{};
    for (size_t i = 0; i < ticks.size(); ++i) ticks[i] = CheckBoxes[i]->isChecked();
    return ticks;
}

}  // namespace brisal
