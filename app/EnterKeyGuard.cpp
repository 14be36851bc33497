#include "app/EnterKeyGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace app {

namespace {

bool IsEnter(const QKeyEvent& key)
{
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// A key goes to the focused control of its window first and then up its parents when unhandled.
bool FirstReceiver(const QWidget& widget)
{
  const QWidget* focused = widget.window()->focusWidget();
  return &widget == (focused ? focused : widget.window());
}

}  // namespace

EnterKeyGuard::EnterKeyGuard(QWidget& window) : window_(window) {}

void EnterKeyGuard::Watch()
{
  qApp->removeEventFilter(this);
  qApp->installEventFilter(this);
}

EnterKeyGuard::~EnterKeyGuard()
{
  qApp->removeEventFilter(this);
}

bool EnterKeyGuard::EnterBelongsElsewhere() const
{
  const QWidget* modal = QApplication::activeModalWidget();
  return heldByOtherWindow_ || (modal && modal != &window_);
}

void EnterKeyGuard::Forget()
{
  heldByOtherWindow_ = false;
  holder_.clear();
}

bool EnterKeyGuard::eventFilter(QObject* watched, QEvent* event)
{
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget)
    return false;
  // A release that never reached us (the dialog closed on the press) is not waited for once a third
  // window of ours takes over; the main window's own keys settle it below.
  if (event->type() == QEvent::WindowActivate && widget->isWindow() && heldByOtherWindow_ &&
      widget != holder_ && widget != &window_) {
    Forget();
    return false;
  }
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
    return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (!IsEnter(key))
    return false;
  if (event->type() == QEvent::KeyRelease) {
    if (!key.isAutoRepeat())
      Forget();
    return false;
  }
  if (key.isAutoRepeat() || !FirstReceiver(*widget))
    return false;  // a repeat belongs where its press went; a press travelling up is seen once
  if (widget->window() == &window_) {
    Forget();  // typed in the main window: a calculation of its own
    return false;
  }
  heldByOtherWindow_ = true;
  holder_ = widget->window();
  return false;
}

}  // namespace app
