#pragma once
// The application: its one Qt application object, title, program folder and message processing.

#include "platform/HourglassCursor.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QString>
#include <vector>

class QWidget;

namespace platform {

// The program's Qt application: delivers every event inside the exception boundary. A key event that
// code sends to a widget already handling a key event of that kind is refused, so no forwarding of keys
// can go round in a circle.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  struct KeyDelivery {
    const QObject* Receiver;
    int Type;
  };
  std::vector<KeyDelivery> keyDeliveries_;  // the key events being delivered, outermost first
};

// Title of the application (caption of custom message boxes).
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Processes the pending events (long loops call it at each step). Returns false once a quit is pending.
bool PumpMessages();
bool QuitPending();
void RequestQuit();       // sets the quit-pending flag and ends the event loop
void ClearQuitPending();  // for tests

// The system's error sound.
void Beep();

// The window modal boxes are parented to, or null.
QWidget* ActiveWindowOrNull();

// Fusion style and a fixed application font, so that layout does not depend on the desktop.
void ApplyStandardLook(QApplication& app);

}  // namespace platform
