#pragma once
// Annotation figures drawn over a plot in world coordinates: symbols, lines, arrows, rectangles,
// ellipses, text notes and freehand strokes. A figure being created or dragged draws in not-XOR
// mode, so drawing it twice erases it.

#include "plotui/annotate/FigureDialogs.h"

#include "plot/parts/Marker.h"
#include "plot/support/FloatGeometry.h"
#include "plot/support/FloatList.h"
#include "plot/support/Polygons.h"

#include "platform/Color.h"
#include "platform/Font.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace plot {
class TGraph;
}

namespace plotui {

enum TFigAppearance : std::uint8_t { faClear, faSemiTransparent, faSolid };

class TFig {
public:
  explicit TFig(plot::TGraph& graph) : Graph(&graph) {}
  virtual ~TFig() = default;
  TFig(const TFig&) = delete;
  TFig& operator=(const TFig&) = delete;

  virtual void Draw() {}
  virtual void DrawHandles() {}
  // Pixels; sets Part.
  virtual bool HitTest(int x, int y);
  virtual bool MouseDown(int x, int y);
  virtual void MouseMove(int x, int y) { (void)x, (void)y; }
  virtual void MouseUp(int x, int y);
  // The figure's property dialog; true when accepted. CanEditProperties: the dialog is there.
  virtual bool EditProperties() { return false; }
  virtual bool CanEditProperties() const { return false; }
  // Pen mode and brush by Appearance; black pen on black-and-white paper.
  virtual void SetupFill();

  plot::TGraph* Graph;  // not owned
  bool Active = false;
  bool Creating = false;
  int Part = -1;  // -1 none, 0 the whole figure, 1 and up a handle
  int LastX = 0;
  int LastY = 0;
  std::uint8_t Dragging = 0;
  platform::TColor Color = platform::clBlack;
  platform::TColor FillColor = platform::clBlack;
  std::uint8_t Appearance = faClear;

protected:
  // Common mouse-down of the annotation figures.
  bool PressAt(int x, int y);
  // A stored world value moved by a pixel delta.
  double MovedX(double v, int dx) const;
  double MovedY(double v, int dy) const;
  // The 10-pixel square outline around a pixel point.
  void DrawHandle(int x, int y) const;
  // Not-XOR, width 1, in Color.
  void SetXorPen() const;
  // The figure property dialog in a form on this figure; false when not accepted or not there.
  bool RunFigureForm(TFigureForm form);
  bool HasFigureForm() const;
};

class TShape : public TFig {
public:
  explicit TShape(plot::TGraph& graph);
  void Draw() override;
  bool HitTest(int x, int y) override;
  bool MouseDown(int x, int y) override;
  void MouseMove(int x, int y) override;
  // The symbol-style dialog; when accepted the marker takes the values and the graph repaints.
  bool EditProperties() override;
  // The symbol-style dialog; when accepted the symbol and its marker take the values.
  bool ChooseStyle();
  bool CanEditProperties() const override;

  double X = 0, Y = 0;
  int SymbolStyle = 0;
  std::unique_ptr<plot::TMarker> Marker;
  platform::TColor SymbolFillColor = platform::clBlue;
  platform::TColor SymbolPenColor = platform::clRed;
  int SymbolSize = 10;

private:
  int HalfSize() const;
};

class TMonoLine : public TFig {
public:
  explicit TMonoLine(plot::TGraph& graph) : TFig(graph) {}
  void Draw() override;
  void DrawHandles() override;
  bool HitTest(int x, int y) override;
  bool MouseDown(int x, int y) override { return PressAt(x, y); }
  void MouseMove(int x, int y) override;
  // The line form of the figure property dialog (lines, arrows, freehand strokes).
  bool EditProperties() override { return RunFigureForm(TFigureForm::Line); }
  bool CanEditProperties() const override { return HasFigureForm(); }

  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  int LineWidth = 1;
  std::uint8_t LineStyle = 0;

protected:
  void SetLinePen() const;
  bool Near(double wx, double wy, int x, int y) const;
};

class TPencil : public TMonoLine {
public:
  TPencil(plot::TGraph& graph, int lineWidth, platform::TColor color);
  void Draw() override;
  bool HitTest(int x, int y) override;
  void MouseMove(int x, int y) override;

  plot::TFloatList StrokePoints;  // x0, y0, x1, y1, ...
};

class TRectangle : public TMonoLine {
public:
  using TMonoLine::TMonoLine;
  void Draw() override;
  void DrawHandles() override;
  bool HitTest(int x, int y) override;
  void MouseMove(int x, int y) override;
  // The rectangle form (rectangles and circles).
  bool EditProperties() override { return RunFigureForm(TFigureForm::Rectangle); }

protected:
  virtual void DrawShape(const plot::TFloatRect& r);
};

class TCircle : public TRectangle {
public:
  using TRectangle::TRectangle;

protected:
  void DrawShape(const plot::TFloatRect& r) override;
};

class TArrow : public TMonoLine {
public:
  using TMonoLine::TMonoLine;
  void Draw() override;
};

class TNoteText : public TFig {
public:
  explicit TNoteText(plot::TGraph& graph);
  void Draw() override;
  bool HitTest(int x, int y) override;
  bool MouseDown(int x, int y) override { return PressAt(x, y); }
  void MouseMove(int x, int y) override;
  bool EditProperties() override { return RunFigureForm(TFigureForm::Note); }
  bool CanEditProperties() const override { return HasFigureForm(); }
  // The note form for a note not yet on the graph; true when accepted.
  bool EditNew() { return RunFigureForm(TFigureForm::NewNote); }
  // The font size, scaled by the zoom when Scaled.
  int GetDrawSize() const;
  void UpdateBox();

  QString Text;
  plot::TPoly Box;
  platform::TFont Font;
  std::uint8_t Scaled = 0;
  double X = 0, Y = 0;  // the text's top-left corner
};

// A line, arrow, rectangle or circle of the kind given, from p1 to p2.
template <typename Kind>
std::unique_ptr<Kind> CreateAt(plot::TGraph& graph, int lineWidth, platform::TColor color, plot::TFloatPoint p1,
                               plot::TFloatPoint p2)
{
  auto fig = std::make_unique<Kind>(graph);
  fig->X1 = p1.X;
  fig->Y1 = p1.Y;
  fig->X2 = p2.X;
  fig->Y2 = p2.Y;
  fig->Color = color;
  fig->FillColor = color;
  fig->LineWidth = lineWidth;
  return fig;
}

}  // namespace plotui
