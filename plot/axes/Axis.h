#pragma once
// The four axes of a graph: the user's settings for one direction (visibility, colours, fonts,
// caption, logarithmic scale, inversion, automatic or manual limits, tick settings, custom labels,
// placement) and the tick layout computed last. An axis does not own its range: it reads and
// rewrites the graph's range pair it serves (the primary range for X and Y, the second for X2
// and Y2).

#include "plot/support/FloatUtils.h"
#include "plot/support/GraphAbstract.h"
#include "plot/support/GraphTypes.h"

#include "platform/CanvasTypes.h"
#include "platform/Font.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace plot {

class TGraph;
class TWText;

struct TAxisTicks {
  TTicksDirection Direction = tdOut;
  bool MajorVisible = true;
  bool MinorVisible = true;
  int MajorLength = 4;  // unit heights
  int MinorLength = 2;
};

using TAxisNotify = std::function<void(TGraph&)>;

class TAxis : public TGraphAbstract {
public:
  TAxis(TGraph& graph, double a, double b, int charset);

  virtual void SetLog(bool value);
  // The tick layout of low..high (exchanged when low is the larger): TickCount, MajorEvery,
  // TickStep, Decimals and FirstTick; may round high to the layout. A span of zero or one that is
  // not finite keeps the previous layout.
  virtual void ComputeTicks(double& low, double& high);
  // ComputeTicks on the axis's range; the rounded ends go back to the graph where automatic.
  virtual void ApplyNiceRange();
  // Widens the range by whole tick steps.
  virtual void ExtendByTicks(int below, int above);
  // Takes the room of the labels, ticks and caption outside the plot from r.
  virtual void LabelSpace(platform::TRect& r, TWText& text) = 0;
  // The pixel width of the widest label the axis would draw now (0 when hidden).
  virtual int MeasureLabels() = 0;

  // The range pair the axis serves, in axis units (logarithms on a logarithmic axis, exchanged on
  // an inverted one).
  virtual double& RangeLow() const = 0;
  virtual double& RangeHigh() const = 0;
  // X and X2 run along the width of the plot.
  virtual bool Horizontal() const = 0;

  // Custom labels: caption and position; AddLabel returns the new index.
  int AddLabel(const QString& caption, double value);
  void ClearLabels() { Labels.clear(); }

  // The label text of a tick value: Digits after the point, without needless zeros.
  QString FormatLabel(int digits, double value, double step) const;

  TAxisNotify OnLogChanged;
  TAxisNotify OnLogChanging;
  bool Log = false;
  bool Inverted = false;
  double FirstTick = 0;
  double TickStep = 0;
  int TickCount = 0;
  int Decimals = 0;
  int MajorEvery = 0;
  TGraph* Graph;  // not owned
  std::vector<std::pair<QString, double>> Labels;
  platform::TFont Font;
  TAxisLabelsStyle LabelsStyle = asFloat;
  TAxisLabelsDirection LabelsDirection = ldHorizontal;
  QString Name;
  platform::TFont NameFont;
  TAxisTicks Ticks;
  bool MajorLineVisible = true;
  bool RegularLabelsVisible = true;
  int LabelsFrequency = 1;
  bool Grid = false;
  platform::TColor GridColor = platform::clSilver;
  bool AutoMin = true;
  bool AutoMax = true;
  double Minimum = MissingValue;  // manual lower limit; MissingValue: not set
  double Maximum = MissingValue;
  double RangeMin = 0;  // working copies of the range ends
  double RangeMax = 0;
  int LineWidth = 1;
  TAxisLocation Location = alOutside;
  double Position = 0;  // alInside: the value on the other axis the axis crosses at

protected:
  bool Zoomed() const;
};

class TXAxis : public TAxis {
public:
  TXAxis(TGraph& graph, double a, double b, int charset) : TAxis(graph, a, b, charset) { LabelsDirection = ldHorizontal; }
  void Draw() override;
  void LabelSpace(platform::TRect& r, TWText& text) override;
  int MeasureLabels() override;
  double& RangeLow() const override;
  double& RangeHigh() const override;
  bool Horizontal() const override { return true; }
};

class TYAxis : public TAxis {
public:
  TYAxis(TGraph& graph, double a, double b, int charset) : TAxis(graph, a, b, charset) { LabelsDirection = ldVertical; }
  void Draw() override;
  void LabelSpace(platform::TRect& r, TWText& text) override;
  int MeasureLabels() override;
  double& RangeLow() const override;
  double& RangeHigh() const override;
  bool Horizontal() const override { return false; }
};

// The second axes draw without a base line width of their own.
class T2Axis : public TAxis {
public:
  T2Axis(TGraph& graph, int charset) : TAxis(graph, 1, 2, charset) { LineWidth = 0; }
  void SetVisible(bool value) override
  {
    TAxis::SetVisible(value);
    LineWidth = 0;
  }
};

class TXAxis2 : public T2Axis {
public:
  TXAxis2(TGraph& graph, int charset) : T2Axis(graph, charset) { LabelsDirection = ldHorizontal; }
  void Draw() override;
  void LabelSpace(platform::TRect& r, TWText& text) override;
  int MeasureLabels() override;
  double& RangeLow() const override;
  double& RangeHigh() const override;
  bool Horizontal() const override { return true; }
};

class TYAxis2 : public T2Axis {
public:
  TYAxis2(TGraph& graph, int charset) : T2Axis(graph, charset) { LabelsDirection = ldVertical; }
  void Draw() override;
  void LabelSpace(platform::TRect& r, TWText& text) override;
  int MeasureLabels() override;
  double& RangeLow() const override;
  double& RangeHigh() const override;
  bool Horizontal() const override { return false; }
};

}  // namespace plot
