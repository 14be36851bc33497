#pragma once
// An axis panel with a legend, on a window of its own: no margins, bevels, axes or 3-D, so the chart
// rectangle is the client area until the legend takes its room. It keeps the chart rectangle from
// just before and just after the legend, and the legend items' positions as they were drawn.

#include "chart/model/ChartSeries.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/CustomAxisPanel.h"
#include "platform/Form.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <map>

namespace chart::testing {

struct TItemPos {
  int X = 0;
  int Y = 0;
};

class TLegendPanel : public TCustomAxisPanel {
public:
  explicit TLegendPanel(QWidget* parent) : TCustomAxisPanel(parent), Legend(*this)
  {
    for (int side = 0; side < 4; ++side)
      SetMargin(side, 0);
    SetBevelOuter(TPanelBevel::bvNone);
    SetView3D(false);
    SetAxisVisible(false);
    Legend.OnGetLegendPos = [this](TCustomAxisPanel&, int index, int& x, int& y, int&) { Drawn[index] = {x, y}; };
  }

  TChartLegend Legend;
  TRect RectBeforeLegend;
  TRect RectAfterLegend;
  std::map<int, TItemPos> Drawn;  // by item index, of the last picture

protected:
  void DrawTitlesAndLegend() override
  {
    Drawn.clear();
    RectBeforeLegend = ChartRect();
    bool active = false;
    for (int i = 0; i < SeriesCount(); ++i)
      active = active || SeriesAt(i).Active();
    if (Legend.Visible() && active)
      Legend.Draw();
    RectAfterLegend = ChartRect();
  }
  void LegendValueText(const TChartSeries& series, int valueIndex, QString& text) const override
  {
    text = Legend.PointLegendText(&series, valueIndex);
  }
};

// A window holding a legend panel over its whole client area.
class TLegendWindow {
public:
  explicit TLegendWindow(int width = 400, int height = 300) : Panel(&form_)
  {
    form_.resize(width, height);
    Panel.setGeometry(0, 0, width, height);
  }

  // What the window shows after the pending paints.
  QImage Shown()
  {
    if (!form_.isVisible())
      form_.show();
    for (int i = 0; i < 3; ++i)
      QApplication::processEvents();
    Panel.repaint();
    const QPixmap shown = form_.windowHandle()->screen()->grabWindow(form_.winId());
    return shown.toImage().copy(Panel.geometry()).convertToFormat(QImage::Format_RGB32);
  }
  void Resize(int width, int height)
  {
    form_.resize(width, height);
    Panel.setGeometry(0, 0, width, height);
  }

private:
  platform::Form form_;

public:
  TLegendPanel Panel;
};

inline platform::TColor PixelAt(const QImage& image, int x, int y)
{
  return platform::FromQColor(QColor(image.pixel(x, y)));
}

}  // namespace chart::testing
