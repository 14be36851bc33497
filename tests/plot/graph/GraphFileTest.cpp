#include "../fuzz/FileLayers.h"
#include "GraphDoubles.h"

#include "platform/Exceptions.h"
#include "platform/ModalRun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plot::test {
namespace {

std::vector<std::string> Lines(std::initializer_list<const char*> lines) { return {lines.begin(), lines.end()}; }

bool Load(TGraph& graph, std::vector<std::string> lines)
{
  TGraphFileReader reader(std::move(lines));
  return graph.LoadFromFile(reader);
}

TEST(GraphFile, BaseBlockLines)
{
  TGraphFixture f;
  auto layer = std::make_unique<TLayer>(f.graph);
  layer->Color = 255;
  layer->Tolerance = 0.01;
  layer->Name = "Sine\nwave";  // a line end in a name would split the block
  f.graph.AddLayer(std::move(layer));
  TGraphFileWriter writer;
  f.graph.SaveToFile(writer);
  EXPECT_EQ(writer.Lines(), Lines({"1", "TLayer", "255 1 -1 0  1.00000000000000E-0002 0 Sine wave", "TLayer"}));
}

TEST(GraphFile, WrittenFileReadsBackToTheSameLayers)
{
  TPointsLayer::Register();
  QTemporaryDir dir;
  const QString path = dir.filePath("graph.txt");
  {
    TGraphFixture f;
    auto plain = std::make_unique<TLayer>(f.graph);
    plain->Color = platform::clBtnFace;  // a system colour
    plain->Visible = false;
    plain->Tag = 42;
    plain->Name = "  plain  ";
    f.graph.AddLayer(std::move(plain));
    auto points = std::make_unique<TPointsLayer>(f.graph);
    points->Interactive = true;
    points->Selected = true;
    points->Tolerance = 0.25;
    points->Name = QString::fromLatin1("Mes\xb2");
    points->Points = {{1, 2}, {-3.5e-7, 4e300}};
    f.graph.AddLayer(std::move(points));
    TGraphFileWriter writer;
    f.graph.SaveToFile(writer);
    writer.SaveTo(path);
  }
  TGraphFixture g;
  TGraphFileReader reader = TGraphFileReader::FromFile(path);
  ASSERT_TRUE(g.graph.LoadFromFile(reader));
  ASSERT_EQ(g.graph.GetLayerCount(), 2);
  const TLayer& plain = *g.graph.GetLayer(0);
  EXPECT_EQ(plain.ClassName(), "TLayer");
  EXPECT_EQ(plain.Color, platform::clBtnFace);
  EXPECT_FALSE(plain.Visible);
  EXPECT_EQ(plain.Tag, 42);
  EXPECT_EQ(plain.Name, "plain");
  const auto* points = dynamic_cast<const TPointsLayer*>(g.graph.GetLayer(1));
  ASSERT_NE(points, nullptr);
  EXPECT_TRUE(points->Interactive);
  EXPECT_TRUE(points->Selected);
  EXPECT_EQ(points->Tolerance, 0.25);
  EXPECT_EQ(points->Name, QString::fromLatin1("Mes\xb2"));
  ASSERT_EQ(points->Points.size(), 2u);
  EXPECT_DOUBLE_EQ(points->Points[1].first, -3.5e-7);
  EXPECT_DOUBLE_EQ(points->Points[1].second, 4e300);
}

TEST(GraphFile, EmptyAndZeroCountFilesGiveNoLayers)
{
  TGraphFixture f;
  EXPECT_TRUE(Load(f.graph, {}));
  EXPECT_TRUE(Load(f.graph, Lines({"0 layers follow"})));
  EXPECT_EQ(f.graph.GetLayerCount(), 0);
}

TEST(GraphFile, ForeignClassNameIsReportedWithItsLine)
{
  TGraphFixture f;
  platform::ModalScript script;
  script.ExpectMessage("Invalid Class Name \"TContour\" in line 2", platform::mrOk);
  EXPECT_FALSE(Load(f.graph, Lines({"1", "TContour", "0 1 -1 0  0.0E+0000 0 c", "TContour"})));
  EXPECT_EQ(f.graph.GetLayerCount(), 0);
}

TEST(GraphFile, HostNamesItselfInTheLoadError)
{
  struct THost : TPlotHost {
    bool LiveUpdate() const override { return false; }
    QString LoadErrorPrefix() const override { return "fmPlot2D.Plot1: "; }
    QWidget* OwnerWindow() const override { return nullptr; }
    void SavePictureAs() override {}
    void ShowProperties() override {}
  } host;
  TRecordingGraphImage image;
  TGraph graph(&host, image, nullptr);
  platform::ModalScript script;
  script.ExpectMessage("fmPlot2D.Plot1: Object TLayer can not load self from line: 4", platform::mrOk);
  EXPECT_FALSE(Load(graph, Lines({"1", "TLayer", "0 1 -1 0 0 0 x", "TSeries"})));
}

// Reading stops at the first bad block with one message; the blocks before stay, the failed layer
// is not kept.
TEST(GraphFile, BadBlocksStopTheReadingWithOneMessage)
{
  TPointsLayer::Register();
  const std::vector<std::string> good = {"TLayer", "0 1 -1 0 0 0 good", "TLayer"};
  struct TCase {
    const char* what;
    std::vector<std::string> lines;
    const char* message;
    int layersKept;
  };
  const auto with = [&](std::vector<std::string> head, std::vector<std::string> tail) {
    head.insert(head.end(), good.begin(), good.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  const TCase cases[] = {
      {"count not a number", {"x"}, "Object TGraph can not load self from line: 1", 0},
      {"negative count", {"-1"}, "Object TGraph can not load self from line: 1", 0},
      {"count beyond the blocks", with({"3"}, {}), "Object TGraph can not load self from line: 5", 1},
      {"huge count", with({"2147483647"}, {}), "Object TGraph can not load self from line: 5", 1},
      {"values line cut", with({"2"}, {"TLayer", "0 1 -1"}), "Object TLayer can not load self from line: 6", 1},
      {"file ends in a block", with({"2"}, {"TLayer"}), "Object TLayer can not load self from line: 6", 1},
      {"not a number", with({"2"}, {"TLayer", "0 1 x 0 0 0 n", "TLayer"}), "Object TLayer can not load self from line: 6", 1},
      {"integer beyond range", with({"2"}, {"TLayer", "0 1 99999999999 0 0 0 n", "TLayer"}),
       "Object TLayer can not load self from line: 6", 1},
      {"tolerance not finite", with({"2"}, {"TLayer", "0 1 1 0 nan 0 n", "TLayer"}),
       "Object TLayer can not load self from line: 6", 1},
      {"wrong closing line", with({"2"}, {"TLayer", "0 1 -1 0 0 0 n", "TPointsLayer"}),
       "Object TLayer can not load self from line: 7", 1},
      {"point count too large", with({"2"}, {"TPointsLayer", "TPointsLayer", "0 1 -1 0 0 0 p", "TPointsLayer", "100001"}),
       "Object TPointsLayer can not load self from line: 9", 1},
      {"points cut short", with({"2"}, {"TPointsLayer", "TPointsLayer", "0 1 -1 0 0 0 p", "TPointsLayer", "2", "1 2"}),
       "Object TPointsLayer can not load self from line: 11", 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    TGraphFixture f;
    platform::ModalScript script;
    script.ExpectMessage(c.message, platform::mrOk);
    EXPECT_FALSE(Load(f.graph, c.lines));
    EXPECT_EQ(script.StepsLeft(), 0);
    EXPECT_EQ(f.graph.GetLayerCount(), c.layersKept);
    EXPECT_EQ(f.graph.LoadLineNo, std::stoi(std::string(c.message).substr(std::string(c.message).rfind(' ') + 1)));
  }
  EXPECT_EQ(TPointsLayer::Live(), 0);
}

TEST(GraphFile, MissingFileIsAFileError)
{
  EXPECT_THROW(TGraphFileReader::FromFile("/nonexistent/graph.txt"), platform::EFileError);
}

}  // namespace
}  // namespace plot::test
