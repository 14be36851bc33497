#include "chart/model/FunctionKinds.h"

#include "chart/model/ChartSeries.h"

#include <algorithm>
#include <typeinfo>

namespace chart {

namespace {

// Folds the values first..last of a list; an empty range gives 0.
template <typename Fold>
double FoldRange(const TChartValueList& list, int first, int last, Fold fold)
{
  if (last < first) return 0;
  double result = list.GetValue(first);
  for (int i = first + 1; i <= last; ++i) result = fold(result, list.GetValue(i));
  return result;
}

double Plus(double a, double b) { return a + b; }
double Larger(double a, double b) { return std::max(a, b); }
double Smaller(double a, double b) { return std::min(a, b); }

}  // namespace

double TAddTeeFunction::Calculate(const TChartSeries& source, int first, int last) const
{
  const TChartValueList& list = ValueListOf(source);
  return first == -1 ? list.Total() : FoldRange(list, first, last, Plus);
}

double TAddTeeFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) const
{
  int found = 0;
  return FoldSources(sources, index, Plus, found);
}

double THighTeeFunction::Calculate(const TChartSeries& source, int first, int last) const
{
  const TChartValueList& list = ValueListOf(source);
  return first == -1 ? list.MaxValue() : FoldRange(list, first, last, Larger);
}

double THighTeeFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) const
{
  int found = 0;
  return FoldSources(sources, index, Larger, found);
}

double TLowTeeFunction::Calculate(const TChartSeries& source, int first, int last) const
{
  const TChartValueList& list = ValueListOf(source);
  return first == -1 ? list.MinValue() : FoldRange(list, first, last, Smaller);
}

double TLowTeeFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) const
{
  int found = 0;
  return FoldSources(sources, index, Smaller, found);
}

double TAverageTeeFunction::Calculate(const TChartSeries& source, int first, int last) const
{
  const TChartValueList& list = ValueListOf(source);
  if (first == -1) return source.Count() == 0 ? 0 : list.Total() / source.Count();
  if (last < first) return 0;
  return FoldRange(list, first, last, Plus) / (last - first + 1);
}

double TAverageTeeFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) const
{
  int found = 0;
  const double sum = FoldSources(sources, index, Plus, found);
  return found == 0 ? 0 : sum / found;
}

namespace {

struct TFunctionKind {
  const char* ClassName;
  std::unique_ptr<TTeeFunction> (*Create)();
  const std::type_info& Type;
};

template <class TKind>
std::unique_ptr<TTeeFunction> New()
{
  return std::make_unique<TKind>();
}

const TFunctionKind kFunctionKinds[] = {
    {"TAddTeeFunction", New<TAddTeeFunction>, typeid(TAddTeeFunction)},
    {"TSubtractTeeFunction", New<TSubtractTeeFunction>, typeid(TSubtractTeeFunction)},
    {"TMultiplyTeeFunction", New<TMultiplyTeeFunction>, typeid(TMultiplyTeeFunction)},
    {"TDivideTeeFunction", New<TDivideTeeFunction>, typeid(TDivideTeeFunction)},
    {"THighTeeFunction", New<THighTeeFunction>, typeid(THighTeeFunction)},
    {"TLowTeeFunction", New<TLowTeeFunction>, typeid(TLowTeeFunction)},
    {"TAverageTeeFunction", New<TAverageTeeFunction>, typeid(TAverageTeeFunction)},
};

}  // namespace

std::unique_ptr<TTeeFunction> CreateFunction(const TFunctionClass& functionClass)
{
  for (const TFunctionKind& kind : kFunctionKinds)
    if (functionClass.ClassName == QLatin1String(kind.ClassName)) return kind.Create();
  return nullptr;
}

TFunctionClass FunctionClassOf(const TTeeFunction& function)
{
  for (const TFunctionKind& kind : kFunctionKinds)
    if (typeid(function) == kind.Type) return {QString::fromLatin1(kind.ClassName)};
  return {};
}

}  // namespace chart
