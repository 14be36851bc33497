#include "plot/support/GraphUndo.h"

#include "platform/Menus.h"

namespace plot {

TGraphUndo::TGraphUndo(QWidget* button, platform::TMenuItem* menuItem) : button_(button), menuItem_(menuItem)
{
  Enable(false);
}

void TGraphUndo::Add(const void* object, std::uint8_t kind)
{
  items_.push_back({kUndoGroupMarker, nullptr});
  items_.push_back({kind, object});
  Enable(true);
}

void TGraphUndo::Clear()
{
  items_.clear();
  Enable(false);
}

void TGraphUndo::Enable(bool on)
{
  if (button_)
    button_->setEnabled(on);
  if (menuItem_)
    menuItem_->SetEnabled(on);
}

}  // namespace plot
