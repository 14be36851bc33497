#pragma once
// The shared common dialogs that the main window, the matrix tool and the user-function loader use.

#include "platform/CommonDialogs.h"
#include "platform/FileDialogs.h"

namespace app {

struct TDM {
  TDM() { SaveDialog1.Options = platform::ofOverwritePrompt | platform::ofPathMustExist; }

  platform::TOpenDialog OpenDialog1;
  platform::TSaveDialog SaveDialog1;
  platform::TColorDialog ColorDialog1;
  platform::TFontDialog FontDialog1;
  platform::TPrintDialog PrintDialog1;
  platform::TPrinterSetupDialog PrinterSetupDialog1;
};

}  // namespace app
