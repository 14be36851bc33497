#include "controls/small/RxClock.h"

#include "controls/small/CanvasPaint.h"

#include "platform/Canvas.h"
#include "platform/CanvasEdge.h"
#include "platform/CanvasImage.h"
#include "platform/Exceptions.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace controls {

using platform::TCanvas;
using platform::TColor;
using platform::TRect;

namespace {

constexpr int kClockInterval = 450;
constexpr int kDialRadius = 8000;

// 60 points on a circle of radius 8000, clockwise from twelve o'clock (square pixels).
const std::array<platform::TPoint, 60>& DialPoints()
{
  static const std::array<platform::TPoint, 60> points = [] {
    std::array<platform::TPoint, 60> p{};
    for (int i = 0; i < 60; ++i) {
      const double a = 6.0 * i * M_PI / 180.0;
      p[std::size_t(i)] = {int(std::lround(kDialRadius * std::sin(a))), int(std::lround(-kDialRadius * std::cos(a)))};
    }
    return p;
  }();
  return points;
}

}  // namespace

int DisplayHour(int hour, bool twelveHour)
{
  if (!twelveHour)
    return hour;
  if (hour == 0)
    return 12;
  return hour > 12 ? hour - 12 : hour;
}

QString ClockText(const QTime& time, bool leadingZero, bool showSeconds, bool twelveHour)
{
  const int hour = DisplayHour(time.hour(), twelveHour);
  QString text = leadingZero ? QString::asprintf("%02d", hour) : QString::number(hour);
  text += QString::asprintf(":%02d", time.minute());
  if (showSeconds)
    text += QString::asprintf(":%02d", time.second());
  if (twelveHour)
    text += time.hour() < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM");
  return text;
}

TRxClock::TRxClock(QWidget* parent) : CustomControl(parent), timer_(std::make_unique<TRxTimer>())
{
  resize(64, 16);
  SetColor(platform::clBtnFace);
  font_.SetName(QStringLiteral("MS Sans Serif"));
  font_.SetSize(8);
  font_.OnChange = [this] {
    if (autoSize_)
      UpdateFontSize();
    Invalidate();
  };
  timer_->SetInterval(kClockInterval);
  timer_->SetOnTimer([this] { ClockTick(); });
}

TRxClock::~TRxClock()
{
  // The timer goes first: no tick reaches a clock that is being destroyed.
  timer_.reset();
}

void TRxClock::SetShowMode(TShowClock mode)
{
  showMode_ = mode;
  Invalidate();
}

void TRxClock::SetShowSeconds(bool on)
{
  showSeconds_ = on;
  if (autoSize_)
    UpdateFontSize();
  Invalidate();
}

void TRxClock::SetLeadingZero(bool on)
{
  leadingZero_ = on;
  Invalidate();
}

void TRxClock::SetTwelveHour(bool on)
{
  twelveHour_ = on;
  if (autoSize_)
    UpdateFontSize();
  Invalidate();
}

void TRxClock::SetDotsColor(TColor color)
{
  dotsColor_ = color;
  Invalidate();
}

void TRxClock::SetAutoSize(bool on)
{
  autoSize_ = on;
  if (on)
    UpdateFontSize();
  Invalidate();
}

void TRxClock::SetBevels(TBevelCut inner, TBevelCut outer)
{
  bevelInner_ = inner;
  bevelOuter_ = outer;
  Invalidate();
}

void TRxClock::SetAlarmHour(int hour)
{
  SetAlarmTime(hour, AlarmMinute(), AlarmSecond());
}

void TRxClock::SetAlarmMinute(int minute)
{
  SetAlarmTime(AlarmHour(), minute, AlarmSecond());
}

void TRxClock::SetAlarmSecond(int second)
{
  SetAlarmTime(AlarmHour(), AlarmMinute(), second);
}

void TRxClock::SetAlarmTime(int hour, int minute, int second)
{
  if (hour < 0 || hour > 23 || minute < 0 || minute >= 60 || second < 0 || second >= 60)
    throw platform::Exception(QStringLiteral("''%1:%2:%3'' is not a valid time").arg(hour).arg(minute).arg(second));
  alarmTime_ = QTime(hour, minute, second);
  alarmArmed_ = GetTime() < alarmTime_ || alarmTime_ == QTime(0, 0, 0);
}

QTime TRxClock::GetTime() const
{
  QTime time = QTime::currentTime();
  if (OnGetTime)
    OnGetTime(time);
  return time;
}

void TRxClock::DoAlarm()
{
  if (OnAlarm)
    OnAlarm();
}

void TRxClock::ClockTick()
{
  Invalidate();
  CheckAlarm();
}

void TRxClock::CheckAlarm()
{
  const QTime now = GetTime();
  if (alarmEnabled_ && now.hour() == alarmTime_.hour() && now.minute() == alarmTime_.minute() &&
      now.second() >= alarmTime_.second()) {
    if (!alarmArmed_)
      return;
    alarmArmed_ = false;
    DoAlarm();
    return;
  }
  alarmArmed_ = now < alarmTime_ || alarmTime_ == QTime(0, 0, 0);
}

void TRxClock::Resized()
{
  if (autoSize_)
    UpdateFontSize();
}

TRect TRxClock::FaceRect() const
{
  int inset = borderWidth_;
  if (bevelInner_ != bvNone)
    inset += bevelWidth_;
  if (bevelOuter_ != bvNone)
    inset += bevelWidth_;
  return {inset, inset, width() - inset, height() - inset};
}

void TRxClock::UpdateFontSize()
{
  const TRect r = FaceRect();
  const int h = r.Height() - 4;
  const int w = r.Width() - 30;
  if (h <= 0 || w <= 0)
    return;
  QString sample = QStringLiteral("88888");
  if (showSeconds_)
    sample += QStringLiteral("888");
  if (twelveHour_)
    sample += QStringLiteral(" AM");
  QImage probe(1, 1, QImage::Format_RGB32);
  platform::TImageCanvas canvas(probe);
  canvas.Font().Assign(font_);
  canvas.Font().SetHeight(-1000);
  const int measured = std::max(canvas.TextWidth(sample), 1);
  const int height = std::min(int(std::lround(h * 4.0 / 5.0)), int(std::lround(1000.0 * w / measured)));
  auto change = std::move(font_.OnChange);
  font_.SetHeight(-height);
  font_.OnChange = std::move(change);
}

void TRxClock::Paint(QPainter& painter)
{
  PaintThroughCanvas(painter, width(), height(), Color(), [this](TCanvas& canvas) {
    canvas.Brush().SetColor(Color());
    TRect r{0, 0, width(), height()};
    canvas.FillRect(r);
    PaintFrame(canvas, r);
    canvas.Font().Assign(font_);
    canvas.Pen().SetColor(font_.Color());
    if (showMode_ == scDigital)
      PaintDigital(canvas, r);
    else
      PaintAnalog(canvas, r);
  });
}

void TRxClock::PaintFrame(TCanvas& canvas, TRect& r) const
{
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone)
      return;
    const TColor light = platform::clBtnHighlight;
    const TColor dark = platform::clBtnShadow;
    platform::Frame3D(canvas, r, cut == bvRaised ? light : dark, cut == bvRaised ? dark : light, bevelWidth_);
  };
  bevel(bevelOuter_);
  r = {r.Left + borderWidth_, r.Top + borderWidth_, r.Right - borderWidth_, r.Bottom - borderWidth_};
  bevel(bevelInner_);
}

void TRxClock::PaintDigital(TCanvas& canvas, const TRect& r) const
{
  const QTime time = GetTime();
  const QString text = ClockText(time, leadingZero_, showSeconds_, twelveHour_);
  const bool twoDigits = DisplayHour(time.hour(), twelveHour_) >= 10 || leadingZero_;
  const int cells = std::min<int>((twoDigits ? 5 : 4) + (showSeconds_ ? 3 : 0), int(text.size()));
  const int cellWidth = canvas.TextWidth(QStringLiteral("8"));
  const int cellHeight = canvas.TextHeight(QStringLiteral("8"));
  const QString rest = text.mid(cells);
  const int total = cells * cellWidth + canvas.TextWidth(rest);
  int x = r.Left + (r.Width() - total) / 2;
  const int y = r.Top + (r.Height() - cellHeight) / 2;
  canvas.SetBkMode(platform::TBkMode::bmTransparent);
  canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
  for (int i = 0; i < cells; ++i, x += cellWidth) {
    const QString c = text.mid(i, 1);
    canvas.TextOut(x + (cellWidth - canvas.TextWidth(c)) / 2, y, c);
  }
  if (!rest.isEmpty())
    canvas.TextOut(x, y, rest);
}

void TRxClock::PaintAnalog(TCanvas& canvas, const TRect& face) const
{
  // A square dial inside the face.
  TRect r{face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1};
  const int side = std::min(r.Width(), r.Height());
  if (side <= 4)
    return;
  const int mark = std::max(2, side / 40);
  const int radius = (side - mark) / 2;
  const platform::TPoint centre{r.Left + r.Width() / 2, r.Top + r.Height() / 2};
  auto at = [&](int index, int percent) {
    const platform::TPoint& p = DialPoints()[std::size_t(((index % 60) + 60) % 60)];
    return platform::TPoint{centre.X + int(std::lround(double(p.X) * radius * percent / 100.0 / kDialRadius)),
                            centre.Y + int(std::lround(double(p.Y) * radius * percent / 100.0 / kDialRadius))};
  };
  for (int i = 0; i < 60; i += 5) {
    const platform::TPoint p = at(i, 100);
    canvas.Brush().SetColor(dotsColor_);
    canvas.FillRect({p.X - mark / 2, p.Y - mark / 2, p.X - mark / 2 + mark, p.Y - mark / 2 + mark});
  }
  auto hand = [&](int index, int halfWidth, int length, int tail) {
    const platform::TPoint tip = at(index, length);
    const platform::TPoint back = at(index + 30, tail);
    for (const platform::TPoint base : {at(index + 15, halfWidth), at(index + 45, halfWidth)}) {
      canvas.MoveTo(base.X, base.Y);
      canvas.LineTo(tip.X, tip.Y);
      canvas.MoveTo(base.X, base.Y);
      canvas.LineTo(back.X, back.Y);
    }
  };
  const QTime time = GetTime();
  hand((time.hour() % 12) * 5 + time.minute() / 12, 7, 60, 15);
  hand(time.minute(), 5, 80, 20);
  if (showSeconds_) {
    const platform::TPoint tip = at(time.second(), 80);
    canvas.MoveTo(centre.X, centre.Y);
    canvas.LineTo(tip.X, tip.Y);
  }
}

}  // namespace controls
