#include "platform/Caret.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace platform::caret {

namespace {

struct CaretState {
  QPointer<QWidget> owner;
  QRect rect;
  bool gray = false;
  QImage shape;  // null: a solid caret
  int hideCount = 1;
  bool phaseOn = true;
  int blinkTime = 530;
  QPointer<QTimer> timer;  // a child of the application object, which outlives every control
};

CaretState& State()
{
  static CaretState state;
  return state;
}

void UpdateOwner()
{
  CaretState& s = State();
  if (s.owner)
    s.owner->update(s.rect);
}

void Restart()
{
  CaretState& s = State();
  s.phaseOn = true;
  if (!s.timer) {
    s.timer = new QTimer(QCoreApplication::instance());
    QObject::connect(s.timer, &QTimer::timeout, [] {
      State().phaseOn = !State().phaseOn;
      UpdateOwner();
    });
  }
  const bool blink = s.owner && s.hideCount == 0 && s.blinkTime > 0;
  if (blink)
    s.timer->start(s.blinkTime);
  else
    s.timer->stop();
}

bool Holds(const QWidget& owner)
{
  return State().owner == &owner;
}

}  // namespace

void Create(QWidget& owner, int width, int height, bool gray)
{
  CaretState& s = State();
  if (s.owner && s.owner != &owner)
    Destroy(*s.owner);
  UpdateOwner();
  s.owner = &owner;
  s.rect = QRect(s.rect.topLeft(), QSize(qMax(width, 1), qMax(height, 1)));
  s.gray = gray;
  s.shape = QImage();
  s.hideCount = 1;
  Restart();
}

void CreateShaped(QWidget& owner, const QImage& shape)
{
  Create(owner, shape.width(), shape.height(), false);
  State().shape = shape;
}

void Destroy(QWidget& owner)
{
  CaretState& s = State();
  if (!Holds(owner))
    return;
  UpdateOwner();
  s.owner = nullptr;
  s.hideCount = 1;
  Restart();
}

void SetPosition(QWidget& owner, int x, int y)
{
  if (!Holds(owner))
    return;
  UpdateOwner();
  State().rect.moveTo(x, y);
  Restart();
  UpdateOwner();
}

void Show(QWidget& owner)
{
  CaretState& s = State();
  if (!Holds(owner) || s.hideCount == 0)
    return;
  if (--s.hideCount == 0) {
    Restart();
    UpdateOwner();
  }
}

void Hide(QWidget& owner)
{
  CaretState& s = State();
  if (!Holds(owner))
    return;
  if (s.hideCount++ == 0) {
    Restart();
    UpdateOwner();
  }
}

void SetBlinkTime(int milliseconds)
{
  State().blinkTime = milliseconds;
  Restart();
}

QWidget* Owner()
{
  return State().owner;
}

QRect Rect()
{
  return State().rect;
}

bool IsShown()
{
  return State().owner && State().hideCount == 0;
}

bool IsDrawn()
{
  return IsShown() && State().phaseOn;
}

void PaintOn(const QWidget& widget, QPainter& painter)
{
  const CaretState& s = State();
  if (!Holds(widget) || !IsDrawn())
    return;
  // Inverted pixels, as the system caret: drawn over whatever the control painted.
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  if (!s.shape.isNull())
    painter.drawImage(s.rect.topLeft(), s.shape);
  else
    painter.fillRect(s.rect, s.gray ? QColor(128, 128, 128) : QColor(255, 255, 255));
  painter.restore();
}

}  // namespace platform::caret
