#pragma once
// An axis drawn onto a recording canvas through the axis test chart, and what reached it: the
// texts written and the lines drawn.

#include "platform/CanvasRecording.h"
#include "tests/chart/model/AxisTestChart.h"

#include <QString>
#include <vector>

namespace chart::testing {

struct TDrawnText {
  QString Text;
  platform::TPoint At;
  unsigned Align = 0;
  platform::TFontData Font;
};

struct TDrawnLine {
  platform::TPoint From;
  platform::TPoint To;
  platform::TPenData Pen;
};

struct TAxisRecording {
  TAxisTestChart Chart;
  platform::TRecordingCanvas Target;

  TAxisRecording() { Chart.DrawOn(Target); }

  std::vector<TDrawnText> Texts() const
  {
    std::vector<TDrawnText> texts;
    for (const platform::TCanvasRecord& r : Target.Records())
      if (r.Op == platform::TCanvasOp::TextOut)
        texts.push_back({r.Text, r.Points[0], r.State.TextAlign, r.State.Font});
    return texts;
  }
  std::vector<QString> TextStrings() const
  {
    std::vector<QString> texts;
    for (const TDrawnText& t : Texts())
      texts.push_back(t.Text);
    return texts;
  }
  std::vector<TDrawnLine> Lines() const
  {
    std::vector<TDrawnLine> lines;
    for (const platform::TCanvasRecord& r : Target.Records())
      if (r.Op == platform::TCanvasOp::LineTo)
        lines.push_back({r.Points[0], r.Points[1], r.State.Pen});
    return lines;
  }
  // The lines drawn with a pen of this colour and width (ticks, grid, axis line).
  std::vector<TDrawnLine> LinesOf(platform::TPenStyle style, int width) const
  {
    std::vector<TDrawnLine> lines;
    for (const TDrawnLine& l : Lines())
      if (l.Pen.Style == style && l.Pen.Width == width)
        lines.push_back(l);
    return lines;
  }
};

}  // namespace chart::testing
