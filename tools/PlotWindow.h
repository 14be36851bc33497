#pragma once
// Base of the plot windows: a plot component under a tool bar of flat buttons, created once and only
// shown and hidden. Closing keeps the window's bounds and the plot's settings in the settings file.
// The commands shared by the windows (zoom, grids, legend, 3-D view, picture and clipboard) live here.

#include "plotui/Plot.h"

#include "platform/Form.h"
#include "platform/ToolBar.h"

#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace tools {

// Where a window keeps its bounds (the owner's settings file, a section named after the window).
struct TFormPlacement {
  std::function<void(QWidget&)> Load;
  std::function<void(const QWidget&)> Save;
};

class TPlotWindow : public platform::Form {
public:
  // name: the window's name (its settings section); the plot is named "Chart".
  TPlotWindow(const QString& name, QString settingsFile, TFormPlacement placement, QWidget* parent);
  ~TPlotWindow() override;

  plotui::TPlot* Chart;
  bool Shown = false;             // set at the first showing
  std::function<void()> OnShown;  // the owner enables its show-plots commands

  // Tool bar, from the left.
  platform::TToolBar* ToolBar;
  platform::TSpeedButton* sbPrint;
  platform::TSpeedButton* sbSaveAs;
  platform::TSpeedButton* sbZoomIn;
  platform::TSpeedButton* sbZoomAnime;
  platform::TSpeedButton* sbZoomPrev;
  platform::TSpeedButton* sbZoomOut;
  platform::TSpeedButton* sbProp;
  platform::TSpeedButton* sbLegend;
  platform::TSpeedButton* sbVertGrid;
  platform::TSpeedButton* sbHorizGrid;
  platform::TSpeedButton* sb3D;
  platform::TSpeedButton* sbCopyToClipboard;
  platform::TSpeedButton* sbExport;
  platform::TSpeedButton* sbImport;
  platform::TSpeedButton* sbAnnotate;
  // Menu items the commands keep in step.
  QAction* miShowLegend = nullptr;
  QAction* miZoomIn = nullptr;
  QAction* miZoomOut = nullptr;
  QAction* miAnimationZoom = nullptr;
  QAction* miZoomPrev = nullptr;
  QAction* miUndo = nullptr;  // takes back the last point or series edit made with the mouse

  // Commands.
  void sbSaveAsClick();
  void sbZoomInClick();
  void sbZoomAnimeClick();
  void sbZoomPrevClick();
  void sbZoomOutClick();
  virtual void sbShowLegendClick();
  virtual void sbVertGridClick();
  virtual void sbHorizGridClick();
  void sb3DClick();
  void sbCopyToClipboardClick();
  void exit1Click() { close(); }

  // The frame width the 3-D view keeps while it is on.
  int SavedFrameWidth() const { return savedFrameWidth_; }

protected:
  // Bounds from the settings file, then the plot's settings; run once the window is built.
  void FormCreate();
  bool CloseQuery() override;
  void showEvent(QShowEvent* event) override;

  // A flat button with its picture and hint; without a command it is shown disabled.
  platform::TSpeedButton* AddToolButton(const char* name, const QString& hint, const std::function<void()>& run);
  // Adds an item running a button's command (also while the button itself is disabled); the item of
  // a command that is not available yet is disabled.
  QAction* AddItem(QMenu& menu, const QString& caption, platform::TSpeedButton* runs);
  void AddToolSeparator();
  // "&Show Legend" (checked), a separator and the four zoom items.
  void AddLegendAndZoomItems(QMenu& view);
  // "&Undo" (Ctrl+Z), enabled while the graph holds something to undo.
  void AddUndoItem(QMenu& edit);
  void SetLayoutValues();
  QMenuBar* MenuBar;

private:
  void EnableZoomControls(bool enabled);
  void LoadSavedFrameWidth();

  QString settingsFile_;
  TFormPlacement placement_;
  int savedFrameWidth_;
};

}  // namespace tools
