#include "tools/PlotWindow.h"

#include "tools/PlotWindowPictures.h"

#include "plotui/annotate/FigureDialogs.h"

#include "platform/Exceptions.h"
#include "platform/ExceptionBoundary.h"
#include "platform/Hints.h"
#include "platform/IniFile.h"
#include "platform/MessageDlg.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QVBoxLayout>

namespace tools {

namespace {

const QString kNotYet = QStringLiteral("Not available yet");
const QString kSavedFrameWidthKey = QStringLiteral("SavedFrameWidth");

platform::TFont ArialFont(platform::TColor color, bool bold = false)
{
  platform::TFont font;
  font.SetName(QStringLiteral("Arial"));
  font.SetSize(8);
  font.SetColor(color);
  if (bold)
    font.SetStyle(platform::fsBold);
  return font;
}

}  // namespace

TPlotWindow::TPlotWindow(const QString& name, QString settingsFile, TFormPlacement placement, QWidget* parent)
    : Form(parent, true), settingsFile_(std::move(settingsFile)), placement_(std::move(placement))
{
  setObjectName(name);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  MenuBar = new QMenuBar(this);
  column->setMenuBar(MenuBar);

  ToolBar = new platform::TToolBar(this, 32);
  ToolBar->setObjectName(QStringLiteral("pnToolBar"));
  ToolBar->SetBevelInner(platform::TPanelBevel::bvLowered);
  column->addWidget(ToolBar);

  Chart = new plotui::TPlot(this);
  Chart->setObjectName(QStringLiteral("Chart"));
  column->addWidget(Chart, 1);

  sbPrint = AddToolButton("sbPrint", QStringLiteral("Print graphic"), [this] { Chart->Print(); });
  sbSaveAs = AddToolButton("sbSaveAs", QStringLiteral("Save As..."), [this] { sbSaveAsClick(); });
  ToolBar->AddSeparator();
  sbZoomIn = AddToolButton("sbZoomIn", QStringLiteral("Zoom in"), [this] { sbZoomInClick(); });
  sbZoomAnime = AddToolButton("sbZoomAnime", QStringLiteral("Animated zoom"), [this] { sbZoomAnimeClick(); });
  sbZoomPrev = AddToolButton("sbZoomPrev", QStringLiteral("Zoom previous"), [this] { sbZoomPrevClick(); });
  sbZoomOut = AddToolButton("sbZoomOut", QStringLiteral("Zoom Out"), [this] { sbZoomOutClick(); });
  ToolBar->AddSeparator();
  sbProp = AddToolButton("sbProp", QStringLiteral("Properties"), [this] { Chart->ShowProperties(); });
  sbLegend = AddToolButton("sbLegend", QStringLiteral("Show legend"), [this] { sbShowLegendClick(); });
  sbVertGrid = AddToolButton("sbVertGrid", QStringLiteral("Vertical grid"), [this] { sbVertGridClick(); });
  sbHorizGrid = AddToolButton("sbHorizGrid", QStringLiteral("Horizontal grid"), [this] { sbHorizGridClick(); });
  sb3D = AddToolButton("sb3D", QStringLiteral("3D-view"), [this] { sb3DClick(); });
  ToolBar->AddSeparator();
  sbCopyToClipboard = AddToolButton("sbCopyToClipboard", QStringLiteral("Copy to clipbord"),
                                    [this] { sbCopyToClipboardClick(); });
  sbExport = AddToolButton("sbExport", QStringLiteral("Export data"), [this] { Chart->ExportSeries(); });
  sbImport = AddToolButton("sbImport", QStringLiteral("Import data"), [this] { Chart->ImportSeries(); });
  ToolBar->AddSeparator();
  sbAnnotate = AddToolButton("sbAnnotate", QStringLiteral("Paint"), [this] { Chart->ShowAnnotateTools(); });
  // Down while the annotation palette serves this plot.
  sbAnnotate->SetGroupIndex(5);
  sbAnnotate->SetAllowAllUp(true);
  Chart->OnAnnotateTools = [this](bool shown) { sbAnnotate->SetDown(shown); };
  plotui::InstallFigureDialogs();
  sbZoomPrev->SetEnabled(false);
  sbZoomOut->SetEnabled(false);
  platform::SetShowHint(*this, true);
  SetLayoutValues();
}

TPlotWindow::~TPlotWindow() = default;

platform::TSpeedButton* TPlotWindow::AddToolButton(const char* name, const QString& hint,
                                                   const std::function<void()>& run)
{
  const QString buttonName = QString::fromLatin1(name);
  if (!run) {
    // Commands whose dialogs come later are shown but can't be used yet.
    platform::TSpeedButton& button =
        ToolBar->AddButton(buttonName, hint + QStringLiteral(" (") + kNotYet + QStringLiteral(")"));
    button.SetGlyph(ToolButtonGlyph(buttonName));
    button.SetEnabled(false);
    return &button;
  }
  platform::TSpeedButton& button = ToolBar->AddButton(buttonName, hint, [run] { platform::Guard(run); });
  button.SetGlyph(ToolButtonGlyph(buttonName));
  return &button;
}

QAction* TPlotWindow::AddItem(QMenu& menu, const QString& caption, platform::TSpeedButton* runs)
{
  QAction* action = menu.addAction(caption);
  if (runs == nullptr)
    return action;
  if (!runs->OnClick) {
    action->setEnabled(false);
    return action;
  }
  connect(action, &QAction::triggered, this, [runs] { runs->OnClick(); });
  return action;
}

void TPlotWindow::AddUndoItem(QMenu& edit)
{
  miUndo = edit.addAction(QStringLiteral("&Undo"));
  miUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  miUndo->setEnabled(!Chart->Graph->UndoList.IsEmpty());
  connect(miUndo, &QAction::triggered, this, [this] { platform::Guard([this] { Chart->Graph->UndoList.Undo(); }); });
  Chart->Graph->UndoList.OnEnabledChange = [item = QPointer<QAction>(miUndo)](bool on) {
    if (item)
      item->setEnabled(on);
  };
}

void TPlotWindow::AddLegendAndZoomItems(QMenu& view)
{
  miShowLegend = AddItem(view, QStringLiteral("&Show Legend"), sbLegend);
  miShowLegend->setCheckable(true);
  miShowLegend->setChecked(true);
  view.addSeparator();
  miZoomIn = AddItem(view, QStringLiteral("Zoom &In"), sbZoomIn);
  miZoomOut = AddItem(view, QStringLiteral("Zoom &Out"), sbZoomOut);
  miAnimationZoom = AddItem(view, QStringLiteral("&Animation Zoom"), sbZoomAnime);
  miZoomPrev = AddItem(view, QStringLiteral("&Previous Zoom"), sbZoomPrev);
}

void TPlotWindow::SetLayoutValues()
{
  Chart->SetPlotColor(platform::clWhite);
  Chart->SetBackColor(platform::clBtnFace);
  for (plotui::TPlotAxis* axis : {Chart->XAxis.get(), Chart->YAxis.get(), Chart->XAxis2.get(), Chart->YAxis2.get()}) {
    axis->SetColor(platform::clBlack);
    axis->SetFont(ArialFont(platform::clBlack));
    axis->SetNameFont(ArialFont(platform::clBlack));
    axis->SetLabelsFrequency(1);
    axis->SetLabelsStyle(plot::asFloat);
    axis->SetMajorLineVisible(true);
    axis->SetLocation(plot::alOutside);
  }
  Chart->XAxis->SetLabelsDirection(plot::ldHorizontal);
  Chart->XAxis2->SetLabelsDirection(plot::ldHorizontal);
  Chart->YAxis->SetLabelsDirection(plot::ldVertical);
  Chart->YAxis2->SetLabelsDirection(plot::ldVertical);
  for (plotui::TPlotAxis* axis : {Chart->XAxis2.get(), Chart->YAxis2.get()}) {
    axis->SetVisible(false);
    axis->Ticks().SetMajorLength(8);
    axis->Ticks().SetMinorLength(3);
  }
  Chart->Title->SetFont(ArialFont(platform::clBlack, true));
  Chart->Title->SetAlignment(plot::taCenter);
  Chart->Title->SetVisible(true);
  Chart->Title->SetStyle(plot::tsNormal);
  Chart->Foot->SetFont(ArialFont(platform::clWhite));
  Chart->Foot->SetAlignment(plot::taLeftJustify);
  Chart->Foot->SetVisible(false);
  Chart->Foot->SetStyle(plot::tsNormal);
  Chart->Gradient->SetStyle(plot::gsTopBottom);
  Chart->Zoom->SetChangePerStep(0.033333);
  Chart->Info->SetFont(ArialFont(platform::clBlack));
  Chart->Info->SetColor(10940137);
  Chart->Info->SetNumberOfGeneralDigits(7);
  Chart->Info->SetPointName(false);
  Chart->Info->SetSeriesName(false);
  Chart->Info->SetPointValue(true);
  Chart->Info->SetSeriesValue(true);
  Chart->Info->SetPointVisible(true);
  Chart->Info->SetSeriesVisible(true);
  for (plotui::TPlotLegendBase* legend : {static_cast<plotui::TPlotLegendBase*>(Chart->Legend.get()),
                                          static_cast<plotui::TPlotLegendBase*>(Chart->ColorLegend.get())}) {
    legend->SetFrameStyle(platform::TPenStyle::psSolid);
    legend->SetFont(ArialFont(platform::clWindowText));
  }
  Chart->Picture->SetVisible(false);
  Chart->Frame->SetColor(platform::clDefault);
  Chart->PropertiesControl = {};
  Chart->SetStatusBarVisible(true);
  Chart->SetBarStyle(plot::bsClustered);
  Chart->SetMinimumLogValue(1e-10);
}

void TPlotWindow::FormCreate()
{
  RegisterPlotWindowCursors();
  if (placement_.Load)
    placement_.Load(*this);
  Chart->SetIniFileName(settingsFile_);
  Chart->LoadFromIni();
  LoadSavedFrameWidth();
}

void TPlotWindow::LoadSavedFrameWidth()
{
  savedFrameWidth_ = Chart->Frame->Width();
  try {
    const platform::TIniFile ini(settingsFile_);
    savedFrameWidth_ = ini.ReadInteger(objectName(), kSavedFrameWidthKey, savedFrameWidth_);
  } catch (const platform::EFileError&) {
    // An unreadable settings file keeps the frame as it is.
  }
  if (savedFrameWidth_ < 0)
    savedFrameWidth_ = Chart->Frame->Width();
}

// The place, the frame width and the plot's section all go to the one settings file: when the
// first write fails (a full disk), its one message is shown and the others are not tried.
bool TPlotWindow::CloseQuery()
{
  try {
    platform::TIniFile ini(settingsFile_);
    ini.WriteInteger(objectName(), kSavedFrameWidthKey, savedFrameWidth_);
  } catch (const platform::EFileError& error) {
    platform::ShowError(error.Message());
    return true;
  }
  if (placement_.Save)
    placement_.Save(*this);
  Chart->SaveToIni();
  return true;
}

void TPlotWindow::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  Shown = true;
  if (OnShown)
    OnShown();
}

void TPlotWindow::sbSaveAsClick() { Chart->SavePictureAs(); }

void TPlotWindow::EnableZoomControls(bool enabled)
{
  sbZoomOut->SetEnabled(enabled);
  sbZoomPrev->SetEnabled(enabled);
  if (miZoomOut)
    miZoomOut->setEnabled(enabled);
  if (miZoomPrev)
    miZoomPrev->setEnabled(enabled);
}

void TPlotWindow::sbZoomInClick()
{
  Chart->ZoomIn();
  EnableZoomControls(true);
}

void TPlotWindow::sbZoomAnimeClick()
{
  Chart->AnimatedZoomIn();
  EnableZoomControls(Chart->Zoom->Enabled() || Chart->Graph->Zoom.GetCount() > 0);
}

void TPlotWindow::sbZoomPrevClick()
{
  if (!Chart->ZoomOut())
    EnableZoomControls(false);
}

void TPlotWindow::sbZoomOutClick()
{
  Chart->ZoomReset();
  EnableZoomControls(false);
}

void TPlotWindow::sbShowLegendClick()
{
  const bool visible = !Chart->Legend->Visible();
  Chart->Legend->SetVisible(visible);
  if (miShowLegend)
    miShowLegend->setChecked(visible);
}

void TPlotWindow::sbVertGridClick()
{
  Chart->XAxis->SetGrid(!Chart->XAxis->Grid());
  Chart->Redraw();
}

void TPlotWindow::sbHorizGridClick()
{
  Chart->YAxis->SetGrid(!Chart->YAxis->Grid());
  Chart->Redraw();
}

void TPlotWindow::sb3DClick()
{
  if (Chart->View3D() != 0) {
    Chart->SetView3D(0);
    Chart->Frame->SetWidth(savedFrameWidth_);
    Chart->SetTicks2D();
  } else {
    Chart->SetView3D(8);
    savedFrameWidth_ = Chart->Frame->Width();
    Chart->Frame->SetWidth(10);
    Chart->SetTicks3D();
    Chart->XAxis->Ticks().SetMinorVisible(false);
    Chart->XAxis->Ticks().SetMajorVisible(true);
  }
  Chart->Redraw();
}

void TPlotWindow::sbCopyToClipboardClick() { Chart->CopyToClipboard(); }

}  // namespace tools
