#include "chart/model/SeriesRegistry.h"

#include "chart/model/ChartSeries.h"

#include <algorithm>

namespace chart {

const TTeeSeriesType* TTeeSeriesTypes::Find(const TSeriesClass& seriesClass, const TFunctionClass& functionClass) const
{
  for (const auto& item : items_)
    if (item->SeriesKindClass == seriesClass && item->FunctionKindClass == functionClass)
      return item.get();
  return nullptr;
}

bool TTeeSeriesTypes::Add(TTeeSeriesType entry)
{
  if (Find(entry.SeriesKindClass, entry.FunctionKindClass) != nullptr)
    return false;
  items_.push_back(std::make_unique<TTeeSeriesType>(std::move(entry)));
  return true;
}

int TTeeSeriesTypes::RemoveIf(const std::function<bool(const TTeeSeriesType&)>& match)
{
  const auto before = items_.size();
  std::erase_if(items_, [&](const std::unique_ptr<TTeeSeriesType>& item) { return match(*item); });
  return int(before - items_.size());
}

TTeeSeriesTypes& SeriesKindList()
{
  static TTeeSeriesTypes list;
  return list;
}

void RegisterSeriesKind(const TSeriesClass& seriesClass, const TFunctionClass& functionClass,
                        const QString& description, const QString& galleryPage, int sampleCount,
                        TTeeSeriesTypes& list)
{
  list.Add({seriesClass, functionClass, description.left(kMaxKindText), galleryPage.left(kMaxKindText),
            sampleCount});
}

void RegisterSeriesClass(const TSeriesClass& seriesClass, const QString& description, const QString& galleryPage,
                         int sampleCount, TTeeSeriesTypes& list)
{
  RegisterSeriesKind(seriesClass, {}, description, galleryPage, sampleCount, list);
}

void RegisterFunctionClass(const TFunctionClass& functionClass, const QString& description,
                           const QString& galleryPage, int sampleCount, TTeeSeriesTypes& list)
{
  RegisterSeriesKind({}, functionClass, description, galleryPage, sampleCount, list);
}

void RegisterBasicFunction(const TFunctionClass& functionClass, const QString& description, TTeeSeriesTypes& list)
{
  RegisterFunctionClass(functionClass, description, QStringLiteral("Functions"), 2, list);
}

void UnregisterSeriesKinds(const std::vector<TSeriesClass>& classes, TTeeSeriesTypes& list)
{
  list.RemoveIf([&](const TTeeSeriesType& item) {
    return !item.SeriesKindClass.IsNone() &&
           std::find(classes.begin(), classes.end(), item.SeriesKindClass) != classes.end();
  });
}

void UnregisterFunctionKind(const TFunctionClass& functionClass, TTeeSeriesTypes& list)
{
  list.RemoveIf([&](const TTeeSeriesType& item) { return item.FunctionKindClass == functionClass; });
}

}  // namespace chart
