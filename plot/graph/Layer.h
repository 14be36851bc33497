#pragma once
// The base of everything a graph draws in its layer list and special layers: colour, visibility,
// axis assignment, name, a colour scale for colour-shaded layers, a popup menu, mouse hooks and
// the operations the graph calls while it lays out, paints and saves.

#include "platform/Color.h"
#include "platform/MouseButtons.h"
#include "platform/VirtualKeys.h"

#include <QString>
#include <array>
#include <memory>

namespace platform {
class TMenuItem;
class TPopupMenu;
}

namespace plot {

class TGraph;
class TGraphFileReader;
class TGraphFileWriter;

// Colour-scale index of MissingValue and of its negative.
inline constexpr int kMissingColorIndex = -2;
inline constexpr int kNegativeMissingColorIndex = -3;
inline constexpr int kScaleLevelCount = 8;

class TLayer {
public:
  // Builds the base popup menu; a class with a menu of its own calls its CreatePopup in its
  // constructor.
  explicit TLayer(TGraph& graph);
  virtual ~TLayer();
  TLayer(const TLayer&) = delete;
  TLayer& operator=(const TLayer&) = delete;

  // The class name the graph text file knows the layer by.
  virtual QString ClassName() const { return QStringLiteral("TLayer"); }

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
  virtual bool GetInteractive() const { return Interactive; }
  virtual void SetInteractive(bool value) { Interactive = value; }
  virtual double GetZMin() const { return 0; }
  virtual double GetZMax() const { return 1; }
  virtual int GetCount() const { return 1; }
  virtual bool GetSelected() const { return Selected; }
  virtual void SetSelected(bool value) { Selected = value; }
  virtual void Clear() {}
  virtual void Draw() {}
  virtual void SaveToIni() {}
  // The data extents; no data: 1e38, -1e38, 1e38, -1e38.
  virtual void GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const;

  // Popup menu handlers.
  virtual void CreatePopup();
  virtual void DeleteClick() {}
  virtual void EditClick() {}
  virtual void PropertiesClick() {}

  // Mouse hooks, in pixels of the graph's image; a hit leaves HitIndex other than -1.
  virtual void MouseMoveActive(platform::TShiftState shift, int x, int y);
  virtual void MouseMovePassive(platform::TShiftState shift, int x, int y);
  virtual void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
  virtual void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y);

  // Graph text file: the block after its first class-name line (raises EGraphFileError), and the
  // whole block.
  virtual void ReadFromFile(TGraphFileReader& file);
  virtual void SaveToFile(TGraphFileWriter& file) const;

  // Colour scale.
  platform::TColor GetScaleColor(int index) const;
  // -1 above the scale (or below it when the lower limit is fixed, or not a number), -2 and -3 for
  // MissingValue and its negative, else the palette index 0..255.
  int ValueToColorIndex(double value) const;
  void SetScaleRange(double min, double max);

  bool Selected = false;
  bool Interactive = false;
  bool ColorMap = false;
  bool ColorLegend = false;  // a colour legend shows the scale also without a colour map (contours)
  platform::TColor Color = platform::clBlack;
  double ZMin = 0;
  double ZMax = 0;
  bool OnX2 = false;
  bool OnY2 = false;
  bool Visible = true;
  double Tolerance = 0;  // hit tolerance as a fraction of the plot area
  int Tag = -1;
  TGraph* Graph;  // not owned
  QString Name;
  bool Dragging = false;
  int HitIndex = 0;
  std::unique_ptr<platform::TPopupMenu> PopupMenu;
  int Palette = 0;  // 0 rainbow, 1 black, 2 red, 3 blue, 4 yellow, 5 green, 6 aqua, 7 fuchsia
  int Quality = 3;  // cell size of a colour shade: 1 high .. 5 low
  double ScaleMax = 0;
  double ScaleMin = 0;
  bool UpperFixed = false;
  bool LowerFixed = false;
  std::array<double, kScaleLevelCount> Levels{};   // descending: Levels[0] is the top
  std::array<int, kScaleLevelCount> LevelColors{};  // palette index at each level
  bool SkipZero = false;
};

}  // namespace plot
