#include "grid/dropdown/DropDownHooks.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace grid {

namespace {

class DropDownHookFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

struct HookState {
  std::vector<TtsDropDownOwner*> grids;
  std::unique_ptr<DropDownHookFilter> filter;
};

HookState& State()
{
  static HookState state;
  return state;
}

bool IsClosingPress(const QEvent& event)
{
  if (event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseButtonDblClick &&
      event.type() != QEvent::NonClientAreaMouseButtonPress)
    return false;
  const auto button = static_cast<const QMouseEvent&>(event).button();
  return button == Qt::LeftButton || button == Qt::RightButton;
}

// Last registered first; a grid that owns the pressed window ends the walk.
void PressOn(const QWidget* window)
{
  const std::vector<TtsDropDownOwner*> grids = State().grids;
  for (auto it = grids.rbegin(); it != grids.rend(); ++it) {
    const auto& listed = State().grids;
    if (std::find(listed.begin(), listed.end(), *it) == listed.end())
      continue;  // closed and gone meanwhile
    if ((*it)->OwnsDropDownWindow(window) || (*it)->IgnoredByDropDownHooks())
      return;
    (*it)->CloseDropDownsFromHook();
  }
}

void ActivationChanged()
{
  const std::vector<TtsDropDownOwner*> grids = State().grids;
  for (auto it = grids.rbegin(); it != grids.rend(); ++it) {
    const auto& listed = State().grids;
    if (std::find(listed.begin(), listed.end(), *it) == listed.end())
      continue;
    if (!(*it)->IgnoredByDropDownHooks())
      (*it)->CloseDropDownsFromHook();
  }
}

bool DropDownHookFilter::eventFilter(QObject* watched, QEvent* event)
{
  if (!watched->isWidgetType())
    return false;
  const auto* widget = static_cast<const QWidget*>(watched);
  if (IsClosingPress(*event))
    PressOn(widget);
  else if (event->type() == QEvent::ActivationChange && widget->isWindow() && !widget->property("vexalDropDown").toBool())
    ActivationChanged();
  return false;
}

}  // namespace

void RegisterDropDownGrid(TtsDropDownOwner& grid)
{
  HookState& state = State();
  if (!state.filter && QCoreApplication::instance()) {
    state.filter = std::make_unique<DropDownHookFilter>();
    QCoreApplication::instance()->installEventFilter(state.filter.get());
  }
  state.grids.push_back(&grid);
}

void UnregisterDropDownGrid(TtsDropDownOwner& grid)
{
  HookState& state = State();
  const auto it = std::find(state.grids.begin(), state.grids.end(), &grid);
  if (it != state.grids.end())
    state.grids.erase(it);
  if (state.grids.empty())
    state.filter.reset();  // a deleted filter leaves the application's list
}

void UnregisterDropDownGridAll(TtsDropDownOwner& grid)
{
  HookState& state = State();
  std::erase(state.grids, &grid);
  if (state.grids.empty())
    state.filter.reset();
}

bool DropDownHooksInstalled() { return State().filter != nullptr; }

const std::vector<TtsDropDownOwner*>& DropDownGrids() { return State().grids; }

}  // namespace grid
