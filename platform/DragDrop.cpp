#include "platform/DragDrop.h"

#include "platform/ExceptionBoundary.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace platform {

namespace {

// The events of a control, kept in a child object so that they die with it.
class DragEventsHolder : public QObject {
public:
  explicit DragEventsHolder(QWidget& control) : QObject(&control) { setObjectName(kName); }
  static constexpr const char* kName = "platform.dragEvents";
  TDragEvents events;
};

// The drag under way: at most one in the program.
struct DragState {
  QPointer<QWidget> source;
  QPointer<QWidget> target;
  QPoint start;       // where a pending drag began (screen)
  QPoint last;        // the last mouse point (screen)
  int threshold = 0;
  bool started = false;
  bool accepted = false;
  bool cursorSet = false;
};

DragState& Drag()
{
  static DragState drag;
  return drag;
}

bool Active()
{
  return !Drag().source.isNull();
}

QPoint Local(QWidget& control, QPoint global)
{
  return control.mapFromGlobal(global);
}

// The control under a screen point that has drag events: the innermost widget or a parent of it.
QWidget* ControlAt(QPoint global)
{
  QWidget* w = QApplication::widgetAt(global);
  if (w == nullptr)
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->isVisible() && top->geometry().contains(global)) {
        w = top->childAt(top->mapFromGlobal(global));
        if (w == nullptr)
          w = top;
        break;
      }
  for (; w != nullptr; w = w->parentWidget())
    if (FindDragEvents(*w) != nullptr)
      return w;
  return nullptr;
}

bool Over(QWidget* target, QWidget* source, QPoint global, TDragState state)
{
  if (target == nullptr)
    return false;
  TDragEvents* events = FindDragEvents(*target);
  if (events == nullptr || !events->OnDragOver)
    return false;
  bool accept = true;
  const QPoint p = Local(*target, global);
  if (!Guard([&] { events->OnDragOver(source, p.x(), p.y(), state, accept); }))
    return false;
  return accept;
}

void ShowCursor(bool accepted)
{
  DragState& d = Drag();
  const TDragEvents* events = d.source ? FindDragEvents(*d.source) : nullptr;
  const QCursor cursor = CursorFor(accepted && events != nullptr ? events->DragCursor : crNoDrop);
  if (d.cursorSet)
    QApplication::changeOverrideCursor(cursor);
  else
    QApplication::setOverrideCursor(cursor);
  d.cursorSet = true;
}

void Finish(bool drop)
{
  DragState& d = Drag();
  QPointer<QWidget> source = d.source;
  QPointer<QWidget> target = d.target;
  const bool started = d.started;
  const QPoint at = d.last;
  if (d.cursorSet)
    QApplication::restoreOverrideCursor();
  if (source && QWidget::mouseGrabber() == source)
    source->releaseMouse();
  d = DragState{};  // handlers below may begin the next drag
  if (!started || !source)
    return;
  const bool accepted = Over(target, source, at, TDragState::dsDragLeave) && drop && target;
  QPoint p;
  if (accepted) {
    p = Local(*target, at);
    if (TDragEvents* events = FindDragEvents(*target); events != nullptr && events->OnDragDrop)
      Guard([&] { events->OnDragDrop(source, p.x(), p.y()); });
  }
  if (!source)
    return;
  if (TDragEvents* events = FindDragEvents(*source); events != nullptr && events->OnEndDrag)
    Guard([&] { events->OnEndDrag(accepted ? target.data() : nullptr, p.x(), p.y()); });
}

void Start()
{
  DragState& d = Drag();
  d.started = true;
  if (TDragEvents* events = FindDragEvents(*d.source); events != nullptr && events->OnStartDrag)
    Guard([&] { events->OnStartDrag(); });
  if (d.source)
    d.source->grabMouse();
  ShowCursor(false);
}

// Feeds the mouse and Escape to the drag while one is under way, and begins automatic drags.
class DragFilter : public QObject {
public:
  bool eventFilter(QObject* watched, QEvent* event) override
  {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        if (!Active() && watched->isWidgetType())
          BeginAutomatic(static_cast<QWidget*>(watched), static_cast<QMouseEvent&>(*event));
        return false;
      case QEvent::MouseMove:
        if (!Active())
          return false;
        DragMouseMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return Drag().started;
      case QEvent::MouseButtonRelease:
        if (!Active() || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
          return false;
        {
          const bool started = Drag().started;
          DragMouseUp(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
          return started;
        }
      case QEvent::KeyPress:
        if (!Active() || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
          return false;
        CancelDrag();
        return true;
      default:
        return false;
    }
  }

private:
  static void BeginAutomatic(QWidget* widget, const QMouseEvent& press)
  {
    if (press.button() != Qt::LeftButton)
      return;
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget())
      if (const TDragEvents* events = FindDragEvents(*w)) {
        if (events->DragMode == TDragMode::dmAutomatic) {
          BeginDrag(*w, false);
          Drag().start = Drag().last = press.globalPosition().toPoint();
        }
        return;
      }
  }
};

void InstallFilter()
{
  static bool installed = false;
  if (installed)
    return;
  installed = true;
  auto* filter = new DragFilter();
  filter->setParent(qApp);  // deleted with the application
  qApp->installEventFilter(filter);
}

}  // namespace

TDragEvents& DragEvents(QWidget& control)
{
  InstallFilter();
  if (TDragEvents* events = FindDragEvents(control))
    return *events;
  return (new DragEventsHolder(control))->events;  // a child of the control
}

TDragEvents* FindDragEvents(const QWidget& control)
{
  auto* holder = control.findChild<DragEventsHolder*>(DragEventsHolder::kName, Qt::FindDirectChildrenOnly);
  return holder != nullptr ? &holder->events : nullptr;
}

void BeginDrag(QWidget& control, bool immediate, int threshold)
{
  if (Active())
    return;
  InstallFilter();
  DragState& d = Drag();
  d.source = &control;
  d.start = d.last = QCursor::pos();
  d.threshold = threshold < 0 ? kDragThreshold : threshold;
  if (immediate)
    Start();
}

void EndDrag(bool drop)
{
  if (Active())
    Finish(drop);
}

void CancelDrag()
{
  EndDrag(false);
}

bool Dragging()
{
  return Active();
}

bool Dragging(const QWidget& control)
{
  return Active() && Drag().source == &control;
}

QWidget* DragTarget()
{
  return Active() ? Drag().target.data() : nullptr;
}

void DragMouseMove(QPoint global)
{
  if (!Active())
    return;
  DragState& d = Drag();
  d.last = global;
  if (!d.started) {
    if ((global - d.start).manhattanLength() < d.threshold)
      return;
    Start();
    if (!Active())
      return;
  }
  QWidget* target = ControlAt(global);
  if (target != d.target) {
    Over(d.target, d.source, global, TDragState::dsDragLeave);
    d.target = target;
    Over(target, d.source, global, TDragState::dsDragEnter);
  }
  d.accepted = Active() && Over(d.target, d.source, global, TDragState::dsDragMove);
  if (Active())
    ShowCursor(d.accepted);
}

void DragMouseUp(QPoint global)
{
  if (!Active())
    return;
  if (Drag().started)
    DragMouseMove(global);
  EndDrag(true);
}

}  // namespace platform
