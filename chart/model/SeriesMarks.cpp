#include "chart/model/SeriesMarks.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartSeries.h"
#include "chart/model/SeriesChart.h"
#include "chart/support/ChartFont.h"
#include "chart/support/TextLines.h"

namespace chart {

TSeriesMarks::TSeriesMarks(TChartSeries& series)
    : series_(series),
      arrow_(std::make_unique<TChartArrowPen>([&series] { series.CanvasChanged(); })),
      frame_(std::make_unique<TChartPen>([&series] { series.CanvasChanged(); })),
      font_(NewChartFont([&series] { series.CanvasChanged(); }))
{
}

TSeriesMarks::~TSeriesMarks() = default;

void TSeriesMarks::SetArrowLength(int length) { series_.SetIntegerProperty(arrowLength_, length); }

void TSeriesMarks::SetBackColor(platform::TColor color) { series_.SetColorProperty(backColor_, color); }

void TSeriesMarks::SetClip(bool on) { series_.SetBooleanProperty(clip_, on); }

void TSeriesMarks::SetTransparent(bool on) { series_.SetBooleanProperty(transparent_, on); }

void TSeriesMarks::SetVisible(bool on) { series_.SetBooleanProperty(visible_, on); }

void TSeriesMarks::SetStyle(TSeriesMarksStyle style)
{
  if (style == style_) return;
  style_ = style;
  series_.Repaint();
}

bool TSeriesMarks::IsFontStored() const { return !IsStandardFont(*font_); }

void TSeriesMarks::Assign(const TSeriesMarks& source)
{
  arrow_->Assign(*source.arrow_);
  arrowLength_ = source.arrowLength_;
  backColor_ = source.backColor_;
  clip_ = source.clip_;
  font_->Assign(*source.font_);
  frame_->Assign(*source.frame_);
  style_ = source.style_;
  transparent_ = source.transparent_;
  visible_ = source.visible_;
  series_.Repaint();
}

void TSeriesMarks::ApplyPosition(int valueIndex, TSeriesMarkPosition& position)
{
  if (valueIndex < 0) return;
  if (positions_.size() <= std::size_t(valueIndex)) positions_.resize(std::size_t(valueIndex) + 1);
  auto& stored = positions_[std::size_t(valueIndex)];
  if (!stored) stored.emplace();
  if (stored->UserPlaced)
    position = *stored;
  else
    *stored = position;
}

void TSeriesMarks::Draw(int valueIndex, platform::TColor color, const QString& text, TSeriesMarkPosition& position)
{
  ApplyPosition(valueIndex, position);
  TSeriesChart* chart = series_.ParentChart();
  if (chart == nullptr) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  const bool is3D = chart->View3D();

  if (arrow_->Visible()) {
    canvas.ApplyChartPen(*arrow_);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    const platform::TColor back = chart->Color();
    if (canvas.Pen().Color() == color || canvas.Pen().Color() == back)
      canvas.Pen().SetColor(back == platform::clBlack ? platform::clWhite : platform::clBlack);
    if (is3D)
      canvas.Line3D(position.ArrowStart.X, position.ArrowStart.Y, position.ArrowEnd.X, position.ArrowEnd.Y, zPosition_);
    else
      canvas.DrawLine(position.ArrowStart.X, position.ArrowStart.Y, position.ArrowEnd.X, position.ArrowEnd.Y);
  }

  platform::TPoint topLeft = position.TopLeft;
  if (is3D) {
    // The box keeps its offset to the arrow's end, which is projected at the marks' depth.
    const platform::TPoint end = canvas.ChartToScreen(position.ArrowEnd.X, position.ArrowEnd.Y, zPosition_);
    topLeft.X += end.X - position.ArrowEnd.X;
    topLeft.Y += end.Y - position.ArrowEnd.Y;
  }

  int textTop = topLeft.Y;
  if (frame_->Visible() || !transparent_) {
    canvas.Brush().SetColor(backColor_);
    canvas.Brush().SetStyle(transparent_ ? platform::TBrushStyle::bsClear : platform::TBrushStyle::bsSolid);
    canvas.ApplyChartPen(*frame_);
    canvas.DrawRectangle(topLeft.X, topLeft.Y, topLeft.X + position.Width, topLeft.Y + position.Height);
    if (frame_->Visible()) textTop += frame_->Width();
  }

  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  canvas.SetTextAlignment(platform::TA_CENTER | platform::TA_TOP);
  const int lineHeight = canvas.FontHeight();
  const int centre = topLeft.X + position.Width / 2;
  int y = textTop;
  for (const QString& line : text.split(QChar(kLineSeparator))) {
    canvas.WriteText(centre, y, line);
    y += lineHeight;
  }
  canvas.SetTextAlignment(platform::TA_LEFT | platform::TA_TOP);
}

}  // namespace chart
