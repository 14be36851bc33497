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

}  // namespace

EnterKeyGuard::EnterKeyGuard(QWidget& window) : window_(window)
{
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

bool EnterKeyGuard::eventFilter(QObject* watched, QEvent* event)
{
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
    return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!IsEnter(key) || !widget)
    return false;
  if (event->type() == QEvent::KeyPress && widget->window() != &window_)
    heldByOtherWindow_ = true;
  else if (event->type() == QEvent::KeyRelease && !key.isAutoRepeat())
    heldByOtherWindow_ = false;
  return false;
}

}  // namespace app
