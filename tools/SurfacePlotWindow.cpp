#include "tools/SurfacePlotWindow.h"

#include "tools/PlotWindowPictures.h"
#include "tools/SurfaceViewBars.h"

#include "chart/panel/ChartLegend.h"
#include "chart/model/SeriesMarks.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/SurfaceSeries.h"

#include "platform/ExceptionBoundary.h"
#include "platform/FileDialogs.h"
#include "platform/Hints.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "platform/ToolBar.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace tools {

namespace {

constexpr int kLegendGroup = 1;
constexpr int kGridGroup = 2;
constexpr int kWireFrameGroup = 3;

// The chart's stored settings.
void SetChartLayout(chart::TChart& c)
{
  for (chart::TChartWall* wall : {&c.BackWall(), &c.LeftWall(), &c.BottomWall()}) {
    wall->SetColor(platform::clWhite);
    wall->Brush().SetStyle(platform::TBrushStyle::bsClear);
    wall->SetSize(10);
  }
  c.Gradient().SetEndColor(platform::clSilver);
  c.Gradient().SetVisible(true);
  for (int side = 0; side < 4; ++side)
    c.SetMargin(side, 5);
  c.Title().SetVisible(false);
  platform::TFont& foot = c.Foot().Font();
  foot.SetName(QStringLiteral("Arial"));
  foot.SetColor(platform::clRed);
  foot.SetStyle(platform::fsItalic);
  for (chart::TChartAxis* axis : {&c.LeftAxis(), &c.RightAxis(), &c.TopAxis(), &c.BottomAxis()})
    axis->Grid().SetColor(platform::clSystemColor);  // the scroll bars' colour
  c.DepthAxis().SetVisible(true);
  c.SetChart3DPercent(90);
  c.SetClipPoints(false);
  chart::TView3DOptions& view = c.View3DOptions();
  view.SetOrthogonal(false);
  view.SetPerspective(26);
  view.SetRotation(324);
  view.SetVertOffset(-20);
  view.SetZoom(60);
}

// The series' stored settings.
void SetSeriesLayout(chart::TSurfaceSeries& s)
{
  s.Marks().SetVisible(false);
  s.SetSeriesColor(platform::clRed);
  s.SetTitle(QStringLiteral("Surface"));
  s.SetNumXValues(15);
  s.SetNumZValues(15);
  s.SetStartColor(0x808040);
  s.XValues().SetName(QStringLiteral("X"));
  s.XValues().SetOrder(chart::TChartListOrder::loNone);
  s.YValues().SetName(QStringLiteral("Y"));
  s.YValues().SetOrder(chart::TChartListOrder::loNone);
}

}  // namespace

TfmSurfaceTee::TfmSurfaceTee(std::function<bool()> screenHighColor, QWidget* parent)
    : Form(parent, true), screenHighColor_(std::move(screenHighColor))
{
  setObjectName(QStringLiteral("fmSurfaceTee"));
  setWindowTitle(QStringLiteral("Surface"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  MainMenu1 = std::make_unique<platform::TMainMenu>(*this);
  BuildToolBar();
  column->addWidget(Panel3);
  Panel2 = new TSurfaceViewBars(this);
  Panel2->OnChange = [this](int bar, int position) { ViewBarChange(bar, position); };
  column->addWidget(Panel2);

  Chart = new chart::TChart(this);
  Chart->setObjectName(QStringLiteral("Chart"));
  column->addWidget(Chart, 1);
  legend_ = &Chart->Legend();
  legend_->SetVisible(false);
  legend_->SetLegendStyle(chart::TLegendStyle::lsSeries);
  legend_->SetTopPos(4);
  SetChartLayout(*Chart);
  SurfaceSeries1 = std::make_unique<chart::TSurfaceSeries>();
  SetSeriesLayout(*SurfaceSeries1);
  Chart->AddSeries(*SurfaceSeries1);

  BuildMenu();
  column->setMenuBar(&MainMenu1->Bar());
  platform::SetShowHint(*this, true);
  resize(606, 469);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  FormCreate();
}

// The series goes first and leaves the chart, a child control that goes with the window.
TfmSurfaceTee::~TfmSurfaceTee() = default;

platform::TSpeedButton& TfmSurfaceTee::AddButton(const char* name, const QString& hint, std::function<void()> run,
                                                 int group)
{
  const QString buttonName = QString::fromLatin1(name);
  const bool enabled = bool(run);
  platform::TSpeedButton& button =
      run ? Panel3->AddButton(buttonName, hint, [run = std::move(run)] { platform::Guard(run); })
          : Panel3->AddButton(buttonName, hint);
  button.SetGlyph(ToolButtonGlyph(buttonName));
  button.SetFlat(true);
  button.SetGroupIndex(group);
  button.SetEnabled(enabled);
  return button;
}

void TfmSurfaceTee::BuildToolBar()
{
  Panel3 = new platform::TToolBar(this, 27);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  sbPrint = &AddButton("sbPrint", QStringLiteral("Print graphic"), [this] { sbPrintClick(); }, 0);
  sbSaveAs = &AddButton("sbSaveAs", QStringLiteral("Save As..."), [this] { sbSaveAsClick(); }, 0);
  Panel3->AddSeparator();
  // The chart editor is not there yet.
  sbProp = &AddButton("sbProp", QStringLiteral("Properties (not available yet)"), nullptr, 0);
  Panel3->AddSeparator();
  sbLegend = &AddButton("sbLegend", QStringLiteral("Show legend"), [this] { sbLegendClick(); }, kLegendGroup);
  sbGrid = &AddButton("sbGrid", QStringLiteral("Vertical grid"), [this] { sbGridClick(); }, kGridGroup);
  sbWireFrame = &AddButton("sbWireFrame", QStringLiteral("Wire Frame"), [this] { miWireFrameClick(); }, kWireFrameGroup);
  sbL1 = &AddButton("sbL1", QString(), {}, kLegendGroup);
  sbG1 = &AddButton("sbG1", QString(), {}, kGridGroup);
  sbW1 = &AddButton("sbW1", QString(), {}, kWireFrameGroup);
  for (platform::TSpeedButton* partner : {sbL1, sbG1, sbW1})
    partner->setVisible(false);
}

void TfmSurfaceTee::BuildMenu()
{
  platform::TMenuItem& root = MainMenu1->Items();
  platform::TMenuItem& file = root.Add(QStringLiteral("File1"), QStringLiteral("&File"));
  file.Add(QStringLiteral("SaveAs1"), QStringLiteral("&Save As..."), [this] { sbSaveAsClick(); });
  file.Add(QStringLiteral("Print1"), QStringLiteral("&Print"), [this] { sbPrintClick(); });
  file.AddLine();
  file.Add(QStringLiteral("exit1"), QStringLiteral("&Exit"), [this] { exit1Click(); });
  platform::TMenuItem& edit = root.Add(QStringLiteral("Edit1"), QStringLiteral("&Edit"));
  edit.Add(QStringLiteral("SavetoClipbord1"), QStringLiteral("&Copy to clipboard as Bitmap"),
           [this] { SavetoClipbordClick(); });
  edit.Add(QStringLiteral("CopytoclipboardasMetafile1"), QStringLiteral("Copy to clipboard as &Metafile"),
           [this] { CopytoclipboardasMetafileClick(); });
  platform::TMenuItem& view = root.Add(QStringLiteral("View1"), QStringLiteral("&View"));
  miGrid = &view.Add(QStringLiteral("miGrid"), QStringLiteral("&Grid"), [this] { sbGridClick(); });
  miShowLegend = &view.Add(QStringLiteral("miShowLegend"), QStringLiteral("&Show Legend"), [this] { sbLegendClick(); });
  miShowLegend->SetChecked(true);
  view.AddLine();
  miViewFrame = &view.Add(QStringLiteral("miViewFrame"), QStringLiteral("&View Frame"), [this] { miViewFrameClick(); });
  miWireFrame = &view.Add(QStringLiteral("miWireFrame"), QStringLiteral("&Wire Frame"), [this] { miWireFrameClick(); });
  miClean = &view.Add(QStringLiteral("miClean"), QStringLiteral("&Clean"), [this] { miCleanClick(); });
  view.AddLine();
  miColorRange = &view.Add(QStringLiteral("miColorRange"), QStringLiteral("Color &Range"));
  miColorPalette = &view.Add(QStringLiteral("miColorPalette"), QStringLiteral("Color &Palette"));
  miSingleColor = &view.Add(QStringLiteral("miSingleColor"), QStringLiteral("&Single Color"));
  for (platform::TMenuItem* item : {miColorRange, miColorPalette, miSingleColor}) {
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    item->OnClick = [this, item] { RGColorModeClick(*item); };
  }
  miColorRange->SetChecked(true);
  view.AddLine();
  miProperties = &view.Add(QStringLiteral("Properties1"), QStringLiteral("&Properties"));
  miProperties->SetEnabled(false);  // the chart editor is not there yet
}

bool TfmSurfaceTee::HighColor() const { return screenHighColor_ ? screenHighColor_() : Chart->IsScreenHighColor(); }

void TfmSurfaceTee::FormCreate()
{
  const bool highColor = HighColor();
  if (!highColor)
    platform::ShowMessage(QString::fromLatin1(kLowColorMessage));
  // Panel backgrounds are never erased before painting here: the chart paints them itself.
  SurfaceSeries1->FillSampleValues(0);
  SurfaceSeries1->Pen().SetColor(platform::clBlack);
  Chart->Gradient().SetVisible(highColor);
  // The toggles start as the chart is.
  ShowLegendToggle(LegendShown());
  ShowGridToggle(GridsShown());
  ShowWireFrameToggle(SurfaceSeries1->WireFrame());
  SavedPenColor = SurfaceSeries1->Pen().Color();
  SavedPenVisible = SurfaceSeries1->Pen().Visible();
}

void TfmSurfaceTee::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  Shown = true;
  if (OnShown)
    OnShown();
}

}  // namespace tools
