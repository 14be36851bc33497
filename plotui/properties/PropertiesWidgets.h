#pragma once
// Small builders and helpers shared by the pages of the properties dialogs: named controls, numbers
// in the general format, and the colour and font dialogs started at a value.

#include "platform/Color.h"
#include "platform/Font.h"

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace plotui {

QCheckBox* NamedCheck(QWidget* parent, const char* name, const QString& caption);
// Never a default button: Enter belongs to the edits.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);
QLineEdit* NamedEdit(QWidget* parent, const char* name, const QString& text = {});
QComboBox* NamedCombo(QWidget* parent, const char* name, const QStringList& items);
// A small up or down stepper button.
QToolButton* StepButton(QWidget* parent, const char* name, bool up);
QLabel* Caption(QWidget* parent, const QString& text);

// v with at most digits significant digits, the shortest form ("0.5", "1E-10", "1E30").
QString GeneralText(double v, int digits);
// The integer of a text, fallback when it is none.
int TextToInt(const QString& text, int fallback, bool* ok = nullptr);

// The colour dialog started at color; true and color changed when accepted.
bool ChooseColor(platform::TColor& color);
// The font dialog started at font; true and font changed when accepted.
bool ChooseFont(platform::TFont& font);

}  // namespace plotui
