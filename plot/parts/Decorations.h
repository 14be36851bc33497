#pragma once
// The title and foot, the frame around the plot area, the background gradient and the background
// picture: their settings and the room the titles take from the layout.

#include "plot/graph/Layer.h"
#include "plot/support/GraphAbstract.h"
#include "plot/support/GraphTypes.h"

#include "platform/CanvasTypes.h"
#include "platform/Font.h"

#include <QStringList>

namespace plot {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TGraphTitle {
public:
  TGraphTitle(TGraph& graph, bool atTop, int charset);

  void Clear() { Lines.clear(); }
  void AddLine(const QString& line) { Lines.append(line); }
  // Takes the room of the lines from the top (title) or bottom (foot) of r.
  virtual void ReserveSpace(platform::TRect& r) { (void)r; }
  virtual void Draw() {}
  virtual ~TGraphTitle() = default;

  TGraph* Graph;
  bool AtTop;
  bool Visible = true;
  QStringList Lines;
  platform::TFont Font;
  TAlignment Alignment = taLeftJustify;
  TTitleStyle Style = tsNormal;
};

// The frame colour that stands for the graph's colour.
inline constexpr platform::TColor kFrameGraphColor = 0x20000000;

class TGraphFrame : public TGraphAbstract {
public:
  TGraphFrame() { Color = kFrameGraphColor; }
  int Width = 1;  // below 2 pixels, from 2 on unit heights
};

class TGraphGradient {
public:
  TGraphGradient(TGradientStyle style, platform::TColor start, platform::TColor end)
      : Style(style), StartColor(start), EndColor(end)
  {
  }
  virtual ~TGraphGradient() = default;
  virtual void Draw(const platform::TRect& r) { (void)r; }

  bool Visible = true;
  TGradientStyle Style;
  platform::TColor StartColor;
  platform::TColor EndColor;
};

class TGraphPicture : public TLayer {
public:
  explicit TGraphPicture(TGraph& graph) : TLayer(graph)
  {
    Name = QStringLiteral("Picture");
    Visible = false;
  }
  TPictureStyle Style = psStretch;
};

class TGraphInfo : public TLayer {
public:
  explicit TGraphInfo(TGraph& graph) : TLayer(graph) {}
};

}  // namespace plot
