#include "GraphDoubles.h"

#include "platform/Menus.h"

#include <gtest/gtest.h>

namespace plot::test {
namespace {

using platform::RGB;

TEST(LayerBase, NewLayerDefaultsAndHooks)
{
  TGraphFixture f;
  TLayer layer(f.graph);
  EXPECT_EQ(layer.Tag, -1);
  EXPECT_EQ(layer.Quality, 3);
  EXPECT_EQ(layer.Palette, 0);
  EXPECT_TRUE(layer.GetVisible());
  EXPECT_EQ(layer.GetCount(), 1);
  EXPECT_EQ(layer.GetZMin(), 0);
  EXPECT_EQ(layer.GetZMax(), 1);
  double xMin, xMax, yMin, yMax;
  layer.GetExtents(xMin, xMax, yMin, yMax);
  EXPECT_GT(xMin, xMax);
  EXPECT_GT(yMin, yMax);
  EXPECT_EQ(layer.HitIndex, 0);
  layer.MouseMoveActive(0, 1, 1);
  EXPECT_EQ(layer.HitIndex, -1);

  // The base menu: "Delete" and "Properties", each calling its handler.
  ASSERT_TRUE(layer.PopupMenu);
  platform::TMenuItem& items = layer.PopupMenu->Items();
  ASSERT_EQ(items.Count(), 2);
  EXPECT_EQ(items.Item(0).Name(), "miErase");
  EXPECT_EQ(items.Item(0).Caption(), "Delete");
  EXPECT_EQ(items.Item(1).Name(), "miPropertiesGraph");
  EXPECT_EQ(items.Item(1).Caption(), "Properties");

  struct TClicked : TLayer {
    using TLayer::TLayer;
    void DeleteClick() override { ++deletes; }
    void PropertiesClick() override { ++properties; }
    int deletes = 0, properties = 0;
  } clicked(f.graph);
  clicked.PopupMenu->Items().Item(0).Click();
  clicked.PopupMenu->Items().Item(1).Click();
  EXPECT_EQ(clicked.deletes, 1);
  EXPECT_EQ(clicked.properties, 1);
}

TEST(LayerBase, ScaleColors)
{
  TGraphFixture f;
  TLayer layer(f.graph);
  struct TCase {
    int palette;
    bool skipZero;
    int index;
    platform::TColor color;
  };
  const TCase cases[] = {
      {0, false, 0, RGB(60, 60, 180)},   {0, true, 0, platform::clWhite},  {0, false, 255, RGB(180, 60, 60)},
      {0, false, 19, RGB(60, 60, 237)},  {0, false, 20, RGB(60, 60, 240)}, {0, false, 140, RGB(50, 240, 60)},
      {0, false, 256, platform::clWhite}, {0, false, -1, platform::clWhite}, {0, false, -2, 0x808001},
      {0, false, -3, 0x008081},          {1, false, 255, RGB(0, 0, 0)},    {2, false, 55, RGB(255, 200, 200)},
      {7, false, 5, RGB(255, 250, 255)}, {8, false, 0, RGB(0, 0, 0)},      {8, false, 200, RGB(0, 0, 0)},
  };
  for (const TCase& c : cases) {
    layer.Palette = c.palette;
    layer.SkipZero = c.skipZero;
    EXPECT_EQ(layer.GetScaleColor(c.index), c.color) << c.palette << " " << c.index;
  }
}

TEST(LayerBase, ValueToColorIndex)
{
  TGraphFixture f;
  TLayer layer(f.graph);
  layer.SetScaleRange(3, 10);
  EXPECT_EQ(layer.Levels, (std::array<double, 8>{10, 9, 8, 7, 6, 5, 4, 3}));
  EXPECT_EQ(layer.LevelColors, (std::array<int, 8>{254, 219, 184, 149, 114, 79, 44, 9}));
  const std::pair<double, int> cases[] = {{10, 254}, {3, 9},   {9.5, 236}, {11, -1},
                                          {2, 9},     {MissingValue, -2}, {-MissingValue, -3},
                                          {std::numeric_limits<double>::quiet_NaN(), -1}};
  for (const auto& [value, index] : cases)
    EXPECT_EQ(layer.ValueToColorIndex(value), index) << value;
  layer.LowerFixed = true;
  EXPECT_EQ(layer.ValueToColorIndex(2), -1);

  layer.SetScaleRange(5, 5);
  EXPECT_EQ(layer.ValueToColorIndex(5), 219);

  // An unbounded scale gives no index rather than an undefined one.
  layer.LowerFixed = false;
  layer.SetScaleRange(-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity());
  EXPECT_EQ(layer.ValueToColorIndex(1), -1);
}

TEST(LayerBase, FreeColorAndMarkerStyle)
{
  TGraphFixture f;
  EXPECT_EQ(f.graph.GetFreeColor(), platform::TColor(0x0000FF));
  f.graph.Color = 0x0000FF;
  EXPECT_EQ(f.graph.GetFreeColor(), platform::TColor(0x0000DF));  // red darkened by 32
  f.graph.Color = platform::clWhite;
  f.AddSeries("a", {}).Color = 0x0000FF;
  f.AddSeries("b", {}).Color = 0xFF0000;
  EXPECT_EQ(f.graph.GetFreeColor(), platform::TColor(0x008000));

  TGraphFixture g;
  EXPECT_EQ(g.graph.GetFreeMarkerStyle(), 1);
  for (int style : {1, 2, 4})
    g.AddSeries("s", {}).MarkerStyle = style;
  g.graph.AddLayer(std::make_unique<TLayer>(g.graph));  // not a series: does not count
  EXPECT_EQ(g.graph.GetFreeMarkerStyle(), 3);
}

}  // namespace
}  // namespace plot::test
