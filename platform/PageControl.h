#pragma once
// A page control: tab sheets, one shown at a time, with a tab for every sheet whose TabVisible is on.
// A change by the user (a tab clicked, or SelectTab) asks OnChanging first, which can refuse it; then
// the new sheet's OnShow, the old sheet's OnHide, and OnChange. A change by program (SetActivePage)
// runs only OnShow and OnHide.

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QStackedWidget;
class QTabBar;

namespace platform {

class TPageControl;

class TTabSheet : public QWidget {
public:
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool on);  // hiding the active sheet's tab makes the next visible sheet active
  int PageIndex() const;        // among all sheets
  int TabIndex() const;         // among the visible tabs; -1 when its tab is hidden
  TPageControl& PageControl() const { return owner_; }

  std::function<void()> OnShow;  // became the active sheet
  std::function<void()> OnHide;  // stopped being the active sheet

private:
  friend class TPageControl;
  TTabSheet(TPageControl& owner, const QString& caption);
  TPageControl& owner_;
  QString caption_;
  bool tabVisible_ = true;
};

class TPageControl : public QWidget {
public:
  explicit TPageControl(QWidget* parent = nullptr);
  ~TPageControl() override;

  // Sheets. The first sheet added becomes the active one.
  TTabSheet& AddPage(const QString& name, const QString& caption);
  TTabSheet& InsertPage(int pageIndex, const QString& name, const QString& caption);
  void DeletePage(TTabSheet& sheet);  // the next sheet becomes active when it was
  int PageCount() const { return int(pages_.size()); }
  TTabSheet& Page(int index) const { return *pages_.at(std::size_t(index)); }
  TTabSheet* FindPage(const QString& name) const;
  int TabCount() const;

  TTabSheet* ActivePage() const { return active_; }
  int ActivePageIndex() const { return active_ != nullptr ? active_->PageIndex() : -1; }
  void SetActivePage(TTabSheet* sheet);  // by program
  void SetActivePageIndex(int index);    // by program; out of range: none

  // The user's change to a tab (as a click on it); false when there is no such tab, the control is
  // disabled, or OnChanging refused.
  bool SelectTab(int tabIndex);
  bool SelectPage(const QString& name);  // by the sheet's name, through its tab

  std::function<void(bool& allowChange)> OnChanging;
  std::function<void()> OnChange;

  void SetTabsVisible(bool on);  // off: the sheets without their tab row
  void SetHotTrack(bool on);
  QTabBar& TabBar() const { return *bar_; }

private:
  friend class TTabSheet;
  void SheetChanged();        // a caption or tab visibility changed
  void ChangeActivePage(TTabSheet* sheet);
  void RebuildTabs();
  void TabClicked(int tabIndex);
  TTabSheet* SheetOfTab(int tabIndex) const;
  TTabSheet* NextVisibleFrom(int pageIndex) const;

  QTabBar* bar_;
  QStackedWidget* stack_;
  std::vector<TTabSheet*> pages_;  // children of the stack
  TTabSheet* active_ = nullptr;
  bool syncing_ = false;
};

}  // namespace platform
