// The grid's side of its in-cell editor: the four adapters and their hooks, the active one chosen by
// the current cell's control type, its placing, configuring, showing and hiding, edit mode (left when
// the focus goes to another control), the caret placed by EditorCaretMode when a value is loaded,
// values written into the current cell, and the current-cell object with the window services it asks for.

#include "grid/window/CellGeometry.h"
#include "grid/window/GridEditorParts.h"
#include "grid/window/HeadingAccelerators.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace grid {

// The current-cell object's window services ------------------------------------------------------------

TtsCellValue TtsBaseGrid::CellHost::ReadCell(int dataCol, int dataRow) { return grid_.Cell(dataCol, dataRow); }

void TtsBaseGrid::CellHost::LoadEditorValue(const TtsCellValue& value)
{
  grid_.SetActiveEditor(grid_.model_.CurrentControlType());
  TtsCustomGridControl& editor = *grid_.activeEditor_;
  editor.SetValue(value);
  grid_.currentCell_->Store(value, false);
  if (&editor == &grid_.editors_->text && value.IsString()) {
    if (grid_.editorCaretMode_ == 0) {
      editor.SelectAll();
    } else if (grid_.editorCaretMode_ == 2) {
      editor.SetSelStart(0);
      editor.SetSelLength(0);
    }
  }
  grid_.editorCaretMode_ = 1;
}

void TtsBaseGrid::CellHost::ReloadEditorDisplay()
{
  if (grid_.editStartKind_ == 0)
    grid_.activeEditor_->SelectAll();
  else if (grid_.editStartKind_ == 2)
    grid_.activeEditor_->SetSelLength(0);
  grid_.currentCell_->EditorSelectionChanged(grid_.activeEditor_->SelStart(), grid_.activeEditor_->SelLength());
}

void TtsBaseGrid::CellHost::SetEditorSelection(int start, int length)
{
  grid_.activeEditor_->SetSelStart(start);
  grid_.activeEditor_->SetSelLength(length);
}

bool TtsBaseGrid::CellHost::EditorCopy()
{
  grid_.activeEditor_->CopyToClipboard();
  return true;
}

bool TtsBaseGrid::CellHost::EditorCut(bool byUser)
{
  grid_.activeEditor_->CutToClipboard(byUser);
  return true;
}

bool TtsBaseGrid::CellHost::EditorPaste(bool byUser)
{
  grid_.activeEditor_->PasteFromClipboard(byUser);
  return true;
}

bool TtsBaseGrid::CellHost::EditorShowing() const { return grid_.activeEditor_->Visible(); }

bool TtsBaseGrid::CellHost::StartEdit() { return grid_.BeginEditByKey(false); }

bool TtsBaseGrid::CellHost::StartCellAndRowEdit() { return grid_.StartCellEdit() && grid_.StartRowEdit(); }

bool TtsBaseGrid::CellHost::CurrentColEditable() const { return !grid_.IsCellReadOnly(grid_.CurrentDataCol(), grid_.CurrentDataRow()); }

void TtsBaseGrid::CellHost::MarkEditorValueChanged()
{
  grid_.edit_.cellEditing = grid_.edit_.rowEditing = grid_.edit_.rowModified = true;
}

void TtsBaseGrid::CellHost::TypeEditorValue(const TtsCellValue& value)
{
  grid_.editorCaretMode_ = 1;
  grid_.activeEditor_->SetEditedValue(value, true);
}

void TtsBaseGrid::CellHost::InvalidateCurrentCell()
{
  grid_.model_.InvalidateCell(grid_.model_.CurrentDisplayCol(), grid_.model_.CurrentDisplayRow());
}

TtsCurrentCellHost::TextExtent TtsBaseGrid::CellHost::WrappedTextExtent(const std::string& text)
{
  const int lines = 1 + int(std::count(text.begin(), text.end(), '\n'));
  return {lines * grid_.TextLineHeight(), lines};
}

bool TtsBaseGrid::CellHost::InsertPending() const { return grid_.edit_.insertRowPending; }

bool TtsBaseGrid::CellHost::CanLeaveCurrentCell() { return grid_.CanLeaveCell(); }

void TtsBaseGrid::CellHost::EnterInsertRow(int displayCol, int displayRow)
{
  grid_.HideEditor(false);
  grid_.SetCurrentPosition(displayCol, displayRow, true);
  grid_.ScrollIntoView({displayCol, displayRow});
  grid_.ShowEditor();
  grid_.NotifyCellMoved();
  grid_.ReportGridStatus();
}

void TtsBaseGrid::CellHost::ScrollCellIntoView(int displayCol, int displayRow) { grid_.ScrollIntoView({displayCol, displayRow}); }

// The editors -------------------------------------------------------------------------------------------

void TtsBaseGrid::CreateEditors()
{
  cellHost_ = std::make_unique<CellHost>(*this);
  currentCell_ = std::make_unique<TtsCurrentCell>(model_, *cellHost_);
  editors_ = std::make_unique<Editors>(this);
  for (TtsCustomGridControl* editor : editors_->All())
    WireEditor(*editor);
  editors_->check.SetCheckBoxStyle(CheckBoxStyle);
  activeEditor_ = &editors_->text;
  headingKeys_ = WatchHeadingAccelerators(*this);
}

TtsEditGridControl& TtsBaseGrid::TextEditor() const { return editors_->text; }

TtsCheckGridControl& TtsBaseGrid::CheckEditor() const { return editors_->check; }

void TtsBaseGrid::WireEditor(TtsCustomGridControl& editor)
{
  editor.SetFocusOwner(this);
  editor.Window().setFocusPolicy(Qt::ClickFocus);  // never a tab stop of its own
  editor.SetTextOffset(3);
  editor.Hide();
  editor.SetTop(-editor.Height() - 1);
  editor.SetMaskDefs([this](const std::string& name) -> TtsEditMask* {
    TtsMask* mask = MaskDefs.FindMask(name);
    if (!mask)
      return nullptr;
    std::unique_ptr<TtsEditorMask>& slot = editors_->masks[mask];
    if (!slot)
      slot = std::make_unique<TtsEditorMask>(*mask);
    return slot.get();
  });
  TtsEditorHooks& hooks = editor.Hooks();
  hooks.OnEditKeyDown = [this](TtsGridControl&, int& key, platform::TShiftState shift) { KeyDown(key, shift); };
  hooks.OnEditKeyPress = [this](TtsGridControl&, char& key) {
    if (ComboSearchKey(key))
      key = 0;
    else if (OnKeyPress)
      Fire(OnKeyPress, key);
  };
  hooks.OnStartModify = [this](TtsGridControl&, bool& cancel) { cancel = !EditorStartModify(); };
  hooks.OnEditChange = [this](TtsGridControl&, bool) {
    currentCell_->EditorSelectionChanged(activeEditor_->SelStart(), activeEditor_->SelLength());
  };
  hooks.OnEditValueChanged = [this](TtsGridControl& sender, bool modified, bool byUser, bool typed) {
    if (&sender != &activeEditor_->Window())
      return;
    EditorValueChanged(modified, byUser);
    if (modified && typed)
      ComboCellTyped();
  };
  hooks.OnEditLeave = [this](TtsGridControl&) {
    CloseDropDownsOnFocusLoss();
    LeaveEditModeOnFocusLoss();
  };
  hooks.OnUndoRequest = [this](TtsGridControl&, bool byUser, bool& handled) { handled = EditorEscape(byUser); };
  hooks.OnWantKey = [this](TtsGridControl&, int key, bool& want) { want = key != platform::VK_ESCAPE || WantsEscape(); };
  hooks.OnInvalidKeys = [this](TtsGridControl&, const std::string& keys, bool& accept) {
    Fire(OnInvalidMaskEdit, keys, CurrentDataCol(), CurrentDataRow(), accept);
  };
  hooks.OnTextResized = [this](TtsGridControl&, bool byUser) { Fire(OnEditTextResized, byUser); };
}

void TtsBaseGrid::SetActiveEditor(TtsControlType type)
{
  TtsCustomGridControl* next = &editors_->other;
  if (type == ctText)
    next = &editors_->text;
  else if (type == ctCheck)
    next = &editors_->check;
  else if (type == ctPicture)
    next = &editors_->picture;
  if (next == activeEditor_)
    return;
  const bool hadFocus = activeEditor_->Focused();
  {
    TtsFlagScope hiding(hidingEditor_);
    activeEditor_->Hide();
    if (hadFocus)
      setFocus();
  }
  activeEditor_ = next;
}

// Only text and check-box cells have an editor window; it shows on a cell that can be edited and lies
// wholly in view.
bool TtsBaseGrid::EditorMayShow() const
{
  if (!editMode_ || !CanEditCells() || !isVisible())
    return false;
  const int col = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  if (CurrentDataCol() < 1 || CurrentDataRow() < 1 || col >= GridCols() || row >= GridRows())
    return false;
  const TtsControlType type = model_.CurrentControlType();
  if ((type != ctText && type != ctCheck) || IsCellReadOnly(CurrentDataCol(), CurrentDataRow()))
    return false;
  if (IsCellSelected(col, row))
    return false;
  const platform::TRect rect = CellRect(*this, col, row);
  return !rect.IsEmpty() && rect.Right <= ClientWidth() && rect.Bottom <= ClientHeight() &&
         (col < FixedCols() || col >= LeftCol()) && (row < FixedRows() || row >= TopRow());
}

void TtsBaseGrid::ShowEditor()
{
  if (!editors_ || Designing() || InUpdate())
    return;
  editorHidden_ = false;
  SetActiveEditor(model_.CurrentControlType());
  TtsCustomGridControl& editor = *activeEditor_;
  if (!EditorMayShow()) {
    editorPlaced_ = false;
    editor.Hide();
    editor.SetLeft(-editor.Width());
    editor.SetTop(-editor.Height());
    AttachDropDownCell();
    return;
  }
  editorPlaced_ = true;
  scrolledSinceEditorPlaced_ = false;
  ConfigureEditor(editor);
  editor.SetMaskName(model_.CurrentMaskName());
  currentCell_->LoadValue();
  model_.InvalidateCell(model_.CurrentDisplayCol(), model_.CurrentDisplayRow());
  editor.Show();
  if (hasFocus())
    editor.SetFocus();
  AttachDropDownCell();
}

void TtsBaseGrid::ConfigureEditor(TtsCustomGridControl& editor)
{
  if (Designing())
    return;
  const int dataCol = CurrentDataCol();
  const int dataRow = CurrentDataRow();
  const int col = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  const bool is3D = model_.ResolveIs3D(dataCol, dataRow);
  platform::TColor color = model_.ResolveColor(dataCol, dataRow, is3D);
  const platform::TFont& font = model_.ResolveFont(dataCol, dataRow);
  platform::TColor fontColor = font.Color();
  if (editor.UsesEditColors()) {
    if (EditColor != platform::clNone)
      color = EditColor;
    if (EditFontColor != platform::clNone)
      fontColor = EditFontColor;
  }
  int width = model_.ColWidth(col) - VertLineWidth() - 3;
  int height = model_.RowHeight(row) - HorzLineWidth();
  editor.SetAllowEdit(true);
  editor.SetAllowSelect(true);
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType button = model_.ResolveButtonType(dataCol, dataRow, style);
  if (button != btNone) {
    width = std::max(width - ButtonOuterSize(button).cx, 0);
    if (button == btVertSpin || button == btHorzSpin) {
      editor.SetAllowEdit((model_.ResolveSpinOptions(dataCol, dataRow) & spoKeyEdit) != 0);
    } else if ((button == btCombo || button == btDateTimeDropDown || button == btDateTimePopup) &&
               style == ddDropDownList) {
      editor.SetAllowEdit(false);
      editor.SetAllowSelect(false);
    }
  } else if (is3D && VertLineWidth() == 0) {
    --width;
  }
  if (is3D && HorzLineWidth() == 0)
    --height;
  if (EditorMayShow()) {
    const platform::TRect rect = CellRect(*this, col, row);
    editor.SetLeft(rect.Left + 3);
    editor.SetTop(rect.Top);
    editor.SetWidth(std::max(width, 0));
    editor.SetHeight(std::max(height, 0));
  }
  editor.SetColor(color);
  editor.SetFont(font);
  editor.Font().SetColor(fontColor);
  editor.SetHorzAlignment(model_.ResolveHorzAlignment(dataCol, dataRow));
  editor.SetWordWrap(model_.ResolveWordWrap(dataCol, dataRow));
  editor.SetVertAlignment(model_.ResolveVertAlignment(dataCol, dataRow));
  editor.SetMaxLength(model_.Col(dataCol).MaxLength());
  editor.SetWantTabs(WantTabs);
  editor.SetShowFocus(AlwaysShowFocus);
  if (&editor == &editors_->check) {
    editors_->check.SetCheckBoxStyle(CheckBoxStyle);
    editors_->check.SetAllowGrayed(model_.Col(dataCol).AllowGrayed());
    editors_->check.SetCheckBoxValues(model_.ResolveCheckBoxValues(dataCol, dataRow));
  }
}

void TtsBaseGrid::HideEditor(bool byUser)
{
  if (!editors_ || Designing() || InUpdate())
    return;
  editorHidden_ = true;
  editorPlaced_ = false;
  AttachDropDownCell();
  TtsFlagScope hiding(hidingEditor_);
  TtsCustomGridControl& editor = *activeEditor_;
  const bool hadFocus = editor.Focused();
  editor.Hide();
  if (hadFocus && isVisible())
    setFocus();
  if (byUser)
    model_.InvalidateCell(model_.CurrentDisplayCol(), model_.CurrentDisplayRow());
}

void TtsBaseGrid::RefreshEditor(bool byUser)
{
  if (!editors_)
    return;
  if (byUser || editorPlaced_)
    HideEditor(byUser);
  ShowEditor();
}

// The current cell's value again from the cell, into the editor, with the whole text selected.
void TtsBaseGrid::ReloadCurrentValue()
{
  currentCell_->ClearValue();
  editStartKind_ = 0;
  if (!CanEditCells() || CurrentDataCol() < 1 || CurrentDataRow() < 1)
    return;
  currentCell_->LoadValue();
  cellHost_->ReloadEditorDisplay();
  model_.InvalidateCell(model_.CurrentDisplayCol(), model_.CurrentDisplayRow());
}

// A value written into the current cell goes into its editor, unless the editor holds it already.
void TtsBaseGrid::CurrentCellWritten(int dataCol, int dataRow, const TtsCellValue& value)
{
  if (!editors_ || dataCol != CurrentDataCol() || dataRow != CurrentDataRow() || !CanEditCells() ||
      IsCellSelected(model_.CurrentDisplayCol(), model_.CurrentDisplayRow()))
    return;
  if (currentCell_->IsCachedFor(dataCol, dataRow) && currentCell_->GetValue() == value)
    return;
  currentCell_->ClearValue();
  if (editorPlaced_ || activeEditor_->Visible())
    cellHost_->LoadEditorValue(value);
}

// Edit mode ---------------------------------------------------------------------------------------------

void TtsBaseGrid::SetCellEditMode(bool on, int startKind)
{
  editMode_ = on;
  if (on && EditingAllowed())
    editStartKind_ = startKind;
}

bool TtsBaseGrid::EnterEditMode(int startKind, bool update)
{
  if (Designing() || !EditingAllowed() || Rows() < 1 || Cols() < 1 || editMode_ ||
      IsCellReadOnly(CurrentDataCol(), CurrentDataRow()))
    return false;
  if (OnShowEditor) {
    bool cancel = false;
    if (!Fire(OnShowEditor, CurrentDataCol(), CurrentDataRow(), cancel) || cancel)
      return false;
  }
  HideFocus(false);
  SetCellEditMode(true, startKind);
  RefreshEditor(true);
  // The value kept from an edit left earlier stays; its text is selected by the start kind.
  if (editMode_ && activeEditor_->Visible())
    currentCell_->RefreshValue();
  if (update)
    this->update();
  return editMode_;
}

bool TtsBaseGrid::BeginEditByKey(bool update)
{
  if (!CanEditCells() || IsCellReadOnly(CurrentDataCol(), CurrentDataRow()))
    return false;
  if (!StartEdit())
    return false;
  if (!editMode_)
    EnterEditMode(0, update);
  return editMode_;
}

bool TtsBaseGrid::LeaveEditMode()
{
  if (!editMode_ || AlwaysShowEditor)
    return false;
  if (!CanLeaveCell(CurrentDataCol(), CurrentDataRow(), true))
    return false;
  editMode_ = false;
  RefreshEditor(true);
  ShowFocus(false);
  update();
  return true;
}

// Focus -----------------------------------------------------------------------------------------------

void TtsBaseGrid::FocusIn()
{
  if (hidingEditor_ || editorHidden_ || !editors_)
    return;
  if (!activeEditor_->Visible())
    ShowEditor();
  else
    activeEditor_->SetFocus();
  ShowFocus(false);
}

void TtsBaseGrid::FocusOut()
{
  CloseDropDownsOnFocusLoss();
  keyMove_ = false;
  refocus_ = false;
  if (!AlwaysShowEditor)
    InvalidateFocusCell(model_.CurrentDisplayCol(), model_.CurrentDisplayRow(), false);
  LeaveEditModeOnFocusLoss();
}

// The focus gone to another control of the window ends edit mode; an open edit and its value stay.
void TtsBaseGrid::LeaveEditModeOnFocusLoss()
{
  const QWidget* focused = QApplication::focusWidget();
  if (!focused || focused == this || isAncestorOf(focused) || focused->window() != window())
    return;
  LeaveEditMode();
}

}  // namespace grid
