#pragma once
// The polar plot window: one chart that collects a polar series per plot, under a tool bar and six
// view bars (rotation, elevation, zoom, offsets, tilt), with toggles for the grids, the legend and the
// 3-D view, the print preview, pictures and copies. Created once; closing only hides it.

#include "chart/panel/Chart.h"

#include "platform/FileDialogs.h"
#include "platform/Form.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QScrollBar;
class QWidget;

namespace chart {
class TPolarSeries;
}

namespace platform {
class TMainMenu;
class TMenuItem;
class TPopupMenu;
class TSpeedButton;
class TToolBar;
}  // namespace platform

namespace tools {

using TPolarChart = chart::TChart;

class TPolarForm : public platform::Form {
public:
  explicit TPolarForm(QWidget* parent = nullptr);
  ~TPolarForm() override;

  TPolarChart* Chart1;
  bool Shown = false;             // set at the first showing
  std::function<void()> OnShown;  // the owner enables its show-plots commands

  // Tool bar; the hidden partners release the visible button of their group.
  platform::TToolBar* Panel3;
  platform::TSpeedButton* sbPrint;
  platform::TSpeedButton* sbSaveAs;
  platform::TSpeedButton* sbProp;
  platform::TSpeedButton* sbLegend;
  platform::TSpeedButton* sbGrid;
  platform::TSpeedButton* sbL1;
  platform::TSpeedButton* sbG1;
  platform::TSpeedButton* sbW1;
  // View bars, each driving one setting of the chart's 3-D view.
  QWidget* Panel2;
  QScrollBar* sbRot;
  QScrollBar* scbElev;
  QScrollBar* scbZoom;
  QScrollBar* scbHoriz;
  QScrollBar* scbVert;
  QScrollBar* scbTilt;
  std::unique_ptr<platform::TMainMenu> MainMenu1;
  std::unique_ptr<platform::TPopupMenu> PopupMenu1;
  platform::TSaveDialog SD;

  // The launcher's part: a new series joins the chart (the window keeps it), the title is set.
  chart::TPolarSeries& AddSeries(std::unique_ptr<chart::TPolarSeries> series);
  std::vector<const chart::TPolarSeries*> PolarSeries() const;
  void SetTitle(const QString& text);
  QString Title() const;

  // Commands.
  void miView3DClick();
  void miGridClick();
  void miShowLegendClick();
  void SaveAs1Click();
  void Print1Click();
  void CopytoClipboardasBitmap1Click();
  void CopytoClipboardasMetafile1Click();
  void Exit1Click() { close(); }

  // A menu item by name, of the main menu or the popup.
  platform::TMenuItem& MenuItem(const QString& name) const;

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildToolBar();
  void BuildViewBars();
  void BuildMenus();
  void SetChartLayout();
  QScrollBar* AddViewBar(const char* name, const QString& caption, int minimum, int maximum, int position,
                         void (chart::TView3DOptions::*set)(int));
  void CheckItems(const char* mainItem, const char* popupItem, bool on);
  bool GridsVisible() const;
  bool LegendVisible() const;

  std::vector<std::unique_ptr<chart::TPolarSeries>> series_;  // leave the chart before it goes
  std::vector<QLabel*> viewLabels_;
};

}  // namespace tools
