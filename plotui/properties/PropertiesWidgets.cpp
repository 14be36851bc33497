#include "plotui/properties/PropertiesWidgets.h"

#include "platform/CommonDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace plotui {

QCheckBox* NamedCheck(QWidget* parent, const char* name, const QString& caption)
{
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QLatin1String(name));
  return box;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption)
{
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QLineEdit* NamedEdit(QWidget* parent, const char* name, const QString& text)
{
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QLatin1String(name));
  return edit;
}

QComboBox* NamedCombo(QWidget* parent, const char* name, const QStringList& items)
{
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QLatin1String(name));
  combo->addItems(items);
  return combo;
}

QToolButton* StepButton(QWidget* parent, const char* name, bool up)
{
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
  button->setFixedSize(18, 12);
  return button;
}

QLabel* Caption(QWidget* parent, const QString& text) { return new QLabel(text, parent); }

QString GeneralText(double v, int digits)
{
  QString text = QString::number(v, 'g', digits).toUpper();
  text.replace(QStringLiteral("E+"), QStringLiteral("E"));
  // "1E-05" -> "1E-5"
  const int e = int(text.indexOf(QLatin1Char('E')));
  if (e >= 0) {
    int digitsAt = e + 1;
    if (digitsAt < text.size() && text[digitsAt] == QLatin1Char('-'))
      ++digitsAt;
    while (digitsAt + 1 < text.size() && text[digitsAt] == QLatin1Char('0'))
      text.remove(digitsAt, 1);
  }
  return text;
}

int TextToInt(const QString& text, int fallback, bool* ok)
{
  bool good = false;
  const int value = text.trimmed().toInt(&good);
  if (ok)
    *ok = good;
  return good ? value : fallback;
}

bool ChooseColor(platform::TColor& color)
{
  platform::TColorDialog dialog;
  dialog.Color = color;
  if (!dialog.Execute())
    return false;
  color = dialog.Color;
  return true;
}

bool ChooseFont(platform::TFont& font)
{
  platform::TFontDialog dialog;
  QFont q(font.Name());
  q.setPointSize(std::max(font.Size(), 1));
  q.setBold(font.Style() & platform::fsBold);
  q.setItalic(font.Style() & platform::fsItalic);
  q.setUnderline(font.Style() & platform::fsUnderline);
  dialog.Font = q;
  dialog.Color = font.Color();
  if (!dialog.Execute())
    return false;
  font.SetName(dialog.Font.family());
  if (dialog.Font.pointSize() > 0)
    font.SetSize(dialog.Font.pointSize());
  platform::TFontStyles style = 0;
  if (dialog.Font.bold())
    style |= platform::fsBold;
  if (dialog.Font.italic())
    style |= platform::fsItalic;
  if (dialog.Font.underline())
    style |= platform::fsUnderline;
  font.SetStyle(style);
  font.SetColor(dialog.Color);
  return true;
}

}  // namespace plotui
