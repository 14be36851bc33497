#include "plotui/print/PrintSettings.h"

#include "platform/CanvasRounding.h"
#include "platform/IniFile.h"

namespace plotui {

namespace {

const QString kSection = QStringLiteral("Print");

}  // namespace

TSavedMargins ReadDefaultMargins(const QString& iniFile)
{
  const platform::TIniFile ini(iniFile);
  TSavedMargins saved;
  const std::optional<double> units =
      platform::TIniFile::TextToFloat(ini.ReadString(kSection, QStringLiteral("Units"), QStringLiteral("25.4")));
  saved.Units = units && *units > 0 ? *units : kUnitsMm;
  TPrintMargins& m = saved.Margins;
  m.Left = ini.ReadInteger(kSection, QStringLiteral("Left"), m.Left);
  m.Right = ini.ReadInteger(kSection, QStringLiteral("Right"), m.Right);
  m.Top = ini.ReadInteger(kSection, QStringLiteral("Top"), m.Top);
  m.Bottom = ini.ReadInteger(kSection, QStringLiteral("Bottom"), m.Bottom);
  return saved;
}

void WriteDefaultMargins(const QString& iniFile, const TSavedMargins& saved)
{
  platform::TIniFile ini(iniFile);
  ini.SetAutoFlush(false);
  ini.WriteString(kSection, QStringLiteral("Units"), platform::TIniFile::FloatToText(saved.Units));
  ini.WriteInteger(kSection, QStringLiteral("Left"), saved.Margins.Left);
  ini.WriteInteger(kSection, QStringLiteral("Right"), saved.Margins.Right);
  ini.WriteInteger(kSection, QStringLiteral("Top"), saved.Margins.Top);
  ini.WriteInteger(kSection, QStringLiteral("Bottom"), saved.Margins.Bottom);
  ini.UpdateFile();
}

int ShownMargin(int mm, double units)
{
  return ShowsMillimetres(units) ? mm : platform::SafeRound(mm / 2.54);
}

int MarginFromShown(int shown, double units)
{
  return ShowsMillimetres(units) ? shown : platform::SafeRound(shown * 2.54);
}

QString PageSizeText(int width, int height, int resolutionX, int resolutionY, double units)
{
  const double w = double(width) / std::max(resolutionX, 1) * units;
  const double h = double(height) / std::max(resolutionY, 1) * units;
  const bool mm = units > 10;
  const QString times = !mm && w > 8 && w < 9 ? QStringLiteral(" 1/2 * ") : QStringLiteral(" * ");
  return QString::number(platform::SafeRound(w)) + times + QString::number(platform::SafeRound(h)) +
         (mm ? QStringLiteral("  mm") : QStringLiteral(" inch"));
}

}  // namespace plotui
