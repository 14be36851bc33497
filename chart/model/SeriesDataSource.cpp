// Data sources and linked series: setting and checking sources, passing a source's changes on,
// copying points and settings, and the streamed extras.

#include "chart/model/ChartSeries.h"
#include "chart/model/SeriesMarks.h"
#include "chart/model/TeeFunction.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"
#include "chart/model/SeriesChart.h"

#include <algorithm>

namespace chart {

TSeriesLinks::TSeriesLinks() = default;
TSeriesLinks::~TSeriesLinks() = default;

namespace {

bool Contains(const std::vector<TChartSeries*>& list, const TChartSeries* series)
{
  return std::find(list.begin(), list.end(), series) != list.end();
}

void Erase(std::vector<TChartSeries*>& list, const TChartSeries* series)
{
  list.erase(std::remove(list.begin(), list.end(), series), list.end());
}

// Keeps added points from being passed on one by one while a series refills at once.
class TQuietAdds {
public:
  explicit TQuietAdds(int& counter) : counter_(counter) { ++counter_; }
  ~TQuietAdds() { --counter_; }
  TQuietAdds(const TQuietAdds&) = delete;
  TQuietAdds& operator=(const TQuietAdds&) = delete;

private:
  int& counter_;
};

}  // namespace

bool TChartSeries::IsLoading() const { return links_->Loading || (parent_ != nullptr && parent_->IsReading()); }

bool TChartSeries::ReachesSeries(const TChartSeries& target) const
{
  // Every source at every depth; each series is searched once.
  std::vector<const TChartSeries*> seen{this};
  std::vector<const TChartSeries*> pending{this};
  while (!pending.empty()) {
    const TChartSeries* series = pending.back();
    pending.pop_back();
    for (const TChartSeries* source : series->DataSources()) {
      if (source == &target) return true;
      if (std::find(seen.begin(), seen.end(), source) != seen.end()) continue;
      seen.push_back(source);
      pending.push_back(source);
    }
  }
  return false;
}

void TChartSeries::SetDataSource(TChartSeries* source)
{
  if (source == nullptr) {
    DetachFromSources();
    links_->DataSources.clear();
    if (parent_ != nullptr && Designing())
      FillSampleValues(NumSampleValues());
    else
      Clear();
    Repaint();
    return;
  }
  if (parent_ == nullptr) throw ChartException(QString::fromLatin1(msg::NoParentChart));
  if (source == this || !IsValidSourceOf(*source))
    throw ChartException(FormatMessage(msg::NoValidDataSource, {source->Name()}));
  if (Contains(links_->DataSources, source)) return;
  if (source->ReachesSeries(*this)) throw ChartException(QString::fromLatin1(msg::CircularSource));
  const bool loading = IsLoading();
  if (!loading) {
    DetachFromSources();
    links_->DataSources.clear();
  }
  AddDataSource(source);
  if (!loading) CheckDataSource();
}

void TChartSeries::AddDataSource(TChartSeries* source)
{
  if (source == nullptr) return;
  links_->DataSources.push_back(source);
  if (!Contains(source->links_->LinkedSeries, this)) source->links_->LinkedSeries.push_back(this);
}

void TChartSeries::DetachFromSources()
{
  for (TChartSeries* source : links_->DataSources) Erase(source->links_->LinkedSeries, this);
}

void TChartSeries::RemoveDataSource(TChartSeries& linked, TChartSeries& source)
{
  Erase(linked.links_->DataSources, &source);
  // The source forgets linked too, so it never tells a series that no longer knows it.
  Erase(source.links_->LinkedSeries, &linked);
  linked.CheckDataSource();
}

void TChartSeries::HandLinkedSeriesTo(TChartSeries& replacement)
{
  if (&replacement == this) return;
  const std::vector<TChartSeries*> linked = links_->LinkedSeries;
  for (TChartSeries* series : linked) {
    Erase(links_->LinkedSeries, series);
    // A series replacement depends on would close a circle: it only loses this one.
    const bool circular = series == &replacement || replacement.ReachesSeries(*series);
    std::vector<TChartSeries*> sources;
    for (TChartSeries* source : series->links_->DataSources) {
      TChartSeries* kept = source == this ? (circular ? nullptr : &replacement) : source;
      if (kept != nullptr && !Contains(sources, kept)) sources.push_back(kept);
    }
    series->links_->DataSources = std::move(sources);
    if (!circular && !Contains(replacement.links_->LinkedSeries, series))
      replacement.links_->LinkedSeries.push_back(series);
    series->CheckDataSource();
  }
}

void TChartSeries::CheckDataSource()
{
  if (parent_ == nullptr || IsLoading()) return;
  if (TChartSeries* first = DataSource()) AddValues(*first);
}

void TChartSeries::NotifyLinked(TSeriesNotification what, int valueIndex)
{
  if (what == TSeriesNotification::Add && links_->QuietAdds > 0) return;
  // By index: a linked series' reaction may change the list.
  for (std::size_t i = 0; i < links_->LinkedSeries.size(); ++i) {
    TChartSeries& linked = *links_->LinkedSeries[i];
    // A series off any chart is not told until it is on one again.
    if (linked.parent_ == nullptr || !Contains(linked.DataSources(), this)) continue;
    const int follow = linked.LinkFollow();
    const bool computed = linked.SeriesFunction() != nullptr;
    switch (what) {
      case TSeriesNotification::Clear:
        if ((follow & lfClear) != 0) linked.Clear();
        break;
      case TSeriesNotification::Add:
        if ((follow & lfAdd) != 0 && !computed) linked.AddValueFrom(*this, valueIndex);
        break;
      case TSeriesNotification::Delete:
        if ((follow & lfDelete) != 0 && !computed && valueIndex < linked.Count()) linked.DeletedValue(*this, valueIndex);
        break;
      case TSeriesNotification::Modify:
        if ((follow & lfModify) != 0) linked.AddValues(*this);
        break;
      case TSeriesNotification::Refresh:
        linked.AddValues(*this);
        break;
    }
  }
}

void TChartSeries::AddValues(const TChartSeries& source)
{
  if (!CanCopyFrom(source)) return;
  Clear();
  {
    // The linked series follow the refresh below instead of each point.
    TQuietAdds quiet(links_->QuietAdds);
    if (TTeeFunction* function = SeriesFunction()) {
      xValues_->SetDateTime(source.XValues().DateTime());
      yValues_->SetDateTime(source.YValues().DateTime());
      // Across several sources the points follow the first source, whichever one changed.
      const auto& sources = DataSources();
      function->AddPoints(sources.size() > 1 && Contains(sources, &source) ? sources.front() : &source);
    } else {
      for (int i = 0; i < source.Count(); ++i) AddValueFrom(source, i);
    }
  }
  RefreshSeries();
}

void TChartSeries::SetFunction(std::unique_ptr<TTeeFunction> function)
{
  if (function.get() == links_->Function.get()) return;
  links_->Function = std::move(function);
  if (links_->Function != nullptr) links_->Function->parent_ = this;
  CheckDataSource();
}

std::unique_ptr<TTeeFunction> TChartSeries::ReleaseFunction()
{
  if (links_->Function != nullptr) links_->Function->parent_ = nullptr;
  return std::move(links_->Function);
}

void TChartSeries::Assign(const TChartSeries& source)
{
  if (&source == this) return;
  SetDataSource(nullptr);
  if (YMandatory() == source.YMandatory()) {
    xValues_->Assign(source.XValues());
    yValues_->Assign(source.YValues());
  } else {
    xValues_->Assign(source.YValues());
    yValues_->Assign(source.XValues());
  }
  xLabelsSource_ = source.xLabelsSource_;
  colorSource_ = source.colorSource_;
  for (int i = 2; i < ValueListCount() && i < source.ValueListCount(); ++i) ValueList(i).Assign(source.ValueList(i));
  // The function moves: source's links are its own, reached through the pointer it holds.
  if (source.SeriesFunction() != nullptr && SeriesFunction() == nullptr) {
    links_->Function = std::move(source.links_->Function);
    links_->Function->parent_ = this;
  }
  if (!source.DataSources().empty()) {
    // A source that is this series or depends on it would close a circle: left out.
    for (TChartSeries* other : source.DataSources())
      if (other != this && !other->ReachesSeries(*this) && !Contains(links_->DataSources, other)) AddDataSource(other);
  } else if (!source.Designing()) {
    AssignValues(source);
  }
  marks_->Assign(source.Marks());
  seriesColor_ = source.seriesColor_;
  colorEachPoint_ = source.colorEachPoint_;
  title_ = source.title_;
  valueFormat_ = source.valueFormat_;
  percentFormat_ = source.percentFormat_;
  active_ = source.active_;
  horizAxis_ = source.horizAxis_;
  vertAxis_ = source.vertAxis_;
  ResolveAxes();
  links_->LinkFollow = source.links_->LinkFollow;
  cursor_ = source.cursor_;
  showInLegend_ = source.showInLegend_;
  links_->Style = source.links_->Style;
  links_->Identifier = source.links_->Identifier;
  CheckDataSource();
  Repaint();
}

std::vector<TStreamedProperty> TChartSeries::ExtraProperties() const
{
  std::vector<TStreamedProperty> properties;
  if (links_->DataSources.size() > 1) {
    QStringList names;
    for (const TChartSeries* source : links_->DataSources) names.append(source->Name());
    properties.push_back({QStringLiteral("DataSources"), names});
  }
  if (!links_->Identifier.isEmpty()) properties.push_back({QStringLiteral("Identifier"), links_->Identifier});
  if (links_->Style != 0) properties.push_back({QStringLiteral("Style"), links_->Style & kSeriesStyleMask});
  return properties;
}

void TChartSeries::ReadExtraProperty(const TStreamedProperty& property)
{
  if (property.Name == QLatin1String("DataSources")) {
    if (const auto* names = std::get_if<QStringList>(&property.Value)) links_->StreamedSources = *names;
  } else if (property.Name == QLatin1String("Identifier")) {
    if (const auto* text = std::get_if<QString>(&property.Value)) links_->Identifier = *text;
  } else if (property.Name == QLatin1String("Style")) {
    if (const auto* bits = std::get_if<int>(&property.Value)) links_->Style = *bits & kSeriesStyleMask;
  }
}

void TChartSeries::Loaded(const std::function<TChartSeries*(const QString& name)>& find)
{
  links_->Loading = false;
  if (!links_->StreamedSources.isEmpty()) {
    DetachFromSources();
    links_->DataSources.clear();
    for (const QString& name : std::as_const(links_->StreamedSources)) {
      TChartSeries* source = find ? find(name) : nullptr;
      // Names of no component are skipped, and so is a source that would close a circle.
      if (source == nullptr || source == this || source->ReachesSeries(*this) || Contains(links_->DataSources, source))
        continue;
      AddDataSource(source);
    }
    links_->StreamedSources.clear();
  }
  CheckDataSource();
}

}  // namespace chart
