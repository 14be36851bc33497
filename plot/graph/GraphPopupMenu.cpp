// The graph's own popup menu: copy, save, print, help, zoom in and out, and the properties, as
// PopupMenuItems asks.
#include "plot/graph/Graph.h"

#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/ClipboardPicture.h"
#include "platform/Menus.h"
#include "platform/Shell.h"

#include <QFileInfo>

namespace plot {

inline const QString kGraphHelpFile = QStringLiteral("Plot.HLP");

void TGraph::CreatePopupMenu()
{
  PopupMenu = std::make_unique<platform::TPopupMenu>();
  PopupItems = {};
  platform::TMenuItem& root = PopupMenu->Items();
  const TPopupMenuItems items = PopupMenuItems;
  const auto add = [&](TPopupMenuItem item, const char* name, const char* caption, void (TGraph::*handler)()) {
    if (!items.Contains(item))
      return static_cast<platform::TMenuItem*>(nullptr);
    return &root.Add(QString::fromLatin1(name), QString::fromLatin1(caption), [this, handler] { (this->*handler)(); });
  };
  PopupItems.CopyToClipboard =
      add(piCopyToClipboard, "miCopyToClipboardGraph", "Copy to Clipboard", &TGraph::CopyToClipboardClick);
  PopupItems.SaveAs = add(piSaveAs, "miSaveAsGraph", "Save As...", &TGraph::SaveAsClick);
  PopupItems.Print = add(piPrint, "miPrintGraph", "Print", &TGraph::PrintClick);
  PopupItems.Help = add(piHelp, "miHelpGraph", "Help", &TGraph::HelpClick);
  PopupItems.ZoomIn = add(piZoomIn, "miZoomInGraph", "Zoom In", &TGraph::ZoomInClick);
  PopupItems.ZoomOut = add(piZoomOut, "miZoomOutGraph", "Zoom Out", &TGraph::ZoomOutClick);
  TPopupMenuItems others = items;
  others.Exclude(piProperties);
  if (items.Contains(piProperties) && others != TPopupMenuItems{})
    PopupItems.Separator = &root.Add(QStringLiteral("miGraphN1"), QStringLiteral("-"));
  PopupItems.Properties = add(piProperties, "miPropertiesGraph", "Properties", &TGraph::PropertiesClick);
}

void TGraph::CopyToClipboardClick()
{
  const QImage* picture = Image->Canvas().SourceImage();
  if (!picture)
    return;
  platform::TBitmap bitmap;
  bitmap.SetImage(*picture);
  platform::CopyBitmapToClipboard(bitmap);
}

void TGraph::SaveAsClick()
{
  if (Plot)
    Plot->SavePictureAs();
}

void TGraph::PrintClick()
{
  if (Plot)
    Plot->RunPrintDialog(*this);
  UpdateTransform();
}

void TGraph::HelpClick()
{
  const QString path = platform::ProgramFolder() + kGraphHelpFile;
  if (QFileInfo(path).isFile())
    platform::ShowHelp(path);
}

void TGraph::ZoomInClick()
{
  Zoom.Enabled = true;
  AnimatedZoom = false;
}

void TGraph::ZoomOutClick()
{
  Zoom.Reset();
  Zoom.Enabled = false;
}

void TGraph::PropertiesClick()
{
  if (Plot)
    Plot->ShowProperties();
}

}  // namespace plot
