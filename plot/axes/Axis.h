#pragma once
// The four axes of a graph: the user's settings for one direction (visibility, colours, fonts,
// caption, logarithmic scale, inversion, automatic or manual limits, tick settings, custom labels,
// placement). Tick layout, label space and drawing build on these settings.

#include "plot/support/FloatUtils.h"
#include "plot/support/GraphAbstract.h"
#include "plot/support/GraphTypes.h"

#include "platform/CanvasTypes.h"
#include "platform/Font.h"

#include <QString>
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

class TAxis : public TGraphAbstract {
public:
  TAxis(TGraph& graph, double a, double b, int charset);

  virtual void SetLog(bool value) { Log = value; }
  // Computes the tick layout for the axis's range in the graph.
  virtual void ComputeTicks() {}
  // Takes the space of the labels and the caption from r.
  virtual void LabelSpace(platform::TRect& r, TWText& text) { (void)r, (void)text; }

  // Custom labels: caption and position.
  void AddLabel(const QString& caption, double value) { Labels.emplace_back(caption, value); }
  void ClearLabels() { Labels.clear(); }

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
  double RangeMin = 0;
  double RangeMax = 0;
  int LineWidth = 1;
  TAxisLocation Location = alOutside;
  double Position = 0;
};

class TXAxis : public TAxis {
public:
  TXAxis(TGraph& graph, double a, double b, int charset) : TAxis(graph, a, b, charset) { LabelsDirection = ldHorizontal; }
};

class TYAxis : public TAxis {
public:
  TYAxis(TGraph& graph, double a, double b, int charset) : TAxis(graph, a, b, charset) { LabelsDirection = ldVertical; }
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
};

class TYAxis2 : public T2Axis {
public:
  TYAxis2(TGraph& graph, int charset) : T2Axis(graph, charset) { LabelsDirection = ldVertical; }
};

}  // namespace plot
