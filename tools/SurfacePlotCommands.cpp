// The surface window's commands: the view bars, the display toggles and colour modes, the print
// preview, picture files and the clipboard.

#include "tools/SurfacePlotWindow.h"

#include "tools/SurfaceViewBars.h"

#include "chart/output/ChartPreview.h"
#include "chart/output/PreviewPage.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/SurfaceSeries.h"

#include "platform/FileDialogs.h"
#include "platform/HourglassCursor.h"
#include "platform/Menus.h"
#include "platform/SpeedButton.h"

#include <QFileInfo>

namespace tools {

namespace {

const QString kPictureFilter =
    QStringLiteral("Windows Bitmap|*.BMP|Windows Metafile|*.WMF|Windows Enhanced Metafile|*.EMF");
const char* const kPictureExtensions[] = {"BMP", "WMF", "EMF"};

}  // namespace

TSurfacePictureChoice SurfacePictureChoice(const QString& fileName, int filterIndex)
{
  const int type = std::clamp(filterIndex, 1, 3);
  const QString suffix = QFileInfo(fileName).suffix().toUpper();
  for (int format = 1; format <= 3; ++format)
    if (suffix == QLatin1String(kPictureExtensions[format - 1]))
      return {TSurfacePictureFormat(format), fileName};
  if (suffix.isEmpty())
    return {TSurfacePictureFormat(type), fileName + QLatin1Char('.') + QLatin1String(kPictureExtensions[type - 1])};
  return {TSurfacePictureFormat(type), fileName};
}

void TfmSurfaceTee::ViewBarChange(int bar, int position)
{
  chart::TView3DOptions& view = Chart->View3DOptions();
  switch (bar) {
    case 0: view.SetRotation(position); break;
    case 1: view.SetElevation(position); break;
    case 2: view.SetHorizOffset(position); break;
    case 3: view.SetVertOffset(position); break;
    case 4: view.SetZoom(position); break;
    case 5: view.SetTilt(position); break;
    default: break;
  }
}

void TfmSurfaceTee::sbPrintClick() { chart::ShowChartPreview(this, *Chart); }

void TfmSurfaceTee::sbSaveAsClick()
{
  if (!sd_) {
    sd_ = std::make_unique<platform::TSaveDialog>();
    sd_->Options = platform::ofOverwritePrompt | platform::ofHideReadOnly | platform::ofPathMustExist;
  }
  platform::TSaveDialog& sd = *sd_;
  sd.Filter = kPictureFilter;
  // The extension follows the file type chosen, so the dialog adds none of its own.
  sd.DefaultExt.clear();
  if (!sd.Execute())
    return;
  const TSurfacePictureChoice choice = SurfacePictureChoice(sd.FileName, sd.FilterIndex);
  const platform::HourglassCursor hourglass;
  switch (choice.Format) {
    case TSurfacePictureFormat::Bitmap: Chart->SaveToBitmapFile(choice.FileName); break;
    case TSurfacePictureFormat::Metafile: Chart->SaveToMetafile(choice.FileName); break;
    case TSurfacePictureFormat::EnhancedMetafile: Chart->SaveToMetafileEnh(choice.FileName); break;
  }
}

void TfmSurfaceTee::SavetoClipbordClick() { Chart->CopyToClipboardBitmap(); }

void TfmSurfaceTee::CopytoclipboardasMetafileClick() { Chart->CopyToClipboardMetafile(true); }

bool TfmSurfaceTee::LegendShown() const { return legend_->Visible(); }

bool TfmSurfaceTee::GridsShown() const { return Chart->LeftAxis().Grid().Visible(); }

void TfmSurfaceTee::ShowLegendToggle(bool shown)
{
  (shown ? sbLegend : sbL1)->SetDown(true);
  miShowLegend->SetChecked(shown);
}

void TfmSurfaceTee::ShowGridToggle(bool shown)
{
  (shown ? sbGrid : sbG1)->SetDown(true);
  miGrid->SetChecked(shown);
}

void TfmSurfaceTee::ShowWireFrameToggle(bool on)
{
  (on ? sbWireFrame : sbW1)->SetDown(true);
  miWireFrame->SetChecked(on);
}

void TfmSurfaceTee::sbLegendClick()
{
  legend_->SetVisible(!legend_->Visible());
  ShowLegendToggle(legend_->Visible());
}

void TfmSurfaceTee::sbGridClick()
{
  const bool visible = !Chart->LeftAxis().Grid().Visible();
  Chart->LeftAxis().Grid().SetVisible(visible);
  Chart->BottomAxis().Grid().SetVisible(visible);
  Chart->DepthAxis().Grid().SetVisible(visible);
  ShowGridToggle(visible);
}

void TfmSurfaceTee::miWireFrameClick()
{
  chart::TChartPen& pen = SurfaceSeries1->Pen();
  const bool on = !miWireFrame->Checked();
  if (on) {
    SavedPenColor = pen.Color();
    SavedPenVisible = pen.Visible();
  }
  ShowWireFrameToggle(on);
  SurfaceSeries1->SetWireFrame(on);
  if (on) {
    pen.SetColor(SurfaceSeries1->StartColor());
  } else {
    pen.SetColor(SavedPenColor);
    pen.SetVisible(SavedPenVisible);
  }
}

void TfmSurfaceTee::miViewFrameClick()
{
  chart::TChartPen& pen = SurfaceSeries1->Pen();
  SavedPenColor = SurfaceSeries1->StartColor();
  miViewFrame->SetChecked(!miViewFrame->Checked());
  pen.SetVisible(miViewFrame->Checked());
  pen.SetColor(miColorRange->Checked() ? SurfaceSeries1->StartColor() : platform::clBlack);
}

void TfmSurfaceTee::miCleanClick()
{
  miClean->SetChecked(!miClean->Checked());
  const bool clean = miClean->Checked();
  Chart->Gradient().SetVisible(HighColor() && !clean);
  Chart->SetView3DWalls(!clean);
  Chart->SetAxisVisible(!clean);
  if (clean) {
    SavedChartColor = Chart->Color();
    Chart->SetColor(platform::clBlack);
  } else {
    Chart->SetColor(SavedChartColor);
  }
}

void TfmSurfaceTee::RGColorModeClick(const platform::TMenuItem& item)
{
  chart::TSurfaceSeries& series = *SurfaceSeries1;
  chart::TChartPen& pen = series.Pen();
  const QString& name = item.Name();
  if (name == QLatin1String("miSingleColor")) {
    // Remembered only when leaving another mode: a second choice would keep its own black pen.
    if (!miSingleColor->Checked()) {
      SavedPenColor = pen.Color();
      SavedPenVisible = pen.Visible();
    }
    pen.SetColor(platform::clBlack);
    pen.SetVisible(true);
    series.SetUseColorRange(false);
    series.SetUsePalette(false);
    series.SetPaletteSteps(10);
    miSingleColor->SetChecked(true);
    miViewFrame->SetChecked(true);
  } else if (name == QLatin1String("miColorRange")) {
    pen.SetColor(SavedPenColor);
    pen.SetVisible(SavedPenVisible);
    series.SetUseColorRange(true);
    series.SetUsePalette(false);
    series.SetPaletteSteps(10);
    miColorRange->SetChecked(true);
  } else if (name == QLatin1String("miColorPalette")) {
    series.SetUseColorRange(false);
    series.SetUsePalette(true);
    miColorPalette->SetChecked(true);
    series.SetPaletteSteps(50);
  }
}

}  // namespace tools
