// The objects behind a cell: the in-cell editor serving a control type, and the button object of
// each kind that measures and draws a cell's button.

#include "grid/dropdown/CellButtons.h"
#include "grid/window/Grid.h"
#include "grid/window/GridEditorParts.h"

namespace grid {

TtsCustomGridControl& TtsBaseGrid::GetGridControl(TtsControlType type) const
{
  switch (type) {
    case ctText: return editors_->text;
    case ctCheck: return editors_->check;
    case ctPicture: return editors_->picture;
    default: return editors_->other;
  }
}

TtsCustomButton* TtsBaseGrid::GetCellButton(int displayCol, int displayRow)
{
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType type =
      model_.ResolveButtonType(model_.DataColOf(displayCol), model_.DataRowOf(displayRow), style);
  if (type == btNone || type == btDefault)
    return lastCellButton_;
  std::shared_ptr<TtsCustomButton>& button = cellButtons_[type];
  if (!button)
    button = MakeCellButton(*this, type);
  lastCellButton_ = button.get();
  return lastCellButton_;
}

}  // namespace grid
