#include "plot/parts/InfoBubbleShape.h"

#include <gtest/gtest.h>

namespace plot {
namespace {

using platform::TPoint;
using platform::TRect;

TEST(InfoBubbleShape, PlacesAroundTheAnchor)
{
  const TBubbleSize size{84, 48, 16};
  const TPoint anchor{100, 200};
  const std::pair<TInfoPosition, TRect> rects[] = {
      {ipRightTop, {100, 136, 184, 184}},    {ipTopCenter, {58, 136, 142, 184}},     {ipLeftTop, {16, 136, 100, 184}},
      {ipRightBottom, {100, 216, 184, 264}}, {ipBottomCenter, {58, 216, 142, 264}}, {ipLeftBottom, {16, 216, 100, 264}},
  };
  for (const auto& [position, rect] : rects)
    EXPECT_EQ(BubbleRectAt(position, anchor, size), rect) << position;

  EXPECT_EQ(PlaceBubble(ipRightTop, anchor, size, {0, 0, 400, 300}), ipRightTop);
  EXPECT_EQ(PlaceBubble(ipRightTop, anchor, size, {100, 136, 184, 184}), ipRightTop);  // borders included
  EXPECT_EQ(PlaceBubble(ipRightTop, anchor, size, {0, 150, 400, 300}), ipRightBottom);  // no room above
  EXPECT_EQ(PlaceBubble(ipLeftBottom, anchor, size, {50, 0, 400, 200}), ipRightTop);    // 5 is followed by 0
  EXPECT_EQ(PlaceBubble(ipTopCenter, anchor, size, {90, 190, 110, 210}), ipLeftTop);    // none fits

  const TRect body{100, 136, 184, 184};
  EXPECT_EQ(PointerBase(isRoundRect, ipRightTop, anchor, body), (std::array<TPoint, 2>{{{110, 183}, {105, 183}}}));
  EXPECT_EQ(PointerBase(isRectangle, ipRightTop, anchor, body), (std::array<TPoint, 2>{{{105, 183}, {102, 183}}}));
  EXPECT_EQ(PointerBase(isRoundRect, ipLeftBottom, anchor, {16, 216, 100, 264}),
            (std::array<TPoint, 2>{{{90, 216}, {95, 216}}}));
  EXPECT_EQ(PointerBase(isRoundRect, ipBottomCenter, anchor, {58, 216, 142, 264}),
            (std::array<TPoint, 2>{{{102, 216}, {98, 216}}}));
}

}  // namespace
}  // namespace plot
