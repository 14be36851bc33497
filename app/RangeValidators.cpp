#include "app/RangeValidators.h"

#include "platform/Application.h"
#include "platform/MessageDlg.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace app {

namespace {

std::optional<int> ReadInteger(const QString& text)
{
  bool ok = false;
  const int value = text.toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> ReadReal(const QString& text)
{
  bool ok = false;
  const double value = text.toDouble(&ok);
  return ok ? std::optional<double>(value) : std::nullopt;
}

QString BoundText(double value)
{
  return QString::number(value, 'g', 8);
}

}  // namespace

int FindBadIntegerChar(const QString& s)
{
  int lastSign = 0;
  for (int i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c == QLatin1Char('+') || c == QLatin1Char('-'))
      lastSign = i + 1;
    else if (!c.isDigit() || c.unicode() > 127)
      return i + 1;
  }
  return lastSign >= 2 ? lastSign : 0;
}

int FindBadRealChar(const QString& s)
{
  if (s.isEmpty())
    return 0;
  int bad = 0;
  for (int i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (!QStringLiteral("+-.0123456789Ee").contains(c)) {
      bad = i + 1;
      break;
    }
  }
  const int d = int(s.indexOf(QLatin1Char('.'))) + 1;
  const int e = int(s.indexOf(QRegularExpression(QStringLiteral("[eE]")))) + 1;
  QString integer = s;
  QString fraction;
  QString exponent;
  if (d == 0 && e > 0) {
    integer = s.left(e - 1);
    exponent = s.mid(e);
  } else if (d > 0 && e > 0) {
    integer = s.left(d - 1);
    fraction = e > d ? s.mid(d - 1, e - d) : QString();
    exponent = s.mid(e);
  } else if (d > 0) {
    integer = s.left(d - 1);
    fraction = s.mid(d - 1);
  }
  if (!fraction.isEmpty())
    fraction[0] = QLatin1Char('-');
  auto take = [&bad](int found, int shift) {
    if (found > 0 && (bad == 0 || found + shift < bad))
      bad = found + shift;
  };
  take(FindBadIntegerChar(integer), 0);
  take(FindBadIntegerChar(fraction), d - 1);
  take(FindBadIntegerChar(exponent), e);
  return bad;
}

TIntValidate::TIntValidate(int min, int max, QLineEdit* edit, QWidget* form, const QString& caption)
    : edit_(edit), form_(form), caption_(caption.isEmpty() && edit ? edit->objectName() : caption)
{
  SetMin(min);
  SetMax(max);
  QString text = edit ? edit->text() : QString();
  // Remove the character at which the reading stops until the rest reads as an integer.
  while (!text.isEmpty() && !ReadInteger(text)) {
    const int bad = FindBadIntegerChar(text);
    text.remove(bad > 0 ? bad - 1 : int(text.size()) - 1, 1);
  }
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
  const int bad = FindBadIntegerChar(text);
  if (bad == 0) {
    lastText_ = text;
    return;
  }
  edit_->setText(lastText_);
  edit_->setCursorPosition(std::min(bad - 1, int(lastText_.size())));
}

bool TIntValidate::InRange()
{
  if (!edit_)
    return false;
  const auto v = ReadInteger(edit_->text());
  if (!v)
    return false;
  value_ = *v;
  return min_ <= value_ && value_ <= max_;
}

void TIntValidate::FocusEdit()
{
  if (edit_ && edit_->isEnabled() && edit_->isVisibleTo(edit_->window()))
    edit_->setFocus();
}

bool TIntValidate::Check()
{
  if (InRange())
    return true;
  platform::MessageDlg(caption_ + QStringLiteral(" must be in the range [%1..%2]").arg(min_).arg(max_),
                       platform::mtError, platform::mbOK);
  FocusEdit();
  return false;
}

bool TIntValidate::CheckSilent()
{
  if (InRange())
    return true;
  platform::Beep();
  FocusEdit();
  return false;
}

TRealValidate::TRealValidate(double min, double max, QLineEdit* edit, QWidget* form, const QString& caption)
    : edit_(edit), form_(form), caption_(caption.isEmpty() && edit ? edit->objectName() : caption)
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
    if (const auto v = ReadReal(edit_->text()); v && !edit_->text().isEmpty())
      value_ = *v;
  return value_;
}

void TRealValidate::FilterInput()
{
  if (!edit_)
    return;
  const QString text = edit_->text();
  if (text.size() > lastText_.size()) {
    const int bad = FindBadRealChar(text);
    if (bad > 0) {
      edit_->setText(lastText_);
      edit_->setCursorPosition(std::min(bad - 1, int(lastText_.size())));
      return;
    }
  }
  lastText_ = text;
  if (const auto v = ReadReal(text))
    value_ = *v;
}

bool TRealValidate::InRange()
{
  if (!edit_)
    return false;
  const auto v = ReadReal(edit_->text());
  if (!v)
    return false;
  value_ = *v;
  return min_ <= value_ && value_ <= max_;
}

void TRealValidate::FocusEdit()
{
  if (edit_ && edit_->isEnabled() && edit_->isVisibleTo(edit_->window()))
    edit_->setFocus();
}

bool TRealValidate::Check()
{
  if (InRange())
    return true;
  if (edit_ && !edit_->text().isEmpty())
    platform::MessageDlg(caption_ + QStringLiteral(" must be in the range [") + BoundText(min_) +
                             QStringLiteral(" ... ") + BoundText(max_) + QStringLiteral("]"),
                         platform::mtError, platform::mbOK);
  FocusEdit();
  return false;
}

bool TRealValidate::CheckSilent()
{
  if (InRange())
    return true;
  platform::Beep();
  FocusEdit();
  return false;
}

}  // namespace app
