#include "platform/Menus.h"

#include "platform/ExceptionBoundary.h"
#include "platform/KeyTranslation.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <map>

namespace platform {

namespace {

QString KeyName(int key)
{
  if (key >= VK_F1 && key <= VK_F1 + 23)
    return QStringLiteral("F%1").arg(key - VK_F1 + 1);
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return QString(QChar(key));
  switch (key) {
  case VK_DELETE: return QStringLiteral("Del");
  case VK_INSERT: return QStringLiteral("Ins");
  case VK_RETURN: return QStringLiteral("Enter");
  case VK_ESCAPE: return QStringLiteral("Esc");
  case VK_BACK: return QStringLiteral("BkSp");
  case VK_TAB: return QStringLiteral("Tab");
  case VK_SPACE: return QStringLiteral("Space");
  case VK_HOME: return QStringLiteral("Home");
  case VK_END: return QStringLiteral("End");
  case VK_PRIOR: return QStringLiteral("PgUp");
  case VK_NEXT: return QStringLiteral("PgDn");
  case VK_LEFT: return QStringLiteral("Left");
  case VK_RIGHT: return QStringLiteral("Right");
  case VK_UP: return QStringLiteral("Up");
  case VK_DOWN: return QStringLiteral("Down");
  default: return QStringLiteral("#%1").arg(key);
  }
}

QString PlainCaption(QString caption)
{
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(QLatin1Char('&'));
  caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return caption;
}

TMenuItem* FindChoice(TMenuItem& item, const QString& name)
{
  for (int i = 0; i < item.Count(); ++i) {
    TMenuItem& sub = item.Item(i);
    if (!sub.IsLine() && sub.Count() == 0 && (sub.Name() == name || PlainCaption(sub.Caption()) == name))
      return &sub;
    if (TMenuItem* found = FindChoice(sub, name))
      return found;
  }
  return nullptr;
}

TMenuItem* FindShortCut(TMenuItem& item, TShortCut shortCut)
{
  for (int i = 0; i < item.Count(); ++i) {
    TMenuItem& sub = item.Item(i);
    if (sub.ShortCutKey() == shortCut && sub.Count() == 0)
      return &sub;
    if (TMenuItem* found = FindShortCut(sub, shortCut))
      return found;
  }
  return nullptr;
}

void ListCaptions(const TMenuItem& item, QStringList& out)
{
  for (int i = 0; i < item.Count(); ++i) {
    const TMenuItem& sub = item.Item(i);
    if (!sub.Visible() || sub.IsLine())
      continue;
    if (sub.Count() > 0)
      ListCaptions(sub, out);
    else
      out << PlainCaption(sub.Caption()) + (sub.Enabled() ? QString() : QStringLiteral(" (disabled)"));
  }
}

// Hands every key pressed in the menu's window to IsShortCut first; a key it uses goes no further.
class TMenuKeyFilter : public QObject {
public:
  TMenuKeyFilter(TMainMenu& menu, QWidget& window) : menu_(menu), window_(&window)
  {
    qApp->installEventFilter(this);
  }
  ~TMenuKeyFilter() override { qApp->removeEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (event->type() != QEvent::KeyPress || !window_)
      return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_->window() || widget != Receiver())
      return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    const int virtualKey = VirtualKeyFromQt(key.key(), key.modifiers());
    if (virtualKey == 0)
      return false;
    bool used = false;
    Guard([&] { used = menu_.IsShortCut(virtualKey, ShiftStateFromQt(key.modifiers())); });
    return used;
  }

private:
  // A key travels up the parents when unhandled; it is offered once, where it arrived first.
  QWidget* Receiver() const
  {
    QWidget* focus = window_->window()->focusWidget();
    return focus ? focus : window_->window();
  }

  TMainMenu& menu_;
  QPointer<QWidget> window_;
};

}  // namespace

TShortCut ShortCut(int key, TShiftState shift)
{
  return key | ((shift & ssShift) ? scShift : 0) | ((shift & ssCtrl) ? scCtrl : 0) | ((shift & ssAlt) ? scAlt : 0);
}

QString ShortCutToText(TShortCut shortCut)
{
  if (shortCut == 0)
    return {};
  QString text;
  if (shortCut & scCtrl)
    text += QStringLiteral("Ctrl+");
  if (shortCut & scShift)
    text += QStringLiteral("Shift+");
  if (shortCut & scAlt)
    text += QStringLiteral("Alt+");
  return text + KeyName(shortCut & 0xFF);
}

TMenuItem::TMenuItem(QString name, QString caption) : name_(std::move(name)), caption_(std::move(caption)) {}

void TMenuItem::Changed()
{
  TMenuItem* root = this;
  while (root->parent_)
    root = root->parent_;
  if (root->OnChange)
    root->OnChange();
}

void TMenuItem::SetCaption(const QString& caption)
{
  caption_ = caption;
  Changed();
}

void TMenuItem::SetChecked(bool on)
{
  checked_ = on;
  if (on && radio_ && parent_)
    for (const auto& other : parent_->items_)
      if (other.get() != this && other->radio_ && other->group_ == group_)
        other->checked_ = false;
  Changed();
}

void TMenuItem::SetRadioItem(bool on)
{
  radio_ = on;
  Changed();
}

void TMenuItem::SetGroupIndex(int group)
{
  group_ = group;
  Changed();
}

void TMenuItem::SetEnabled(bool on)
{
  enabled_ = on;
  Changed();
}

void TMenuItem::SetVisible(bool on)
{
  visible_ = on;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut)
{
  shortCut_ = shortCut;
  Changed();
}

TMenuItem& TMenuItem::Add(const QString& name, const QString& caption, std::function<void()> onClick)
{
  auto item = std::make_unique<TMenuItem>(name, caption);
  item->parent_ = this;
  item->OnClick = std::move(onClick);
  items_.push_back(std::move(item));
  Changed();
  return *items_.back();
}

TMenuItem& TMenuItem::AddLine()
{
  return Add(QStringLiteral("N%1").arg(items_.size() + 1), QStringLiteral("-"));
}

TMenuItem* TMenuItem::Find(const QString& name)
{
  if (name_ == name)
    return this;
  for (const auto& item : items_)
    if (TMenuItem* found = item->Find(name))
      return found;
  return nullptr;
}

bool TMenuItem::Reachable() const
{
  for (const TMenuItem* item = this; item && item->parent_; item = item->parent_)
    if (!item->enabled_ || !item->visible_)
      return false;
  return true;
}

void TMenuItem::Click()
{
  if (!enabled_ || IsLine())
    return;
  if (OnClick)
    OnClick();
}

void FillQtMenu(QMenu& menu, const TMenuItem& items, const std::function<void(TMenuItem&)>& chosen)
{
  std::map<int, QActionGroup*> groups;
  for (int i = 0; i < items.Count(); ++i) {
    TMenuItem& item = items.Item(i);
    if (!item.Visible())
      continue;
    if (item.IsLine()) {
      menu.addSeparator();
      continue;
    }
    if (item.Count() > 0) {
      QMenu* sub = menu.addMenu(item.Caption());
      sub->setEnabled(item.Enabled());
      FillQtMenu(*sub, item, chosen);
      continue;
    }
    const QString shortCut = ShortCutToText(item.ShortCutKey());
    QAction* action = menu.addAction(shortCut.isEmpty() ? item.Caption() : item.Caption() + QLatin1Char('\t') + shortCut);
    action->setObjectName(item.Name());
    action->setEnabled(item.Enabled());
    action->setStatusTip(item.Hint);
    if (item.Checked() || item.RadioItem()) {
      action->setCheckable(true);
      action->setChecked(item.Checked());
    }
    if (item.RadioItem()) {
      QActionGroup*& group = groups[item.GroupIndex()];
      if (!group)
        group = new QActionGroup(&menu);  // owned by the menu
      group->addAction(action);
    }
    QObject::connect(action, &QAction::triggered, &menu, [&item, chosen] { chosen(item); });
  }
}

TMainMenu::TMainMenu(QWidget& window)
    : root_(QStringLiteral("MainMenu"), {}), bar_(new QMenuBar(&window)),
      keys_(std::make_unique<TMenuKeyFilter>(*this, window))
{
  root_.OnChange = [this] {
    if (stale_ || !bar_)
      return;
    stale_ = true;
    QMetaObject::invokeMethod(&context_, [this] { Rebuild(); }, Qt::QueuedConnection);
  };
  Rebuild();
}

QMenuBar& TMainMenu::Bar()
{
  if (stale_)
    Rebuild();
  return *bar_;
}

TMainMenu::~TMainMenu()
{
  root_.OnChange = nullptr;
}

void TMainMenu::Rebuild()
{
  if (!bar_ || !stale_)
    return;
  stale_ = false;
  // The old menus go once the running event is over: one of them may be the sender.
  for (QAction* action : bar_->actions()) {
    bar_->removeAction(action);
    if (QMenu* menu = action->menu())
      menu->deleteLater();
    if (action->parent() == bar_)
      action->deleteLater();
  }
  for (int i = 0; i < root_.Count(); ++i) {
    TMenuItem& top = root_.Item(i);
    if (!top.Visible())
      continue;
    if (top.Count() == 0) {
      QAction* action = bar_->addAction(top.Caption());
      action->setObjectName(top.Name());
      action->setEnabled(top.Enabled());
      QObject::connect(action, &QAction::triggered, bar_, [&top] { Guard([&] { top.Click(); }); });
      continue;
    }
    QMenu* menu = bar_->addMenu(top.Caption());
    menu->setObjectName(top.Name());
    menu->setEnabled(top.Enabled());
    FillQtMenu(*menu, top, [](TMenuItem& item) { Guard([&] { item.Click(); }); });
  }
}

bool TMainMenu::IsShortCut(int key, TShiftState shift)
{
  TMenuItem* item = FindShortCut(root_, ShortCut(key, shift));
  if (!item || !item->Reachable())
    return false;
  item->Click();
  return true;
}

TPopupMenu::TPopupMenu() : root_(QStringLiteral("PopupMenu"), {}) {}

QString TPopupMenu::Describe() const
{
  QStringList captions;
  ListCaptions(root_, captions);
  return QStringLiteral("popup menu: ") + captions.join(QStringLiteral(", "));
}

bool TPopupMenu::ChooseItem(const QString& name)
{
  TMenuItem* item = FindChoice(root_, name);
  if (!item || !item->Reachable())
    return false;
  chosen_ = item;
  return true;
}

bool TPopupMenu::Popup(int screenX, int screenY)
{
  if (OnPopup)
    OnPopup();
  chosen_ = nullptr;
  RunModal(*this, [this, screenX, screenY] {
    QMenu menu;
    FillQtMenu(menu, root_, [this](TMenuItem& item) { chosen_ = &item; });
    menu.exec(QPoint(screenX, screenY));
    return chosen_ ? mrOk : mrCancel;
  });
  TMenuItem* chosen = chosen_;
  chosen_ = nullptr;
  if (!chosen)
    return false;
  chosen->Click();
  return true;
}

}  // namespace platform
