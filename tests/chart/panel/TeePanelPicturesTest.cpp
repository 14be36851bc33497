#include "TestPanel.h"
#include "tests/support/FullDisk.h"
#include "tests/support/ScratchFile.h"

#include "platform/ClipboardPicture.h"
#include "platform/ClipboardText.h"
#include "platform/Exceptions.h"
#include "platform/Picture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::kChartColor;
using testing::kPanelLabel;
using testing::TTestPanel;

QByteArray FileBytes(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text of an SVG: its text elements joined, without blanks (some readers write one element per
// character).
QString SvgText(const QByteArray& svg)
{
  QString joined;
  static const QRegularExpression text(R"(<text[^>]*>\s*(?:<!\[CDATA\[)?(.*?)(?:\]\]>)?</text>)",
                                       QRegularExpression::DotMatchesEverythingOption);
  for (const auto& m : text.globalMatch(QString::fromUtf8(svg)))
    joined += m.captured(1);
  return joined.remove(' ');
}

// What another program prints for the file; empty when it fails.
QString RunProgram(const QString& program, const QStringList& arguments)
{
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(TeePanelPictures, AMetafileIsOnePixelSmallerThanItsRectangleButNeverEmpty)
{
  struct Case {
    TRect rect;
    int width, height;
  };
  const Case cases[] = {{{0, 0, 1, 1}, 1, 1}, {{0, 0, 2, 2}, 1, 1}, {{0, 0, 400, 250}, 399, 249}, {{5, 5, 5, 5}, 1, 1}};
  for (const Case& c : cases) {
    TTestPanel panel;
    for (bool enhanced : {false, true}) {
      const auto metafile = panel.CreateMetafile(enhanced, c.rect);
      EXPECT_EQ(metafile->Width(), c.width);
      EXPECT_EQ(metafile->Height(), c.height);
      EXPECT_EQ(metafile->Enhanced(), enhanced);
    }
    // The screen's buffering is back and nothing is left marked as a metafile.
    EXPECT_TRUE(panel.Canvas().IsBuffered());
    EXPECT_FALSE(panel.Canvas().Metafiling());
  }
}

TEST(TeePanelPictures, ABitmapIsFilledWithItsBackColourOnlyWhenItIsNotWhite)
{
  for (TColor back : {platform::clWhite, platform::clAqua}) {
    TTestPanel panel;
    TColor before = platform::clNone;
    panel.During = [&] { before = panel.Canvas().ReferenceCanvas().Pixel(200, 5); };
    const auto bitmap = panel.CreateBitmap(back, panel.GetRectangle());
    EXPECT_EQ(bitmap->Width(), 400);
    EXPECT_EQ(bitmap->Height(), 250);
    EXPECT_EQ(before, back);
    EXPECT_EQ(bitmap->Canvas().Pixel(200, 125), kChartColor);
    EXPECT_TRUE(panel.Canvas().IsBuffered());
  }
}

// The files open in other programs and hold the chart's label.
TEST(TeePanelPictures, SavedPicturesOpenInOtherPrograms)
{
  TTestPanel panel;
  const QString bmp = testsupport::ScratchPath("panel.bmp");
  const QString emf = testsupport::ScratchPath("panel.emf");
  const QString wmf = testsupport::ScratchPath("panel.wmf");
  const QString wmfNamedEmf = testsupport::ScratchPath("placeable.emf");
  panel.SaveToBitmapFile(bmp);
  panel.SaveToMetafileEnh(emf);
  panel.SaveToMetafile(wmf);
  panel.SaveToMetafile(wmfNamedEmf);

  EXPECT_EQ(RunProgram("identify", {QStringLiteral("-format"), QStringLiteral("%wx%h"), bmp}), QStringLiteral("400x250"));
  EXPECT_TRUE(FileBytes(wmfNamedEmf).startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)));  // the flag, not the name
  // The metafiles as the vector converters read them.
  const QString emfSvg = testsupport::ScratchPath("panel-emf.svg");
  const QString wmfSvg = testsupport::ScratchPath("panel-wmf.svg");
  RunProgram("emf2svg-conv", {QStringLiteral("-i"), emf, QStringLiteral("-o"), emfSvg});
  RunProgram("wmf2svg", {QStringLiteral("-o"), wmfSvg, wmf});
  const QString label = QString(kPanelLabel).remove(' ');
  EXPECT_TRUE(SvgText(FileBytes(emfSvg)).contains(label));
  EXPECT_TRUE(SvgText(FileBytes(wmfSvg)).contains(label));
}

// A full disk keeps the old file and says which file could not be made.
TEST(TeePanelPictures, AFullDiskKeepsTheOldPictureFile)
{
  testsupport::FullDisk disk;
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  TTestPanel panel;
  const std::pair<const char*, std::function<void(const QString&)>> saves[] = {
      {"old.bmp", [&](const QString& path) { panel.SaveToBitmapFile(path); }},
      {"old.emf", [&](const QString& path) { panel.SaveToMetafileEnh(path); }},
      {"old.wmf", [&](const QString& path) { panel.SaveToMetafile(path); }},
  };
  for (const auto& [name, save] : saves) {
    const QString path = QString::fromStdString(disk.Path(name));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old picture") == 11);
    old.close();
  }
  disk.Fill();
  for (const auto& [name, save] : saves) {
    SCOPED_TRACE(name);
    const QString path = QString::fromStdString(disk.Path(name));
    try {
      save(path);
      ADD_FAILURE() << "saved on a full disk";
    } catch (const platform::EInvalidGraphic& e) {
      EXPECT_EQ(QString::fromStdString(e.what()), QStringLiteral("Can't create file ") + path);
    }
    EXPECT_EQ(FileBytes(path), QByteArray("old picture"));
    EXPECT_TRUE(panel.Canvas().IsBuffered());
  }
}

TEST(TeePanelPictures, TheClipboardTakesTheChartOrTheCopyFails)
{
  TTestPanel panel;
  panel.CopyToClipboardBitmap();
  platform::TBitmap copied;
  ASSERT_TRUE(platform::PasteBitmapFromClipboard(copied));
  EXPECT_EQ(copied.Width(), 400);
  EXPECT_EQ(copied.Height(), 250);
  EXPECT_EQ(copied.Canvas().Pixel(200, 125), kChartColor);

  panel.CopyToClipboardMetafile(true);
  EXPECT_TRUE(platform::ClipboardHasMetafile());
  EXPECT_EQ(platform::ClipboardEmfBytes(), panel.CreateMetafile(true, panel.GetRectangle())->ToEmf());

  // A panel with no area makes no picture: the copy fails instead of leaving the last one there.
  platform::CopyBitmapToClipboard(copied);
  TTestPanel empty;
  empty.resize(0, 0);
  EXPECT_THROW(empty.CopyToClipboardBitmap(), platform::Exception);
}

}  // namespace
}  // namespace chart
