// Annotation figures: made by the tools with the mouse, dragged, and deleted through the popup.
#include "PlotFixture.h"

#include "plotui/annotate/GraphAnnotate.h"

#include "plot/graph/Graph.h"

#include "platform/Menus.h"
#include "platform/ModalRun.h"

#include <gtest/gtest.h>

namespace plotui::test {
namespace {

using platform::mbLeft;
using platform::mbRight;
using platform::ssLeft;
using platform::ssRight;

struct TAnnotateFixture : TPlotFixture {
  TGraphAnnotate& layer;
  TAnnotateFixture() : layer(dynamic_cast<TGraphAnnotate&>(chart->Graph->GetAnnotations()))
  {
    // Points in the corners only, away from the figures.
    AddSeries("s", plot::kStylePoints, platform::clBlue, {{0, 0}, {10, 10}});
    chart->Redraw();
  }
  plot::TGraph& graph() { return *chart->Graph; }
  platform::TPoint Centre() const
  {
    const platform::TRect r = chart->Graph->GetPlotRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Drag(int x1, int y1, int x2, int y2)
  {
    graph().MouseDown(mbLeft, ssLeft, x1, y1);
    graph().MouseMove(ssLeft, (x1 + x2) / 2, (y1 + y2) / 2);
    graph().MouseMove(ssLeft, x2, y2);
    graph().MouseUp(mbLeft, 0, x2, y2);
  }
};

TEST(Annotate, ALineToolClickLeavesAZeroLengthLineAtTheClick)
{
  TAnnotateFixture f;
  f.layer.Tool = atLine;
  const platform::TPoint c = f.Centre();
  f.graph().MouseDown(mbLeft, ssLeft, c.X, c.Y);
  f.graph().MouseUp(mbLeft, 0, c.X, c.Y);
  ASSERT_EQ(f.layer.GetCount(), 1);
  auto* line = dynamic_cast<TMonoLine*>(f.layer.GetFigure(0));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->X1, line->X2);
  EXPECT_EQ(line->Y1, line->Y2);
  EXPECT_DOUBLE_EQ(line->X1, f.graph().ScreenToX(c.X));
  EXPECT_FALSE(line->Creating);
  EXPECT_FALSE(line->Active);
  EXPECT_EQ(f.layer.GetFigure(1), nullptr);
  EXPECT_EQ(f.layer.GetFigure(-1), nullptr);
}

TEST(Annotate, ToolsDrawTheirKindAndAFigureIsDraggedBySelectedParts)
{
  TAnnotateFixture f;
  const platform::TPoint c = f.Centre();
  const struct {
    TAnnotateTool tool;
    bool (*isKind)(TFig*);
  } cases[] = {{atLine, [](TFig* g) { return dynamic_cast<TMonoLine*>(g) && !dynamic_cast<TRectangle*>(g); }},
               {atArrow, [](TFig* g) { return dynamic_cast<TArrow*>(g) != nullptr; }},
               {atRectangle, [](TFig* g) { return dynamic_cast<TRectangle*>(g) != nullptr; }},
               {atCircle, [](TFig* g) { return dynamic_cast<TCircle*>(g) != nullptr; }}};
  for (const auto& k : cases) {
    f.layer.Clear();
    f.layer.Tool = k.tool;
    f.Drag(c.X - 40, c.Y - 30, c.X + 40, c.Y + 30);
    ASSERT_EQ(f.layer.GetCount(), 1);
    EXPECT_TRUE(k.isKind(f.layer.GetFigure(0))) << int(k.tool);
    auto& fig = dynamic_cast<TMonoLine&>(*f.layer.GetFigure(0));
    EXPECT_EQ(f.graph().XToScreen(fig.X2), c.X + 40) << int(k.tool);
    EXPECT_EQ(f.graph().YToScreen(fig.Y2), c.Y + 30) << int(k.tool);
  }
  // With no tool, the second end is dragged by its handle.
  f.layer.Tool = atNone;
  auto& fig = dynamic_cast<TMonoLine&>(*f.layer.GetFigure(0));
  const double x1 = fig.X1;
  f.Drag(c.X + 40, c.Y + 30, c.X + 60, c.Y + 50);
  EXPECT_EQ(f.graph().XToScreen(fig.X2), c.X + 60);
  EXPECT_EQ(fig.X1, x1);
}

TEST(Annotate, AFreehandStrokeKeepsNoRepeatedPoints)
{
  TAnnotateFixture f;
  f.layer.Tool = atPencil;
  const platform::TPoint c = f.Centre();
  f.graph().MouseDown(mbLeft, ssLeft, c.X, c.Y);
  f.graph().MouseMove(ssLeft, c.X, c.Y);
  f.graph().MouseMove(ssLeft, c.X + 5, c.Y);
  f.graph().MouseMove(ssLeft, c.X + 5, c.Y);
  f.graph().MouseUp(mbLeft, 0, c.X + 5, c.Y);
  auto& pencil = dynamic_cast<TPencil&>(*f.layer.GetFigure(0));
  EXPECT_EQ(pencil.StrokePoints.Count(), 4);
}

TEST(Annotate, DeleteFromThePopupRepaintsAndResetsTheSelection)
{
  TAnnotateFixture f;
  f.layer.Tool = atLine;
  const platform::TPoint c = f.Centre();
  f.Drag(c.X - 50, c.Y, c.X + 50, c.Y);
  f.layer.Tool = atNone;
  ASSERT_EQ(f.layer.GetCount(), 1);
  f.paints = 0;
  platform::ModalScript script;
  script.ChooseItem("Delete");
  f.graph().MouseDown(mbRight, ssRight, c.X, c.Y);
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(f.layer.GetCount(), 0);
  EXPECT_EQ(f.paints, 1);
  EXPECT_EQ(f.layer.GetFigure(f.layer.HitIndex), nullptr);
  // A second Delete or Properties touches nothing.
  f.layer.DeleteClick();
  f.layer.PropertiesClick();
  EXPECT_EQ(f.paints, 1);
  f.graph().MouseMove(0, c.X, c.Y);
  EXPECT_EQ(f.layer.HitIndex, -1);
}

TEST(Annotate, PropertiesRunTheDialogOfTheFiguresKindWhenItIsThere)
{
  struct TDialogsScope {
    ~TDialogsScope() { FigureDialogs() = {}; }
  } restore;
  TAnnotateFixture f;
  const platform::TPoint c = f.Centre();
  auto shape = std::make_unique<TShape>(f.graph());
  shape->X = f.graph().ScreenToX(c.X);
  shape->Y = f.graph().ScreenToY(c.Y);
  TShape& symbol = *shape;
  f.layer.AddFigure(std::move(shape));
  f.layer.AddFigure(CreateAt<TRectangle>(f.graph(), 1, platform::clRed, {f.graph().ScreenToX(c.X + 60), f.graph().ScreenToY(c.Y + 60)},
                                         {f.graph().ScreenToX(c.X + 90), f.graph().ScreenToY(c.Y + 90)}));
  f.graph().Paint();
  const auto popupAt = [&](int x, int y, const QString& item) {
    platform::ModalScript script;
    script.Then([&](platform::ModalSubject& subject) {
      auto& menu = dynamic_cast<platform::TPopupMenu&>(subject);
      const bool enabled = menu.Items().Find("miProperties")->Enabled();
      if (enabled && !item.isEmpty())
        menu.ChooseItem(item);
      return enabled ? platform::mrOk : platform::mrCancel;
    });
    f.graph().MouseMove(0, x, y);
    f.graph().MouseDown(mbRight, ssRight, x, y);
    return script.StepsLeft() == 0 && script.Answered().size() == 1;
  };
  // No dialog installed: nothing to edit, the item is disabled.
  EXPECT_FALSE(symbol.EditProperties());
  popupAt(c.X, c.Y, "");
  EXPECT_EQ(symbol.SymbolSize, 10);

  FigureDialogs().SymbolStyle = [](int& style, int& size, platform::TColor& pen, platform::TColor& fill) {
    style = 7;
    size = 14;
    pen = 0x00FF00;
    fill = 0x123456;
    return true;
  };
  std::vector<TFigureForm> forms;
  FigureDialogs().FigureProperties = [&](TFig&, TFigureForm form) {
    forms.push_back(form);
    return false;
  };
  f.paints = 0;
  popupAt(c.X, c.Y, "miProperties");
  EXPECT_EQ(symbol.SymbolStyle, 7);
  EXPECT_EQ(symbol.Marker->Size, 14);
  EXPECT_EQ(symbol.Marker->Color, 0x00FF00u);
  EXPECT_EQ(symbol.Marker->Color2, 0x123456u);
  EXPECT_EQ(symbol.Marker->Style, 7);
  EXPECT_EQ(f.paints, 1);
  popupAt(c.X + 60, c.Y + 75, "miProperties");
  EXPECT_EQ(forms, std::vector<TFigureForm>{TFigureForm::Rectangle});
  EXPECT_FALSE(CreateAt<TArrow>(f.graph(), 1, 0, {0, 0}, {1, 1})->EditProperties());
  EXPECT_EQ(forms.back(), TFigureForm::Line);
  TNoteText note(f.graph());
  note.EditProperties();
  EXPECT_EQ(forms.back(), TFigureForm::Note);
}

TEST(Annotate, AnInvisibleLayerNeitherDrawsNorChangesDraggingBytes)
{
  TAnnotateFixture f;
  f.layer.Tool = atRectangle;
  const platform::TPoint c = f.Centre();
  f.Drag(c.X, c.Y, c.X + 20, c.Y + 20);
  f.layer.SetVisible(false);
  f.layer.SetEditing(true);
  EXPECT_EQ(f.layer.GetFigure(0)->Dragging, 0);
  f.layer.SetVisible(true);
  f.layer.SetEditing(true);
  EXPECT_EQ(f.layer.GetFigure(0)->Dragging, 1);
}

TEST(Annotate, AScaledNoteGrowsWithTheZoomAndAFixedOneKeepsItsSize)
{
  TAnnotateFixture f;
  TNoteText scaled(f.graph());
  scaled.Scaled = 1;
  TNoteText fixed(f.graph());
  EXPECT_EQ(scaled.GetDrawSize(), 10);
  const plot::TFloatRect range = f.graph().Range;
  plot::TFloatRect half = range;
  half.Bottom = range.Top + (range.Bottom - range.Top) / 2;
  f.graph().Zoom.PushAndApply(half, f.graph().Range2);
  EXPECT_EQ(scaled.GetDrawSize(), 20);
  EXPECT_EQ(fixed.GetDrawSize(), 10);
  // A note's box follows its text and is hit inside.
  scaled.Text = "note";
  scaled.X = f.graph().ScreenToX(f.Centre().X);
  scaled.Y = f.graph().ScreenToY(f.Centre().Y);
  scaled.UpdateBox();
  EXPECT_TRUE(scaled.HitTest(f.Centre().X + 3, f.Centre().Y + 3));
  EXPECT_FALSE(scaled.HitTest(f.Centre().X - 3, f.Centre().Y - 3));
}

TEST(Annotate, AnArrowsHeadStaysAtItsTipWhenTheAxesDifferInScale)
{
  TPlotFixture f;
  f.AddSeries("s", plot::kStylePoints, platform::clBlue, {{0, 0}, {10, 0.1}});
  auto& layer = dynamic_cast<TGraphAnnotate&>(f.chart->Graph->GetAnnotations());
  plot::TGraph& graph = *f.chart->Graph;
  f.chart->Redraw();
  const struct {
    plot::TFloatPoint from, to;
  } cases[] = {{{2, 0.02}, {8, 0.05}}, {{8, 0.08}, {3, 0.03}}, {{5, 0.01}, {5, 0.09}}};
  for (const auto& c : cases) {
    layer.Clear();
    layer.AddFigure(CreateAt<TArrow>(graph, 1, platform::clRed, c.from, c.to));
    graph.Paint();
    const QRect line = QRect(QPoint(graph.XToScreen(c.from.X), graph.YToScreen(c.from.Y)),
                             QPoint(graph.XToScreen(c.to.X), graph.YToScreen(c.to.Y)))
                           .normalized();
    const int length = std::max(line.width(), line.height());
    // Red beyond the arrow's box grown by its head's half width.
    const QRect around = line.adjusted(-length / 10 - 2, -length / 10 - 2, length / 10 + 2, length / 10 + 2);
    const QImage& picture = f.chart->Image->Picture.Image();
    int outside = 0, inside = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if ((picture.pixel(x, y) & 0xFFFFFF) == 0xFF0000)
          (around.contains(x, y) ? inside : outside) += 1;
    EXPECT_EQ(outside, 0) << c.to.X << "," << c.to.Y;
    EXPECT_GT(inside, length) << c.to.X << "," << c.to.Y;
  }
}

}  // namespace
}  // namespace plotui::test
