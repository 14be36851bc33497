#pragma once
// The loop of a plot launcher over its points, evaluated apart from the calculator's variables (its X
// and Y keep their values): the gauge, the window's events and the Stop button between points, and
// the first error with the point it came at.

#include "app/MainWindow.h"

#include "engine/Engine.h"
#include "engine/EvalContext.h"
#include "engine/Extended.h"

#include <QProgressBar>
#include <QString>
#include <cmath>
#include <memory>

namespace app {

// The gauge's per cent for point i of count.
inline int Percent(long long i, long long count) { return int(std::lround(double(i) * 100.0 / double(count))); }

// Where a plot loop failed: the engine's error at the point.
struct TPointError {
  int Code = 0;
  int Pos = 0;
  int Span = 0;
  QString Point;  // "x = 1" or "x = 1, y = 2"
};

// How a plot loop ended.
struct TPlotOutcome {
  bool Stopped = false;  // by the user
  bool Failed = false;
  TPointError Error;
};

inline QString PointText(double x) { return QStringLiteral("x = ") + QString::number(x, 'g', 12); }
inline QString PointText(double x, double y) { return PointText(x) + QStringLiteral(", y = ") + QString::number(y, 'g', 12); }

// The points of a plot loop, evaluated apart from the calculator's variables (its X and Y keep their
// values): the gauge, the window's events and the Stop button between points, the first error kept.
class TPlotLoop {
 public:
  TPlotLoop(TfmCalc& window, QProgressBar& gauge)
      : window_(window), gauge_(gauge), context_(engine::TEvalContext::CopyOfCurrent()), scope_(*context_)
  {
    engine::StopFlag = 0;
  }

  // Before point i of count; false when the user stopped the loop.
  bool Step(long long i, long long count)
  {
    if (i == 1 || i % 64 == 0) {
      gauge_.setValue(Percent(i, count));
      window_.PumpMessages();
    }
    if (engine::StopFlag != 0 && window_.ConfirmStop()) {
      Outcome.Stopped = true;
      return false;
    }
    return true;
  }

  // After a point's evaluation; false when it failed. A value beyond the double range would plot as
  // a wrong number: it counts as an overflow at that point.
  bool Check(bool ok, engine::Extended value, int textLength, const QString& point)
  {
    engine::LastSearchExpr.clear();
    if (ok && std::isfinite(double(value)))
      return true;
    Outcome.Failed = true;
    Outcome.Error = ok ? TPointError{11, 1, textLength, point} : TPointError{engine::ErrorCode, engine::ErrorPos, engine::ErrorSpan, point};
    return false;
  }

  TPlotOutcome Outcome;

 private:
  TfmCalc& window_;
  QProgressBar& gauge_;
  std::unique_ptr<engine::TEvalContext> context_;
  engine::TContextScope scope_;
};

}  // namespace app
