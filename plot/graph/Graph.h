#pragma once
// The graph behind a plot: its parts, the ordered layer list, the primary and secondary ranges and
// the transform between world coordinates and pixels; it paints itself in a fixed order on the
// screen image, the printer page or a metafile.
//
// Ranges hold axis units: the base-10 logarithms of the limits on a logarithmic axis, and the two
// limits swapped on an inverted axis, so the coefficients come out negative and no other code needs
// to know about inversion.

#include "plot/axes/Axis.h"
#include "plot/graph/CanvasWrappers.h"
#include "plot/graph/GraphHost.h"
#include "plot/graph/Layer.h"
#include "plot/graph/PaintOrder.h"
#include "plot/graph/Zoom.h"
#include "plot/parts/Decorations.h"
#include "plot/parts/Legend.h"
#include "plot/support/FloatGeometry.h"
#include "plot/support/GraphTypes.h"
#include "plot/support/GraphUndo.h"
#include "plot/support/NiceNumbers.h"

#include "platform/Canvas.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace plot {

class TGraphFileReader;
class TPoly;
class TGraphFileWriter;
class TSeriesLayer;

using TGraphEvent = std::function<void(TGraph&)>;
using TGraphDeleteEvent = std::function<void(TGraph&, TLayer&)>;
// The range after a zoom: xmin, ymax, xmax, ymin in axis units.
using TGraphZoomEndEvent = std::function<void(TGraph&, double, double, double, double)>;

// The items of the graph's popup menu it created (null when left out).
struct TGraphPopupItems {
  platform::TMenuItem* CopyToClipboard = nullptr;
  platform::TMenuItem* SaveAs = nullptr;
  platform::TMenuItem* Print = nullptr;
  platform::TMenuItem* Help = nullptr;
  platform::TMenuItem* ZoomIn = nullptr;
  platform::TMenuItem* ZoomOut = nullptr;
  platform::TMenuItem* Separator = nullptr;
  platform::TMenuItem* Properties = nullptr;
};

class TGraph {
public:
  TGraph(TPlotHost* plot, TGraphImage& image, TGraphStatusBar* statusBar);
  virtual ~TGraph();
  TGraph(const TGraph&) = delete;
  TGraph& operator=(const TGraph&) = delete;

  // Painting and layout.
  virtual void Paint();
  void UpdateTransform();
  void CalculatePlotRect();
  int GetUnitHeight();
  // The canvas drawing goes to now: the metafile while one is recorded, the printer page while
  // printing, else the image.
  platform::TCanvas& TargetCanvas() const;

  // Layer list. The graph owns its layers; DeleteLayer hands the layer back.
  int AddLayer(std::unique_ptr<TLayer> layer);
  std::unique_ptr<TLayer> DeleteLayer(int index);
  TLayer* GetLayer(int index) const;
  int GetLayerCount() const { return static_cast<int>(Layers.size()); }
  int IndexOfLayer(const TLayer* layer) const;
  TLayer* FindLayer(const QString& name) const;  // ignoring case, the first
  void FreeLayers();
  void Clear();
  void UnselectAll();
  bool IsEmpty() const;
  // The annotation layer, drawn after every layer (not in the list); the host installs its own.
  void SetAnnotations(std::unique_ptr<TLayer> layer);

  // Graph text file. Loading adds the layers of the file; at the first block that can't be read it
  // shows one message and returns false, keeping the layers read before. An empty file holds none.
  virtual bool LoadFromFile(TGraphFileReader& file);
  void SaveToFile(TGraphFileWriter& file) const;
  // A default colour no layer has (then darker, then lighter ones); none when all are taken.
  std::optional<platform::TColor> GetFreeColor() const;
  // The smallest marker style 1..51 no series has; 1 when all are taken.
  int GetFreeMarkerStyle() const;
  TLayer& GetAnnotations() const { return *Annotations; }

  // World to pixel; the first two follow ActiveOnX2 / ActiveOnY2. Results saturate at
  // +-2147483647.
  int XToScreen(double x) const;
  int YToScreen(double y) const;
  int X2ToScreen(double x) const;
  int Y2ToScreen(double y) const;
  // Always the primary axes.
  int X1ToScreen(double x) const;
  int Y1ToScreen(double y) const;
  // Pixel to axis units (the logarithm on a logarithmic axis).
  double ScreenToX(int p) const;
  double ScreenToY(int p) const;
  double ScreenToX2(int p) const;
  double ScreenToY2(int p) const;
  double ScreenToXDistance(int d) const;
  double SafeLog10(double v) const;
  // The on-screen angle in degrees of a world direction.
  int GetTextAngle(double angleDeg) const;

  // Ranges and axis state.
  TFloatRect GetRange() const;
  TFloatRect GetDrawRange() const;   // limits ascending
  TFloatRect GetWorldRange() const;  // ascending, in data units
  void SetRange(const TFloatRect& r);
  platform::TRect GetPlotRect() const { return PlotRect; }
  bool IsXLog() const;
  bool IsYLog() const;
  bool IsXInverted() const;
  bool IsYInverted() const;

  // 3-D depth positions.
  int GetDepthCount() const;
  int GetDepthIndex(const TLayer* layer) const;
  // Pixels a point at depth position index of count moves right and up: Round(index * Depth / count).
  int GetDepthShift(int index, int count) const;

  // Extents and limits.
  TFloatRect ComputeExtents() const;
  TFloatRect ComputeExtents2() const;
  virtual void GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const;
  void GetExtents2(double& xMin, double& xMax, double& yMin, double& yMax) const;
  void GetLayersExtents(double& xMin, double& xMax, double& yMin, double& yMax) const;
  void GetBarExtents(double& xMin, double& xMax, double& yMin, double& yMax) const;
  TFloatRect ApplyAxisLimits(const TAxis& xAxis, const TAxis& yAxis, const TFloatRect& extents) const;
  void AddAutoMargins(TFloatRect& r, const TAxis& xAxis, const TAxis& yAxis, bool onSecond);

  // Bar series.
  int GetBarSeriesCount() const;
  int GetBarSlotCount() const;
  int GetBarIndex(const TLayer* series) const;
  void ApplyBarStyle();
  int GetMaxBarPointCount() const;
  int GetMaxVisibleBarPointCount() const;
  int GetMaxMarginWidth() const;
  double GetMaxBarWidth() const;
  bool GetClipMarkers() const;
  void SetClipMarkers(bool value) { ClipMarkers = value; }

  // World drawing in the units of the active layer's axes: clipped or clamped to the visible
  // range, shifted by the active layer's 3-D depth, with the target canvas's pen and brush.
  void DrawLine(double x1, double y1, double x2, double y2);
  void DrawLine3D(double x1, double y1, double x2, double y2);
  void DrawBarSide3D(double x1, double y1, double x2, double y2);
  void DrawRectangle(TFloatRect r);
  void DrawBar(TFloatRect r, bool shaded);
  void DrawPolygon(const TPoly& poly);
  void DrawPolygon3D(const TPoly& poly);
  void DrawFillRect(const TFloatRect& r);
  void DrawEllipse(const TFloatRect& r);
  platform::TRect WorldRectToPixels(const TFloatRect& r) const;

  // Clip region of the plot area on the target canvas.
  void SetClip();
  void SetClipWorld(double x1, double y1, double x2, double y2);
  void SetClipAbovePlotBottom();
  void ResetClip();

  // Setters on the target canvas; the pen colour follows the black-and-white rule.
  void SetPenWidth(int width) { Canvas->Pen().SetWidth(width); }
  void SetBrushStyle(platform::TBrushStyle style) { Canvas->Brush().SetStyle(style); }
  void SetBrushColor(platform::TColor color) { Canvas->Brush().SetColor(color); }
  void SetPenColor(platform::TColor color);

  // Mouse events of the host's picture control, in pixels of the image; (-1, -1) is no position.
  // They drag the legend boxes, zoom, go to the annotation, info and ordinary layers, and open the
  // popup menu on a right click nobody took.
  virtual void MouseMove(platform::TShiftState shift, int x, int y);
  virtual void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
  virtual void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y);

  // Popup menu: built from PopupMenuItems (again when they change), and its handlers.
  void CreatePopupMenu();
  void CopyToClipboardClick();
  void SaveAsClick();
  void PrintClick();
  void HelpClick();
  void ZoomInClick();
  void ZoomOutClick();
  void PropertiesClick();

  // The pending events of the program are processed between layers (replaceable for tests).
  std::function<void()> ProcessMessages;

  platform::TRect PrintRect;
  platform::TRect PlotRect;
  platform::TRect ImageRect;
  TFloatRect Range2{0, 0, 1, 1};
  TLayer* ActiveLayer = nullptr;
  bool ClipMarkers = false;
  int LoadLineNo = 0;
  QString LoadErrorFormat;
  TNiceNumbers NiceNumbers{10, 0.0, 1.0};
  double Exaggerate = 0;
  TGraphEvent OnAfterDraw, OnBeforeDraw, OnBeforeStartDraw, OnBeforePictureDraw;
  TGraphDeleteEvent OnDeleteSeries;
  TGraphZoomEndEvent OnZoomEnded;
  double BX = 0, BY = 0, KX = 1, KY = 1;
  double BX2 = 0, BY2 = 0, KX2 = 1, KY2 = 1;
  bool InfoClicked = false;
  platform::TRect ClipRect;
  int Charset = platform::DEFAULT_CHARSET;
  TFloatRect Range{0, 0, 1, 1};
  bool ActiveOnX2 = false;
  bool ActiveOnY2 = false;
  bool Painting = false;
  bool AnimatedZoom = false;
  TPlotHost* Plot;                // the host, may be null
  TGraphImage* Image;             // not owned
  TGraphStatusBar* StatusBar;     // not owned, may be null
  platform::TCanvas* Canvas;      // the current target, not owned
  std::unique_ptr<TWLegend> Legend;
  std::array<std::unique_ptr<TColorLegend>, 10> ColorLegends;
  std::unique_ptr<TGraphGradient> Gradient;
  std::unique_ptr<TXAxis> XAxis;
  std::unique_ptr<TYAxis> YAxis;
  std::unique_ptr<TXAxis2> XAxis2;
  std::unique_ptr<TYAxis2> YAxis2;
  std::unique_ptr<TGraphPicture> Picture;
  TZoom Zoom{*this};
  // The mouse edits of the series; emptied when a layer leaves the graph.
  TGraphUndo UndoList{nullptr, nullptr};
  std::unique_ptr<platform::TPopupMenu> PopupMenu;
  TGraphPopupItems PopupItems;
  platform::TFont Font;
  std::vector<std::unique_ptr<TLayer>> Layers;
  std::unique_ptr<TGraphTitle> Title;
  std::unique_ptr<TGraphTitle> Foot;
  std::unique_ptr<TGraphFrame> Frame;
  std::unique_ptr<TLayer> Annotations;
  std::unique_ptr<TGraphInfo> Info;
  TPopupMenuItems PopupMenuItems{piProperties};
  platform::TColor Color = platform::clWhite;
  platform::TColor BackColor = platform::clBtnFace;
  double View3D = 0;  // depth as a fraction of the plot width
  int Depth = 0;      // depth in pixels
  double MinimumLogValue = 1e-10;
  TBarStyle BarStyle = bsClustered;
  QString IniFileName;
  QString LogoIniFileName;
  int UnitHeight = 0;
  double StackBase = 0;  // running sum of the stacked bars at the point being drawn

private:
  class TPaintScope;
  TAxis& XAxisInUse() const;
  TAxis& YAxisInUse() const;
  void ComputeCoefficients(const platform::TRect& r);
  void ComputeRanges(bool forPaint);
  bool MarginsWanted() const;
  void AddMargins();
  bool DrawStep(TPaintStep step);
  bool DrawLayers();
  void DrawBarGroup();
  void FillBackground();
  void ShowPaintProgress(const TLayer& layer);
  void ClipTo(const platform::TRect& r);
  void ActiveDepth(int& index, int& count) const;
  void ToAxisUnits(double& x, double& y) const;
  void ToDataUnits(double& x, double& y) const;
  void DrawDepthFace(double x1, double y1, double x2, double y2, int tolerancePixels, bool barSide);
  void DrawPixelPolygon(const TPoly& poly, int shift);

  std::unique_ptr<TWPen> paintPen_;
  std::unique_ptr<TWBrush> paintBrush_;
};

}  // namespace plot
