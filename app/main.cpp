// Vexal: the program's entry point.

#include "app/MainWindow.h"

#include "chart/panel/SeriesKinds.h"
#include "platform/Application.h"

#include <QLocale>
#include <clocale>

int main(int argc, char** argv)
{
  platform::Application application(argc, argv);
  platform::ApplyStandardLook(application);
  QLocale::setDefault(QLocale::c());  // "." as the decimal separator everywhere
  std::setlocale(LC_NUMERIC, "C");    // for the engine's C number conversions too
  platform::SetApplicationTitle(QStringLiteral("Vexal v.4.26"));
  application.setApplicationName(QStringLiteral("Vexal"));

  chart::RegisterChartSeriesKinds();  // the gallery's series kinds and functions

  app::TfmCalc fmCalc;
  fmCalc.Show();
  return application.exec();
}
