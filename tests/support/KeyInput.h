#pragma once
// Keys as a user types them, sent to a widget in tests: a key press with its modifiers and the text it
// types, and whole texts character by character.

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace testing_support {

inline void PressKey(QWidget& target, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = {})
{
  QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
  QApplication::sendEvent(&target, &release);
}

inline void PressEnter(QWidget& target)
{
  PressKey(target, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
}

// Each character as the key that types it (letters by their upper-case key, others by their code).
inline void TypeText(QWidget& target, const QString& text)
{
  for (const QChar c : text) {
    const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
    PressKey(target, key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
  }
}

}  // namespace testing_support
