// The focus arriving at the grid (or its in-cell editor) and leaving both: the cell edit under way
// is ended on leaving, and a refusal keeps the focus in the grid.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/editor/CellEditorAdapters.h"
#include "grid/window/Grid.h"
#include "grid/window/ScopeEnd.h"

#include <QApplication>

namespace grid {

namespace {

bool Inside(const QWidget& grid, const QWidget* widget)
{
  return widget != nullptr && (widget == &grid || grid.isAncestorOf(widget));
}

}  // namespace

QMetaObject::Connection TtsBaseGrid::WatchFocus()
{
  return connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    // Focus gone nowhere (the application deactivated, or a window on its way out) is no departure.
    const bool wasInside = Inside(*this, old);
    const bool isInside = Inside(*this, now);
    if (isInside && !wasInside)
      DoEnter();
    else if (wasInside && now != nullptr && !isInside)
      DoExit();
  });
}

void TtsBaseGrid::DoEnter()
{
  if (exitNesting_ > 0 || hidingEditor_)
    return;
  if (activeEditor_ != nullptr && activeEditor_->Visible())
    activeEditor_->Window().update();
  Fire(OnEnter);
}

void TtsBaseGrid::DoExit()
{
  if (hidingEditor_)
    return;
  ++exitNesting_;
  AtScopeEnd done{[this] { --exitNesting_; }};
  if (CellEditing()) {
    bool ended = false;
    try {
      ended = FinishCellEdit(true);
    } catch (...) {
      setFocus(Qt::OtherFocusReason);
      throw;
    }
    if (!ended) {
      setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  if (HasDropDowns()) {
    if (!DesignTime())
      DropDowns().CloseDropDowns(false);
    DropDowns().ClearComboSearch();
  }
  if (activeEditor_ != nullptr && activeEditor_->Visible())
    activeEditor_->Window().update();
  Fire(OnExit);
}

}  // namespace grid
