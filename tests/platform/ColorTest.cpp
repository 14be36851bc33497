#include "platform/Color.h"

#include <QColor>
#include <gtest/gtest.h>

namespace platform {

TEST(Color, StoresBlueGreenRed)
{
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412u);
  const QColor q = ToQColor(clTeal);
  EXPECT_EQ(q.red(), 0);
  EXPECT_EQ(q.green(), 0x80);
  EXPECT_EQ(q.blue(), 0x80);
  EXPECT_EQ(FromQColor(q), clTeal);
}

}  // namespace platform
