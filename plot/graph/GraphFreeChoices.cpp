#include "plot/graph/Graph.h"

#include "plot/graph/SeriesLayer.h"
#include "plot/support/ColorShades.h"

#include <algorithm>
#include <array>

namespace plot {

namespace {

constexpr std::array<platform::TColor, 16> kDefaultColors = {
    0x0000FF, 0xFF0000, 0x008000, 0x808000, 0x000080, 0x800000, 0x800080, 0x008080,
    0xC0C0C0, 0x808080, 0x000000, 0xFF00FF, 0x00FF00, 0xFFFF00, 0x00FFFF, 0xA8C1CE};

constexpr int kMarkerStyleCount = 51;

}  // namespace

// Each pass stops at its first colour not in use; when that one is the graph's colour, the pass
// gives nothing.
std::optional<platform::TColor> TGraph::GetFreeColor() const
{
  const auto inUse = [this](platform::TColor c) {
    return std::any_of(Layers.begin(), Layers.end(), [c](const auto& layer) { return layer && layer->GetColor() == c; });
  };
  const auto pass = [&](auto shade, bool avoidGraphColor) -> std::optional<platform::TColor> {
    for (const platform::TColor base : kDefaultColors) {
      const platform::TColor c = shade(base);
      if (inUse(c))
        continue;
      if (avoidGraphColor && c == Color)
        return std::nullopt;
      return c;
    }
    return std::nullopt;
  };
  if (auto c = pass([](platform::TColor c) { return c; }, true))
    return c;
  if (auto c = pass([](platform::TColor c) { return DarkenColor(c, 32); }, true))
    return c;
  return pass([](platform::TColor c) { return LightenColor(c, 32); }, false);
}

int TGraph::GetFreeMarkerStyle() const
{
  for (int style = 1; style <= kMarkerStyleCount; ++style) {
    const bool taken = std::any_of(Layers.begin(), Layers.end(), [style](const auto& layer) {
      const TSeriesLayer* series = AsSeries(layer.get());
      return series && series->GetMarkerStyle() == style;
    });
    if (!taken)
      return style;
  }
  return 1;
}

}  // namespace plot
