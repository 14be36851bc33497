#pragma once
// The find and replace dialog of the "Eval it" page: the text to find (its list keeps the texts
// searched for), the replacement, case and whole-word options and the direction; the answer is a set of
// editor search options.

#include "controls/editor/EditorCore.h"
#include "platform/Form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace platform {
class RadioGroup;
}

namespace app {

class TfrmFindReplace : public platform::Form {
 public:
  static constexpr controls::TEditorSearchOptions kFind = 0;
  static constexpr controls::TEditorSearchOptions kReplace = 4;

  explicit TfrmFindReplace(QWidget* parent = nullptr);

  // Shows the dialog for option (kFind or kReplace) with text to find; true when closed with "&Ok" or
  // "Replace &All". Options() then holds the search options chosen.
  bool Execute(controls::TEditorSearchOptions option, const QString& text);
  controls::TEditorSearchOptions Options() const { return options_; }

  QLabel* lbFind;
  QComboBox* cmbFind;
  QLabel* lbReplace;
  QComboBox* cmbReplace;
  QCheckBox* chbCaseSensitive;
  QCheckBox* chbWholeWords;
  platform::RadioGroup* grbDirections;
  QPushButton* btOk;
  QPushButton* btReplaceAll;
  QPushButton* btCancel;

 private:
  void OkClick();
  void ReplaceAllClick();
  void ShowReplaceControls(bool show);

  QVBoxLayout* layout_;
  controls::TEditorSearchOptions options_ = 0;
};

}  // namespace app
