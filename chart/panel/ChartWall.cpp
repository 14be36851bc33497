#include "chart/panel/ChartWall.h"

#include "chart/model/ParentChart.h"

namespace chart {

TChartWall::TChartWall(TParentChart* chart, platform::TColor defaultColor)
    : chart_(chart),
      defaultColor_(defaultColor),
      color_(defaultColor),
      brush_([this] { Repaint(); }),
      pen_([this] { Repaint(); })
{
  brush_.SetStyle(platform::TBrushStyle::bsSolid);
}

void TChartWall::Repaint() const
{
  if (chart_ != nullptr)
    chart_->Invalidate();
}

void TChartWall::SetColor(platform::TColor color)
{
  if (color_ == color)
    return;
  color_ = color;
  Repaint();
}

void TChartWall::SetDark3D(bool on)
{
  if (dark3D_ == on)
    return;
  dark3D_ = on;
  Repaint();
}

void TChartWall::SetSize(int pixels)
{
  if (size_ == pixels)
    return;
  size_ = pixels;
  Repaint();
}

bool TChartWall::ShouldDarken() const
{
  return brush_.Style() != platform::TBrushStyle::bsClear && !brush_.HasBitmap() && dark3D_;
}

void TChartWall::Assign(const TChartWall& other)
{
  brush_.Assign(other.brush_);
  color_ = other.color_;
  dark3D_ = other.dark3D_;
  pen_.Assign(other.pen_);
  size_ = other.size_;
}

}  // namespace chart
