// The chart's own drawing steps: the title and foot, the legend's turn, the walls, and the
// series' margins inside the axes.
#include "chart/model/ChartSeries.h"
#include "chart/panel/CustomChart.h"
#include "platform/CanvasRecord.h"

#include <algorithm>

namespace chart {

void TCustomChart::DrawTitlesAndLegend()
{
  TTeeCanvas3D& canvas = Canvas();
  canvas.BeginFlatDrawing();
  const auto drawTitles = [this] {
    if (title_->Visible())
      DrawTitle(true);
    if (foot_->Visible())
      DrawTitle(false);
  };
  bool anyActive = false;
  for (int i = 0; i < SeriesCount() && !anyActive; ++i)
    anyActive = SeriesAt(i).Active();
  legendDrawn_ = legend_->Visible() && anyActive;
  if (!legendDrawn_) {
    drawTitles();
  } else if (legend_->IsVertical()) {
    legend_->Draw();
    drawTitles();
  } else {
    drawTitles();
    legend_->Draw();
  }
  canvas.EndFlatDrawing();
}

void TCustomChart::DrawTitle(bool isTitle)
{
  TChartTitle& title = isTitle ? *title_ : *foot_;
  TTeeCanvas3D& canvas = Canvas();
  AssignFont(title.Font());
  const int h = canvas.FontHeight();

  const TChartBrush& brush = title.Brush();
  const bool solid = brush.Style() == platform::TBrushStyle::bsSolid && !brush.HasBitmap();
  if (title.Color() == platform::clDefault) {
    if (!solid) {
      canvas.Brush().Assign(brush);
      canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
    } else if (brush.Color() == platform::clDefault) {
      canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    } else {
      title.SetColor(brush.Color());
      canvas.Brush().SetColor(brush.Color());
      canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    }
  } else if (!solid) {
    canvas.Brush().Assign(brush);
    canvas.SetBackgroundMode(platform::TBkMode::bmOpaque);
    canvas.SetBackgroundColor(platform::ColorToRGB(title.Color()));
  } else {
    canvas.Brush().SetColor(title.Color());
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  }

  const TChartPen& frame = title.Frame();
  const bool frameCounts = frame.Visible() && frame.Color() != platform::clDefault;
  const int fw = frameCounts ? frame.Width() : 0;
  const TRect chartRect = ChartRect();
  const int lines = int(title.Text().size());
  TRect r{chartRect.Left + fw, 0, chartRect.Right - fw, 0};
  if (isTitle) {
    r.Top = chartRect.Top + fw;
    r.Bottom = r.Top + lines * h;
  } else {
    r.Bottom = chartRect.Bottom - fw;
    r.Top = r.Bottom - lines * h;
  }
  if (frameCounts)
    canvas.ApplyChartPen(frame);
  else
    canvas.Pen().SetStyle(platform::TPenStyle::psClear);
  const int fullLeft = r.Left;
  const int fullRight = r.Right;
  r = {r.Left - fw, r.Top - fw, r.Right + fw, r.Bottom + fw};
  const int wWidth = canvas.TextWidthOf(QStringLiteral("W"));
  if (frameCounts || canvas.Brush().Style() != platform::TBrushStyle::bsClear) {
    TRect box = r;
    if (title.AdjustFrame()) {
      int widest = 0;
      for (const QString& line : title.Text())
        widest = std::max(widest, canvas.TextWidthOf(line));
      const int width = widest + wWidth;
      switch (title.Alignment()) {
      case TAlignment::taLeftJustify: box.Right = box.Left + width; break;
      case TAlignment::taRightJustify: box.Left = box.Right - width; break;
      case TAlignment::taCenter: {
        const int centre = (box.Left + box.Right) / 2;
        box.Left = centre - width / 2;
        box.Right = box.Left + width;
        break;
      }
      }
    }
    canvas.DrawRect(box);
  }
  title.SetTitleRect(r);

  canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
  canvas.SetTextAlignment(platform::TA_LEFT | platform::TA_TOP);
  for (int i = 0; i < lines; ++i) {
    const QString& line = title.Text()[isTitle ? i : lines - 1 - i];
    const int textWidth = canvas.TextWidthOf(line);
    int x = 0;
    switch (title.Alignment()) {
    case TAlignment::taLeftJustify: x = fullLeft + wWidth / 2; break;
    case TAlignment::taRightJustify: x = fullRight - textWidth - wWidth / 2; break;
    case TAlignment::taCenter: x = (fullLeft + fullRight) / 2 - textWidth / 2; break;
    }
    const int y = isTitle ? r.Top + fw + i * h : r.Bottom - fw - (i + 1) * h;
    canvas.WriteText(x, y, line);
  }

  TRect rest = ChartRect();
  if (isTitle)
    rest.Top = r.Bottom + 5;
  else
    rest.Bottom = r.Top - 5;
  SetChartRect(rest);
  RecalcWidthHeight();
}

void TCustomChart::PrepareWallCanvas(const TChartWall& wall)
{
  TTeeCanvas3D& canvas = Canvas();
  canvas.ApplyChartPen(wall.Pen());
  const TChartBrush& brush = wall.Brush();
  if (brush.HasBitmap()) {
    canvas.Brush().Assign(brush);
    return;
  }
  canvas.Brush().SetBitmap(nullptr);
  if (wall.Color() == platform::clDefault && brush.Style() == platform::TBrushStyle::bsSolid)
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  else
    SetBrushCanvas(wall.Color(), brush.Style(), brush.Color());
}

void TCustomChart::DrawWalls()
{
  TTeeCanvas3D& canvas = Canvas();
  const TRect r = ChartRect();
  const int depth = Width3D();
  const bool walls3D = View3D() && View3DWalls();
  PrepareWallCanvas(*backWall_);
  if (!View3D())
    canvas.DrawRectangle(r.Left, r.Top, r.Right + 1, r.Bottom);
  else if (walls3D && backWall_->Size() > 0)
    canvas.Box3D(r.Left - leftWall_->Size(), r.Right, r.Top, r.Bottom + bottomWall_->Size(), depth,
                 depth + backWall_->Size(), backWall_->ShouldDarken());
  else
    canvas.Rectangle3D({r.Left + 1, r.Top - 1, r.Right, r.Bottom}, depth);

  if (backImageInside_) {
    TRect inside = r;
    if (backWall_->Pen().Visible()) {
      ++inside.Top;
      --inside.Bottom;
    }
    DrawBackImageRect(inside, depth);
  }
  if (!walls3D)
    return;
  PrepareWallCanvas(*leftWall_);
  const int bottomSize = bottomWall_->Size();
  if (leftWall_->Size() < 1)
    canvas.DepthRectangleX(r.Left, r.Top, r.Bottom + bottomSize, 0, depth + 1);
  else
    canvas.Box3D(r.Left - leftWall_->Size(), r.Left, r.Top, r.Bottom + bottomSize, 0, depth + 1,
                 leftWall_->ShouldDarken());
  PrepareWallCanvas(*bottomWall_);
  if (bottomSize < 1)
    canvas.DepthRectangleY(r.Left, r.Bottom, r.Right, 0, depth);
  else
    canvas.Box3D(r.Left, r.Right, r.Bottom, r.Bottom + bottomSize, 0, depth, bottomWall_->ShouldDarken());
}

void TCustomChart::CalcSeriesMargins()
{
  for (int index = 0; index < 4; ++index) {
    TChartAxis& axis = *SideAxis(index);
    TRect margins{0, 0, 0, 0};
    for (int i = 0; i < SeriesCount(); ++i) {
      const TChartSeries& s = SeriesAt(i);
      if (!s.Active() || !s.AssociatedToAxis(axis))
        continue;
      int a = 0;
      int b = 0;
      if (axis.Horizontal()) {
        s.CalcHorizMargins(a, b);
        if (axis.AutomaticMinimum())
          margins.Left = std::max(margins.Left, a);
        if (axis.AutomaticMaximum())
          margins.Right = std::max(margins.Right, b);
      } else {
        s.CalcVerticalMargins(a, b);
        if (axis.AutomaticMaximum())
          margins.Top = std::max(margins.Top, a);
        if (axis.AutomaticMinimum())
          margins.Bottom = std::max(margins.Bottom, b);
      }
    }
    axis.AdjustRangeToRect(margins);
  }
}

}  // namespace chart
