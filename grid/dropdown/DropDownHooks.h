#pragma once
// Closing open drop-downs from outside: grids with an open drop-down register here, and while any is
// registered an application event filter watches the thread's mouse presses and window activations.
// A press closes the drop-downs of the registered grids, the last registered first, until it meets a
// grid that the pressed window belongs to; a window's activation changing closes every one.

#include <vector>

class QWidget;

namespace grid {

// A grid as the hooks see it.
class TtsDropDownOwner {
 public:
  virtual ~TtsDropDownOwner() = default;
  // The grid itself, its combo list, its in-cell editor, its date-time control (or inside one) or
  // the forms they drop down in.
  virtual bool OwnsDropDownWindow(const QWidget* window) const = 0;
  // Closes the open combo list, else the date-time drop-down.
  virtual void CloseDropDownsFromHook() = 0;
  // Designed while its date-time drop-down is not showing: the hooks leave it alone.
  virtual bool IgnoredByDropDownHooks() const = 0;
};

// The same grid registered twice is listed twice; one unregister removes one entry.
void RegisterDropDownGrid(TtsDropDownOwner& grid);
void UnregisterDropDownGrid(TtsDropDownOwner& grid);
// Every entry of the grid (a grid being destroyed).
void UnregisterDropDownGridAll(TtsDropDownOwner& grid);
bool DropDownHooksInstalled();
const std::vector<TtsDropDownOwner*>& DropDownGrids();

}  // namespace grid
