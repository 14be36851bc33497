#pragma once
// The series-kind registry: the series kinds and series functions the gallery and the editor
// offer, each with its description, gallery page and number of sample series.

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace chart {

class TChartSeries;

// A series kind's class: its name (the identity) and how to make one.
struct TSeriesClass {
  QString ClassName;
  std::function<std::unique_ptr<TChartSeries>()> Create;
  bool IsNone() const { return ClassName.isEmpty(); }
  friend bool operator==(const TSeriesClass& a, const TSeriesClass& b) { return a.ClassName == b.ClassName; }
};

// A series function's class, known by name.
struct TFunctionClass {
  QString ClassName;
  bool IsNone() const { return ClassName.isEmpty(); }
  friend bool operator==(const TFunctionClass& a, const TFunctionClass& b) { return a.ClassName == b.ClassName; }
};

template <class TSeries>
TSeriesClass SeriesClassOf(const char* className)
{
  return {QString::fromLatin1(className), [] { return std::unique_ptr<TChartSeries>(std::make_unique<TSeries>()); }};
}

inline constexpr int kMaxKindText = 20;  // description and page name are cut to this length

struct TTeeSeriesType {
  TSeriesClass SeriesKindClass;      // none for a plain function
  TFunctionClass FunctionKindClass;  // none for a plain series kind
  QString KindDescription;
  QString GalleryPageName;
  int GallerySampleCount = 1;
};

// The registered kinds in registration order.
class TTeeSeriesTypes {
public:
  int Count() const { return int(items_.size()); }
  const TTeeSeriesType& operator[](int index) const { return *items_.at(std::size_t(index)); }
  // The entry with both classes, or null.
  const TTeeSeriesType* Find(const TSeriesClass& seriesClass, const TFunctionClass& functionClass) const;
  // Appends unless an entry with both classes is listed; returns whether it appended.
  bool Add(TTeeSeriesType entry);
  // Removes the entries matching; returns how many.
  int RemoveIf(const std::function<bool(const TTeeSeriesType&)>& match);
  void Clear() { items_.clear(); }

private:
  std::vector<std::unique_ptr<TTeeSeriesType>> items_;
};

// The program's one list (user-interface thread only), freed when the program ends.
TTeeSeriesTypes& SeriesKindList();

// Each registers into list (the program's list by default); an entry already listed with the same
// series and function class is kept and the call ignored.
void RegisterSeriesKind(const TSeriesClass& seriesClass, const TFunctionClass& functionClass,
                        const QString& description, const QString& galleryPage, int sampleCount,
                        TTeeSeriesTypes& list = SeriesKindList());
void RegisterSeriesClass(const TSeriesClass& seriesClass, const QString& description, const QString& galleryPage,
                         int sampleCount, TTeeSeriesTypes& list = SeriesKindList());
void RegisterFunctionClass(const TFunctionClass& functionClass, const QString& description,
                           const QString& galleryPage, int sampleCount, TTeeSeriesTypes& list = SeriesKindList());
// On the page "Functions" with two sample series.
void RegisterBasicFunction(const TFunctionClass& functionClass, const QString& description,
                           TTeeSeriesTypes& list = SeriesKindList());
// Removes every entry of one of the series classes, or of the function class.
void UnregisterSeriesKinds(const std::vector<TSeriesClass>& classes, TTeeSeriesTypes& list = SeriesKindList());
void UnregisterFunctionKind(const TFunctionClass& functionClass, TTeeSeriesTypes& list = SeriesKindList());

}  // namespace chart
