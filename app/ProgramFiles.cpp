#include "app/ProgramFiles.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/MessageDlg.h"

#include <QWidget>

namespace app {

QString ProgramBase()
{
  return platform::ProgramFolder() + QStringLiteral("Vexal");
}

QString SettingsFileName()
{
  return ProgramBase() + QStringLiteral(".INI");
}

QString HistoryFileName()
{
  return ProgramBase() + QStringLiteral(".HST");
}

QString ConstantsFileName()
{
  return ProgramBase() + QStringLiteral(".CON");
}

QString HelpFileName()
{
  return platform::ProgramFolder() + QStringLiteral("Vexal.hlp");
}

QString DefaultVariablesFile()
{
  return platform::ProgramFolder() + QStringLiteral("Vexal.USR");
}

QString DefaultFunctionsFile()
{
  return platform::ProgramFolder() + QStringLiteral("Vexal.FNC");
}

void LoadFormPosition(QWidget& form)
{
  int left = 0;
  int top = 0;
  int width = 640;
  int height = 480;
  try {
    const platform::TIniFile ini(SettingsFileName());
    const QString section = form.objectName();
    left = ini.ReadInteger(section, QStringLiteral("Left"), left);
    top = ini.ReadInteger(section, QStringLiteral("Top"), top);
    width = ini.ReadInteger(section, QStringLiteral("Width"), width);
    height = ini.ReadInteger(section, QStringLiteral("Height"), height);
  } catch (const platform::EFileError&) {
    // An unreadable settings file gives the defaults.
  }
  form.move(left, top);
  form.resize(width, height);
}

void SaveFormPosition(const QWidget& form)
{
  try {
    platform::TIniFile ini(SettingsFileName());
    ini.SetAutoFlush(false);
    const QString section = form.objectName();
    ini.WriteInteger(section, QStringLiteral("Left"), form.x());
    ini.WriteInteger(section, QStringLiteral("Top"), form.y());
    ini.WriteInteger(section, QStringLiteral("Width"), form.width());
    ini.WriteInteger(section, QStringLiteral("Height"), form.height());
    ini.UpdateFile();
  } catch (const platform::EFileError& error) {
    platform::ShowError(error.Message());
  }
}

}  // namespace app
