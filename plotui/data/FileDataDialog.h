#pragma once
// "Show data": a text file's lines, the X and Y columns to take from them and the delimiters that
// separate the columns.

#include "plot/support/GraphValidates.h"

#include "platform/Form.h"

#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace plotui {

struct TDelimiterTable;

class TfmFileData : public platform::Form {
public:
  explicit TfmFileData(const std::vector<std::string>& lines, QWidget* parent = nullptr);
  ~TfmFileData() override;

  // After OK: the delimiters chosen written into table; false (after the message) when a column is
  // undefined or the user delimiters are too many.
  bool TakeChoices(TDelimiterTable& table, int& xColumn, int& yColumn);

  QListView* Memo;  // the file's lines
  QLineEdit* edXColumn;
  QLineEdit* edYColumn;
  QCheckBox* chSpace;
  QCheckBox* chComma;
  QCheckBox* chTab;
  QCheckBox* chSlash;
  QCheckBox* chNull;
  QCheckBox* chUser;
  QLineEdit* edUser;
  QPushButton* btOk;
  QPushButton* btCancel;

private:
  void btOkClick();

  QStringListModel* lines_;
  std::unique_ptr<plot::TIntValidate> xValidate_, yValidate_;
};

}  // namespace plotui
