#include "grid/dropdown/DropDownCell.h"

#include "grid/editor/CellEditorAdapters.h"

namespace grid {

TtsCellValue TtsEditorDropDownCell::Value() const { return editor_.Value(); }

void TtsEditorDropDownCell::ChangeValue(const TtsCellValue& value) { editor_.SetEditedValue(value, true); }

int TtsEditorDropDownCell::CaretPos() const { return editor_.SelStart(); }

void TtsEditorDropDownCell::Select(int start, int length)
{
  editor_.SetSelStart(start);
  editor_.SetSelLength(length);
}

int TtsEditorDropDownCell::SelStart() const { return editor_.SelStart(); }

int TtsEditorDropDownCell::SelLength() const { return editor_.SelLength(); }

QWidget* TtsEditorDropDownCell::EditorWindow() const { return &editor_.Window(); }

}  // namespace grid
