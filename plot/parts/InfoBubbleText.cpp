#include "plot/parts/InfoBubble.h"

#include "plot/graph/Graph.h"
#include "plot/graph/SeriesLayer.h"
#include "plot/support/NumberText.h"
#include "plot/support/ValueTemplate.h"

#include <algorithm>
#include <cmath>

namespace plot {

using platform::TPoint;

namespace {

// The styles whose bubble follows the line through the place.
bool FollowsLine(const TSeriesLayer& series, bool onPoint)
{
  switch (series.GetStyle()) {
  case kStyleLine:
  case kStylePiecewiseConstant:
  case kStyleArea:
  case kStyleMatrix:
    return true;
  case kStyleLineAndPoint:
    return !onPoint;
  default:
    return false;
  }
}

bool IsMissing(double value) { return !std::isfinite(value) || std::fabs(value) == MissingValue; }

QStringList CaptionLines(const QString& caption, const QString& separator)
{
  return caption.isEmpty() ? QStringList() : caption.split(separator);
}

// v when it lies between the two limits, else their middle.
double WithinOrMiddle(double v, double a, double b)
{
  return std::min(a, b) <= v && v <= std::max(a, b) ? v : (a + b) / 2;
}

}  // namespace

// The X and Y labels; false when they could not be read: the location is then marked deleted.
bool TGraphInfo::ReadLabels(TEntry& entry, TSeriesLayer& series, QString& xLabel, QString& yLabel) const
{
  const TInfoLocation& location = *entry.Location;
  try {
    xLabel = QStringLiteral("X");
    if (PointName)
      xLabel = series.GetPointName(series.IsMatrixSeries() ? series.NearestPointIndex(location.X, location.Y)
                                                           : location.PointIndex);
    yLabel = SeriesName ? series.Name : SeriesLabelText ? series.ValueLabel : QStringLiteral("Y");
  } catch (...) {
    entry.Caption = QString::fromLatin1(kDeletedCaption);
    entry.Location->Series = nullptr;
    return false;
  }
  if (!PointVisible)
    xLabel.clear();
  if (!SeriesVisible)
    yLabel.clear();
  return true;
}

TGraphInfo::TBubbleText TGraphInfo::SeriesText(const TEntry& entry, TSeriesLayer& series, const QString& xLabel,
                                               const QString& yLabel) const
{
  TGraph& graph = *Graph;
  const TInfoLocation& location = *entry.Location;
  const double x = location.X;
  const double y = location.Y;
  int s = 0;
  if (graph.Depth != 0)
    s = graph.GetDepthShift(graph.GetDepthIndex(&series), graph.GetDepthCount());
  TBubbleText text;
  double xValue = x;
  double yValue = 0;
  const bool followsLine = FollowsLine(series, location.OnPoint);
  if (followsLine) {
    const double lineY = series.InterpolateY(x, y);
    // Where no segment spans the place, the bubble points at the place itself.
    text.Anchor = TPoint{graph.XToScreen(x), graph.YToScreen(IsMissing(lineY) ? y : lineY)};
    if (graph.View3D != 0)
      text.Anchor = TPoint{text.Anchor->X + s, text.Anchor->Y - s};
    if (!xLabel.isEmpty() && !series.IsPlainSeries())
      xValue = series.NearestX(x, y);
    yValue = series.ValueAt(x, y);
  } else {
    switch (series.GetStyle()) {
    case kStyleBar: {
      const TFloatRect bar = series.GetBarRect(location.PointIndex);
      text.Anchor = TPoint{graph.XToScreen(WithinOrMiddle(x, bar.Left, bar.Right)),
                           graph.YToScreen(WithinOrMiddle(y, bar.Top, bar.Bottom))};
      break;
    }
    case kStyleDepthBar:
      text.Anchor = TPoint{graph.XToScreen(x) + s, graph.YToScreen(y)};
      break;
    case kStylePoints:
    case kStyleVolume:
    case kStyleLineAndPoint: {
      series.OnMarker = true;  // so that NearestX takes the nearest point
      const TFloatPoint p = series.GetPoint(location.PointIndex);
      text.Anchor = TPoint{graph.XToScreen(p.X) + s, graph.YToScreen(p.Y)};
      break;
    }
    default: {
      // A style without values shows its caption as the series words it, when there is one.
      const QString caption = entry.Caption.isEmpty() ? QString() : series.GetInfoCaption(entry.Caption, x, y);
      if (!caption.isEmpty()) {
        text.Lines.append(caption);
        text.Anchor = TPoint{graph.XToScreen(x), graph.YToScreen(y)};
      }
      return text;
    }
    }
    xValue = series.NearestX(x, y);
    yValue = series.ValueAt(xValue, y);
  }

  text.Lines = CaptionLines(entry.Caption, QStringLiteral("#"));
  QString xLine = ValueLine(xLabel, PointValue, xValue, FormatX);
  if (followsLine && series.IsPlainSeries() && PointValue && !FormatX.isEmpty() && !xLabel.isEmpty())
    xLine = xLabel + ValueText(xValue, FormatX);
  const QString yLine = ValueLine(yLabel, SeriesValue, yValue, FormatY);
  if (!xLine.isEmpty())
    text.Lines += xLine.split(QStringLiteral("||"));
  if (!yLine.isEmpty())
    text.Lines.append(yLine);
  return text;
}

// A layer other than a series: its caption, pointing at the place.
TGraphInfo::TBubbleText TGraphInfo::LayerText(const TEntry& entry) const
{
  const TInfoLocation& location = *entry.Location;
  return {CaptionLines(entry.Caption, QStringLiteral("||")),
          TPoint{Graph->XToScreen(location.X), Graph->YToScreen(location.Y)}};
}

// The template applied to the value, or the general format; "n/a" for a missing value.
QString TGraphInfo::ValueText(double value, const QString& format) const
{
  if (IsMissing(value))
    return QStringLiteral("n/a");
  if (!format.isEmpty())
    if (const auto text = FormatValueTemplate(format, value))
      return *text;
  return QString::fromLatin1(GeneralText(value, std::clamp(NumberOfGeneralDigits, 1, 18)));
}

QString TGraphInfo::ValueLine(const QString& label, bool showValue, double value, const QString& format) const
{
  if (!showValue)
    return label;
  const QString text = ValueText(value, format);
  return label.isEmpty() ? text : label + QStringLiteral(" = ") + text;
}

}  // namespace plot
