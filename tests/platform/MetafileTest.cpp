#include "platform/AtomicFile.h"
#include "platform/Bitmap.h"
#include "platform/Metafile.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

TMetafile Drawing()
{
  TMetafile m;
  m.SetSize(200, 120);
  TMetafileCanvas c(m);
  c.Pen().SetColor(clRed);
  c.MoveTo(5, 5);
  c.LineTo(190, 110);
  const TPoint zigzag[] = {{5, 115}, {30, 90}, {55, 115}};
  c.Polyline(zigzag);
  c.Brush().SetColor(clBlue);
  const TPoint triangle[] = {{10, 100}, {60, 20}, {110, 100}};
  c.Polygon(triangle);
  c.Brush().SetColor(clLime);
  c.Ellipse(120, 10, 190, 60);
  c.Font().SetName("Arial");
  c.Font().SetSize(14);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.TextOut(20, 60, "Vexal metafile");
  TBitmap sprite(4, 4);
  sprite.Canvas().SetPixel(1, 1, clRed);
  c.StretchDraw({180, 100, 196, 116}, sprite);
  c.SetClipRect({0, 0, 100, 100});
  c.Font().SetEscapement(900);
  c.TextOut(150, 110, "Up");
  c.Close();
  return m;
}

// The output of an installed converter run on a file, or a failure naming the program.
QString Convert(const QString& program, const QStringList& args, const QString& output)
{
  const QString path = QStandardPaths::findExecutable(program);
  if (path.isEmpty()) {
    ADD_FAILURE() << program.toStdString() << " is not installed";
    return {};
  }
  QProcess p;
  p.start(path, args);
  p.waitForFinished(60000);
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  QFile f(output);
  if (!f.open(QIODevice::ReadOnly))
    return {};
  return QString::fromUtf8(f.readAll());
}

// The text of an SVG: the contents of its text elements, joined, without blanks (some readers
// write one element per character).
QString SvgText(const QString& svg)
{
  QString joined;
  static const QRegularExpression text(R"(<text[^>]*>\s*(?:<!\[CDATA\[)?(.*?)(?:\]\]>)?</text>)",
                                       QRegularExpression::DotMatchesEverythingOption);
  for (const auto& m : text.globalMatch(svg))
    joined += m.captured(1);
  return joined.remove(' ');
}

TEST(Metafile, EmfIsReadBackByAnIndependentReader)
{
  QTemporaryDir dir;
  const TMetafile m = Drawing();
  m.SaveToFile(dir.filePath("drawing.emf"));
  const QByteArray bytes = m.ToEmf();
  ASSERT_GT(bytes.size(), 108);
  EXPECT_EQ(bytes.mid(40, 4), QByteArray(" EMF"));
  EXPECT_EQ(*reinterpret_cast<const std::uint32_t*>(bytes.constData() + 48), std::uint32_t(bytes.size()));

  const QString svg = Convert("emf2svg-conv", {"-i", dir.filePath("drawing.emf"), "-o", dir.filePath("emf.svg")},
                              dir.filePath("emf.svg"));
  EXPECT_TRUE(SvgText(svg).contains("Vexalmetafile")) << svg.toStdString();
  EXPECT_TRUE(svg.contains("<ellipse"));
  EXPECT_TRUE(svg.contains("fill=\"#0000FF\""));  // the blue triangle
  EXPECT_TRUE(svg.contains("L 190.0000,110.0000"));
  EXPECT_TRUE(svg.contains("<image"));
}

TEST(Metafile, PlaceableWmfIsReadBackByAnIndependentReader)
{
  QTemporaryDir dir;
  const TMetafile m = Drawing();
  m.SaveToFile(dir.filePath("drawing.wmf"));
  const QByteArray bytes = m.ToWmf();
  ASSERT_GT(bytes.size(), 40);
  EXPECT_EQ(bytes.left(4), QByteArray("\xD7\xCD\xC6\x9A", 4));

  const QString svg = Convert("wmf2svg", {"-o", dir.filePath("wmf.svg"), dir.filePath("drawing.wmf")}, dir.filePath("wmf.svg"));
  EXPECT_TRUE(SvgText(svg).contains("Vexalmetafile")) << svg.toStdString();
  EXPECT_TRUE(svg.contains("<ellipse"));
  EXPECT_TRUE(svg.contains("<polygon"));
  EXPECT_TRUE(svg.contains("fill:blue"));
}

TEST(Metafile, SavingToAnUnwritablePlaceThrows)
{
  const TMetafile m = Drawing();
  EXPECT_THROW(m.SaveToFile("/nonexistent-folder/x.emf"), EInvalidGraphic);
}

// Clipping as readers honour it: a clip reset, then an intersecting rectangle per clip rectangle.
TEST(Metafile, EmfClippingHoldsInAnIndependentReader)
{
  QTemporaryDir dir;
  TMetafile m;
  m.SetSize(200, 120);
  {
    TMetafileCanvas c(m);
    c.Brush().SetColor(clLime);
    c.SetClipRect({0, 0, 100, 100});
    c.Ellipse(50, 10, 190, 110);
    TRegion two({0, 0, 40, 40});
    two.Combine(TRegion({150, 0, 200, 50}), TRegionCombine::Or);
    c.SelectClipRegion(two);
    c.Brush().SetColor(clBlue);
    c.Ellipse(20, 20, 180, 60);
    c.RemoveClipping();
    c.Brush().SetColor(clRed);
    c.Rectangle(5, 105, 30, 115);
    c.Close();
  }
  m.SaveToFile(dir.filePath("clip.emf"));
  const QString svg = Convert("emf2svg-conv", {"-i", dir.filePath("clip.emf"), "-o", dir.filePath("clip.svg")},
                              dir.filePath("clip.svg"));
  static const QRegularExpression shape(R"re(<(ellipse|path|rect)[^>]*fill="#([0-9A-F]{6})"[^>]*>)re");
  QStringList clipped;
  QStringList whole;
  for (const auto& match : shape.globalMatch(svg))
    (match.captured(0).contains("clip-path=") ? clipped : whole) << match.captured(2);
  // The two-square region is drawn once per rectangle of its bands.
  EXPECT_EQ(clipped, (QStringList{"00FF00", "0000FF", "0000FF", "0000FF"})) << svg.toStdString();
  EXPECT_EQ(whole, QStringList{"FF0000"}) << svg.toStdString();
  EXPECT_TRUE(svg.contains("L 100.0000,100.0000")) << svg.toStdString();  // the first clip rectangle
}

// Far coordinates keep their lines straight: 32-bit records in EMF, geometry cut to the picture in WMF.
TEST(Metafile, CoordinatesBeyondSixteenBitsDoNotBendLines)
{
  QTemporaryDir dir;
  TMetafile m;
  m.SetSize(200, 120);
  {
    TMetafileCanvas c(m);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Rectangle(0, 0, 200, 120);  // the reader fits what is drawn to its page
    const TPoint far[] = {{0, 0}, {100000, 50000}};
    c.Polyline(far);
    c.Close();
  }
  m.SaveToFile(dir.filePath("far.emf"));
  m.SaveToFile(dir.filePath("far.wmf"));
  const QString emf = Convert("emf2svg-conv", {"-i", dir.filePath("far.emf"), "-o", dir.filePath("emf.svg")},
                              dir.filePath("emf.svg"));
  EXPECT_TRUE(emf.contains("L 100000.0000,50000.0000")) << emf.toStdString();

  const QString wmf = Convert("wmf2svg", {"-o", dir.filePath("wmf.svg"), dir.filePath("far.wmf")}, dir.filePath("wmf.svg"));
  static const QRegularExpression line(R"re(<polyline points="\s*([-\d.]+),([-\d.]+)\s+([-\d.]+),([-\d.]+)\s*")re");
  const QRegularExpressionMatch match = line.match(wmf, wmf.indexOf("<polyline"));
  ASSERT_TRUE(match.hasMatch()) << wmf.toStdString();
  const double slope = (match.captured(4).toDouble() - match.captured(2).toDouble()) /
                       (match.captured(3).toDouble() - match.captured(1).toDouble());
  EXPECT_NEAR(slope, 0.5, 0.05) << wmf.toStdString();  // clamping both ends made it 1
}

// A bitmap brush is written as a pattern, even after a clear brush of its colour; characters outside
// the code page of the font go in the Symbol font where it has them.
TEST(Metafile, PatternBrushesAndTextBeyondTheCodePage)
{
  QTemporaryDir dir;
  TMetafile m;
  m.SetSize(200, 120);
  {
    TMetafileCanvas c(m);
    TBitmap pattern(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        pattern.Canvas().SetPixel(x, y, (x + y) % 2 ? clRed : clBlue);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Rectangle(0, 0, 50, 50);
    c.Brush().SetBitmap(&pattern);
    c.Rectangle(60, 0, 160, 100);
    c.Font().SetName("Arial");
    c.Font().SetSize(14);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOut(10, 100, QString::fromUtf8("x\u20AC\u221A2"));  // x, euro, root, 2
    c.Close();
  }
  m.SaveToFile(dir.filePath("pattern.emf"));
  m.SaveToFile(dir.filePath("pattern.wmf"));

  const QString emf = Convert("emf2svg-conv", {"-i", dir.filePath("pattern.emf"), "-o", dir.filePath("emf.svg")},
                              dir.filePath("emf.svg"));
  EXPECT_TRUE(emf.contains("<pattern")) << emf.toStdString();
  EXPECT_TRUE(emf.contains(QRegularExpression(R"re(<rect x="60[^>]*fill="#img-)re"))) << emf.toStdString();

  Convert("wmf2svg", {"-o", dir.filePath("wmf.svg"), dir.filePath("pattern.wmf")}, dir.filePath("wmf.svg"));
  QFile file(dir.filePath("wmf.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray wmf = file.readAll();  // the reader writes the text's own bytes
  static const QRegularExpression rect(R"re(<rect x="7[^>]*style="([^"]*)")re");
  const QRegularExpressionMatch filled = rect.match(QString::fromLatin1(wmf));
  ASSERT_TRUE(filled.hasMatch()) << wmf.toStdString();
  EXPECT_FALSE(filled.captured(1).contains("fill:none")) << wmf.toStdString();
  EXPECT_FALSE(wmf.contains(">?<")) << wmf.toStdString();
  EXPECT_TRUE(wmf.contains(">\x80<")) << wmf.toStdString();  // the euro sign of the ANSI code page
  static const QRegularExpression symbol(R"re(font-family:Symbol[^>]*>\s*\x{00D6}<)re");
  EXPECT_TRUE(QString::fromLatin1(wmf).contains(symbol)) << wmf.toStdString();  // the root in the Symbol font
}

// Pictures replace their files as a whole: a full disk keeps the old file and reports it.
TEST(Metafile, PicturesOnAFullDiskKeepTheOldFile)
{
  const testsupport::FullDisk disk;
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  const TMetafile drawing = Drawing();
  TBitmap bitmap(40, 30);
  const char* names[] = {"plot.emf", "plot.wmf", "plot.bmp"};
  for (const char* name : names)
    WriteFileAtomic(QString::fromStdString(disk.Path(name)), "old");
  disk.Fill();
  for (const char* name : names) {
    const QString path = QString::fromStdString(disk.Path(name));
    try {
      if (path.endsWith(".bmp"))
        bitmap.SaveToFile(path);
      else
        drawing.SaveToFile(path);
      ADD_FAILURE() << "no error for " << name;
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(std::string(e.what()), "Can't create file " + path.toStdString());
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old")) << name;
  }
}

TEST(Metafile, KeepsAddingAcrossCanvases)
{
  TMetafile m;
  m.SetSize(10, 10);
  {
    TMetafileCanvas c(m);
    c.Rectangle(0, 0, 5, 5);
  }
  {
    TMetafileCanvas c(m);
    c.Ellipse(0, 0, 5, 5);
  }
  ASSERT_EQ(m.Records().size(), 2u);
  EXPECT_EQ(m.Records()[1].Op, TCanvasOp::Ellipse);
}

TEST(Bitmap, SavesAndLoadsBmpAndPng)
{
  QTemporaryDir dir;
  TBitmap b(7, 5);
  b.Canvas().SetPixel(3, 2, clRed);
  b.Canvas().SetPixel(6, 4, clNavy);
  for (const char* name : {"p.bmp", "p.png"}) {
    b.SaveToFile(dir.filePath(name));
    TBitmap c;
    c.LoadFromFile(dir.filePath(name));
    EXPECT_EQ(c.Width(), 7);
    EXPECT_EQ(c.Height(), 5);
    EXPECT_EQ(c.Canvas().Pixel(3, 2), clRed) << name;
    EXPECT_EQ(c.Canvas().Pixel(6, 4), clNavy) << name;
  }
  QFile bmp(dir.filePath("p.bmp"));
  ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
  EXPECT_EQ(bmp.read(2), QByteArray("BM"));
}

TEST(Bitmap, BadFilesKeepTheOldPicture)
{
  QTemporaryDir dir;
  QFile junk(dir.filePath("junk.bmp"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a picture");
  junk.close();
  TBitmap b(3, 3);
  EXPECT_THROW(b.LoadFromFile(dir.filePath("junk.bmp")), EInvalidGraphic);
  EXPECT_THROW(b.LoadFromFile(dir.filePath("missing.bmp")), EInvalidGraphic);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_THROW(b.SaveToFile("/nonexistent-folder/x.bmp"), EInvalidGraphic);
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndTransparentDrawSkipsTheKeyColour)
{
  TBitmap b(4, 4);
  b.Canvas().SetPixel(1, 1, clRed);
  b.SetSize(8, 2);
  EXPECT_EQ(b.Canvas().Pixel(1, 1), clRed);
  EXPECT_EQ(b.Canvas().Pixel(7, 1), clWhite);

  TBitmap sprite(3, 3);
  sprite.Canvas().Brush().SetColor(clFuchsia);
  sprite.Canvas().FillRect({0, 0, 3, 3});
  sprite.Canvas().SetPixel(1, 1, clBlue);
  sprite.SetTransparent(true);
  TBitmap target(5, 5);
  target.Canvas().Brush().SetColor(clYellow);
  target.Canvas().FillRect({0, 0, 5, 5});
  target.Canvas().Draw(1, 1, sprite);
  EXPECT_EQ(target.Canvas().Pixel(2, 2), clBlue);
  EXPECT_EQ(target.Canvas().Pixel(1, 1), clYellow);
}

}  // namespace
}  // namespace platform
