#pragma once
// The "Series" page of the properties dialog: the graph's series listed from the top layer down,
// with their visibility, drawing order, name, style, line, symbols, colour, data and second axes.

#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace platform {
class TCheckListBox;
}

namespace plotui {

class TfmGraphProperties;
class TSeries;

class TSeriesPage : public QWidget {
public:
  TSeriesPage(TfmGraphProperties& dialog, QWidget* parent);

  // Lists the graph's series; false when there is none.
  bool Fill();
  // The controls follow the selected entries.
  void ShowSelection() { clSeriesClick(); }
  // The index of the only selected entry, else -1.
  int SelectedSeriesIndex() const;
  TSeries* EntrySeries(int index) const { return entries_.at(std::size_t(index)); }

  platform::TCheckListBox* clSeries;
  QPushButton* btnTop;
  QPushButton* btnUp;
  QPushButton* btnDown;
  QPushButton* btnBottom;
  QPushButton* btSeriesDelete;
  QGroupBox* gbSeriesProperties;
  QComboBox* cbSeriesStyle;
  QComboBox* cbSeriesLineStyle;
  QLineEdit* Edit1;  // line width
  QToolButton* sbTicknessUp;
  QToolButton* sbTicknessDn;
  QLineEdit* edSeriesName;
  QPushButton* btSeriesMarkers;
  QPushButton* btSeriesColor;
  QPushButton* btSeriesEditData;
  QPushButton* btAdd;
  QCheckBox* chbXAxis2;
  QCheckBox* chbYAxis2;

private:
  void Build();
  void Connect();
  void MarkAndApply();
  void RebuildList();
  std::vector<int> SelectedRows() const;
  std::vector<TSeries*> SelectedSeries() const;
  void UpdateLegendEntry(TSeries& series);
  void ShowLineControls(int style);
  void clSeriesClick();
  void ShowSelectionControls();
  void clSeriesClickCheck(int index);
  void Reorder(int how);  // 0 top, 1 up, 2 down, 3 bottom
  void btSeriesDeleteClick();
  void cbSeriesStyleChange(int item);
  void StepLineWidth(int delta);
  void btSeriesMarkersClick();
  void btSeriesColorClick();
  void btSeriesEditDataClick();
  void btAddClick();
  void SecondAxisClick(bool x, bool on);

  TfmGraphProperties& d_;
  std::vector<TSeries*> entries_;  // the series of each list entry
};

}  // namespace plotui
