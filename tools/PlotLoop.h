#pragma once
// The loop a plot launcher runs over its points, evaluated apart from the calculator's variables (its X
// and Y keep their values): the gauge, the window's events and the Stop button between points, and
// the first error with the point it came at.

#include "engine/Engine.h"
#include "engine/EvalContext.h"
#include "engine/Extended.h"
#include "engine/Host.h"

#include <QProgressBar>
#include <QString>
#include <cmath>
#include <memory>

namespace tools {

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

// The points of a plot loop in an evaluation context of their own: the host pumps the events and
// confirms a stop between points; the first error is kept.
class TPlotLoop {
 public:
  TPlotLoop(engine::EngineHost& host, QProgressBar& gauge)
      : host_(host), gauge_(gauge), context_(engine::TEvalContext::CopyOfCurrent()), scope_(*context_)
  {
    engine::StopFlag = 0;
  }

  // Before point i of count; false when the user stopped the loop.
  bool Step(long long i, long long count)
  {
    if (i == 1 || i % 64 == 0) {
      gauge_.setValue(Percent(i, count));
      host_.PumpMessages();
    }
    if (engine::StopFlag != 0 && host_.ConfirmStop()) {
      Outcome.Stopped = true;
      return false;
    }
    return true;
  }

  // After a point's evaluation; false when it failed. A value beyond the double range would plot as
  // a wrong number: it counts as an overflow at that point. The point's text is made only then.
  template <typename PointName>
  bool Check(bool ok, engine::Extended value, int textLength, const PointName& point)
  {
    engine::LastSearchExpr->clear();
    if (ok && std::isfinite(double(value)))
      return true;
    Outcome.Failed = true;
    Outcome.Error = ok ? TPointError{11, 1, textLength, point()}
                       : TPointError{engine::ErrorCode, engine::ErrorPos, engine::ErrorSpan, point()};
    return false;
  }

  TPlotOutcome Outcome;

 private:
  engine::EngineHost& host_;
  QProgressBar& gauge_;
  std::unique_ptr<engine::TEvalContext> context_;
  engine::TContextScope scope_;
};

}  // namespace tools
