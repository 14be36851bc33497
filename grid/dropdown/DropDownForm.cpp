#include "grid/dropdown/DropDownForm.h"

#include <QCloseEvent>
#include <QEventLoop>

namespace grid {

namespace {

constexpr Qt::WindowFlags kDropDownFlags = Qt::Tool | Qt::FramelessWindowHint;
constexpr Qt::WindowFlags kPopupFlags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

}  // namespace

TtsDropDownForm::TtsDropDownForm(QWidget* ownerGrid) : QWidget(ownerGrid, kDropDownFlags), owner_(ownerGrid)
{
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setProperty("vexalDropDown", true);
  setEnabled(false);
  hide();
}

void TtsDropDownForm::SetDropDownStyle(bool on)
{
  if (on == dropDownStyle_)
    return;
  dropDownStyle_ = on;
  const bool shown = isVisible();
  setWindowFlags(on ? kDropDownFlags : kPopupFlags);  // recreates the window, hidden
  setAttribute(Qt::WA_ShowWithoutActivating, on);
  if (on)
    setWindowTitle(QString());
  if (shown)
    show();
}

void TtsDropDownForm::PlaceOnScreen(int x, int y, int width, int height) { setGeometry(x, y, width, height); }

platform::TModalResult TtsDropDownForm::RunModalPopup()
{
  modalResult_ = platform::mrNone;
  return platform::RunModal(*this, [this] {
    setWindowModality(Qt::ApplicationModal);
    show();
    if (OnModalShow)
      OnModalShow();
    QEventLoop loop;
    modalLoop_ = &loop;
    if (modalResult_ == platform::mrNone)
      loop.exec();
    modalLoop_ = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
    return modalResult_;
  });
}

void TtsDropDownForm::EndModal(platform::TModalResult result)
{
  modalResult_ = result;
  if (modalLoop_)
    modalLoop_->quit();
}

QString TtsDropDownForm::Describe() const { return QStringLiteral("Window \"%1\"").arg(windowTitle()); }

void TtsDropDownForm::BeginScripted()
{
  show();
  if (OnModalShow)
    OnModalShow();
}

void TtsDropDownForm::EndScripted() { hide(); }

void TtsDropDownForm::closeEvent(QCloseEvent* event)
{
  event->ignore();
  if (OnModalClose)
    OnModalClose();
  EndModal(platform::mrCancel);
}

}  // namespace grid
