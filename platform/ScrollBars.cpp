#include "platform/ScrollBars.h"

#include <QScrollBar>
#include <algorithm>

namespace platform {

TWindowScrollBar::TWindowScrollBar(QWidget& owner, int kind, Message message)
    : bar_(new QScrollBar(kind == SB_VERT ? Qt::Vertical : Qt::Horizontal, &owner)),
      message_(std::move(message))
{
  bar_->setFocusPolicy(Qt::NoFocus);
  bar_->setTracking(true);
  bar_->hide();
  connect(bar_, &QAbstractSlider::actionTriggered, this, &TWindowScrollBar::Action);
  connect(bar_, &QAbstractSlider::sliderReleased, this, &TWindowScrollBar::Released);
  Sync();
}

bool TWindowScrollBar::Needed() const
{
  return info_.Page > 0 ? info_.Page <= info_.Max - info_.Min : info_.Max > info_.Min;
}

int TWindowScrollBar::SetInfo(const TScrollInfo& info)
{
  const bool wasNeeded = Needed();
  if (info.Mask & SIF_RANGE) {
    info_.Min = info.Min;
    info_.Max = info.Max;
  }
  if (info.Mask & SIF_PAGE)
    info_.Page = info.Page;
  if (info.Mask & SIF_POS)
    info_.Pos = info.Pos;
  const long long span = (long long)info_.Max - info_.Min + 1;
  info_.Page = int(std::clamp<long long>(info_.Page, 0, std::max(0LL, span)));
  const int last = int(std::max<long long>(info_.Min, (long long)info_.Max - std::max(info_.Page - 1, 0)));
  info_.Pos = std::clamp(info_.Pos, info_.Min, last);
  if (info.Mask & SIF_DISABLENOSCROLL) {
    if (shown_ || Needed())
      shown_ = true;
    enabled_ = Needed();
  } else if ((info.Mask & (SIF_RANGE | SIF_PAGE)) && Needed() != wasNeeded) {
    shown_ = Needed();
    enabled_ = true;
  } else if ((info.Mask & (SIF_RANGE | SIF_PAGE)) && !Needed()) {
    shown_ = false;
  }
  Sync();
  return info_.Pos;
}

int TWindowScrollBar::SetPos(int pos)
{
  const int previous = info_.Pos;
  TScrollInfo info;
  info.Mask = SIF_POS;
  info.Pos = pos;
  SetInfo(info);
  return previous;
}

void TWindowScrollBar::Show(bool on)
{
  shown_ = on;
  Sync();
}

void TWindowScrollBar::Enable(bool on)
{
  enabled_ = on;
  Sync();
}

// The Qt bar's range is the positions the thumb's top may take.
void TWindowScrollBar::Sync()
{
  if (!bar_)
    return;
  syncing_ = true;
  const int last = std::max(info_.Min, info_.Max - std::max(info_.Page - 1, 0));
  bar_->setRange(info_.Min, last);
  bar_->setPageStep(std::max(info_.Page, 1));
  bar_->setSingleStep(1);
  if (!tracking_)
    bar_->setValue(info_.Pos);
  bar_->setEnabled(enabled_);
  bar_->setVisible(shown_);
  syncing_ = false;
}

void TWindowScrollBar::Action(int action)
{
  if (syncing_)
    return;
  int code = -1;
  switch (action) {
  case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
  case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
  case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
  case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
  case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
  case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
  case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
  default: return;
  }
  if (code == SB_THUMBTRACK) {
    // The thumb follows the mouse; the program hears where it is.
    tracking_ = true;
    info_.TrackPos = bar_->sliderPosition();
    message_(code, info_.TrackPos);
    return;
  }
  // Steps do not move the bar: the program answers with the position it wants.
  bar_->setSliderPosition(info_.Pos);
  message_(code, 0);
  message_(SB_ENDSCROLL, 0);
  Sync();
}

void TWindowScrollBar::Released()
{
  if (!tracking_)
    return;
  tracking_ = false;
  const int pos = info_.TrackPos;
  message_(SB_THUMBPOSITION, pos);
  message_(SB_ENDSCROLL, 0);
  Sync();
}

}  // namespace platform
