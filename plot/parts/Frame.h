#pragma once
// The frame of the plot area: it fills the area with the graph's colour, outlines it, borders it
// when thick, and in the 3-D view draws the back wall, the left wall, the floor and bevelled bands.

#include "plot/support/GraphAbstract.h"

namespace plot {

class TGraph;

// The frame colour that stands for the graph's colour.
inline constexpr platform::TColor kFrameGraphColor = 0x20000000;

class TGraphFrame : public TGraphAbstract {
public:
  explicit TGraphFrame(TGraph& graph) : Graph(&graph) { Color = kFrameGraphColor; }

  // Width below 2 is pixels; from 2 on it counts heights of "a" at size 1 on the target canvas.
  int GetPixelWidth() const;
  // The graph's colour for kFrameGraphColor; black under the black-and-white print rule.
  platform::TColor GetColor() const override;
  void Draw() override;

  TGraph* Graph;
  int Width = 1;

private:
  void DrawFlat(int w, platform::TColor outline);
  void Draw3D(int w);
};

}  // namespace plot
