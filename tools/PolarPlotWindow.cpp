#include "tools/PolarPlotWindow.h"

#include "tools/PlotWindowPictures.h"

#include "chart/series/PolarSeries.h"

#include "platform/ExceptionBoundary.h"
#include "platform/Hints.h"
#include "platform/Menus.h"
#include "platform/ToolBar.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QScreen>
#include <QVBoxLayout>

namespace tools {

namespace {

const QString kNotYet = QStringLiteral("Not available yet");

}  // namespace

TPolarForm::TPolarForm(QWidget* parent) : Form(parent, true)
{
  setObjectName(QStringLiteral("PolarForm"));
  setWindowTitle(QStringLiteral("Polar Plot"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  MainMenu1 = std::make_unique<platform::TMainMenu>(*this);
  PopupMenu1 = std::make_unique<platform::TPopupMenu>();

  Panel3 = new platform::TToolBar(this, 27);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  column->addWidget(Panel3);
  Panel2 = new QWidget(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFixedHeight(48);
  column->addWidget(Panel2);
  Chart1 = new TPolarChart(this);
  Chart1->setObjectName(QStringLiteral("Chart1"));
  Chart1->installEventFilter(this);
  column->addWidget(Chart1, 1);

  BuildToolBar();
  BuildViewBars();
  BuildMenus();
  column->setMenuBar(&MainMenu1->Bar());
  SetChartLayout();
  platform::SetShowHint(*this, true);

  resize(641, 507);
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
}

TPolarForm::~TPolarForm() = default;

void TPolarForm::BuildToolBar()
{
  const auto add = [this](const char* name, const char* glyph, const QString& hint, void (TPolarForm::*run)()) {
    const QString buttonName = QString::fromLatin1(name);
    platform::TSpeedButton& button =
        run ? Panel3->AddButton(buttonName, hint, [this, run] { platform::Guard([this, run] { (this->*run)(); }); })
            : Panel3->AddButton(buttonName, hint + QStringLiteral(" (") + kNotYet + QStringLiteral(")"));
    button.SetFlat(true);
    button.SetGlyph(ToolButtonGlyph(QString::fromLatin1(glyph)));
    button.SetEnabled(run != nullptr);
    return &button;
  };
  const auto partner = [this](const char* name, int group) {
    platform::TSpeedButton& button = Panel3->AddButton(QString::fromLatin1(name), QString());
    button.SetGroupIndex(group);
    button.hide();
    return &button;
  };
  sbPrint = add("sbPrint", "sbPrint", QStringLiteral("Print graphic"), &TPolarForm::Print1Click);
  sbSaveAs = add("sbSaveAs", "sbSaveAs", QStringLiteral("Save As..."), &TPolarForm::SaveAs1Click);
  Panel3->AddSeparator();
  // The chart's properties come with the chart editor.
  sbProp = add("sbProp", "sbProp", QStringLiteral("Properties"), nullptr);
  sbLegend = add("sbLegend", "sbLegend", QStringLiteral("Show legend"), &TPolarForm::miShowLegendClick);
  sbLegend->SetGroupIndex(1);
  sbGrid = add("sbGrid", "sbVertGrid", QStringLiteral("Vertical grid"), &TPolarForm::miGridClick);
  sbGrid->SetGroupIndex(2);
  sbL1 = partner("sbL1", 1);
  sbG1 = partner("sbG1", 2);
  sbW1 = partner("sbW1", 3);
  // The buttons start as what they show: the legend and the grids are visible.
  sbLegend->SetDown(true);
  sbGrid->SetDown(true);
}

QScrollBar* TPolarForm::AddViewBar(const char* name, const QString& caption, int minimum, int maximum, int position,
                                   void (chart::TView3DOptions::*set)(int))
{
  auto* grid = static_cast<QGridLayout*>(Panel2->layout());
  const int column = int(viewLabels_.size());
  auto* label = new QLabel(caption, Panel2);
  label->setObjectName(QStringLiteral("lb") + QString::fromLatin1(name));
  auto* bar = new QScrollBar(Qt::Horizontal, Panel2);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setRange(minimum, maximum);
  bar->setValue(position);
  bar->setPageStep(10);
  bar->setFocusPolicy(Qt::StrongFocus);
  label->setBuddy(bar);
  grid->addWidget(label, 0, column);
  grid->addWidget(bar, 1, column);
  viewLabels_.push_back(label);
  connect(bar, &QScrollBar::valueChanged, this,
          [this, set](int value) { platform::Guard([&] { (Chart1->View3DOptions().*set)(value); }); });
  return bar;
}

void TPolarForm::BuildViewBars()
{
  auto* grid = new QGridLayout(Panel2);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setVerticalSpacing(1);
  using V = chart::TView3DOptions;
  sbRot = AddViewBar("sbRot", QStringLiteral("Rotation"), 0, 360, 360, &V::SetRotation);
  scbElev = AddViewBar("scbElev", QStringLiteral("Elevation"), 0, 360, 360, &V::SetElevation);
  scbZoom = AddViewBar("scbZoom", QStringLiteral("Zoom"), 1, 400, 100, &V::SetZoom);
  scbHoriz = AddViewBar("scbHoriz", QStringLiteral("Horizontal"), -200, 200, 0, &V::SetHorizOffset);
  scbVert = AddViewBar("scbVert", QStringLiteral("Vertical"), -200, 200, 0, &V::SetVertOffset);
  scbTilt = AddViewBar("scbTilt", QStringLiteral("Tilt"), 0, 360, 0, &V::SetTilt);
}

void TPolarForm::BuildMenus()
{
  using platform::TMenuItem;
  const auto run = [this](void (TPolarForm::*command)()) {
    return [this, command] { platform::Guard([this, command] { (this->*command)(); }); };
  };
  TMenuItem& root = MainMenu1->Items();
  TMenuItem& file = root.Add(QStringLiteral("File1"), QStringLiteral("&File"));
  file.Add(QStringLiteral("SaveAs1"), QStringLiteral("Save &As..."), run(&TPolarForm::SaveAs1Click));
  file.Add(QStringLiteral("Print1"), QStringLiteral("&Print"), run(&TPolarForm::Print1Click));
  file.AddLine();
  file.Add(QStringLiteral("Exit1"), QStringLiteral("E&xit"), run(&TPolarForm::Exit1Click));
  TMenuItem& edit = root.Add(QStringLiteral("Edit1"), QStringLiteral("&Edit"));
  edit.Add(QStringLiteral("CopytoClipboardasBitmap1"), QStringLiteral("&Copy to Clipboard as Bitmap"),
           run(&TPolarForm::CopytoClipboardasBitmap1Click));
  edit.Add(QStringLiteral("CopytoClipboardasMetafile1"), QStringLiteral("Copy to Clipboard as &Metafile"),
           run(&TPolarForm::CopytoClipboardasMetafile1Click));
  TMenuItem& view = root.Add(QStringLiteral("View1"), QStringLiteral("&View"));
  view.Add(QStringLiteral("miGrid"), QStringLiteral("&Grid"), run(&TPolarForm::miGridClick)).SetChecked(true);
  view.Add(QStringLiteral("miView3D"), QStringLiteral("&View3D"), run(&TPolarForm::miView3DClick)).SetChecked(true);
  view.AddLine();
  view.Add(QStringLiteral("miShowLegend"), QStringLiteral("Show &Legend"), run(&TPolarForm::miShowLegendClick))
      .SetChecked(true);
  view.AddLine();
  view.Add(QStringLiteral("miProperties"), QStringLiteral("&Properties")).SetEnabled(false);

  TMenuItem& popup = PopupMenu1->Items();
  popup.Add(QStringLiteral("piSaveAs"), QStringLiteral("Save As..."), run(&TPolarForm::SaveAs1Click));
  popup.AddLine();
  popup.Add(QStringLiteral("piPrint"), QStringLiteral("Print"), run(&TPolarForm::Print1Click));
  popup.AddLine();
  popup.Add(QStringLiteral("piCopyBitmap"), QStringLiteral("Copy to Clipboard as Bitmap"),
            run(&TPolarForm::CopytoClipboardasBitmap1Click));
  popup.Add(QStringLiteral("piCopyMetafile"), QStringLiteral("Copy to Clipbord as Metafile"),
            run(&TPolarForm::CopytoClipboardasMetafile1Click));
  popup.AddLine();
  popup.Add(QStringLiteral("piGrid"), QStringLiteral("Grid"), run(&TPolarForm::miGridClick)).SetChecked(true);
  popup.Add(QStringLiteral("piView3D"), QStringLiteral("View 3D"), run(&TPolarForm::miView3DClick)).SetChecked(true);
  popup.AddLine();
  popup.Add(QStringLiteral("piShowLegend"), QStringLiteral("Show Legend"), run(&TPolarForm::miShowLegendClick))
      .SetChecked(true);
  popup.AddLine();
  popup.Add(QStringLiteral("piProperties"), QStringLiteral("Properties")).SetEnabled(false);
}

void TPolarForm::SetChartLayout()
{
  TPolarChart& chart = *Chart1;
  chart.SetColor(platform::clWhite);
  chart.SetAllowPanning(chart::TPanningMode::pmNone);
  chart.SetAllowZoom(false);
  chart.SetAxisVisible(false);
  chart.SetView3DWalls(false);
  chart.SetClipPoints(false);
  chart.SetView3D(false);
  chart::TView3DOptions& view = chart.View3DOptions();
  view.SetOrthogonal(false);
  view.SetRotation(360);
  view.SetElevation(315);
  view.SetPerspective(0);
  chart.BackWall().Brush().SetStyle(platform::TBrushStyle::bsClear);
  chart.BackWall().Brush().SetColor(platform::clWhite);
  chart.BackWall().Pen().SetVisible(false);
  chart.Gradient().SetVisible(true);
  chart.Gradient().SetEndColor(platform::clSilver);
  // The angle axis and the radius axis, both stepping by 10.
  chart.BottomAxis().SetMinMax(3, 992);
  chart.BottomAxis().SetIncrement(10);
  chart.LeftAxis().SetMinMax(205, 948);
  chart.LeftAxis().SetIncrement(10);
  chart.Foot().SetVisible(false);
  chart::TChartTitle& title = chart.Title();
  title.Font().SetName(QStringLiteral("Arial"));
  title.Font().SetHeight(-16);
  title.Font().SetStyle(platform::fsBold);
  title.Font().SetColor(platform::clNavy);
  title.SetColor(platform::clSilver);
  title.Brush().SetColor(0xFFFF80);
  title.Frame().SetColor(platform::clRed);
  SetTitle(QStringLiteral("Polar co-ordinate"));
  // One item per series, the latest first.
  chart::TChartLegend& legend = chart.Legend();
  legend.SetLegendStyle(chart::TLegendStyle::lsSeries);
  legend.SetInverted(true);
  legend.SetColorWidth(37);
  legend.SetShadowColor(platform::clGray);
  legend.SetShadowSize(4);
  legend.SetTextStyle(chart::TLegendTextStyle::ltsXValue);
}

platform::TMenuItem& TPolarForm::MenuItem(const QString& name) const
{
  platform::TMenuItem* item = MainMenu1->Items().Find(name);
  if (item == nullptr)
    item = PopupMenu1->Items().Find(name);
  if (item == nullptr)
    throw std::logic_error("no menu item of that name");
  return *item;
}

chart::TPolarSeries& TPolarForm::AddSeries(std::unique_ptr<chart::TPolarSeries> series)
{
  chart::TPolarSeries& added = *series;
  series_.push_back(std::move(series));
  Chart1->AddSeries(added);
  return added;
}

std::vector<const chart::TPolarSeries*> TPolarForm::PolarSeries() const
{
  std::vector<const chart::TPolarSeries*> list;
  for (const auto& series : series_)
    list.push_back(series.get());
  return list;
}

void TPolarForm::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  Shown = true;
  if (OnShown)
    OnShown();
}

// The chart's popup menu comes up where the right button is released, or by the menu key.
bool TPolarForm::eventFilter(QObject* watched, QEvent* event)
{
  if (watched != Chart1)
    return Form::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton)
      return false;
    const QPoint at = mouse->globalPosition().toPoint();
    PopupMenu1->Popup(at.x(), at.y());
    return true;
  }
  if (event->type() == QEvent::ContextMenu) {
    const auto* menu = static_cast<QContextMenuEvent*>(event);
    if (menu->reason() == QContextMenuEvent::Keyboard)
      PopupMenu1->Popup(menu->globalPos().x(), menu->globalPos().y());
    return true;
  }
  return false;
}

}  // namespace tools
