#include "plot/graph/Graph.h"

#include "plot/support/GraphLibrary.h"

#include "platform/Application.h"
#include "platform/Menus.h"
#include "platform/Printer.h"

namespace plot {

TGraph::TGraph(TPlotHost* plot, TGraphImage& image, TGraphStatusBar* statusBar)
    : ProcessMessages([] { platform::PumpMessages(); }),
      Plot(plot),
      Image(&image),
      StatusBar(statusBar),
      Canvas(&image.Canvas())
{
  Annotations = std::make_unique<TLayer>(*this);
  CreatePopupMenu();
  Title = std::make_unique<TGraphTitle>(*this, true, Charset);
  Foot = std::make_unique<TGraphTitle>(*this, false, Charset);
  ImageRect = {0, 0, image.Width(), image.Height()};
  Legend = std::make_unique<TWLegend>(*this, Charset);
  for (auto& legend : ColorLegends)
    legend = std::make_unique<TColorLegend>(*this, Charset);
  Legend->SetColor(platform::clWhite);
  Picture = std::make_unique<TGraphPicture>(*this);
  XAxis = std::make_unique<TXAxis>(*this, Range.Left, Range.Right, Charset);
  YAxis = std::make_unique<TYAxis>(*this, Range.Top, Range.Bottom, Charset);
  XAxis2 = std::make_unique<TXAxis2>(*this, Charset);
  YAxis2 = std::make_unique<TYAxis2>(*this, Charset);
  Frame = std::make_unique<TGraphFrame>(*this);
  Info = std::make_unique<TGraphInfo>(*this);
  Font.SetName(QStringLiteral("Arial"));
  Font.SetCharset(Charset);
  Gradient = std::make_unique<TGraphGradient>(*this, gsNone, platform::clWhite, platform::clSilver);
}

// The axes go first: they may look at the layers no longer.
TGraph::~TGraph()
{
  XAxis.reset();
  YAxis.reset();
  XAxis2.reset();
  YAxis2.reset();
  Layers.clear();
}

platform::TCanvas& TGraph::TargetCanvas() const
{
  TGraphLibrary& library = GraphLibrary();
  if (library.MetafileDrawing && library.MetafileCanvas)
    return *library.MetafileCanvas;
  if (PrinterPrinting())
    return platform::Printer().Canvas();
  return Image->Canvas();
}

int TGraph::AddLayer(std::unique_ptr<TLayer> layer)
{
  Layers.push_back(std::move(layer));
  return GetLayerCount() - 1;
}

std::unique_ptr<TLayer> TGraph::DeleteLayer(int index)
{
  if (index < 0 || index >= GetLayerCount())
    return nullptr;
  if (OnDeleteSeries && Layers[index])
    OnDeleteSeries(*this, *Layers[index]);
  UndoList.Clear();
  std::unique_ptr<TLayer> layer = std::move(Layers[index]);
  Layers.erase(Layers.begin() + index);
  if (ActiveLayer == layer.get())
    ActiveLayer = nullptr;
  return layer;
}

TLayer* TGraph::GetLayer(int index) const
{
  return index >= 0 && index < GetLayerCount() ? Layers[index].get() : nullptr;
}

int TGraph::IndexOfLayer(const TLayer* layer) const
{
  for (int i = 0; i < GetLayerCount(); ++i)
    if (Layers[i].get() == layer)
      return i;
  return -1;
}

TLayer* TGraph::FindLayer(const QString& name) const
{
  for (const auto& layer : Layers)
    if (layer && layer->Name.compare(name, Qt::CaseInsensitive) == 0)
      return layer.get();
  return nullptr;
}

void TGraph::FreeLayers()
{
  ActiveLayer = nullptr;
  UndoList.Clear();
  std::vector<std::unique_ptr<TLayer>> gone = std::move(Layers);
  Layers.clear();
  for (auto& layer : gone)
    layer.reset();
}

void TGraph::Clear()
{
  FreeLayers();
  Legend->Clear();
  for (auto& legend : ColorLegends)
    legend->Clear();
  for (TAxis* axis : {static_cast<TAxis*>(XAxis.get()), static_cast<TAxis*>(YAxis.get())}) {
    axis->ClearLabels();
    axis->AutoMin = true;
    axis->AutoMax = true;
    axis->Minimum = MissingValue;
    axis->Maximum = MissingValue;
  }
  ActiveLayer = nullptr;
}

void TGraph::UnselectAll()
{
  for (const auto& layer : Layers)
    if (layer && layer->GetSelected())
      layer->SetSelected(false);
}

bool TGraph::IsEmpty() const
{
  for (const auto& layer : Layers)
    if (layer && layer->GetCount() > 0)
      return false;
  return true;
}

void TGraph::SetAnnotations(std::unique_ptr<TLayer> layer)
{
  Annotations = layer ? std::move(layer) : std::make_unique<TLayer>(*this);
}

void TGraph::SetPenColor(platform::TColor color)
{
  Canvas->Pen().SetColor(color);
  if (BlackAndWhiteApplies())
    Canvas->Pen().SetColor(platform::clBlack);
}

}  // namespace plot
