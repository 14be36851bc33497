#include "plot/support/DxfWriter.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace plot {
namespace {

QList<QByteArray> Lines(const QByteArray& text)
{
  QList<QByteArray> lines = text.split('\n');
  EXPECT_EQ(lines.back(), QByteArray()) << "every line ends with a line break";
  lines.removeLast();
  return lines;
}

TEST(DxfWriter, LineInEveryMode)
{
  struct Case {
    int mode;
    QList<QByteArray> lines;
  };
  const Case cases[] = {
      {kDxfGroups,
       {"0", "LINE", "8", "0", " 62", "     1", "10", "1.0000", "20", "2.0000", "30", "0.0", "11", "3.0000", "21",
        "4.5000", "31", "0.0"}},
      {kDxfGroups2D,
       {"0", "LINE", "8", "0", " 62", "     1", "10", "1.0000", "20", "2.0000", "11", "3.0000", "21", "4.5000"}},
      {kDxfPlainLines, {"LINE,1", "1.0000,2.0000,3.0000,4.5000"}},
      {kDxfPointLines, {"10", "1.0000,2.0000", "3.0000,4.5000", "END"}},
  };
  for (const Case& c : cases) {
    TDXF dxf;
    dxf.OutputMode = c.mode;
    dxf.WriteLine(QStringLiteral("0"), platform::clRed, 1, 2, 3, 4.5);
    EXPECT_EQ(Lines(dxf.Output()), c.lines) << "mode " << c.mode;
  }
}

TEST(DxfWriter, NewWriterIsInactiveInModeTwo)
{
  const TDXF dxf;
  EXPECT_FALSE(dxf.Active);
  EXPECT_EQ(dxf.OutputMode, kDxfGroups);
  EXPECT_FALSE(DXFWriter().Active);
}

TEST(DxfWriter, LayerNamesAndColours)
{
  EXPECT_EQ(DXFLayerName(QStringLiteral("my layer/2")), QStringLiteral("MY_LAYER_2"));
  EXPECT_EQ(DXFLayerName(QStringLiteral("\u00e4b")), QStringLiteral("\u00e4B"));  // ASCII letters only
  EXPECT_EQ(DXFLayerName(QString(300, QLatin1Char('a'))), QString(255, QLatin1Char('A')));

  using namespace platform;
  const std::pair<TColor, int> colours[] = {
      {0xFFFFFFFF, 0}, {clBlack, 0},   {clMaroon, 1}, {clRed, 1},     {clOlive, 2},   {clYellow, 2},
      {clGreen, 3},    {clLime, 3},    {clTeal, 4},   {clAqua, 4},    {clNavy, 5},    {clBlue, 5},
      {clPurple, 6},   {clFuchsia, 6}, {clWhite, 7},  {clGray, 8},    {clSilver, 8},  {RGB(1, 2, 3), 8},
      {clBtnFace, 8},  {clNone, 8},
  };
  for (const auto& [colour, index] : colours)
    EXPECT_EQ(ColorToDXFIndex(colour), index) << std::hex << colour;

  TDXF dxf;
  dxf.WriteLine(QString(), RGB(1, 2, 3), 0, 0, 1, 1);
  const QList<QByteArray> lines = Lines(dxf.Output());
  EXPECT_EQ(lines[3], QByteArray());  // an empty name gives an empty value line
  EXPECT_EQ(lines[5], "     8");
}

TEST(DxfWriter, NumberForms)
{
  const std::pair<double, const char*> fixed[] = {{0, "0.0000"}, {-2.5, "-2.5000"}, {123456.78904, "123456.7890"},
                                                  {0.00005, "0.0001"}, {1e-9, "0.0000"}};
  for (const auto& [value, text] : fixed)
    EXPECT_EQ(DXFFixed4(value), text) << value;
  const std::pair<double, const char*> reals[] = {{1.5, " 1.50000000000000E+0000"},
                                                  {-0.25, "-2.50000000000000E-0001"},
                                                  {0, " 0.00000000000000E+0000"},
                                                  {6.02e23, " 6.02000000000000E+0023"},
                                                  {1e-300, " 1.00000000000000E-0300"}};
  for (const auto& [value, text] : reals) {
    EXPECT_EQ(DXFReal(value), text) << value;
    EXPECT_EQ(DXFReal(value).size(), 23);
  }
}

TEST(DxfWriter, RectangleCircleAndSolid)
{
  TDXF dxf;
  dxf.OutputMode = kDxfPointLines;
  dxf.WriteRectangle({1, 2, 3, 4}, QStringLiteral("a"), platform::clBlack);
  EXPECT_EQ(Lines(dxf.Output()), (QList<QByteArray>{"10", "1.0000,2.0000", "3.0000,2.0000", "END",  // top
                                                    "10", "3.0000,2.0000", "3.0000,4.0000", "END",  // right
                                                    "10", "3.0000,4.0000", "1.0000,4.0000", "END",  // bottom
                                                    "10", "1.0000,4.0000", "1.0000,2.0000", "END"}));

  for (const int mode : {kDxfPlainLines, kDxfPointLines}) {
    TDXF plain;
    plain.OutputMode = mode;
    plain.WriteCircle(QStringLiteral("a"), platform::clBlack, 0, 0, 1);
    plain.WriteSolid({0, 0, 1, 1}, QStringLiteral("a"), platform::clBlack);
    EXPECT_TRUE(plain.Output().isEmpty()) << "mode " << mode;
  }

  TDXF groups;
  groups.WriteCircle(QStringLiteral("Circles"), platform::clBlue, 1, 2, 0.5);
  EXPECT_EQ(Lines(groups.Output()), (QList<QByteArray>{"0", "CIRCLE", "8", "CIRCLES", " 62", "     5", "10", "1.0000",
                                                       "20", "2.0000", "30", "0.0", "40",
                                                       " 5.00000000000000E-0001"}));
  groups.ClearOutput();
  groups.OutputMode = kDxfGroups2D;
  groups.WriteCircle(QStringLiteral("c"), platform::clBlue, 1, 2, 0.5);
  EXPECT_FALSE(groups.Output().contains("\n30\n"));
  groups.ClearOutput();
  groups.WriteSolid({1, 2, 3, 4}, QStringLiteral("s"), platform::clLime);
  EXPECT_EQ(Lines(groups.Output()),
            (QList<QByteArray>{"  0", "SOLID", "  8", "S", " 62", "     3",
                               " 10", " 1.00000000000000E+0000", " 20", " 4.00000000000000E+0000",   // left, bottom
                               " 11", " 1.00000000000000E+0000", " 21", " 2.00000000000000E+0000",   // left, top
                               " 12", " 3.00000000000000E+0000", " 22", " 4.00000000000000E+0000",   // right, bottom
                               " 13", " 3.00000000000000E+0000", " 23", " 2.00000000000000E+0000"}));  // right, top
}

TEST(DxfWriter, FileHoldsTheEntitiesSection)
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("plot.dxf"));
  TDXF& dxf = DXFWriter();
  {
    const TDXFRecording recording(dxf);
    EXPECT_TRUE(dxf.Active);
    dxf.WriteLine(QStringLiteral("0"), platform::clRed, 1, 2, 3, 4.5);
  }
  EXPECT_FALSE(dxf.Active);
  dxf.SaveToFile(path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = Lines(file.readAll());
  const QList<QByteArray> expected{"0",      "SECTION", "2",  "ENTITIES", "0",  "LINE",   "8",  "0",
                                   " 62",    "     1",  "10", "1.0000",   "20", "2.0000", "30", "0.0",
                                   "11",     "3.0000",  "21", "4.5000",   "31", "0.0",    "0",  "ENDSEC",
                                   "0",      "EOF"};
  EXPECT_EQ(lines, expected);

  const QString missing = dir.filePath(QStringLiteral("no folder/plot.dxf"));
  try {
    dxf.SaveToFile(missing);
    ADD_FAILURE() << "a file in a missing folder was written";
  } catch (const platform::EFileError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Can't create file "))) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains(missing));
  }
  dxf.ClearOutput();
}

}  // namespace
}  // namespace plot
