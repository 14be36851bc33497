#pragma once
// The plot component: a panel holding a graph, the picture it paints into, a status bar for the
// pointer position and the painting state, and a strip with a scroll bar for a series legend that
// does not fit. It publishes the graph's settings (partly through property objects), keeps them in
// one section of the program's settings file, and offers the commands of the plot windows.

#include "plotui/PlotCursors.h"
#include "plotui/PlotImage.h"
#include "plotui/properties/PlotProperties.h"
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"

#include "platform/CustomControl.h"
#include "platform/DragDrop.h"
#include "platform/ScrollStrip.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <memory>

namespace plotui {

// Switches restricting the properties dialog for one plot; all off at creation.
struct TPlotProperties {
  bool DisabledAxis2Tab = false;
  bool DisabledAxisTab = false;
  bool Disabled3D = false;
  bool DisabledDerivative = false;
  bool DisabledXAxisLog = false;
  bool DisabledYAxisLog = false;
  bool DisabledXAxisInvert = false;
  bool DisabledYAxisInvert = false;
  bool DisabledXAxis2Log = false;
  bool DisabledYAxis2Log = false;
  bool DisabledXAxis2Invert = false;
  bool DisabledYAxis2Invert = false;
  bool DisabledSeriesStyle = false;
  bool DisabledOperationsTab = false;
  bool DisabledInfoTab = false;
  bool DisabledInfoShow = false;
  bool DisabledSeriesOrder = false;
  bool DisabledZoom = false;
  bool DisabledPicture = false;
  bool DisabledBarStyle = false;
};


class TPlot : public platform::CustomControl, public plot::TPlotHost, public plot::TGraphStatusBar {
public:
  explicit TPlot(QWidget* parent = nullptr);
  ~TPlot() override;

  // Commands.
  // Paints the graph now; nothing while the plot is hidden.
  void Redraw();
  void Clear() { Graph->Clear(); }
  int AddLayer(std::unique_ptr<plot::TLayer> layer) { return Graph->AddLayer(std::move(layer)); }
  // A default series colour no layer has; -1 when none is left.
  platform::TColor GetFreeColor() const;
  void ZoomIn();
  void AnimatedZoomIn();
  // One step back; false when no step is left afterwards or there was none.
  bool ZoomOut();
  void ZoomReset();
  // Asks for a file and saves the picture as BMP, WMF or EMF.
  void SavePictureAs() override;
  // Raise EFileError "Can't create file " and the path when the file can't be written.
  void SaveBitmap(const QString& fileName);
  void SaveMetafile(const QString& fileName, bool enhanced);
  // Raises EFileError when the clipboard did not take the picture.
  void CopyToClipboard();
  void SetTicks3D();
  void SetTicks2D();
  // The series data windows: a new series from pasted or file data (repainted when built), and
  // the export of series as text.
  void ImportSeries();
  void ExportSeries();
  // The annotation tool palette, bound to this plot's graph.
  void ShowAnnotateTools();
  // The print dialog with its preview for the graph; the screen transform is renewed afterwards.
  void Print() { Graph->PrintClick(); }

  // Settings file: the plot's section (owner name directly followed by the plot's name).
  QString SectionName() const;
  void SaveToIni();
  void LoadFromIni();

  // Properties.
  const QString& IniFileName() const { return iniFileName_; }
  void SetIniFileName(const QString& value);
  platform::TColor PlotColor() const { return Graph->Color; }
  void SetPlotColor(platform::TColor value);
  platform::TColor BackColor() const { return Graph->BackColor; }
  void SetBackColor(platform::TColor value);
  double Exaggerate() const { return Graph->Exaggerate; }
  void SetExaggerate(double value);
  bool ClipMarkers() const { return Graph->GetClipMarkers(); }
  void SetClipMarkers(bool value);
  bool StatusBarVisible() const { return statusBarVisible_; }
  void SetStatusBarVisible(bool value);
  bool StatusBarGrip() const { return StatusBar->SizeGrip(); }
  void SetStatusBarGrip(bool value);
  double View3D() const { return Graph->View3D * 200; }
  void SetView3D(double value);
  plot::TBarStyle BarStyle() const { return Graph->BarStyle; }
  void SetBarStyle(plot::TBarStyle value);
  double MinimumLogValue() const { return Graph->MinimumLogValue; }
  void SetMinimumLogValue(double value);
  plot::TPopupMenuItems PopupMenuItems() const { return Graph->PopupMenuItems; }
  void SetPopupMenuItems(plot::TPopupMenuItems value);
  void SetLiveUpdate(bool value) { liveUpdate_ = value; }

  // The host's services to the graph.
  bool LiveUpdate() const override { return liveUpdate_; }
  QString LoadErrorPrefix() const override;
  QWidget* OwnerWindow() const override { return window(); }
  // The properties dialog on this plot; its last page and live state are kept.
  void ShowProperties() override;
  void RunPrintDialog(plot::TGraph& graph) override;
  bool FigureToolSelected() const override;
  // The status bar panels the graph writes.
  void SetPanelText(int panel, const QString& text) override { StatusBar->SetPanelText(panel, text); }
  void SetPanelWidth(int panel, int width) override { StatusBar->SetPanelWidth(panel, width); }

  // Parts, in creation order.
  platform::TStatusBar* StatusBar;     // child
  platform::TScrollStrip* LegendPanel;  // child, aligned right
  TPlotImage* Image;                   // child, fills the rest
  std::unique_ptr<plot::TGraph> Graph;
  std::unique_ptr<TPlotAxis> XAxis, YAxis, XAxis2, YAxis2;
  std::unique_ptr<TPlotTitles> Title, Foot;
  std::unique_ptr<TPlotGradient> Gradient;
  std::unique_ptr<TPlotZoom> Zoom;
  std::unique_ptr<TPlotLegend> Legend;
  std::unique_ptr<TPlotColorLegend> ColorLegend;
  std::unique_ptr<TPlotPicture> Picture;
  std::unique_ptr<TPlotFrame> Frame;
  std::unique_ptr<TPlotInfo> Info;
  TPlotProperties PropertiesControl;
  int LastPropertiesPage = 0;
  // The plot's own popup menu, given by its window. The first setting of PopupMenuItems that finds
  // it (a resize while not live) appends the graph's items to it after a separator, and the graph
  // shows the merged menu from then on: this pointer is then empty and Graph->PopupMenu holds it.
  std::unique_ptr<platform::TPopupMenu> PopupMenu;
  // 0 before the first setting of PopupMenuItems, 1 after it, 2 once the menus were merged.
  int PopupMergeCount = 0;
  // Raised after the graph has handled the same event of the picture.
  std::function<void(platform::TMouseButton, platform::TShiftState, int, int)> OnMouseDown, OnMouseUp;
  std::function<void(platform::TShiftState, int, int)> OnMouseMove;
  // Raised with true when the annotation palette takes this plot, false when it leaves it.
  std::function<void(bool)> OnAnnotateTools;
  // A click and a double click on the picture.
  std::function<void()> OnClick, OnDblClick;
  // Something dragged over the picture and dropped on it (points in the plot's pixels); without
  // OnDragOver the plot takes no drop.
  std::function<void(QWidget* source, int x, int y, platform::TDragState state, bool& accept)> OnDragOver;
  std::function<void(QWidget* source, int x, int y)> OnDragDrop;
  // Raised with the graph by the properties dialog after it has applied changes while live.
  plot::TGraphEvent OnAfterChangeProperties;
  void AfterChangeProperties()
  {
    if (OnAfterChangeProperties)
      OnAfterChangeProperties(*Graph);
  }

protected:
  void Resized() override;

private:
  void LayoutParts();
  void RebuildGraphPopup();
  void MergePopupMenus();
  void ScrollLegend();
  void ResizeTimerTick();
  template <typename T>
  void StoreAndRepaint(T& field, T value);

  QString iniFileName_;
  bool liveUpdate_ = false;
  bool statusBarVisible_ = true;
  std::unique_ptr<platform::Timer> resizeTimer_;
};

}  // namespace plotui
