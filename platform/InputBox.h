#pragma once
// The input box: a caption, a prompt and one line of text.

#include "platform/ModalRun.h"

#include <QString>

namespace platform {

class InputBoxSubject : public ModalSubject {
 public:
  InputBoxSubject(QString caption, QString prompt, QString value);
  ModalKind Kind() const override { return ModalKind::InputBox; }
  QString Describe() const override;

  const QString& Caption() const { return caption_; }
  const QString& Prompt() const { return prompt_; }
  const QString& Value() const { return value_; }
  void SetValue(const QString& value) { value_ = value; }

  TModalResult ShowForReal();

 private:
  QString caption_;
  QString prompt_;
  QString value_;
};

// Asks for a line of text; true and the text in value on OK, false (value unchanged) on Cancel.
bool InputQuery(const QString& caption, const QString& prompt, QString& value);
// Asks for a line of text; the default on Cancel.
QString InputBox(const QString& caption, const QString& prompt, const QString& defaultValue);

}  // namespace platform
