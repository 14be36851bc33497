#pragma once
// Main menus and popup menus: items by name with captions, checks and radio groups, shortcuts,
// enabling, separators and sub-menus. A popup runs through RunModal, so a test answers it by an
// item's name; the chosen item's OnClick runs after the menu has closed.

#include "platform/ModalRun.h"
#include "platform/VirtualKeys.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
#include <QMenuBar>
class QWidget;

namespace platform {

// A shortcut: a virtual-key code with scShift, scCtrl and scAlt.
using TShortCut = int;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(int key, TShiftState shift);
QString ShortCutToText(TShortCut shortCut);  // "Ctrl+P", "F5", "Shift+Del"

class TMenuItem {
public:
  TMenuItem(QString name, QString caption);
  TMenuItem(const TMenuItem&) = delete;
  TMenuItem& operator=(const TMenuItem&) = delete;

  const QString& Name() const { return name_; }
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  bool IsLine() const { return caption_ == QStringLiteral("-"); }
  bool Checked() const { return checked_; }
  void SetChecked(bool on);  // a checked radio item unchecks the others of its group
  bool RadioItem() const { return radio_; }
  void SetRadioItem(bool on);
  int GroupIndex() const { return group_; }
  void SetGroupIndex(int group);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  TShortCut ShortCutKey() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  QString Hint;
  int Tag = 0;
  std::function<void()> OnClick;

  // Sub-items
  TMenuItem& Add(const QString& name, const QString& caption, std::function<void()> onClick = {});
  TMenuItem& AddLine();
  int Count() const { return int(items_.size()); }
  TMenuItem& Item(int index) const { return *items_.at(std::size_t(index)); }
  TMenuItem* Find(const QString& name);  // this item or one below it, by name
  TMenuItem* Parent() const { return parent_; }

  // As the user's choice: nothing when disabled; otherwise OnClick.
  void Click();
  // Enabled and visible, and so are the items above it.
  bool Reachable() const;

  std::function<void()> OnChange;  // on the root: after a change anywhere below it

private:
  void Changed();
  QString name_;
  QString caption_;
  bool checked_ = false;
  bool radio_ = false;
  int group_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  TShortCut shortCut_ = 0;
  TMenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<TMenuItem>> items_;
};

// Fills a Qt menu or menu bar with the visible items; choosing one calls `chosen`.
void FillQtMenu(QMenu& menu, const TMenuItem& items, const std::function<void(TMenuItem&)>& chosen);

// The menu bar of a window, rebuilt after items change (later, so a click handler may change items).
// Its shortcuts work only through IsShortCut, which the menu calls for every key pressed in its window
// before the focused control sees the key.
class TMainMenu {
public:
  explicit TMainMenu(QWidget& window);
  ~TMainMenu();
  TMenuItem& Items() { return root_; }
  // The item with this shortcut, clicked; false when no reachable item has it.
  bool IsShortCut(int key, TShiftState shift);
  QMenuBar& Bar();  // brought up to date first

private:
  void Rebuild();
  TMenuItem root_;
  QPointer<QMenuBar> bar_;
  bool stale_ = true;
  QObject context_;  // the deferred rebuild dies with the menu
  std::unique_ptr<QObject> keys_;  // the window's key filter
};

class TPopupMenu : public ModalSubject {
public:
  TPopupMenu();
  TMenuItem& Items() { return root_; }
  // Runs before the menu shows, so the handler can set up the items.
  std::function<void()> OnPopup;
  // Shows the menu at a screen point and runs the chosen item; true when one was chosen.
  bool Popup(int screenX, int screenY);

  // ModalSubject: answered by an item's name (or its caption without "&").
  ModalKind Kind() const override { return ModalKind::PopupMenu; }
  QString Describe() const override;
  bool ChooseItem(const QString& name);

private:
  TMenuItem root_;
  TMenuItem* chosen_ = nullptr;
};

}  // namespace platform
