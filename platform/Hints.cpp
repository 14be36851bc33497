#include "platform/Hints.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QTimer>
#include <QToolTip>
#include <QVariant>

namespace platform {

namespace {

constexpr const char* kHint = "Hint";
constexpr const char* kShowHint = "ShowHint";
constexpr int kHintBelowCursor = 20;  // the hint window's distance below the mouse

// Reports the mouse's way through the program's windows to the application hints.
class HintFilter : public QObject {
public:
  explicit HintFilter(TApplicationHints& hints) : QObject(qApp), hints_(hints) {}  // goes with the application

  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (!watched->isWidgetType())
      return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
      case QEvent::Enter:
        hints_.MouseEntered(widget);
        break;
      case QEvent::Leave:
        // Back to the parent; an Enter follows when the mouse went on to another control.
        hints_.MouseEntered(widget->isWindow() ? nullptr : widget->parentWidget());
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::Wheel:
        hints_.CancelHint();
        break;
      case QEvent::ToolTip:
        return HintControl(widget) != nullptr;  // our hint window, not the toolkit's
      default:
        break;
    }
    return false;
  }

private:
  TApplicationHints& hints_;
};

}  // namespace

QString GetShortHint(const QString& hint)
{
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.left(bar);
}

QString GetLongHint(const QString& hint)
{
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget& control, const QString& hint)
{
  ApplicationHints();  // the filter must watch from now on
  control.setProperty(kHint, hint);
}

QString Hint(const QWidget& control)
{
  return control.property(kHint).toString();
}

void SetShowHint(QWidget& control, bool on)
{
  control.setProperty(kShowHint, on);
}

void SetParentShowHint(QWidget& control)
{
  control.setProperty(kShowHint, QVariant());
}

bool ShowsHint(const QWidget& control)
{
  for (const QWidget* w = &control; w != nullptr; w = w->parentWidget()) {
    const QVariant own = w->property(kShowHint);
    if (own.isValid())
      return own.toBool();
  }
  return false;
}

QWidget* HintControl(QWidget* control)
{
  for (QWidget* w = control; w != nullptr; w = w->parentWidget())
    if (!Hint(*w).isEmpty())
      return w;
  return nullptr;
}

TApplicationHints::TApplicationHints() : showTimer_(new QTimer(qApp)), hideTimer_(new QTimer(qApp))
{
  showTimer_->setSingleShot(true);
  hideTimer_->setSingleShot(true);
  QObject::connect(showTimer_, &QTimer::timeout, [this] { ShowPending(); });
  QObject::connect(hideTimer_, &QTimer::timeout, [this] { HidePending(); });
  qApp->installEventFilter(new HintFilter(*this));
}

TApplicationHints& ApplicationHints()
{
  static TApplicationHints* hints = new TApplicationHints();  // lives with the application
  return *hints;
}

void TApplicationHints::MouseEntered(QWidget* control)
{
  QWidget* source = HintControl(control);
  SetHintText(source != nullptr ? GetLongHint(platform::Hint(*source)) : QString());
  if (source != nullptr && source == shownFor_ && HintShowing())
    return;
  if (HintShowing()) {
    recentlyShown_ = true;
    shownText_.clear();
    shownFor_ = nullptr;
    hideTimer_->stop();
    QToolTip::hideText();
  }
  showTimer_->stop();
  pending_ = nullptr;
  if (source == nullptr || !ShowHint || !ShowsHint(*source) || GetShortHint(platform::Hint(*source)).isEmpty())
    return;
  pending_ = source;
  showTimer_->start(recentlyShown_ ? HintShortPause : HintPause);
}

void TApplicationHints::CancelHint()
{
  showTimer_->stop();
  pending_ = nullptr;
  recentlyShown_ = false;
  HidePending();
}

void TApplicationHints::SetHintText(const QString& text)
{
  if (text == hint_)
    return;
  hint_ = text;
  if (OnHint)
    OnHint();
}

void TApplicationHints::ShowPending()
{
  QWidget* control = pending_;
  pending_ = nullptr;
  if (control == nullptr || !control->isVisible())
    return;
  shownFor_ = control;
  shownText_ = GetShortHint(platform::Hint(*control));
  QToolTip::showText(QCursor::pos() + QPoint(0, kHintBelowCursor), shownText_, control, {}, HintHidePause);
  hideTimer_->start(HintHidePause);
}

void TApplicationHints::HidePending()
{
  hideTimer_->stop();
  if (!HintShowing())
    return;
  shownText_.clear();
  shownFor_ = nullptr;
  recentlyShown_ = false;
  QToolTip::hideText();
}

}  // namespace platform
