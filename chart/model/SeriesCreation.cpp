#include "chart/model/SeriesCreation.h"

#include "chart/model/ChartSeries.h"
#include "chart/model/FunctionKinds.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/support/LibraryItems.h"

#include <algorithm>
#include <typeinfo>

namespace chart {

TChartSeries& TSeriesOwner::Adopt(std::unique_ptr<TChartSeries> series)
{
  series_.push_back(std::move(series));
  return *series_.back();
}

void TSeriesOwner::Free(TChartSeries& series)
{
  const auto it = std::find_if(series_.begin(), series_.end(), [&](const auto& owned) { return owned.get() == &series; });
  if (it == series_.end()) return;
  // Out of the list before it goes, so its destruction finds the list whole.
  std::unique_ptr<TChartSeries> doomed = std::move(*it);
  series_.erase(it);
}

bool TSeriesOwner::Owns(const TChartSeries& series) const
{
  return std::any_of(series_.begin(), series_.end(), [&](const auto& owned) { return owned.get() == &series; });
}

TChartSeries* TSeriesOwner::FindSeries(const QString& name) const
{
  for (const auto& series : series_)
    if (series->Name().compare(name, Qt::CaseInsensitive) == 0) return series.get();
  return nullptr;
}

bool TSeriesOwner::IsNameTaken(const QString& name) const
{
  if (FindSeries(name) != nullptr) return true;
  return std::any_of(series_.begin(), series_.end(), [&](const auto& series) {
    const TTeeFunction* function = series->SeriesFunction();
    return function != nullptr && function->Name().compare(name, Qt::CaseInsensitive) == 0;
  });
}

TChartSeries& CreateNewSeries(TSeriesOwner& owner, TSeriesChart& chart, const TSeriesClass& seriesClass,
                              const TFunctionClass& functionClass)
{
  TChartSeries& series = owner.Adopt(seriesClass.Create());
  const auto taken = [&](const QString& name) { return owner.IsNameTaken(name); };
  series.SetName(MakeUniqueName(QStringLiteral("Series"), taken));
  series.SetParentChart(&chart);
  if (auto function = CreateFunction(functionClass)) {
    function->SetName(MakeUniqueName(QStringLiteral("TeeFunction"), taken));
    series.SetFunction(std::move(function));
  }
  return series;
}

TSeriesClass SeriesClassOf(const TChartSeries& series, const TTeeSeriesTypes& list)
{
  for (int i = 0; i < list.Count(); ++i) {
    const TSeriesClass& kind = list[i].SeriesKindClass;
    if (kind.IsNone() || !kind.Create) continue;
    const auto probe = kind.Create();
    if (typeid(*probe) == typeid(series)) return kind;
  }
  return {};
}

TChartSeries* CloneSeries(TSeriesOwner& owner, const TChartSeries& series, const TTeeSeriesTypes& list)
{
  const TSeriesClass kind = SeriesClassOf(series, list);
  if (kind.IsNone() || series.ParentChart() == nullptr) return nullptr;
  const TTeeFunction* function = series.SeriesFunction();
  TChartSeries& clone =
      CreateNewSeries(owner, *series.ParentChart(), kind, function != nullptr ? FunctionClassOf(*function) : TFunctionClass{});
  if (function != nullptr && clone.SeriesFunction() != nullptr) clone.SeriesFunction()->Assign(*function);
  clone.TChartSeries::Assign(series);
  return &clone;
}

void ChangeSeriesKind(TSeriesOwner& owner, TChartSeries*& series, const TSeriesClass& newClass,
                      const TTeeSeriesTypes& list)
{
  if (series == nullptr || newClass.IsNone() || SeriesClassOf(*series, list) == newClass) return;
  TChartSeries& old = *series;
  TChartSeries& fresh = owner.Adopt(newClass.Create());
  TSeriesChart* chart = old.ParentChart();
  fresh.SetDesigning(old.Designing());
  fresh.SetParentChart(chart);
  fresh.TChartSeries::Assign(old);
  fresh.AfterDrawValues = old.AfterDrawValues;
  fresh.BeforeDrawValues = old.BeforeDrawValues;
  fresh.OnAfterAdd = old.OnAfterAdd;
  fresh.OnBeforeAdd = old.OnBeforeAdd;
  fresh.OnClearValues = old.OnClearValues;
  fresh.OnClick = old.OnClick;
  fresh.OnDblClick = old.OnDblClick;
  fresh.OnGetMarkText = old.OnGetMarkText;
  old.HandLinkedSeriesTo(fresh);
  if (chart != nullptr) {
    TChartSeriesList& seriesList = chart->SeriesList();
    const int oldIndex = seriesList.IndexOf(old);
    const int freshIndex = seriesList.IndexOf(fresh);
    if (oldIndex >= 0 && freshIndex >= 0) seriesList.Exchange(oldIndex, freshIndex);
  }
  const QString name = old.Name();
  if (owner.Owns(old))
    owner.Free(old);
  else
    old.SetParentChart(nullptr);
  fresh.SetName(name);
  if (fresh.Designing() && fresh.DataSources().empty()) fresh.FillSampleValues(fresh.NumSampleValues());
  if (chart != nullptr) chart->Invalidate();
  series = &fresh;
}

}  // namespace chart
