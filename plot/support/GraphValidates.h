#pragma once
// Number fields of the dialogs: a validator watches one edit, refuses characters that cannot belong
// to an integer (a real number), keeps the last acceptable text, gives the edit's value and checks
// it against a closed range, with an error message or silently with a beep. The dialog calls
// FilterInput from the edit's change signal.

#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

namespace plot {

// 0 when s is acceptable so far as an optionally signed run of digits, else the 1-based position of
// the offending character (a sign after the first place counts as one).
int FindBadIntegerChar(const QString& s);
// The same for a real number: integer part, "." and fraction, "e" or "E" and signed exponent.
int FindBadRealChar(const QString& s);

class TIntValidate {
public:
  // An empty caption takes the edit's object name. The last acceptable text is the edit's text with
  // the characters that stop its reading as an integer left out; the edit is not changed.
  TIntValidate(int min, int max, QLineEdit* edit, QWidget* form, const QString& caption);

  // Each keeps Min <= Max by moving the other bound.
  void SetMin(int value);
  void SetMax(int value);
  void SetRange(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  const QString& Caption() const { return caption_; }
  const QString& LastText() const { return lastText_; }
  const QLineEdit* Edit() const;

  // The edit's value; the last one read while the text is empty or no integer.
  int GetValue();
  // A bad character brings the last acceptable text back, the caret before the character.
  void FilterInput();
  // False for a text out of range or no integer: "<caption> must be in the range [min..max]" in
  // an error box, and the edit takes the focus.
  bool Check();
  // The same test; a beep instead of the message.
  bool CheckSilent();

private:
  bool InRange();
  void Refuse();

  int min_ = 0;
  int max_ = 0;
  int value_ = 0;
  QPointer<QLineEdit> edit_;
  QPointer<QWidget> form_;
  QString lastText_;
  QString caption_;
};

class TRealValidate {
public:
  // A text that does not read as a number is cleared from the edit.
  TRealValidate(double min, double max, QLineEdit* edit, QWidget* form, const QString& caption);
  virtual ~TRealValidate() = default;

  void SetMin(double value);
  void SetMax(double value);
  void SetRange(double min, double max);
  double Min() const { return min_; }
  double Max() const { return max_; }
  const QString& Caption() const { return caption_; }
  const QString& LastText() const { return lastText_; }
  const QLineEdit* Edit() const;

  double GetValue();
  // Looks at the text only when it grew, so deleting is never refused.
  void FilterInput();
  // The message "<caption> must be in the range [min ... max]" shows only for a non-empty text.
  bool Check();
  bool CheckSilent();
  virtual int FindBadChar(const QString& s) const { return FindBadRealChar(s); }
  // A bound as the range message writes it: 8 significant digits, the short form.
  virtual QString BoundText(double value) const;

private:
  bool InRange();
  void Refuse();

  double min_ = 0;
  double max_ = 0;
  double value_ = 0;
  QPointer<QLineEdit> edit_;
  QPointer<QWidget> form_;
  QString lastText_;
  QString caption_;
};

}  // namespace plot
