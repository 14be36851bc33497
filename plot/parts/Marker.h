#pragma once
// The point symbol of the plotting library: the mark at a data point of a series, the symbol of a
// legend entry and of shape figures. Style 0..51 selects one of 27 shapes (28..51 draw as 1..24);
// the size is a font size, so symbols scale with the output device.

#include "platform/Color.h"

#include <cstdint>
#include <memory>

namespace plot {

class TGraph;
class TLayer;
class TGraphFileReader;
class TGraphFileWriter;

// The brush colour that always fills black.
inline constexpr platform::TColor kBlackFillColor = 0x654321;

class TMarker {
public:
  TMarker(TGraph& graph, TLayer* series, int style, int size, platform::TColor color);
  // Only the graph: everything zero and invisible, to be read from a file.
  static std::unique_ptr<TMarker> CreateBlank(TGraph& graph);

  // Everything but the graph.
  void Assign(const TMarker& source);
  // The fill colour: lighter or darker when highlighted, the series' marker colour when the
  // series does not colour its points one by one, else Color.
  platform::TColor GetDrawColor() const;

  // At a world point of the active axes, shifted by the series' 3-D depth.
  void Draw(double x, double y) const;
  // At a pixel point, the symbol measured at fontSize.
  void DrawAtPixel(int x, int y, int fontSize) const;
  // One symbol of pixel size s centred on (x, y); color fills the inner parts of two-part shapes.
  void DrawSymbol(int x, int y, int style, int s, platform::TColor color) const;

  // The three-line block of the graph text file. CreateFromFile starts after the first line; a
  // line it can't read is reported in a message box and the values read before it stay.
  static std::unique_ptr<TMarker> CreateFromFile(TGraph& graph, TLayer* series, TGraphFileReader& file);
  void SaveToFile(TGraphFileWriter& file) const;

  TGraph* Graph;
  std::uint8_t Style = 0;
  int Size = 0;
  platform::TColor Color = platform::clBlack;
  bool Visible = false;
  platform::TColor Color2 = platform::clBlack;  // outline
  TLayer* Series = nullptr;                      // not owned
  bool Highlighted = false;
  int HighlightMode = 0;  // 0 lighter, 1 darker, else unchanged

private:
  explicit TMarker(TGraph& graph) : Graph(&graph) {}
  int SymbolSize(int fontSize) const;
};

// The shape a style draws: 1..27, or 0 for none (styles 28..54 are 1..27 again).
int MarkerShape(int style);

}  // namespace plot
