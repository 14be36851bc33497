// The main window started on damaged program files: it opens with what it can read, every setting
// within its range, and closes without losing what it read.
#include "tests/app/MainWindowFixture.h"

#include "app/HistoryFile.h"
#include "platform/TextFile.h"

#include <QFile>

namespace app::testing {
namespace {

void WriteBytes(const QString& path, const std::string& bytes)
{
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes.data(), qsizetype(bytes.size()));
}

TEST_F(MainWindowTest, DamagedProgramFilesOpenWithEverySettingInRange)
{
  const std::string huge(100000, '7');
  const std::string settings[] = {
      "[Calc Settings]\r\nNotation=2147483647\r\nDigits=-2147483648\r\nPrecison=2147483647\r\nAngle=$FFFFFFFF\r\n"
      "[Graphics]\r\nPlot Type=-1\r\nStepX0=2000000000\r\nStepY0=-5\r\nTitle=" + huge + "\r\n"
      "[Calc]\r\nLeft=2147483647\r\nTop=-2147483648\r\n",
      "[Calc Settings]\rNotation=NaN\rDigits=1E99999\rPrecison=-0\rAngle=0x\r[Graphics]\rPlot Type=INF\r",
      std::string("[Calc Settings\0]\r\nDigits=\0\r\n\x1a[Calc]\nLeft=-0\n", 42),
  };
  const std::string histories[] = {"2000000000\r\n1+2\r\n", "-5\r\nx\r\n", std::string("2\r\n\0\r\n") + huge + "\r\n1\r\n3"};
  for (std::size_t i = 0; i < std::size(settings); ++i) {
    SCOPED_TRACE(i);
    WriteBytes(File("Vexal.INI"), settings[i]);
    WriteBytes(File("Vexal.HST"), histories[i]);
    WriteBytes(File("Vexal.CON"), std::string("pi=3.14\r\n\0\r\n", 12) + huge);
    Open(false);
    EXPECT_GE(window->rgNotation->ItemIndex(), 0);
    EXPECT_LE(window->rgNotation->ItemIndex(), 3);
    EXPECT_GE(window->DisplayDigits, 0);
    EXPECT_LE(window->DisplayDigits, 22);
    EXPECT_EQ(window->lbConst->count(), 3);
    for (int e = 0; e < window->cbHistory->count(); ++e)
      EXPECT_LE(window->cbHistory->itemText(e).size(), MaxHistoryLine);
    const QStringList history = [&] {
      QStringList items;
      for (int e = 0; e < window->cbHistory->count(); ++e)
        items << window->cbHistory->itemText(e);
      return items;
    }();
    Close();
    window.reset();
    // What was read is what is written back.
    EXPECT_EQ(ReadHistoryFile(File("Vexal.HST")).Expressions, history);
  }
}

}  // namespace
}  // namespace app::testing
