#pragma once
// Watches the Enter key across the application: an Enter pressed in another window (a dialog answered with
// it) keeps its repeats from the main window until its release, so that the key held down after the dialog
// closed starts no calculation. A new press typed in the main window is always its own.

#include <QObject>
#include <QPointer>

class QWidget;

namespace app {

class EnterKeyGuard : public QObject {
 public:
  explicit EnterKeyGuard(QWidget& window);
  ~EnterKeyGuard() override;

  // Starts watching. Called after the window's key preview is installed, so that the guard sees each key
  // before the window handles it.
  void Watch();

  // True while the Enter the main window is handling is a repeat of a press that went to another window,
  // or while a modal dialog is open.
  bool EnterBelongsElsewhere() const;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Forget();

  QWidget& window_;
  QPointer<QWidget> holder_;  // the window that took the last press, while the key is down
  bool heldByOtherWindow_ = false;
};

}  // namespace app
