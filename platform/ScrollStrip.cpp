#include "platform/ScrollStrip.h"

#include "platform/ScrollBars.h"

#include <QScrollBar>
#include <algorithm>

namespace platform {

TScrollStrip::TScrollStrip(QWidget* parent) : QWidget(parent), bar_(new QScrollBar(Qt::Vertical, this))
{
  bar_->setRange(0, 0);
  bar_->setSingleStep(1);
  bar_->setGeometry(1, 1, kScrollBarSize, std::max(0, height() - 2));
  setFixedWidth(kScrollBarSize + 2);
  QObject::connect(bar_, &QScrollBar::valueChanged, this, [this] {
    if (OnChange)
      OnChange();
  });
  QWidget::setVisible(false);
}

void TScrollStrip::SetStripVisible(bool on)
{
  stripVisible_ = on;
  QWidget::setVisible(on);
}

void TScrollStrip::SetBarVisible(bool on)
{
  barVisible_ = on;
  bar_->setVisible(on);
}

void TScrollStrip::SetBarHeight(int height) { bar_->setGeometry(1, 1, kScrollBarSize, std::max(0, height)); }

int TScrollStrip::Max() const { return bar_->maximum(); }

void TScrollStrip::SetMax(int max) { bar_->setRange(0, std::max(0, max)); }

int TScrollStrip::LargeChange() const { return bar_->pageStep(); }

void TScrollStrip::SetLargeChange(int lines) { bar_->setPageStep(std::max(1, lines)); }

int TScrollStrip::Position() const { return bar_->value(); }

void TScrollStrip::SetPosition(int position) { bar_->setValue(position); }

void TScrollStrip::resizeEvent(QResizeEvent* event)
{
  QWidget::resizeEvent(event);
  SetBarHeight(height() - 2);
}

}  // namespace platform
