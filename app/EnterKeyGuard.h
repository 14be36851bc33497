#pragma once
// Watches the Enter key across the application: an Enter pressed in another window (a dialog answered with
// it) is held by that window until its release, so that the main window does not take its repeats, or the
// press itself once the dialog has closed, for a new calculation.

#include <QObject>

class QWidget;

namespace app {

class EnterKeyGuard : public QObject {
 public:
  explicit EnterKeyGuard(QWidget& window);
  ~EnterKeyGuard() override;

  // True while an Enter that went to another window is down, or while a modal dialog is open.
  bool EnterBelongsElsewhere() const;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  bool heldByOtherWindow_ = false;
};

}  // namespace app
