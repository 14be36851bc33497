// The Gantt kind: tasks, their bars and connectors, marks on the bars, clicks and samples.
#include "chart/series/GanttSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"
#include "platform/CanvasRounding.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace chart {
namespace {

constexpr std::array<const char*, 10> kSampleTasks{"Design",    "Prototyping", "Development", "Sales",       "Marketing",
                                                   "Testing",   "Manufac.",    "Debugging",   "New Version", "Banking"};

}  // namespace

TGanttSeries::TGanttSeries()
    : endValues_(&CreateValueList(QStringLiteral("End"))),
      nextTask_(&CreateValueList(QStringLiteral("NextTask"))),
      connectingPen_(CreateChartPen())
{
  XValues().SetName(QStringLiteral("Start"));
  XValues().SetDateTime(true);
  endValues_->SetDateTime(true);
  nextTask_->SetStagedValue(-1);
  SetColorEachPoint(true);
  Pointer().SetStyle(TSeriesPointerStyle::psRectangle);
  SetClickableLineFlag(false);
  restrictToAxisRange_ = false;
}

TGanttSeries::~TGanttSeries() = default;

void TGanttSeries::SetEndValues(const TChartValueList& source)
{
  endValues_->Assign(source);
  Repaint();
}

void TGanttSeries::SetNextTask(const TChartValueList& source)
{
  nextTask_->Assign(source);
  Repaint();
}

void TGanttSeries::SetConnectingPen(const TChartPen& pen) { connectingPen_->Assign(pen); }

int TGanttSeries::AddTask(double start, double end, double row, const QString& label, TColor color)
{
  const int index = AddXY(start, row, label, color);
  if (index < 0) return index;
  endValues_->SetStagedValue(end);
  nextTask_->SetStagedValue(-1);
  AddExtraValues(index);
  return index;
}

void TGanttSeries::Assign(const TCustomSeries& source)
{
  if (const auto* gantt = dynamic_cast<const TGanttSeries*>(&source); gantt != nullptr && gantt != this)
    connectingPen_->Assign(*gantt->connectingPen_);
  TPointSeries::Assign(source);
}

bool TGanttSeries::CanCopyFrom(const TChartSeries& source) const
{
  return &source != this && dynamic_cast<const TGanttSeries*>(&source) != nullptr;
}

double TGanttSeries::MaxXValue() const { return std::max(XValues().MaxValue(), endValues_->MaxValue()); }

void TGanttSeries::PrepareForGallery(bool isEnabled)
{
  TPointSeries::PrepareForGallery(isEnabled);
  SetColorEachPoint(isEnabled);
  Pointer().SetVertSize(3);
}

void TGanttSeries::ClearTempValue(TChartValueList& list) { list.SetStagedValue(&list == nextTask_ ? -1 : 0); }

bool TGanttSeries::IsPointInPointer(int valueIndex, int pointX, int pointY, int x, int y) const
{
  return x >= pointX && x <= EndPixel(valueIndex) &&
         std::llabs(static_cast<long long>(y) - pointY) < Pointer().VertSize();
}

void TGanttSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position)
{
  position.TopLeft.X += (EndPixel(valueIndex) - position.ArrowStart.X) / 2;
  position.TopLeft.Y += position.Height / 2;
  TCustomSeries::DrawMark(valueIndex, text, position);
}

void TGanttSeries::DrawValue(int valueIndex)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr || !Pointer().Visible()) return;
  const TColor color = ValueColor(valueIndex);
  Pointer().PrepareCanvas(color);
  const int x0 = CalcXPos(valueIndex);
  const int x1 = EndPixel(valueIndex);
  const int y = CalcYPos(valueIndex);
  const int half = int((static_cast<long long>(x1) - x0) / 2);
  const TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(*this, valueIndex) : Pointer().Style();
  Pointer().DrawSymbol(chart->View3D(), x0 + half, y, half, Pointer().VertSize(), color, style);

  if (!connectingPen_->Visible()) return;
  const double next = nextTask_->GetValue(valueIndex);
  if (!std::isfinite(next)) return;
  const int n = platform::SafeRound(next);
  if (n < 0 || n >= Count()) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  canvas.ApplyChartPen(*connectingPen_);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  const int xn = CalcXPos(n);
  const int yn = CalcYPos(n);
  const int m = int(x1 + (static_cast<long long>(xn) - x1) / 2);
  canvas.Line3D(x1, y, m, y, DepthMiddle);
  canvas.LineToPoint3D(m, yn, DepthMiddle);
  canvas.LineToPoint3D(xn, yn, DepthMiddle);
}

void TGanttSeries::FillSampleValues(int numValues)
{
  if (numValues <= 0) throw ChartException(QString::fromLatin1(msg::SampleValuesCount));
  Clear();
  const double today = TodayDate();
  const int n = std::min(numValues, RandomInt(20) + 10);
  for (int a = 0; a <= n; ++a) {
    const double start = today + 3 * a + RandomInt(5);
    const double end = start + 9 + RandomInt(16);
    const int k = AddTask(start, end, a % 10, QString::fromLatin1(kSampleTasks[std::size_t(a % 10)]),
                          platform::clDefault);
    for (int j = 0; j < k; ++j) {
      if (nextTask_->GetValue(j) == -1 && endValues_->GetValue(j) < start) {
        nextTask_->SetValue(j, k);
        break;
      }
    }
  }
  NotifyLinked(TSeriesNotification::Refresh, -1);
}

}  // namespace chart
