#pragma once
// The annotation layer every plot's graph carries: the figures the user draws over the plot, drawn
// after all layers and offered every mouse event before them. The layer's HitIndex is the index
// of the figure under the mouse (-1 none).

#include "plotui/annotate/GraphFigs.h"

#include "plot/graph/Layer.h"

#include "platform/Cursors.h"

#include <memory>
#include <vector>

namespace plotui {

enum TAnnotateTool : std::uint8_t { atNone, atSymbol, atLine, atArrow, atRectangle, atText, atCircle, atPencil };

// The cursor of a tool, one of those the plot registers; the default one for no tool.
platform::TCursor ToolCursor(TAnnotateTool tool);

class TGraphAnnotate : public plot::TLayer {
public:
  explicit TGraphAnnotate(plot::TGraph& graph);

  QString ClassName() const override { return QStringLiteral("TGraphAnnotate"); }
  int AddFigure(std::unique_ptr<TFig> fig);
  // Null outside the list.
  TFig* GetFigure(int index) const;
  int GetCount() const override { return static_cast<int>(Figures.size()); }
  void Clear() override { Figures.clear(); }
  void Draw() override;
  // Writes value into every figure's Dragging byte while the layer is visible.
  void SetEditing(bool value);
  // The popup's "Delete": frees the selected figure, repaints and forgets the selection.
  void DeleteClick() override;
  void PropertiesClick() override;
  void MouseMoveActive(platform::TShiftState shift, int x, int y) override;
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void CreateFigure(int x, int y);

  std::vector<std::unique_ptr<TFig>> Figures;
  bool AutoRefresh = false;
  bool Hovered = false;
  TAnnotateTool Tool = atNone;
  platform::TColor FigureColor = platform::clRed;
  int LineWidth = 1;
  int PencilWidth = 3;

private:
  TFig* Selected() const { return GetFigure(HitIndex); }
  void StartFigure(std::unique_ptr<TFig> fig, int x, int y);
};

}  // namespace plotui
