#include "tools/ContourPlotWindow.h"

#include "plot/contour/ContourLegend.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace tools {

namespace {

constexpr std::array<int, 5> kModes{plot::emAddContour, plot::emDeleteContour, plot::emAddMoveLabel,
                                    plot::emDeleteLabel, plot::emNone};

}  // namespace

TfmContourPlot::TfmContourPlot(QString settingsFile, TFormPlacement placement, QWidget* parent)
    : TPlotWindow(QStringLiteral("fmContourPlot"), std::move(settingsFile), std::move(placement), parent)
{
  setWindowTitle(QStringLiteral("Contour Plot"));
  setGeometry(351, 181, 640, 480);

  ToolBar->AddSeparator();
  sbAddContours = AddToolButton("sbAddContours", QStringLiteral("Add contour(s)"), [this] { SetEditMode(plot::emAddContour); });
  sbDeleteContours = AddToolButton("sbDeleteContours", QStringLiteral("Delete contour(s)"),
                                   [this] { SetEditMode(plot::emDeleteContour); });
  sbAddLabels = AddToolButton("sbAddLabels", QStringLiteral("Add/Move label(s)"), [this] { SetEditMode(plot::emAddMoveLabel); });
  sbDeleteLabels = AddToolButton("sbDeleteLabels", QStringLiteral("Delete label(s)"), [this] { SetEditMode(plot::emDeleteLabel); });
  sbBreakEdit = AddToolButton("sbBreakEdit", QStringLiteral("Break edit"), [this] { SetEditMode(plot::emNone); });
  modeButtons_ = {sbAddContours, sbDeleteContours, sbAddLabels, sbDeleteLabels, sbBreakEdit};
  for (platform::TSpeedButton* button : modeButtons_)
    button->SetGroupIndex(1);

  QMenu* file = MenuBar->addMenu(QStringLiteral("&File"));
  AddItem(*file, QStringLiteral("&Save As..."), sbSaveAs)->setObjectName(QStringLiteral("miSaveAs"));
  file->addSeparator();
  AddItem(*file, QStringLiteral("&Print"), sbPrint);
  file->addSeparator();
  connect(file->addAction(QStringLiteral("&Close")), &QAction::triggered, this, [this] { exit1Click(); });
  QMenu* edit = MenuBar->addMenu(QStringLiteral("&Edit"));
  AddItem(*edit, QStringLiteral("&Copy to clipboard"), sbCopyToClipboard);
  N5 = edit->addSeparator();
  AddContour1 = AddItem(*edit, QStringLiteral("&Add Contour(s)"), sbAddContours);
  DeleteContours1 = AddItem(*edit, QStringLiteral("&Delete Contour(s)"), sbDeleteContours);
  Movelabel1 = AddItem(*edit, QStringLiteral("Label &position"), sbAddLabels);
  Labeloff1 = AddItem(*edit, QStringLiteral("&Label off"), sbDeleteLabels);
  Arrow1 = AddItem(*edit, QStringLiteral("End edit"), sbBreakEdit);
  modeItems_ = {AddContour1, DeleteContours1, Movelabel1, Labeloff1, Arrow1};
  auto* radio = new QActionGroup(this);
  for (QAction* item : modeItems_) {
    item->setCheckable(true);
    radio->addAction(item);
  }
  edit->addSeparator();
  edit->addAction(QStringLiteral("All Labels on&/off"));  // no command
  QMenu* view = MenuBar->addMenu(QStringLiteral("&View"));
  AddItem(*view, QStringLiteral("&Vert. Grid"), sbVertGrid);
  AddItem(*view, QStringLiteral("&Horis. Grid"), sbHorizGrid);
  view->addSeparator();
  AddLegendAndZoomItems(*view);
  QAction* properties = MenuBar->addAction(QStringLiteral("&Properties"));
  connect(properties, &QAction::triggered, this, [this] { Chart->ShowProperties(); });

  Chart->Title->SetAlignment(plot::taLeftJustify);
  platform::TFont title = Chart->Title->Font();
  title.SetStyle(0);
  Chart->Title->SetFont(title);
  platform::TFont foot = Chart->Foot->Font();
  foot.SetColor(platform::clBlack);
  Chart->Foot->SetFont(foot);
  Chart->Foot->SetVisible(true);
  Chart->Legend->SetStyle(plot::lsRight);
  SetEditMode(plot::emNone);
  FormCreate();
}

void TfmContourPlot::SetEditMode(int mode)
{
  editMode_ = mode;
  if (contour_)
    contour_->EditMode = mode;
  for (std::size_t i = 0; i < kModes.size(); ++i) {
    if (kModes[i] == mode)
      modeButtons_[i]->SetDown(true);
    modeItems_[i]->setChecked(kModes[i] == mode);
  }
}

void TfmContourPlot::ShowEditControls(bool visible)
{
  for (platform::TSpeedButton* button : modeButtons_)
    button->setVisible(visible);
  for (QAction* item : modeItems_)
    item->setVisible(visible);
  N5->setVisible(visible);
}

void TfmContourPlot::ClearPlot()
{
  contour_ = nullptr;
  Chart->Clear();
}

void TfmContourPlot::SetContour(std::unique_ptr<plot::TContour> contour, bool colorShade)
{
  plot::TContour& layer = *contour;
  Chart->AddLayer(std::move(contour));
  contour_ = &layer;
  colorShade_ = colorShade;
  // A new contour starts in the mode its buttons show.
  layer.EditMode = editMode_;
  plotui::TPlotColorLegend& colors = *Chart->ColorLegend;
  colors.SetStyle(plot::lsBottom);
  colors.SetLayer(&layer);
  if (colorShade) {
    setWindowTitle(QStringLiteral("Color Shade f(x,y)"));
  } else {
    setWindowTitle(QStringLiteral("Contour Plot f(x,y)"));
    Chart->Legend->Add(std::make_unique<plot::TContourLegend>(*Chart->Graph, layer.Name));
    // The lines take their colours from the level scale, which the colour legend shows.
    layer.ColorLegend = true;
    colors.SetVisible(true);
  }
  ShowEditControls(!colorShade);
}

void TfmContourPlot::sbShowLegendClick()
{
  if (!colorShade_) {
    TPlotWindow::sbShowLegendClick();
    return;
  }
  plotui::TPlotColorLegend& colors = *Chart->ColorLegend;
  colors.SetVisible(!colors.Visible());
  miShowLegend->setChecked(colors.Visible());
}

void TfmContourPlot::sbVertGridClick() { ToggleGrid(*Chart->XAxis, *Chart->Graph->XAxis); }

void TfmContourPlot::sbHorizGridClick() { ToggleGrid(*Chart->YAxis, *Chart->Graph->YAxis); }

void TfmContourPlot::ToggleGrid(plotui::TPlotAxis& axis, plot::TAxis& drawn)
{
  axis.SetGrid(!axis.Grid());
  if (!axis.Grid() || !Chart->isVisible() || Chart->Graph->Painting) {
    Chart->Redraw();
    return;
  }
  drawn.Draw();
  Chart->Image->Invalidate();
}

}  // namespace tools
