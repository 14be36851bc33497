#pragma once
// The chart library's exceptions, each with a text of the message table.

#include "platform/Exceptions.h"

namespace chart {

class ChartException : public platform::Exception {
public:
  using platform::Exception::Exception;
};

class PieException : public ChartException {
public:
  using ChartException::ChartException;
};

class AxisException : public platform::Exception {
public:
  using platform::Exception::Exception;
};

class LegendException : public platform::Exception {
public:
  using platform::Exception::Exception;
};

class BarException : public platform::Exception {
public:
  using platform::Exception::Exception;
};

}  // namespace chart
