#include "plot/graph/Graph.h"

#include "plot/support/GraphLibrary.h"
#include "plot/support/PixelGeometry.h"

#include "platform/CanvasRounding.h"
#include "platform/Printer.h"

#include <cmath>
#include <utility>

namespace plot {

using platform::SafeRound;
using platform::TRect;

int TGraph::GetUnitHeight()
{
  platform::TFont& font = TargetCanvas().Font();
  const QString name = font.Name();
  const int size = font.Size();
  const int charset = font.Charset();
  font.SetName(QStringLiteral("Arial"));
  font.SetCharset(Charset);
  font.SetSize(1);
  const int height = TargetCanvas().TextHeight(QStringLiteral("a"));
  font.SetName(name);
  font.SetCharset(charset);
  font.SetSize(size);
  return height;
}

void TGraph::CalculatePlotRect()
{
  TWText text(*this, XAxis->Font.Name());
  if (!GraphLibrary().PrintPreviewing)
    ImageRect = PrinterPrinting() ? PrintRect : TRect{0, 0, Image->Width(), Image->Height()};
  TRect r = ImageRect;
  if (YAxis->GetVisible() && !YAxis2->GetVisible())
    r.Right = SafeRound(ImageRect.Right * 0.99);
  if (XAxis->GetVisible() && !XAxis2->GetVisible())
    r.Top = ImageRect.Top + SafeRound(ImageRect.Bottom * 0.01);
  Depth = SafeRound((r.Right - r.Left) * View3D);

  Title->ReserveSpace(r);
  for (auto& legend : ColorLegends)
    legend->ReserveSpace(r);
  Foot->ReserveSpace(r);

  // The depth of the 3-D view is kept free on the right whatever the legend's place: beside the
  // legend in a row above or below the plot, else before a side legend takes its column.
  const bool legendAcross = Legend->Style == lsTop || Legend->Style == lsBottom;
  if (!legendAcross)
    r.Right -= Depth;
  Legend->ReserveSpace(r);
  if (legendAcross)
    r.Right -= Depth;

  if (Frame->GetVisible()) {
    const int inset = Frame->GetPixelWidth() - 1;
    InflateIntRect(r, -inset, -inset);
  }
  r.Top += Depth;

  XAxis->LabelSpace(r, text);
  XAxis2->LabelSpace(r, text);
  YAxis->LabelSpace(r, text);
  YAxis2->LabelSpace(r, text);

  if (Exaggerate != 0) {
    TRect fitted = r;
    FitRectToAspect(fitted, Range, Exaggerate);
    OffsetIntRect(fitted, (r.Width() - fitted.Width()) / 2, (r.Height() - fitted.Height()) / 2);
    r = fitted;
  }
  PlotRect = r;

  if (Range.Left == Range.Right) {
    Range.Left -= 1;
    Range.Right += 1;
  }
  if (Range.Top == Range.Bottom) {
    Range.Top -= 1;
    Range.Bottom += 1;
  }
  ComputeCoefficients(r);
  if (Legend->Style == lsInside)
    Legend->PlaceInside(PlotRect);
  Title->SetHorizontalBounds(r);
  Foot->SetHorizontalBounds(r);
}

void TGraph::AddAutoMargins(TFloatRect& r, const TAxis& xAxis, const TAxis& yAxis, bool onSecond)
{
  struct TSecondAxes {
    TGraph& graph;
    explicit TSecondAxes(TGraph& g, bool on) : graph(g)
    {
      graph.ActiveOnX2 = on;
      graph.ActiveOnY2 = on;
    }
    ~TSecondAxes()
    {
      graph.ActiveOnX2 = false;
      graph.ActiveOnY2 = false;
    }
  } second(*this, onSecond);

  platform::TCanvas& canvas = TargetCanvas();
  canvas.Font().SetSize(1);
  const int h = canvas.TextHeight(QStringLiteral("a"));
  TGraphLibrary& library = GraphLibrary();
  if (!PrinterPrinting())
    library.ScreenTextHeight = h;

  const int n = GetMaxMarginWidth();
  const bool bars = GetBarSeriesCount() > 0;
  int w;
  if (GetBarSlotCount() > 0) {
    w = bars ? n * library.ScreenTextHeight : 0;
    const double barWidth = GetMaxBarWidth();
    if (BarStyle == bsClustered)
      w = barWidth > 0 ? SafeRound(w / (2 * barWidth)) : w;
    else
      w = w / 2;
  } else
    w = h * SafeRound(n / 2.0);

  const double mx = n == 0 ? ScreenToX(3) - ScreenToX(0) : ScreenToX(w) - ScreenToX(0);
  if (xAxis.AutoMin) {
    if (!xAxis.Inverted)
      r.Left -= mx;
    else
      r.Right += mx;
  }
  if (xAxis.AutoMax) {
    if (!xAxis.Inverted)
      r.Right += mx;
    else
      r.Left -= mx;
  }

  double my = n == 0 ? std::fabs(ScreenToY(0) - ScreenToY(2)) : ScreenToY(0) - ScreenToY(w + 1);
  if (yAxis.AutoMin) {
    if (bars && !yAxis.Inverted && r.Top != 0)
      my = (r.Bottom - r.Top) * 0.05;
    else if (bars)
      my = 0;
    if (!yAxis.Inverted)
      r.Top -= my;
    else
      r.Bottom += my;
  }
  if (yAxis.AutoMax) {
    if (bars)
      my = (r.Bottom - r.Top) * 0.05;
    if (!yAxis.Inverted)
      r.Bottom += my;
    else {
      my = -std::fabs(my);
      r.Top -= my;
    }
  }
}

void TGraph::ComputeRanges(bool forPaint)
{
  if (Zoom.Active()) {
    XAxis->ApplyNiceRange();
    YAxis->ApplyNiceRange();
    CalculatePlotRect();
    return;
  }
  if (GetBarSeriesCount() >= 2 && (BarStyle == bsStacked || BarStyle == bs100Stacked)) {
    YAxis->AutoMin = false;
    if (forPaint)
      YAxis2->AutoMin = false;
  }
  TFloatRect a = ComputeExtents();
  if (forPaint) {
    if (!XAxis->AutoMin)
      a.Left = Range.Left;
    if (!XAxis->AutoMax)
      a.Right = Range.Right;
    if (!YAxis->AutoMin)
      a.Top = Range.Top;
    if (!YAxis->AutoMax)
      a.Bottom = Range.Bottom;
  }
  const TFloatRect b = ComputeExtents2();
  Range = ApplyAxisLimits(*XAxis, *YAxis, a);
  Range2 = ApplyAxisLimits(*XAxis2, *YAxis2, b);
  SetRange(Range);
}

bool TGraph::MarginsWanted() const
{
  return !GetClipMarkers() && Zoom.Stack.empty() && !Layers.empty() && !(GetBarSeriesCount() > 0 && XAxis->Log);
}

void TGraph::AddMargins()
{
  if (!MarginsWanted())
    return;
  AddAutoMargins(Range, *XAxis, *YAxis, false);
  AddAutoMargins(Range2, *XAxis2, *YAxis2, true);
  ComputeCoefficients(PlotRect);
}

void TGraph::UpdateTransform()
{
  Canvas = &TargetCanvas();
  if (!GraphLibrary().PrintPreviewing)
    ImageRect = PrinterPrinting() ? PrintRect : TRect{0, 0, Image->Width(), Image->Height()};
  UnitHeight = GetUnitHeight();
  ComputeRanges(false);
  AddMargins();
}

}  // namespace plot
