#include "chart/panel/CustomChart.h"

#include "chart/model/ChartSeries.h"
#include "chart/panel/ChartLegend.h"
#include "chart/support/Messages.h"

namespace chart {

TCustomChart::TCustomChart(QWidget* parent)
    : TCustomAxisPanel(parent),
      title_(std::make_unique<TChartTitle>(this)),
      foot_(std::make_unique<TChartTitle>(this)),
      backWall_(std::make_unique<TChartWall>(this)),
      leftWall_(std::make_unique<TChartWall>(this, 0x80FFFF)),
      bottomWall_(std::make_unique<TChartWall>(this, platform::clWhite)),
      legend_(std::make_unique<TChartLegend>(*this))
{
  backWall_->Brush().SetStyle(platform::TBrushStyle::bsClear);
}

TCustomChart::~TCustomChart()
{
  // Series leaving the chart ask it whether it goes: they must find it whole.
  destroying_ = true;
  FreeAllSeries();
}

void TCustomChart::SetBackColor(TColor color)
{
  backWall_->SetColor(color);
  if (parentWidget() != nullptr)
    backWall_->Brush().SetStyle(platform::TBrushStyle::bsSolid);
}

void TCustomChart::SetBackImageInside(bool on)
{
  if (backImageInside_ == on)
    return;
  backImageInside_ = on;
  Invalidate();
}

void TCustomChart::Assign(const TCustomTeePanel& source)
{
  if (const auto* chart = dynamic_cast<const TCustomChart*>(&source)) {
    backImageInside_ = chart->backImageInside_;
    backWall_->Assign(*chart->backWall_);
    bottomWall_->Assign(*chart->bottomWall_);
    leftWall_->Assign(*chart->leftWall_);
    legend_->Assign(*chart->legend_);
    foot_->Assign(*chart->foot_);
    title_->Assign(*chart->title_);
  }
  TCustomAxisPanel::Assign(source);
}

int TCustomChart::AxisWallSize(const TCustomChartAxis& axis) const
{
  if (!View3D() || !View3DWalls())
    return 0;
  if (&axis == &LeftAxis())
    return leftWall_->Size();
  if (&axis == &BottomAxis())
    return bottomWall_->Size();
  return 0;
}

int TCustomChart::SideWallSize(bool leftWall) const
{
  if (!View3D() || !View3DWalls())
    return 0;
  return leftWall ? leftWall_->Size() : bottomWall_->Size();
}

int TCustomChart::BackWallDepth() const { return View3DWalls() ? backWall_->Size() : 0; }

void TCustomChart::SetAxesAndWalls(bool on)
{
  SetAxisVisible(on);
  SetView3DWalls(on);
  Frame().SetVisible(on);
  if (!on)
    backWall_->Brush().SetStyle(platform::TBrushStyle::bsClear);
  SetAllowZoom(on);
  SetAllowPanning(on ? TPanningMode::pmBoth : TPanningMode::pmNone);
}

bool TCustomChart::IsFreeSeriesColor(TColor color, bool checkBackground) const
{
  for (int i = 0; i < SeriesCount(); ++i)
    if (SeriesAt(i).SeriesColor() == color)
      return false;
  return !(checkBackground && (color == Color() || color == BackColor()));
}

QString TCustomChart::AxisTitleOrName(const TCustomChartAxis& axis) const
{
  if (!axis.Title().Caption().isEmpty())
    return axis.Title().Caption();
  if (axis.IsDepth())
    return QString::fromLatin1(msg::DepthAxis);
  if (axis.Horizontal())
    return QString::fromLatin1(axis.OtherSide() ? msg::TopAxis : msg::BottomAxis);
  return QString::fromLatin1(axis.OtherSide() ? msg::RightAxis : msg::LeftAxis);
}

void TCustomChart::ListSourceValueNames(const TChartSeries& item, const std::function<void(const QString&)>& proc)
{
  const TChartSeries* source = item.DataSource();
  if (source == nullptr)
    return;
  for (int i = 0; i < source->ValueListCount(); ++i)
    proc(source->ValueList(i).Name());
}

void TCustomChart::ExchangeSeries(int index1, int index2)
{
  SeriesList().Exchange(index1, index2);
  Invalidate();
}

void TCustomChart::LegendValueText(const TChartSeries& series, int valueIndex, QString& text) const
{
  text = legend_->PointLegendText(&series, valueIndex);
}

void TCustomChart::DrawBackImage(const TRect& r)
{
  if (!backImageInside_)
    TCustomAxisPanel::DrawBackImage(r);
}

}  // namespace chart
