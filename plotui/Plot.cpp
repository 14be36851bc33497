#include "plotui/Plot.h"

#include "plotui/PlotCursors.h"
#include "plotui/annotate/AnnotateTools.h"
#include "plotui/annotate/GraphAnnotate.h"

#include "plot/graph/MetafileExport.h"
#include "plot/support/GraphLibrary.h"

#include "platform/Application.h"
#include "platform/ClipboardPicture.h"
#include "platform/Cursors.h"
#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include "platform/Menus.h"

namespace plotui {

namespace {

constexpr int kStatusBarHeight = 20;
constexpr int kResizeDelayMs = 250;

}  // namespace

TPlot::TPlot(QWidget* parent) : platform::CustomControl(parent)
{
  RegisterPlotCursors();
  RegisterSeriesClass();
  StatusBar = new platform::TStatusBar(this);
  StatusBar->BeginUpdate();
  StatusBar->AddPanel(QStringLiteral("X=n/a"), 100);
  StatusBar->AddPanel(QStringLiteral("Y=n/a"), 100);
  StatusBar->AddPanel(QString(), 50);
  StatusBar->EndUpdate();
  LegendPanel = new platform::TScrollStrip(this);
  LegendPanel->Bar().setToolTip(QStringLiteral("Scroll legend"));
  LegendPanel->OnChange = [this] { ScrollLegend(); };
  Image = new TPlotImage(this);
  Graph = std::make_unique<plot::TGraph>(this, *Image, this);
  Graph->Legend->ScrollStrip = LegendPanel;
  Graph->SetAnnotations(std::make_unique<TGraphAnnotate>(*Graph));
  Image->Graph = Graph.get();
  Image->OnMouseDown = [this](platform::TMouseButton button, platform::TShiftState shift, int x, int y) {
    if (OnMouseDown)
      OnMouseDown(button, shift, x, y);
  };
  Image->OnMouseUp = [this](platform::TMouseButton button, platform::TShiftState shift, int x, int y) {
    if (OnMouseUp)
      OnMouseUp(button, shift, x, y);
  };
  Image->OnMouseMove = [this](platform::TShiftState shift, int x, int y) {
    if (OnMouseMove)
      OnMouseMove(shift, x, y);
  };
  Image->OnClick = [this] {
    if (OnClick)
      OnClick();
  };
  Image->OnDblClick = [this] {
    if (OnDblClick)
      OnDblClick();
  };
  platform::TDragEvents& drag = platform::DragEvents(*Image);
  drag.OnDragOver = [this](QWidget* source, int x, int y, platform::TDragState state, bool& accept) {
    if (OnDragOver)
      OnDragOver(source, x, y, state, accept);
    else
      accept = false;
  };
  drag.OnDragDrop = [this](QWidget* source, int x, int y) {
    if (OnDragDrop)
      OnDragDrop(source, x, y);
  };
  liveUpdate_ = false;
  SetIniFileName(QFileInfo(QCoreApplication::applicationFilePath()).path() + QLatin1Char('/') +
                 QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".INI"));

  XAxis = std::make_unique<TPlotAxis>(*Graph, *Graph->XAxis, QStringLiteral("XAxis"));
  YAxis = std::make_unique<TPlotAxis>(*Graph, *Graph->YAxis, QStringLiteral("YAxis"));
  XAxis2 = std::make_unique<TPlotAxis>(*Graph, *Graph->XAxis2, QStringLiteral("XAxis2"));
  YAxis2 = std::make_unique<TPlotAxis>(*Graph, *Graph->YAxis2, QStringLiteral("YAxis2"));
  XAxis2->SetVisible(false);
  YAxis2->SetVisible(false);
  Title = std::make_unique<TPlotTitles>(*Graph, *Graph->Title, QStringLiteral("Title"));
  Foot = std::make_unique<TPlotTitles>(*Graph, *Graph->Foot, QStringLiteral("Foot"));
  Gradient = std::make_unique<TPlotGradient>(*Graph);
  Zoom = std::make_unique<TPlotZoom>(*Graph);
  Legend = std::make_unique<TPlotLegend>(*Graph);
  ColorLegend = std::make_unique<TPlotColorLegend>(*Graph);
  Picture = std::make_unique<TPlotPicture>(*Graph);
  Frame = std::make_unique<TPlotFrame>(*Graph);
  Info = std::make_unique<TPlotInfo>(*Graph);
  Graph->AnimatedZoom = false;
  SetPopupMenuItems(PopupMenuItems());
  LayoutParts();
}

TPlot::~TPlot()
{
  // The window that listens may be partly gone already.
  OnAnnotateTools = nullptr;
  CloseAnnotateToolsOf(*this);
  // The graph goes before the picture and the status bar it points at.
  Image->Graph = nullptr;
  Graph.reset();
}

void TPlot::LayoutParts()
{
  const int barHeight = statusBarVisible_ ? kStatusBarHeight : 0;
  StatusBar->setGeometry(0, height() - barHeight, width(), barHeight);
  StatusBar->setVisible(statusBarVisible_);
  const int clientHeight = std::max(height() - barHeight, 0);
  const int stripWidth = LegendPanel->StripVisible() ? LegendPanel->Bar().sizeHint().width() + 2 : 0;
  LegendPanel->setGeometry(width() - stripWidth, 0, stripWidth, clientHeight);
  LegendPanel->SetBarHeight(std::max(clientHeight - 2, 0));
  Image->setGeometry(0, 0, std::max(width() - stripWidth, 1), std::max(clientHeight, 1));
  Image->NewPicture();
}

void TPlot::Resized()
{
  LayoutParts();
  Graph->Paint();
  Image->Invalidate();
  Image->SetCursorNumber(platform::crDefault);
  if (!liveUpdate_)
    SetPopupMenuItems(PopupMenuItems());
}

void TPlot::Redraw()
{
  if (!isVisible())
    return;
  Graph->Paint();
  Image->Invalidate();
}

platform::TColor TPlot::GetFreeColor() const
{
  const auto color = Graph->GetFreeColor();
  return color ? *color : static_cast<platform::TColor>(-1);
}

void TPlot::ShowAnnotateTools() { plotui::ShowAnnotateTools(*this); }

void TPlot::ZoomIn()
{
  Zoom->SetEnabled(true);
  Graph->AnimatedZoom = false;
}

void TPlot::AnimatedZoomIn()
{
  Zoom->SetEnabled(true);
  Graph->AnimatedZoom = true;
}

bool TPlot::ZoomOut()
{
  if (Graph->Zoom.GetCount() == 0)
    return false;
  return Zoom->ZoomOut();
}

void TPlot::ZoomReset()
{
  Zoom->Reset();
  Zoom->SetEnabled(false);
}

void TPlot::SavePictureAs()
{
  platform::TSaveDialog dialog;
  dialog.Title = QStringLiteral("Save to file");
  // File names are listed in either case.
  dialog.Filter = QStringLiteral("BMP files (*.BMP)|*.BMP;*.bmp|WMF files (*.WMF)|*.WMF;*.wmf|EMF files (*.EMF)|*.EMF;*.emf");
  dialog.Options = platform::ofOverwritePrompt | platform::ofHideReadOnly | platform::ofPathMustExist;
  if (!dialog.Execute())
    return;
  // The extension typed decides the format; a name without one takes that of the file type chosen.
  int type = std::clamp(dialog.FilterIndex, 1, 3);
  QString fileName = dialog.FileName;
  const QString suffix = QFileInfo(fileName).suffix().toUpper();
  if (suffix.isEmpty())
    fileName += QLatin1Char('.') + QStringList{"BMP", "WMF", "EMF"}.at(type - 1);
  else if (suffix == QLatin1String("BMP") || suffix == QLatin1String("PNG"))
    type = 1;
  else if (suffix == QLatin1String("WMF"))
    type = 2;
  else if (suffix == QLatin1String("EMF"))
    type = 3;
  const platform::HourglassCursor hourglass;
  if (type == 1)
    SaveBitmap(fileName);
  else
    SaveMetafile(fileName, type == 3);
}

void TPlot::SaveBitmap(const QString& fileName)
{
  Image->Picture.SaveToFile(fileName);
}

void TPlot::SaveMetafile(const QString& fileName, bool enhanced)
{
  plot::GraphLibrary().GraphMetafile.SetEnhanced(enhanced);
  plot::SaveGraphMetafile(*Graph, fileName);
}

void TPlot::CopyToClipboard()
{
  platform::CopyBitmapToClipboard(Image->Picture);
  // The clipboard gives no status; a read-back shows whether it took this picture rather than
  // still holding an earlier one.
  platform::TBitmap copied(1, 1);
  if (Image->Picture.Empty() || !platform::PasteBitmapFromClipboard(copied) ||
      copied.Width() != Image->Picture.Width() || copied.Height() != Image->Picture.Height())
    throw platform::Exception(QStringLiteral("Can't copy the picture to the clipboard"));
}

void TPlot::SetTicks3D()
{
  for (TPlotAxis* axis : {XAxis.get(), YAxis.get()}) {
    axis->Ticks().SetMinorVisible(false);
    axis->Ticks().SetDirection(plot::tdIN);
    axis->Ticks().SetMajorLength(Frame->Width());
  }
  Graph->XAxis->MajorLineVisible = false;
  Graph->YAxis->MajorLineVisible = false;
}

void TPlot::SetTicks2D()
{
  for (TPlotAxis* axis : {XAxis.get(), YAxis.get(), XAxis2.get(), YAxis2.get()}) {
    axis->Ticks().SetMinorVisible(true);
    axis->Ticks().SetDirection(plot::tdOut);
    // The stored defaults of a tick set.
    axis->Ticks().SetMajorLength(4);
    axis->Ticks().SetMinorLength(2);
    axis->SetMajorLineVisible(true);
  }
}

bool TPlot::FigureToolSelected() const
{
  const auto* annotations = dynamic_cast<const TGraphAnnotate*>(&Graph->GetAnnotations());
  return annotations && annotations->Tool != atNone;
}

QString TPlot::LoadErrorPrefix() const
{
  const QWidget* owner = window();
  const QString ownerName = owner && owner != this ? owner->objectName() : QString();
  return ownerName + QLatin1Char('.') + objectName() + QStringLiteral(": ");
}

QString TPlot::SectionName() const
{
  const QWidget* owner = window();
  return (owner && owner != this ? owner->objectName() : QString()) + objectName();
}

// Properties.

template <typename T>
void TPlot::StoreAndRepaint(T& field, T value)
{
  if (field == value)
    return;
  field = value;
  RepaintWhenLive(*Graph);
}

void TPlot::SetIniFileName(const QString& value)
{
  if (iniFileName_ == value)
    return;
  iniFileName_ = value;
  Graph->IniFileName = value;
}

void TPlot::SetPlotColor(platform::TColor value) { StoreAndRepaint(Graph->Color, value); }
void TPlot::SetBackColor(platform::TColor value) { StoreAndRepaint(Graph->BackColor, value); }
void TPlot::SetExaggerate(double value) { StoreAndRepaint(Graph->Exaggerate, value); }
void TPlot::SetBarStyle(plot::TBarStyle value) { StoreAndRepaint(Graph->BarStyle, value); }
void TPlot::SetMinimumLogValue(double value) { StoreAndRepaint(Graph->MinimumLogValue, value); }

void TPlot::SetClipMarkers(bool value)
{
  if (Graph->GetClipMarkers() == value)
    return;
  Graph->SetClipMarkers(value);
  RepaintWhenLive(*Graph);
}

void TPlot::SetStatusBarVisible(bool value)
{
  if (statusBarVisible_ == value)
    return;
  statusBarVisible_ = value;
  StatusBar->setVisible(value);
  StatusBar->Invalidate();
  LayoutParts();
  if (liveUpdate_)
    Redraw();
}

void TPlot::SetStatusBarGrip(bool value)
{
  if (StatusBar->SizeGrip() == value)
    return;
  StatusBar->SetSizeGrip(value);
  if (liveUpdate_)
    Redraw();
}

void TPlot::SetView3D(double value)
{
  if (View3D() == value)
    return;
  Graph->View3D = value / 200;
  if (value != 0)
    SetTicks3D();
  else
    SetTicks2D();
  RepaintWhenLive(*Graph);
}

void TPlot::SetPopupMenuItems(plot::TPopupMenuItems value)
{
  Graph->PopupMenuItems = value;
  if (PopupMergeCount == 0) {
    PopupMergeCount = 1;
    if (!PopupMenu) {
      RebuildGraphPopup();
      return;
    }
  }
  if (PopupMergeCount > 1)
    return;
  if (!PopupMenu || liveUpdate_) {
    // Nothing to merge into yet: the graph's own menu follows the set.
    RebuildGraphPopup();
    return;
  }
  PopupMergeCount = 2;
  RebuildGraphPopup();
  MergePopupMenus();
}

void TPlot::RebuildGraphPopup() { Graph->CreatePopupMenu(); }

void TPlot::MergePopupMenus()
{
  platform::TMenuItem& own = PopupMenu->Items();
  const platform::TMenuItem& graphItems = Graph->PopupMenu->Items();
  if (graphItems.Count() == 0)
    return;
  if (own.Count() > 0)
    own.Add(QStringLiteral("miPlotN1"), QStringLiteral("-"));
  plot::TGraphPopupItems moved;
  for (int i = 0; i < graphItems.Count(); ++i) {
    const platform::TMenuItem& item = graphItems.Item(i);
    platform::TMenuItem& copy = own.Add(item.Name(), item.Caption(), item.OnClick);
    copy.SetEnabled(item.Enabled());
    copy.SetVisible(item.Visible());
    copy.SetChecked(item.Checked());
    copy.SetShortCut(item.ShortCutKey());
    copy.Hint = item.Hint;
    copy.Tag = item.Tag;
    const plot::TGraphPopupItems& was = Graph->PopupItems;
    for (auto [from, to] : {std::pair{was.CopyToClipboard, &moved.CopyToClipboard}, {was.SaveAs, &moved.SaveAs},
                            {was.Print, &moved.Print}, {was.Help, &moved.Help}, {was.ZoomIn, &moved.ZoomIn},
                            {was.ZoomOut, &moved.ZoomOut}, {was.Separator, &moved.Separator},
                            {was.Properties, &moved.Properties}})
      if (from == &item)
        *to = &copy;
  }
  Graph->PopupItems = moved;
  Graph->PopupMenu = std::move(PopupMenu);
}

// The legend strip.

void TPlot::ScrollLegend()
{
  if (!LegendPanel->StripVisible())
    return;
  const int first = LegendPanel->Position();
  for (int i = 0; i < Graph->Legend->GetCount(); ++i)
    Graph->Legend->Entry(i)->SetVisible(i >= first);
  if (!resizeTimer_)
    resizeTimer_ = std::make_unique<platform::Timer>([this] { ResizeTimerTick(); }, kResizeDelayMs, true);
  resizeTimer_->SetEnabled(true);
}

void TPlot::ResizeTimerTick()
{
  resizeTimer_->SetEnabled(false);
  Resized();
}

}  // namespace plotui
