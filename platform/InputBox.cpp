#include "platform/InputBox.h"

#include "platform/Application.h"

#include <QInputDialog>
#include <utility>

namespace platform {

InputBoxSubject::InputBoxSubject(QString caption, QString prompt, QString value)
    : caption_(std::move(caption)), prompt_(std::move(prompt)), value_(std::move(value))
{
}

QString InputBoxSubject::Describe() const
{
  return QStringLiteral("input box \"%1\": %2").arg(caption_, prompt_);
}

TModalResult InputBoxSubject::ShowForReal()
{
  QInputDialog dialog(ActiveWindowOrNull());
  dialog.setWindowTitle(caption_);
  dialog.setLabelText(prompt_);
  dialog.setTextValue(value_);
  if (dialog.exec() != QDialog::Accepted)
    return mrCancel;
  value_ = dialog.textValue();
  return mrOk;
}

bool InputQuery(const QString& caption, const QString& prompt, QString& value)
{
  InputBoxSubject subject(caption, prompt, value);
  if (RunModal(subject, [&] { return subject.ShowForReal(); }) != mrOk)
    return false;
  value = subject.Value();
  return true;
}

QString InputBox(const QString& caption, const QString& prompt, const QString& defaultValue)
{
  QString value = defaultValue;
  InputQuery(caption, prompt, value);
  return value;
}

}  // namespace platform
