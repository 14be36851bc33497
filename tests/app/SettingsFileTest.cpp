// The calculator's own keys of the settings file: numbers beyond what their fields take.
#include "app/Settings.h"

#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace app {
namespace {

// Steps beyond the Graphics page's fields (2..16000, 0 too for the Y steps of the plots without
// Y) are the defaults.
TEST(SettingsFile, StepsBeyondTheirFieldsAreTheDefaults)
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Vexal.INI"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Graphics]\r\nStepX0=2000000000\r\nStepX1=1\r\nStepX2=16000\r\nStepX3=-5\r\nStepX4=16001\r\n"
             "StepY0=0\r\nStepY1=0\r\nStepY2=2\r\nStepY3=99999\r\nStepY4=-1\r\n");
  file.close();
  const platform::TIniFile ini(path);
  const TCalcSettings defaults;
  TCalcSettings read;
  ReadSettings(ini, read);
  const std::array<int, 5> x{defaults.StepsX[0], defaults.StepsX[1], 16000, defaults.StepsX[3], defaults.StepsX[4]};
  const std::array<int, 5> y{0, defaults.StepsY[1], 2, defaults.StepsY[3], defaults.StepsY[4]};
  EXPECT_EQ(read.StepsX, x);
  EXPECT_EQ(read.StepsY, y);
}

}  // namespace
}  // namespace app
