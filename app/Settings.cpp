#include "app/Settings.h"

#include "app/ProgramFiles.h"

#include "platform/IniFile.h"

namespace app {

namespace {

const QString kCalcSettings = QStringLiteral("Calc Settings");
const QString kFiles = QStringLiteral("Files");
const QString kGraphics = QStringLiteral("Graphics");
const QString kCalc = QStringLiteral("Calc");

QString StepKey(char axis, int i)
{
  return QStringLiteral("Step%1%2").arg(QLatin1Char(axis)).arg(i);
}

// The Graphics page's steps fields take 2..16000, the Y field also 0 for the plots without Y.
int ReadSteps(const platform::TIniFile& ini, char axis, int i, int current)
{
  const int least = axis == 'Y' && (i == 0 || i == 4) ? 0 : 2;
  const int value = ini.ReadInteger(kGraphics, StepKey(axis, i), current);
  return value >= least && value <= 16000 ? value : current;
}

}  // namespace

void ReadSettings(const platform::TIniFile& ini, TCalcSettings& s)
{
  s.Notation = ini.ReadInteger(kCalcSettings, QStringLiteral("Notation"), s.Notation);
  s.Digits = ini.ReadInteger(kCalcSettings, QStringLiteral("Digits"), s.Digits);
  s.ComplexForm = ini.ReadInteger(kCalcSettings, QStringLiteral("Complex Form"), s.ComplexForm);
  s.Precision = ini.ReadInteger(kCalcSettings, QStringLiteral("Precison"), s.Precision);
  s.Assistant = ini.ReadBool(kCalcSettings, QStringLiteral("Assistant"), s.Assistant);
  s.Hint = ini.ReadBool(kCalcSettings, QStringLiteral("Hint"), s.Hint);
  s.Angle = ini.ReadBool(kCalcSettings, QStringLiteral("Angle"), s.Angle != 0) ? 1 : 0;
  s.ShowComp = ini.ReadBool(kCalcSettings, QStringLiteral("ShowComp"), s.ShowComp);

  s.VariablesFile = ini.ReadString(kFiles, QStringLiteral("Variables"), DefaultVariablesFile());
  s.FunctionsFile = ini.ReadString(kFiles, QStringLiteral("Functions"), DefaultFunctionsFile());

  s.PlotType = ini.ReadInteger(kGraphics, QStringLiteral("Plot Type"), s.PlotType);
  s.FromX = ini.ReadString(kGraphics, QStringLiteral("Xx min"), s.FromX);
  s.ToX = ini.ReadString(kGraphics, QStringLiteral("Yx min"), s.ToX);
  for (int i = 0; i < 5; ++i)
    s.StepsX[std::size_t(i)] = ReadSteps(ini, 'X', i, s.StepsX[std::size_t(i)]);
  for (int i = 0; i < 5; ++i)
    s.StepsY[std::size_t(i)] = ReadSteps(ini, 'Y', i, s.StepsY[std::size_t(i)]);
  s.FromY = ini.ReadString(kGraphics, QStringLiteral("Xy min"), s.FromY);
  s.ToY = ini.ReadString(kGraphics, QStringLiteral("Yy min"), s.ToY);
  s.Legend = ini.ReadString(kGraphics, QStringLiteral("Legend"), s.Legend);
  s.Title = ini.ReadString(kGraphics, QStringLiteral("Title"), s.Title);
  s.XAxis = ini.ReadString(kGraphics, QStringLiteral("X axis"), s.XAxis);
  s.YAxis = ini.ReadString(kGraphics, QStringLiteral("Y axis"), s.YAxis);

  s.Left = ini.ReadInteger(kCalc, QStringLiteral("Left"), s.Left);
  s.Top = ini.ReadInteger(kCalc, QStringLiteral("Top"), s.Top);
}

void WriteSettings(platform::TIniFile& ini, const TCalcSettings& s)
{
  ini.WriteInteger(kCalcSettings, QStringLiteral("Notation"), s.Notation);
  ini.WriteInteger(kCalcSettings, QStringLiteral("Angle"), s.Angle);
  ini.WriteInteger(kCalcSettings, QStringLiteral("Digits"), s.Digits);
  ini.WriteInteger(kCalcSettings, QStringLiteral("Precison"), s.Precision);
  ini.WriteBool(kCalcSettings, QStringLiteral("Assistant"), s.Assistant);
  ini.WriteBool(kCalcSettings, QStringLiteral("Hint"), s.Hint);
  ini.WriteBool(kCalcSettings, QStringLiteral("ShowComp"), s.ShowComp);

  ini.WriteInteger(kGraphics, QStringLiteral("Plot Type"), s.PlotType);
  ini.WriteString(kGraphics, QStringLiteral("Xx min"), s.FromX);
  ini.WriteString(kGraphics, QStringLiteral("Yx min"), s.ToX);
  ini.WriteString(kGraphics, QStringLiteral("Xy min"), s.FromY);
  ini.WriteString(kGraphics, QStringLiteral("Yy min"), s.ToY);
  ini.WriteString(kGraphics, QStringLiteral("Legend"), s.Legend);
  ini.WriteString(kGraphics, QStringLiteral("Title"), s.Title);
  ini.WriteString(kGraphics, QStringLiteral("X axis"), s.XAxis);
  ini.WriteString(kGraphics, QStringLiteral("Y axis"), s.YAxis);
  for (int i = 0; i < 5; ++i)
    ini.WriteInteger(kGraphics, StepKey('X', i), s.StepsX[std::size_t(i)]);
  for (int i = 0; i < 5; ++i)
    ini.WriteInteger(kGraphics, StepKey('Y', i), s.StepsY[std::size_t(i)]);

  ini.WriteInteger(kCalc, QStringLiteral("Left"), s.Left);
  ini.WriteInteger(kCalc, QStringLiteral("Top"), s.Top);
}

}  // namespace app
