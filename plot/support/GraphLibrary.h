#pragma once
// The settings every graph of the program shares: the print colour mode, the metafile being recorded,
// the print preview flag, the plot clip and the printed program title.

#include "plot/support/PrintLogo.h"

#include "platform/Metafile.h"

#include <memory>

namespace plot {

inline constexpr int kPrintColorFull = 16;
inline constexpr int kPrintBlackAndWhite = 2;

struct TGraphLibrary {
  int PrintColorMode = kPrintColorFull;  // 2 black and white, 16 colour
  bool MetafileDrawing = false;          // drawing goes to MetafileCanvas
  platform::TMetafile GraphMetafile;
  std::unique_ptr<platform::TMetafileCanvas> MetafileCanvas;  // records into GraphMetafile
  bool PrintPreviewing = false;                               // the print preview draws a graph
  bool Clipped = false;                                       // a plot clip is selected
  int ScreenTextHeight = 0;  // height of "a" at size 1 on the screen, measured by the last screen layout
  TProgramTitleDefaults ProgramTitleDefaults;  // the printed program-title block
};

// The one instance (user-interface thread only).
TGraphLibrary& GraphLibrary();

// The program's printer is printing a page.
bool PrinterPrinting();
// Pen and text colours become black and fills white: black-and-white mode while printing or previewing.
bool BlackAndWhiteApplies();

}  // namespace plot
