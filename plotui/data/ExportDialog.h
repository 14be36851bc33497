#pragma once
// "Export": the points of the series chosen as lines of text, previewed at every change of the
// options and copied to a text file or the clipboard exactly as previewed.

#include "plotui/data/ExportText.h"

#include "platform/Form.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace platform {
class RadioGroup;
}

namespace plotui {

class TPlot;

class TfmExports : public platform::Form {
public:
  explicit TfmExports(QWidget* parent = nullptr);
  ~TfmExports() override;

  // Lists the plot's series (the last layer first) and runs the window.
  void Execute(TPlot& plot);
  void BuildPreview();
  // The options as the controls show them.
  TExportOptions Options() const;

  QListWidget* clSeries;
  QLineEdit* edXColumn;
  QLineEdit* edYColumn;
  QCheckBox* chName;
  QCheckBox* chTitle;
  QCheckBox* chXAxis;
  QCheckBox* chYAxis;
  QCheckBox* chFoot;
  QCheckBox* cbClearClipBoard;
  platform::RadioGroup* rgDelimiters;
  QLineEdit* edUserDefine;
  QListWidget* Memo1;  // the preview
  QPushButton* btFile;
  QPushButton* btClipboard;
  QPushButton* btClose;

private:
  void rgDelimitersClick();
  void edUserDefineExit();
  void btFileClick();
  void btClipboardClick();
  QStringList PreviewLines() const;

  TPlot* plot_ = nullptr;
  bool building_ = false;
};

}  // namespace plotui
