// Spin steps: the number at the caret of a spin text cell stepped by the cell's increment, offered
// to OnSpinIncrement and put into the in-cell editor as the user's edit.

#include "grid/window/Grid.h"

#include "grid/editor/CellEditorAdapters.h"
#include "grid/model/NumberText.h"

#include <algorithm>

namespace grid {

void TtsBaseGrid::SpinRepeat(int dataCol, int dataRow, int part, int /*count*/) { SpinStep(dataCol, dataRow, part); }

void TtsBaseGrid::SpinStep(int dataCol, int dataRow, int part)
{
  const TtsControlType type = model_.ResolveControlType(dataCol, dataRow);
  if ((model_.ResolveSpinOptions(dataCol, dataRow) & spoAutoIncrement) == 0 || type != ctText)
    return;  // picture cells step through an image list, which the grid does not have
  TtsCustomGridControl* editor = SpinEditor.Editor;
  if (editor == nullptr || !SpinEditor.EnterEditMode || !SpinEditor.EnterEditMode())
    return;
  const TtsCellValue shown = editor->Value();
  const std::string current = shown.IsString() ? shown.AsString() : std::string();
  const double increment = model_.ResolveSpinIncrement(dataCol, dataRow) * (part == 2 ? -1 : 1);
  int pos = 0;
  int len = 0;
  const std::string stepped =
      SpinNumberAt(current.empty() ? "0" : current, editor->SelStart() + 1, pos, len, increment);
  if (stepped.empty() || stepped == current)
    return;
  TtsCellValue value = stepped;
  bool accept = true;
  if (!Fire(OnSpinIncrement, dataCol, dataRow, part, value, pos, len, accept) || !accept)
    return;
  const TtsCellValue converted = ConvertCellValue(type, value);
  const std::string text = converted.IsString() ? converted.AsString() : std::string();
  if (text == current || !editor->AllowEdit())
    return;
  editor->SetEditedValue(converted, true);
  // The caret after the stepped number.
  const std::string now = editor->Value().IsString() ? editor->Value().AsString() : std::string();
  editor->SetSelStart(std::clamp(int(now.size()) + pos + len - int(text.size()) - 1, 0, int(now.size())));
}

}  // namespace grid
