#pragma once
// The title above the plot and the foot below it: lines of text in one font, left, right or centred
// over the plot area, with an optional offset shadow.

#include "plot/support/GraphTypes.h"

#include "platform/CanvasTypes.h"
#include "platform/Font.h"

#include <QStringList>

namespace plot {

class TGraph;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TGraphTitle {
public:
  // atTop: the title (room at the top); otherwise the foot (room at the bottom).
  TGraphTitle(TGraph& graph, bool atTop, int charset);
  virtual ~TGraphTitle() = default;
  TGraphTitle(const TGraphTitle&) = delete;
  TGraphTitle& operator=(const TGraphTitle&) = delete;

  void Clear() { Lines.clear(); }
  void AddLine(const QString& line) { Lines.append(line); }
  // Takes the block of the lines, Round(h * n * 1.07) with h the height of "()", from the top
  // (title) or bottom (foot) of r.
  virtual void ReserveSpace(platform::TRect& r);
  // Aligns the lines over the final plot rectangle.
  void SetHorizontalBounds(const platform::TRect& r);
  virtual void Draw();

  TGraph* Graph;
  bool AtTop;
  bool Visible = true;
  QStringList Lines;
  platform::TFont Font;
  TAlignment Alignment = taLeftJustify;
  platform::TRect TextRect;
  TTitleStyle Style = tsNormal;

private:
  bool Shown() const { return Visible && !Lines.isEmpty(); }
};

}  // namespace plot
