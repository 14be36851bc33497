#include "platform/PrintPreview.h"

#include "platform/ExceptionBoundary.h"
#include "platform/PrintDocument.h"
#include "platform/PrintPreviewPage.h"
#include "platform/Printer.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace platform {

namespace {

constexpr int kZoomPercents[] = {25, 50, 75, 100, 150, 200};

}  // namespace

TPrintPreview::TPrintPreview(const TPrintDocument& document, QWidget* parent) : Form(parent), document_(document)
{
  setWindowTitle(QStringLiteral("Print Preview"));
  resize(800, 640);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(4, 4, 4, 4);
  const auto button = [&](const QString& caption, auto action) {
    auto* b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, action] { Guard([&] { (this->*action)(); }); });
    bar->addWidget(b);
    return b;
  };
  first_ = button(QStringLiteral("&First"), &TPrintPreview::FirstPage);
  prior_ = button(QStringLiteral("&Prior"), &TPrintPreview::PriorPage);
  next_ = button(QStringLiteral("&Next"), &TPrintPreview::NextPage);
  last_ = button(QStringLiteral("&Last"), &TPrintPreview::LastPage);
  pageLabel_ = new QLabel(this);
  pageLabel_->setMinimumWidth(90);
  pageLabel_->setAlignment(Qt::AlignCenter);
  bar->addWidget(pageLabel_);
  zoomBox_ = new QComboBox(this);
  zoomBox_->addItem(QStringLiteral("Whole page"));
  zoomBox_->addItem(QStringLiteral("Page width"));
  for (int percent : kZoomPercents)
    zoomBox_->addItem(QStringLiteral("%1%").arg(percent), percent);
  connect(zoomBox_, &QComboBox::activated, this, Guarded([this](int index) {
            if (index == 0)
              SetZoom(TPreviewZoom::WholePage);
            else if (index == 1)
              SetZoom(TPreviewZoom::PageWidth);
            else
              SetZoom(TPreviewZoom::Percent, zoomBox_->itemData(index).toInt());
          }));
  bar->addWidget(zoomBox_);
  bar->addStretch();
  button(QStringLiteral("&Print"), &TPrintPreview::Print);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setAutoDefault(false);
  BindModalButton(close, mrCancel);
  SetCancelButton(close);
  bar->addWidget(close);
  layout->addLayout(bar);

  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  view_ = new TPreviewPage;
  view_->Scale = [this] { return Scale(); };
  scroll_->setWidget(view_);
  layout->addWidget(scroll_, 1);
  SetKeyPreview(true);
  Update();
}

TPrintPreview::~TPrintPreview() = default;

bool TPrintPreview::Execute()
{
  return ShowModal() == mrOk;
}

void TPrintPreview::SetPageIndex(int index)
{
  page_ = std::clamp(index, 0, std::max(0, document_.PageCount() - 1));
  Update();
}

void TPrintPreview::LastPage()
{
  SetPageIndex(document_.PageCount() - 1);
}

QString TPrintPreview::PageText() const
{
  if (document_.PageCount() == 0)
    return QStringLiteral("No pages");
  return QStringLiteral("Page %1 of %2").arg(page_ + 1).arg(document_.PageCount());
}

void TPrintPreview::SetZoom(TPreviewZoom zoom, int percent)
{
  zoom_ = zoom;
  percent_ = std::clamp(percent, 10, 400);
  Update();
}

double TPrintPreview::Scale() const
{
  const double w = std::max(1, document_.PageWidth());
  const double h = std::max(1, document_.PageHeight());
  const QSize room = scroll_->viewport()->size() - QSize(2 * TPreviewPage::kDeskMargin, 2 * TPreviewPage::kDeskMargin);
  switch (zoom_) {
    case TPreviewZoom::WholePage: return std::max(0.01, std::min(room.width() / w, room.height() / h));
    case TPreviewZoom::PageWidth:
      // the vertical bar that a page taller than the view needs takes its room first
      return std::max(0.01, (room.width() - scroll_->verticalScrollBar()->sizeHint().width()) / w);
    case TPreviewZoom::Percent: break;
  }
  return percent_ / 100.0 * kScreenPixelsPerInch / std::max(1, document_.Resolution());
}

void TPrintPreview::Print()
{
  document_.Print(Printer());
  SetModalResult(mrOk);
}

QWidget& TPrintPreview::PageView()
{
  return *view_;
}

void TPrintPreview::FormKeyDown(int& key, TShiftState shift)
{
  if (shift != 0)
    return;
  switch (key) {
    case VK_PRIOR: PriorPage(); break;
    case VK_NEXT: NextPage(); break;
    case VK_HOME: FirstPage(); break;
    case VK_END: LastPage(); break;
    default: return;
  }
  key = 0;
}

void TPrintPreview::resizeEvent(QResizeEvent* event)
{
  Form::resizeEvent(event);
  Update();
}

void TPrintPreview::Update()
{
  const int count = document_.PageCount();
  view_->SetPage(count > 0 ? &document_.Page(page_) : nullptr, document_.PageWidth(), document_.PageHeight());
  pageLabel_->setText(PageText());
  first_->setEnabled(page_ > 0);
  prior_->setEnabled(page_ > 0);
  next_->setEnabled(page_ + 1 < count);
  last_->setEnabled(page_ + 1 < count);
  const bool fit = zoom_ == TPreviewZoom::WholePage;
  scroll_->setWidgetResizable(zoom_ != TPreviewZoom::Percent);
  if (zoom_ != TPreviewZoom::Percent) {
    view_->setMinimumSize(0, zoom_ == TPreviewZoom::PageWidth ? view_->PageRect().Height() + 2 * TPreviewPage::kDeskMargin : 0);
  } else {
    const TRect r = view_->PageRect();
    view_->setMinimumSize(0, 0);
    view_->resize(r.Width() + 2 * TPreviewPage::kDeskMargin, r.Height() + 2 * TPreviewPage::kDeskMargin);
  }
  zoomBox_->setCurrentIndex(fit ? 0 : zoom_ == TPreviewZoom::PageWidth ? 1 : zoomBox_->findData(percent_));
  view_->Invalidate();
}

}  // namespace platform
