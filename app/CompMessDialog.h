#pragma once
// "Complex Numbers": how complex numbers are written, shown when complex mode is switched on.

#include "platform/Form.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace app {

class TfmCompMess : public platform::Form {
 public:
  explicit TfmCompMess(QWidget* parent = nullptr);

  QPlainTextEdit* Memo1;
  QPushButton* Button1;
  QCheckBox* chShow;  // "Display this message every time"
};

}  // namespace app
