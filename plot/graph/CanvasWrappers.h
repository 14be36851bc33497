#pragma once
// Short-lived wrappers that set the pen, brush and font of a graph's current target canvas (screen
// image, printer page or metafile) and apply the black-and-white print rule: while printing or
// previewing in black-and-white mode, pen and text colours become black and fills white.

#include "platform/Canvas.h"

namespace plot {

class TGraph;

class TWPen {
public:
  explicit TWPen(TGraph& graph);
  virtual ~TWPen() = default;
  TWPen(const TWPen&) = delete;
  TWPen& operator=(const TWPen&) = delete;

  virtual void SetColor(platform::TColor color);
  virtual void Reset();  // black, solid, copy, width 1
  void SetFillColor(platform::TColor color);  // solid brush
  void SetStyle(platform::TPenStyle style) { Canvas->Pen().SetStyle(style); }
  void SetWidth(int width) { Canvas->Pen().SetWidth(width); }
  void MoveTo(int x, int y) { Canvas->MoveTo(x, y); }
  void LineTo(int x, int y) { Canvas->LineTo(x, y); }

  int FontSize = 0;
  TGraph* Graph;
  platform::TCanvas* Canvas;  // not owned
};

// Fills with the brush; the brush becomes clear when the wrapper goes.
class TWBrush : public TWPen {
public:
  explicit TWBrush(TGraph& graph);
  ~TWBrush() override;

  void SetColor(platform::TColor color) override;  // without the black-and-white rule
  void Reset() override;                           // solid brush, the pen untouched
  void Rectangle(const platform::TRect& r) { Canvas->Rectangle(r); }
};

// Text on the baseline in a font of the graph's character set.
class TWText : public TWPen {
public:
  TWText(TGraph& graph, const QString& fontName);

  void SetColor(platform::TColor color) override;
  void SetSize(int size);
  void SetStyle(platform::TFontStyles style) { Canvas->Font().SetStyle(style); }
  virtual void SetFontName(const QString& name);
  virtual void TextOut(int x, int y, const QString& text);
  int TextHeight(const QString& text) const { return Canvas->TextHeight(text); }  // at the canvas's size
  int TextWidth(const QString& text);                                            // at FontSize

protected:
  void ApplyFontSize();
};

// Text turned by Angle degrees counter-clockwise.
class TWRText : public TWText {
public:
  using TWText::TWText;
  void SetAngle(int angle) { Angle = angle; }
  void TextOut(int x, int y, const QString& text) override;

  int Angle = 0;
};

}  // namespace plot
