// "Paste Series from Clipboard" driven through its window: pastes, file columns, grid commands and
// what OK makes of the series.
#include "PlotFixture.h"

#include "plotui/data/FieldsDialog.h"
#include "plotui/data/FileDataDialog.h"
#include "plotui/data/ImportDialog.h"
#include "plotui/data/ImportText.h"
#include "plotui/dialogs/MarkerStyleDialog.h"

#include "platform/ClipboardText.h"
#include "platform/Menus.h"
#include "platform/ModalRun.h"
#include "platform/SpeedButton.h"
#include "platform/StringGrid.h"
#include "platform/ToolBar.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"
#include "tests/support/ScratchFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

using testing_support::Click;

// The rows the grid shows on the screen, up to the first empty one, as "x|y".
std::vector<std::string> ShownRows(const platform::TStringGrid& grid)
{
  std::vector<std::string> rows;
  for (int r = 0; r < grid.RowCount(); ++r) {
    if (grid.Cells(0, r).isEmpty() && grid.Cells(1, r).isEmpty())
      break;
    rows.push_back((grid.Cells(0, r) + QLatin1Char('|') + grid.Cells(1, r)).toStdString());
  }
  return rows;
}

using Rows = std::vector<std::string>;

void Retype(QLineEdit& edit, const QString& text)
{
  edit.selectAll();
  testing_support::PressKey(edit, Qt::Key_Delete);
  testing_support::TypeText(edit, text);
}

// Types text into the grid's cell as the user does: moves there, types and confirms.
void TypeCell(platform::TStringGrid& grid, int col, int row, const QString& text)
{
  grid.SetCol(col);
  grid.SetRow(row);
  testing_support::PressKey(grid, Qt::Key_F2);
  testing_support::PressKey(grid, Qt::Key_A, Qt::ControlModifier);
  testing_support::PressKey(grid, Qt::Key_Delete);
  testing_support::TypeText(grid, text);
  testing_support::PressEnter(grid);
}

void Ok(TfmGraphImport& d) { Click(*d.BitBtn1); }

TEST(ImportWindow, PastedLinesBecomeANewSeriesOfTheChosenStyle)
{
  TPlotFixture f;
  platform::SetClipboardText("1 2\r\n3 4");
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    auto& d = dynamic_cast<TfmGraphImport&>(form);
    EXPECT_EQ(d.windowTitle(), "Add Series - [ New Series ]");
    EXPECT_EQ(d.edXHeader->text(), "X");
    EXPECT_EQ(d.cbSeriesStyle->currentText(), "Line and Point ");
    EXPECT_TRUE(d.sbPaste->Enabled());
    EXPECT_TRUE(d.ToolBar->ClickButton("sbPaste"));
    EXPECT_EQ(ShownRows(*d.sgMain), Rows({"1|2", "3|4"}));
    d.cbSeriesStyle->setFocus();
    testing_support::PressKey(*d.cbSeriesStyle, Qt::Key_B, Qt::NoModifier, "b");
    EXPECT_EQ(d.cbSeriesStyle->currentText(), "Bar");
    Retype(*d.edSeriesName, "Data");
    EXPECT_EQ(d.windowTitle(), "Add Series - [ Data ]");
    Ok(d);
  });
  TfmGraphImport dialog;
  EXPECT_TRUE(dialog.EditSeries(*f.chart->Graph, nullptr));
  EXPECT_EQ(script.StepsLeft(), 0);
  ASSERT_EQ(f.chart->Graph->GetLayerCount(), 1);
  auto& s = dynamic_cast<TSeries&>(*f.chart->Graph->GetLayer(0));
  EXPECT_EQ(s.GetStyle(), plot::kStyleBar);
  EXPECT_EQ(s.Name, "Data");
  ASSERT_EQ(s.GetCount(), 2);
  EXPECT_EQ(s.GetPoint(0), plot::TFloatPoint({1, 2}));
  EXPECT_EQ(s.GetPoint(1), plot::TFloatPoint({3, 4}));
  EXPECT_EQ(f.chart->Graph->Legend->GetCount(), 1);
}

TEST(ImportWindow, CancelOnANewSeriesLeavesTheGraphAsItWas)
{
  TPlotFixture f;
  platform::ModalScript script;
  script.Act([&](platform::Form& form) { Click(*dynamic_cast<TfmGraphImport&>(form).btCancel); });
  TfmGraphImport dialog;
  EXPECT_FALSE(dialog.EditSeries(*f.chart->Graph, nullptr));
  EXPECT_EQ(f.chart->Graph->GetLayerCount(), 0);
}

TEST(ImportWindow, OkOnAnUneditedSeriesKeepsEveryValueAndSetting)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("thirds", plot::kStyleLineAndPoint, platform::clRed, {}, true);
  s.AddPoint(1.0 / 3, 2.0 / 3, platform::clBlue, "first");
  s.AddPoint(1E-9 / 7, 123456789.123, platform::clYellow, "second");
  s.AddPoint(-5, 0.1, platform::clRed, QString());
  s.SetMarkerColor2(platform::clRed);
  s.GetData(1).Marker->Style = 7;
  s.GetData(1).Marker->Color2 = platform::clLime;
  s.GetData(2).Marker->Color2 = platform::clAqua;
  s.SetLineWidth(3);
  const std::vector<plot::TFloatPoint> before = {s.GetPoint(0), s.GetPoint(1), s.GetPoint(2)};
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    auto& d = dynamic_cast<TfmGraphImport&>(form);
    EXPECT_EQ(d.windowTitle(), "Edit Series - [ thirds ]");
    EXPECT_EQ(ShownRows(*d.sgMain), Rows({"0.3333333|0.6666667", "1.428571E-10|1.234568E8", "-5|0.1"}));
    EXPECT_EQ(d.edLineWidth->text(), "3");
    Ok(d);
  });
  TfmGraphImport dialog;
  EXPECT_TRUE(dialog.EditSeries(*f.chart->Graph, &s));
  ASSERT_EQ(s.GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.GetPoint(i), before[std::size_t(i)]) << i;
  }
  EXPECT_EQ(s.GetPointName(0), "first");
  EXPECT_EQ(s.GetPointColor(1), platform::clYellow);
  EXPECT_EQ(s.GetData(1).Marker->Style, 7);
  EXPECT_EQ(s.GetData(1).Marker->Color2, platform::clLime);
  EXPECT_EQ(s.GetData(2).Marker->Color2, platform::clAqua);
  EXPECT_EQ(s.Name, "thirds");
  EXPECT_EQ(s.GetColor(), platform::clRed);
  EXPECT_EQ(s.LineWidth, 3);
}

TEST(ImportWindow, AnEditedRowTakesItsTextAndTheOthersKeepTheirPoints)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed, {{1.0 / 3, 1}, {2, 2}, {3, 3}});
  s.GetData(2).Name = QStringLiteral("third");
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    auto& d = dynamic_cast<TfmGraphImport&>(form);
    TypeCell(*d.sgMain, 1, 1, "2.5");
    EXPECT_EQ(ShownRows(*d.sgMain), Rows({"0.3333333|1", "2|2.5", "3|3"}));
    Ok(d);
  });
  TfmGraphImport dialog;
  EXPECT_TRUE(dialog.EditSeries(*f.chart->Graph, &s));
  ASSERT_EQ(s.GetCount(), 3);
  EXPECT_EQ(s.GetPoint(0).X, 1.0 / 3);
  EXPECT_EQ(s.GetPoint(1), plot::TFloatPoint({2, 2.5}));
  EXPECT_EQ(s.GetPointColor(1), 32768u);
  EXPECT_EQ(s.GetPointName(2), "third");
}

TEST(ImportWindow, ABadFirstRowKeepsTheOldPointsSaysSoAndStaysOpen)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed, {{5, 6}});
  platform::SetClipboardText("1,2 3");
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        auto& d = dynamic_cast<TfmGraphImport&>(form);
        d.sgMain->SetRow(0);
        d.ToolBar->ClickButton("sbPaste");
        EXPECT_EQ(ShownRows(*d.sgMain), Rows({"1,2|3"}));
        Ok(d);
        EXPECT_EQ(d.ModalResult(), platform::mrNone);
        EXPECT_EQ(s.GetCount(), 1);
        Click(*d.btCancel);
      })
      .ExpectMessage(QStringLiteral("No points read: row 1 (\"1,2\", \"3\") is not a pair of numbers."),
                     platform::mrOk);
  TfmGraphImport dialog;
  EXPECT_FALSE(dialog.EditSeries(*f.chart->Graph, &s));
  EXPECT_EQ(script.StepsLeft(), 0);
  ASSERT_EQ(s.GetCount(), 1);
  EXPECT_EQ(s.GetPoint(0), plot::TFloatPoint({5, 6}));
}

TEST(ImportWindow, AnEmptyCellBeforeTheEndKeepsTheRowsAboveAndNamesTheRow)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}});
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        auto& d = dynamic_cast<TfmGraphImport&>(form);
        TypeCell(*d.sgMain, 0, 3, "");
        Ok(d);
      })
      .ExpectMessage(QStringLiteral("The points end before row 4 (\"\", \"3\"): it is not a pair of numbers."),
                     platform::mrOk);
  TfmGraphImport dialog;
  EXPECT_TRUE(dialog.EditSeries(*f.chart->Graph, &s));
  EXPECT_EQ(s.GetCount(), 3);
}

TEST(ImportWindow, FileColumnsReplaceTheGridWithTheUserDelimitersOfTheColumnDialog)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed);
  for (int i = 0; i < 100; ++i)
    s.AddPoint(i, i, platform::clRed, QString());
  std::string text;
  for (int i = 0; i < 50; ++i)
    text += "   " + std::to_string(i) + ";" + std::to_string(i * 10) + "\r\n";
  const QString path = testsupport::ScratchFile("columns.txt", text);
  auto fill = [](const char* user) {
    return [user](platform::Form& form) {
      auto& d = dynamic_cast<TfmFileData&>(form);
      EXPECT_EQ(d.windowTitle(), "Show data");
      EXPECT_EQ(d.Memo->model()->rowCount(), 50);
      Retype(*d.edXColumn, "2");
      Retype(*d.edYColumn, "1");
      Click(*d.chUser);
      Retype(*d.edUser, QString::fromLatin1(user));
      Click(*d.btOk);
    };
  };
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    auto& d = dynamic_cast<TfmGraphImport&>(form);
    EXPECT_TRUE(d.ToolBar->ClickButton("sbOpen"));  // seven user delimiters: refused
    EXPECT_EQ(ShownRows(*d.sgMain).size(), 100u);
    d.MainMenu->Items().Find("miOpen")->Click();
    EXPECT_EQ(ShownRows(*d.sgMain).size(), 50u);
    EXPECT_EQ(ShownRows(*d.sgMain)[49], "490|49");
    Ok(d);
  });
  script.Choose(path).Act(fill(";:!?#@%")).ExpectMessage("The number of User Define charakters must be <=6.",
                                                          platform::mrOk);
  script.Choose(path).Act(fill(";:!?#@"));
  TfmGraphImport dialog;
  EXPECT_TRUE(dialog.EditSeries(*f.chart->Graph, &s));
  EXPECT_EQ(script.StepsLeft(), 0);
  ASSERT_EQ(s.GetCount(), 50);
  EXPECT_EQ(s.GetPoint(49), plot::TFloatPoint({490, 49}));
  EXPECT_EQ(ImportDelimiters().Count, 10);
  ImportDelimiters() = TDelimiterTable();
}

TEST(ImportWindow, AnUnreadableFileSaysSoAndLeavesTheGrid)
{
  TPlotFixture f;
  // A file that opens but whose reading fails.
  const QString path = QStringLiteral("/proc/self/mem");
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    auto& d = dynamic_cast<TfmGraphImport&>(form);
    d.ToolBar->ClickButton("sbOpen");
    Click(*d.btCancel);
  });
  script.Choose(path).ExpectMessage(QStringLiteral("Can't read file ") + path, platform::mrOk);
  TfmGraphImport dialog;
  EXPECT_FALSE(dialog.EditSeries(*f.chart->Graph, nullptr));
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST(ImportWindow, FieldNamePasteTakesTheLinkedColumns)
{
  TPlotFixture f;
  platform::SetClipboardText("t,v,w\r\n1,2,3\r\n4,5,6\r\n");
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    auto& d = dynamic_cast<TfmGraphImport&>(form);
    d.ToolBar->ClickButton("sbPasteFields");
    EXPECT_EQ(ShownRows(*d.sgMain), Rows({"3|1", "6|4"}));
    platform::SetClipboardText("a;b\r\n1;2");
    d.MainMenu->Items().Find("miUseFieldsName")->Click();
    Ok(d);
  });
  script.Act([](platform::Form& form) {
    auto& d = dynamic_cast<TfmFields&>(form);
    EXPECT_EQ(d.windowTitle(), "Links Fields");
    Click(*d.BitBtn1);  // nothing selected
    d.lbRecFields->setCurrentRow(0);
    d.lbInputFields->setCurrentRow(1);
    Click(*d.BitBtn1);
    d.lbInputFields->setCurrentRow(2);
    Click(*d.BitBtn1);  // X relinked to w
    d.lbRecFields->setCurrentRow(1);
    d.lbInputFields->setCurrentRow(0);
    Click(*d.BitBtn1);
    EXPECT_EQ(d.Memo->toPlainText(), "X   <--Copy---   w\nY   <--Copy---   t");
    Click(*d.btOk);
  });
  script.ExpectMessage("Select both fields", platform::mrOk);
  script.Act([](platform::Form& form) {
    auto& d = dynamic_cast<TfmFields&>(form);
    ASSERT_EQ(d.lbInputFields->count(), 1);
    EXPECT_EQ(d.lbInputFields->item(0)->text(), "a;b");
    Click(*d.btCancel);
  });
  TfmGraphImport dialog;
  EXPECT_TRUE(dialog.EditSeries(*f.chart->Graph, nullptr));
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST(ImportWindow, GridCommandsFromThePopupAndAClipboardBeyondTheOldLimits)
{
  TPlotFixture f;
  std::string big;
  for (int i = 0; i < 20000; ++i)
    big += std::to_string(i) + " " + std::to_string(i + 1) + "\n";
  ASSERT_GT(big.size(), 64000u);
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    auto& d = dynamic_cast<TfmGraphImport&>(form);
    platform::SetClipboardText(big);
    d.ToolBar->ClickButton("sbPaste");
    EXPECT_EQ(ShownRows(*d.sgMain).size(), 20000u);
    EXPECT_EQ(ShownRows(*d.sgMain).back(), "19999|20000");
    d.sgMain->SetRow(1);
    const platform::TRect cell = d.sgMain->CellRect(0, 1);
    testing_support::ClickAt(*d.sgMain, QPointF(cell.Left + 5, cell.Top + 5));
    testing_support::PressAt(*d.sgMain, QPointF(cell.Left + 5, cell.Top + 5), Qt::RightButton);
    testing_support::ReleaseAt(*d.sgMain, QPointF(cell.Left + 5, cell.Top + 5), Qt::RightButton);
    EXPECT_EQ(ShownRows(*d.sgMain), Rows({"0|1"}));  // the inserted row ends the shown rows
    EXPECT_EQ(d.sgMain->Cells(0, 2), "1");
    EXPECT_EQ(d.sgMain->RowCount(), 20001);
    d.GridMenu->Items().Find("pmDeleteRow")->Click();
    EXPECT_EQ(ShownRows(*d.sgMain).size(), 20000u);
    d.GridMenu->Items().Find("pmEraseColumn")->Click();
    EXPECT_EQ(d.sgMain->Cells(0, 5), "");
    EXPECT_EQ(d.sgMain->Cells(1, 5), "6");
    d.GridMenu->Items().Find("pmEraseAll")->Click();
    EXPECT_EQ(ShownRows(*d.sgMain), Rows());
    Click(*d.btCancel);
  });
  script.ChooseItem("pmInsertRow");
  TfmGraphImport dialog;
  EXPECT_FALSE(dialog.EditSeries(*f.chart->Graph, nullptr));
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST(ImportWindow, SymbolsAndColourReachTheNewSeries)
{
  TPlotFixture f;
  platform::SetClipboardText("1 2\r\n3 4");
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    auto& d = dynamic_cast<TfmGraphImport&>(form);
    d.ToolBar->ClickButton("sbPaste");
    Click(*d.btColor);
    Click(*d.btSymbols);
    Ok(d);
  });
  script.PickColor(0x00AA00);
  script.Act([](platform::Form& form) {
    auto& d = dynamic_cast<TfmMarkerStyle&>(form);
    d.Markers->setCurrentRow(8);
    Click(*d.btClose);
  });
  TfmGraphImport dialog;
  EXPECT_TRUE(dialog.EditSeries(*f.chart->Graph, nullptr));
  EXPECT_EQ(script.StepsLeft(), 0);
  ASSERT_EQ(f.chart->Graph->GetLayerCount(), 1);
  auto& s = dynamic_cast<TSeries&>(*f.chart->Graph->GetLayer(0));
  EXPECT_EQ(s.GetColor(), 0x00AA00u);
  EXPECT_EQ(s.MarkerStyle, 8);
  EXPECT_EQ(s.GetData(1).Marker->Style, 8);
}

}  // namespace
}  // namespace plotui::test
