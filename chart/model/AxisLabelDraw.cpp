// The text of an axis' labels and title: aligned away from the axis by the angle, lines stacked
// and centred, at the axis' depth.

#include "chart/model/ChartAxis.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ParentChart.h"
#include "chart/support/TextLines.h"
#include "platform/CanvasRounding.h"

#include <QStringList>

namespace chart {

void TCustomChartAxis::DrawAxisLabel(int x, int y, int angle, const QString& text)
{
  const TAxisSide side = Side();
  const bool farSide = side == TAxisSide::Top || side == TAxisSide::Right || side == TAxisSide::Depth;
  DrawAxisLabelAt(x, y, farSide && chart_ != nullptr ? chart_->Width3D() : 0, angle, text);
}

void TCustomChartAxis::DrawAxisLabelAt(int x, int y, int z, int angle, const QString& text)
{
  if (chart_ == nullptr)
    return;
  using platform::TA_BOTTOM;
  using platform::TA_CENTER;
  using platform::TA_LEFT;
  using platform::TA_RIGHT;
  using platform::TA_TOP;
  TTeeCanvas3D& canvas = chart_->Canvas();
  platform::TFont& font = canvas.Font();
  if (chart_->IsPrinting() && platform::ColorToRGB(font.Color()) == platform::clWhite)
    font.SetColor(platform::clBlack);
  canvas.Brush().SetColor(chart_->Color());
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);

  const QStringList lines = text.split(QChar(kLineSeparator));
  const int n = static_cast<int>(lines.size());
  const int height = canvas.FontHeight();
  const int f = (angle == 180 || angle == 270) ? -height : height;
  const int halfHeight = height / 2;
  const bool r = !otherSide_;
  unsigned align = TA_LEFT | TA_TOP;

  if (isDepth_) {
    // Depth labels lie on the floor, left-top at their depth.
    canvas.SetTextAlignment(TA_LEFT | TA_TOP);
    for (const QString& line : lines) {
      if (angle == 0)
        canvas.WriteText3D(x, y, z, line);
      else
        canvas.RotatedText3D(x, y, z, line, angle);
      y += height;
    }
    return;
  }
  if (horizontal_) {
    switch (angle) {
    case 0:
      align = r ? TA_CENTER | TA_TOP : TA_CENTER | TA_BOTTOM;
      y -= r ? f : n * f;
      break;
    case 90:
      align = r ? TA_RIGHT : TA_LEFT;
      x -= halfHeight;
      x -= platform::SafeRound(f * (n + 1) / 2.0);
      break;
    case 180:
      align = r ? TA_CENTER | TA_BOTTOM : TA_CENTER | TA_TOP;
      y -= r ? n * f : f;
      break;
    case 270:
      align = r ? TA_LEFT : TA_RIGHT;
      x += halfHeight;
      x -= platform::SafeRound(f * (n + 1) / 2.0);
      break;
    default:
      break;
    }
  } else {
    switch (angle) {
    case 0:
      align = r ? TA_RIGHT : TA_LEFT;
      y -= halfHeight;
      y -= platform::SafeRound(f * (n + 1) / 2.0);
      break;
    case 90:
      align = r ? TA_CENTER | TA_BOTTOM : TA_CENTER | TA_TOP;
      x -= r ? n * f : f;
      break;
    case 180:
      align = r ? TA_LEFT : TA_RIGHT;
      y += halfHeight;
      y -= platform::SafeRound(f * (n + 1) / 2.0);
      break;
    case 270:
      align = r ? TA_CENTER | TA_TOP : TA_CENTER | TA_BOTTOM;
      x -= r ? f : n * f;
      break;
    default:
      break;
    }
  }
  canvas.SetTextAlignment(align);
  for (const QString& line : lines) {
    switch (angle) {
    case 0:
      y += f;
      canvas.WriteText3D(x, y, z, line);
      break;
    case 90:
    case 270:
      x += f;
      canvas.RotatedText3D(x, y, z, line, angle);
      break;
    case 180:
      y += f;
      canvas.RotatedText3D(x, y, z, line, angle);
      break;
    default:
      canvas.RotatedText3D(x, y, z, line, angle);
      y += f;
      break;
    }
  }
  canvas.SetTextAlignment(TA_LEFT | TA_TOP);
}

}  // namespace chart
