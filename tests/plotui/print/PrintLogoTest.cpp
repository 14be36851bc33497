#include "plotui/print/PrintLogo.h"

#include "tests/support/ScratchFile.h"

#include "plot/support/GraphLibrary.h"

#include "platform/CanvasRecording.h"
#include "platform/IniFile.h"

#include <QImage>
#include <gtest/gtest.h>

namespace plotui {
namespace {

using platform::TRect;

TEST(PrintLogoTest, PicturePlacedInItsArea)
{
  struct Case {
    const char* what;
    TRect block;
    QSize bitmap;
    TRect area;
    TRect picture;
  };
  const std::vector<Case> cases{
      {"100 x 60 in 40 px: half size", {0, 0, 300, 40}, {100, 60}, {0, 0, 67, 40}, {8, 5, 58, 35}},
      {"100 x 10 in 40 px: four times", {0, 0, 1000, 40}, {100, 10}, {0, 0, 400, 40}, {0, 0, 400, 40}},
      {"placed from the block's corner", {50, 20, 350, 60}, {100, 60}, {50, 20, 117, 60}, {58, 25, 108, 55}},
      // 1000 x 10 in a 15 mm band at 600 dpi: kept to half the block at half size, the text beside it.
      {"wide picture", {591, 6426, 2540, 6780}, {1000, 10}, {591, 6426, 591 + 974, 6780}, {591 + 237, 6426 + 174, 591 + 237 + 500, 6426 + 174 + 5}},
      {"no picture", {0, 0, 300, 40}, {0, 0}, {0, 0, 0, 40}, {}},
  };
  for (const Case& c : cases) {
    const TLogoPicture got = PlaceLogoPicture(c.block, c.bitmap.width(), c.bitmap.height());
    EXPECT_EQ(got.Area, c.area) << c.what;
    EXPECT_EQ(got.Bitmap, c.picture) << c.what;
    EXPECT_LE(got.Bitmap.Right, got.Area.Right) << c.what;
  }
}

TEST(PrintLogoTest, LinesCentredOrSqueezed)
{
  EXPECT_EQ(LogoLineTops(40, {15, 15, 15}), (std::vector<int>{0, 13, 26}));
  EXPECT_EQ(LogoLineTops(40, {15, 15}), (std::vector<int>{5, 20}));
  EXPECT_EQ(LogoLineTops(40, {}), (std::vector<int>{}));
}

TEST(PrintLogoTest, FontStyleLetters)
{
  EXPECT_EQ(FontStyleFromLetters("BU"), platform::fsBold | platform::fsUnderline);
  EXPECT_EQ(FontStyleFromLetters("S"), 0);
  EXPECT_EQ(FontStyleFromLetters("IBU"), platform::fsBold | platform::fsItalic | platform::fsUnderline);
  EXPECT_EQ(FontStyleLetters(platform::fsBold | platform::fsUnderline | platform::fsStrikeOut), QStringLiteral("BU"));
}

TEST(PrintLogoTest, BlocksSaveAndLoadTheirSections)
{
  const QString ini = testsupport::ScratchFile("logo.ini", "");
  TPrintLogo owner(nullptr, kOwnerLogo, ini);
  owner.Lines = {QStringLiteral("ACME Works"), QStringLiteral("Line two")};
  owner.Font.SetName(QStringLiteral("Arial"));
  owner.Font.SetSize(12);
  owner.Font.SetStyle(platform::fsBold | platform::fsUnderline);
  owner.Justify = 2;
  owner.Save();
  TPrintLogo comment = TPrintLogo::CreateComment(nullptr, {QStringLiteral("a description")}, ini);
  comment.Save();

  const platform::TIniFile file(ini);
  EXPECT_EQ(file.ReadString(kOwnerLogo, "LogoLines", {}), QStringLiteral("2"));
  EXPECT_EQ(file.ReadString(kOwnerLogo, "FontStyle", {}), QStringLiteral("BU"));
  EXPECT_EQ(file.ReadSection(kCommentLogo),
            (QStringList{"LogoImage", "FontName", "FontSize", "FontColor", "FontStyle", "LinesJustify"}));

  const TPrintLogo loaded(nullptr, kOwnerLogo, ini);
  EXPECT_EQ(loaded.Lines, owner.Lines);
  EXPECT_EQ(loaded.Font.Name(), QStringLiteral("Arial"));
  EXPECT_EQ(loaded.Font.Size(), 12);
  EXPECT_EQ(loaded.Font.Style(), platform::fsBold | platform::fsUnderline);
  EXPECT_EQ(loaded.Justify, 2);
  const TPrintLogo described = TPrintLogo::CreateComment(nullptr, {QStringLiteral("x")}, ini);
  EXPECT_EQ(described.Font.Name(), QStringLiteral("Arial"));
  EXPECT_EQ(described.Lines, QStringList{QStringLiteral("x")});
}

TEST(PrintLogoTest, DefaultsOfTheBlocks)
{
  const QString ini = testsupport::ScratchFile("empty-logo.ini", "[Owner LOGO]\r\nFontSize=big\r\nFontStyle=S\r\n");
  const TPrintLogo project(nullptr, kProjectLogo, ini);
  ASSERT_EQ(project.Lines.size(), 1);
  EXPECT_TRUE(project.Lines[0].startsWith(QStringLiteral("Date: "))) << project.Lines[0].toStdString();
  EXPECT_EQ(project.Font.Name(), QStringLiteral("Times New Roman"));
  const TPrintLogo owner(nullptr, kOwnerLogo, ini);
  EXPECT_TRUE(owner.Lines.isEmpty());
  EXPECT_EQ(owner.Font.Size(), 10);
  EXPECT_EQ(owner.Font.Style(), 0);

  plot::TProgramTitleDefaults& title = plot::GraphLibrary().ProgramTitleDefaults;
  const plot::TProgramTitleDefaults kept = title;
  title.Lines = {QStringLiteral("First"), QString(), QStringLiteral("Third")};
  title.FontName = QStringLiteral("Arial");
  title.FontStyle = QStringLiteral("I");
  const TPrintLogo system(nullptr, kSystemLogo, ini);
  title = kept;
  EXPECT_EQ(system.Lines, (QStringList{QStringLiteral("First"), QStringLiteral("Third")}));
  EXPECT_EQ(system.Font.Name(), QStringLiteral("Arial"));
  EXPECT_EQ(system.Font.Style(), platform::fsItalic);
}

TEST(PrintLogoTest, DrawsItsPictureAndLines)
{
  QImage picture(100, 60, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const QString bmp = testsupport::ScratchPath("logo.bmp");
  ASSERT_TRUE(picture.save(bmp, "BMP"));
  const QString ini = testsupport::ScratchFile(
      "picture-logo.ini", ("[Owner LOGO]\r\nLogoImage=" + bmp.toStdString() + "\r\nLogoLines=1\r\nLogoLine0=ACME\r\n"));
  TPrintLogo logo(nullptr, kOwnerLogo, ini);
  platform::TRecordingCanvas canvas;
  logo.Canvas = &canvas;
  logo.LogoRect = {10, 100, 310, 140};
  logo.Draw();
  const std::vector<std::string> calls = canvas.Calls();
  const auto has = [&](const std::string& start) {
    return std::any_of(calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(start, 0) == 0; });
  };
  EXPECT_TRUE(has("Rectangle(10,100,310,140)"));
  EXPECT_TRUE(has("DrawImage(18,105,68,135")) << testing::PrintToString(calls);
  EXPECT_TRUE(has("TextOut(79,")) << testing::PrintToString(calls);  // text area from x = 77
}

TEST(PrintLogoTest, AFileThatIsNoPictureLeavesTheBlockWithoutOne)
{
  const QString notBitmap = testsupport::ScratchFile("not-a-bitmap.bmp", "plain text, no picture");
  const QString ini = testsupport::ScratchFile(
      "bad-logo.ini", "[Owner LOGO]\r\nLogoImage=" + notBitmap.toStdString() + "\r\nLogoLines=1\r\nLogoLine0=ACME\r\n");
  TPrintLogo logo(nullptr, kOwnerLogo, ini);
  EXPECT_TRUE(logo.Bitmap.Empty());
  platform::TRecordingCanvas canvas;
  logo.Canvas = &canvas;
  logo.LogoRect = {0, 0, 300, 40};
  logo.Draw();
  const std::vector<std::string> calls = canvas.Calls();
  EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("TextOut(2,", 0) == 0; }))
      << testing::PrintToString(calls);
}

}  // namespace
}  // namespace plotui
