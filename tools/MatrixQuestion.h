#pragma once
// The matrix calculator's question dialog: one expression asked for r*A, Power(A,n) or f(A). A long-lived
// window, shown modally for each question; the engine's expression text is given back on every exit.

#include "engine/Extended.h"
#include "platform/Form.h"

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tools {

class TfmMult : public platform::Form {
public:
  explicit TfmMult(QWidget* parent = nullptr);

  // Each asks until the entry evaluates (as its question wants) or the user cancels; true on OK.
  bool AskReal(engine::Extended& x);
  bool AskInteger(int& n);
  bool AskFunction(std::string& f);

  QLabel* Label1;  // "Expession", in red
  QLineEdit* Edit1;
  QPushButton* btOK;
  QPushButton* btCancel;
  QPushButton* btHelp;

  static constexpr int HelpContext = 3;

private:
  // Shows the dialog with a caption and a text; false on Cancel, else text holds the entry.
  bool Ask(const QString& caption, QString& text);
};

}  // namespace tools
