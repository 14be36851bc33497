#include "platform/UpDown.h"

#include "platform/ExceptionBoundary.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace platform {

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    column->addWidget(b);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] { Click(btNext); });
  connect(down_, &QToolButton::clicked, this, [this] { Click(btPrev); });
}

void UpDown::SetAssociate(QLineEdit* edit)
{
  if (edit_)
    edit_->removeEventFilter(this);
  edit_ = edit;
  if (edit_) {
    edit_->installEventFilter(this);
    WriteEdit();
  }
}

void UpDown::SetMin(int min)
{
  min_ = min;
  if (max_ < min_)
    max_ = min_;
  SetPosition(position_);
}

void UpDown::SetMax(int max)
{
  max_ = max;
  if (min_ > max_)
    min_ = max_;
  SetPosition(position_);
}

void UpDown::SetPosition(int position)
{
  position_ = qBound(min_, position, max_);
  WriteEdit();
}

void UpDown::Click(TUDBtnType button)
{
  TakeEditText();
  int next = position_ + (button == btNext ? increment_ : -increment_);
  if (next > max_)
    next = wrap_ ? min_ : max_;
  else if (next < min_)
    next = wrap_ ? max_ : min_;
  SetPosition(next);
  if (auto handler = OnClick)
    Guard([&] { handler(button); });
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
  if (watched == edit_ && event->type() == QEvent::KeyPress && isEnabled()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Click(key == Qt::Key_Up ? btNext : btPrev);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void UpDown::TakeEditText()
{
  if (!edit_)
    return;
  bool ok = false;
  const int typed = edit_->text().trimmed().toInt(&ok);
  if (ok)
    position_ = qBound(min_, typed, max_);
}

void UpDown::WriteEdit()
{
  if (edit_)
    edit_->setText(QString::number(position_));
}

}  // namespace platform
