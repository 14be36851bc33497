#pragma once
// One printed plot page: the graph inside the margins, the chosen title blocks under it and a frame,
// on the printer's page or, scaled, on the preview's page picture.

#include "plotui/print/PageLayout.h"
#include "plotui/print/PrintLogo.h"

#include <QStringList>
#include <array>
#include <vector>

namespace platform {
class TPrinter;
}

namespace plot {
class TGraph;
}

namespace plotui {

// What the print dialog's page design asks for.
struct TPageContent {
  // Program title, company logo, project title, plot description, in print order.
  std::array<bool, 4> Blocks{};
  bool Borders = true;
  QStringList Description;
  QString SettingsFile;  // the blocks' file; empty: the graph's
  int BlockCount() const;
};

// The checked blocks, loaded, in print order.
std::vector<TPrintLogo> LoadTitleBlocks(const plot::TGraph& graph, const TPageContent& content);

// Prints the page as one job. False, printing nothing, when the margins leave no room on the page;
// the printer's errors are raised, the job ended in any case.
bool PrintPlotPage(plot::TGraph& graph, platform::TPrinter& printer, const TPrintMargins& margins,
                   const TPageContent& content);

// The page at scale s on a picture of the page's size times s; the graph paints there through its
// image, which must be the picture's control.
TPageLayout DrawPreviewPage(plot::TGraph& graph, platform::TCanvas& picture, int pictureWidth, int pictureHeight,
                            const platform::TPrinter& printer, double s, const TPrintMargins& margins,
                            const TPageContent& content);

// A block's font size in the preview: the size times the font factor, at least 1.
int PreviewFontSize(int size, double fontFactor);

}  // namespace plotui
