#pragma once
// "Links Fields": links each required column to one of the input fields by name.

#include "platform/Form.h"

#include <QStringList>
#include <vector>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace plotui {

class TfmFields : public platform::Form {
public:
  TfmFields(const QStringList& required, const QStringList& input, QWidget* parent = nullptr);
  ~TfmFields() override;

  // The input field (index, -1 none) linked to each required field.
  const std::vector<int>& Links() const { return links_; }
  void BitBtn1Click();

  QListWidget* lbRecFields;
  QListWidget* lbInputFields;
  QPlainTextEdit* Memo;
  QPushButton* BitBtn1;  // links the selected fields
  QPushButton* btOk;
  QPushButton* btCancel;

private:
  std::vector<int> links_;
  QStringList memoLines_;
};

}  // namespace plotui
