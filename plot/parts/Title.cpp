#include "plot/parts/Title.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"

#include "platform/CanvasRounding.h"

namespace plot {

using platform::SafeRound;

namespace {

// Puts the canvas font back when the title is done with it.
class TFontKeeper {
public:
  explicit TFontKeeper(platform::TFont& font) : font_(font), saved_(font.Data()) {}
  ~TFontKeeper() { font_.SetData(saved_); }
  TFontKeeper(const TFontKeeper&) = delete;
  TFontKeeper& operator=(const TFontKeeper&) = delete;

private:
  platform::TFont& font_;
  platform::TFontData saved_;
};

bool OnPaper() { return PrinterPrinting() || GraphLibrary().PrintPreviewing; }

// The title's font on the canvas, at half its size in the print preview.
void SelectTitleFont(platform::TFont& canvasFont, const platform::TFont& font, int charset)
{
  canvasFont.Assign(font);
  if (GraphLibrary().PrintPreviewing)
    canvasFont.SetSize(SafeRound(font.Size() * 0.5));
  canvasFont.SetCharset(charset);
}

}  // namespace

TGraphTitle::TGraphTitle(TGraph& graph, bool atTop, int charset) : Graph(&graph), AtTop(atTop)
{
  Font.SetName(QStringLiteral("Arial"));
  Font.SetSize(8);
  Font.SetColor(platform::clBlack);
  Font.SetCharset(charset);
}

void TGraphTitle::ReserveSpace(platform::TRect& r)
{
  if (!Shown())
    return;
  platform::TCanvas& canvas = *Graph->Canvas;
  TFontKeeper keeper(canvas.Font());
  SelectTitleFont(canvas.Font(), Font, Graph->Charset);
  const int h = canvas.TextHeight(QStringLiteral("()"));
  const int block = SafeRound(static_cast<long double>(h) * Lines.size() * 1.07L);
  TextRect = r;
  if (AtTop) {
    TextRect.Bottom = r.Top + block;
    r.Top += block;
  } else {
    TextRect.Top = r.Bottom - block;
    r.Bottom -= block;
  }
}

void TGraphTitle::SetHorizontalBounds(const platform::TRect& r)
{
  if (Lines.isEmpty())
    return;
  TextRect.Left = r.Left;
  TextRect.Right = r.Right;
}

void TGraphTitle::Draw()
{
  if (!Shown())
    return;
  platform::TCanvas& canvas = *Graph->Canvas;
  TFontKeeper keeper(canvas.Font());
  platform::TFont& font = canvas.Font();
  font.Assign(Font);
  int y = TextRect.Top + SafeRound(canvas.TextHeight(QStringLiteral("()")) * 0.01);
  SelectTitleFont(font, Font, Graph->Charset);
  const int step = SafeRound(canvas.TextHeight(QStringLiteral("()")) * 1.01);
  font.SetSize(1);
  const int u = canvas.TextHeight(QStringLiteral("a"));

  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
  SelectTitleFont(font, Font, Graph->Charset);
  int x = TextRect.Left;
  switch (Alignment) {
  case taLeftJustify:
    canvas.SetTextAlign(platform::TA_LEFT);
    break;
  case taRightJustify:
    canvas.SetTextAlign(platform::TA_RIGHT);
    x = TextRect.Right;
    break;
  case taCenter:
    canvas.SetTextAlign(platform::TA_CENTER);
    x = (TextRect.Left + TextRect.Right) / 2;
    break;
  }

  const bool blackAndWhite = BlackAndWhiteApplies();
  for (const QString& line : Lines) {
    if (!blackAndWhite && Style != tsNormal) {
      font.SetColor(OnPaper() ? platform::clSilver : platform::clWhite);
      const int shift = Style == tsLowered ? u : -u;
      canvas.TextOut(x + shift, y + shift, line);
    }
    platform::TColor color = blackAndWhite ? platform::clBlack : Font.Color();
    if (OnPaper() && color == platform::clWhite)
      color = platform::clBlack;
    font.SetColor(color);
    canvas.TextOut(x, y, line);
    y += step;
  }
}

}  // namespace plot
