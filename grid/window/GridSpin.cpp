// Spin steps: the number at the caret of a spin text cell stepped by the cell's increment, or a
// picture cell's picture stepped through the image list, offered to OnSpinIncrement and put into
// the in-cell editor (a picture cell's current-cell object) as the user's edit.

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

void TtsBaseGrid::SpinRepeat(int dataCol, int dataRow, int part, int count)
{
  Fire(OnSpinRepeat, dataCol, dataRow, count, part);
  SpinStep(dataCol, dataRow, part);
}

// The number at the caret stepped by the cell's increment (down for part 2), fitted to a mask that
// checks while typing; empty when the mask takes it in no form.
std::string TtsBaseGrid::SteppedText(int dataCol, int dataRow, int part, const std::string& current, int& pos, int& len)
{
  const std::string text = current.empty() ? "0" : current;
  const double increment = model_.ResolveSpinIncrement(dataCol, dataRow) * (part == 2 ? -1 : 1);
  const std::string stepped = SpinNumberAt(text, ActiveEditor().SelStart() + 1, pos, len, increment);
  auto* textEditor = dynamic_cast<TtsEditGridControl*>(&ActiveEditor());
  TtsEditMask* mask = textEditor != nullptr ? textEditor->Box().Mask() : nullptr;
  const bool fit = stepped != current && mask != nullptr && (mask->GetCheckModes() & 1) != 0 &&
                   (mask->GetMaskOptions() & 1) != 0;
  return fit ? FitToMask(*mask, text, stepped, pos, len) : stepped;
}

// The next (part 1) or previous picture of the image list after the one named, as "Category.Name"
// or the name alone; empty without an image list or a picture there.
TtsCellValue TtsBaseGrid::SteppedPicture(const TtsCellValue& shown, int part)
{
  TtsImageListComponent* list = ImageList();
  if (list == nullptr)
    return {};
  const int identity = list->StepPictureId(shown.IsString() ? shown.AsString() : std::string(), part != 2);
  std::string category;
  std::string name;
  if (identity < 0 || !list->FindPictureName(identity, category, name) || name.empty())
    return {};
  return category.empty() ? name : category + "." + name;
}

void TtsBaseGrid::SpinStep(int dataCol, int dataRow, int part)
{
  const TtsControlType type = model_.ResolveControlType(dataCol, dataRow);
  if ((model_.ResolveSpinOptions(dataCol, dataRow) & spoAutoIncrement) == 0 || (type != ctText && type != ctPicture))
    return;
  if (!InEditMode() && !EnterEditMode(1, true))
    return;
  TtsCustomGridControl* editor = &ActiveEditor();
  // A picture cell's editor value is the one its current-cell object keeps.
  const TtsCellValue shown = type == ctText ? editor->Value() : currentCell_->GetValue();
  const std::string current = shown.IsString() ? shown.AsString() : std::string();
  int pos = 0;
  int len = 0;
  TtsCellValue value = type == ctText ? TtsCellValue(SteppedText(dataCol, dataRow, part, current, pos, len))
                                      : SteppedPicture(shown, part);
  if (value.IsEmpty() || (value.IsString() && (value.AsString().empty() || value.AsString() == current)))
    return;
  bool accept = true;
  if (!Fire(OnSpinIncrement, dataCol, dataRow, part, value, pos, len, accept) || !accept)
    return;
  const TtsCellValue converted = ConvertCellValue(type, value);
  if (converted == shown || !BeginEditByKey(false))
    return;
  if (type == ctPicture) {
    RecordEditedValue(converted, true);
    return;
  }
  const std::string result = converted.IsString() ? converted.AsString() : std::string();
  editor->SetEditedValue(converted, true);
  // The caret after the stepped number.
  const std::string now = editor->Value().IsString() ? editor->Value().AsString() : std::string();
  editor->SetSelStart(std::clamp(int(now.size()) + pos + len - int(result.size()) - 1, 0, int(now.size())));
}

}  // namespace grid
