// TEmptyDlg, "Empty Data": which data caches to empty. The ticks stay for the next use.
#pragma once

#include <QDialog>
#include <array>

#include "grapher/OpenDisplay.h"

class QCheckBox;

namespace brisal {

class TEmptyDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TEmptyDlg(QWidget* parent = nullptr);

    halvern::EmptyDataTicks ticks() const;

    std::array<QCheckBox*, halvern::kCacheCount> CheckBoxes{};
};

}  // namespace brisal
