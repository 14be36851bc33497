#include "plot/axes/TickWalk.h"

#include "plot/axes/Axis.h"
#include "plot/graph/Graph.h"
#include "plot/support/NumberText.h"

#include "platform/CanvasRounding.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace plot {

using platform::SafeRound;

namespace {

bool IsWhole(double v) { return std::trunc(v) == v; }

// A tick count from a span in decades, at most kMaxTickCount.
int DecadeTicks(long double decades)
{
  return std::min(SafeRound(std::fabs(decades) * kLogTicksPerDecade), kMaxTickCount - 1) + 1;
}

}  // namespace

TTickWalk::TTickWalk(TAxis& axis)
    : Low(axis.RangeLow()), High(axis.RangeHigh()), axis_(axis), log_(axis.Log)
{
  if (!std::isfinite(Low) || !std::isfinite(High))
    return;
  TGraph& graph = *axis.Graph;
  const bool zoomed = !graph.Zoom.Stack.empty();
  const double m = Low;
  const double M = High;
  t_ = axis.FirstTick;
  count_ = std::clamp(axis.TickCount, 0, kMaxTickCount);
  if (log_) {
    long double e0;
    axis.MajorEvery = kLogTicksPerDecade;
    if (axis.Horizontal()) {
      e0 = IsWhole(m) ? m : std::nearbyint(m - 0.5L);
      axis.TickCount = DecadeTicks(static_cast<long double>(M) - (IsWhole(m) ? m : e0));
    } else if (!zoomed) {
      e0 = axis.FirstTick;
      axis.TickCount = DecadeTicks(std::trunc(static_cast<long double>(M)) - std::trunc(static_cast<long double>(m)));
    } else {
      const long double below = std::nearbyint(m - 0.5L);
      e0 = IsWhole(m) ? m : (axis.Inverted ? std::nearbyint(static_cast<long double>(M)) : below);
      axis.TickCount = DecadeTicks(static_cast<long double>(M) - (IsWhole(m) ? m : below));
    }
    count_ = axis.TickCount;
    p_ = std::pow(10.0L, e0);
    if (!std::isfinite(p_) || p_ == 0)
      count_ = 0;
  }
  if (axis.LabelsStyle == asInteger) {
    if (axis.TickCount == 0) {
      count_ = 0;
      return;
    }
    // From the smaller end, so an inverted axis has its ticks too.
    const long double first = std::min(m, M);
    if (zoomed || graph.IsEmpty() || std::fabs(static_cast<long double>(m) - M) <= 10)
      t_ = std::nearbyint(axis.Horizontal() ? first - 0.5L : first + 0.5L);
  }
}

bool TTickWalk::IsMajor(int i) const { return (i - 1) % std::max(axis_.MajorEvery, 1) == 0; }

double TTickWalk::LogValue() const { return axis_.Graph->SafeLog10(static_cast<double>(p_)); }

void TTickWalk::StartTick(int i)
{
  if (!log_ || !IsMajor(i))
    return;
  const bool downwards = axis_.Inverted && axis_.Horizontal();
  axis_.TickStep = static_cast<double>(downwards ? -p_ / 10 : p_);
}

void TTickWalk::Advance()
{
  t_ += axis_.TickStep;
  if (log_)
    p_ += axis_.TickStep;
}

namespace {

QString DateLabel(long double day)
{
  static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
  if (!std::isfinite(day) || std::fabs(day) > 3e6)
    return {};
  const QDateTime at = epoch.addMSecs(static_cast<qint64>(std::llround(day * 86400000.0L)));
  const QLocale locale = QLocale::system();
  if (std::trunc(day) == day)
    return locale.toString(at.date(), QLocale::ShortFormat);
  return locale.toString(at, QLocale::ShortFormat);
}

}  // namespace

QString TTickWalk::Label()
{
  if (log_)
    return QStringLiteral("10");
  if (axis_.LabelsStyle == asDate)
    return DateLabel(t_);
  // The X axes take the value as its 21-digit text gives it, also for the following ticks.
  if (axis_.Horizontal()) {
    const std::string text = FloatToLabelText(21, 1, static_cast<double>(t_));
    if (!text.empty())
      t_ = std::strtold(text.c_str(), nullptr);
  }
  return axis_.FormatLabel(axis_.Decimals, static_cast<double>(t_), axis_.TickStep);
}

QString TTickWalk::Exponent() const
{
  return axis_.FormatLabel(0, std::nearbyint(LogValue()), axis_.TickStep);
}

}  // namespace plot
