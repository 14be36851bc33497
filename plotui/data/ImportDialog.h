#pragma once
// "Paste Series from Clipboard": one series' points as a grid of X and Y texts, filled by typing,
// from the clipboard (as it is or by field names) or from the columns of a text file, with the
// series' name, style, line style, width, colour and symbol. OK builds the series from the rows.

#include "plotui/data/ImportText.h"

#include "plotui/series/GraphData.h"

#include "platform/CommonDialogs.h"
#include "platform/Form.h"

#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace plot {
class TGraph;
}

namespace platform {
class TMainMenu;
class TMenuItem;
class TPopupMenu;
class TSpeedButton;
class TStringGrid;
class TToolBar;
class UpDown;
}  // namespace platform

namespace plotui {

class TSeries;

class TfmGraphImport : public platform::Form {
public:
  explicit TfmGraphImport(QWidget* parent = nullptr);
  ~TfmGraphImport() override;

  // Edits the series, or a new one when series is null (added to the graph on OK); true on OK.
  bool EditSeries(plot::TGraph& graph, TSeries* series);

  // Commands.
  void PasteAsIs();
  void PasteByFieldNames();
  void OpenTextFile();
  void InsertRow();
  void DeleteRow();
  void EraseAll();
  void EraseColumn();
  void SymbolsClick();
  void ColorClick();
  void OkClick();

  // The grid's texts as the window keeps them (the view's edits taken in).
  const TImportGrid& Grid();

  std::unique_ptr<platform::TMainMenu> MainMenu;
  std::unique_ptr<platform::TPopupMenu> GridMenu;
  platform::TToolBar* ToolBar;
  platform::TSpeedButton* sbPaste;
  platform::TSpeedButton* sbPasteFields;
  platform::TSpeedButton* sbOpen;
  QLineEdit* edXHeader;
  QLineEdit* edYHeader;
  platform::TStringGrid* sgMain;
  QGroupBox* gbSeries;
  QLineEdit* edSeriesName;
  QComboBox* cbSeriesStyle;
  QComboBox* cbSeriesLineStyle;
  QLineEdit* edLineWidth;
  platform::UpDown* udLineWidth;
  QCheckBox* chShowInLegend;
  QPushButton* btSymbols;
  QPushButton* btColor;
  QPushButton* BitBtn1;  // OK
  QPushButton* btCancel;
  platform::TColorDialog ColorDialog;

private:
  void BuildMenus();
  void UpdatePasteCommands();
  void NameChange();
  void TakeGrid();
  void ShowGrid();
  // The series' records from rows that still show them, the others as new points.
  void RebuildPoints(const TGridPoints& points);

  plot::TGraph* graph_ = nullptr;
  TSeries* series_ = nullptr;
  std::unique_ptr<TSeries> newSeries_;
  TImportGrid grid_;
  // The series' records as they were when the window opened.
  std::vector<TGraphData> records_;
  std::vector<plot::TFloatPoint> points_;
};

// The style codes of the style list's items.
inline constexpr int kImportStyles[] = {1, 2, 3, 7, 8, 10};

}  // namespace plotui
