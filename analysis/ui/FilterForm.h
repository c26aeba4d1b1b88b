// TFilterForm, "Filter": the query expression, a logical expression of the filter language, and
// the record files it filters from and to.
#pragma once

#include "ProcessCommands.h"
#include "ProcessDialog.h"

namespace brisal {

class ExpressionCombo;
class TGenius2Form;

class TFilterForm : public TProcessDialog {
    Q_OBJECT
  public:
    explicit TFilterForm(QWidget* parent = nullptr);
    void setFilterGenius(TGenius2Form& genius) { genius_ = &genius; }

    FilterInputs inputs() const;
    // "&Genius...": the Filter Genius's result replaces the query expression.
    void BitBtn4Click() override;

    ExpressionCombo* VarBox = nullptr;

  protected:
    std::string proposedDestination(const std::string& source) const override;

  private:
    TGenius2Form* genius_ = nullptr;
};

}  // namespace brisal
