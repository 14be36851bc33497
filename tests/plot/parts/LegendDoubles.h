#pragma once
// Legend entries that draw a line and their marker as their symbol, as the series' entries do.

#include "../graph/GraphDoubles.h"

#include "plot/parts/Legend.h"

#include "platform/Cursors.h"
#include "platform/ScrollStrip.h"

namespace plot::test {

class TSymbolEntry : public TLegend {
public:
  TSymbolEntry(TGraph& graph, const QString& caption, TLayer* layer = nullptr, int style = 0,
               platform::TColor color = platform::clBlack)
      : TLegend(graph, caption)
  {
    Layer = layer;
    Color = color;
    Marker->Style = static_cast<std::uint8_t>(style);
    Marker->Color = color;
    Marker->Size = 6;
  }
  void DrawSymbol() override
  {
    platform::TCanvas& canvas = Graph->TargetCanvas();
    const int width = canvas.TextWidth(kLegendSymbolText);
    const int middle = Y + GetHeight() / 2;
    canvas.Pen().SetColor(Color);
    canvas.Pen().SetWidth(GetPenWidth());
    canvas.MoveTo(X + 2, middle);
    canvas.LineTo(X + width - 4, middle);
    canvas.Pen().SetWidth(1);
    Marker->DrawAtPixel(X + width / 2, middle, Marker->Size + 1);
  }
};

// A picture control that gives up the width of the legend's scroll strip while it shows, as the
// host's picture beside the strip does.
class TStripImage : public TRecordingGraphImage {
public:
  using TRecordingGraphImage::TRecordingGraphImage;
  int Width() const override
  {
    const int full = TRecordingGraphImage::Width();
    return Strip && Strip->StripVisible() ? full - Strip->StripWidth() : full;
  }
  void SetCursor(platform::TCursor cursor) override { Cursor = cursor; }
  const platform::TScrollStrip* Strip = nullptr;
  platform::TCursor Cursor = platform::crDefault;
};

// A graph on a recording canvas of the size given.
struct TLegendFixture {
  TStripImage image;
  TGraph graph;

  explicit TLegendFixture(int width = 400, int height = 300) : image(width, height), graph(nullptr, image, nullptr)
  {
    graph.ProcessMessages = [] {};
  }
  TTestSeries& AddSeries(const QString& name, std::vector<TFloatPoint> points)
  {
    auto series = std::make_unique<TTestSeries>(graph, name, std::move(points));
    TTestSeries& ref = *series;
    graph.AddLayer(std::move(series));
    return ref;
  }
  platform::TRecordingCanvas& Recording() { return image.Recording(); }
};

inline TSymbolEntry& AddEntry(TGraph& graph, const QString& caption, TLayer* layer = nullptr, int style = 0)
{
  auto entry = std::make_unique<TSymbolEntry>(graph, caption, layer, style);
  TSymbolEntry& ref = *entry;
  graph.Legend->Add(std::move(entry));
  return ref;
}

}  // namespace plot::test
