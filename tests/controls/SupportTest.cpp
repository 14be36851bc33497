#include "controls/editor/Borders.h"
#include "controls/editor/Colors.h"
#include "controls/editor/Exceptions.h"
#include "controls/editor/FixedFont.h"
#include "controls/editor/TimeSupport.h"
#include "platform/FontList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>

namespace controls {
namespace {

using namespace platform;

TEST(Colors, DefaultsAndUseDefault)
{
  TOvcColors colors(clWhite, clNavy);
  int changes = 0;
  colors.OnChange = [&] { ++changes; };
  EXPECT_TRUE(colors.UseDefault());
  colors.SetTextColor(clWhite);
  EXPECT_TRUE(colors.UseDefault());
  colors.SetBackColor(clRed);
  EXPECT_FALSE(colors.UseDefault());
  colors.SetUseDefault(true);
  EXPECT_EQ(colors.BackColor(), clNavy);
  EXPECT_EQ(changes, 3);
  TOvcColors other(clBlack, clWhite);
  other.Assign(colors);
  EXPECT_EQ(other.TextColor(), clWhite);
  EXPECT_FALSE(other.UseDefault());
}

TEST(Borders, DefaultsAndAssign)
{
  TOvcBorders borders;
  EXPECT_FALSE(borders.LeftBorder.Enabled());
  EXPECT_EQ(borders.TopBorder.PenWidth(), 2);
  int changes = 0;
  borders.LeftBorder.OnChange = [&] { ++changes; };
  borders.LeftBorder.SetPenWidth(0);
  EXPECT_EQ(changes, 0);
  TOvcBorders source;
  source.LeftBorder.SetEnabled(true);
  source.LeftBorder.SetPenColor(clRed);
  source.LeftBorder.SetPenWidth(4);
  borders.Assign(source);
  EXPECT_TRUE(borders.LeftBorder.Enabled());
  EXPECT_EQ(borders.LeftBorder.PenColor(), clRed);
  EXPECT_EQ(borders.LeftBorder.PenWidth(), 4);
  EXPECT_EQ(changes, 1);
}

TEST(FixedFont, AcceptsOnlyFixedFaces)
{
  TOvcFixedFont font({"Mono A", "Mono B"});
  EXPECT_EQ(font.Name(), "Mono A");
  font.SetName("Proportional");
  EXPECT_EQ(font.Name(), "Mono A");
  font.SetName("mono b");
  EXPECT_EQ(font.Name(), "Mono B");
  TOvcFont plain{"Proportional", 12, fsBold, clRed};
  EXPECT_THROW(font.Assign(plain), EInvalidFixedFont);
  EXPECT_EQ(font.Name(), "Mono B");
  plain.Name = "Mono A";
  font.Assign(plain);
  EXPECT_EQ(font.Font(), plain);
  TOvcFixedFont other({"Mono B"});
  other.Assign(font);  // a face this font does not know: the current face stays
  EXPECT_EQ(other.Name(), "Mono B");
  EXPECT_EQ(other.Size(), 12);
}

TEST(FixedFont, MachineFacesWithFallback)
{
  const std::vector<std::string>& faces = FixedPitchFaces();
  ASSERT_FALSE(faces.empty());
  TOvcFixedFont font;
  EXPECT_EQ(font.Name(), faces.front());
  // Without any fixed-pitch face the platform's fixed font serves.
  TOvcFixedFont fallback(std::vector<std::string>{});
  EXPECT_EQ(fallback.Name(), SystemFixedFontFamily());
  EXPECT_FALSE(fallback.Name().empty());
}

TEST(TimeSupport, TicksAreMonotonicAndSixtyFourBit)
{
  const std::uint64_t a = TickCount64();
  const std::uint64_t b = TickCount64();
  EXPECT_GE(b, a);
  // Past the 32-bit range the difference stays exact; a clock going back gives 0, not a huge value.
  const std::uint64_t beyond = 0x1'0000'0000ull + 5;
  EXPECT_EQ(TicksSince(0xFFFF'FFF0ull, beyond), 21u);
  EXPECT_EQ(TicksSince(100, 40), 0u);
}

TEST(TimeSupport, CurrentCentury)
{
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  EXPECT_EQ(CurrentCentury(), (utc.tm_year + 1900) / 100 * 100);
}

}  // namespace
}  // namespace controls
