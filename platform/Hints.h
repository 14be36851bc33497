#pragma once
// Hints: a control's short text shown in a small window once the mouse rests on it, and its long text
// reported to the application (OnHint) for a status line. A hint "Short|Long" gives both parts; without
// "|" both are the whole text. A control without a hint of its own shows its parent's.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QTimer;

namespace platform {

QString GetShortHint(const QString& hint);
QString GetLongHint(const QString& hint);

// Per control. ShowHint not set on a control follows its parent's (false at the top).
void SetHint(QWidget& control, const QString& hint);
QString Hint(const QWidget& control);
void SetShowHint(QWidget& control, bool on);
void SetParentShowHint(QWidget& control);  // follow the parent again
bool ShowsHint(const QWidget& control);
// The control whose hint applies at this control: itself or the nearest parent with a hint; null if none.
QWidget* HintControl(QWidget* control);

// The application's hint state, fed by the mouse over every window of the program.
class TApplicationHints {
public:
  bool ShowHint = true;      // no hint windows at all when false
  int HintPause = 500;       // ms the mouse rests before a hint shows
  int HintShortPause = 50;   // ms when another hint was showing
  int HintHidePause = 2500;  // ms a hint stays shown

  // The long hint of the control under the mouse; OnHint runs after every change.
  const QString& Hint() const { return hint_; }
  std::function<void()> OnHint;

  bool HintShowing() const { return !shownText_.isEmpty(); }
  const QString& ShownHint() const { return shownText_; }  // the short hint in the window
  QWidget* ShownFor() const { return shownFor_; }

  // The mouse entered this control (what the event filter reports; tests call it directly).
  void MouseEntered(QWidget* control);
  void CancelHint();  // a click, a key or leaving the program's windows

private:
  friend TApplicationHints& ApplicationHints();
  TApplicationHints();
  void SetHintText(const QString& text);
  void ShowPending();
  void HidePending();

  QString hint_;
  QString shownText_;
  QPointer<QWidget> shownFor_;
  QPointer<QWidget> pending_;
  QTimer* showTimer_;
  QTimer* hideTimer_;
  bool recentlyShown_ = false;
};

// The one application hint state; created with its event filter on first use.
TApplicationHints& ApplicationHints();

}  // namespace platform
