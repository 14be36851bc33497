#include "chart/panel/EnableControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace chart {
namespace {

TEST(ChartEnableControls, SetsEveryControlOfTheGroup)
{
  QLineEdit edit;
  QCheckBox box;
  EnableControls(false, {&edit, nullptr, &box});
  EXPECT_FALSE(edit.isEnabled());
  EXPECT_FALSE(box.isEnabled());
  EnableControls(true, {&edit, &box});
  EXPECT_TRUE(edit.isEnabled());
  EXPECT_TRUE(box.isEnabled());
}

}  // namespace
}  // namespace chart
