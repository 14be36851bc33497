#pragma once
// The guard of an edit whose text goes to the engine: characters with an engine meaning take their engine
// form as they are typed or pasted ("√" becomes the root sign, "π" the pi sign), and a text longer than the
// edit takes is refused whole with a message instead of being cut.

#include <QValidator>

class QLineEdit;

namespace app {

class EngineCharValidator : public QValidator {
 public:
  static constexpr int kMaxLength = 32767;

  explicit EngineCharValidator(QLineEdit& edit);  // a child of the edit
  State validate(QString& input, int& pos) const override;

 private:
  bool messagePending_ = false;
};

// Gives the edit its guard; the edit owns it.
void GuardEngineEdit(QLineEdit& edit);

}  // namespace app
