// TConvertForm, "Convert": the source record file and the text file it is converted to.
#pragma once

#include "ProcessCommands.h"
#include "ProcessDialog.h"

namespace brisal {

class TConvertForm : public TProcessDialog {
    Q_OBJECT
  public:
    explicit TConvertForm(QWidget* parent = nullptr);

    ConvertInputs inputs() const;
};

}  // namespace brisal
