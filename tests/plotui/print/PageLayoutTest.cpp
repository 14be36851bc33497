#include "plotui/print/MarginDrag.h"
#include "plotui/print/PageLayout.h"
#include "plotui/print/PrintPage.h"
#include "plotui/print/PrintSettings.h"

#include "tests/support/ScratchFile.h"

#include "platform/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plotui {
namespace {

using platform::TRect;

// A4 at 600 dpi with the default margins 25, 10, 20, 10 mm.
constexpr int kA4Width = 4961;
constexpr int kA4Height = 7016;
const TPrintMargins kDefaultMargins{25, 10, 20, 10};

TEST(PageLayoutTest, GraphAndBlocksOfTheA4Page)
{
  struct Case {
    int blocks;
    TRect graph;
    std::vector<TRect> rects;
  };
  const std::vector<Case> cases{
      {0, {591, 236, 4489, 6780}, {}},
      {1, {591, 236, 4489, 6426}, {{591, 6426, 4489, 6780}}},
      {2, {591, 236, 4489, 6426}, {{591, 6426, 2540, 6780}, {2540, 6426, 4489, 6780}}},
      {3, {591, 236, 4489, 6072}, {{591, 6426, 2540, 6780}, {2540, 6426, 4489, 6780}, {591, 6072, 4489, 6426}}},
      {4,
       {591, 236, 4489, 6072},
       {{591, 6426, 2540, 6780}, {2540, 6426, 4489, 6780}, {591, 6072, 2540, 6426}, {2540, 6072, 4489, 6426}}},
  };
  for (const Case& c : cases) {
    const TPageLayout page = PrintedPageLayout(kA4Width, kA4Height, DotsPerMm(600), kDefaultMargins, c.blocks);
    EXPECT_EQ(page.Graph, c.graph) << c.blocks << " blocks";
    EXPECT_EQ(page.Frame, c.graph) << c.blocks << " blocks";
    EXPECT_EQ(page.Blocks, c.rects) << c.blocks << " blocks";
    EXPECT_TRUE(page.Fits());
  }
}

TEST(PageLayoutTest, MarginsThatLeaveNoRoomDoNotFit)
{
  EXPECT_FALSE(PrintedPageLayout(kA4Width, kA4Height, DotsPerMm(600), {150, 10, 150, 10}, 0).Fits());
  EXPECT_FALSE(PrintedPageLayout(kA4Width, kA4Height, DotsPerMm(600), {25, 150, 20, 140}, 2).Fits());
  EXPECT_TRUE(PrintedPageLayout(kA4Width, kA4Height, DotsPerMm(600), {100, 10, 100, 10}, 4).Fits());
}

TEST(PageLayoutTest, PreviewPageAtHalfADotPerMillimetre)
{
  // S x D = 0.5: the left margin is 591 dots, 12.51 pixels; the printable area 3898 x 6544 dots.
  const float d = DotsPerMm(600);
  const double s = 0.5 / d;
  const TPageLayout page = PreviewPageLayout(kA4Width, kA4Height, d, s, kDefaultMargins, 3);
  EXPECT_EQ(page.Area, (TRect{13, 5, 13 + 83, 144}));
  EXPECT_EQ(page.Graph.Bottom, 144 - 2 * 8);
  ASSERT_EQ(page.Blocks.size(), 3u);
  EXPECT_EQ(page.Blocks[2], (TRect{13, 144 - 16, 96, 144 - 8}));
}

TEST(PageLayoutTest, PageSizeTexts)
{
  EXPECT_EQ(PageSizeText(kA4Width, kA4Height, 600, 600, kUnitsMm), QStringLiteral("210 * 297  mm"));
  // Letter: 8.5 rounds to the even 8 and shows its half.
  EXPECT_EQ(PageSizeText(5100, 6600, 600, 600, kUnitsInch), QStringLiteral("8 1/2 * 11 inch"));
  EXPECT_EQ(PageSizeText(7016, 4961, 600, 600, kUnitsInch), QStringLiteral("12 * 8 inch"));
}

TEST(PageLayoutTest, MarginsShownInTenthsOfAnInch)
{
  const std::vector<std::pair<int, int>> cases{{25, 10}, {20, 8}, {10, 4}, {11, 4}, {0, 0}, {1000, 394}};
  for (const auto& [mm, tenths] : cases) {
    EXPECT_EQ(ShownMargin(mm, kUnitsInch), tenths) << mm;
    EXPECT_EQ(ShownMargin(mm, kUnitsMm), mm);
  }
  EXPECT_EQ(MarginFromShown(4, kUnitsInch), 10);
  EXPECT_EQ(MarginFromShown(10, kUnitsInch), 25);
  EXPECT_EQ(MarginFromShown(11, kUnitsMm), 11);
}

TEST(PageLayoutTest, PreviewFontSizesAreAtLeastOnePoint)
{
  EXPECT_EQ(PreviewFontSize(5, 0.06), 1);  // 0.3 points
  EXPECT_EQ(PreviewFontSize(5, 0.5), 2);
  EXPECT_EQ(PreviewFontSize(10, 0.3), 3);
}

TEST(DefaultMarginsTest, ReadsDefaultsAndNonNumbers)
{
  struct Case {
    const char* file;
    double units;
    TPrintMargins margins;
  };
  const std::vector<Case> cases{
      {"", 25.4, {25, 10, 20, 10}},
      {"[Print]\r\nUnits=1\r\nLeft=30\r\nTop=5\r\nRight=12\r\nBottom=7\r\n", 1, {30, 5, 12, 7}},
      {"[Print]\r\nUnits=abc\r\nLeft=x\r\n", 25.4, {25, 10, 20, 10}},
      {"[Print]\r\nUnits=\r\n", 25.4, {25, 10, 20, 10}},
  };
  for (const Case& c : cases) {
    const QString path = testsupport::ScratchFile("print.ini", c.file);
    const TSavedMargins saved = ReadDefaultMargins(path);
    EXPECT_EQ(saved.Units, c.units) << c.file;
    EXPECT_EQ(saved.Margins, c.margins) << c.file;
  }
}

TEST(DefaultMarginsTest, WrittenMarginsReadBack)
{
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("print.ini"));
  WriteDefaultMargins(path, {kUnitsInch, {31, 9, 17, 4}});
  const TSavedMargins saved = ReadDefaultMargins(path);
  EXPECT_EQ(saved.Units, 1);
  EXPECT_EQ(saved.Margins, (TPrintMargins{31, 9, 17, 4}));
  const platform::TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("Print", "Units", {}), QStringLiteral("1"));
}

// The lines of a page area from (100, 50) to (300, 400) at f picture pixels per millimetre.
struct Drag {
  const char* what;
  QPoint press, release;
  double f;
  TPrintMargins expected;
};

TEST(MarginDragTest, MarginsFollowTheDraggedLines)
{
  const TPrintMargins m{25, 10, 20, 10};
  const std::vector<Drag> cases{
      {"left line 20 px right at 0.5", {100, 200}, {120, 200}, 0.5, {65, 10, 20, 10}},
      {"right line 10 px left", {302, 200}, {292, 200}, 0.5, {25, 10, 40, 10}},
      {"top line down", {200, 49}, {200, 59}, 0.5, {25, 30, 20, 10}},
      {"corner of top and left", {101, 51}, {111, 61}, 0.5, {45, 30, 20, 10}},
      {"whole area, kept on the page", {200, 200}, {210, 190}, 0.5, {45, 0, 0, 20}},
      {"press and release in place at a small scale", {300, 200}, {300, 200}, 0.3779, {25, 10, 20, 10}},
      {"left line past the page's edge", {100, 200}, {-500, 200}, 0.5, {0, 10, 20, 10}},
      {"left line past the right line", {100, 200}, {900, 200}, 0.5, {189, 10, 20, 10}},
      {"bottom line past the top line", {200, 400}, {200, -900}, 0.5, {25, 10, 20, 286}},
      {"nothing grabbed outside the area", {500, 500}, {520, 520}, 0.5, {25, 10, 20, 10}},
  };
  for (const Drag& c : cases) {
    TMarginDrag lines;
    lines.Place({100, 50, 300, 400});
    const bool grabbed = lines.Press(c.press.x(), c.press.y());
    lines.Move((c.press.x() + c.release.x()) / 2, (c.press.y() + c.release.y()) / 2);
    const TPrintMargins got =
        grabbed ? lines.Release(c.release.x(), c.release.y(), m, c.f, 210, 297) : m;
    EXPECT_EQ(got, c.expected) << c.what;
    EXPECT_FALSE(lines.Dragging()) << c.what;
  }
}

TEST(MarginDragTest, CursorsShowWhatAPressGrabs)
{
  TMarginDrag lines;
  lines.Place({100, 50, 300, 400});
  const std::vector<std::pair<QPoint, platform::TCursor>> cases{
      {{102, 52}, platform::crSizeNWSE}, {{298, 398}, platform::crSizeNWSE}, {{298, 52}, platform::crSizeNESW},
      {{102, 398}, platform::crSizeNESW}, {{200, 54}, platform::crSizeNS},  {{96, 200}, platform::crSizeWE},
      {{200, 200}, 101},                  {{95, 200}, platform::crDefault}, {{200, 406}, platform::crDefault},
  };
  for (const auto& [at, cursor] : cases)
    EXPECT_EQ(lines.CursorAt(at.x(), at.y(), 101), cursor) << at.x() << "," << at.y();
}

}  // namespace
}  // namespace plotui
