#include "chart/panel/CustomAxisPanel.h"

#include "chart/model/ChartSeries.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"
#include "chart/support/Palette.h"

#include <algorithm>
#include <cmath>

namespace chart {

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent) : TCustomTeePanelExtended(parent)
{
  auto bottom = std::make_unique<TChartAxis>(this);
  bottom->SetHorizontal(true);
  auto top = std::make_unique<TChartAxis>(this);
  top->SetHorizontal(true);
  top->SetOtherSide(true);
  auto left = std::make_unique<TChartAxis>(this);
  left->Title().SetAngle(90);
  left->SetDefaultTitleAngle(90);
  auto right = std::make_unique<TChartAxis>(this);
  right->Title().SetAngle(270);
  right->SetDefaultTitleAngle(270);
  right->SetOtherSide(true);
  auto depth = std::make_unique<TChartDepthAxis>(this);
  bottom_ = bottom.get();
  top_ = top.get();
  left_ = left.get();
  right_ = right.get();
  depth_ = depth.get();
  axes_.push_back(std::move(bottom));
  axes_.push_back(std::move(top));
  axes_.push_back(std::move(left));
  axes_.push_back(std::move(right));
  axes_.push_back(std::move(depth));
  SetApplyZOrder(true);
}

TCustomAxisPanel::~TCustomAxisPanel() { FreeAllSeries(); }

void TCustomAxisPanel::SetAxisVisible(bool on)
{
  if (axisVisible_ == on)
    return;
  axisVisible_ = on;
  Invalidate();
}

void TCustomAxisPanel::SetClipPoints(bool on)
{
  if (clipPoints_ == on)
    return;
  clipPoints_ = on;
  Invalidate();
}

void TCustomAxisPanel::SetView3DWalls(bool on)
{
  if (view3DWalls_ == on)
    return;
  view3DWalls_ = on;
  Invalidate();
}

void TCustomAxisPanel::SetScaleLastPage(bool on)
{
  if (scaleLastPage_ == on)
    return;
  scaleLastPage_ = on;
  Invalidate();
}

void TCustomAxisPanel::SetMaxPointsPerPage(int value)
{
  if (value < 0)
    throw ChartException(msg::MaxPointsPerPage);
  if (maxPointsPerPage_ != value) {
    maxPointsPerPage_ = value;
    Invalidate();
  }
  const int pages = NumPages();
  if (page_ > pages)
    SetPage(pages);
}

void TCustomAxisPanel::SetPage(int value)
{
  value = std::max(1, std::min(value, NumPages()));
  if (page_ == value)
    return;
  page_ = value;
  Invalidate();
  if (OnPageChange)
    OnPageChange();
}

void TCustomAxisPanel::Assign(const TCustomTeePanel& source)
{
  if (const auto* panel = dynamic_cast<const TCustomAxisPanel*>(&source)) {
    axisVisible_ = panel->axisVisible_;
    for (std::size_t i = 0; i < axes_.size() && i < panel->axes_.size(); ++i)
      axes_[i]->Assign(*panel->axes_[i]);
    clipPoints_ = panel->clipPoints_;
    maxPointsPerPage_ = panel->maxPointsPerPage_;
    page_ = panel->page_;
    scaleLastPage_ = panel->scaleLastPage_;
    view3DWalls_ = panel->view3DWalls_;
  }
  TCustomTeePanelExtended::Assign(source);
}

void TCustomAxisPanel::Invalidate()
{
  if (!seriesReady_)
    return;
  TCustomTeePanelExtended::Invalidate();
}

// Series

void TCustomAxisPanel::AddSeries(TChartSeries& series) { series.SetParentChart(this); }

void TCustomAxisPanel::InsertSeries(TChartSeries& series)
{
  if (series_.Contains(series))
    return;
  if (series.SeriesColor() == platform::clDefault)
    series.SetSeriesColor(GetFreeSeriesColor(true));
  // Listed first: the series' own change of parent comes back here and finds it.
  series_.Add(series);
  if (series.ParentChart() != this)
    series.SetParentChart(this);
  CheckDataSource(series);
  Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries& series)
{
  if (!series_.Contains(series))
    return;
  series_.Remove(series);
  if (series.ParentChart() == this)
    series.SetParentChart(nullptr);
  if (CursorNumber() == series.Cursor())
    SetCursorNumber(OriginalCursor());
  Invalidate();
}

void TCustomAxisPanel::CheckDataSource(TChartSeries& series) { series.CheckDataSource(); }

void TCustomAxisPanel::FreeAllSeries()
{
  while (series_.Count() > 0)
    RemoveSeries(series_[0]);
}

TChartSeries* TCustomAxisPanel::FirstSeriesOnAxis(const TChartAxis& axis) const
{
  for (TChartSeries* s : series_)
    if (s->Active() && s->AssociatedToAxis(axis))
      return s;
  return nullptr;
}

int TCustomAxisPanel::MaxPointCount() const
{
  int result = 0;
  for (const TChartSeries* s : series_)
    if (s->Active())
      result = std::max(result, s->Count());
  return result;
}

TChartSeries* TCustomAxisPanel::ActiveLegendSeries(int n) const
{
  if (n < 0)
    return nullptr;
  for (TChartSeries* s : series_) {
    if (!s->Active() || !s->ShowInLegend())
      continue;
    if (n == 0)
      return s;
    --n;
  }
  return nullptr;
}

QString TCustomAxisPanel::SeriesLegendTitle(int n) const
{
  const TChartSeries* s = ActiveLegendSeries(n);
  return s != nullptr ? SeriesTitle(*s, n) : QString();
}

QString TCustomAxisPanel::SeriesTitle(const TChartSeries& series, int n) const
{
  if (!series.Title().isEmpty())
    return series.Title();
  if (!series.Name().isEmpty())
    return series.Name();
  return QStringLiteral("Series %1").arg(n);
}

bool TCustomAxisPanel::IsFreeSeriesColor(TColor color, bool checkBackground) const
{
  for (const TChartSeries* s : series_)
    if (s->SeriesColor() == color)
      return false;
  return !(checkBackground && color == Color());
}

TColor TCustomAxisPanel::GetFreeSeriesColor(bool checkBackground) const
{
  for (int i = 0; i < int(kDefaultPalette.size()); ++i)
    if (IsFreeSeriesColor(PaletteColor(i), checkBackground))
      return PaletteColor(i);
  return PaletteColor(0);
}

QString TCustomAxisPanel::LegendText(const TChartSeries& series, int valueIndex) const
{
  QString text;
  LegendValueText(series, valueIndex, text);
  return text;
}

void TCustomAxisPanel::GetAxisLabel(const TCustomChartAxis& axis, QString& text) const
{
  if (OnGetAxisLabel)
    OnGetAxisLabel(axis, nullptr, -1, text);
}

void TCustomAxisPanel::GetNextAxisLabel(const TCustomChartAxis& axis, int index, double& value, bool& stop) const
{
  if (OnGetNextAxisLabel)
    OnGetNextAxisLabel(axis, index, value, stop);
}

// 3-D sizes

void TCustomAxisPanel::CalcSize3D()
{
  SetApplyZOrder(true);
  if (!View3D()) {
    seriesWidth3D_ = seriesHeight3D_ = height3D_ = 0;
    SetWidth3D(0);
    return;
  }
  double q = Chart3DPercent() * 0.001;
  if (!View3DOptions().Orthogonal())
    q *= 2;
  seriesWidth3D_ = seriesHeight3D_ = int(std::lround(ChartWidth() * q));
  const int zSlots = std::max(1, maxZOrder_ + 1);
  SetWidth3D(zSlots * seriesWidth3D_);
  height3D_ = zSlots * seriesHeight3D_;
}

}  // namespace chart
