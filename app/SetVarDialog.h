#pragma once
// "Set variable": asks the user for the value of a variable that has none, as an expression.

#include "platform/Form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class TSetVar : public platform::Form {
 public:
  explicit TSetVar(QWidget* parent = nullptr);

  // Runs the dialog for variable i (1..12); true when it ended with OK and the variable has its value.
  bool Ask(int i);

  QLineEdit* Edit1;  // the expression
  QLineEdit* Edit2;  // the value, or the error of the expression
  QLabel* lbValue;
  QLabel* lbExp;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* HelpBtn;
  QCheckBox* cbEval;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OKBtnClick();
  void HelpBtnClick();
  void ShowValueText(const QString& text, bool error);

  int variable_ = 1;
};

}  // namespace app
