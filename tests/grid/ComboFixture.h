#pragma once
// A shown grid whose second column is a combo column with its own list (Alpha, Beta, Bravo, Charlie),
// and an in-cell editor over the current cell wired to the grid's combo handling the way the grid
// wires its own.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/editor/CellEditorAdapters.h"
#include "grid/window/Grid.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace grid {

// Makes a column a combo column of a style whose own storing list holds Alpha, Beta, Bravo and Charlie.
inline TtsComboGrid* MakeAlphaComboColumn(TtsCol& col, TtsDropDownStyle style)
{
  col.SetButtonType(btCombo);
  col.SetDropDownStyle(style);
  col.MakeCombo();
  TtsComboGrid* list = ComboGridOf(col.Combo());
  list->SetStoreData(true);
  list->SetRows(4);
  const char* values[] = {"Alpha", "Beta", "Bravo", "Charlie"};
  for (int r = 1; r <= 4; ++r)
    list->SetCell(1, r, TtsCellValue(values[r - 1]));
  return list;
}

struct ComboFixture {
  explicit ComboFixture(TtsDropDownStyle style = ddDropDownList, bool sorted = false)
  {
    window.resize(400, 300);
    grid.setParent(&window);
    grid.setGeometry(0, 0, 400, 300);
    grid.SetCols(3);
    grid.SetRows(5);
    grid.SetStoreData(true);
    list = MakeAlphaComboColumn(grid.Model().Col(2), style);
    list->ValueColSorted = sorted;
    list->AutoSearch = asTop;
    grid.SetCurrentDataCol(2);
    grid.SetCurrentDataRow(2);
    drops().Clock = [this] { return now; };
    window.show();
    AttachEditor(style == ddDropDown);
  }

  TtsGridDropDowns& drops() { return grid.DropDowns(); }
  TtsComboGrid& working() { return drops().GridCombo().ComboGrid(); }

  // An editor over the current cell; keys it does not take go to the combo search, edits to the
  // auto-fill.
  void AttachEditor(bool allowEdit)
  {
    editor = std::make_unique<TtsEditGridControl>(&grid);
    const QRect cell = grid.CellBounds(grid.Model().CurrentDisplayCol(), grid.Model().CurrentDisplayRow());
    editor->SetLeft(cell.left());
    editor->SetTop(cell.top());
    editor->SetWidth(cell.width());
    editor->SetHeight(cell.height());
    editor->SetAllowEdit(allowEdit);
    editor->SetValue(grid.Cell(grid.CurrentDataCol(), grid.CurrentDataRow()));
    editor->Show();
    cell_ = std::make_unique<TtsEditorDropDownCell>(*editor);
    drops().SetCell(cell_.get());
    editor->Hooks().OnEditKeyPress = [this](TtsGridControl&, char& key) {
      if (drops().ComboCellKey(key))
        key = 0;
    };
    editor->Hooks().OnEditValueChanged = [this](TtsGridControl&, bool modified, bool, bool typed) {
      if (modified && typed && !filling) {
        filling = true;
        drops().ComboCellEdited();
        filling = false;
      }
    };
  }

  std::string EditorText() const { return editor->Value().AsString(); }

  QWidget window;
  TtsGrid grid;
  TtsComboGrid* list = nullptr;
  std::int64_t now = 10000;
  std::unique_ptr<TtsEditGridControl> editor;
  std::unique_ptr<TtsEditorDropDownCell> cell_;
  bool filling = false;
};

}  // namespace grid
