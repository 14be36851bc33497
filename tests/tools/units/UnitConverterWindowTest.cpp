// The unit converter as a user meets it: categories chosen from the menu bar with the mouse, values
// typed into the grid's Value cells, and what the other rows, their colours and the labels show.
#include "tools/units/UnitConverterWindow.h"

#include "engine/EngineState.h"
#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"
#include "platform/Color.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "platform/ModalRun.h"
#include "tests/grid/ShownGrid.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace tools {
namespace {

using platform::ModalScript;
using testing_support::ClickAt;
using testing_support::PressKey;
using testing_support::TypeText;

QString ShippedTable() { return QStringLiteral(VEXAL_SOURCE_DIR "data/Vexal.gun"); }

class UnitConverterWindowTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    engine::NotationMode = engine::nmScn;
  }
  void TearDown() override { engine::NotationMode = savedNotation; }

  void Write(const QString& name, const std::string& bytes)
  {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
  }
  void ShipGeneralTable() { ASSERT_TRUE(QFile::copy(ShippedTable(), folder.filePath("Vexal.gun"))); }

  // Creates the window over the folder's tables and shows it with the grid focused.
  void Open()
  {
    window = std::make_unique<TfmConv>([this] { return digits; }, folder.path() + "/");
    grid::ShowFocused(*window, *window->tsgUnit, 420, 640);
  }

  // Opens a menu of the bar and clicks one of its items, as a user does with the mouse.
  void Choose(const QString& menuName, const QString& caption)
  {
    QApplication::processEvents();  // the bar is rebuilt after a change
    QMenuBar& bar = window->MainMenu1->Bar();
    QMenu* menu = bar.findChild<QMenu*>(menuName, Qt::FindDirectChildrenOnly);
    ASSERT_NE(menu, nullptr) << menuName.toStdString();
    ClickAt(bar, bar.actionGeometry(menu->menuAction()).center());
    QApplication::processEvents();
    ASSERT_TRUE(menu->isVisible()) << menuName.toStdString();
    for (QAction* action : menu->actions()) {
      if (action->text() != caption)
        continue;
      ClickAt(*menu, menu->actionGeometry(action).center());
      QApplication::processEvents();
      return;
    }
    menu->close();
    FAIL() << "no item " << caption.toStdString();
  }
  void General(const QString& caption) { Choose(QStringLiteral("mmiGCat"), caption); }

  grid::TtsGrid& Grid() { return *window->tsgUnit; }
  int RowOf(const std::string& unit)
  {
    for (int row = 1; row <= Grid().Rows(); ++row)
      if (Grid().Cell(1, row).AsString() == unit)
        return row;
    ADD_FAILURE() << "no unit " << unit;
    return 1;
  }
  // Clicks the Value cell of a row and types into it, as a user does.
  void TypeAt(int row, const QString& text)
  {
    Grid().ScrollIntoView({2, row});
    QApplication::processEvents();
    ClickAt(Grid(), Grid().CellBounds(2, row).center());
    ASSERT_EQ(Grid().CurrentDataRow(), row);
    ASSERT_EQ(Grid().CurrentDataCol(), 2);
    SelectAllAndType(text);
  }
  void SelectAllAndType(const QString& text)
  {
    PressKey(grid::KeyTarget(Grid()), Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    PressKey(grid::KeyTarget(Grid()), Qt::Key_Delete);
    TypeText(grid::KeyTarget(Grid()), text);
  }
  std::string Value(int row) { return Grid().Cell(2, row).AsString(); }
  std::string Value(const std::string& unit) { return Value(RowOf(unit)); }
  platform::TColor ColorOf(int row) { return Grid().CellAt(2, row).Color(); }
  QString UnitLabel() const { return window->lbUnit->text(); }
  QString ToLabel() const { return window->lbTo->text(); }
  // The colour shown in the middle of a Value cell's left part (clear of its text), off the screen.
  QColor ShownColor(int row)
  {
    QApplication::processEvents();
    const QRect cell = Grid().CellBounds(2, row);
    return Grid().grab().toImage().pixelColor(cell.left() + 3, cell.center().y());
  }

  QTemporaryDir folder;
  std::unique_ptr<TfmConv> window;
  int digits = 12;
  int savedNotation = engine::NotationMode;
};

TEST_F(UnitConverterWindowTest, BeforeACategoryIsChosenThereAreNoRowsAndTypingWritesNothing)
{
  ShipGeneralTable();
  Open();
  EXPECT_EQ(window->windowTitle(), "Units Convertor");
  EXPECT_EQ(Grid().Rows(), 0);
  EXPECT_EQ(Grid().Cols(), 2);
  EXPECT_EQ(UnitLabel(), "Length");
  TypeText(grid::KeyTarget(Grid()), "5");
  EXPECT_EQ(Grid().Rows(), 0);
  EXPECT_EQ(window->Converter().Shown(), nullptr);
  // The columns: the names read only on the button face, both headings centred.
  EXPECT_EQ(Grid().Model().Col(1).Heading(), "Unit name");
  EXPECT_EQ(Grid().Model().Col(2).Heading(), "Value");
  EXPECT_TRUE(Grid().Model().Col(1).ReadOnly());
  EXPECT_EQ(Grid().Model().Col(1).Color(), platform::clBtnFace);
  EXPECT_EQ(Grid().Model().Col(1).HeadingHorzAlignment(), grid::htaCenter);
  EXPECT_EQ(Grid().Model().Col(2).HeadingHorzAlignment(), grid::htaCenter);
}

TEST_F(UnitConverterWindowTest, TheMenuShowsACategoryWithItsCheckAndLbToFollowsTheCurrentRow)
{
  ShipGeneralTable();
  Open();
  platform::TMenuItem& general = *window->mmiGCat;
  ASSERT_EQ(general.Count(), 12);
  EXPECT_EQ(general.Item(0).Name(), "mmiGCat1");
  EXPECT_EQ(general.Item(3).Caption(), "Mass");
  EXPECT_EQ(general.Item(3).Tag, 3);
  EXPECT_EQ(window->mmiGUser->Count(), 0);  // no Vexal.unt
  // The unit-table editor's commands.
  platform::TMenuItem* edit = window->MainMenu1->Items().Find("mmiEdit");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Caption(), "&Create/edit categories");
  ASSERT_EQ(edit->Count(), 2);
  EXPECT_EQ(edit->Item(0).Caption(), "&General");
  EXPECT_EQ(edit->Item(1).Caption(), "&Custom");
  EXPECT_TRUE(edit->Item(0).Enabled());
  EXPECT_TRUE(edit->Item(1).Enabled());

  General("Length");
  EXPECT_EQ(UnitLabel(), "Length: ");
  EXPECT_EQ(ToLabel(), "meter to ...");
  ASSERT_EQ(Grid().Rows(), 15);
  EXPECT_EQ(Grid().Cell(1, 1).AsString(), "meter");
  EXPECT_EQ(Grid().Cell(1, 15).AsString(), "parsec");
  EXPECT_EQ(Grid().CurrentDataCol(), 2);
  EXPECT_EQ(Grid().CurrentDataRow(), 1);
  EXPECT_TRUE(general.Item(0).Checked());

  PressKey(grid::KeyTarget(Grid()), Qt::Key_Down);
  EXPECT_EQ(ToLabel(), "kilometer to ...");
  ClickAt(Grid(), Grid().CellBounds(2, 4).center());
  EXPECT_EQ(ToLabel(), "millimeter to ...");

  General("Mass");
  EXPECT_EQ(UnitLabel(), "Mass: ");
  EXPECT_EQ(ToLabel(), "kilogram to ...");
  EXPECT_EQ(Grid().Rows(), 12);
  EXPECT_FALSE(general.Item(0).Checked());
  EXPECT_TRUE(general.Item(3).Checked());
  QApplication::processEvents();
  const QList<QAction*> shown = window->MainMenu1->Bar().findChild<QMenu*>("mmiGCat")->actions();
  EXPECT_FALSE(shown[0]->isChecked());
  EXPECT_TRUE(shown[3]->isChecked());
}

TEST_F(UnitConverterWindowTest, AValueTypedForOneUnitShowsInTheOthers)
{
  ShipGeneralTable();
  Open();
  struct Case {
    const char* category;
    const char* from;
    const char* typed;
    std::map<std::string, std::string> shown;  // values computed apart, at 12 display digits
  };
  const Case cases[] = {
      {"Length", "mile", "1", {{"meter", "1.609344E+3"}, {"foot", "5.28E+3"}, {"inch", "6.336E+4"}}},
      {"Mass", "pound", "1", {{"kilogram", "4.5359237E-1"}, {"ounce", "1.6E+1"}}},
      {"Pressure", "atmosphere", "1",
       {{"torr", "7.6E+2"}, {"bar", "1.01325E+0"}, {"pound per square inch", "1.4695949E+1"}}},
      {"Energy", "kilowatt hour", "1", {{"joule", "3.6E+6"}}},
      {"Volume", "US gallon", "1", {{"liter", "3.7854118E+0"}}},
      {"Speed", "kilometer per hour", "100", {{"knot", "5.399568E+1"}}},
      {"Length", "kilometer", "1e3", {{"meter", "1.0E+6"}}},  // "1e3" is 1000
  };
  for (const auto& c : cases) {
    General(c.category);
    TypeAt(RowOf(c.from), c.typed);
    for (const auto& [unit, text] : c.shown)
      EXPECT_EQ(Value(unit), text) << c.from << " -> " << unit;
    EXPECT_EQ(Value(c.from), c.typed);
  }
}

TEST_F(UnitConverterWindowTest, TemperatureGoesByItsFormulasFromEachScale)
{
  ShipGeneralTable();
  Open();
  General("Temperature");
  ASSERT_EQ(Grid().Rows(), 5);
  struct Case {
    int row;
    const char* typed;
    const char* shown[5];  // the typed row keeps what was typed
  };
  const Case cases[] = {
      {1, "100", {"100", "2.12E+2", "3.7315E+2", "6.7167E+2", "8.0E+1"}},
      {2, "-40", {"-4.0E+1", "-40", "2.3315E+2", "4.1967E+2", "-3.2E+1"}},
      {2, "32", {"0.0E+0", "32", "2.7315E+2", "4.9167E+2", "0.0E+0"}},
      {4, "491.67", {"0.0E+0", "3.2E+1", "2.7315E+2", "491.67", "0.0E+0"}},
      {3, "0", {"-2.7315E+2", "-4.5967E+2", "0", "0.0E+0", "-2.1852E+2"}},
      {5, "80", {"1.0E+2", "2.12E+2", "3.7315E+2", "6.7167E+2", "80"}},
  };
  for (const auto& c : cases) {
    TypeAt(c.row, c.typed);
    for (int row = 1; row <= 5; ++row)
      EXPECT_EQ(Value(row), c.shown[row - 1]) << c.typed << " in row " << c.row << ", row " << row;
  }
}

// A general table of one category with factor[0][1] = 1000 and an unknown factor (0) into the third unit.
const std::string kLengthTable =
    "1\r\nLength\r\n3\r\nkilometer\r\nmeter\r\nfurlong\r\n"
    " 1.0E+0000 1.0E-0003 0.0E+0000 \r\n"
    " 1.0E+0003 1.0E+0000 0.0E+0000 \r\n"
    " 0.0E+0000 0.0E+0000 1.0E+0000 \r\n";

TEST_F(UnitConverterWindowTest, ANonNumberTurnsItsCellRedAndAClearedCellTakesTheWindowColour)
{
  Write("Vexal.gun", kLengthTable);
  Open();
  General("Length");
  TypeAt(1, "2");
  EXPECT_EQ(Value(2), "2.0E+3");
  EXPECT_EQ(Value(3), "");  // an unknown factor gives no result, not 0
  EXPECT_EQ(ColorOf(1), platform::clWindow);

  SelectAllAndType("1x");
  EXPECT_EQ(ColorOf(1), platform::clRed);
  EXPECT_EQ(Value(2), "1.0E+3");  // "1" converted as it was typed; "1x" changed nothing
  const QColor red = ShownColor(1);
  EXPECT_GT(red.red(), 200);
  EXPECT_LT(red.green(), 60);
  EXPECT_LT(red.blue(), 60);

  SelectAllAndType("");
  EXPECT_EQ(Value(1), "");
  EXPECT_EQ(ColorOf(1), platform::clWindow);
  EXPECT_EQ(Value(2), "1.0E+3");  // clearing leaves the other rows as they were
  EXPECT_NE(ShownColor(1), red);

  // A red cell that gets a result is a number again.
  SelectAllAndType("x");
  TypeAt(2, "5000");
  EXPECT_EQ(Value(1), "5.0E+0");
  EXPECT_EQ(ColorOf(1), platform::clWindow);
  // The main window's display digits at the time of the conversion.
  digits = 4;
  TypeAt(2, "1234.5678");
  EXPECT_EQ(Value(1), "1.2E+0");
}

TEST_F(UnitConverterWindowTest, ChoosingAnotherCategoryStartsWithEmptyValueCells)
{
  ShipGeneralTable();
  Open();
  General("Length");
  TypeAt(2, "1x");
  TypeAt(1, "7");
  General("Area");
  ASSERT_EQ(Grid().Rows(), 11);
  for (int row = 1; row <= 11; ++row) {
    EXPECT_EQ(Value(row), "") << row;
    EXPECT_EQ(ColorOf(row), platform::clWindow) << row;
  }
  EXPECT_EQ(grid::KeyTarget(Grid()).property("text").toString(), QString());  // the editor too
  TypeAt(1, "1");
  EXPECT_EQ(Value("hectare"), "1.0E-4");
}

TEST_F(UnitConverterWindowTest, CustomCategoriesGoByFactorsWhateverTheirName)
{
  Write("Vexal.gun",
        "1\r\nTemperature\r\n3\r\nCelsius\r\nFahrenheit\r\nKelvin\r\n"
        "1 0.5555555555555556 1\r\n1.8 1 1.8\r\n1 0.5555555555555556 1\r\n");
  Write("Vexal.unt",
        "3\r\ntemperature\r\n2\r\nC\r\nF\r\n1 0.5\r\n2 1\r\n"
        "Temperature\r\n2\r\nC\r\nF\r\n1 0.5\r\n2 1\r\n"
        "R&D\r\n1\r\nhour\r\n1\r\n");
  Open();
  ASSERT_EQ(window->mmiGUser->Count(), 3);
  // An "&" of a name is shown as it stands, not taken for an accelerator mark.
  EXPECT_EQ(window->mmiGUser->Item(2).Caption(), "R&&D");
  Choose(QStringLiteral("mmiGUser"), QStringLiteral("R&&D"));
  EXPECT_EQ(UnitLabel(), "R&D: ");
  EXPECT_EQ(window->mmiGUser->Item(1).Name(), "miUnit2");
  Choose(QStringLiteral("mmiGUser"), QStringLiteral("temperature"));
  EXPECT_EQ(UnitLabel(), "temperature: ");
  TypeAt(1, "100");
  EXPECT_EQ(Value(2), "2.0E+2");  // by the factor, not the formula
  Choose(QStringLiteral("mmiGUser"), QStringLiteral("Temperature"));
  TypeAt(1, "100");
  EXPECT_EQ(Value(2), "2.0E+2");
  EXPECT_TRUE(window->mmiGUser->Item(1).Checked());
  EXPECT_FALSE(window->mmiGUser->Item(0).Checked());

  // A general "Temperature" of three rows: the formulas fill the rows there are.
  General("Temperature");
  EXPECT_FALSE(window->mmiGUser->Item(1).Checked());
  ASSERT_EQ(Grid().Rows(), 3);
  TypeAt(3, "0");
  EXPECT_EQ(Value(1), "-2.7315E+2");
  EXPECT_EQ(Value(2), "-4.5967E+2");
}

TEST_F(UnitConverterWindowTest, DamagedTablesAreReportedAndTheCategoriesBeforeTheDamageStay)
{
  Write("Vexal.gun", "3\r\nLength\r\n1\r\nmeter\r\n1\r\nMass\r\n1\r\nkilogram\r\n1\r\n"
                     "Time\r\n2\r\nsecond\r\nminute\r\n1 60\r\n0.0166 x\r\n");
  Write("Vexal.unt", "2\r\nMine\r\n1\r\nfoo\r\n1\r\nYours\r\n2000000000\r\n");
  std::vector<platform::TMsgDlgType> types;
  {
    ModalScript script;
    const auto expect = [&](const QString& text) {
      script.Then([&types, text](platform::ModalSubject& subject) {
        auto& box = dynamic_cast<platform::MessageBoxSubject&>(subject);
        EXPECT_EQ(box.Text(), text);
        EXPECT_EQ(box.Buttons(), platform::mbOK);
        types.push_back(box.Type());
        return platform::mrOk;
      });
    };
    expect(QStringLiteral("User define units invalid!"));  // the custom table is read first
    expect(QStringLiteral("General category is invalid!"));
    Open();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(types, (std::vector<platform::TMsgDlgType>{platform::mtWarning, platform::mtWarning}));
  ASSERT_EQ(window->mmiGCat->Count(), 2);
  EXPECT_EQ(window->mmiGCat->Item(1).Caption(), "Mass");
  ASSERT_EQ(window->mmiGUser->Count(), 1);
  General("Mass");
  EXPECT_EQ(Grid().Rows(), 1);
  EXPECT_EQ(ToLabel(), "kilogram to ...");
}

TEST_F(UnitConverterWindowTest, MissingTablesGiveEmptyMenusAndNoMessage)
{
  Open();  // no script: a message box would fail the run
  EXPECT_EQ(window->mmiGCat->Count(), 0);
  EXPECT_EQ(window->mmiGUser->Count(), 0);
  EXPECT_EQ(Grid().Rows(), 0);
}

TEST_F(UnitConverterWindowTest, ExitHidesTheWindowAndThePanelSizesTheColumns)
{
  ShipGeneralTable();
  Open();
  EXPECT_EQ(Grid().DefaultColWidth(), (window->Panel1->width() - 35) / 2);
  window->resize(600, 500);
  QApplication::processEvents();
  EXPECT_EQ(Grid().DefaultColWidth(), (window->Panel1->width() - 35) / 2);
  Choose(QStringLiteral("mmiFile"), QStringLiteral("E&xit"));
  EXPECT_FALSE(window->isVisible());
}

TEST(UnitConverterTest, TypedTextsReadAsCLocaleNumbers)
{
  struct Case {
    const char* text;
    bool number;
    long double value;
  };
  const Case cases[] = {
      {"1e3", true, 1000},     {"-40", true, -40},  {" 2.5 ", true, 2.5L}, {"+5", true, 5},
      {".5", true, 0.5L},      {"1E+0003", true, 1000},
      {"1x", false, 0},        {"1,5", false, 0},   {"inf", false, 0},     {"nan", false, 0},
      {"-", false, 0},         {"e3", false, 0},    {"0x10", false, 0},    {"1e5000", false, 0},
      {"--1", false, 0},       {"+-1", false, 0},
  };
  for (const auto& c : cases) {
    const auto value = ReadTypedValue(c.text);
    EXPECT_EQ(value.has_value(), c.number) << c.text;
    if (value && c.number) {
      EXPECT_EQ(*value, c.value) << c.text;
    }
  }
  // The typed text as an extended value: 491.67 R is exactly 0 C.
  TUnitConverter converter;
  converter.General.Categories.push_back(
      {"Temperature", {"Celsius", "Fahrenheit", "Kelvin", "Rankine", "Reaumur"}, std::vector(5, std::vector(5, 1.0))});
  ASSERT_TRUE(converter.Choose(TUnitSet::General, 0));
  const TUnitEdit edit = converter.Edit(3, "491.67");
  ASSERT_EQ(edit.Kind, TUnitEdit::Converted);
  EXPECT_EQ(edit.Results[0].Number, 0.0L);
  EXPECT_EQ(edit.Results[4].Number, 0.0L);
  EXPECT_FALSE(converter.Choose(TUnitSet::Custom, 0));  // no custom categories
  EXPECT_EQ(converter.Edit(0, "").Kind, TUnitEdit::Cleared);
  EXPECT_EQ(converter.Edit(0, "1x").Kind, TUnitEdit::NotANumber);
}

}  // namespace
}  // namespace tools
