#pragma once
// The stay-on-top palette that drives a plot's annotation layer: one button per drawing tool,
// "Refresh graph", "Delete all" and the switches of the layer's visibility and refreshing. One
// palette at a time serves the plot that asked for it last; closing it frees it.

#include "plotui/annotate/GraphAnnotate.h"

#include "platform/Form.h"
#include "platform/SpeedButton.h"

#include <QPointer>
#include <array>

class QCheckBox;

namespace plotui {

class TPlot;

class TfmAnnotateTools : public platform::Form {
public:
  TfmAnnotateTools();
  ~TfmAnnotateTools() override;

  // Binds the palette to the plot's annotation layer and shows it. A layer bound before loses its
  // tool and ends its editing.
  void SetGraph(TPlot& plot);
  TPlot* Plot() const { return plot_; }
  // The bound layer; null while no plot is bound.
  TGraphAnnotate* Annotations() const;

  // The tool buttons by TAnnotateTool, in one group.
  std::array<platform::TSpeedButton*, 8> ToolButtons{};
  platform::TSpeedButton* sbNone;
  platform::TSpeedButton* sbShap;
  platform::TSpeedButton* sbLine;
  platform::TSpeedButton* sbArrow;
  platform::TSpeedButton* sbRect;
  platform::TSpeedButton* sbText;
  platform::TSpeedButton* sbCircle;
  platform::TSpeedButton* sbPencil;
  platform::TSpeedButton* sbtRefresh;
  platform::TSpeedButton* SpeedButton2;  // "Delete all"
  QCheckBox* cbVisible;
  QCheckBox* chbAuto;

protected:
  bool CloseQuery() override;
  void showEvent(QShowEvent* event) override;

private:
  // Beside the plot's window: at its right edge, 20 pixels below its top.
  void PlaceBesidePlot();
  void ToolClick(TAnnotateTool tool);
  void VisibleClick();
  void AutoClick();
  void RefreshClick();
  void DeleteAllClick();
  // The bound layer back to no tool and out of editing; its plot hears that the palette left it.
  void Release();

  bool filling_ = false;
  QPointer<TPlot> plot_;
};

// The open palette; null when there is none.
TfmAnnotateTools* CurrentAnnotateTools();
// The open palette, made when there is none, bound to the plot and shown.
TfmAnnotateTools& ShowAnnotateTools(TPlot& plot);
// Closes the open palette when it is bound to the plot (the plot is going away).
void CloseAnnotateToolsOf(const TPlot& plot);

}  // namespace plotui
