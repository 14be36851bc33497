#pragma once
// Range validators bound to an edit: they refuse characters that cannot belong to a number, keep the last
// acceptable text, give the edit's value and check it against a closed range.

#include <QLineEdit>
#include <QPointer>
#include <QString>

class QWidget;

namespace app {

// 0 when s is acceptable so far as an integer, else the 1-based position of the offending character.
int FindBadIntegerChar(const QString& s);
// The same for a real number (sign, digits, one point, one exponent).
int FindBadRealChar(const QString& s);

class TIntValidate {
 public:
  TIntValidate(int min, int max, QLineEdit* edit, QWidget* form, const QString& caption);

  void SetMin(int value);
  void SetMax(int value);
  void SetRange(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  const QString& Caption() const { return caption_; }
  const QString& LastText() const { return lastText_; }
  const QLineEdit* Edit() const { return edit_; }

  int GetValue();
  void FilterInput();  // from the edit's change event
  bool Check();        // message box on failure
  bool CheckSilent();  // beep on failure

 private:
  bool InRange();
  void FocusEdit();

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
  TRealValidate(double min, double max, QLineEdit* edit, QWidget* form, const QString& caption);

  void SetMin(double value);
  void SetMax(double value);
  void SetRange(double min, double max);
  double Min() const { return min_; }
  double Max() const { return max_; }
  const QString& Caption() const { return caption_; }
  const QLineEdit* Edit() const { return edit_; }
  const QString& LastText() const { return lastText_; }

  double GetValue();
  void FilterInput();
  bool Check();
  bool CheckSilent();

 private:
  bool InRange();
  void FocusEdit();

  double min_ = 0;
  double max_ = 0;
  double value_ = 0;
  QPointer<QLineEdit> edit_;
  QPointer<QWidget> form_;
  QString lastText_;
  QString caption_;
};

}  // namespace app
