#include "platform/ToolBar.h"

#include "platform/Canvas.h"
#include "platform/CanvasEdge.h"
#include "platform/Hints.h"

#include <QEvent>

namespace platform {

namespace {

constexpr int kMargin = 2;          // between the bevel and the first button
constexpr int kSeparatorWidth = 8;  // room of a group separator, its line in the middle

void DrawBevel(TCanvas& canvas, TRect& r, TPanelBevel bevel)
{
  if (bevel == TPanelBevel::bvNone)
    return;
  const bool raised = bevel == TPanelBevel::bvRaised;
  Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, 1);
}

}  // namespace

TToolBar::TToolBar(QWidget* parent, int height) : CustomControl(parent)
{
  setFocusPolicy(Qt::NoFocus);
  setFixedHeight(height);
  SetColor(clBtnFace);
  platform::SetShowHint(*this, true);
}

TSpeedButton& TToolBar::AddButton(const QString& name, const QString& hint, std::function<void()> onClick)
{
  auto* button = new TSpeedButton(this);  // owned by the bar
  button->setObjectName(name);
  button->SetFlat(true);
  button->SetHint(hint);
  button->OnClick = std::move(onClick);
  button->resize(buttonWidth_, buttonHeight_);
  button->installEventFilter(this);
  items_.push_back({button});
  Realign();
  return *button;
}

void TToolBar::AddSeparator()
{
  items_.push_back({});
  Realign();
}

TSpeedButton* TToolBar::Button(const QString& name) const
{
  for (const Item& item : items_)
    if (item.button != nullptr && item.button->objectName() == name)
      return item.button;
  return nullptr;
}

int TToolBar::ButtonCount() const
{
  return int(std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.button != nullptr; }));
}

bool TToolBar::ClickButton(const QString& name)
{
  TSpeedButton* button = Button(name);
  if (button == nullptr || button->isHidden() || !button->isEnabled())
    return false;
  button->Click();
  return true;
}

void TToolBar::SetButtonSize(int width, int height)
{
  buttonWidth_ = width;
  buttonHeight_ = height;
  for (const Item& item : items_)
    if (item.button != nullptr)
      item.button->resize(width, height);
  Realign();
}

void TToolBar::SetBevelOuter(TPanelBevel bevel)
{
  outer_ = bevel;
  Realign();
}

void TToolBar::SetBevelInner(TPanelBevel bevel)
{
  inner_ = bevel;
  Realign();
}

int TToolBar::BevelWidth() const
{
  return (outer_ != TPanelBevel::bvNone ? 1 : 0) + (inner_ != TPanelBevel::bvNone ? 1 : 0);
}

QSize TToolBar::sizeHint() const
{
  return {contentRight_ + kMargin + BevelWidth(), height()};
}

void TToolBar::Realign()
{
  int x = BevelWidth() + kMargin;
  for (Item& item : items_) {
    if (item.button == nullptr) {
      item.x = x + kSeparatorWidth / 2 - 1;
      x += kSeparatorWidth;
      continue;
    }
    if (item.button->isHidden())
      continue;
    item.button->move(x, (height() - item.button->height()) / 2);
    x += item.button->width();
  }
  contentRight_ = x;
  updateGeometry();
  Invalidate();
}

void TToolBar::Resized()
{
  Realign();
}

bool TToolBar::eventFilter(QObject* watched, QEvent* event)
{
  if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
    Realign();
  return CustomControl::eventFilter(watched, event);
}

void TToolBar::Paint(TCanvas& canvas)
{
  TRect r{0, 0, width(), height()};
  DrawBevel(canvas, r, outer_);
  DrawBevel(canvas, r, inner_);
  for (const Item& item : items_) {
    if (item.button != nullptr)
      continue;
    TRect line{item.x, r.Top + 1, item.x + 2, r.Bottom - 1};
    DrawEdge(canvas, line, EDGE_ETCHED, BF_LEFT);
  }
}

}  // namespace platform
