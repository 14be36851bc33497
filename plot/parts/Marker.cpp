#include "plot/parts/Marker.h"

#include "plot/graph/Graph.h"
#include "plot/graph/GraphFile.h"
#include "plot/graph/SeriesLayer.h"
#include "plot/support/ColorShades.h"

#include "platform/MessageDlg.h"

#include <cstdint>
#include <string>

namespace plot {

using platform::TColor;

TMarker::TMarker(TGraph& graph, TLayer* series, int style, int size, TColor color)
    : Graph(&graph), Style(static_cast<std::uint8_t>(style)), Size(size), Color(color), Visible(true), Series(series)
{
}

std::unique_ptr<TMarker> TMarker::CreateBlank(TGraph& graph) { return std::unique_ptr<TMarker>(new TMarker(graph)); }

void TMarker::Assign(const TMarker& source)
{
  Series = source.Series;
  Style = source.Style;
  Size = source.Size;
  Color = source.Color;
  Color2 = source.Color2;
  Visible = source.Visible;
  Highlighted = source.Highlighted;
  HighlightMode = source.HighlightMode;
}

TColor TMarker::GetDrawColor() const
{
  if (Highlighted && HighlightMode == 0)
    return LightenColor(Color, 128);
  if (Highlighted && HighlightMode == 1)
    return DarkenColor(Color, 128);
  if (const TSeriesLayer* series = AsSeries(Series); series && !series->GetPointColors())
    return series->GetMarkerColor();
  return Color;
}

int TMarker::SymbolSize(int fontSize) const
{
  platform::TCanvas& canvas = *Graph->Canvas;
  canvas.Font().SetSize(fontSize);
  return canvas.TextHeight(QStringLiteral("("));
}

void TMarker::Draw(double x, double y) const
{
  int index = 0;
  int count = 1;
  if (Graph->Depth != 0) {
    index = Graph->GetDepthIndex(Series);
    count = Graph->GetDepthCount();
  }
  const int s = SymbolSize(Size);
  int px = Graph->XToScreen(x);
  int py = Graph->YToScreen(y);
  if (Graph->View3D > 0 && count > 0) {
    const int shift = Graph->GetDepthShift(index, count);
    px += shift;
    py -= shift;
  }
  DrawSymbol(px, py, Style, s, GetDrawColor());
}

void TMarker::DrawAtPixel(int x, int y, int fontSize) const { DrawSymbol(x, y, Style, SymbolSize(fontSize), GetDrawColor()); }

namespace {

const char* const kMarkerClass = "TMarker";

}  // namespace

void TMarker::SaveToFile(TGraphFileWriter& file) const
{
  const auto flag = [](bool b) { return b ? std::string("1") : std::string("0"); };
  file.WriteLine(kMarkerClass);
  file.WriteLine(std::to_string(Style) + ' ' + std::to_string(Size) + ' ' + std::to_string(static_cast<int>(Color)) +
                 ' ' + std::to_string(static_cast<int>(Color2)) + ' ' + flag(Visible) + ' ' + flag(Highlighted) + ' ' +
                 std::to_string(HighlightMode));
  file.WriteLine(kMarkerClass);
}

std::unique_ptr<TMarker> TMarker::CreateFromFile(TGraph& graph, TLayer* series, TGraphFileReader& file)
{
  auto marker = std::make_unique<TMarker>(graph, series, 0, 0, platform::clBlack);
  try {
    ++graph.LoadLineNo;
    TLineFields fields = file.ReadFields();
    marker->Style = static_cast<std::uint8_t>(fields.ReadInteger() & 0xFF);
    marker->Size = fields.ReadInteger();
    marker->Color = static_cast<TColor>(fields.ReadInteger(INT32_MIN, UINT32_MAX));
    marker->Color2 = static_cast<TColor>(fields.ReadInteger(INT32_MIN, UINT32_MAX));
    marker->Visible = fields.ReadInteger() == 1;
    marker->Highlighted = fields.ReadInteger() == 1;
    marker->HighlightMode = fields.ReadInteger();
    fields.Rest();
    ++graph.LoadLineNo;
    if (QString::fromLatin1(file.ReadLine()).trimmed() != QLatin1String(kMarkerClass))
      throw EGraphFileError(file.LineNo());
  } catch (const EGraphFileError&) {
    platform::MessageDlg(LoadErrorMessage(graph.LoadErrorFormat, QString::fromLatin1(kMarkerClass), graph.LoadLineNo),
                         platform::mtError, platform::mbOK);
  }
  return marker;
}

}  // namespace plot
