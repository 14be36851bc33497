#pragma once
// Base of the program's windows: the long-lived ones (created once, shown and hidden, closing hides) and
// the modal dialogs (ShowModal through the one modal entry point, ending with a modal result).

#include "platform/ModalRun.h"
#include "platform/VirtualKeys.h"

#include <QDialog>
#include <memory>

class QAbstractButton;

namespace platform {

class KeyPreviewFilter;

class Form : public QDialog, public ModalSubject {
 public:
  explicit Form(QWidget* parent = nullptr, bool longLived = false);
  ~Form() override;

  // Long-lived use
  void Show();  // shows, raises and activates
  void Hide();

  // Modal use
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result);                   // non-zero ends a modal run
  void BindModalButton(QAbstractButton* button, TModalResult result);  // clicking sets the result
  void SetCancelButton(QAbstractButton* button);              // Escape clicks it
  void SetDefaultButton(QAbstractButton* button);             // Enter clicks it

  // Key preview: the window sees keys before its focused control
  void SetKeyPreview(bool on);
  bool KeyPreview() const { return preview_ != nullptr; }

  // ModalSubject
  ModalKind Kind() const override { return ModalKind::Window; }
  QString Describe() const override;
  void BeginScripted() override;
  void EndScripted() override;

 protected:
  // Key preview handlers: setting key to 0 consumes the key.
  virtual void FormKeyDown(int& key, TShiftState shift);
  virtual void FormKeyPress(char& key);
  virtual void FormKeyUp(int& key, TShiftState shift);
  virtual bool CloseQuery();  // false keeps the window open

  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  friend class KeyPreviewFilter;
  bool PreviewKey(QKeyEvent& event);  // true when a handler consumed it

  std::unique_ptr<KeyPreviewFilter> preview_;
  QAbstractButton* cancelButton_ = nullptr;
  QAbstractButton* defaultButton_ = nullptr;
  TModalResult modalResult_ = mrNone;
  bool runningModal_ = false;
};

}  // namespace platform
