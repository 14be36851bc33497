#pragma once
// One horizontal bar per task from its start to its end date, with lines to a next task.

#include "chart/series/PointSeries.h"

#include <memory>

namespace chart {

class TGanttSeries : public TPointSeries {
public:
  TGanttSeries();
  ~TGanttSeries() override;

  TChartValueList& StartValues() { return XValues(); }
  const TChartValueList& StartValues() const { return XValues(); }
  void SetStartValues(const TChartValueList& source) { SetXValues(source); }
  TChartValueList& EndValues() { return *endValues_; }
  const TChartValueList& EndValues() const { return *endValues_; }
  void SetEndValues(const TChartValueList& source);
  // The index of each task's next task; -1 for none.
  TChartValueList& NextTask() { return *nextTask_; }
  const TChartValueList& NextTask() const { return *nextTask_; }
  void SetNextTask(const TChartValueList& source);
  TChartPen& ConnectingPen() { return *connectingPen_; }
  const TChartPen& ConnectingPen() const { return *connectingPen_; }
  void SetConnectingPen(const TChartPen& pen);

  int AddTask(double start, double end, double row, const QString& label = {},
              TColor color = platform::clDefault);

  void Assign(const TCustomSeries& source) override;
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;
  void DrawValue(int valueIndex) override;
  void FillSampleValues(int numValues) override;
  bool CanCopyFrom(const TChartSeries& source) const override;
  double MaxXValue() const override;
  void PrepareForGallery(bool isEnabled) override;
  QString GetEditorClassName() const override { return QStringLiteral("TGanttSeriesEditor"); }
  const TChartValueList& MandatoryValueList() const override { return XValues(); }
  void ClearTempValue(TChartValueList& list) override;
  bool IsPointInPointer(int valueIndex, int pointX, int pointY, int x, int y) const override;

private:
  int EndPixel(int valueIndex) const { return XValueToPixel(endValues_->GetValue(valueIndex)); }

  TChartValueList* endValues_;
  TChartValueList* nextTask_;
  std::unique_ptr<TChartPen> connectingPen_;
};

}  // namespace chart
