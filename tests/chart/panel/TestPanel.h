#pragma once
// A chart panel whose chart is recognisable: the panel's back, a red chart rectangle and a label
// inside it. It counts its pictures.

#include "chart/panel/CustomTeePanelExtended.h"
#include "platform/Font.h"

#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

namespace chart::testing {

inline const QString kPanelLabel = QStringLiteral("Panel label");
inline constexpr platform::TColor kChartColor = platform::clRed;

class TTestPanel : public TCustomTeePanelExtended {
public:
  int Draws = 0;
  TRect LastBounds;
  bool Fail = false;
  std::function<void()> During;  // runs inside each picture, before the drawing
  std::vector<int> Keys;         // KeyDown's keys

protected:
  void InternalDraw(const TRect& bounds) override
  {
    ++Draws;
    LastBounds = bounds;
    if (During)
      During();
    if (Fail)
      throw std::runtime_error("drawing failed");
    PaintPanel(bounds);
    TTeeCanvas3D& canvas = Canvas();
    canvas.Brush().SetColor(kChartColor);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    canvas.FillRectangle(ChartRect());
    platform::TFont font;  // a chart font: 10 points on the screen
    font.SetSize(10);
    AssignFont(font);
    canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
    canvas.SetTextAlignment(platform::TA_LEFT | platform::TA_TOP);
    canvas.WriteText(ChartRect().Left + 4, ChartRect().Top + 4, kPanelLabel);
  }
  void KeyDown(int& key, platform::TShiftState) override { Keys.push_back(key); }
};

}  // namespace chart::testing
