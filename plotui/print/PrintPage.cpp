#include "plotui/print/PrintPage.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"

#include "platform/Canvas.h"
#include "platform/CanvasRounding.h"
#include "platform/Printer.h"

#include <algorithm>

namespace plotui {

namespace {

const std::array<QString, 4> kBlockSections{kSystemLogo, kOwnerLogo, kProjectLogo, kCommentLogo};

// Ends the document however the page leaves.
class TPageJob {
public:
  explicit TPageJob(platform::TPrinter& printer) : printer_(printer) { printer_.BeginDoc(); }
  ~TPageJob()
  {
    if (printer_.Printing())
      printer_.EndDoc();
  }
  TPageJob(const TPageJob&) = delete;
  TPageJob& operator=(const TPageJob&) = delete;

private:
  platform::TPrinter& printer_;
};

// The printer's canvas outlives the job: its tools, background and alignment go back to what they
// were, so the program's next printout starts as it would have without the plot (the graph leaves
// turned fonts and clear brushes behind).
class TCanvasToolsKept {
public:
  explicit TCanvasToolsKept(platform::TCanvas& canvas)
      : canvas_(canvas), pen_(canvas.Pen().Data()), brush_(canvas.Brush().Data()), font_(canvas.Font().Data()),
        bkMode_(canvas.BkMode()), bkColor_(canvas.BkColor()), textAlign_(canvas.TextAlign())
  {
  }
  ~TCanvasToolsKept()
  {
    canvas_.Pen().SetData(pen_);
    canvas_.Brush().SetData(brush_);
    canvas_.Font().SetData(font_);
    canvas_.SetBkMode(bkMode_);
    canvas_.SetBkColor(bkColor_);
    canvas_.SetTextAlign(textAlign_);
  }
  TCanvasToolsKept(const TCanvasToolsKept&) = delete;
  TCanvasToolsKept& operator=(const TCanvasToolsKept&) = delete;

private:
  platform::TCanvas& canvas_;
  platform::TPenData pen_;
  platform::TBrushData brush_;
  platform::TFontData font_;
  platform::TBkMode bkMode_;
  platform::TColor bkColor_;
  unsigned textAlign_;
};

// Sets the preview flag while the preview draws, also when drawing raises.
class TPreviewDrawing {
public:
  TPreviewDrawing() { plot::GraphLibrary().PrintPreviewing = true; }
  ~TPreviewDrawing() { plot::GraphLibrary().PrintPreviewing = false; }
  TPreviewDrawing(const TPreviewDrawing&) = delete;
  TPreviewDrawing& operator=(const TPreviewDrawing&) = delete;
};

void Outline(platform::TCanvas& canvas, const platform::TRect& r, bool borders)
{
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
  canvas.Pen().SetMode(platform::TPenMode::pmCopy);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(borders ? platform::clBlack : platform::clWhite);
  canvas.Rectangle(r);
}

}  // namespace

int TPageContent::BlockCount() const { return int(std::count(Blocks.begin(), Blocks.end(), true)); }

std::vector<TPrintLogo> LoadTitleBlocks(const plot::TGraph& graph, const TPageContent& content)
{
  std::vector<TPrintLogo> blocks;
  for (std::size_t i = 0; i < kBlockSections.size(); ++i) {
    if (!content.Blocks[i])
      continue;
    if (kBlockSections[i] == kCommentLogo)
      blocks.push_back(TPrintLogo::CreateComment(&graph, content.Description, content.SettingsFile));
    else
      blocks.emplace_back(&graph, kBlockSections[i], content.SettingsFile);
    blocks.back().Borders = content.Borders;
  }
  return blocks;
}

int PreviewFontSize(int size, double fontFactor) { return std::max(1, platform::SafeRound(size * fontFactor)); }

bool PrintPlotPage(plot::TGraph& graph, platform::TPrinter& printer, const TPrintMargins& margins,
                   const TPageContent& content)
{
  const float d = DotsPerMm(printer.Resolution());
  const TPageLayout page =
      PrintedPageLayout(printer.PageWidth(), printer.PageHeight(), d, margins, content.BlockCount());
  if (!page.Fits())
    return false;
  std::vector<TPrintLogo> blocks = LoadTitleBlocks(graph, content);
  const TCanvasToolsKept kept(printer.Canvas());
  const TPageJob job(printer);
  platform::TCanvas& canvas = printer.Canvas();
  canvas.Pen().SetColor(platform::clBlack);
  canvas.Pen().SetWidth(1);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    blocks[i].LogoRect = page.Blocks[i];
    blocks[i].Canvas = &canvas;
    blocks[i].Draw();
  }
  graph.PrintRect = page.Graph;
  graph.Paint();
  Outline(printer.Canvas(), page.Frame, content.Borders);
  return true;
}

TPageLayout DrawPreviewPage(plot::TGraph& graph, platform::TCanvas& picture, int pictureWidth, int pictureHeight,
                            const platform::TPrinter& printer, double s, const TPrintMargins& margins,
                            const TPageContent& content)
{
  picture.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  picture.Brush().SetColor(platform::clWhite);
  picture.FillRect({0, 0, pictureWidth, pictureHeight});
  Outline(picture, {0, 0, pictureWidth, pictureHeight}, content.Borders);

  const float d = DotsPerMm(printer.Resolution());
  const TPageLayout page =
      PreviewPageLayout(printer.PageWidth(), printer.PageHeight(), d, s, margins, content.BlockCount());
  Outline(picture, page.Area, content.Borders);

  const TPreviewDrawing previewing;
  std::vector<TPrintLogo> blocks = LoadTitleBlocks(graph, content);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    TPrintLogo& block = blocks[i];
    block.Font.SetSize(PreviewFontSize(block.Font.Size(), 3 * s));
    block.LogoRect = page.Blocks[i];
    block.Canvas = &picture;
    block.Draw();
  }
  if (!page.Graph.IsEmpty()) {
    graph.ImageRect = page.Graph;
    graph.Paint();
  }
  Outline(picture, page.Frame, content.Borders);
  return page;
}

}  // namespace plotui
