#pragma once
// "Properties": the modal property dialog of a plot. Its pages show and change the plot's settings;
// a change is painted at once with "Live update" on, else on "Apply" or "Close".

#include "platform/Form.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace platform {
class TPageControl;
class TTabSheet;
}  // namespace platform

namespace plot {
class TGraph;
class TIntValidate;
class TRealValidate;
}  // namespace plot

namespace plotui {

class TPlot;
class TPropertiesValidators;
class TSettingsPage;
class TAxisPage;
class TTitlesPage;
class TSeriesPage;
class TLegendsPage;
class TColorMapPage;

class TfmGraphProperties : public platform::Form {
public:
  explicit TfmGraphProperties(QWidget* parent = nullptr);
  ~TfmGraphProperties() override;

  // Fills every page from the plot and its graph and runs the dialog.
  void Execute(TPlot& plot, plot::TGraph& graph);

  // The change machinery.
  void MarkChanged();
  void ApplyIfLive();
  bool LiveUpdate() const;
  void btApplyClick();
  void btCloseClick();
  void cbAutoApplyClick();
  void btHelpClick();

  // Enter and leaving of an edit run these (the Enter key itself goes nowhere else).
  void OnEnter(QWidget* edit, std::function<void()> action) { enterActions_[edit] = std::move(action); }
  void OnExit(QWidget* edit, std::function<void()> action) { exitActions_[edit] = std::move(action); }

  plot::TRealValidate* RealValidator(const QLineEdit* edit) const;
  plot::TIntValidate* IntValidator(const QLineEdit* edit) const;

  TPlot* Plot = nullptr;
  plot::TGraph* Graph = nullptr;
  bool Filling = false;
  bool Changed = false;
  bool SeriesOrderDisabled = false;
  bool SeriesStyleDisabled = false;  // the series style list stays disabled

  platform::TPageControl* pcProperties;
  platform::TTabSheet* tsAxis;
  platform::TTabSheet* tsTitles;
  platform::TTabSheet* tsSeries;
  platform::TTabSheet* tsLegends;
  platform::TTabSheet* tsColorMap;
  platform::TTabSheet* tsOperations;
  platform::TTabSheet* tsSettings;
  platform::TTabSheet* tsContour;
  platform::TTabSheet* tsAxis2;
  platform::TTabSheet* tsInfo;
  QPushButton* btClose;
  QCheckBox* cbAutoApply;
  QPushButton* btApply;
  QPushButton* btHelp;

  // The pages (children of their sheets).
  TSettingsPage* Settings;
  TAxisPage* Axes;
  TTitlesPage* Titles;
  TSeriesPage* SeriesPage = nullptr;
  TLegendsPage* Legends = nullptr;
  TColorMapPage* ColorMap = nullptr;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  void WatchEdits();

  std::unique_ptr<TPropertiesValidators> validators_;
  std::map<QWidget*, std::function<void()>> enterActions_;
  std::map<QWidget*, std::function<void()>> exitActions_;
};

}  // namespace plotui
