#include "ChartCanvasFixture.h"

#include "chart/canvas/ChartColors.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

namespace chart {
namespace {

using platform::TCanvasOp;
using testing::TChartPicture;
using testing::TImagePicture;
constexpr double kPi = std::numbers::pi;

struct TRecordedSolids : ::testing::Test {
  platform::TRecordingCanvas Target;
  TChartPicture<platform::TRecordingCanvas> Picture{Target};
  void SetUp() override
  {
    Picture.Begin();
    Target.Brush().SetColor(platform::clSilver);
  }
  std::vector<platform::TCanvasRecord> Polygons() const
  {
    std::vector<platform::TCanvasRecord> found;
    for (const auto& r : Target.Records())
      if (r.Op == TCanvasOp::Polygon)
        found.push_back(r);
    return found;
  }
  std::vector<platform::TColor> FaceColors() const
  {
    std::vector<platform::TColor> colors;
    for (const auto& r : Polygons())
      colors.push_back(r.State.Brush.Color);
    return colors;
  }
};

TEST(ChartSolids, DefaultViewBoxShowsFrontRightAndTop)
{
  TImagePicture image;
  image.Picture.Begin();
  image.Canvas.Brush().SetColor(platform::clSilver);
  image.Picture.Chart.Box3D(100, 200, 100, 200, 0, 50, true);
  EXPECT_EQ(image.At(150, 150), platform::clSilver);  // front
  EXPECT_EQ(image.At(220, 150), 0x404040u);           // right side, depth going right
  EXPECT_EQ(image.At(175, 75), 0x808080u);            // top, depth going up
  EXPECT_EQ(image.At(90, 150), platform::clWhite);    // no left side
  EXPECT_EQ(image.At(150, 210), platform::clWhite);   // no bottom
}

TEST_F(TRecordedSolids, BoxFacesByView)
{
  Picture.Chart.Box3D(100, 200, 100, 200, 0, 50, false);
  EXPECT_EQ(FaceColors(), (std::vector<platform::TColor>(3, platform::clSilver)));  // no shading
  Target.Clear();
  Picture.View.SetOrthogonal(false);
  Picture.View.SetRotation(30);  // depth goes left
  Picture.View.SetElevation(0);
  Picture.Begin();
  Target.Brush().SetColor(platform::clSilver);
  Picture.Chart.Box3D(100, 200, 100, 200, 0, 50, true);
  const auto faces = Polygons();
  ASSERT_EQ(faces.size(), 2u);  // front and left side; the top is edge-on
  EXPECT_LT(faces[1].Points[1].X, faces[0].Points[0].X);
  EXPECT_EQ(faces[1].State.Brush.Color, 0x404040u);
}

TEST_F(TRecordedSolids, SolidsGivenUpsideDownDrawAsNormalised)
{
  Picture.Chart.Box3D(100, 200, 100, 200, 0, 50, true);
  Picture.Chart.Cylinder3D(true, 100, 100, 200, 200, 0, 50, true);
  Picture.Chart.Cylinder3D(false, 100, 100, 200, 200, 0, 50, true);
  const auto normal = Target.Calls();
  Target.Clear();
  Target.Brush().SetColor(platform::clSilver);
  Picture.Chart.Box3D(200, 100, 200, 100, 50, 0, true);
  Picture.Chart.Cylinder3D(true, 200, 200, 100, 100, 50, 0, true);
  Picture.Chart.Cylinder3D(false, 200, 200, 100, 100, 50, 0, true);
  EXPECT_EQ(Target.Calls(), normal);
  // The cylinder keeps within its box (reversed sides gave radii of about 2^31).
  for (const auto& face : Polygons())
    for (const auto& p : face.Points) {
      EXPECT_GE(p.X, 100);
      EXPECT_LE(p.X, 250);
    }
}

TEST_F(TRecordedSolids, CylinderShadesItsStripsAndCap)
{
  Picture.Chart.Cylinder3D(true, 100, 100, 200, 200, 0, 50, true);
  const auto colors = FaceColors();
  ASSERT_GE(colors.size(), 3u);
  EXPECT_EQ(colors.front(), platform::clSilver);  // strip 0 shaded by 0
  EXPECT_EQ(colors[1], DarkenChartColor(platform::clSilver, 16));
  EXPECT_EQ(colors.back(), 0x808080u);  // the cap
  EXPECT_EQ(Polygons().back().Points.size(), 16u);
}

TEST_F(TRecordedSolids, PieSliceRims)
{
  struct Case {
    double start, end;
    std::size_t polygons;  // the face plus one polygon per rim piece
  };
  const Case cases[] = {{0, kPi, 1}, {kPi, 2 * kPi, 2}, {-kPi / 3, 4 * kPi / 3, 3}};
  for (const auto& c : cases) {
    Target.Clear();
    Target.Brush().SetColor(platform::clSilver);  // shading is the caller's to undo
    Picture.Chart.PieSlice3D(200, 150, 80, 60, 0, 20, c.start, c.end, true, false);
    EXPECT_EQ(Polygons().size(), c.polygons) << c.start << ".." << c.end;
  }
  Target.Clear();
  Target.Brush().SetColor(platform::clSilver);
  Picture.Chart.PieSlice3D(200, 150, 80, 60, 0, 20, kPi, 2 * kPi, true, false);
  const auto rim = Polygons().back();
  EXPECT_EQ(rim.Points.size(), 64u);  // the whole arc, face and rim
  EXPECT_EQ(rim.State.Brush.Color, DarkenChartColor(platform::clSilver, 32));
  EXPECT_EQ(Polygons().front().State.Brush.Color, platform::clSilver);
}

TEST_F(TRecordedSolids, PieSliceCutsFacingTheViewer)
{
  Picture.Chart.PieSlice3D(200, 150, 80, 60, 0, 20, kPi / 4, 3 * kPi / 4, true, true);
  // The end cut lies left of the centre, the start cut right: both show, before the face.
  const auto faces = Polygons();
  ASSERT_EQ(faces.size(), 3u);
  EXPECT_EQ(faces[0].State.Brush.Color, DarkenChartColor(platform::clSilver, 32));
  EXPECT_EQ(faces[2].Points.size(), 33u);
  EXPECT_EQ(faces[2].State.Brush.Color, platform::clSilver);
}

TEST_F(TRecordedSolids, ArrowsAndTheirHeads)
{
  Picture.Begin(false);
  Picture.Chart.Arrow3D(true, {0, 0}, {10, 0}, 8, 50, 0);  // head longer than the arrow
  Picture.Chart.Arrow3D(true, {5, 5}, {5, 5}, 8, 4, 0);    // no length: nothing
  EXPECT_EQ(Target.Calls(), (std::vector<std::string>{"Polygon(0,2,0,-2,0,-2,0,-4,10,0,0,4,0,2)"}));
  Target.Clear();
  Picture.Begin();
  Picture.Chart.Arrow3D(false, {0, 0}, {40, 0}, 8, 10, 10);
  // The head stays on the projected tip (depth 10: 10 px right and up).
  EXPECT_EQ(Target.Calls(), (std::vector<std::string>{"Polyline(10,-10,50,-10)", "Polyline(40,-6,50,-10,40,-14)"}));
}

TEST_F(TRecordedSolids, PyramidsAndTheirBases)
{
  Picture.Chart.Pyramid3D(true, 100, 100, 200, 200, 0, 50, true);
  const auto upright = FaceColors();
  ASSERT_EQ(upright.size(), 2u);  // front, right
  EXPECT_EQ(upright[1], 0x404040u);
  Target.Clear();
  Target.Brush().SetColor(platform::clSilver);
  Picture.Chart.Pyramid3D(true, 100, 200, 200, 200, 0, 50, true);  // flat: the base only
  EXPECT_EQ(FaceColors(), (std::vector<platform::TColor>{0x808080u}));
  Target.Clear();
  Target.Brush().SetColor(platform::clSilver);
  Picture.Chart.Pyramid3D(false, 100, 100, 200, 200, 0, 50, true);
  EXPECT_EQ(FaceColors(), (std::vector<platform::TColor>{platform::clSilver, 0x808080u}));
}

TEST_F(TRecordedSolids, HatchedSolidsShadeTheBackground)
{
  Target.Brush().SetStyle(platform::TBrushStyle::bsCross);
  Target.SetBkColor(platform::clSilver);
  Picture.Chart.Box3D(100, 200, 100, 200, 0, 50, true);
  const auto faces = Polygons();
  ASSERT_EQ(faces.size(), 3u);
  EXPECT_EQ(faces[1].State.BkColor, 0x404040u);
  EXPECT_EQ(faces[1].State.Brush.Style, platform::TBrushStyle::bsCross);
}

}  // namespace
}  // namespace chart
