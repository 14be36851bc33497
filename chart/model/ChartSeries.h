#pragma once
// The base of every series kind: value lists, point colours and labels, marks, the two axes it is
// bound to, visible range, legend and mark texts, samples and clicks. Kinds override the virtual
// operations to draw themselves.

#include "chart/model/SeriesLinks.h"
#include "chart/model/SeriesTypes.h"
#include "chart/model/ValueList.h"
#include "platform/Brush.h"
#include "platform/CanvasTypes.h"
#include "platform/Color.h"
#include "platform/MouseButtons.h"
#include "platform/VirtualKeys.h"

#include <QString>
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace chart {

class TChartAxis;
class TChartPen;
class TSeriesChart;
class TSeriesMarks;
struct TSeriesMarkPosition;
class TTeeCanvas3D;

using platform::TColor;

inline constexpr const char* kDefaultValueFormat = "#,##0.###";
inline constexpr const char* kDefaultPercentFormat = "##0.## %";

// Uniform integers in [0, n); n <= 0 gives 0.
using TRandomSource = std::function<int(int n)>;

class TChartSeries {
public:
  using TNotifyEvent = std::function<void(TChartSeries&)>;
  using TAfterAddEvent = std::function<void(TChartSeries&, int valueIndex)>;
  using TBeforeAddEvent = std::function<bool(TChartSeries&)>;
  using TClickEvent = std::function<void(TChartSeries&, int valueIndex, platform::TMouseButton,
                                         platform::TShiftState, int x, int y)>;
  using TGetMarkTextEvent = std::function<void(const TChartSeries&, int valueIndex, QString& markText)>;

  TChartSeries();
  virtual ~TChartSeries();
  TChartSeries(const TChartSeries&) = delete;
  TChartSeries& operator=(const TChartSeries&) = delete;

  // Published settings.
  bool Active() const { return active_; }
  bool ColorEachPoint() const { return colorEachPoint_; }
  const QString& ColorSource() const { return colorSource_; }
  void SetColorSource(const QString& source);
  int Cursor() const { return cursor_; }
  void SetCursor(int cursor) { cursor_ = cursor; }
  THorizAxis HorizAxis() const { return horizAxis_; }
  void SetHorizAxis(THorizAxis axis);
  TVertAxis VertAxis() const { return vertAxis_; }
  void SetVertAxis(TVertAxis axis);
  TSeriesMarks& Marks() { return *marks_; }
  const TSeriesMarks& Marks() const { return *marks_; }
  void SetMarks(const TSeriesMarks& marks);  // copies the settings
  TSeriesChart* ParentChart() const { return parent_; }
  const QString& PercentFormat() const { return percentFormat_; }
  void SetPercentFormat(const QString& format) { SetStringProperty(percentFormat_, format); }
  bool IsPercentFormatStored() const;
  TColor SeriesColor() const { return seriesColor_; }
  bool ShowInLegend() const { return showInLegend_; }
  void SetShowInLegend(bool on) { SetBooleanProperty(showInLegend_, on); }
  const QString& Title() const { return title_; }
  void SetTitle(const QString& title) { SetStringProperty(title_, title); }
  const QString& ValueFormat() const { return valueFormat_; }
  void SetValueFormat(const QString& format) { SetStringProperty(valueFormat_, format); }
  bool IsValueFormatStored() const;
  const QString& XLabelsSource() const { return xLabelsSource_; }
  void SetXLabelsSource(const QString& source);
  const QString& Name() const { return name_; }
  void SetName(const QString& name) { name_ = name; }

  // Events.
  TNotifyEvent AfterDrawValues, BeforeDrawValues, OnClearValues;
  TAfterAddEvent OnAfterAdd;
  TBeforeAddEvent OnBeforeAdd;
  TClickEvent OnClick, OnDblClick;
  TGetMarkTextEvent OnGetMarkText;

  // Points.
  // X, Y, then the kinds' extra lists in creation order.
  int ValueListCount() const { return int(valueLists_.size()); }
  TChartValueList& ValueList(int index) { return *valueLists_.at(std::size_t(index)); }
  const TChartValueList& ValueList(int index) const { return *valueLists_.at(std::size_t(index)); }
  TChartValueList& XValues() { return *xValues_; }
  const TChartValueList& XValues() const { return *xValues_; }
  TChartValueList& YValues() { return *yValues_; }
  const TChartValueList& YValues() const { return *yValues_; }
  void SetXValues(const TChartValueList& source);  // copies the settings, repaints
  void SetYValues(const TChartValueList& source);
  int Count() const { return xValues_->Count(); }
  const std::vector<TColor>& PointColors() const { return pointColors_; }
  // Stored labels, one per point once any point has one (empty until then); an empty text is no label.
  const std::vector<QString>& PointLabels() const { return pointLabels_; }
  bool YMandatory() const { return &MandatoryValueList() == yValues_; }
  // The capacity the emptied point lists keep (a kind that refills many points raises it meanwhile).
  int DefaultCapacity() const { return defaultCapacity_; }
  void SetDefaultCapacity(int capacity) { defaultCapacity_ = std::max(0, capacity); }

  void SetValueColor(int valueIndex, TColor color);  // repaints
  void SetXValue(int valueIndex, double value);
  void SetYValue(int valueIndex, double value);
  double GetXOrYValue(bool isX, int valueIndex) const { return isX ? XValueAt(valueIndex) : YValueAt(valueIndex); }
  int AddXValue(double value, const QString& label = {}, TColor color = platform::clDefault);
  int AddYValue(double value, const QString& label = {}, TColor color = platform::clDefault);
  void InsertLabel(int valueIndex, const QString& text);
  // True when the point is a null: its colour is "no colour", or one of its values is not finite.
  bool IsNull(int valueIndex) const;

  // Kinds' flags.
  bool RestrictToAxisRange() const { return restrictToAxisRange_; }
  bool IncludeNextPoint() const { return includeNextPoint_; }
  bool FunctionAsPoint() const { return functionAsPoint_; }
  bool HasZValues() const { return hasZValues_; }

  // Axes and pixels.
  TChartAxis* ResolvedHorizAxis() const { return horizAxisResolved_; }
  TChartAxis* ResolvedVertAxis() const { return vertAxisResolved_; }
  TChartAxis* CustomHorizAxis() const { return customHorizAxis_; }
  TChartAxis* CustomVertAxis() const { return customVertAxis_; }
  void SetCustomHorizAxis(TChartAxis* axis);  // not owned
  void SetCustomVertAxis(TChartAxis* axis);
  void ResolveAxes();
  int XValueToPixel(double value) const;
  double XPixelToValue(int pixel) const;
  int XSizeToPixels(double span) const;
  int YValueToPixel(double value) const;
  int YSizeToPixels(double span) const;
  int MandatoryValueToPixel(double value) const;

  // Drawing state, set by the chart.
  int FirstVisibleIndex() const { return firstVisible_; }
  int LastVisibleIndex() const { return lastVisible_; }
  void CalcVisibleRange();
  int ZOrder() const { return zOrder_; }
  int GetZOrder() const { return zOrder_; }
  void SetZOrder(int z) { zOrder_ = z; }
  int DepthStart = 0, DepthMiddle = 0, DepthEnd = 0;
  bool FirstInZOrder() const;
  // The class of either series descends from the other's.
  virtual bool SameClass(const TChartSeries& other) const;

  // Marks.
  QString GetMarkText(int valueIndex) const;
  QString PercentText(int valueIndex, bool addTotal) const;
  int MaxMarkWidth() const;
  void DrawMarks();

  // Setters shared by kinds and marks: store when different, then repaint.
  void SetBooleanProperty(bool& field, bool value);
  void SetIntegerProperty(int& field, int value);
  void SetDoubleProperty(double& field, double value);
  void SetColorProperty(TColor& field, TColor value);
  void SetStringProperty(QString& field, const QString& value);
  void Repaint() const;
  std::unique_ptr<TChartPen> CreateChartPen();
  // The sample values' random integers; the default draws from a generator seeded by the clock.
  void SetRandomSource(TRandomSource source) { random_ = std::move(source); }

  // Data sources and linked series (SeriesDataSource.cpp).
  const std::vector<TChartSeries*>& DataSources() const { return links_->DataSources; }
  TChartSeries* DataSource() const { return links_->DataSources.empty() ? nullptr : links_->DataSources.front(); }
  // Replaces every source by source (none: detaches, then clears or fills samples at design time).
  // ChartException without a chart, for an invalid source or one that depends on this series.
  void SetDataSource(TChartSeries* source);
  void AddDataSource(TChartSeries* source);  // appends and links, no checks
  void DetachFromSources();                  // the sources stop telling this series
  static void RemoveDataSource(TChartSeries& linked, TChartSeries& source);  // unlinks, rechecks linked
  // Every series that takes points from this one takes them from replacement instead, in place.
  void HandLinkedSeriesTo(TChartSeries& replacement);
  const std::vector<TChartSeries*>& LinkedSeries() const { return links_->LinkedSeries; }
  int LinkFollow() const { return links_->LinkFollow; }
  void SetLinkFollow(int bits) { links_->LinkFollow = bits & lfAll; }
  int Style() const { return links_->Style; }
  void SetStyle(int bits) { links_->Style = bits & kSeriesStyleMask; }
  const QString& Identifier() const { return links_->Identifier; }
  void SetIdentifier(const QString& identifier) { links_->Identifier = identifier; }
  bool Designing() const { return links_->Designing; }
  void SetDesigning(bool on) { links_->Designing = on; }
  // Takes the first source's points again (its function's results) when on a chart and not loading.
  virtual void CheckDataSource();
  void NotifyLinked(TSeriesNotification what, int valueIndex);
  void RefreshSeries() { NotifyLinked(TSeriesNotification::Refresh, 0); }
  void AssignValues(const TChartSeries& source) { AddValues(source); }
  // Copies the settings, sources and points of source; its function moves here when this series
  // has none (source is left without one).
  virtual void Assign(const TChartSeries& source);
  TTeeFunction* SeriesFunction() const { return links_->Function.get(); }
  void SetFunction(std::unique_ptr<TTeeFunction> function);  // frees the old one, recomputes
  std::unique_ptr<TTeeFunction> ReleaseFunction();           // no recompute
  // Streaming: the extra properties written, one read back, and the end of loading, which looks
  // streamed source names up through find.
  std::vector<TStreamedProperty> ExtraProperties() const;
  void ReadExtraProperty(const TStreamedProperty& property);
  void BeginLoading() { links_->Loading = true; }
  bool IsLoading() const;
  void Loaded(const std::function<TChartSeries*(const QString& name)>& find);

  // The operations kinds override.
  virtual int CopyXYFrom(const TChartSeries& source, int sourceIndex);
  virtual void AddValueFrom(const TChartSeries& source, int sourceIndex);
  virtual void AddValues(const TChartSeries& source);
  virtual void ClearLists();
  virtual void DeletedValue(TChartSeries& source, int valueIndex);
  virtual void DoAfterDrawValues();
  virtual void DoBeforeDrawChart() {}
  virtual void DoBeforeDrawValues();
  virtual void DrawAllValues();
  virtual void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position);
  virtual void DrawValue(int /*valueIndex*/) {}
  virtual TColor ValueColor(int valueIndex) const;
  virtual QString ValueLabel(int valueIndex) const;
  virtual double XValueAt(int valueIndex) const { return xValues_->GetValue(valueIndex); }
  virtual double YValueAt(int valueIndex) const { return yValues_->GetValue(valueIndex); }
  virtual void AddedValue(TChartSeries& sender, int valueIndex);
  virtual bool MoreSameSeries() const;
  virtual void SetActive(bool on);
  virtual void SetColorEachPoint(bool on);
  virtual void SetParentChart(TSeriesChart* chart);
  virtual void SetSeriesColor(TColor color);
  virtual int Add(double value, const QString& label = {}, TColor color = platform::clDefault);
  virtual int AddNull(const QString& label = {});
  virtual int AddNullXY(double x, double y, const QString& label = {});
  virtual int AddXY(double x, double y, const QString& label = {}, TColor color = platform::clDefault);
  virtual bool AssociatedToAxis(const TChartAxis& axis) const;
  virtual void Clear();
  virtual int CountLegendItems() const { return Count(); }
  virtual void Delete(int valueIndex);
  virtual void FillSampleValues(int numValues);
  virtual void GalleryChanged3D(bool is3D);
  virtual bool CanCopyFrom(const TChartSeries& source) const { return &source != this; }
  virtual bool IsValidSourceOf(const TChartSeries& /*source*/) const { return true; }
  virtual int LegendToValueIndex(int legendIndex) const { return legendIndex; }
  virtual TColor LegendItemColor(int legendIndex) const { return ValueColor(legendIndex); }
  virtual QString LegendString(int legendIndex, TLegendTextStyle style) const;
  virtual double MaxXValue() const { return xValues_->MaxValue(); }
  virtual double MaxYValue() const { return yValues_->MaxValue(); }
  virtual double MaxZValue() const { return zOrder_; }
  virtual double MinXValue() const { return xValues_->MinValue(); }
  virtual double MinYValue() const { return yValues_->MinValue(); }
  virtual double MinZValue() const { return zOrder_; }
  virtual int NumSampleValues() const { return 26; }
  virtual void PrepareForGallery(bool isEnabled);
  virtual QString GetEditorClassName() const { return {}; }
  virtual int CalcXPos(int valueIndex) const;
  virtual int CalcYPos(int valueIndex) const;
  virtual void AddExtraValues(int valueIndex);
  virtual TChartValueList& ValueListByName(const QString& name);
  const TChartValueList& ValueListByName(const QString& name) const
  {
    return const_cast<TChartSeries*>(this)->ValueListByName(name);
  }
  virtual int Clicked(int /*x*/, int /*y*/) { return -1; }
  virtual double GetOriginValue(int valueIndex) const { return GetMarkValue(valueIndex); }
  virtual double GetMarkValue(int valueIndex) const { return MandatoryValueList().GetValue(valueIndex); }
  virtual double PointOrigin(int valueIndex, bool sumAll) const;
  virtual const TChartValueList& MandatoryValueList() const { return *yValues_; }
  TChartValueList& MandatoryValueList() { return const_cast<TChartValueList&>(std::as_const(*this).MandatoryValueList()); }
  virtual bool DrawValuesForward() const { return true; }
  virtual bool DrawValueForward(int /*valueIndex*/) const { return true; }
  virtual void SwapValueIndex(int a, int b);
  virtual void CalcZOrder();
  virtual void MouseMoveEvent() {}
  virtual bool ClickedEvent(TChartSeries& sender, int valueIndex, platform::TMouseButton button,
                            platform::TShiftState shift, int x, int y);
  virtual void MouseUpEvent() {}
  virtual void ClearTempValue(TChartValueList& list) { list.SetStagedValue(0); }
  virtual void DrawLegend(int legendIndex, const platform::TRect& rect);
  virtual void DrawLegendShape(int legendIndex, const platform::TRect& rect);
  virtual void PrepareLegendCanvas(int /*legendIndex*/, TColor& /*backColor*/, platform::TBrushStyle& /*brushStyle*/) {}
  virtual void CalcHorizMargins(int& left, int& right) const { left = right = 0; }
  virtual void CalcVerticalMargins(int& top, int& bottom) const { top = bottom = 0; }
  virtual bool UseAxis() const { return true; }
  virtual void CanvasChanged() { Repaint(); }

protected:
  // A kind's extra list, appended to the value lists.
  TChartValueList& CreateValueList(const QString& name);
  // The generator set by SetRandomSource; empty when none was.
  const TRandomSource& RandomSource() const { return random_; }
  // The samples' ranges for a count of points: the first X and the step between points, the Y
  // minimum and range, and a random Y in that range.
  struct TSampleBounds {
    double StartX = 0, StepX = 0, MinY = 0, RangeY = 0, RandomY = 0;
  };
  TSampleBounds CalcSampleBounds(int numValues);
  int RandomInt(int n);       // uniform in [0, n) from the random source; n <= 0 gives 0
  static double TodayDate();  // today's date as a date-time value
  bool restrictToAxisRange_ = true;
  bool includeNextPoint_ = false;
  bool functionAsPoint_ = true;
  bool hasZValues_ = false;

private:
  QString FormattedMarkValue(int valueIndex) const;  // GetMarkValue by ValueFormat
  QString XValueText(int valueIndex) const;          // as the horizontal axis labels it
  void ApplyMarksFont(TTeeCanvas3D& canvas) const;   // zoomed in a 3-D chart
  void InsertColor(int valueIndex, TColor color);
  bool ReachesSeries(const TChartSeries& target) const;  // target among the sources at any depth
  TRandomSource random_;
  std::unique_ptr<TSeriesLinks> links_ = std::make_unique<TSeriesLinks>();
  bool active_ = true;
  bool colorEachPoint_ = false;
  QString colorSource_;
  int cursor_ = 0;
  THorizAxis horizAxis_ = THorizAxis::aBottomAxis;
  TVertAxis vertAxis_ = TVertAxis::aLeftAxis;
  TSeriesChart* parent_ = nullptr;
  QString percentFormat_;
  TColor seriesColor_ = platform::clDefault;
  bool showInLegend_ = true;
  QString title_;
  QString valueFormat_;
  QString xLabelsSource_;
  QString name_;

  std::vector<std::unique_ptr<TChartValueList>> valueLists_;
  TChartValueList* xValues_;
  TChartValueList* yValues_;
  std::vector<TColor> pointColors_;
  std::vector<QString> pointLabels_;
  int defaultCapacity_ = 0;
  std::unique_ptr<TSeriesMarks> marks_;

  TChartAxis* horizAxisResolved_ = nullptr;
  TChartAxis* vertAxisResolved_ = nullptr;
  TChartAxis* customHorizAxis_ = nullptr;
  TChartAxis* customVertAxis_ = nullptr;
  int firstVisible_ = -1;
  int lastVisible_ = -1;
  int zOrder_ = 0;
};

}  // namespace chart
