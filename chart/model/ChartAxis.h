#pragma once
// A chart axis: its settings, its range (automatic or set), the mapping between values and pixels
// (linear, logarithmic, depth), the label step and the label texts. Drawing and layout build on it.

#include "chart/canvas/ChartPen.h"
#include "chart/model/AxisTitle.h"
#include "platform/CanvasTypes.h"
#include "platform/Font.h"

#include <QString>
#include <memory>

namespace chart {

class TParentChart;
class TTeeCanvas;

enum class TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
// Where an axis lies on the plot; the depth axis runs along the floor's right edge.
enum class TAxisSide { Left, Top, Right, Bottom, Depth };

class TCustomChartAxis {
public:
  explicit TCustomChartAxis(TParentChart* chart);
  virtual ~TCustomChartAxis();
  TCustomChartAxis(const TCustomChartAxis&) = delete;
  TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

  TParentChart* ParentChart() const { return chart_; }

  // Place on the chart, set by the chart after creation.
  bool Horizontal() const { return horizontal_; }
  bool OtherSide() const { return otherSide_; }
  bool IsDepth() const { return isDepth_; }
  void SetHorizontal(bool on) { horizontal_ = on; }
  void SetOtherSide(bool on) { otherSide_ = on; }
  void SetIsDepth(bool on) { isDepth_ = on; }
  int DefaultTitleAngle() const { return title_.DefaultAngle(); }
  void SetDefaultTitleAngle(int angle) { title_.SetDefaultAngle(angle); }

  // Range settings.
  bool Automatic() const { return automatic_; }
  bool AutomaticMinimum() const { return automaticMinimum_; }
  bool AutomaticMaximum() const { return automaticMaximum_; }
  double Minimum() const { return minimum_; }
  double Maximum() const { return maximum_; }
  double Increment() const { return increment_; }
  bool Logarithmic() const { return logarithmic_; }
  int LogarithmicBase() const { return logarithmicBase_; }
  bool Inverted() const { return inverted_; }
  void SetAutomatic(bool on);         // also the two others, unless the chart is being read
  void SetAutomaticMinimum(bool on);  // off clears Automatic; on sets it with AutomaticMaximum
  void SetAutomaticMaximum(bool on);
  void SetMinimum(double value);    // AxisException above Maximum, unless reading
  void SetMaximum(double value);    // AxisException below Minimum, unless reading
  void SetIncrement(double value);  // AxisException below 0
  void SetLogarithmic(bool on);     // AxisException on a date-time axis or a negative range
  void SetLogarithmicBase(int value);  // AxisException below 2
  void SetInverted(bool on);
  void SetInvertedField(bool on) { inverted_ = on; }  // no repaint
  // Fixed range from the smaller to the larger, at least 1e-10 wide; Automatic flags cleared.
  void SetMinMax(double a, double b);
  bool IsMinimumStored() const { return !automatic_ && !automaticMinimum_; }
  bool IsMaximumStored() const { return !automatic_ && !automaticMaximum_; }

  // Label settings.
  bool Labels() const { return labels_; }
  int LabelsAngle() const { return labelsAngle_; }
  const platform::TFont& LabelsFont() const { return *labelsFont_; }
  platform::TFont& LabelsFont() { return *labelsFont_; }
  bool LabelsMultiLine() const { return labelsMultiLine_; }
  bool LabelsOnAxis() const { return labelsOnAxis_; }
  int LabelsSeparation() const { return labelsSeparation_; }
  int LabelsSize() const { return labelsSize_; }
  TAxisLabelStyle LabelStyle() const { return labelStyle_; }
  const QString& AxisValuesFormat() const { return axisValuesFormat_; }
  const QString& DateTimeFormat() const { return dateTimeFormat_; }
  bool ExactDateTime() const { return exactDateTime_; }
  bool RoundFirstLabel() const { return roundFirstLabel_; }
  void SetLabels(bool on);
  void SetLabelsAngle(int angle);  // ChartException outside 0..359
  void SetLabelsFont(const platform::TFont& font);  // copies the settings
  void SetLabelsMultiLine(bool on);
  void SetLabelsOnAxis(bool on);
  void SetLabelsSeparation(int percent);  // AxisException below 0
  void SetLabelsSize(int pixels);
  void SetLabelStyle(TAxisLabelStyle style);
  void SetAxisValuesFormat(const QString& format);
  void SetDateTimeFormat(const QString& format);
  void SetExactDateTime(bool on);
  void SetRoundFirstLabel(bool on);
  bool IsLabelsFontStored() const;
  bool IsAxisValuesFormatStored() const;

  // Lines, ticks and title.
  TChartAxisPen& Axis() { return axisPen_; }
  TDottedGrayPen& Grid() { return grid_; }
  TDarkGrayPen& MinorTicks() { return minorTicks_; }
  TDarkGrayPen& Ticks() { return ticks_; }
  TDarkGrayPen& TicksInner() { return ticksInner_; }
  const TChartAxisPen& Axis() const { return axisPen_; }
  const TDottedGrayPen& Grid() const { return grid_; }
  const TDarkGrayPen& MinorTicks() const { return minorTicks_; }
  const TDarkGrayPen& Ticks() const { return ticks_; }
  const TDarkGrayPen& TicksInner() const { return ticksInner_; }
  void SetAxis(const TChartPen& pen) { axisPen_.Assign(pen); }
  void SetGrid(const TChartPen& pen) { grid_.Assign(pen); }
  void SetMinorTicks(const TChartPen& pen) { minorTicks_.Assign(pen); }
  void SetTicks(const TChartPen& pen) { ticks_.Assign(pen); }
  void SetTicksInner(const TChartPen& pen) { ticksInner_.Assign(pen); }
  int MinorTickCount() const { return minorTickCount_; }
  int MinorTickLength() const { return minorTickLength_; }
  int TickInnerLength() const { return tickInnerLength_; }
  int TickLength() const { return tickLength_; }
  bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
  void SetMinorTickCount(int count);
  void SetMinorTickLength(int pixels);
  void SetTickInnerLength(int pixels);
  void SetTickLength(int pixels);
  void SetTickOnLabelsOnly(bool on);
  TChartAxisTitle& Title() { return title_; }
  const TChartAxisTitle& Title() const { return title_; }
  void SetTitle(const TChartAxisTitle& title) { title_.Assign(title); }
  int TitleSize() const { return titleSize_; }
  void SetTitleSize(int pixels);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);

  // Copies every setting but GridCentered and LabelsMultiLine, without repainting.
  void Assign(const TCustomChartAxis& source);

  // Range shown now.
  double RangeMin() const { return rangeMin_; }
  double RangeMax() const { return rangeMax_; }
  double RangeSpan() const { return rangeSpan_; }
  bool IsDateTime() const { return isDateTime_; }  // as of the last measuring or drawing
  void UpdateIsDateTime() { isDateTime_ = IsDateTimeAxis(); }
  bool IsDateTimeAxis() const;  // the first active series on the axis holds dates
  // The automatic ends from the chart's series, written into Minimum and Maximum.
  void CalcAutoMinMax(double& min, double& max);
  void AdjustMaxMin();  // the range from Minimum and Maximum (after the automatic ones)
  // Keeps rect's margins (start and end along the axis) between the series and the plot edges.
  void AdjustRangeToRect(const platform::TRect& rect);
  void SetRange(double min, double max);  // the range shown, Minimum and Maximum untouched

  // Pixels along the axis and across it.
  int StartPixel() const { return startPixel_; }
  int EndPixel() const { return endPixel_; }
  int SizePixels() const { return sizePixels_; }
  int CenterPixel() const { return centerPixel_; }
  int AxisPixel() const { return axisPixel_; }
  int LabelsPixel() const { return labelsPixel_; }
  int TitlePixel() const { return titlePixel_; }
  void SetAxisPixel(int pixel) { axisPixel_ = pixel; }
  void SetLabelsPixel(int pixel) { labelsPixel_ = pixel; }
  void SetTitlePixel(int pixel) { titlePixel_ = pixel; }
  void SetPixelRange(int start, int end);  // size and centre follow
  void CalcPixelRange();                   // from the plot rectangle and the axis' positions

  int PosOfValue(double value) const;  // by Horizontal
  int HorizPosOfValue(double value) const;
  int VertPosOfValue(double value) const;
  int DepthPosOfValue(double value) const;
  int SizeOfValue(double span) const;
  double ValueOfPos(int pixel) const;

  // Label step.
  double CalcIncrement();
  double CalcXYIncrement(int labelSize) const;
  double CalcLabelsIncrement(int maxLabels) const;
  double CalcNumericIncrement(int maxLabels) const;
  double CalcDateTimeIncrement(int maxLabels) const;
  // One step of a label value, down or up (whole calendar months or years for long date steps).
  void StepLabelValue(bool up, double& value, int stepIndex, double increment) const;

  // Label texts.
  QString LabelValue(double value) const;
  TAxisLabelStyle CalcLabelStyle() const;
  int MaxLabelsWidth();
  int HorizLabelSize(double value) const;  // pixels with LabelsFont on the chart's canvas
  int VertLabelSize(double value) const;

  // Drawing and layout.
  TAxisSide Side() const;
  // Draws title, ticks, grid, labels and line; with calcPosAxis the line's place comes from the plot.
  void Draw(bool calcPosAxis);
  // Reserves room for title, labels and ticks inside rect (inflateChartRect), or places the axis,
  // its labels and title at rect's edge.
  void CalcRect(platform::TRect& rect, bool inflateChartRect);
  int SizeTickAxis() const;  // the line's width and the ticks' length
  int SizeLabels();          // room across the axis for the labels
  int SizeTitle();           // room across the axis for the title
  // Draws at the given places, the grid shown or hidden for this drawing only.
  void CustomDraw(int posLabels, int posTitle, int posAxis, bool gridVisible, int startPos, int endPos);
  // CustomDraw over the given range and step; the axis' own range settings come back afterwards.
  void CustomDrawMinMax(int posLabels, int posTitle, int posAxis, bool gridVisible, double minimum,
                        double maximum, double increment, int startPos, int endPos);
  // The point lies on the axis' line, ticks or labels (false when the chart does not draw it).
  bool IsPointOnAxis(int x, int y) const;
  // A label or title of one or more lines at (x, y), aligned away from the axis by the angle.
  void DrawAxisLabel(int x, int y, int angle, const QString& text);

  virtual void DrawAxisLine(int extra) = 0;

protected:
  // Along-axis placement, published by side axes only.
  double startPosition_ = 0;
  double endPosition_ = 100;
  double positionPercent_ = 0;
  bool gridCentered_ = false;

  void Repaint() const;
  void SetVisibleField(bool on) { visible_ = on; }
  template <class T>
  void SetRepaint(T& field, const T& value)
  {
    if (field == value)
      return;
    field = value;
    Repaint();
  }

private:
  friend class TAxisPainter;

  // D pixels into the plot by PositionPercent, as a signed shift of a position across the axis.
  int PositionShift() const;
  int Outward(int pixel, int by) const;  // by pixels away from the plot across the axis
  int PlotEdge(const platform::TRect& rect) const;  // the axis' edge of rect
  void DrawAxisLabelAt(int x, int y, int z, int angle, const QString& text);
  QString ValueText(double value) const;  // the number or date, before the label event
  QString WithLineBreaks(QString text) const;
  // The canvas holding LabelsFont; none without a chart.
  TTeeCanvas* MeasuringCanvas() const;
  // A label's width (widest line), or its height (font height times lines) when across.
  int LabelExtent(const QString& text, bool across) const;
  int LogPosOfValue(double value) const;
  int LinearPosOfValue(bool fromEnd, double value) const;

  TParentChart* chart_;
  bool horizontal_ = false;
  bool otherSide_ = false;
  bool isDepth_ = false;

  bool automatic_ = true;
  bool automaticMinimum_ = true;
  bool automaticMaximum_ = true;
  double minimum_ = 0;
  double maximum_ = 0;
  double increment_ = 0;
  bool logarithmic_ = false;
  int logarithmicBase_ = 10;
  bool inverted_ = false;

  bool labels_ = true;
  int labelsAngle_ = 0;
  std::unique_ptr<platform::TFont> labelsFont_;
  bool labelsMultiLine_ = false;
  bool labelsOnAxis_ = true;
  int labelsSeparation_ = 10;
  int labelsSize_ = 0;
  TAxisLabelStyle labelStyle_ = TAxisLabelStyle::talAuto;
  QString axisValuesFormat_;
  QString dateTimeFormat_;
  bool exactDateTime_ = true;
  bool roundFirstLabel_ = true;

  TChartAxisPen axisPen_;
  TDottedGrayPen grid_;
  TDarkGrayPen minorTicks_;
  TDarkGrayPen ticks_;
  TDarkGrayPen ticksInner_;
  int minorTickCount_ = 3;
  int minorTickLength_ = 2;
  int tickInnerLength_ = 0;
  int tickLength_ = 4;
  bool tickOnLabelsOnly_ = true;
  TChartAxisTitle title_;
  int titleSize_ = 0;
  bool visible_ = true;

  double rangeMin_ = 0;
  double rangeMax_ = 0;
  double rangeSpan_ = 0;
  bool isDateTime_ = false;
  int startPixel_ = 0;
  int endPixel_ = 0;
  int sizePixels_ = 0;
  int centerPixel_ = 0;
  int axisPixel_ = 0;
  int labelsPixel_ = 0;
  int titlePixel_ = 0;
};

// The bottom, top, left and right axes.
class TChartAxis : public TCustomChartAxis {
public:
  using TCustomChartAxis::TCustomChartAxis;

  bool GridCentered() const { return gridCentered_; }
  void SetGridCentered(bool on) { SetRepaint(gridCentered_, on); }
  double StartPosition() const { return startPosition_; }
  double EndPosition() const { return endPosition_; }
  double PositionPercent() const { return positionPercent_; }
  void SetStartPosition(double percent) { SetRepaint(startPosition_, percent); }
  void SetEndPosition(double percent) { SetRepaint(endPosition_, percent); }
  void SetPositionPercent(double percent) { SetRepaint(positionPercent_, percent); }
  bool IsStartPositionStored() const { return startPosition_ != 0; }
  bool IsEndPositionStored() const { return endPosition_ != 100; }
  bool IsPositionPercentStored() const { return positionPercent_ != 0; }

  void DrawAxisLine(int extra) override;
};

// The depth axis of a 3-D chart: hidden by default, pixels from the chart's depth.
class TChartDepthAxis : public TCustomChartAxis {
public:
  explicit TChartDepthAxis(TParentChart* chart);

  void DrawAxisLine(int extra) override;
};

}  // namespace chart
