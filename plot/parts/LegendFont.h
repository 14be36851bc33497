#pragma once
// A legend font on a graph's target canvas for as long as the scope lives.

#include "platform/Canvas.h"

namespace plot {

class TGraph;

// Puts the font (with the graph's character set, at half size in the print preview when asked)
// on the target canvas and gives the canvas font back at the end.
class TLegendFontScope {
public:
  TLegendFontScope(const TGraph& graph, const platform::TFont& font, bool halfInPreview);
  ~TLegendFontScope();
  TLegendFontScope(const TLegendFontScope&) = delete;
  TLegendFontScope& operator=(const TLegendFontScope&) = delete;

  platform::TCanvas& Canvas;

private:
  platform::TFontData saved_;
};

}  // namespace plot
