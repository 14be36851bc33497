#pragma once
// TtsDropDownForm: the borderless window a grid's drop-down lives in, placed in screen
// coordinates. It is a tool window that shows without taking the activation, so the grid keeps the
// focus while its list is open. A form in popup style instead is a small tool window with a caption
// that runs modally (the date-time chooser's popup cells).

#include "platform/ModalRun.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QEventLoop;

namespace grid {

class TtsDropDownForm : public QWidget, public platform::ModalSubject {
 public:
  explicit TtsDropDownForm(QWidget* ownerGrid);

  QWidget* OwnerGrid() const { return owner_; }
  // Drop-down style (borderless, closed from outside) or popup style (captioned, modal).
  bool DropDownStyle() const { return dropDownStyle_; }
  void SetDropDownStyle(bool on);
  // Moves and sizes the window in screen coordinates.
  void PlaceOnScreen(int x, int y, int width, int height);
  // The size of the frame around the client area (none in drop-down style).
  int FrameWidth() const { return dropDownStyle_ ? 0 : 2 * kPopupBorder; }
  int FrameHeight() const { return dropDownStyle_ ? 0 : 2 * kPopupBorder + kPopupCaption; }

  // A modal run in popup style, through the platform's modal entry; ends with EndModal.
  platform::TModalResult RunModalPopup();
  void EndModal(platform::TModalResult result);
  bool RunningModal() const { return modalLoop_ != nullptr; }
  // Called while the modal run shows (the chooser's activation) and when the window is closed.
  std::function<void()> OnModalShow;
  std::function<void()> OnModalClose;

  platform::ModalKind Kind() const override { return platform::ModalKind::Window; }
  QString Describe() const override;
  void BeginScripted() override;
  void EndScripted() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  static constexpr int kPopupBorder = 3;
  static constexpr int kPopupCaption = 18;
  QPointer<QWidget> owner_;
  bool dropDownStyle_ = true;
  QEventLoop* modalLoop_ = nullptr;
  platform::TModalResult modalResult_ = platform::mrNone;
};

}  // namespace grid
