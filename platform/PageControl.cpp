#include "platform/PageControl.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace platform {

TTabSheet::TTabSheet(TPageControl& owner, const QString& caption) : owner_(owner), caption_(caption) {}

void TTabSheet::SetCaption(const QString& caption)
{
  caption_ = caption;
  owner_.SheetChanged();
}

void TTabSheet::SetTabVisible(bool on)
{
  if (on == tabVisible_)
    return;
  tabVisible_ = on;
  if (!on && owner_.active_ == this)
    owner_.ChangeActivePage(owner_.NextVisibleFrom(PageIndex()));
  owner_.SheetChanged();
}

int TTabSheet::PageIndex() const
{
  const auto& pages = owner_.pages_;
  return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

int TTabSheet::TabIndex() const
{
  if (!tabVisible_)
    return -1;
  int tab = 0;
  for (const TTabSheet* sheet : owner_.pages_) {
    if (sheet == this)
      return tab;
    tab += sheet->tabVisible_ ? 1 : 0;
  }
  return -1;
}

TPageControl::TPageControl(QWidget* parent)
    : QWidget(parent), bar_(new QTabBar(this)), stack_(new QStackedWidget(this))
{
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar_);
  layout->addWidget(stack_, 1);
  bar_->setDrawBase(true);
  bar_->setExpanding(false);
  connect(bar_, &QTabBar::currentChanged, this, [this](int tab) { TabClicked(tab); });
}

TPageControl::~TPageControl()
{
  QObject::disconnect(bar_, nullptr, this, nullptr);  // no events while the children go
}

TTabSheet& TPageControl::AddPage(const QString& name, const QString& caption)
{
  return InsertPage(PageCount(), name, caption);
}

TTabSheet& TPageControl::InsertPage(int pageIndex, const QString& name, const QString& caption)
{
  pageIndex = std::clamp(pageIndex, 0, PageCount());
  auto* sheet = new TTabSheet(*this, caption);
  sheet->setObjectName(name);
  stack_->insertWidget(pageIndex, sheet);
  pages_.insert(pages_.begin() + pageIndex, sheet);
  RebuildTabs();
  if (active_ == nullptr)
    ChangeActivePage(sheet);
  return *sheet;
}

void TPageControl::DeletePage(TTabSheet& sheet)
{
  const int index = sheet.PageIndex();
  if (index >= PageCount())
    return;
  if (active_ == &sheet) {
    TTabSheet* next = NextVisibleFrom(index + 1);
    if (next == nullptr)
      next = NextVisibleFrom(0);
    ChangeActivePage(next == &sheet ? nullptr : next);
  }
  pages_.erase(pages_.begin() + index);
  stack_->removeWidget(&sheet);
  delete &sheet;  // a child of the stack until now
  RebuildTabs();
}

TTabSheet* TPageControl::FindPage(const QString& name) const
{
  for (TTabSheet* sheet : pages_)
    if (sheet->objectName() == name)
      return sheet;
  return nullptr;
}

int TPageControl::TabCount() const
{
  return int(std::count_if(pages_.begin(), pages_.end(), [](const TTabSheet* s) { return s->TabVisible(); }));
}

void TPageControl::SetActivePage(TTabSheet* sheet)
{
  if (sheet != nullptr && &sheet->PageControl() != this)
    return;
  ChangeActivePage(sheet);
}

void TPageControl::SetActivePageIndex(int index)
{
  ChangeActivePage(index >= 0 && index < PageCount() ? pages_[std::size_t(index)] : nullptr);
}

bool TPageControl::SelectTab(int tabIndex)
{
  TTabSheet* sheet = SheetOfTab(tabIndex);
  if (sheet == nullptr || !isEnabled())
    return false;
  bar_->setCurrentIndex(tabIndex);  // as a click: through TabClicked
  return active_ == sheet;
}

bool TPageControl::SelectPage(const QString& name)
{
  TTabSheet* sheet = FindPage(name);
  return sheet != nullptr && SelectTab(sheet->TabIndex());
}

void TPageControl::SetTabsVisible(bool on)
{
  bar_->setVisible(on);
}

void TPageControl::SetHotTrack(bool on)
{
  bar_->setAttribute(Qt::WA_Hover, on);
}

void TPageControl::SheetChanged()
{
  RebuildTabs();
}

TTabSheet* TPageControl::SheetOfTab(int tabIndex) const
{
  if (tabIndex < 0)
    return nullptr;
  for (TTabSheet* sheet : pages_)
    if (sheet->TabVisible() && tabIndex-- == 0)
      return sheet;
  return nullptr;
}

TTabSheet* TPageControl::NextVisibleFrom(int pageIndex) const
{
  for (int i = std::max(pageIndex, 0); i < PageCount(); ++i)
    if (pages_[std::size_t(i)]->TabVisible())
      return pages_[std::size_t(i)];
  for (int i = std::min(pageIndex, PageCount()) - 1; i >= 0; --i)
    if (pages_[std::size_t(i)]->TabVisible())
      return pages_[std::size_t(i)];
  return nullptr;
}

void TPageControl::RebuildTabs()
{
  syncing_ = true;
  while (bar_->count() > 0)
    bar_->removeTab(0);
  for (const TTabSheet* sheet : pages_)
    if (sheet->TabVisible())
      bar_->addTab(sheet->Caption());
  bar_->setCurrentIndex(active_ != nullptr ? active_->TabIndex() : -1);
  syncing_ = false;
}

void TPageControl::TabClicked(int tabIndex)
{
  if (syncing_)
    return;
  TTabSheet* sheet = SheetOfTab(tabIndex);
  if (sheet == nullptr || sheet == active_)
    return;
  bool allow = true;
  if (OnChanging)
    OnChanging(allow);
  if (!allow) {
    syncing_ = true;
    bar_->setCurrentIndex(active_ != nullptr ? active_->TabIndex() : -1);
    syncing_ = false;
    return;
  }
  ChangeActivePage(sheet);
  if (OnChange)
    OnChange();
}

void TPageControl::ChangeActivePage(TTabSheet* sheet)
{
  if (sheet == active_)
    return;
  TTabSheet* old = active_;
  active_ = sheet;
  syncing_ = true;
  if (sheet != nullptr)
    stack_->setCurrentWidget(sheet);
  bar_->setCurrentIndex(sheet != nullptr ? sheet->TabIndex() : -1);
  syncing_ = false;
  if (sheet != nullptr && sheet->OnShow)
    sheet->OnShow();
  if (old != nullptr && old->OnHide)
    old->OnHide();
}

}  // namespace platform
