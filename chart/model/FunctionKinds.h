#pragma once
// The seven series functions: sum, difference, product, quotient, maximum, minimum and mean.

#include "chart/model/SeriesRegistry.h"
#include "chart/model/TeeFunction.h"

#include <memory>

namespace chart {

class TAddTeeFunction : public TTeeFunction {
public:
  double Calculate(const TChartSeries& source, int first, int last) const override;
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const override;
};

class THighTeeFunction : public TTeeFunction {
public:
  double Calculate(const TChartSeries& source, int first, int last) const override;
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const override;
};

class TLowTeeFunction : public TTeeFunction {
public:
  double Calculate(const TChartSeries& source, int first, int last) const override;
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const override;
};

class TAverageTeeFunction : public TTeeFunction {
public:
  double Calculate(const TChartSeries& source, int first, int last) const override;
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const override;
};

// The first source minus the others.
class TSubtractTeeFunction : public TManySeriesTeeFunction {
protected:
  double CalculateValue(double result, double value) const override { return result - value; }
};

class TMultiplyTeeFunction : public TManySeriesTeeFunction {
protected:
  double CalculateValue(double result, double value) const override { return result * value; }
};

// The first source divided by the others; a divisor 0 leaves the quotient as it is.
class TDivideTeeFunction : public TManySeriesTeeFunction {
protected:
  double CalculateValue(double result, double value) const override { return value == 0 ? result : result / value; }
};

// A function of one of the seven classes by its class name; none for another name.
std::unique_ptr<TTeeFunction> CreateFunction(const TFunctionClass& functionClass);
// The class of one of the seven kinds; none for another function.
TFunctionClass FunctionClassOf(const TTeeFunction& function);

}  // namespace chart
