#include "plot/graph/Layer.h"

#include "plot/graph/Graph.h"
#include "plot/graph/GraphFile.h"
#include "plot/support/FloatUtils.h"

#include "platform/CanvasRounding.h"
#include "platform/Menus.h"

#include <cmath>

namespace plot {

using platform::TColor;

TLayer::TLayer(TGraph& graph) : Graph(&graph) { TLayer::CreatePopup(); }

TLayer::~TLayer() = default;

void TLayer::GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const
{
  xMin = 1e38;
  xMax = -1e38;
  yMin = 1e38;
  yMax = -1e38;
}

void TLayer::CreatePopup()
{
  PopupMenu = std::make_unique<platform::TPopupMenu>();
  PopupMenu->Items().Add(QStringLiteral("miErase"), QStringLiteral("Delete"), [this] { DeleteClick(); });
  PopupMenu->Items().Add(QStringLiteral("miPropertiesGraph"), QStringLiteral("Properties"), [this] { PropertiesClick(); });
}

void TLayer::MouseMoveActive(platform::TShiftState, int, int) { HitIndex = -1; }
void TLayer::MouseMovePassive(platform::TShiftState, int, int) { HitIndex = -1; }
void TLayer::MouseDown(platform::TMouseButton, platform::TShiftState, int, int) { HitIndex = -1; }
void TLayer::MouseUp(platform::TMouseButton, platform::TShiftState, int, int) { HitIndex = -1; }

namespace {

TColor Rainbow(int i)
{
  if (i < 20)
    return platform::RGB(60, 60, std::uint8_t(3 * i + 180));
  if (i < 80)
    return platform::RGB(60, std::uint8_t(3 * (i - 20) + 60), 240);
  if (i < 140)
    return platform::RGB(60, 240, std::uint8_t(240 - 3 * (i - 80)));
  if (i < 180)
    return platform::RGB(std::uint8_t(5 * (i - 140) + 50), 240, 60);
  if (i < 240)
    return platform::RGB(255, std::uint8_t(240 - 3 * (i - 180)), 60);
  return platform::RGB(std::uint8_t(255 - 5 * (i - 240)), 60, 60);
}

TColor PaletteColor(int palette, int i)
{
  const auto down = std::uint8_t(255 - i);
  switch (palette) {
  case 0: return Rainbow(i);
  case 1: return platform::RGB(down, down, down);
  case 2: return platform::RGB(255, down, down);
  case 3: return platform::RGB(down, down, 255);
  case 4: return platform::RGB(255, 255, down);
  case 5: return platform::RGB(down, 255, down);
  case 6: return platform::RGB(down, 255, 255);
  case 7: return platform::RGB(255, down, 255);
  default: return platform::RGB(0, 0, 0);
  }
}

}  // namespace

TColor TLayer::GetScaleColor(int index) const
{
  if (index == kMissingColorIndex)
    return 0x808001;
  if (index == kNegativeMissingColorIndex)
    return 0x008081;
  if (index < 0 || index > 255 || (index == 0 && SkipZero))
    return platform::clWhite;
  return PaletteColor(Palette, index);
}

// Linear between the two levels that enclose the value.
int TLayer::ValueToColorIndex(double value) const
{
  if (value == MissingValue)
    return kMissingColorIndex;
  if (value == -MissingValue)
    return kNegativeMissingColorIndex;
  if (std::isnan(value) || value > ScaleMax || (LowerFixed && value < ScaleMin))
    return -1;
  const int last = kScaleLevelCount - 1;
  Extended x = value;
  if (x < Levels[last])
    x = Levels[last];
  if (x > Levels[0])
    x = Levels[0];
  int t = 1;
  while (t <= last && x < Levels[t])
    ++t;
  if (t > last)
    t = last;
  if (Levels[t] == Levels[t - 1])
    return LevelColors[t];
  const Extended index = (x - Levels[t]) / (static_cast<Extended>(Levels[t - 1]) - Levels[t]) *
                             (LevelColors[t - 1] - LevelColors[t]) +
                         LevelColors[t];
  if (!std::isfinite(index))
    return -1;
  return platform::SafeRound(index);
}

void TLayer::SetScaleRange(double min, double max)
{
  for (int i = 0; i < kScaleLevelCount; ++i) {
    Levels[i] = static_cast<double>(max - i * ((static_cast<Extended>(max) - min) / 7));
    LevelColors[i] = 254 - 35 * i;
  }
  Levels[kScaleLevelCount - 1] = min;
  ScaleMax = max;
  ScaleMin = min;
}

}  // namespace plot
