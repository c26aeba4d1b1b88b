// TGenius2Form, the Filter Genius: builds a logical expression of the filter language term by
// term from a parameter, a relation and a test value, joined by logical operators.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace halvern {
class TFloatEdit;
class TIntegerEdit;
}  // namespace halvern

namespace halvern {
class RadioGroup;
}  // namespace halvern

namespace brisal {

class TGenius2Form : public QDialog {
    Q_OBJECT
  public:
    explicit TGenius2Form(QWidget* parent = nullptr);

    std::string result() const;

    // A parameter picked: the real test value for items 0 to 8, the integer one for 9 and 10.
    void ParamGroupClick(int index);
    // "Paste logical expression".
    void BitBtn1Click();
    // "Paste logical operator".
    void LogicBtnClick();
    // "&Clear".
    void BitBtn2Click();

    halvern::RadioGroup* ParamGroup = nullptr;
    halvern::RadioGroup* RelationGroup = nullptr;
    halvern::RadioGroup* LogicGroup = nullptr;
    halvern::TFloatEdit* FloatEdit1 = nullptr;
    halvern::TIntegerEdit* IntegerEdit1 = nullptr;
    QLabel* FloatLbl = nullptr;
    QLabel* IntLbl = nullptr;
    QLineEdit* Result1 = nullptr;
    QPushButton* LogicBtn = nullptr;
    QPushButton* OkBtn = nullptr;

  private:
    void setJoinEnabled(bool enabled);
};

}  // namespace brisal
