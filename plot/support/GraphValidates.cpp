#include "plot/support/GraphValidates.h"

#include "plot/support/NumberText.h"
#include "plot/support/PrinterServices.h"

#include "platform/MessageDlg.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>
#include <optional>

namespace plot {

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsSign(QChar c) { return c == QLatin1Char('+') || c == QLatin1Char('-'); }

// Reads an optionally signed run of digits. stop is 0 when the whole text is an integer in range,
// else the 1-based position where the reading stops (never past the last character).
struct TIntegerReading {
  int value = 0;
  int stop = 0;
};

TIntegerReading ReadIntegerText(const QString& text)
{
  const int n = int(text.size());
  if (n == 0)
    return {0, 1};
  int i = IsSign(text[0]) ? 1 : 0;
  const bool negative = text[0] == QLatin1Char('-');
  if (i == n)
    return {0, n};
  long long value = 0;
  for (; i < n && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i].unicode() - '0');
    if (value > (negative ? -static_cast<long long>(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max()))
      return {0, i + 1};
  }
  if (i < n)
    return {0, i + 1};
  return {int(negative ? -value : value), 0};
}

std::optional<int> ReadInteger(const QString& text)
{
  const TIntegerReading reading = ReadIntegerText(text);
  return reading.stop == 0 ? std::optional<int>(reading.value) : std::nullopt;
}

std::optional<double> ReadReal(const QString& text)
{
  if (text.isEmpty() || FindBadRealChar(text) != 0)
    return std::nullopt;
  bool ok = false;
  const double value = text.toLatin1().toDouble(&ok);  // ignores the locale
  return ok ? std::optional<double>(value) : std::nullopt;
}

// The edit takes the focus when it can.
void FocusEdit(QLineEdit* edit)
{
  if (edit && edit->isEnabled() && edit->isVisibleTo(edit->window()))
    edit->setFocus();
}

// Puts the last acceptable text back, the caret before the refused character.
void Restore(QLineEdit* edit, const QString& lastText, int badPosition)
{
  edit->setText(lastText);
  edit->setCursorPosition(std::min(badPosition - 1, int(lastText.size())));
}

QString CaptionOf(const QString& caption, const QLineEdit* edit)
{
  return caption.isEmpty() && edit ? edit->objectName() : caption;
}


}  // namespace

int FindBadIntegerChar(const QString& s)
{
  int lastSign = 0;
  for (int i = 0; i < int(s.size()); ++i) {
    if (IsSign(s[i]))
      lastSign = i + 1;
    else if (!IsDigit(s[i]))
      return i + 1;
  }
  return lastSign >= 2 ? lastSign : 0;
}

int FindBadRealChar(const QString& s)
{
  if (s.isEmpty())
    return 0;
  int bad = 0;
  for (int i = 0; i < int(s.size()) && bad == 0; ++i)
    if (!IsSign(s[i]) && !IsDigit(s[i]) && s[i] != QLatin1Char('.') && s[i] != QLatin1Char('e') &&
        s[i] != QLatin1Char('E'))
      bad = i + 1;
  const int d = int(s.indexOf(QLatin1Char('.'))) + 1;
  const int e = int(s.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive)) + 1;
  QString integer = s;
  QString fraction;
  QString exponent;
  if (e > 0) {
    integer = s.left((d > 0 && d < e ? d : e) - 1);
    exponent = s.mid(e);
    if (d > 0 && d < e)
      fraction = s.mid(d - 1, e - d);
  } else if (d > 0) {
    integer = s.left(d - 1);
    fraction = s.mid(d - 1);
  }
  // A point after the exponent mark stays in the exponent part, where it is refused.
  if (!fraction.isEmpty())
    fraction[0] = QLatin1Char('-');  // the point itself is fine; a sign after it is not
  const auto take = [&bad](int found, int shift) {
    if (found > 0 && (bad == 0 || found + shift < bad))
      bad = found + shift;
  };
  take(FindBadIntegerChar(integer), 0);
  take(FindBadIntegerChar(fraction), d - 1);
  take(FindBadIntegerChar(exponent), e);
  return bad;
}

TIntValidate::TIntValidate(int min, int max, QLineEdit* edit, QWidget* form, const QString& caption)
    : edit_(edit), form_(form), caption_(CaptionOf(caption, edit))
{
  SetMin(min);
  SetMax(max);
  QString text = edit ? edit->text() : QString();
  while (!text.isEmpty() && !ReadInteger(text))
    text.remove(ReadIntegerText(text).stop - 1, 1);
  lastText_ = text;
}

void TIntValidate::SetMin(int value)
{
  min_ = value;
  if (max_ < value)
    SetMax(value);
}

void TIntValidate::SetMax(int value)
{
  max_ = value;
  if (value < min_)
    SetMin(value);
}

void TIntValidate::SetRange(int min, int max)
{
  SetMin(min);
  SetMax(max);
}

int TIntValidate::GetValue()
{
  if (edit_)
    if (const auto v = ReadInteger(edit_->text()))
      value_ = *v;
  return value_;
}

void TIntValidate::FilterInput()
{
  if (!edit_)
    return;
  const QString text = edit_->text();
  if (const int bad = FindBadIntegerChar(text); bad > 0) {
    Restore(edit_, lastText_, bad);
    return;
  }
  lastText_ = text;
}

bool TIntValidate::InRange()
{
  const auto v = edit_ ? ReadInteger(edit_->text()) : std::nullopt;
  if (!v)
    return false;
  value_ = *v;
  return min_ <= value_ && value_ <= max_;
}

const QLineEdit* TIntValidate::Edit() const { return edit_; }

bool TIntValidate::Check()
{
  if (InRange())
    return true;
  platform::MessageDlg(caption_ + QStringLiteral(" must be in the range [%1..%2]").arg(min_).arg(max_),
                       platform::mtError, platform::mbOK);
  FocusEdit(edit_);
  return false;
}

bool TIntValidate::CheckSilent()
{
  if (InRange())
    return true;
  ErrorBeep();
  FocusEdit(edit_);
  return false;
}

TRealValidate::TRealValidate(double min, double max, QLineEdit* edit, QWidget* form, const QString& caption)
    : edit_(edit), form_(form), caption_(CaptionOf(caption, edit))
{
  SetMin(min);
  SetMax(max);
  if (edit && !ReadReal(edit->text()))
    edit->clear();
  lastText_ = edit ? edit->text() : QString();
}

void TRealValidate::SetMin(double value)
{
  min_ = value;
  if (max_ < value)
    SetMax(value);
}

void TRealValidate::SetMax(double value)
{
  max_ = value;
  if (value < min_)
    SetMin(value);
}

void TRealValidate::SetRange(double min, double max)
{
  SetMin(min);
  SetMax(max);
}

double TRealValidate::GetValue()
{
  if (edit_)
    if (const auto v = ReadReal(edit_->text()))
      value_ = *v;
  return value_;
}

void TRealValidate::FilterInput()
{
  if (!edit_)
    return;
  const QString text = edit_->text();
  const int bad = text.size() > lastText_.size() ? FindBadChar(text) : 0;
  if (bad > 0)
    Restore(edit_, lastText_, bad);
  else
    lastText_ = text;
  if (const auto v = ReadReal(edit_->text()))
    value_ = *v;
}

bool TRealValidate::InRange()
{
  const auto v = edit_ ? ReadReal(edit_->text()) : std::nullopt;
  if (!v)
    return false;
  value_ = *v;
  return min_ <= value_ && value_ <= max_;
}

const QLineEdit* TRealValidate::Edit() const { return edit_; }

QString TRealValidate::BoundText(double value) const { return QString::fromLatin1(FloatToShortText(8, 1, value)); }

bool TRealValidate::Check()
{
  if (InRange())
    return true;
  if (edit_ && !edit_->text().isEmpty())
    platform::MessageDlg(caption_ + QStringLiteral(" must be in the range [") + BoundText(min_) +
                             QStringLiteral(" ... ") + BoundText(max_) + QLatin1Char(']'),
                         platform::mtError, platform::mbOK);
  FocusEdit(edit_);
  return false;
}

bool TRealValidate::CheckSilent()
{
  if (InRange())
    return true;
  ErrorBeep();
  FocusEdit(edit_);
  return false;
}

}  // namespace plot
