#include "chart/model/ChartSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/model/ListIndexError.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/model/SeriesMarks.h"
#include "chart/model/TeeFunction.h"
#include "chart/support/Palette.h"

#include <cmath>
#include <typeinfo>

namespace chart {

TChartSeries::TChartSeries()
    : percentFormat_(kDefaultPercentFormat),
      valueFormat_(kDefaultValueFormat),
      xValues_(&CreateValueList(QStringLiteral("X"))),
      yValues_(&CreateValueList(QStringLiteral("Y"))),
      marks_(std::make_unique<TSeriesMarks>(*this))
{
  xValues_->SetOrder(TChartListOrder::loAscending);
}

TChartSeries::~TChartSeries()
{
  links_->Function.reset();
  DetachFromSources();
  links_->DataSources.clear();
  // The series that take points from this one lose it and take their next source again.
  const std::vector<TChartSeries*> linked = links_->LinkedSeries;
  for (TChartSeries* series : linked) RemoveDataSource(*series, *this);
  Clear();
  if (parent_ != nullptr) {
    TSeriesChart* chart = parent_;
    parent_ = nullptr;
    chart->RemoveSeries(*this);
  }
}

TChartValueList& TChartSeries::CreateValueList(const QString& name)
{
  valueLists_.push_back(std::make_unique<TChartValueList>(*this, name));
  return *valueLists_.back();
}

// Settings

void TChartSeries::SetBooleanProperty(bool& field, bool value)
{
  if (field == value) return;
  field = value;
  Repaint();
}

void TChartSeries::SetIntegerProperty(int& field, int value)
{
  if (field == value) return;
  field = value;
  Repaint();
}

void TChartSeries::SetDoubleProperty(double& field, double value)
{
  if (field == value) return;
  field = value;
  Repaint();
}

void TChartSeries::SetColorProperty(TColor& field, TColor value)
{
  if (field == value) return;
  field = value;
  Repaint();
}

void TChartSeries::SetStringProperty(QString& field, const QString& value)
{
  if (field == value) return;
  field = value;
  Repaint();
}

void TChartSeries::Repaint() const
{
  if (parent_ != nullptr) parent_->Invalidate();
}

std::unique_ptr<TChartPen> TChartSeries::CreateChartPen()
{
  return std::make_unique<TChartPen>([this] { CanvasChanged(); });
}

bool TChartSeries::IsPercentFormatStored() const { return percentFormat_ != QLatin1String(kDefaultPercentFormat); }

bool TChartSeries::IsValueFormatStored() const { return valueFormat_ != QLatin1String(kDefaultValueFormat); }

void TChartSeries::SetColorSource(const QString& source)
{
  if (source == colorSource_) return;
  colorSource_ = source;
  CheckDataSource();
}

void TChartSeries::SetXLabelsSource(const QString& source)
{
  if (source == xLabelsSource_) return;
  xLabelsSource_ = source;
  CheckDataSource();
}

void TChartSeries::SetHorizAxis(THorizAxis axis)
{
  horizAxis_ = axis;
  ResolveAxes();
  Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis axis)
{
  vertAxis_ = axis;
  ResolveAxes();
  Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* axis)
{
  customHorizAxis_ = axis;
  ResolveAxes();
  Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* axis)
{
  customVertAxis_ = axis;
  ResolveAxes();
  Repaint();
}

void TChartSeries::SetMarks(const TSeriesMarks& marks) { marks_->Assign(marks); }

void TChartSeries::SetXValues(const TChartValueList& source)
{
  xValues_->Assign(source);
  Repaint();
}

void TChartSeries::SetYValues(const TChartValueList& source)
{
  yValues_->Assign(source);
  Repaint();
}

void TChartSeries::SetActive(bool on) { SetBooleanProperty(active_, on); }

void TChartSeries::SetSeriesColor(TColor color) { SetColorProperty(seriesColor_, color); }

void TChartSeries::SetColorEachPoint(bool on)
{
  SetBooleanProperty(colorEachPoint_, on);
  if (colorEachPoint_) return;
  // Colours given to points go back to the series colour; a null point stays null.
  bool changed = false;
  for (TColor& color : pointColors_) {
    if (color == platform::clNone || color == platform::clDefault) continue;
    color = platform::clDefault;
    changed = true;
  }
  if (changed) Repaint();
}

void TChartSeries::SetParentChart(TSeriesChart* chart)
{
  if (chart == parent_) return;
  if (parent_ != nullptr) {
    TSeriesChart* old = parent_;
    parent_ = nullptr;
    old->RemoveSeries(*this);
  }
  parent_ = chart;
  ResolveAxes();
  if (parent_ != nullptr) parent_->InsertSeries(*this);
}

// Points

void TChartSeries::SetValueColor(int valueIndex, TColor color)
{
  CheckListIndex(valueIndex, pointColors_.size());
  pointColors_[std::size_t(valueIndex)] = color;
  Repaint();
}

void TChartSeries::SetXValue(int valueIndex, double value)
{
  xValues_->SetValue(valueIndex, value);
  Repaint();
}

void TChartSeries::SetYValue(int valueIndex, double value)
{
  yValues_->SetValue(valueIndex, value);
  Repaint();
}

void TChartSeries::InsertColor(int valueIndex, TColor color)
{
  const auto at = std::min(std::size_t(std::max(valueIndex, 0)), pointColors_.size());
  if (at == pointColors_.size())
    pointColors_.push_back(color);
  else
    pointColors_.insert(pointColors_.begin() + std::ptrdiff_t(at), color);
}

void TChartSeries::InsertLabel(int valueIndex, const QString& text)
{
  // Until a point has a label, none is stored: points added without one cost nothing here.
  if (pointLabels_.empty()) {
    if (text.isEmpty()) return;
    pointLabels_.resize(std::size_t(std::max(0, Count() - 1)));
  }
  const auto at = std::min(std::size_t(std::max(valueIndex, 0)), pointLabels_.size());
  pointLabels_.insert(pointLabels_.begin() + std::ptrdiff_t(at), text);
}

bool TChartSeries::IsNull(int valueIndex) const
{
  if (valueIndex >= 0 && std::size_t(valueIndex) < pointColors_.size() &&
      pointColors_[std::size_t(valueIndex)] == platform::clNone)
    return true;
  if (valueIndex < 0 || valueIndex >= Count()) return false;
  return !std::isfinite(XValueAt(valueIndex)) || !std::isfinite(YValueAt(valueIndex));
}

int TChartSeries::AddXY(double x, double y, const QString& label, TColor color)
{
  xValues_->SetStagedValue(x);
  yValues_->SetStagedValue(y);
  if (OnBeforeAdd && !OnBeforeAdd(*this)) return -1;
  const int index = xValues_->AddChartValue(xValues_->StagedValue());
  yValues_->InsertChartValue(index, yValues_->StagedValue());
  InsertColor(index, color);
  InsertLabel(index, label);
  AddedValue(*this, index);
  return index;
}

int TChartSeries::AddXValue(double value, const QString& label, TColor color)
{
  return AddXY(value, Count(), label, color);
}

int TChartSeries::AddYValue(double value, const QString& label, TColor color)
{
  return AddXY(Count(), value, label, color);
}

int TChartSeries::Add(double value, const QString& label, TColor color)
{
  return YMandatory() ? AddYValue(value, label, color) : AddXValue(value, label, color);
}

int TChartSeries::AddNull(const QString& label) { return Add(0, label, platform::clNone); }

int TChartSeries::AddNullXY(double x, double y, const QString& label) { return AddXY(x, y, label, platform::clNone); }

void TChartSeries::AddedValue(TChartSeries& sender, int valueIndex)
{
  if (OnAfterAdd) OnAfterAdd(sender, valueIndex);
  NotifyLinked(TSeriesNotification::Add, valueIndex);
  if (active_) Repaint();
}

void TChartSeries::AddExtraValues(int valueIndex)
{
  for (std::size_t i = 2; i < valueLists_.size(); ++i)
    valueLists_[i]->InsertChartValue(valueIndex, valueLists_[i]->StagedValue());
}

int TChartSeries::CopyXYFrom(const TChartSeries& source, int sourceIndex)
{
  // Everything is read before anything is inserted, so a bad index changes nothing; a list the
  // source lacks gives 0.
  double x = source.XValues().GetValue(sourceIndex);
  double y = source.YValues().GetValue(sourceIndex);
  if (YMandatory() != source.YMandatory()) std::swap(x, y);
  std::vector<double> extras;
  for (std::size_t i = 2; i < valueLists_.size(); ++i)
    extras.push_back(int(i) < source.ValueListCount() && sourceIndex < source.ValueList(int(i)).Count()
                         ? source.ValueList(int(i)).GetValue(sourceIndex)
                         : 0.0);
  xValues_->SetStagedValue(x);
  yValues_->SetStagedValue(y);
  const int index = xValues_->AddChartValue(x);
  yValues_->InsertChartValue(index, y);
  for (std::size_t i = 2; i < valueLists_.size(); ++i) {
    valueLists_[i]->SetStagedValue(extras[i - 2]);
    valueLists_[i]->InsertChartValue(std::min(index, valueLists_[i]->Count()), extras[i - 2]);
  }
  InsertColor(index, platform::clDefault);
  InsertLabel(index, {});
  return index;
}

void TChartSeries::AddValueFrom(const TChartSeries& source, int sourceIndex)
{
  const int index = CopyXYFrom(source, sourceIndex);
  const auto& colors = source.PointColors();
  if (sourceIndex < int(colors.size()) && std::size_t(index) < pointColors_.size())
    pointColors_[std::size_t(index)] = colors[std::size_t(sourceIndex)];
  const auto& labels = source.PointLabels();
  if (sourceIndex < int(labels.size()) && !labels[std::size_t(sourceIndex)].isEmpty()) {
    if (pointLabels_.empty()) pointLabels_.resize(std::size_t(Count()));
    pointLabels_.at(std::size_t(index)) = labels[std::size_t(sourceIndex)];
  }
  AddedValue(*this, index);
}

void TChartSeries::ClearLists()
{
  for (auto& list : valueLists_) list->ClearValues();
  std::vector<TColor>().swap(pointColors_);
  pointColors_.reserve(std::size_t(defaultCapacity_));
  std::vector<QString>().swap(pointLabels_);
  pointLabels_.reserve(std::size_t(defaultCapacity_));
  marks_->ClearPositions();
}

void TChartSeries::Clear()
{
  ClearLists();
  if (OnClearValues) OnClearValues(*this);
  NotifyLinked(TSeriesNotification::Clear, -1);
  Repaint();
}

void TChartSeries::Delete(int valueIndex)
{
  CheckListIndex(valueIndex, std::size_t(Count()));
  for (auto& list : valueLists_)
    if (valueIndex < list->Count()) list->Delete(valueIndex);
  if (std::size_t(valueIndex) < pointColors_.size()) pointColors_.erase(pointColors_.begin() + valueIndex);
  if (std::size_t(valueIndex) < pointLabels_.size()) pointLabels_.erase(pointLabels_.begin() + valueIndex);
  auto& positions = marks_->MarkPositions();
  if (std::size_t(valueIndex) < positions.size()) positions.erase(positions.begin() + valueIndex);
  NotifyLinked(TSeriesNotification::Delete, valueIndex);
  Repaint();
}

void TChartSeries::DeletedValue(TChartSeries& /*source*/, int valueIndex) { Delete(valueIndex); }

void TChartSeries::SwapValueIndex(int a, int b)
{
  for (auto& list : valueLists_) list->Exchange(a, b);
  CheckListIndex(a, pointColors_.size());
  CheckListIndex(b, pointColors_.size());
  std::swap(pointColors_[std::size_t(a)], pointColors_[std::size_t(b)]);
  if (pointLabels_.empty()) return;
  CheckListIndex(a, pointLabels_.size());
  CheckListIndex(b, pointLabels_.size());
  std::swap(pointLabels_[std::size_t(a)], pointLabels_[std::size_t(b)]);
}

TColor TChartSeries::ValueColor(int valueIndex) const
{
  if (IsNull(valueIndex)) return platform::clNone;
  if (valueIndex >= 0 && std::size_t(valueIndex) < pointColors_.size()) {
    const TColor stored = pointColors_[std::size_t(valueIndex)];
    if (stored != platform::clDefault) return stored;
    if (colorEachPoint_) return PaletteColor(valueIndex);
  }
  return seriesColor_;
}

QString TChartSeries::ValueLabel(int valueIndex) const
{
  if (valueIndex < 0 || std::size_t(valueIndex) >= pointLabels_.size()) return {};
  return pointLabels_[std::size_t(valueIndex)];
}

TChartValueList& TChartSeries::ValueListByName(const QString& name)
{
  for (std::size_t i = 2; i < valueLists_.size(); ++i)
    if (valueLists_[i]->Name().compare(name, Qt::CaseInsensitive) == 0) return *valueLists_[i];
  return *yValues_;
}

// Drawing

void TChartSeries::DoAfterDrawValues()
{
  if (AfterDrawValues) AfterDrawValues(*this);
}

void TChartSeries::DoBeforeDrawValues()
{
  if (BeforeDrawValues) BeforeDrawValues(*this);
}

void TChartSeries::DrawAllValues()
{
  if (firstVisible_ < 0 || lastVisible_ < firstVisible_) return;
  if (DrawValuesForward()) {
    for (int i = firstVisible_; i <= lastVisible_; ++i) DrawValue(i);
    return;
  }
  for (int i = lastVisible_; i >= firstVisible_; --i) DrawValue(i);
}

void TChartSeries::CalcZOrder()
{
  if (parent_ != nullptr && parent_->View3D())
    zOrder_ = parent_->RaiseZCounter(1);
  else
    zOrder_ = 0;
}

bool TChartSeries::MoreSameSeries() const
{
  if (parent_ == nullptr) return false;
  for (TChartSeries* other : parent_->SeriesList())
    if (other != this && other->Active() && !other->HasZValues() && other->ZOrder() == zOrder_) return true;
  return false;
}

bool TChartSeries::FirstInZOrder() const
{
  if (!active_) return false;
  if (parent_ == nullptr) return true;
  for (TChartSeries* other : parent_->SeriesList()) {
    if (other == this) break;
    if (other->Active() && other->ZOrder() == zOrder_) return false;
  }
  return true;
}

bool TChartSeries::SameClass(const TChartSeries& other) const
{
  // The base class is an ancestor of every kind; kinds with subclasses of their own widen this.
  return typeid(*this) == typeid(other) || typeid(*this) == typeid(TChartSeries) || typeid(other) == typeid(TChartSeries);
}

double TChartSeries::PointOrigin(int valueIndex, bool sumAll) const
{
  if (parent_ == nullptr) return 0;
  double sum = 0;
  for (TChartSeries* other : parent_->SeriesList()) {
    if (!sumAll && other == this) break;
    if (other->Active() && SameClass(*other) && other->Count() > valueIndex) sum += other->GetOriginValue(valueIndex);
  }
  return sum;
}

void TChartSeries::GalleryChanged3D(bool is3D)
{
  if (parent_ == nullptr) return;
  parent_->SetView3D(is3D);
  parent_->SetClipPoints(!is3D);
}

void TChartSeries::PrepareForGallery(bool isEnabled)
{
  FillSampleValues(4);
  marks_->SetVisible(false);
  colorEachPoint_ = false;
  if (!isEnabled) SetSeriesColor(platform::clSilver);
}

bool TChartSeries::ClickedEvent(TChartSeries& sender, int valueIndex, platform::TMouseButton button,
                                platform::TShiftState shift, int x, int y)
{
  const bool isDouble = (shift & platform::ssDouble) != 0 && OnDblClick;
  const bool handled = isDouble || bool(OnClick);
  if (parent_ != nullptr) parent_->SetClickHandled(handled);
  if (isDouble)
    OnDblClick(sender, valueIndex, button, shift, x, y);
  else if (OnClick)
    OnClick(sender, valueIndex, button, shift, x, y);
  return handled;
}

}  // namespace chart
