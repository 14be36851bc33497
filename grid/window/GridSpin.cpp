// Spin steps: the number at the caret of a spin text cell stepped by the cell's increment, offered
// to OnSpinIncrement and put into the in-cell editor as the user's edit.

#include "grid/window/Grid.h"

#include "grid/editor/CellEditorAdapters.h"
#include "grid/model/NumberText.h"

#include <algorithm>

namespace grid {

namespace {

// A stepped text fitted to a mask that checks while typing: the first candidate the mask takes,
// the stepped number merged with the width of the one it replaced; empty when it takes none.
std::string FitToMask(TtsEditMask& mask, const std::string& oldText, const std::string& newText, int pos, int& len)
{
  const std::size_t at = std::size_t(std::max(pos, 1) - 1);
  const std::string before = newText.substr(0, at);
  const std::string rest = newText.substr(std::min(at + std::size_t(len), newText.size()));
  int oldStart = 0;
  int oldLength = 0;
  const std::string oldPart =
      FindNumberAt(oldText, pos, oldStart, oldLength) ? oldText.substr(std::size_t(oldStart - 1), std::size_t(oldLength)) : "";
  const std::string merged = KeepIntegerWidth(oldPart, newText.substr(at, std::size_t(len)));
  const auto accepts = [&](const std::string& candidate, bool final) {
    std::string keys;
    return mask.Validate(candidate, keys, int(candidate.size()) + 1, final, false);
  };
  const bool wholeText = pos <= 1 && len == int(newText.size());
  const struct {
    bool Merged;
    bool Final;
  } order[] = {{true, false}, {false, true}, {true, true}, {false, false}, {true, false}};
  for (std::size_t i = 0; i < std::size(order); ++i) {
    if (i == 0 && wholeText)
      continue;
    if (!accepts(order[i].Merged ? before + merged : newText, order[i].Final))
      continue;
    if (!order[i].Merged)
      return newText;
    len = int(merged.size());
    return before + merged + rest;
  }
  return {};
}

}  // namespace

void TtsBaseGrid::SpinRepeat(int dataCol, int dataRow, int part, int /*count*/) { SpinStep(dataCol, dataRow, part); }

void TtsBaseGrid::SpinStep(int dataCol, int dataRow, int part)
{
  const TtsControlType type = model_.ResolveControlType(dataCol, dataRow);
  if ((model_.ResolveSpinOptions(dataCol, dataRow) & spoAutoIncrement) == 0 || type != ctText)
    return;  // picture cells step through an image list, which the grid does not have
  if (!InEditMode() && !EnterEditMode(1, true))
    return;
  TtsCustomGridControl* editor = &ActiveEditor();
  const TtsCellValue shown = editor->Value();
  const std::string current = shown.IsString() ? shown.AsString() : std::string();
  const std::string text = current.empty() ? "0" : current;
  const double increment = model_.ResolveSpinIncrement(dataCol, dataRow) * (part == 2 ? -1 : 1);
  int pos = 0;
  int len = 0;
  const std::string stepped = SpinNumberAt(text, editor->SelStart() + 1, pos, len, increment);
  auto* textEditor = dynamic_cast<TtsEditGridControl*>(editor);
  TtsEditMask* mask = textEditor != nullptr ? textEditor->Box().Mask() : nullptr;
  const bool fit = stepped != current && mask != nullptr && (mask->GetCheckModes() & 1) != 0 &&
                   (mask->GetMaskOptions() & 1) != 0;
  const std::string fitted = fit ? FitToMask(*mask, text, stepped, pos, len) : stepped;
  if (fitted.empty() || fitted == current)
    return;
  TtsCellValue value = fitted;
  bool accept = true;
  if (!Fire(OnSpinIncrement, dataCol, dataRow, part, value, pos, len, accept) || !accept)
    return;
  const TtsCellValue converted = ConvertCellValue(type, value);
  const std::string result = converted.IsString() ? converted.AsString() : std::string();
  if (result == current || !BeginEditByKey(false))
    return;
  editor->SetEditedValue(converted, true);
  // The caret after the stepped number.
  const std::string now = editor->Value().IsString() ? editor->Value().AsString() : std::string();
  editor->SetSelStart(std::clamp(int(now.size()) + pos + len - int(result.size()) - 1, 0, int(now.size())));
}

}  // namespace grid
