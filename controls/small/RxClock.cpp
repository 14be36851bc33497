#include "controls/small/RxClock.h"

#include "platform/Canvas.h"
#include "platform/CanvasEdge.h"
#include "platform/CanvasImage.h"
#include "platform/Exceptions.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
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

// The screen's resolution and pixel densities (pixels per 100 mm), and the dial points made round on it.
struct DialData {
  int HorzRes = 1024;
  int VertRes = 768;
  double Hd = 1;
  double Vd = 1;
  std::array<platform::TPoint, 60> Points{};
};

const DialData& Dial()
{
  static const DialData data = [] {
    DialData d;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      d.HorzRes = std::max(screen->size().width(), 1);
      d.VertRes = std::max(screen->size().height(), 1);
      const QSizeF mm = screen->physicalSize();
      if (mm.width() > 0 && mm.height() > 0) {
        d.Hd = d.HorzRes * 100.0 / mm.width();
        d.Vd = d.VertRes * 100.0 / mm.height();
      }
    }
    for (int i = 0; i < 60; ++i) {
      const double a = 6.0 * i * M_PI / 180.0;
      d.Points[std::size_t(i)] = {int(std::lround(kDialRadius * std::sin(a))),
                                  int(std::lround(-kDialRadius * std::cos(a) * d.Vd / d.Hd))};
    }
    return d;
  }();
  return data;
}

// The lighter colour of the 3-D hour marks.
TColor LighterColor(TColor color)
{
  const TColor rgb = platform::ColorToRGB(color);
  std::uint8_t parts[3] = {platform::GetRValue(rgb), platform::GetGValue(rgb), platform::GetBValue(rgb)};
  for (std::uint8_t& v : parts) {
    if (v == 255)
      return platform::clBtnHighlight;
    v = v == 0 ? 0 : v == 192 ? 255 : std::uint8_t((v + 127) % 256);
  }
  return platform::RGB(parts[0], parts[1], parts[2]);
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

void TRxClock::Paint(TCanvas& canvas)
{
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
  const DialData& dial = Dial();
  // A physically square clock rectangle inside the face.
  TRect r{face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1};
  if (r.IsEmpty())
    return;
  if (r.Height() * dial.Hd / dial.Vd < r.Width()) {
    const int w = int(r.Height() * dial.Hd / dial.Vd);
    r.Left += (r.Width() - w) / 2;
    r.Right = r.Left + w;
  } else {
    const int h = int(r.Width() * dial.Vd / dial.Hd);
    r.Top += (r.Height() - h) / 2;
    r.Bottom = r.Top + h;
  }
  const int markW = std::max(2, r.Width() * 25 / dial.HorzRes);
  const int markH = std::max(1, int(markW * dial.Vd / dial.Hd));
  const TRect shrunk{r.Left + markH / 2, r.Top + markW / 2, r.Right - markH / 2, r.Bottom - markW / 2};
  const int radius = shrunk.Width() / 2;
  const platform::TPoint centre{shrunk.Left + shrunk.Width() / 2, shrunk.Top + shrunk.Height() / 2};
  if (radius <= 0)
    return;
  auto at = [&](int index, int percent) {
    const platform::TPoint& p = dial.Points[std::size_t(((index % 60) + 60) % 60)];
    return platform::TPoint{centre.X + int(std::lround(double(p.X) * radius * percent / 100.0 / kDialRadius)),
                            centre.Y + int(std::lround(double(p.Y) * radius * percent / 100.0 / kDialRadius))};
  };

  // Dial: hour marks, and minute marks when the hour marks are large enough.
  const bool bigMarks = markW > 2 || markH > 1;
  const TColor penColor = font_.Color();
  for (int i = 0; i < 60; ++i) {
    const platform::TPoint p = at(i, 100);
    if (i % 5 == 0) {
      TRect mark{p.X - markW / 2, p.Y - markH / 2, p.X - markW / 2 + markW, p.Y - markH / 2 + markH};
      if (bigMarks) {
        canvas.Brush().SetColor(dotsColor_);
        canvas.FillRect(mark);
        platform::Frame3D(canvas, mark, LighterColor(dotsColor_), platform::clWindowFrame, 1);
      } else {
        canvas.Brush().SetColor(penColor);
        canvas.FillRect(mark);
      }
    } else if (bigMarks) {
      canvas.Brush().SetColor(platform::clBtnShadow);
      canvas.FillRect({p.X - 1, p.Y - 1, p.X + 1, p.Y + 1});
      canvas.Brush().SetColor(platform::clBtnHighlight);
      canvas.FillRect({p.X, p.Y, p.X + 2, p.Y + 2});
      canvas.SetPixel(p.X, p.Y, platform::ColorToRGB(Color()));
    }
  }

  // Hands: four lines each, from the two base points to the tip and to the tail.
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
  canvas.Pen().SetColor(penColor);
  canvas.Pen().SetMode(platform::TPenMode::pmCopy);
  hand((time.hour() % 12) * 5 + time.minute() / 12, 7, 60, 15);
  hand(time.minute(), 5, 80, 20);
  if (showSeconds_) {
    // The second hand inverts what it crosses.
    canvas.Pen().SetMode(platform::TPenMode::pmNot);
    const platform::TPoint tip = at(time.second(), 80);
    canvas.MoveTo(centre.X, centre.Y);
    canvas.LineTo(tip.X, tip.Y);
    canvas.Pen().SetMode(platform::TPenMode::pmCopy);
  }
}

}  // namespace controls
