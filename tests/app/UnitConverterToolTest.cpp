#include "MainWindowFixture.h"

#include "grid/window/Grid.h"
#include "platform/Menus.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"
#include "tools/units/UnitConverterWindow.h"

#include <QFile>
#include <QToolButton>

namespace app::testing {
namespace {

TEST_F(MainWindowTest, TheUnitsButtonShowsTheConverterWithTheMainWindowsDigits)
{
  ASSERT_TRUE(QFile::copy(QStringLiteral(VEXAL_SOURCE_DIR "data/Vexal.gun"), folder.filePath("Vexal.gun")));
  Open();
  ASSERT_TRUE(window->fmConv);  // made at start-up, from the program folder's tables
  tools::TfmConv& converter = *window->fmConv;
  EXPECT_FALSE(converter.isVisible());
  ASSERT_EQ(converter.mmiGCat->Count(), 12);

  auto* button = window->findChild<QToolButton*>(QStringLiteral("sbCut"));
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isEnabled());
  testing_support::Click(*button);
  EXPECT_TRUE(converter.isVisible());
  EXPECT_EQ(converter.windowTitle(), QStringLiteral("Units Convertor"));

  converter.mmiGCat->Item(0).Click();  // Length
  grid::TtsGrid& grid = *converter.tsgUnit;
  const auto typeForMile = [&] {
    grid.ScrollIntoView({2, 11});
    QApplication::processEvents();
    testing_support::ClickAt(grid, grid.CellBounds(2, 11).center());
    testing_support::TypeText(*QApplication::focusWidget(), QStringLiteral("1"));
  };
  typeForMile();
  EXPECT_EQ(grid.Cell(2, 1).AsString(), "1.609344E+3");
  // Fewer display digits in the main window: the next conversion shows fewer.
  for (int step = 0; step < 4; ++step)
    window->udDigits->Click(platform::btPrev);
  ASSERT_EQ(window->DisplayDigits, 8);
  typeForMile();
  EXPECT_EQ(grid.Cell(2, 1).AsString(), "1.609E+3");
}

}  // namespace
}  // namespace app::testing
