#include "chart/canvas/ChartPen.h"

#include <utility>

namespace chart {

TChartPen::TChartPen(std::function<void()> onChange) { OnChange = std::move(onChange); }

void TChartPen::SetSmallDots(bool on)
{
  if (on == smallDots_)
    return;
  smallDots_ = on;
  if (OnChange)
    OnChange();
}

void TChartPen::SetVisible(bool on)
{
  if (on == visible_)
    return;
  visible_ = on;
  if (OnChange)
    OnChange();
}

void TChartPen::Assign(const TChartPen& other)
{
  smallDots_ = other.smallDots_;
  visible_ = other.visible_;
  platform::TPen::Assign(other);
}

namespace {
// Constructor defaults are set before the notification is attached, so they notify nobody.
template <class Setup>
void Defaults(TChartPen& pen, std::function<void()> onChange, Setup setup)
{
  pen.OnChange = nullptr;
  setup(pen);
  pen.OnChange = std::move(onChange);
}
}  // namespace

TChartHiddenPen::TChartHiddenPen(std::function<void()> onChange)
{
  Defaults(*this, std::move(onChange), [](TChartPen& p) { p.SetVisible(false); });
}

TDottedGrayPen::TDottedGrayPen(std::function<void()> onChange)
{
  Defaults(*this, std::move(onChange), [](TChartPen& p) {
    p.SetColor(platform::clGray);
    p.SetStyle(platform::TPenStyle::psDot);
  });
}

TDarkGrayPen::TDarkGrayPen(std::function<void()> onChange)
{
  Defaults(*this, std::move(onChange), [](TChartPen& p) { p.SetColor(platform::clGray); });
}

TChartAxisPen::TChartAxisPen(std::function<void()> onChange)
{
  Defaults(*this, std::move(onChange), [](TChartPen& p) { p.SetWidth(2); });
}

TChartArrowPen::TChartArrowPen(std::function<void()> onChange)
{
  Defaults(*this, std::move(onChange), [](TChartPen& p) { p.SetColor(platform::clWhite); });
}

}  // namespace chart
