#include "plotui/annotate/GraphFigs.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"
#include "plot/support/PixelGeometry.h"

#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace plotui {

using platform::TPenMode;

namespace {

constexpr int kNear = 5;

platform::TCanvas& CanvasOf(const plot::TGraph& graph) { return *graph.Canvas; }

}  // namespace

// Base.

bool TFig::HitTest(int, int) { return false; }

bool TFig::MouseDown(int x, int y)
{
  Active = true;
  LastX = x;
  LastY = y;
  return false;
}

void TFig::MouseUp(int x, int y)
{
  MouseMove(x, y);
  Active = false;
  Creating = false;
  Part = -1;
}

void TFig::SetupFill()
{
  platform::TCanvas& canvas = CanvasOf(*Graph);
  switch (Appearance) {
  case faClear:
    canvas.Pen().SetMode(TPenMode::pmCopy);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    break;
  case faSemiTransparent:
    canvas.Pen().SetMode(TPenMode::pmMask);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    break;
  case faSolid:
    canvas.Pen().SetMode(TPenMode::pmCopy);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    break;
  default:
    break;
  }
  if (plot::BlackAndWhiteApplies())
    canvas.Pen().SetColor(platform::clBlack);
}

bool TFig::PressAt(int x, int y)
{
  Active = false;
  const bool hit = HitTest(x, y);
  if (hit)
    Active = true;
  LastX = x;
  LastY = y;
  return hit;
}

double TFig::MovedX(double v, int dx) const { return Graph->ScreenToX(Graph->XToScreen(v) + dx); }
double TFig::MovedY(double v, int dy) const { return Graph->ScreenToY(Graph->YToScreen(v) + dy); }

void TFig::DrawHandle(int x, int y) const
{
  platform::TCanvas& canvas = CanvasOf(*Graph);
  canvas.MoveTo(x - 5, y - 5);
  canvas.LineTo(x + 5, y - 5);
  canvas.LineTo(x + 5, y + 5);
  canvas.LineTo(x - 5, y + 5);
  canvas.LineTo(x - 5, y - 5);
}

void TFig::SetXorPen() const
{
  platform::TCanvas& canvas = CanvasOf(*Graph);
  canvas.Pen().SetColor(Color);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetMode(TPenMode::pmNotXor);
}

// Draws between the graph's plot clip set and removed, the pen back to width 1 and copy mode.
class TFigureDrawScope {
public:
  explicit TFigureDrawScope(plot::TGraph& graph) : graph_(graph)
  {
    graph.ResetClip();
    graph.SetClip();
  }
  ~TFigureDrawScope()
  {
    graph_.Canvas->Pen().SetWidth(1);
    graph_.Canvas->Pen().SetMode(TPenMode::pmCopy);
    graph_.ResetClip();
  }
  TFigureDrawScope(const TFigureDrawScope&) = delete;
  TFigureDrawScope& operator=(const TFigureDrawScope&) = delete;

private:
  plot::TGraph& graph_;
};

// Symbols.

TShape::TShape(plot::TGraph& graph) : TFig(graph), Marker(plot::TMarker::CreateBlank(graph))
{
  Marker->Visible = true;
}

int TShape::HalfSize() const
{
  platform::TCanvas& canvas = CanvasOf(*Graph);
  canvas.Font().SetSize(SymbolSize);
  return canvas.TextHeight(QStringLiteral("(")) / 2;
}

void TShape::Draw()
{
  const TFigureDrawScope scope(*Graph);
  if (!Active) {
    Marker->Draw(X, Y);
    return;
  }
  SetXorPen();
  const int h = HalfSize();
  const int sx = Graph->XToScreen(X), sy = Graph->YToScreen(Y);
  platform::TCanvas& canvas = CanvasOf(*Graph);
  canvas.MoveTo(sx - h, sy - h);
  canvas.LineTo(sx + h, sy - h);
  canvas.LineTo(sx + h, sy + h);
  canvas.LineTo(sx - h, sy + h);
  canvas.LineTo(sx - h, sy - h);
}

bool TShape::HitTest(int x, int y)
{
  const int h = HalfSize();
  const bool hit = std::abs(x - Graph->XToScreen(X)) <= h && std::abs(y - Graph->YToScreen(Y)) <= h;
  Part = hit ? 0 : -1;
  return hit;
}

bool TShape::MouseDown(int x, int y)
{
  const bool hit = PressAt(x, y);
  if (hit)
    Part = 0;
  return hit;
}

void TShape::MouseMove(int x, int y)
{
  if (!Active)
    return;
  Draw();
  X = MovedX(X, x - LastX);
  Y = MovedY(Y, y - LastY);
  Draw();
  LastX = x;
  LastY = y;
}

// Lines.

void TMonoLine::SetLinePen() const
{
  platform::TCanvas& canvas = CanvasOf(*Graph);
  canvas.Pen().SetStyle(static_cast<platform::TPenStyle>(std::min<int>(LineStyle, 4)));
  canvas.Pen().SetColor(Color);
  if (Active) {
    SetXorPen();
    return;
  }
  canvas.Pen().SetWidth(LineWidth);
  canvas.Pen().SetMode(Creating ? TPenMode::pmNotXor : TPenMode::pmCopy);
}

void TMonoLine::Draw()
{
  const TFigureDrawScope scope(*Graph);
  SetLinePen();
  if (Active) {
    platform::TCanvas& canvas = CanvasOf(*Graph);
    canvas.MoveTo(Graph->XToScreen(X1), Graph->YToScreen(Y1));
    canvas.LineTo(Graph->XToScreen(X2), Graph->YToScreen(Y2));
    DrawHandles();
    return;
  }
  Graph->DrawLine(X1, Y1, X2, Y2);
}

void TMonoLine::DrawHandles()
{
  DrawHandle(Graph->XToScreen(X1), Graph->YToScreen(Y1));
  DrawHandle(Graph->XToScreen(X2), Graph->YToScreen(Y2));
}

bool TMonoLine::Near(double wx, double wy, int x, int y) const
{
  return std::abs(Graph->XToScreen(wx) - x) <= kNear && std::abs(Graph->YToScreen(wy) - y) <= kNear;
}

bool TMonoLine::HitTest(int x, int y)
{
  if (Creating) {
    Part = 2;
    return true;
  }
  if (Near(X1, Y1, x, y))
    Part = 1;
  else if (Near(X2, Y2, x, y))
    Part = 2;
  else if (plot::DistanceToSegment({Graph->XToScreen(X1), Graph->YToScreen(Y1)},
                                   {Graph->XToScreen(X2), Graph->YToScreen(Y2)}, {x, y}) < kNear)
    Part = 0;
  else
    Part = -1;
  return Part != -1;
}

void TMonoLine::MouseMove(int x, int y)
{
  if (!Active)
    return;
  Draw();
  const int dx = x - LastX, dy = y - LastY;
  if (Part == 0 || Part == 1) {
    X1 = MovedX(X1, dx);
    Y1 = MovedY(Y1, dy);
  }
  if (Part == 0 || Part == 2) {
    X2 = MovedX(X2, dx);
    Y2 = MovedY(Y2, dy);
  }
  Draw();
  LastX = x;
  LastY = y;
}

// Arrows: the head is computed in world units and follows the axes' scales.

void TArrow::Draw()
{
  TMonoLine::Draw();
  const TFigureDrawScope scope(*Graph);
  SetLinePen();
  // The head is shaped in pixels: in world units it would stretch with the axes' scales, a
  // 30-pixel head turning into a spike across the plot when x and y differ in range.
  const int tipX = Graph->XToScreen(X2), tipY = Graph->YToScreen(Y2);
  const double dx = tipX - Graph->XToScreen(X1), dy = tipY - Graph->YToScreen(Y1);
  const auto worldX = [&](double px) { return Graph->ScreenToX(platform::SafeRound(px)); };
  const auto worldY = [&](double py) { return Graph->ScreenToY(platform::SafeRound(py)); };
  const double ax = worldX(tipX - (0.3 * dx - 0.05 * dy)), ay = worldY(tipY - (0.3 * dy + 0.05 * dx));
  const double bx = worldX(tipX - (0.3 * dx + 0.05 * dy)), by = worldY(tipY - (0.3 * dy - 0.05 * dx));
  Graph->DrawLine(X2, Y2, ax, ay);
  Graph->DrawLine(ax, ay, bx, by);
  Graph->DrawLine(bx, by, X2, Y2);
}

// Freehand.

TPencil::TPencil(plot::TGraph& graph, int lineWidth, platform::TColor color) : TMonoLine(graph)
{
  LineWidth = lineWidth;
  Color = color;
}

void TPencil::Draw()
{
  const TFigureDrawScope scope(*Graph);
  platform::TCanvas& canvas = CanvasOf(*Graph);
  canvas.Pen().SetColor(Color);
  canvas.Pen().SetWidth(LineWidth);
  canvas.Pen().SetStyle(static_cast<platform::TPenStyle>(std::min<int>(LineStyle, 4)));
  const int n = StrokePoints.Count();
  for (int i = 0; i + 4 <= n; i += 2)
    Graph->DrawLine(StrokePoints.GetItem(i), StrokePoints.GetItem(i + 1), StrokePoints.GetItem(i + 2),
                    StrokePoints.GetItem(i + 3));
}

bool TPencil::HitTest(int x, int y)
{
  if (Creating)
    return true;
  for (int i = 0; i + 1 < StrokePoints.Count(); i += 2)
    if (Near(StrokePoints.GetItem(i), StrokePoints.GetItem(i + 1), x, y)) {
      Part = 1;
      return true;
    }
  Part = -1;
  return false;
}

void TPencil::MouseMove(int x, int y)
{
  if (!Active)
    return;
  platform::TCanvas& canvas = CanvasOf(*Graph);
  if (Creating) {
    const double wx = Graph->ScreenToX(x), wy = Graph->ScreenToY(y);
    const int n = StrokePoints.Count();
    if (n >= 2 && StrokePoints.GetItem(n - 2) == wx && StrokePoints.GetItem(n - 1) == wy)
      return;
    StrokePoints.Add(wx);
    StrokePoints.Add(wy);
    if (n < 2)
      return;
    const TFigureDrawScope scope(*Graph);
    canvas.Pen().SetColor(Color);
    canvas.Pen().SetStyle(static_cast<platform::TPenStyle>(std::min<int>(LineStyle, 4)));
    canvas.Pen().SetWidth(LineWidth);
    canvas.Pen().SetMode(TPenMode::pmCopy);
    Graph->DrawLine(StrokePoints.GetItem(n - 2), StrokePoints.GetItem(n - 1), wx, wy);
    return;
  }
  canvas.Pen().SetMode(TPenMode::pmNotXor);
  Draw();
  for (int i = 0; i + 1 < StrokePoints.Count(); i += 2) {
    StrokePoints.SetItem(i, MovedX(StrokePoints.GetItem(i), x - LastX));
    StrokePoints.SetItem(i + 1, MovedY(StrokePoints.GetItem(i + 1), y - LastY));
  }
  LastX = x;
  LastY = y;
  canvas.Pen().SetMode(TPenMode::pmNotXor);
  Draw();
}

// Rectangles and circles.

void TRectangle::DrawShape(const plot::TFloatRect& r) { Graph->DrawRectangle(r); }

void TCircle::DrawShape(const plot::TFloatRect& r) { Graph->DrawEllipse(r); }

void TRectangle::Draw()
{
  const TFigureDrawScope scope(*Graph);
  platform::TCanvas& canvas = CanvasOf(*Graph);
  canvas.Pen().SetStyle(static_cast<platform::TPenStyle>(std::min<int>(LineStyle, 4)));
  canvas.Pen().SetColor(Color);
  const plot::TFloatRect r{X1, Y1, X2, Y2};
  if (Active) {
    SetXorPen();
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    DrawShape(r);
    DrawHandles();
    return;
  }
  if (Creating) {
    canvas.Pen().SetWidth(LineWidth);
    canvas.Pen().SetMode(TPenMode::pmNotXor);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    DrawShape(r);
    return;
  }
  canvas.Brush().SetColor(FillColor);
  SetupFill();
  canvas.Pen().SetWidth(LineWidth);
  DrawShape(r);
}

void TRectangle::DrawHandles()
{
  for (const auto& [x, y] : {std::pair{X1, Y1}, {X2, Y2}, {X2, Y1}, {X1, Y2}})
    DrawHandle(Graph->XToScreen(x), Graph->YToScreen(y));
}

bool TRectangle::HitTest(int x, int y)
{
  if (Creating) {
    Part = 2;
    return true;
  }
  const std::pair<double, double> corners[] = {{X1, Y1}, {X2, Y2}, {X2, Y1}, {X1, Y2}};
  for (int k = 0; k < 4; ++k)
    if (Near(corners[k].first, corners[k].second, x, y)) {
      Part = k + 1;
      return true;
    }
  const int left = std::min(Graph->XToScreen(X1), Graph->XToScreen(X2));
  const int right = std::max(Graph->XToScreen(X1), Graph->XToScreen(X2));
  const int top = std::min(Graph->YToScreen(Y1), Graph->YToScreen(Y2));
  const int bottom = std::max(Graph->YToScreen(Y1), Graph->YToScreen(Y2));
  Part = left <= x && x <= right && top <= y && y <= bottom ? 0 : -1;
  return Part != -1;
}

void TRectangle::MouseMove(int x, int y)
{
  if (!Active)
    return;
  Draw();
  const int dx = x - LastX, dy = y - LastY;
  const bool moveX1 = Part == 0 || Part == 1 || Part == 4;
  const bool moveY1 = Part == 0 || Part == 1 || Part == 3;
  const bool moveX2 = Part == 0 || Part == 2 || Part == 3;
  const bool moveY2 = Part == 0 || Part == 2 || Part == 4;
  if (moveX1)
    X1 = MovedX(X1, dx);
  if (moveY1)
    Y1 = MovedY(Y1, dy);
  if (moveX2)
    X2 = MovedX(X2, dx);
  if (moveY2)
    Y2 = MovedY(Y2, dy);
  Draw();
  LastX = x;
  LastY = y;
}

// Text notes.

TNoteText::TNoteText(plot::TGraph& graph) : TFig(graph)
{
  for (int i = 0; i < 6; ++i)
    Box.Add(0, 0);
  Font.SetName(QStringLiteral("Arial"));
  Font.SetCharset(graph.Charset);
  Font.SetSize(10);
  Font.SetColor(platform::clBlack);
}

int TNoteText::GetDrawSize() const
{
  const int size = Font.Size();
  if (!Scaled || Graph->Zoom.GetCount() == 0)
    return size;
  const plot::TFloatRect now = Graph->GetDrawRange();
  const plot::TFloatRect first = Graph->Zoom.Stack.front().Range;
  const double firstHeight = first.Bottom - first.Top;
  const double k = firstHeight != 0 ? std::abs((now.Bottom - now.Top) / firstHeight) : 0;
  if (!(k > 0))
    return size;
  const double scaled = Graph->Exaggerate != 0 ? size * Graph->Exaggerate / k : size / k;
  return platform::SafeRound(scaled);
}

void TNoteText::UpdateBox()
{
  platform::TCanvas& canvas = CanvasOf(*Graph);
  const platform::TFontData saved = canvas.Font().Data();
  canvas.Font().Assign(Font);
  canvas.Font().SetSize(GetDrawSize());
  const int w = canvas.TextWidth(Text);
  const int h = canvas.TextHeight(QStringLiteral("("));
  canvas.Font().SetData(saved);
  const int sx = Graph->XToScreen(X), sy = Graph->YToScreen(Y);
  const double right = Graph->ScreenToX(sx + w), below = Graph->ScreenToY(sy + h);
  Box = plot::TPoly();
  Box.Add(X, Y);
  Box.Add(right, Y);
  Box.Add(right, below);
  Box.Add(X, below);
  Box.Add(X, Y);
}

void TNoteText::Draw()
{
  if (Text.isEmpty())
    return;
  const TFigureDrawScope scope(*Graph);
  platform::TCanvas& canvas = CanvasOf(*Graph);
  const platform::TFontData saved = canvas.Font().Data();
  canvas.Font().Assign(Font);
  if (plot::BlackAndWhiteApplies())
    canvas.Font().SetColor(platform::clBlack);
  SetupFill();
  canvas.Font().SetSize(GetDrawSize());
  canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
  canvas.TextOut(Graph->XToScreen(X), Graph->YToScreen(Y), Text);
  canvas.Font().SetData(saved);
}

bool TNoteText::HitTest(int x, int y)
{
  Part = -1;
  if (Creating)
    return false;
  if (Box.PointInside(Graph->ScreenToX(x), Graph->ScreenToY(y)))
    Part = 0;
  return Part == 0;
}

void TNoteText::MouseMove(int x, int y)
{
  if (!Active || Creating)
    return;
  platform::TCanvas& canvas = CanvasOf(*Graph);
  canvas.Pen().SetMode(TPenMode::pmNotXor);
  canvas.Pen().SetColor(Font.Color());
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  Graph->DrawPolygon(Box);
  X = MovedX(X, x - LastX);
  Y = MovedY(Y, y - LastY);
  LastX = x;
  LastY = y;
  UpdateBox();
  canvas.Pen().SetMode(TPenMode::pmNotXor);
  Graph->DrawPolygon(Box);
  canvas.Pen().SetMode(TPenMode::pmCopy);
}

}  // namespace plotui
