// The grid's cell-button and spin timers on a test clock: a held spin button steps its cell at the
// press, 500 ms later and then every 80 ms; the hover timer notices the pointer leaving a button.

#include "grid/editor/CellEditorAdapters.h"
#include "grid/editor/EditMask.h"
#include "grid/window/Grid.h"
#include "tests/grid/TestClock.h"

#include <QApplication>
#include <QCursor>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

struct SpinGrid {
  SpinGrid()
  {
    grid.SetScrollBars(TScrollStyle::ssNone);
    grid.resize(300, 120);
    grid.SetCols(3);
    grid.SetRows(5);
    grid.Model().Col(1).SetButtonType(btVertSpin);
    grid.SetTimerClock(&clock);
    grid.OnSpinIncrement = [this](TtsBaseGrid&, int, int, int, TtsCellValue& value, int&, int&, bool&) {
      steps.push_back({clock.now, value.AsString()});
    };
    grid.show();
    grid.activateWindow();
    grid.setFocus();
    QApplication::processEvents();
  }
  // Puts the pointer at a client point; false when the platform does not move it.
  bool PointAt(QPoint at)
  {
    QCursor::setPos(grid.mapToGlobal(at));
    return grid.mapFromGlobal(QCursor::pos()) == at;
  }
  // Holds the upper half of the current cell's spin button, the pointer on it.
  bool Hold()
  {
    const QRect cell = grid.CellBounds(1, 1);
    if (!PointAt({cell.right() - 2, cell.top() + 2}))
      return false;
    grid.SetMouseCapture(true);
    grid.PressSpinButton({1, 1}, 1);
    return true;
  }

  struct Step {
    int At;
    std::string Value;
    bool operator==(const Step&) const = default;
  };
  TestClock clock;
  TtsGrid grid;
  TtsEditGridControl& editor = grid.TextEditor();
  std::vector<Step> steps;
};

TEST(GridTimers, AHeldSpinButtonRepeatsAfter500MsThenEvery80)
{
  SpinGrid g;
  ASSERT_TRUE(g.grid.IsGridFocused());  // the grid or its in-cell editor
  if (!g.Hold())
    GTEST_SKIP() << "the platform does not move the pointer";
  g.clock.Advance(499, g.grid);
  EXPECT_EQ(g.steps, (std::vector<SpinGrid::Step>{{0, "1"}}));
  g.clock.Advance(1 + 3 * 80, g.grid);
  EXPECT_EQ(g.steps, (std::vector<SpinGrid::Step>{{0, "1"}, {500, "2"}, {580, "3"}, {660, "4"}, {740, "5"}}));
  EXPECT_EQ(g.grid.ButtonTracking().SpinRepeatCount(), 5);
  EXPECT_EQ(g.editor.Value().AsString(), "5");
  g.grid.ClearPressedButton();  // released
  g.clock.Advance(500, g.grid);
  EXPECT_EQ(g.steps.size(), 5u);
  EXPECT_FALSE(g.clock.Running(kSpinRepeatTimer));
}

TEST(GridTimers, SpinRepeatsStopWhenTheCaptureOrFocusIsLost)
{
  SpinGrid g;
  if (!g.Hold())
    GTEST_SKIP() << "the platform does not move the pointer";
  g.clock.Advance(500, g.grid);
  g.grid.SetMouseCapture(false);
  g.clock.Advance(80, g.grid);
  EXPECT_EQ(g.steps.size(), 2u);
  EXPECT_FALSE(g.clock.Running(kSpinRepeatTimer));
  EXPECT_EQ(g.grid.PressedButtonCell, (TGridCoord{-1, -1}));
  g.Hold();
  if (QWidget* focused = QApplication::focusWidget())
    focused->clearFocus();  // the grid or its in-cell editor
  g.clock.Advance(500, g.grid);
  EXPECT_EQ(g.steps.size(), 3u);  // the press only
  EXPECT_FALSE(g.clock.Running(kSpinRepeatTimer));
}

TEST(GridTimers, MovingThePointerOffTheSpinButtonEndsTheRepeatsWithin50Ms)
{
  SpinGrid g;
  if (!g.Hold())
    GTEST_SKIP() << "the platform does not move the pointer";
  g.clock.Advance(560, g.grid);
  ASSERT_EQ(g.steps.size(), 2u);
  const QRect cell = g.grid.CellBounds(1, 1);
  g.PointAt({cell.left() + 2, cell.top() + 2});
  g.clock.Advance(50, g.grid);
  EXPECT_EQ(g.grid.PressedButtonCell, (TGridCoord{-1, -1}));
  EXPECT_FALSE(g.clock.Running(kSpinRepeatTimer));
  EXPECT_FALSE(g.clock.Running(kButtonHoverTimer));
  const std::size_t steps = g.steps.size();  // the repeat due at 580 may still come
  EXPECT_LE(steps, 3u);
  g.clock.Advance(500, g.grid);
  EXPECT_EQ(g.steps.size(), steps);
}

TEST(GridTimers, AutoRepeatOffStepsOnlyAtThePress)
{
  SpinGrid g;
  g.grid.Model().Col(1).SetSpinOptions(spoAutoIncrement);
  if (!g.Hold())
    GTEST_SKIP() << "the platform does not move the pointer";
  g.clock.Advance(1000, g.grid);
  EXPECT_EQ(g.steps.size(), 1u);
  EXPECT_FALSE(g.clock.Running(kSpinRepeatTimer));
}

TEST(GridTimers, TheHoverTimerEndsTheHotLookWhenThePointerLeavesTheButton)
{
  SpinGrid g;
  g.grid.Model().Col(2).SetButtonType(btNormal);
  const QRect cell = g.grid.CellBounds(2, 1);
  if (!g.PointAt({cell.right() - 2, cell.top() + 2}))
    GTEST_SKIP() << "the platform does not move the pointer";
  g.grid.SetHotButton({2, 1});
  EXPECT_TRUE(g.clock.Running(kButtonHoverTimer));
  g.clock.Advance(100, g.grid);
  EXPECT_EQ(g.grid.HotButtonCell, (TGridCoord{2, 1}));
  g.PointAt({cell.left() + 2, cell.top() + 2});
  g.clock.Advance(49, g.grid);
  EXPECT_EQ(g.grid.HotButtonCell, (TGridCoord{2, 1}));
  g.clock.Advance(1, g.grid);
  EXPECT_EQ(g.grid.HotButtonCell, (TGridCoord{-1, -1}));
  EXPECT_FALSE(g.clock.Running(kButtonHoverTimer));
}

TEST(GridTimers, ASpinStepIsOfferedToItsHandlerWhichMayRefuseOrChangeIt)
{
  SpinGrid g;
  g.editor.SetValue(TtsCellValue(std::string("7.5 kg")));
  g.editor.SetSelStart(1);
  g.grid.Model().Col(1).SetSpinIncrement(0.5);
  g.grid.SpinStep(1, 1, 1);
  EXPECT_EQ(g.editor.Value().AsString(), "8.0 kg");
  EXPECT_EQ(g.editor.SelStart(), 3);  // after the stepped number
  g.grid.SpinStep(1, 1, 2);
  EXPECT_EQ(g.editor.Value().AsString(), "7.5 kg");
  g.grid.OnSpinIncrement = [](TtsBaseGrid&, int, int, int, TtsCellValue&, int&, int&, bool& accept) {
    accept = false;
  };
  g.grid.SpinStep(1, 1, 1);
  EXPECT_EQ(g.editor.Value().AsString(), "7.5 kg");
  g.grid.OnSpinIncrement = [](TtsBaseGrid&, int, int, int, TtsCellValue& value, int&, int&, bool&) {
    value = std::string("100 kg");
  };
  g.grid.SpinStep(1, 1, 1);
  EXPECT_EQ(g.editor.Value().AsString(), "100 kg");
}

TEST(GridTimers, OnlyAutoIncrementTextCellsInAnEditStep)
{
  SpinGrid g;
  g.grid.SpinStep(2, 1, 1);  // no spin button: no spin options
  g.grid.Model().Col(1).SetSpinOptions(spoAutoRepeat);
  g.grid.SpinStep(1, 1, 1);
  g.grid.Model().Col(1).SetSpinOptions(kAllSpinOptions);
  g.grid.Model().Col(1).SetControlType(ctCheck);
  g.grid.SpinStep(1, 1, 1);
  EXPECT_TRUE(g.steps.empty());
  // A text cell whose edit can't begin keeps its text.
  g.grid.Model().Col(1).SetControlType(ctText);
  g.grid.OnStartCellEdit = [](TtsBaseGrid&, int, int, bool& cancel) { cancel = true; };
  g.grid.SpinStep(1, 1, 1);
  EXPECT_EQ(g.steps.size(), 1u);
  EXPECT_EQ(g.editor.Value().AsString(), "");
}

// Three digits; a final text must have all three.
class ThreeDigits : public TtsEditMask {
 public:
  int GetMaskOptions() const override { return 1; }
  int GetCheckModes() const override { return 1; }
  bool Validate(const std::string& text, std::string&, int, bool final, bool) override
  {
    const bool digits = text.find_first_not_of("0123456789") == std::string::npos;
    return digits && (final ? text.size() == 3 : text.size() <= 3);
  }
};

TEST(GridTimers, ASteppedTextIsFittedToAMaskThatChecksWhileTyping)
{
  SpinGrid g;
  ThreeDigits mask;
  g.editor.SetMaskDefs([&](const std::string&) -> TtsEditMask* { return &mask; });
  g.editor.SetMaskName("ThreeDigits");
  g.editor.SetValue(TtsCellValue(std::string("009")));
  g.grid.SpinStep(1, 1, 1);
  EXPECT_EQ(g.editor.Value().AsString(), "010");  // "10" as wide as the number it replaced
  g.editor.SetValue(TtsCellValue(std::string("999")));
  g.grid.SpinStep(1, 1, 1);
  EXPECT_EQ(g.editor.Value().AsString(), "999");  // 1000 fits no candidate: no step
  EXPECT_EQ(g.steps.size(), 1u);
}

}  // namespace
}  // namespace grid
