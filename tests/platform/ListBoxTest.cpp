#include "platform/Canvas.h"
#include "platform/CheckListBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace platform {
namespace {

struct Drawn {
  int index;
  TRect rect;
  TOwnerDrawState state;
  TColor brush;
};

// A series list: owner-drawn items 27 pixels high.
class SeriesList : public ::testing::Test {
protected:
  SeriesList()
  {
    list.resize(200, 120);
    list.SetStyle(TListBoxStyle::lbOwnerDrawFixed);
    list.SetItemHeight(27);
    list.addItems({"Series1", "Series2", "Series3"});
    list.OnDrawItem = [this](TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state) {
      drawn.push_back({index, rect, state, canvas.Brush().Color()});
      canvas.FillRect(rect);
      canvas.Brush().SetColor(clRed);
      canvas.FillRect({rect.Left + 2, rect.Top + 2, rect.Left + 10, rect.Top + 10});  // the colour swatch
    };
  }
  ListBox list;
  std::vector<Drawn> drawn;
};

TEST_F(SeriesList, EveryItemIsDrawnInItsRectangleWithItsState)
{
  list.setCurrentRow(1);
  const QImage image = list.DrawItems();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].rect, Rect(0, 0, list.viewport()->width(), 27));
  EXPECT_EQ(drawn[2].rect.Top, 54);
  EXPECT_EQ(drawn[0].state, 0u);
  EXPECT_EQ(drawn[1].state & odSelected, odSelected);
  EXPECT_EQ(drawn[1].brush, clHighlight);  // filled for the handler as the system does
  EXPECT_EQ(drawn[0].brush, clWindow);
  EXPECT_EQ(image.pixelColor(5, 27 + 5), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(50, 27 + 20), ColorToQColor(clHighlight));
  EXPECT_EQ(image.pixelColor(50, 100), ColorToQColor(clWindow));  // below the last item
}

TEST_F(SeriesList, VariableItemsTakeTheMeasuredHeights)
{
  list.OnMeasureItem = [](int index, int& height) { height = 10 + 5 * index; };
  list.SetStyle(TListBoxStyle::lbOwnerDrawVariable);
  list.DrawItems();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[1].rect.Top, 10);
  EXPECT_EQ(drawn[1].rect.Height(), 15);
  EXPECT_EQ(drawn[2].rect.Top, 25);
}

TEST_F(SeriesList, WithoutAHandlerTheTextIsDrawn)
{
  list.OnDrawItem = nullptr;
  const QImage image = list.DrawItems();
  bool dark = false;
  for (int x = 2; x < 60; ++x)
    for (int y = 0; y < 27; ++y)
      dark = dark || qGray(image.pixel(x, y)) < 64;
  EXPECT_TRUE(dark);
}

TEST_F(SeriesList, SeveralItemsCanBeSelected)
{
  list.SetMultiSelect(true);
  list.SetSelected(0, true);
  list.SetSelected(2, true);
  EXPECT_EQ(list.SelCount(), 2);
  EXPECT_TRUE(list.Selected(2));
  EXPECT_FALSE(list.Selected(1));
  EXPECT_FALSE(list.Selected(9));
}

TEST(CheckListBox, TheUsersClicksStepThroughTheStatesAndReportEach)
{
  TCheckListBox list;
  list.AddItem("Series1", true);
  list.AddItem("Series2");
  std::vector<int> clicked;
  list.OnClickCheck = [&](int index) { clicked.push_back(index); };
  EXPECT_TRUE(list.Checked(0));
  EXPECT_TRUE(list.ClickCheck(0));
  EXPECT_FALSE(list.Checked(0));
  list.SetAllowGrayed(true);
  list.ClickCheck(1);
  list.ClickCheck(1);
  EXPECT_EQ(list.State(1), TCheckBoxState::cbGrayed);
  list.ClickCheck(1);
  EXPECT_EQ(list.State(1), TCheckBoxState::cbUnchecked);
  list.SetChecked(1, true);  // by program: no report
  EXPECT_EQ(clicked, std::vector<int>({0, 1, 1, 1}));
  list.SetItemEnabled(1, false);
  EXPECT_FALSE(list.ClickCheck(1));
  EXPECT_FALSE(list.ClickCheck(5));
  EXPECT_TRUE(list.Checked(1));
}

TEST(CheckListBox, AClickOnTheBoxTogglesItInTheListsOrder)
{
  TCheckListBox list;
  list.resize(200, 100);
  list.SetAllowGrayed(true);
  list.AddItem("Series1", true);
  int reports = 0;
  list.OnClickCheck = [&](int) { ++reports; };
  list.show();
  list.item(0)->setCheckState(Qt::Unchecked);  // what the toolkit does on a click of a checked box
  EXPECT_EQ(list.State(0), TCheckBoxState::cbGrayed);
  EXPECT_EQ(list.item(0)->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(reports, 1);
}

}  // namespace
}  // namespace platform
