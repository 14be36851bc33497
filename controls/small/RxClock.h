#pragma once
// A panel clock: the time of day as digits or as an analog dial, with a daily alarm. It repaints itself
// from its own threaded timer every 450 ms.

#include "controls/small/RxTimer.h"

#include "platform/CustomControl.h"
#include "platform/Font.h"

#include <QString>
#include <QTime>
#include <functional>
#include <memory>

namespace platform {
class TCanvas;
struct TRect;
}  // namespace platform

namespace controls {

enum TShowClock { scDigital, scAnalog };
enum TBevelCut { bvNone, bvLowered, bvRaised };

// The digits a digital face shows: "hh:mm[:ss][ AM|PM]" ("h:mm..." without leading zero).
QString ClockText(const QTime& time, bool leadingZero, bool showSeconds, bool twelveHour);
// The hour a digital face shows (12-hour: 0 -> 12, 13 -> 1).
int DisplayHour(int hour, bool twelveHour);

class TRxClock : public platform::CustomControl {
 public:
  explicit TRxClock(QWidget* parent = nullptr);
  ~TRxClock() override;

  // Face
  TShowClock ShowMode() const { return showMode_; }
  void SetShowMode(TShowClock mode);
  bool ShowSeconds() const { return showSeconds_; }
  void SetShowSeconds(bool on);
  bool LeadingZero() const { return leadingZero_; }
  void SetLeadingZero(bool on);
  bool TwelveHour() const { return twelveHour_; }
  void SetTwelveHour(bool on);
  platform::TColor DotsColor() const { return dotsColor_; }
  void SetDotsColor(platform::TColor color);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  platform::TFont& Font() { return font_; }

  // Panel frame
  TBevelCut BevelInner() const { return bevelInner_; }
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevels(TBevelCut inner, TBevelCut outer);
  int BevelWidth() const { return bevelWidth_; }
  int BorderWidth() const { return borderWidth_; }

  // Alarm: a part outside the day raises platform::Exception ("''h:m:s'' is not a valid time")
  bool AlarmEnabled() const { return alarmEnabled_; }
  void SetAlarmEnabled(bool on) { alarmEnabled_ = on; }
  int AlarmHour() const { return alarmTime_.hour(); }
  int AlarmMinute() const { return alarmTime_.minute(); }
  int AlarmSecond() const { return alarmTime_.second(); }
  void SetAlarmHour(int hour);
  void SetAlarmMinute(int minute);
  void SetAlarmSecond(int second);

  // The time shown: the current time, which OnGetTime may replace
  virtual QTime GetTime() const;
  std::function<void(QTime&)> OnGetTime;
  std::function<void()> OnAlarm;

  TRxTimer& ClockTimer() { return *timer_; }
  // One tick of the timer: repaint and check the alarm (runs on the main thread).
  void ClockTick();

 protected:
  void Paint(platform::TCanvas& canvas) override;
  void Resized() override;
  virtual void DoAlarm();

 private:
  void SetAlarmTime(int hour, int minute, int second);
  void CheckAlarm();
  void UpdateFontSize();
  platform::TRect FaceRect() const;
  void PaintFrame(platform::TCanvas& canvas, platform::TRect& r) const;
  void PaintDigital(platform::TCanvas& canvas, const platform::TRect& r) const;
  void PaintAnalog(platform::TCanvas& canvas, const platform::TRect& r) const;

  std::unique_ptr<TRxTimer> timer_;
  platform::TFont font_;
  TShowClock showMode_ = scDigital;
  bool showSeconds_ = true;
  bool leadingZero_ = true;
  bool twelveHour_ = false;
  bool autoSize_ = false;
  platform::TColor dotsColor_ = 0x808000;
  TBevelCut bevelInner_ = bvLowered;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  bool alarmEnabled_ = false;
  QTime alarmTime_{0, 0, 0};
  bool alarmArmed_ = true;
};

}  // namespace controls
