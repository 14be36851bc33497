#pragma once
// The one entry point of every modal run (message boxes, common dialogs, input boxes, modal windows).
// A test answers modal runs with a ModalScript; in a headless run without a script, a modal run fails at
// once instead of waiting for a user who is not there.

#include "platform/Color.h"
#include "platform/ModalResult.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class QFont;

namespace platform {

class Form;

enum class ModalKind {
  MessageBox,
  OpenDialog,
  SaveDialog,
  ColorDialog,
  FontDialog,
  PrintDialog,
  PrinterSetupDialog,
  PageSetupDialog,
  InputBox,
  Window,
  PopupMenu,
};

// Something that runs modally; the concrete dialogs derive from it, so a script step can read and fill them.
class ModalSubject {
 public:
  virtual ~ModalSubject() = default;
  virtual ModalKind Kind() const = 0;
  virtual QString Describe() const = 0;  // kind, caption and text, for logs and failure messages
  virtual void BeginScripted() {}         // around a scripted answer (a window shows itself)
  virtual void EndScripted() {}
};

// Runs subject modally: a script answers it when one is active, otherwise showForReal shows it to the user.
TModalResult RunModal(ModalSubject& subject, const std::function<TModalResult()>& showForReal);

// True without a screen (the offscreen or minimal platform, or no GUI application): nobody can answer.
bool IsHeadless();

QString ModalKindName(ModalKind kind);

// Answers the coming modal runs in order, one step each. Active from construction to destruction; scripts
// nest (the innermost answers). A modal run that finds no step left, or a step of the wrong kind, is
// reported through the reporter (default: print the message and abort) and answered with Cancel.
class ModalScript {
 public:
  using Step = std::function<TModalResult(ModalSubject&)>;
  using Reporter = std::function<void(const QString&)>;

  explicit ModalScript(Reporter reporter = {});
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // Steps
  ModalScript& Then(Step step);                                    // any subject, any answer
  ModalScript& Press(TModalResult button);                         // a message box, input box or window
  ModalScript& PressOn(ModalKind kind, TModalResult button);       // the same, checking the kind
  ModalScript& ExpectMessage(const QString& text, TModalResult button);  // a message box with this text
  ModalScript& Fill(const QString& text);                          // an input box: type text, press OK
  ModalScript& Choose(const QString& fileName, int filterIndex = 0);  // an open or save dialog
  ModalScript& PickColor(TColor color);                            // a colour dialog
  ModalScript& PickFont(const QFont& font, TColor color = 0);      // a font dialog
  // A dialog of the class given: edit fills its fields, then the dialog is answered.
  template <typename Dialog>
  ModalScript& Edit(std::function<void(Dialog&)> edit, TModalResult answer = mrOk);
  ModalScript& Act(std::function<void(Form&)> action);             // a window: the action presses a button
  ModalScript& ChooseItem(const QString& name);                    // a popup menu: the item by name or caption
  ModalScript& Dismiss(ModalKind kind);                            // closed without a choice (Escape)

  // What happened
  int StepsLeft() const { return int(steps_.size()); }
  const QStringList& Answered() const { return answered_; }  // descriptions of the subjects answered

  TModalResult Answer(ModalSubject& subject);  // used by RunModal
  void Report(const QString& message) const;

 private:
  std::deque<Step> steps_;
  QStringList answered_;
  Reporter reporter_;
  ModalScript* outer_ = nullptr;
};

template <typename Dialog>
ModalScript& ModalScript::Edit(std::function<void(Dialog&)> edit, TModalResult answer)
{
  return Then([this, edit = std::move(edit), answer](ModalSubject& subject) {
    auto* dialog = dynamic_cast<Dialog*>(&subject);
    if (!dialog) {
      Report(QStringLiteral("Modal script expected another kind of dialog, got ") + subject.Describe());
      return mrCancel;
    }
    edit(*dialog);
    return answer;
  });
}

}  // namespace platform
