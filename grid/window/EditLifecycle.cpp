// The edit lifecycle of the current cell and row: starting an edit, recording a change, ending the
// cell and the row edit before a move, and undoing them, with the events in their fixed order. A
// storing grid keeps the row being edited in its store's row 0 so that a row undo restores it.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/GridEditorParts.h"

#include "grid/model/CellValueCheck.h"

namespace grid {

namespace {

// A refusal by Cancel; a handler that raises refuses as well, and its exception goes no further.
template <class Handler, class... Args>
bool Allowed(const Handler& handler, TtsBaseGrid& grid, Args... args)
{
  if (!handler)
    return true;
  bool cancel = false;
  try {
    handler(grid, args..., cancel);
  } catch (...) {
    return false;
  }
  return !cancel;
}

}  // namespace

// Starting --------------------------------------------------------------------------------------------

bool TtsBaseGrid::StartCellEdit()
{
  if (edit_.cellEditing)
    return true;
  if (!Allowed(OnStartCellEdit, *this, CurrentDataCol(), CurrentDataRow()))
    return false;
  cellUndoValue_ = store_ ? store_->GetValue(CurrentDataCol(), CurrentDataRow()) : TtsCellValue();
  return true;
}

bool TtsBaseGrid::StartRowEdit()
{
  if (edit_.rowEditing)
    return true;
  if (!Allowed(OnStartRowEdit, *this, CurrentDataRow()))
    return false;
  if (store_)
    store_->KeepRowCopy(CurrentDataRow());
  return true;
}

bool TtsBaseGrid::StartEdit()
{
  if (!CanEditCells() || !StartCellEdit() || !StartRowEdit())
    return false;
  edit_.cellEditing = edit_.rowEditing = edit_.rowModified = true;
  InvalidateRow(model_.CurrentDisplayRow());
  return true;
}

// The editor asks before its first change: the start events, without marking anything yet.
bool TtsBaseGrid::EditorStartModify()
{
  if (!CanEditCells() || IsCellReadOnly(CurrentDataCol(), CurrentDataRow()))
    return false;
  return StartCellEdit() && StartRowEdit();
}

// Recording a change ------------------------------------------------------------------------------------

void TtsBaseGrid::EditorValueChanged(bool changed, bool byUser)
{
  currentCell_->EditorSelectionChanged(activeEditor_->SelStart(), activeEditor_->SelLength());
  if (changed)
    RecordEditedValue(activeEditor_->Value(), byUser);
}

// The value being edited, kept by the current-cell object (and stored in a storing grid).
void TtsBaseGrid::RecordEditedValue(const TtsCellValue& value, bool byUser)
{
  const int col = CurrentDataCol();
  const int row = CurrentDataRow();
  currentCell_->Store(value, false);
  const bool newRow = GridMode() == gmEditInsert && !InsertRowPresent() && model_.CurrentDisplayRow() == GridRows() - 1;
  edit_.cellEditing = edit_.rowEditing = edit_.rowModified = true;
  if (newRow) {
    edit_.insertRowPending = true;
    AddInsertRow();
  }
  CellEdited(col, row, byUser);
}

void TtsBaseGrid::CellEdited(int dataCol, int dataRow, bool byUser)
{
  if (store_) {
    const TtsControlType type = model_.ResolveControlType(dataCol, dataRow);
    TtsCellValue value = currentCell_->GetValue();
    if (type == ctText && value.IsEmpty())
      value = std::string();
    CheckValueForControlType(model_, type, value);
    SetCell(dataCol, dataRow, value);
  }
  Fire(OnCellEdit, dataCol, dataRow, byUser);
}

// Ending ----------------------------------------------------------------------------------------------

bool TtsBaseGrid::CanLeaveCell(int dataCol, int dataRow, bool byUser)
{
  if (leaveGuard_)
    return true;
  TtsFlagScope guard(leaveGuard_);
  if (!edit_.cellEditing && !edit_.rowEditing)
    return true;
  if (HasDropDowns() && (dataCol != CurrentDataCol() || dataRow != CurrentDataRow()))
  {
    TtsFlagScope filling(comboFilling_);
    DropDowns().AutoFillOnExit();
  }
  if (dataRow != CurrentDataRow())
    return EndEdit(byUser);
  if (dataCol == CurrentDataCol())
    return true;
  return FinishCellEdit(byUser);
}

bool TtsBaseGrid::EndEdit(bool byUser) { return FinishCellEdit(byUser) && FinishRowEdit(byUser); }

bool TtsBaseGrid::FinishCellEdit(bool)
{
  if (!edit_.cellEditing)
    return true;
  if (!ValidateMaskText() || !EndCellEdit())
    return false;
  edit_.cellEditing = false;
  edit_.cellEditEnded = true;
  return true;
}

namespace {

// The model's mask seen as the editor's.
class MaskCheck {
 public:
  explicit MaskCheck(TtsMask& mask) : mask_(mask) {}
  bool CheckedAtEnd() const { return (mask_.GetCheckModes() & 2) != 0; }
  bool Complete(const std::string& text, std::string& completion)
  {
    return mask_.Validate(text, completion, int(text.size()) + 1, true, (mask_.GetMaskOptions() & 1) != 0);
  }

 private:
  TtsMask& mask_;
};

}  // namespace

bool TtsBaseGrid::ValidateMaskText()
{
  if (model_.CurrentControlType() != ctText)
    return true;
  TtsMask* mask = MaskDefs.FindMask(model_.CurrentMaskName());
  if (!mask)
    return true;
  MaskCheck check(*mask);
  if (!check.CheckedAtEnd())
    return true;
  const std::string text = currentCell_->GetValue().AsString();
  std::string completion;
  if (check.Complete(text, completion)) {
    if (!completion.empty()) {
      activeEditor_->SetEditedValue(text + completion, true);
      activeEditor_->SetSelStart(int((text + completion).size()));
    }
    return true;
  }
  bool accept = false;
  Fire(OnInvalidMaskValue, CurrentDataCol(), CurrentDataRow(), accept);
  return accept;
}

bool TtsBaseGrid::EndCellEdit() { return Allowed(OnEndCellEdit, *this, CurrentDataCol(), CurrentDataRow()); }

bool TtsBaseGrid::FinishRowEdit(bool)
{
  if (!edit_.rowEditing)
    return true;
  if (!EndRowEdit())
    return false;
  const int row = CurrentDataRow();
  if (row >= 1 && row <= Rows() && rowChangedIndicator_ == riOn && edit_.rowModified)
    SetRowChangedMark(row, true);
  const bool wasModified = edit_.rowModified;
  edit_ = EditState{};
  if (wasModified)
    InvalidateCell(0, model_.CurrentDisplayRow());  // the row bar's changed glyph goes
  return true;
}

bool TtsBaseGrid::EndRowEdit()
{
  if (!Allowed(OnEndRowEdit, *this, CurrentDataRow()))
    return false;
  if (store_)
    store_->DropRowCopy();
  return true;
}

// Undoing ---------------------------------------------------------------------------------------------

bool TtsBaseGrid::IsRowUndo(bool wholeRow) const
{
  if (!edit_.rowEditing)
    return false;
  return wholeRow || !edit_.cellEditing || !edit_.cellEditEnded;
}

bool TtsBaseGrid::UndoCellEdit(bool byUser)
{
  if (!Allowed(OnUndoCellEdit, *this, CurrentDataCol(), CurrentDataRow(), byUser))
    return false;
  if (store_)
    store_->SetValue(CurrentDataCol(), CurrentDataRow(), skEmpty, {});
  if (store_ && !cellUndoValue_.IsEmpty())
    SetCell(CurrentDataCol(), CurrentDataRow(), cellUndoValue_);
  return true;
}

bool TtsBaseGrid::UndoRowEdit(bool byUser)
{
  const int dataRow = CurrentDataRow();
  if (!Allowed(OnUndoRowEdit, *this, dataRow, byUser))
    return false;
  // A handler may have dropped the row: its copy then goes with it, never into another row.
  if (store_ && dataRow <= Rows())
    store_->RestoreRowCopy(dataRow);
  if (store_)
    store_->DropRowCopy();
  return true;
}

bool TtsBaseGrid::UndoEdit(bool wholeRow, bool byUser, bool& keepValue, bool& wasEditing)
{
  TtsFlagScope undoing(undoing_);
  const bool cellOpen = edit_.cellEditing;
  const bool rowCovered = IsRowUndo(wholeRow);
  wasEditing = cellOpen || rowCovered;
  if (cellOpen && !UndoCellEdit(byUser))
    return false;
  if (rowCovered && !UndoRowEdit(byUser))
    return false;
  keepValue = true;
  if ((cellOpen && !byUser) || (!cellOpen && rowCovered)) {
    currentCell_->ClearValue();
    keepValue = false;
  }
  const int displayRow = model_.CurrentDisplayRow();
  if (rowCovered) {
    const bool pendingRowBack = edit_.insertRowPending && model_.IsInsertRow(displayRow + 1) &&
                                !RowChangedMark(CurrentDataRow());
    edit_ = EditState{};
    if (pendingRowBack) {
      // The fresh insert row below goes; the pending row is again an insert row entered without a change.
      const int rows = Rows();
      model_.SetInsertRowPresent(0);
      SetDisplayRowCount(rows);
    }
    InvalidateRow(displayRow);
  } else if (cellOpen) {
    edit_.cellEditing = false;
    model_.InvalidateCell(model_.CurrentDisplayCol(), displayRow);
  }
  return true;
}

// The editor's Escape: false lets the editor restore its own text.
bool TtsBaseGrid::EditorEscape(bool byUser)
{
  bool keepValue = false;
  bool wasEditing = false;
  const bool undone = UndoEdit(false, byUser, keepValue, wasEditing);
  if (undone && !keepValue)
    ReloadCurrentValue();
  return !(undone && keepValue);
}

bool TtsBaseGrid::WantsEscape() const
{
  return edit_.cellEditing || edit_.rowEditing || model_.IsInsertRow(model_.CurrentDisplayRow());
}

}  // namespace grid
