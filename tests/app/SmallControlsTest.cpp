#include "app/HistoryFile.h"
#include "app/RangeValidators.h"

#include "controls/small/RxClock.h"
#include "controls/small/RxLabel.h"
#include "controls/small/RxSwitch.h"
#include "controls/small/TextListBox.h"

#include "platform/Exceptions.h"
#include "platform/ModalRun.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace app::testing {
namespace {

TEST(RxClock, DigitalFaceText)
{
  struct Case {
    QTime time;
    bool leadingZero;
    bool twelveHour;
    const char* text;
  };
  const Case cases[] = {
      {QTime(9, 5, 7), false, false, "9:05:07"},
      {QTime(9, 5, 7), true, false, "09:05:07"},
      {QTime(0, 30, 0), false, true, "12:30:00 AM"},
      {QTime(13, 0, 0), false, true, "1:00:00 PM"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(controls::ClockText(c.time, c.leadingZero, true, c.twelveHour), QString::fromLatin1(c.text));
}

TEST(RxClock, TheAlarmFiresOncePerDayAndRejectsInvalidTimes)
{
  controls::TRxClock clock;
  QTime now(7, 0, 0);
  clock.OnGetTime = [&now](QTime& time) { time = now; };
  int alarms = 0;
  clock.OnAlarm = [&alarms] { ++alarms; };
  clock.SetAlarmHour(7);
  clock.SetAlarmMinute(30);
  clock.SetAlarmEnabled(true);
  for (const QTime t : {QTime(7, 29, 59), QTime(7, 30, 0), QTime(7, 30, 1), QTime(7, 31, 0)}) {
    now = t;
    clock.ClockTick();
  }
  EXPECT_EQ(alarms, 1);
  now = QTime(0, 0, 1);  // the next day
  clock.ClockTick();
  now = QTime(7, 30, 2);
  clock.ClockTick();
  EXPECT_EQ(alarms, 2);
  EXPECT_THROW(clock.SetAlarmMinute(60), platform::Exception);
  EXPECT_EQ(clock.AlarmMinute(), 30);
}

TEST(RxTimer, TicksComeOnTheMainThreadAndStopWithIntervalZero)
{
  controls::TRxTimer timer;
  int ticks = 0;
  timer.SetInterval(5);
  timer.SetOnTimer([&ticks] {
    EXPECT_EQ(QThread::currentThread(), qApp->thread());
    ++ticks;
  });
  QElapsedTimer elapsed;
  elapsed.start();
  while (ticks < 3 && elapsed.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  EXPECT_GE(ticks, 3);
  timer.SetInterval(0);
  EXPECT_FALSE(timer.WorkerRunning());
  timer.SetInterval(5);
  EXPECT_TRUE(timer.WorkerRunning());
}

TEST(RxTimer, ADestroyedClockGetsNoTick)
{
  // Many clocks destroyed while their workers hand ticks over: the live clocks tick, and nothing runs on a
  // destroyed clock.
  int liveTicks = 0;
  int lateTicks = 0;
  for (int i = 0; i < 20; ++i) {
    auto destroyed = std::make_shared<bool>(false);
    auto clock = std::make_unique<controls::TRxClock>();
    clock->OnGetTime = [&, destroyed](QTime&) { ++(*destroyed ? lateTicks : liveTicks); };
    clock->ClockTimer().SetInterval(1);
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 5)
      QApplication::processEvents();
    while (wait.elapsed() < 8)
      ;  // the worker goes on handing ticks over
    *destroyed = true;
    clock.reset();
    QApplication::processEvents();
  }
  EXPECT_GT(liveTicks, 0);
  EXPECT_EQ(lateTicks, 0);
}

TEST(RxSwitch, ClickingTogglesAndFiresOnOnBeforeTheClick)
{
  controls::TRxSwitch sw;
  QStringList events;
  sw.OnOn = [&events] { events << "on"; };
  sw.OnOff = [&events] { events << "off"; };
  sw.Toggle();
  sw.Toggle();
  EXPECT_EQ(events, (QStringList{"on", "off"}));
  EXPECT_FALSE(sw.GlyphCustom(true));
  sw.SetGlyph(true, controls::DefaultSwitchGlyph(false));
  EXPECT_TRUE(sw.GlyphCustom(true));
  sw.SetGlyph(true, platform::TBitmap());
  EXPECT_FALSE(sw.GlyphCustom(true));
}

TEST(RxLabel, AnAmpersandCaptionMeasuresOneLine)
{
  controls::TRxLabel label(nullptr, QStringLiteral("&"));
  controls::TRxLabel plain(nullptr, QStringLiteral("W"));
  EXPECT_EQ(label.DrawnText(), QStringLiteral(" "));
  EXPECT_EQ(label.height(), plain.height());
  EXPECT_GT(label.height(), 1);
}

TEST(RxLabel, ADisabledLabelWithoutShadowGetsOneBelowRight)
{
  controls::TRxLabel label(nullptr, QStringLiteral("I"));
  label.SetShadowSize(0);
  label.SetColor(platform::clBlack);  // the highlight shadow shows on black
  label.setEnabled(false);
  const QImage image = label.PaintToImage();
  // Some pixel is the highlight colour (white) and its left-up neighbour is the grey text.
  bool shadow = false;
  for (int y = 1; y < image.height() && !shadow; ++y)
    for (int x = 1; x < image.width() && !shadow; ++x)
      shadow = (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF && (image.pixel(x - 1, y - 1) & 0xFFFFFF) != 0xFFFFFF &&
               (image.pixel(x - 1, y - 1) & 0xFFFFFF) != 0;
  EXPECT_TRUE(shadow);
}

TEST(RxLabel, WordWrapAndAccelerator)
{
  controls::TRxLabel label(nullptr, QStringLiteral("&Number of the steps along the axis"));
  const int oneLine = label.height();
  label.resize(60, label.height());
  label.SetWordWrap(true);
  EXPECT_GT(label.height(), 2 * oneLine - 4);
  EXPECT_EQ(label.AccelChar(), QLatin1Char('N'));
  label.SetCaption(QStringLiteral("Fish && Chips"));
  EXPECT_TRUE(label.AccelChar().isNull());
  EXPECT_EQ(label.DrawnText(), QStringLiteral("Fish & Chips"));
}

TEST(TextListBox, DeletingTheWidestItemShrinksTheExtent)
{
  controls::TTextListBox list;
  list.AddItem(QStringLiteral("a"));
  list.AddItem(QStringLiteral("a much wider item of the list"));
  list.AddItem(QStringLiteral("medium item"));
  const int widest = list.MaxWidth();
  EXPECT_EQ(widest, list.ItemWidth(QStringLiteral("a much wider item of the list")));
  list.DeleteItem(0);
  EXPECT_EQ(list.MaxWidth(), widest);
  list.DeleteItem(0);
  EXPECT_EQ(list.MaxWidth(), list.ItemWidth(QStringLiteral("medium item")));
  EXPECT_EQ(list.HorizontalExtent(), list.MaxWidth());
}

TEST(RangeValidators, CharacterRules)
{
  EXPECT_EQ(FindBadIntegerChar(QStringLiteral("1a")), 2);
  EXPECT_EQ(FindBadIntegerChar(QStringLiteral("-")), 0);
  EXPECT_EQ(FindBadIntegerChar(QStringLiteral("12-")), 3);
  EXPECT_EQ(FindBadRealChar(QStringLiteral("12.5e-3")), 0);
  EXPECT_EQ(FindBadRealChar(QStringLiteral("-.5")), 0);
  EXPECT_EQ(FindBadRealChar(QStringLiteral("1.2.3")), 4);
  EXPECT_EQ(FindBadRealChar(QStringLiteral("1e5e")), 4);
  EXPECT_EQ(FindBadRealChar(QStringLiteral("1-2")), 2);
}

TEST(RangeValidators, FilterAndCheck)
{
  QLineEdit edit(QStringLiteral("1"));
  TIntValidate validator(1, 100, &edit, nullptr, QStringLiteral("Number"));
  edit.setText(QStringLiteral("1a"));
  validator.FilterInput();
  EXPECT_EQ(edit.text(), QStringLiteral("1"));
  EXPECT_EQ(edit.cursorPosition(), 1);
  edit.setText(QStringLiteral("-5"));
  validator.FilterInput();
  platform::ModalScript script;
  script.ExpectMessage(QStringLiteral("Number must be in the range [1..100]"), platform::mrOk);
  EXPECT_FALSE(validator.Check());
  validator.SetMin(200);
  EXPECT_EQ(validator.Max(), 200);

  QLineEdit real(QStringLiteral("2.5"));
  TRealValidate realValidator(0, 10, &real, nullptr, QStringLiteral("X"));
  real.setText(QStringLiteral("2.5."));
  realValidator.FilterInput();
  EXPECT_EQ(real.text(), QStringLiteral("2.5"));
  real.clear();
  EXPECT_FALSE(realValidator.Check());  // empty: no message
}

TEST(HistoryFile, DamagedAndLongLinesLoadWhatTheyCan)
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Vexal.HST"));
  const std::string longLine(300, 'x');
  platform::WriteTextLines(path, {" 2", longLine, "1+1", "x", "ignored"});
  THistory history = ReadHistoryFile(path);
  ASSERT_EQ(history.Expressions.size(), 2);
  EXPECT_EQ(history.Expressions[0].size(), MaxHistoryLine);
  EXPECT_EQ(history.Expressions[1], QStringLiteral("1+1"));
  EXPECT_TRUE(history.Results.isEmpty());

  platform::WriteTextLines(path, {"5", "a", "b"});
  EXPECT_EQ(ReadHistoryFile(path).Expressions, (QStringList{"a", "b"}));
  EXPECT_TRUE(ReadHistoryFile(dir.filePath(QStringLiteral("none"))).Expressions.isEmpty());
}

TEST(HistoryFile, AFailedWriteKeepsTheOldFile)
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("sub/Vexal.HST"));
  EXPECT_THROW(WriteHistoryFile(path, {{"1+1"}, {"2.0E+0"}}), platform::EFileError);
  const QString good = dir.filePath(QStringLiteral("Vexal.HST"));
  WriteHistoryFile(good, {{"1+1"}, {"2.0E+0"}});
  EXPECT_EQ(ReadHistoryFile(good).Results, (QStringList{"2.0E+0"}));
}

}  // namespace
}  // namespace app::testing

namespace app::testing {
namespace {

TEST(RxClock, BothFacesPaintThroughTheCanvas)
{
  controls::TRxClock clock;
  clock.OnGetTime = [](QTime& time) { time = QTime(10, 10, 30); };
  clock.resize(120, 120);
  clock.SetShowMode(controls::scAnalog);
  const QImage analog = clock.PaintToImage();
  // The hour marks carry the dots colour (teal).
  bool teal = false;
  for (int y = 0; y < analog.height() && !teal; ++y)
    for (int x = 0; x < analog.width() && !teal; ++x)
      teal = (analog.pixel(x, y) & 0xFFFFFF) == 0x008080;
  EXPECT_TRUE(teal);
  clock.SetShowMode(controls::scDigital);
  clock.resize(64, 16);
  const QImage digital = clock.PaintToImage();
  bool ink = false;
  for (int y = 0; y < digital.height() && !ink; ++y)
    for (int x = 0; x < digital.width() && !ink; ++x)
      ink = qGray(digital.pixel(x, y)) < 80;
  EXPECT_TRUE(ink);
  const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(shots);
  analog.save(shots + QStringLiteral("/clock_analog.png"));
  digital.save(shots + QStringLiteral("/clock_digital.png"));
}

}  // namespace
}  // namespace app::testing
