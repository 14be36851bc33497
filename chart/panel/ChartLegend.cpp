// The legend's settings, its items and their texts.
#include "chart/panel/ChartLegend.h"

#include "chart/model/ChartSeries.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"
#include "chart/support/TextLines.h"

#include <algorithm>

namespace chart {

namespace {

template <typename T>
bool Store(T& field, T value)
{
  if (field == value)
    return false;
  field = value;
  return true;
}

void CheckPercent(int value, const char* message)
{
  if (value < 0 || value > 100)
    throw LegendException(QString::fromLatin1(message));
}

}  // namespace

TCustomChartLegend::TCustomChartLegend(TCustomAxisPanel& chart)
    : TChartFontObject(&chart),
      chart_(chart),
      brush_(std::make_unique<TChartBrush>([this] { Invalidate(); })),
      dividingLines_(std::make_unique<TChartHiddenPen>([this] { Invalidate(); })),
      frame_(std::make_unique<TChartPen>([this] { Invalidate(); }))
{
}

TCustomChartLegend::~TCustomChartLegend() = default;

void TCustomChartLegend::Invalidate() const { chart_.Invalidate(); }

void TCustomChartLegend::SetAlignment(TLegendAlignment value)
{
  if (Store(alignment_, value))
    Repaint();
}

void TCustomChartLegend::SetBrush(const platform::TBrush& brush)
{
  brush_->SetData(brush.Data());
  Invalidate();
}

void TCustomChartLegend::SetColor(platform::TColor value)
{
  if (Store(color_, value))
    Invalidate();
}

void TCustomChartLegend::SetColorWidth(int value)
{
  if (value == colorWidth_)
    return;
  CheckPercent(value, msg::LegendColorWidth);
  colorWidth_ = value;
  Invalidate();
}

void TCustomChartLegend::SetFirstValue(int value)
{
  if (value == firstValue_)
    return;
  if (value < 0)
    throw LegendException(QString::fromLatin1(msg::FirstLegendValue));
  firstValue_ = value;
  Invalidate();
}

void TCustomChartLegend::SetHorizMargin(int value)
{
  if (Store(horizMargin_, value))
    Invalidate();
}

void TCustomChartLegend::SetInverted(bool value)
{
  if (Store(inverted_, value))
    Invalidate();
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle value)
{
  if (!Store(legendStyle_, value))
    return;
  ResolveStyle();
  Repaint();
}

void TCustomChartLegend::SetMaxNumRows(int value)
{
  if (Store(maxNumRows_, value))
    Invalidate();
}

void TCustomChartLegend::SetResizeChart(bool value)
{
  if (Store(resizeChart_, value))
    Invalidate();
}

void TCustomChartLegend::SetShadowColor(platform::TColor value)
{
  if (Store(shadowColor_, value))
    Invalidate();
}

void TCustomChartLegend::SetShadowSize(int value)
{
  if (Store(shadowSize_, value))
    Invalidate();
}

void TCustomChartLegend::SetTextStyle(TLegendTextStyle value)
{
  if (Store(textStyle_, value))
    Repaint();
}

void TCustomChartLegend::SetTopPos(int value)
{
  if (value == topPos_)
    return;
  CheckPercent(value, msg::LegendTopPos);
  topPos_ = value;
  Invalidate();
}

void TCustomChartLegend::SetVertMargin(int value)
{
  if (Store(vertMargin_, value))
    Invalidate();
}

void TCustomChartLegend::SetVisible(bool value)
{
  if (Store(visible_, value))
    Invalidate();
}

void TChartLegend::SetVisible(bool value) { TCustomChartLegend::SetVisible(value); }

void TCustomChartLegend::Assign(const TCustomChartLegend& other)
{
  alignment_ = other.alignment_;
  brush_->SetData(other.brush_->Data());
  color_ = other.color_;
  colorWidth_ = other.colorWidth_;
  dividingLines_->Assign(*other.dividingLines_);
  firstValue_ = other.firstValue_;
  frame_->Assign(*other.frame_);
  horizMargin_ = other.horizMargin_;
  inverted_ = other.inverted_;
  legendStyle_ = other.legendStyle_;
  maxNumRows_ = other.maxNumRows_;
  resizeChart_ = other.resizeChart_;
  shadowColor_ = other.shadowColor_;
  shadowSize_ = other.shadowSize_;
  textStyle_ = other.textStyle_;
  topPos_ = other.topPos_;
  vertMargin_ = other.vertMargin_;
  visible_ = other.visible_;
  ResolveStyle();
  TChartFontObject::Assign(other);
}

void TCustomChartLegend::Notify(int code)
{
  constexpr int kChanged = 0xB00B;
  constexpr int kRepaint = 0xB00D;
  if (code == kChanged || code == kRepaint)
    Repaint();
}

// Items

bool TCustomChartLegend::IsVertical() const
{
  return alignment_ == TLegendAlignment::laLeft || alignment_ == TLegendAlignment::laRight;
}

int TCustomChartLegend::ActiveSeriesCount() const
{
  int count = 0;
  for (int i = 0; i < chart_.SeriesCount(); ++i)
    count += chart_.SeriesAt(i).Active() ? 1 : 0;
  return count;
}

TChartSeries* TCustomChartLegend::FirstActiveSeries() const
{
  for (int i = 0; i < chart_.SeriesCount(); ++i)
    if (chart_.SeriesAt(i).Active())
      return &chart_.SeriesAt(i);
  return nullptr;
}

void TCustomChartLegend::ResolveStyle()
{
  if (legendStyle_ != TLegendStyle::lsAuto)
    resolvedStyle_ = legendStyle_;
  else
    resolvedStyle_ = ActiveSeriesCount() < 2 ? TLegendStyle::lsValues : TLegendStyle::lsSeries;
}

int TCustomChartLegend::TotalLegendItems() const
{
  int count = 0;
  if (resolvedStyle_ == TLegendStyle::lsValues) {
    const TChartSeries* first = FirstActiveSeries();
    if (first != nullptr && first->ShowInLegend())
      count = first->CountLegendItems();
  } else {
    while (chart_.ActiveLegendSeries(count) != nullptr)
      ++count;
  }
  return std::max(0, count - firstValue_);
}

int TCustomChartLegend::MaxLegendTextWidth(int count) const
{
  const int total = TotalLegendItems();
  const int n = count < 0 ? total : std::min(count, total);
  const TTeeCanvas3D& canvas = chart_.Canvas();
  int widest = 0;
  for (int i = firstValue_; i < firstValue_ + n; ++i)
    widest = std::max(widest, canvas.TextWidthOf(LegendText(i)));
  return widest;
}

QString TCustomChartLegend::PointLegendText(const TChartSeries* series, int valueIndex) const
{
  if (series == nullptr || valueIndex < 0)
    return {};
  QString text = series->LegendString(valueIndex, textStyle_);
  text.replace(QChar(kLineSeparator), QChar(' '));
  return text;
}

QString TCustomChartLegend::LegendText(int index) const
{
  QString text;
  switch (resolvedStyle_) {
  case TLegendStyle::lsValues: {
    const TChartSeries* first = FirstActiveSeries();
    if (first != nullptr && index >= 0 && index < first->CountLegendItems())
      text = PointLegendText(first, index);
    break;
  }
  case TLegendStyle::lsLastValues:
    if (const TChartSeries* s = chart_.ActiveLegendSeries(index))
      text = PointLegendText(s, s->Count() - 1);
    break;
  default:
    text = chart_.SeriesLegendTitle(index);
    break;
  }
  if (OnGetLegendText)
    OnGetLegendText(chart_, resolvedStyle_, index, text);
  return text;
}

}  // namespace chart
