#include "plot/parts/Legend.h"

#include "plot/graph/Graph.h"
#include "plot/parts/LegendFont.h"

#include "platform/CanvasRounding.h"

#include <algorithm>

namespace plot {

using platform::SafeRound;

bool PointInPixelRect(const platform::TRect& r, platform::TPoint p)
{
  return r.Left <= p.X && p.X <= r.Right && r.Top <= p.Y && p.Y <= r.Bottom;
}

TAbstractLegend::TAbstractLegend(TGraph& graph, const QString& name, int charset) : TLayer(graph)
{
  Name = name;
  Color = platform::clWhite;
  Font.SetName(QStringLiteral("Arial"));
  Font.SetSize(8);
  Font.SetColor(platform::clBlack);
  Font.SetCharset(charset);
}

void TAbstractLegend::SetVisible(bool value)
{
  if (value == Visible)
    return;
  Visible = value;
  if (Graph->Plot && Graph->Plot->LiveUpdate())
    Graph->Paint();
}

int TAbstractLegend::GetLineHeight() const
{
  TLegendFontScope font(*Graph, Font, false);
  return SafeRound(1.3 * font.Canvas.TextHeight(QStringLiteral("()")));
}

TWLegend::TWLegend(TGraph& graph, int charset) : TAbstractLegend(graph, QStringLiteral("Legend"), charset) {}

int TWLegend::Add(std::unique_ptr<TLegend> entry)
{
  if (!entry)
    return -1;
  Entries.push_back(std::move(entry));
  return GetCount() - 1;
}

int TWLegend::IndexOf(const TLegend* entry) const
{
  for (int i = 0; i < GetCount(); ++i)
    if (Entries[i].get() == entry)
      return i;
  return -1;
}

int TWLegend::IndexOfSeries(const TLayer* series) const
{
  for (int i = 0; i < GetCount(); ++i)
    if (Entries[i]->Layer == series)
      return i;
  return -1;
}

int TWLegend::IndexOfCaption(const QString& text) const
{
  for (int i = 0; i < GetCount(); ++i)
    if (Entries[i]->Caption == text)
      return i;
  return -1;
}

void TWLegend::Delete(int index)
{
  if (index >= 0 && index < GetCount())
    Entries.erase(Entries.begin() + index);
}

int TWLegend::GetMaxEntryWidth() const
{
  if (Entries.empty())
    return 0;
  int widest = 0;
  for (const auto& entry : Entries)
    widest = std::max(widest, entry->GetWidth());
  return widest + 3;
}

TColorLegend::TColorLegend(TGraph& graph, int charset) : TAbstractLegend(graph, QStringLiteral("ColorLegend"), charset)
{
}

int TColorLegend::GetCount() const { return Layer && (Layer->GetColorMap() || Layer->ColorLegend) ? 1 : 0; }

}  // namespace plot
