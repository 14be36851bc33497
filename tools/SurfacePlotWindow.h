#pragma once
// The surface plot window: the 3-D surface of f(x, y) in a chart, with the view bars (rotation,
// elevation, offsets, zoom, tilt), the display commands (legend, grids, wire frame, cell outlines,
// clean view, colour mode), the print preview, picture files and the clipboard. Created once and
// only shown and hidden; the surface launcher fills its chart and series.

#include "platform/Color.h"
#include "platform/Form.h"

#include <QString>
#include <functional>
#include <memory>

namespace chart {
class TChartLegend;
class TCustomChart;
using TChart = TCustomChart;
class TSurfaceSeries;
}  // namespace chart

namespace platform {
class TMainMenu;
class TMenuItem;
class TSaveDialog;
class TSpeedButton;
class TToolBar;
}  // namespace platform

namespace tools {

class TSurfaceViewBars;

// The picture formats of Save As, in the order of the dialog's file types.
enum class TSurfacePictureFormat { Bitmap = 1, Metafile = 2, EnhancedMetafile = 3 };

// The format a chosen file name is written in: its extension's (".bmp", ".wmf", ".emf" in any case),
// else the file type chosen in the dialog. A name without an extension gets the type's.
struct TSurfacePictureChoice {
  TSurfacePictureFormat Format;
  QString FileName;
};
TSurfacePictureChoice SurfacePictureChoice(const QString& fileName, int filterIndex);

class TfmSurfaceTee : public platform::Form {
public:
  // screenHighColor: whether the screen shows at least 15-bit colour; the chart asks the screen
  // when it is not given.
  explicit TfmSurfaceTee(std::function<bool()> screenHighColor = {}, QWidget* parent = nullptr);
  ~TfmSurfaceTee() override;

  static constexpr const char* kLowColorMessage = "This demo looks much better with\r16k colors or greater.";

  chart::TChart* Chart;
  std::unique_ptr<chart::TSurfaceSeries> SurfaceSeries1;
  bool Shown = false;             // set at the first showing
  std::function<void()> OnShown;  // the owner enables its show-plots command

  // The grid of the last plot, recorded by the launcher.
  double XMin = 0;
  double XMax = 0;
  double XStep = 0;
  double YMin = 0;
  double YMax = 0;
  double YStep = 0;
  // Remembered by the clean view and the pen commands.
  platform::TColor SavedChartColor = platform::clWhite;
  platform::TColor SavedPenColor = platform::clBlack;
  bool SavedPenVisible = true;

  // Tool bar.
  platform::TToolBar* Panel3;
  platform::TSpeedButton* sbPrint;
  platform::TSpeedButton* sbSaveAs;
  platform::TSpeedButton* sbProp;
  platform::TSpeedButton* sbLegend;
  platform::TSpeedButton* sbGrid;
  platform::TSpeedButton* sbWireFrame;
  platform::TSpeedButton* sbL1;  // hidden partners: pressed, they show their group's button released
  platform::TSpeedButton* sbG1;
  platform::TSpeedButton* sbW1;
  TSurfaceViewBars* Panel2;
  // Menu.
  std::unique_ptr<platform::TMainMenu> MainMenu1;
  platform::TMenuItem* miGrid;
  platform::TMenuItem* miShowLegend;
  platform::TMenuItem* miViewFrame;
  platform::TMenuItem* miWireFrame;
  platform::TMenuItem* miClean;
  platform::TMenuItem* miColorRange;
  platform::TMenuItem* miColorPalette;
  platform::TMenuItem* miSingleColor;
  platform::TMenuItem* miProperties;

  // Commands.
  void ViewBarChange(int bar, int position);
  void sbPrintClick();
  void sbSaveAsClick();
  void SavetoClipbordClick();
  void CopytoclipboardasMetafileClick();
  void exit1Click() { close(); }
  void sbLegendClick();
  void sbGridClick();
  void miWireFrameClick();
  void miViewFrameClick();
  void miCleanClick();
  void RGColorModeClick(const platform::TMenuItem& item);

  chart::TChartLegend& Legend() const { return *legend_; }
  // The legend, the grids and the wire frame as the chart shows them now.
  bool LegendShown() const;
  bool GridsShown() const;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void BuildToolBar();
  void BuildMenu();
  void FormCreate();
  bool HighColor() const;
  // The tool buttons and menu checks set from what the chart shows.
  void ShowLegendToggle(bool shown);
  void ShowGridToggle(bool shown);
  void ShowWireFrameToggle(bool on);
  platform::TSpeedButton& AddButton(const char* name, const QString& hint, std::function<void()> run, int group);

  std::function<bool()> screenHighColor_;
  chart::TChartLegend* legend_ = nullptr;  // owned by the chart
  std::unique_ptr<platform::TSaveDialog> sd_;
};

}  // namespace tools
