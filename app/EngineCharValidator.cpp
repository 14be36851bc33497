#include "app/EngineCharValidator.h"

#include "app/EngineText.h"

#include "platform/MessageDlg.h"

#include <QLineEdit>
#include <QTimer>

namespace app {

EngineCharValidator::EngineCharValidator(QLineEdit& edit) : QValidator(&edit)
{
  // One character over the limit reaches the validator, which refuses it; the edit then keeps its text.
  edit.setMaxLength(kMaxLength + 1);
  // One refusal may be reported more than once: one message for it.
  connect(&edit, &QLineEdit::inputRejected, this, [this] {
    if (messagePending_)
      return;
    messagePending_ = true;
    QTimer::singleShot(0, this, [this] {
      messagePending_ = false;
      platform::MessageDlg(QStringLiteral("The text is too long: at most %1 characters fit. Nothing was inserted.")
                               .arg(kMaxLength),
                           platform::mtWarning, platform::mbOK);
    });
  });
}

void GuardEngineEdit(QLineEdit& edit)
{
  edit.setValidator(new EngineCharValidator(edit));
}

QValidator::State EngineCharValidator::validate(QString& input, int&) const
{
  if (input.size() > kMaxLength)
    return Invalid;
  input = WithEngineChars(input);
  return Acceptable;
}

}  // namespace app
