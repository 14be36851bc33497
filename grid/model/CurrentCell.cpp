#include "grid/model/CurrentCell.h"

#include "grid/model/CellValueCheck.h"
#include "grid/model/GridModel.h"

namespace grid {

bool TtsCurrentCell::Usable() const { return !grid_.Designing && grid_.Cols() >= 1 && grid_.Rows() >= 1; }

bool TtsCurrentCell::Valid() const { return Usable() && grid_.CurrentDataCol() > 0 && grid_.CurrentDataRow() > 0; }

int TtsCurrentCell::DataCol() const { return Valid() ? grid_.CurrentDataCol() : -1; }

int TtsCurrentCell::DataRow() const { return Valid() ? grid_.CurrentDataRow() : -1; }

TtsControlType TtsCurrentCell::ControlType() const { return Valid() ? grid_.CurrentControlType() : ctNone; }

void TtsCurrentCell::LoadValue()
{
  const int col = grid_.CurrentDataCol();
  const int row = grid_.CurrentDataRow();
  if (IsCachedFor(col, row) || col < 1 || col > grid_.Cols() || row < 1 || row > grid_.Rows())
    return;
  TtsCellValue value;
  {
    ++reading_;
    struct Lower {
      int& count;
      ~Lower() { --count; }
    } lower{reading_};
    value = host_.ReadCell(col, row);
  }
  host_.LoadEditorValue(value);
}

TtsCellValue TtsCurrentCell::GetValue()
{
  if (!Valid())
    return {};
  LoadValue();
  return value_;
}

void TtsCurrentCell::Store(const TtsCellValue& value, bool ownsPicture)
{
  if (!Valid())
    return;
  ClearValue();
  cachedCol_ = grid_.CurrentDataCol();
  cachedRow_ = grid_.CurrentDataRow();
  pictures_ = TtsCurrentPictureOptions{};
  value_ = value;
  ownsPicture_ = ownsPicture;
}

void TtsCurrentCell::ClearValue()
{
  cachedCol_ = -1;
  cachedRow_ = -1;
  if (ownsPicture_) {
    ownsPicture_ = false;
    host_.FreePicture(value_);
  }
  value_ = TtsCellValue();
}

bool TtsCurrentCell::IsCachedFor(int dataCol, int dataRow) const
{
  return !value_.IsEmpty() && cachedCol_ == dataCol && cachedRow_ == dataRow;
}

void TtsCurrentCell::ColDeleted(int dataCol)
{
  if (cachedCol_ == dataCol)
    ClearValue();
  else if (cachedCol_ > dataCol)
    --cachedCol_;
}

void TtsCurrentCell::RowDeleted(int dataRow)
{
  if (cachedRow_ == dataRow)
    ClearValue();
  else if (cachedRow_ > dataRow)
    --cachedRow_;
}

void TtsCurrentCell::RefreshValue()
{
  if (!host_.WindowExists() || !Valid())
    return;
  LoadValue();
  host_.ReloadEditorDisplay();
}

int TtsCurrentCell::SelStart()
{
  if (!Valid())
    return 0;
  LoadValue();
  return selStart_;
}

int TtsCurrentCell::SelLength()
{
  if (!Valid())
    return 0;
  LoadValue();
  return selLength_;
}

void TtsCurrentCell::SetSelStart(int start)
{
  LoadValue();
  host_.SetEditorSelection(start, selLength_);
}

void TtsCurrentCell::SetSelLength(int length)
{
  LoadValue();
  host_.SetEditorSelection(selStart_, length);
}

bool TtsCurrentCell::AllSelected()
{
  if (ControlType() != ctText)
    return true;
  const int start = SelStart();
  const int length = SelLength();
  return start == 0 && length == int(GetValue().AsString().size());
}

bool TtsCurrentCell::CopyToClipboard()
{
  if (ControlType() != ctText || !host_.WindowExists())
    return false;
  LoadValue();
  return host_.EditorCopy();
}

template <class Action>
bool TtsCurrentCell::ChangeByEditor(Action action)
{
  if (!Usable() || ControlType() != ctText)
    return false;
  LoadValue();
  if (!action())
    return false;
  if (!host_.EditorShowing())
    grid_.InvalidateCell(grid_.CurrentDisplayCol(), grid_.CurrentDisplayRow());
  return true;
}

bool TtsCurrentCell::CutToClipboard(bool byUser)
{
  return ChangeByEditor([&] { return host_.EditorCut(byUser); });
}

bool TtsCurrentCell::PasteFromClipboard(bool byUser)
{
  return ChangeByEditor([&] { return host_.EditorPaste(byUser); });
}

bool TtsCurrentCell::EditAndCutToClipboard(bool byUser) { return host_.StartEdit() && CutToClipboard(byUser); }

bool TtsCurrentCell::EditAndPasteFromClipboard(bool byUser) { return host_.StartEdit() && PasteFromClipboard(byUser); }

bool TtsCurrentCell::SetValue(const TtsCellValue& value, bool showEditor, bool repaint)
{
  if (!Usable())
    return false;
  const TtsControlType type = grid_.CurrentControlType();
  CheckValueForControlType(grid_, type, value);
  if (!host_.StartCellAndRowEdit() || !host_.CurrentColEditable())
    return false;
  if (showEditor && !host_.StartEdit())
    return false;
  ClearValue();
  host_.MarkEditorValueChanged();
  host_.TypeEditorValue(type == ctText ? TtsCellValue(value.AsString()) : value);
  if (repaint)
    grid_.InvalidateCell(grid_.CurrentDisplayCol(), grid_.CurrentDisplayRow());
  return true;
}

TtsCurrentCellHost::TextExtent TtsCurrentCell::TextExtent()
{
  if (ControlType() != ctText)
    return {};
  LoadValue();
  TtsCurrentCellHost::TextExtent extent = host_.WrappedTextExtent(value_.AsString());
  ++extent.height;
  return extent;
}

int TtsCurrentCell::TextHeight() { return TextExtent().height; }

int TtsCurrentCell::TextLines() { return TextExtent().lines; }

void TtsCurrentCell::MoveToInsertRow(int dataCol)
{
  const int insertRow = grid_.Rows() + 1;
  if (grid_.Level.GridMode != gmEditInsert || host_.InsertPending() || grid_.CurrentDisplayRow() == insertRow)
    return;
  if (dataCol < 1 || dataCol > grid_.Cols() || !host_.CanLeaveCurrentCell())
    return;
  host_.EnterInsertRow(grid_.DisplayColOf(dataCol), insertRow);
}

void TtsCurrentCell::MakeVisible()
{
  const int col = grid_.CurrentDisplayCol();
  const int row = grid_.CurrentDisplayRow();
  if (col > 0 && col < grid_.ColCount() && row > 0 && row < grid_.RowCount() && Valid())
    host_.ScrollCellIntoView(col, row);
}

bool TtsCurrentCell::PictureOption(TtsPictureOption option) const
{
  const TtsDrawOption resolved = grid_.ResolvePicture(DataCol(), DataRow(), option);
  if (resolved != dopDefault)
    return resolved == dopOn;
  switch (option) {
    case poStretch:
      return pictures_.Stretch;
    case poShrink:
      return pictures_.Shrink;
    case poCenter:
      return pictures_.Center;
    case poKeepAspectRatio:
      return pictures_.KeepAspectRatio;
  }
  return false;
}

}  // namespace grid
