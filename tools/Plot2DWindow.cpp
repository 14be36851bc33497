#include "tools/Plot2DWindow.h"

#include <QMenu>
#include <QMenuBar>

namespace tools {

TfmPlot2D::TfmPlot2D(QString settingsFile, TFormPlacement placement, QWidget* parent)
    : TPlotWindow(QStringLiteral("fmPlot2D"), std::move(settingsFile), std::move(placement), parent)
{
  setWindowTitle(QStringLiteral("2D - Plot"));
  setGeometry(351, 149, 640, 480);

  QMenu* file = MenuBar->addMenu(QStringLiteral("&File"));
  AddItem(*file, QStringLiteral("&Save As..."), sbSaveAs);
  AddItem(*file, QStringLiteral("&Export"), sbExport);
  AddItem(*file, QStringLiteral("&Import"), sbImport);
  file->addSeparator();
  AddItem(*file, QStringLiteral("&Print"), sbPrint);
  file->addSeparator();
  connect(file->addAction(QStringLiteral("&Exit")), &QAction::triggered, this, [this] { exit1Click(); });
  QMenu* edit = MenuBar->addMenu(QStringLiteral("&Edit"));
  AddUndoItem(*edit);
  edit->addSeparator();
  AddItem(*edit, QStringLiteral("&Copy to clipboard"), sbCopyToClipboard);
  QMenu* view = MenuBar->addMenu(QStringLiteral("&View"));
  AddItem(*view, QStringLiteral("&Vert. Grid"), sbVertGrid);
  AddItem(*view, QStringLiteral("&Horis. Grid"), sbHorizGrid);
  view->addSeparator();
  AddItem(*view, QStringLiteral("&3D View"), sb3D);
  AddLegendAndZoomItems(*view);
  view->addSeparator();
  AddItem(*view, QStringLiteral("&Properties"), sbProp);

  FormCreate();
}

}  // namespace tools
