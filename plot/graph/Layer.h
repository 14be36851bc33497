#pragma once
// The base of everything a graph draws in its layer list and special layers: colour, visibility,
// axis assignment, name and the operations the graph calls while it lays out and paints.

#include "platform/Color.h"

#include <QString>

namespace plot {

class TGraph;

class TLayer {
public:
  explicit TLayer(TGraph& graph) : Graph(&graph) {}
  virtual ~TLayer() = default;
  TLayer(const TLayer&) = delete;
  TLayer& operator=(const TLayer&) = delete;

  virtual platform::TColor GetColor() const { return Color; }
  virtual void SetColor(platform::TColor value) { Color = value; }
  virtual bool GetOnX2() const { return OnX2; }
  virtual void SetOnX2(bool value) { OnX2 = value; }
  virtual bool GetOnY2() const { return OnY2; }
  virtual void SetOnY2(bool value) { OnY2 = value; }
  virtual bool GetColorMap() const { return ColorMap; }
  virtual void SetColorMap(bool value) { ColorMap = value; }
  virtual bool GetVisible() const { return Visible; }
  virtual void SetVisible(bool value) { Visible = value; }
  virtual double GetZMin() const { return 0; }
  virtual double GetZMax() const { return 1; }
  virtual int GetCount() const { return 1; }
  virtual bool GetSelected() const { return Selected; }
  virtual void SetSelected(bool value) { Selected = value; }
  virtual void Clear() {}
  virtual void Draw() {}
  // The data extents; no data: 1e38, -1e38, 1e38, -1e38.
  virtual void GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const;

  bool Selected = false;
  bool Interactive = false;
  bool ColorMap = false;
  platform::TColor Color = platform::clBlack;
  double ZMin = 0;
  double ZMax = 0;
  bool OnX2 = false;
  bool OnY2 = false;
  bool Visible = true;
  double Tolerance = 0;
  int Tag = -1;
  TGraph* Graph;  // not owned
  QString Name;
  bool Dragging = false;
  int HitIndex = 0;
};

}  // namespace plot
