// The unit-table editor as a user meets it: opened from the converter's menu, cells typed with keys,
// rows added with Down and deleted with Ctrl+Delete, questions answered, the table saved and read
// back by the converter.
#include "tools/units/UnitEditorWindow.h"

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"
#include "platform/Color.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "platform/ModalRun.h"
#include "tests/grid/ShownGrid.h"
#include "tests/support/FullDisk.h"
#include "tests/support/HostileInputs.h"
#include "tests/support/KeyInput.h"
#include "tests/support/KeyStorm.h"
#include "tests/support/MouseInput.h"
#include "tools/units/UnitConverterWindow.h"
#include "tools/units/UnitTableWriter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tools {
namespace {

using platform::ModalScript;
using testing_support::ClickAt;
using testing_support::PressKey;
using testing_support::TypeText;

// Two categories; "Length" has factor[0][1] = 1000 (1 kilometer is 1000 meter).
const std::string kTable =
    "2\r\nLength\r\n2\r\nkilometer\r\nmeter\r\n"
    " 1.00000000000000E+0000  1.00000000000000E-0003 \r\n"
    " 1.00000000000000E+0003  1.00000000000000E+0000 \r\n"
    "Time\r\n2\r\nhour\r\nminute\r\n"
    " 1.00000000000000E+0000  1.66666666666667E-0002 \r\n"
    " 6.00000000000000E+0001  1.00000000000000E+0000 \r\n";

class UnitEditorWindowTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(scratch.isValid()); }

  QString Folder() const { return folder.isEmpty() ? scratch.path() + "/" : folder; }
  QString PathOf(const char* name) const { return Folder() + name; }
  void Write(const char* name, const std::string& bytes)
  {
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
  }
  std::string Read(const char* name) const
  {
    QFile file(PathOf(name));
    if (!file.open(QIODevice::ReadOnly))
      return "<none>";
    return file.readAll().toStdString();
  }

  void OpenConverter()
  {
    converter = std::make_unique<TfmConv>([] { return 12; }, Folder());
    grid::ShowFocused(*converter, *converter->tsgUnit, 420, 480);
  }

  // The menu the bar shows now (the menus of an earlier build go later).
  static QMenu* MenuOf(QMenuBar& bar, const QString& name)
  {
    for (QAction* action : bar.actions())
      if (action->menu() && action->menu()->objectName() == name)
        return action->menu();
    return nullptr;
  }
  // Opens a menu of a window's bar and clicks one of its items, as a user does with the mouse.
  void Choose(platform::TMainMenu& mainMenu, const QString& menuName, const QString& caption)
  {
    QApplication::processEvents();  // the bar is rebuilt after a change
    QMenuBar& bar = mainMenu.Bar();
    QMenu* menu = MenuOf(bar, menuName);
    ASSERT_NE(menu, nullptr) << menuName.toStdString();
    ClickAt(bar, bar.actionGeometry(menu->menuAction()).center());
    QApplication::processEvents();
    ASSERT_TRUE(menu->isVisible()) << menuName.toStdString();
    for (QAction* action : menu->actions()) {
      if (action->text() != caption)
        continue;
      ASSERT_TRUE(action->isEnabled()) << caption.toStdString();
      ClickAt(*menu, menu->actionGeometry(action).center());
      QApplication::processEvents();
      return;
    }
    menu->close();
    FAIL() << "no item " << caption.toStdString();
  }
  QStringList Captions(const QString& menuName)
  {
    QApplication::processEvents();
    QStringList captions;
    for (QAction* action : MenuOf(converter->MainMenu1->Bar(), menuName)->actions())
      captions << action->text();
    return captions;
  }
  void OpenEditor(const QString& caption)
  {
    Choose(*converter->MainMenu1, QStringLiteral("mmiEdit"), caption);
    ASSERT_TRUE(Editor().isVisible());
    QApplication::processEvents();
  }
  TfrmUnitDef& Editor() { return converter->UnitEditor(); }
  grid::TtsGrid& Cat() { return *Editor().tsgCat; }
  grid::TtsGrid& Units() { return *Editor().tsgUnit; }
  grid::TtsGrid& Coef() { return *Editor().tsgCoef; }

  // Clicks a cell, as a user does, and types into it after selecting what it holds.
  void ClickCell(grid::TtsGrid& grid, int col, int row)
  {
    grid.ScrollIntoView({col, row});
    QApplication::processEvents();
    ClickAt(grid, grid.CellBounds(col, row).center());
    QApplication::processEvents();
    ASSERT_EQ(grid.CurrentDataRow(), row);
    ASSERT_EQ(grid.CurrentDataCol(), col);
  }
  void TypeInto(grid::TtsGrid& grid, int col, int row, const QString& text)
  {
    ClickCell(grid, col, row);
    PressKey(grid::KeyTarget(grid), Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    PressKey(grid::KeyTarget(grid), Qt::Key_Delete);
    TypeText(grid::KeyTarget(grid), text);
  }
  void Press(grid::TtsGrid& grid, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
  {
    PressKey(grid::KeyTarget(grid), key, modifiers);
    QApplication::processEvents();
  }
  void Save() { Editor().sbtSave->click(); }

  // What the screen shows of a cell.
  QImage ShownCell(grid::TtsGrid& grid, int col, int row)
  {
    QApplication::processEvents();
    return grid.grab(grid.CellBounds(col, row)).toImage();
  }
  std::string CellOf(grid::TtsGrid& grid, int col, int row) { return grid.Cell(col, row).AsString(); }
  std::vector<std::string> Column(grid::TtsGrid& grid, int col)
  {
    std::vector<std::string> cells;
    for (int row = 1; row <= grid.Rows(); ++row)
      cells.push_back(CellOf(grid, col, row));
    return cells;
  }
  std::vector<std::string> Headings()
  {
    std::vector<std::string> headings;
    for (int col = 2; col <= Coef().Cols(); ++col)
      headings.push_back(Coef().Model().Col(col).Heading());
    return headings;
  }
  TUnitTableRead ReadBack(const char* name) { return ReadUnitTable(Read(name)); }

  QTemporaryDir scratch;
  QString folder;  // another folder than the scratch one
  std::unique_ptr<TfmConv> converter;
};

TEST_F(UnitEditorWindowTest, TheMenuOpensTheEditorOnATableWithItsFirstCategory)
{
  Write("Vexal.gun", kTable);
  OpenConverter();
  OpenEditor(QStringLiteral("&General"));
  EXPECT_EQ(Editor().windowTitle(), "Custom unit editor");
  EXPECT_EQ(Editor().Set(), TUnitSet::General);
  EXPECT_EQ(Editor().sbtSave->toolTip(), "Save");
  EXPECT_EQ(Editor().spbNew->toolTip(), "Create new category");
  EXPECT_EQ(Cat().Model().Col(1).Heading(), "Categories");
  EXPECT_EQ(Units().Model().Col(1).Heading(), "Units");
  EXPECT_EQ(Column(Cat(), 1), (std::vector<std::string>{"Length", "Time"}));
  EXPECT_EQ(Cat().CurrentDataRow(), 1);
  EXPECT_EQ(Column(Units(), 1), (std::vector<std::string>{"kilometer", "meter"}));
  // The factor grid: unit names as headings and as read-only row labels; column u + 1, row t holds
  // the factor from unit u to unit t.
  ASSERT_EQ(Coef().Rows(), 2);
  ASSERT_EQ(Coef().Cols(), 3);
  EXPECT_EQ(Headings(), (std::vector<std::string>{"kilometer", "meter"}));
  EXPECT_EQ(Column(Coef(), 1), (std::vector<std::string>{"kilometer", "meter"}));
  EXPECT_TRUE(Coef().Model().Col(1).ReadOnly());
  EXPECT_EQ(Coef().Model().Col(1).Color(), platform::clBtnFace);
  EXPECT_EQ(Column(Coef(), 2), (std::vector<std::string>{"1", "1000"}));
  EXPECT_EQ(Column(Coef(), 3), (std::vector<std::string>{"0.001", "1"}));

  // Another category by a click; nothing was edited, so nothing is asked.
  ClickCell(Cat(), 1, 2);
  EXPECT_EQ(Column(Units(), 1), (std::vector<std::string>{"hour", "minute"}));
  EXPECT_EQ(Column(Coef(), 3), (std::vector<std::string>{"0.0166666666666667", "1"}));

  // The custom table is missing: all three grids are empty.
  OpenEditor(QStringLiteral("&Custom"));
  EXPECT_EQ(Editor().Set(), TUnitSet::Custom);
  EXPECT_EQ(Cat().Rows(), 0);
  EXPECT_EQ(Units().Rows(), 0);
  EXPECT_EQ(Coef().Rows(), 0);
  EXPECT_EQ(Coef().Cols(), 1);
}

TEST_F(UnitEditorWindowTest, AFactorTypedAsANumberOrAnExpressionWritesItsReciprocal)
{
  Write("Vexal.unt", "1\r\nLength\r\n2\r\nfoot\r\nmeter\r\n1 1\r\n1 1\r\n");
  OpenConverter();
  OpenEditor(QStringLiteral("&Custom"));
  struct Case {
    const char* typed;       // the factor from unit 1 to unit 2: column 2, row 2
    const char* reciprocal;  // column 3, row 1; values computed apart
    const char* written;     // the field saved for the typed factor
  };
  const Case cases[] = {
      {"0.3048", "3.280839895013123", " 3.04800000000000E-0001"},
      {"1/3", "3", " 3.33333333333333E-0001"},
      {"7", "0.1428571428571429", " 7.00000000000000E+0000"},
      {"12", "0.08333333333333333", " 1.20000000000000E+0001"},
      {"1000", "0.001", " 1.00000000000000E+0003"},
      {"0", "unchanged", " 0.00000000000000E+0000"},
      {"abc", "unchanged", " 0.00000000000000E+0000"},
  };
  for (const auto& c : cases) {
    Coef().SetCell(3, 1, "unchanged");
    const QImage before = ShownCell(Coef(), 3, 1);
    TypeInto(Coef(), 2, 2, c.typed);
    Press(Coef(), Qt::Key_Up);  // the edit ends as the current cell moves
    EXPECT_EQ(CellOf(Coef(), 3, 1), c.reciprocal) << c.typed;
    EXPECT_EQ(ShownCell(Coef(), 3, 1) != before, std::string(c.reciprocal) != "unchanged") << c.typed;
    EXPECT_EQ(CellOf(Coef(), 2, 2), c.typed);
    EXPECT_TRUE(Editor().UnitsChanged());
    Coef().SetCell(3, 1, "1");
    Save();
    // Line 2 of the factors holds the factors into unit 2: from unit 1, then unit 2's own.
    const std::string file = Read("Vexal.unt");
    EXPECT_NE(file.find("\r\n" + std::string(c.written) + "  1.00000000000000E+0000 \r\n"), std::string::npos)
        << c.typed << "\n" << file;
    EXPECT_FALSE(Editor().UnitsChanged());
  }
  // A diagonal cell stays 1.
  TypeInto(Coef(), 2, 1, "5");
  Press(Coef(), Qt::Key_Down);
  EXPECT_EQ(CellOf(Coef(), 2, 1), "1");
}

TEST_F(UnitEditorWindowTest, SavedFieldsAndAnEmptyUnitNameAreWrittenInTheTableForm)
{
  Write("Vexal.unt", "1\r\nScale\r\n3\r\na\r\nb\r\nc\r\n1 1 1\r\n1 1 1\r\n1 1 1\r\n");
  OpenConverter();
  OpenEditor(QStringLiteral("&Custom"));
  TypeInto(Units(), 1, 1, "");
  TypeInto(Coef(), 2, 2, "1/0.3048");
  TypeInto(Coef(), 2, 3, "-1.5");
  TypeInto(Coef(), 3, 3, "0.001");
  Save();  // the reciprocals were written as each factor was typed
  const std::string expected =
      "1\r\nScale\r\n3\r\nUnit #1\r\nb\r\nc\r\n"
      " 1.00000000000000E+0000  3.04800000000000E-0001 -6.66666666666667E-0001 \r\n"
      " 3.28083989501312E+0000  1.00000000000000E+0000  1.00000000000000E+0003 \r\n"
      "-1.50000000000000E+0000  1.00000000000000E-0003  1.00000000000000E+0000 \r\n";
  EXPECT_EQ(Read("Vexal.unt"), expected);
  // The converter read the table again: its menu and its conversions follow the file.
  EXPECT_EQ(Captions("mmiGUser"), QStringList{"Scale"});
  EXPECT_EQ(converter->Converter().Custom.Categories[0].Units[0], "Unit #1");
  EXPECT_EQ(converter->Converter().Custom.Categories[0].Factors[1][2], 0.001);
}

TEST_F(UnitEditorWindowTest, DownOnTheLastUnitAddsARowAndAColumnOfZerosWithOneOnTheDiagonal)
{
  Write("Vexal.gun", kTable);
  OpenConverter();
  OpenEditor(QStringLiteral("&General"));
  ClickCell(Units(), 1, 2);
  Press(Units(), Qt::Key_Down);
  ASSERT_EQ(Units().Rows(), 3);
  EXPECT_EQ(Units().CurrentDataRow(), 3);
  ASSERT_EQ(Coef().Rows(), 3);
  ASSERT_EQ(Coef().Cols(), 4);
  EXPECT_EQ(Column(Coef(), 2), (std::vector<std::string>{"1", "1000", "0"}));
  EXPECT_EQ(Column(Coef(), 3), (std::vector<std::string>{"0.001", "1", "0"}));
  EXPECT_EQ(Column(Coef(), 4), (std::vector<std::string>{"0", "0", "1"}));
  TypeText(grid::KeyTarget(Units()), "mile");
  // Down again names an empty unit "Unit #" and its number; the popup's "Add unit" acts as Down.
  Press(Units(), Qt::Key_Down);
  EXPECT_EQ(Headings(), (std::vector<std::string>{"kilometer", "meter", "mile", ""}));
  EXPECT_EQ(Column(Coef(), 1)[2], "mile");
  {
    ModalScript script;
    script.ChooseItem(QStringLiteral("miAddUnit"));
    const QRect cell = Units().CellBounds(1, 4);
    testing_support::SendMouse(Units(), QEvent::MouseButtonPress, cell.center(), Qt::RightButton, Qt::RightButton);
    testing_support::SendMouse(Units(), QEvent::MouseButtonRelease, cell.center(), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Column(Units(), 1), (std::vector<std::string>{"kilometer", "meter", "mile", "Unit #4", ""}));
  EXPECT_EQ(Coef().Cols(), 6);
  Save();
  const TUnitTableRead read = ReadBack("Vexal.gun");
  EXPECT_FALSE(read.Damaged);
  ASSERT_EQ(read.Table.Categories.size(), 2u);
  EXPECT_EQ(read.Table.Categories[0].Units,
            (std::vector<std::string>{"kilometer", "meter", "mile", "Unit #4", "Unit #5"}));
  EXPECT_EQ(read.Table.Categories[0].Factors[1][0], 0.001);
  EXPECT_EQ(read.Table.Categories[0].Factors[4][4], 1.0);
  EXPECT_EQ(read.Table.Categories[1].Units, (std::vector<std::string>{"hour", "minute"}));
}

TEST_F(UnitEditorWindowTest, ANewCustomCategorySavedAtOnceReadsBackAsOneByOneAndTheConverterShowsIt)
{
  OpenConverter();
  OpenEditor(QStringLiteral("&Custom"));
  Editor().spbNew->click();
  QApplication::processEvents();
  ASSERT_EQ(Cat().Rows(), 1);
  EXPECT_EQ(Cat().CurrentDataRow(), 1);
  EXPECT_EQ(Units().Rows(), 1);  // one empty unit row
  EXPECT_EQ(Coef().Rows(), 0);
  EXPECT_TRUE(Editor().CategoriesChanged());
  Save();
  EXPECT_EQ(Read("Vexal.unt"), "1\r\nCategory #1\r\n1\r\nUnit #1\r\n 1.00000000000000E+0000 \r\n");
  EXPECT_EQ(CellOf(Cat(), 1, 1), "Category #1");
  ASSERT_EQ(Captions("mmiGUser"), QStringList{"Category #1"});
  Choose(*converter->MainMenu1, QStringLiteral("mmiGUser"), QStringLiteral("Category #1"));
  EXPECT_EQ(converter->lbUnit->text(), "Category #1: ");
  ASSERT_EQ(converter->tsgUnit->Rows(), 1);
  EXPECT_EQ(converter->tsgUnit->Cell(1, 1).AsString(), "Unit #1");
}

TEST_F(UnitEditorWindowTest, ANewCategoryWithUnitsTypedButNoFactorRowsKeepsTheCategoriesAfterIt)
{
  Write("Vexal.gun", kTable);
  OpenConverter();
  OpenEditor(QStringLiteral("&General"));
  ClickCell(Cat(), 1, 2);
  Press(Cat(), Qt::Key_Down);
  ASSERT_EQ(Cat().Rows(), 3);
  TypeText(grid::KeyTarget(Cat()), "Speed");
  TypeInto(Units(), 1, 1, "knot");
  Save();  // the factor grid never got a row for "knot"
  const TUnitTableRead read = ReadBack("Vexal.gun");
  EXPECT_FALSE(read.Damaged);
  ASSERT_EQ(read.Table.Categories.size(), 3u);
  EXPECT_EQ(read.Table.Categories[2].Name, "Speed");
  EXPECT_EQ(read.Table.Categories[2].Units, (std::vector<std::string>{"knot"}));
  EXPECT_EQ(read.Table.Categories[2].Factors, (std::vector<std::vector<double>>{{1}}));
  EXPECT_EQ(Captions("mmiGCat"), (QStringList{"Length", "Time", "Speed"}));
}

TEST_F(UnitEditorWindowTest, CtrlDeleteDeletesTheCategoryOfItsRowAfterAskingAndReopens)
{
  Write("Vexal.gun",
        "3\r\nLength\r\n1\r\nmeter\r\n1\r\nX\r\n1\r\nsecond\r\n1\r\nX\r\n2\r\nfoo\r\nbar\r\n1 2\r\n0.5 1\r\n");
  OpenConverter();
  Choose(*converter->MainMenu1, QStringLiteral("mmiGCat"), QStringLiteral("X"));  // the X of row 2
  OpenEditor(QStringLiteral("&General"));
  ClickCell(Cat(), 1, 3);
  {
    ModalScript script;
    script.ExpectMessage(QStringLiteral("Do you realy want to delete the category \"X\""), platform::mrNo);
    Press(Cat(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Cat().Rows(), 3);
  std::vector<platform::TMsgDlgType> types;
  {
    ModalScript script;
    script.Then([&types](platform::ModalSubject& subject) {
      auto& box = dynamic_cast<platform::MessageBoxSubject&>(subject);
      EXPECT_EQ(box.Buttons(), platform::mbYes | platform::mbNo);
      types.push_back(box.Type());
      return platform::mrYes;
    });
    Press(Cat(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(types, std::vector<platform::TMsgDlgType>{platform::mtWarning});
  const TUnitTableRead read = ReadBack("Vexal.gun");
  EXPECT_FALSE(read.Damaged);
  ASSERT_EQ(read.Table.Categories.size(), 2u);
  EXPECT_EQ(read.Table.Categories[1].Name, "X");
  EXPECT_EQ(read.Table.Categories[1].Units, std::vector<std::string>{"second"});
  // The editor opened again on the table, the converter's menu was rebuilt and its X shown again.
  EXPECT_EQ(Column(Cat(), 1), (std::vector<std::string>{"Length", "X"}));
  EXPECT_EQ(Cat().CurrentDataRow(), 1);
  EXPECT_EQ(Captions("mmiGCat"), (QStringList{"Length", "X"}));
  EXPECT_EQ(converter->tsgUnit->Cell(1, 1).AsString(), "second");

  // The category the converter shows is deleted by the popup: its grid, label and check mark clear.
  ClickCell(Cat(), 1, 2);
  {
    ModalScript script;
    script.ChooseItem(QStringLiteral("miDeleteCategory"));
    script.ExpectMessage(QStringLiteral("Do you realy want to delete the category \"X\""), platform::mrYes);
    const QRect cell = Cat().CellBounds(1, 2);
    testing_support::SendMouse(Cat(), QEvent::MouseButtonPress, cell.center(), Qt::RightButton, Qt::RightButton);
    testing_support::SendMouse(Cat(), QEvent::MouseButtonRelease, cell.center(), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Read("Vexal.gun").substr(0, 3), "1\r\n");
  EXPECT_EQ(converter->tsgUnit->Rows(), 0);
  EXPECT_EQ(converter->lbUnit->text(), "");
  EXPECT_EQ(converter->Converter().Shown(), nullptr);
  EXPECT_FALSE(converter->mmiGCat->Item(0).Checked());
  EXPECT_FALSE(converter->mmiGCat->Item(1).Checked());
  EXPECT_EQ(Captions("mmiGCat"), QStringList{"Length"});
}

TEST_F(UnitEditorWindowTest, LeavingAnEditedCategoryAsksAndNoDiscardsEveryEdit)
{
  Write("Vexal.gun", kTable);
  const std::string before = Read("Vexal.gun");
  OpenConverter();
  OpenEditor(QStringLiteral("&General"));
  TypeInto(Cat(), 1, 1, "Distance");
  TypeInto(Units(), 1, 2, "metre");
  TypeInto(Coef(), 2, 2, "999");
  ClickCell(Units(), 1, 1);
  {
    ModalScript script;
    script.ChooseItem(QStringLiteral("miDeleteUnit"));
    script.ExpectMessage(QStringLiteral("Do you realy want to delete the unit \"kilometer\""), platform::mrYes);
    const QRect cell = Units().CellBounds(1, 1);
    testing_support::SendMouse(Units(), QEvent::MouseButtonPress, cell.center(), Qt::RightButton, Qt::RightButton);
    testing_support::SendMouse(Units(), QEvent::MouseButtonRelease, cell.center(), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Column(Units(), 1), std::vector<std::string>{"metre"});
  EXPECT_EQ(Headings(), std::vector<std::string>{"metre"});
  EXPECT_EQ(Column(Coef(), 2), std::vector<std::string>{"1"});
  {
    ModalScript script;
    script.ExpectMessage(QStringLiteral("Data may be not saved! Save?"), platform::mrNo);
    ClickCell(Cat(), 1, 2);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Read("Vexal.gun"), before);
  EXPECT_EQ(Column(Cat(), 1), (std::vector<std::string>{"Length", "Time"}));
  EXPECT_EQ(converter->Converter().General.Categories[0].Name, "Length");
  ClickCell(Cat(), 1, 1);  // nothing edited since: no question
  EXPECT_EQ(Column(Units(), 1), (std::vector<std::string>{"kilometer", "meter"}));
  EXPECT_EQ(Column(Coef(), 2), (std::vector<std::string>{"1", "1000"}));

  // Deleting a unit alone is an edit too; Yes saves it before the other category shows.
  ClickCell(Units(), 1, 1);
  {
    ModalScript script;
    script.ExpectMessage(QStringLiteral("Do you realy want to delete the unit \"kilometer\""), platform::mrYes);
    Press(Units(), Qt::Key_Delete, Qt::ControlModifier);
    script.ExpectMessage(QStringLiteral("Data may be not saved! Save?"), platform::mrYes);
    ClickCell(Cat(), 1, 2);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  const TUnitTableRead read = ReadBack("Vexal.gun");
  ASSERT_EQ(read.Table.Categories.size(), 2u);
  EXPECT_EQ(read.Table.Categories[0].Units, std::vector<std::string>{"meter"});
  EXPECT_EQ(Column(Units(), 1), (std::vector<std::string>{"hour", "minute"}));
}

TEST_F(UnitEditorWindowTest, DeletingTheUnitWhoseNameIsBeingTypedLeavesTheNextUnitInItsPlace)
{
  Write("Vexal.gun", kTable);
  OpenConverter();
  OpenEditor(QStringLiteral("&General"));
  TypeInto(Units(), 1, 1, "km");  // not committed: the editor still holds it
  ASSERT_TRUE(Units().CellEditing());
  {
    ModalScript script;
    script.ExpectMessage(QStringLiteral("Do you realy want to delete the unit \"km\""), platform::mrYes);
    Press(Units(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Column(Units(), 1), std::vector<std::string>{"meter"});
  EXPECT_EQ(Units().TextEditor().Value().AsString(), "meter");
  EXPECT_EQ(Headings(), std::vector<std::string>{"meter"});
  EXPECT_EQ(Column(Coef(), 1), std::vector<std::string>{"meter"});
  EXPECT_EQ(Column(Coef(), 2), std::vector<std::string>{"1"});
  // The factor grid's screen shows the unit that moved up as its label: as the label written anew draws it.
  const QImage shown = ShownCell(Coef(), 1, 1);
  Coef().SetCell(1, 1, "kilometer");
  ASSERT_NE(ShownCell(Coef(), 1, 1), shown);
  Coef().SetCell(1, 1, "meter");
  EXPECT_EQ(ShownCell(Coef(), 1, 1), shown);
}

TEST_F(UnitEditorWindowTest, ARenameSavedWithYesReachesTheConvertersMenuAndItsShownCategory)
{
  Write("Vexal.gun", kTable);
  OpenConverter();
  Choose(*converter->MainMenu1, QStringLiteral("mmiGCat"), QStringLiteral("Length"));
  OpenEditor(QStringLiteral("&General"));
  TypeInto(Cat(), 1, 1, "Distance");
  TypeInto(Units(), 1, 1, "km");
  {
    ModalScript script;
    script.ExpectMessage(QStringLiteral("Data may be not saved! Save?"), platform::mrYes);
    ClickCell(Cat(), 1, 2);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Captions("mmiGCat"), (QStringList{"Distance", "Time"}));
  EXPECT_EQ(converter->lbUnit->text(), "Distance: ");
  EXPECT_EQ(converter->tsgUnit->Cell(1, 1).AsString(), "km");
  EXPECT_TRUE(converter->mmiGCat->Item(0).Checked());
  // What reaches the screen: the converter's grid shows the new name.
  QApplication::processEvents();
  const QImage shown = converter->tsgUnit->grab().toImage();
  converter->tsgUnit->SetCell(1, 1, "kilometer");
  QApplication::processEvents();
  EXPECT_NE(converter->tsgUnit->grab().toImage(), shown);
}

TEST_F(UnitEditorWindowTest, ASaveOntoAFullDiskKeepsTheOldFileAndSaysSo)
{
  testsupport::FullDisk disk;
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  folder = QString::fromStdString(disk.Path(""));
  Write("Vexal.gun", kTable);
  disk.Fill();
  OpenConverter();
  OpenEditor(QStringLiteral("&General"));
  ClickCell(Units(), 1, 2);
  Press(Units(), Qt::Key_Down);
  {
    ModalScript script;
    script.Then([this](platform::ModalSubject& subject) {
      auto& box = dynamic_cast<platform::MessageBoxSubject&>(subject);
      EXPECT_EQ(box.Text(), "Can not create or rewrite file <" + PathOf("Vexal.gun") + ">");
      EXPECT_EQ(box.Type(), platform::mtError);
      EXPECT_EQ(box.Buttons(), platform::mbOK);
      return platform::mrOk;
    });
    Save();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Read("Vexal.gun"), kTable);
  EXPECT_TRUE(Editor().UnitsChanged());  // still to be saved
  // A category deleted there: the save before the deletion fails, and nothing is deleted.
  {
    ModalScript script;
    script.ExpectMessage(QStringLiteral("Data may be not saved! Save?"), platform::mrNo);
    ClickCell(Cat(), 1, 2);
    script.ExpectMessage(QStringLiteral("Do you realy want to delete the category \"Time\""), platform::mrYes);
    script.ExpectMessage("Can not create or rewrite file <" + PathOf("Vexal.gun") + ">", platform::mrOk);
    Press(Cat(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Read("Vexal.gun"), kTable);
  EXPECT_EQ(Column(Cat(), 1), (std::vector<std::string>{"Length", "Time"}));
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary file left
}

TEST_F(UnitEditorWindowTest, HostileTablesNeverCrashTheEditor)
{
  std::vector<std::string> files = testsupport::OddFiles();
  const std::vector<std::string> valid = {kTable};
  const std::vector<std::string> replaced = testsupport::LineReplacements(valid);
  for (std::size_t i = 0; i < replaced.size(); i += 7)  // a sample of every line and every kind of text
    files.push_back(replaced[i]);
  TUnitTable wide;
  wide.Categories.push_back({std::string(5000, '&'), std::vector<std::string>(300, "u\x01&"), {}});
  files.push_back(WriteUnitTable(wide));
  ModalScript script([](const QString&) {});  // the converter's warnings answered with Cancel
  for (std::size_t i = 0; i < files.size(); ++i) {
    Write("Vexal.gun", files[i]);
    OpenConverter();
    Editor().Open(TUnitSet::General);
    for (int row = Cat().Rows(); row >= 1; --row) {
      Cat().SetCurrentDataRow(row);
      Press(Units(), Qt::Key_Down);
    }
    Save();
    const TUnitTableRead read = ReadBack("Vexal.gun");
    EXPECT_FALSE(read.Damaged) << i;
    EXPECT_EQ(int(read.Table.Categories.size()), Cat().Rows()) << i;
  }
}

TEST_F(UnitEditorWindowTest, EveryKeyOnEveryControlLeavesATableThatSavesWhole)
{
  Write("Vexal.gun", kTable);
  OpenConverter();
  OpenEditor(QStringLiteral("&General"));
  testing_support::KeyStorm(Editor(), [this] { Editor().Open(Editor().Set()); });
  Editor().Open(TUnitSet::General);
  Save();
  const TUnitTableRead read = ReadBack("Vexal.gun");
  EXPECT_FALSE(read.Damaged);
  ASSERT_GE(read.Table.Categories.size(), 1u);
  for (const TUnitCategory& category : read.Table.Categories)
    EXPECT_EQ(category.Factors.size(), category.Units.size()) << category.Name;
}

}  // namespace
}  // namespace tools
