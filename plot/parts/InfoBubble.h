#pragma once
// The info layer: bubbles pinned to places of series that show the X and Y values there with their
// labels. A click on a point of a series in its info mode pins one; a second click on the same
// point of a point series, or a click on the bubble, removes it. The graph owns one info layer,
// drawn after everything else and asked first about a mouse press.

#include "plot/graph/Layer.h"
#include "plot/support/GraphTypes.h"

#include "platform/CanvasTypes.h"
#include "platform/Font.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace plot {

class TSeriesLayer;
struct TBubbleSize;

// The caption of a place whose series left the graph or could not be read; it is no longer drawn.
inline constexpr const char* kDeletedCaption = "Deleted";

// A pinned place.
struct TInfoLocation {
  // The pixel (x, y) in the world units of the layer's axes (data units on logarithmic axes); the
  // graph's active layer becomes the layer.
  TInfoLocation(TGraph& graph, TLayer& layer, int x, int y, bool onPoint);

  double X = 0;
  double Y = 0;
  int PointIndex = -1;       // the point under the mouse when pinned
  TLayer* Series = nullptr;  // none once it left the graph or could not be read
  bool OnPoint = false;      // pinned on a marker rather than on a line
  std::optional<platform::TRect> BubbleRect;  // as last drawn, borders included; none when not shown
};

class TGraphInfo : public TLayer {
public:
  explicit TGraphInfo(TGraph& graph);
  ~TGraphInfo() override;

  QString ClassName() const override { return QStringLiteral("TGraphInfo"); }
  int GetCount() const override { return int(Locations.size()); }
  void Clear() override { Locations.clear(); }
  void Draw() override;
  // A left click on a drawn bubble removes it, repaints and sets the graph's InfoClicked.
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;

  // Pins the place of pixel (x, y) to the layer; returns its index, or -1 when a point series
  // already had a bubble at the point under the mouse (which is removed unless keepExisting).
  int AddLocation(const QString& caption, TLayer& series, int x, int y, bool keepExisting);
  // An index out of range is ignored.
  void DeleteLocation(int index);

  struct TEntry {
    QString Caption;
    std::unique_ptr<TInfoLocation> Location;
  };

  int NumberOfGeneralDigits = 7;
  platform::TFont Font;
  std::vector<TEntry> Locations;
  TInfoStyle Style = isRoundRect;
  TInfoPosition Position = ipRightTop;
  bool PointName = false;      // the X line is labelled with the point's name instead of "X"
  bool SeriesName = false;     // the Y line is labelled with the series' name instead of "Y"
  bool PointValue = true;      // the X line shows its value
  bool SeriesValue = true;     // the Y line shows its value
  bool PointVisible = true;    // the X label is shown
  bool SeriesVisible = true;   // the Y label is shown
  bool SeriesLabelText = false;  // without SeriesName, the Y label is the series' value label
  QString FormatX;             // templates of one value; empty: general format
  QString FormatY;

private:
  // The lines of a bubble and the pixel it points at.
  struct TBubbleText {
    QStringList Lines;
    std::optional<platform::TPoint> Anchor;
  };
  bool ReadLabels(TEntry& entry, TSeriesLayer& series, QString& xLabel, QString& yLabel) const;
  TBubbleText SeriesText(const TEntry& entry, TSeriesLayer& series, const QString& xLabel,
                         const QString& yLabel) const;
  TBubbleText LayerText(const TEntry& entry) const;
  QString ValueText(double value, const QString& format) const;
  QString ValueLine(const QString& label, bool showValue, double value, const QString& format) const;
  void DrawBubble(TEntry& entry, const QStringList& lines, platform::TPoint anchor);
  void DrawText(const QStringList& lines, TInfoPosition position, platform::TPoint anchor, const TBubbleSize& size,
                const platform::TRect& body, platform::TRect& textBlock);
};

}  // namespace plot
