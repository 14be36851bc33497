#pragma once
// Every key with every modifier, sent the way a keyboard sends it (a shortcut override first, then the
// press and the release) to every control of a window that can take the focus. Dialogs that open on
// the way are cancelled and the program's own URL opener is stubbed, so the storm runs headless.

#include "platform/ModalRun.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

namespace testing_support {

// The keys a storm sends: modifiers alone, editing and moving keys, function keys, letters, digits and
// the signs of a calculator.
inline const std::vector<Qt::Key>& StormKeys()
{
  static const std::vector<Qt::Key> keys = [] {
    std::vector<Qt::Key> k = {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_Return,
                              Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backspace,
                              Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Home, Qt::Key_End, Qt::Key_Left,
                              Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                              Qt::Key_Space, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk, Qt::Key_Slash,
                              Qt::Key_Equal, Qt::Key_ParenLeft, Qt::Key_ParenRight, Qt::Key_Period,
                              Qt::Key_Comma, Qt::Key_Menu};
    for (int f = Qt::Key_F1; f <= Qt::Key_F12; ++f)
      k.push_back(Qt::Key(f));
    for (int c = Qt::Key_A; c <= Qt::Key_Z; ++c)
      k.push_back(Qt::Key(c));
    for (int d = Qt::Key_0; d <= Qt::Key_9; ++d)
      k.push_back(Qt::Key(d));
    return k;
  }();
  return keys;
}

// Every combination of Shift, Ctrl, Alt and Meta.
inline std::vector<Qt::KeyboardModifiers> StormModifiers()
{
  std::vector<Qt::KeyboardModifiers> all;
  const Qt::KeyboardModifier each[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier};
  for (unsigned mask = 0; mask < 16; ++mask) {
    Qt::KeyboardModifiers modifiers;
    for (unsigned bit = 0; bit < 4; ++bit)
      if (mask & (1u << bit))
        modifiers |= each[bit];
    all.push_back(modifiers);
  }
  return all;
}

// The text a key types with these modifiers, as a keyboard reports it.
inline QString StormText(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return {};
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    const QChar c(key);
    return (modifiers & Qt::ShiftModifier) ? QString(c) : QString(c.toLower());
  }
  if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
    return QString(QChar(key));
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    default: return {};
  }
}

// The controls of a window that take the focus, and the window itself. With oneOfEachClass only the first
// control of each class is taken (a key's path depends on the control's class), besides those in also.
inline std::vector<QPointer<QWidget>> StormTargets(QWidget& window, bool oneOfEachClass,
                                                   const std::vector<QWidget*>& also)
{
  std::vector<QPointer<QWidget>> targets{&window};
  std::vector<const char*> classes;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (child->focusPolicy() == Qt::NoFocus)
      continue;
    const char* name = child->metaObject()->className();
    const bool seen = std::any_of(classes.begin(), classes.end(), [&](const char* c) { return qstrcmp(c, name) == 0; });
    const bool listed = std::find(also.begin(), also.end(), child) != also.end();
    if (oneOfEachClass && seen && !listed)
      continue;
    classes.push_back(name);
    targets.emplace_back(child);
  }
  return targets;
}

// Sends every key with every modifier to each target that is still there, visible and enabled, with the
// focus on it. After each target, between() may put the window back in shape.
inline void KeyStorm(QWidget& window, const std::function<void()>& between = {}, bool oneOfEachClass = false,
                     const std::vector<QWidget*>& also = {})
{
  platform::ModalScript cancelAll([](const QString&) {});
  platform::SetUrlOpener([](const QUrl&) { return true; });
  const std::vector<Qt::KeyboardModifiers> modifiers = StormModifiers();
  for (const QPointer<QWidget>& target : StormTargets(window, oneOfEachClass, also)) {
    for (const Qt::KeyboardModifiers mods : modifiers)
      for (const Qt::Key key : StormKeys()) {
        if (!target || !target->isVisible() || !target->isEnabled())
          break;
        target->setFocus();
        const QString text = StormText(key, mods);
        QTest::sendKeyEvent(QTest::Press, target, key, text, mods);
        if (target)
          QTest::sendKeyEvent(QTest::Release, target, key, text, mods);
      }
    if (between)
      between();
  }
  platform::SetUrlOpener({});
}

}  // namespace testing_support
