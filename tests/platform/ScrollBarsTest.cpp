#include "platform/CustomControl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <gtest/gtest.h>
#include <vector>

namespace platform {
namespace {

// A control that scrolls as the system's programs do: it answers each message with a new position.
class Scroller : public CustomControl {
 public:
  struct Message {
    int bar;
    int code;
    int pos;
    friend bool operator==(const Message&, const Message&) = default;
  };
  std::vector<Message> messages;

 protected:
  void ScrollBarMessage(int bar, int code, int pos) override
  {
    messages.push_back({bar, code, pos});
    const TScrollInfo info = GetScrollInfo(bar);
    switch (code) {
      case SB_LINEDOWN: SetScrollPos(bar, info.Pos + 1); break;
      case SB_LINEUP: SetScrollPos(bar, info.Pos - 1); break;
      case SB_PAGEDOWN: SetScrollPos(bar, info.Pos + info.Page); break;
      case SB_PAGEUP: SetScrollPos(bar, info.Pos - info.Page); break;
      case SB_THUMBPOSITION: SetScrollPos(bar, pos); break;
      default: break;
    }
  }
};

QScrollBar& BarOf(QWidget& control, Qt::Orientation orientation)
{
  for (QScrollBar* bar : control.findChildren<QScrollBar*>())
    if (bar->orientation() == orientation)
      return *bar;
  throw std::runtime_error("no bar");
}

QPoint CentreOf(QScrollBar& bar, QStyle::SubControl part)
{
  QStyleOptionSlider opt;
  opt.initFrom(&bar);
  opt.orientation = bar.orientation();
  opt.minimum = bar.minimum();
  opt.maximum = bar.maximum();
  opt.sliderPosition = bar.sliderPosition();
  opt.sliderValue = bar.value();
  opt.singleStep = bar.singleStep();
  opt.pageStep = bar.pageStep();
  opt.subControls = QStyle::SC_All;
  return bar.style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, &bar).center();
}

void Mouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
  QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
}

void Click(QScrollBar& bar, QStyle::SubControl part)
{
  const QPoint at = CentreOf(bar, part);
  Mouse(bar, QEvent::MouseButtonPress, at, Qt::LeftButton);
  Mouse(bar, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

TEST(ScrollBars, RangePageAndPositionKeepTheSystemLimits)
{
  Scroller s;
  s.resize(200, 150);
  EXPECT_FALSE(s.ScrollBarShown(SB_VERT));
  EXPECT_EQ(s.SetScrollInfo(SB_VERT, {SIF_ALL, 1, 100, 10, 500, 0}), 91);  // at most Max - Page + 1
  EXPECT_TRUE(s.ScrollBarShown(SB_VERT));
  EXPECT_EQ(s.ClientWidth(), 200 - kScrollBarSize);
  EXPECT_EQ(s.PaintToImage().width(), 200 - kScrollBarSize);
  EXPECT_EQ(s.SetScrollPos(SB_VERT, -5), 91);
  EXPECT_EQ(s.GetScrollPos(SB_VERT), 1);
  // A page beyond the range is cut to it, and the unneeded bar goes away.
  s.SetScrollInfo(SB_VERT, {SIF_RANGE | SIF_PAGE, 0, 4, 50, 0, 0});
  EXPECT_EQ(s.GetScrollInfo(SB_VERT).Page, 5);
  EXPECT_FALSE(s.ScrollBarShown(SB_VERT));
  EXPECT_EQ(s.ClientWidth(), 200);
  // Asked to, it stays on screen disabled instead.
  s.ShowScrollBar(SB_VERT, true);
  s.SetScrollInfo(SB_VERT, {SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 4, 50, 0, 0});
  EXPECT_TRUE(s.ScrollBarShown(SB_VERT));
  EXPECT_FALSE(s.ScrollBarEnabled(SB_VERT));
  // Both bars: the client area leaves both out.
  s.SetScrollInfo(SB_HORZ, {SIF_ALL, 0, 300, 20, 0, 0});
  EXPECT_EQ(s.ClientHeight(), 150 - kScrollBarSize);
}

TEST(ScrollBars, StepsAreMessagesAndTheControlMovesTheThumb)
{
  Scroller s;
  s.resize(200, 150);
  s.show();
  s.SetScrollInfo(SB_VERT, {SIF_ALL, 1, 100, 10, 1, 0});
  QScrollBar& bar = BarOf(s, Qt::Vertical);
  Click(bar, QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(s.GetScrollPos(SB_VERT), 2);
  Click(bar, QStyle::SC_ScrollBarAddPage);
  EXPECT_EQ(s.GetScrollPos(SB_VERT), 12);
  Click(bar, QStyle::SC_ScrollBarSubLine);
  EXPECT_EQ(s.GetScrollPos(SB_VERT), 11);
  const std::vector<Scroller::Message> expected{{SB_VERT, SB_LINEDOWN, 0}, {SB_VERT, SB_ENDSCROLL, 0},
                                                 {SB_VERT, SB_PAGEDOWN, 0}, {SB_VERT, SB_ENDSCROLL, 0},
                                                 {SB_VERT, SB_LINEUP, 0},   {SB_VERT, SB_ENDSCROLL, 0}};
  EXPECT_EQ(s.messages, expected);
}

TEST(ScrollBars, DraggingTheThumbTracksThenSetsThePosition)
{
  Scroller s;
  s.resize(200, 300);
  s.show();
  s.SetScrollInfo(SB_VERT, {SIF_ALL, 0, 99, 10, 0, 0});
  QScrollBar& bar = BarOf(s, Qt::Vertical);
  const QPoint thumb = CentreOf(bar, QStyle::SC_ScrollBarSlider);
  Mouse(bar, QEvent::MouseButtonPress, thumb, Qt::LeftButton);
  Mouse(bar, QEvent::MouseMove, thumb + QPoint(0, 60), Qt::LeftButton);
  Mouse(bar, QEvent::MouseMove, thumb + QPoint(0, 120), Qt::LeftButton);
  EXPECT_EQ(s.GetScrollPos(SB_VERT), 0);  // tracking alone does not move it
  Mouse(bar, QEvent::MouseButtonRelease, thumb + QPoint(0, 120), Qt::NoButton);
  ASSERT_GE(s.messages.size(), 4u);
  EXPECT_EQ(s.messages[0].code, SB_THUMBTRACK);
  const Scroller::Message last = s.messages[s.messages.size() - 2];
  EXPECT_EQ(last.code, SB_THUMBPOSITION);
  EXPECT_GT(last.pos, s.messages[0].pos);
  EXPECT_EQ(s.messages.back().code, SB_ENDSCROLL);
  EXPECT_EQ(s.GetScrollPos(SB_VERT), last.pos);
  EXPECT_EQ(bar.value(), last.pos);
}

}  // namespace
}  // namespace platform
