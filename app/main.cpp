// Vexal: the program's entry point.

#include "app/MainWindow.h"

#include "platform/Application.h"

#include <QLocale>

int main(int argc, char** argv)
{
  platform::Application application(argc, argv);
  platform::ApplyStandardLook(application);
  QLocale::setDefault(QLocale::c());  // "." as the decimal separator everywhere
  platform::SetApplicationTitle(QStringLiteral("Vexal v.4.26"));
  application.setApplicationName(QStringLiteral("Vexal"));

  app::TfmCalc fmCalc;
  fmCalc.Show();
  return application.exec();
}
