#include "platform/KeyTranslation.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(KeyTranslation, MapsQtKeysToVirtualKeys)
{
  struct Case {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int virtualKey;
  };
  const Case cases[] = {
      {Qt::Key_Left, Qt::NoModifier, VK_LEFT},
      {Qt::Key_A, Qt::ShiftModifier, 'A'},
      {Qt::Key_7, Qt::NoModifier, '7'},
      {Qt::Key_7, Qt::KeypadModifier, VK_NUMPAD0 + 7},
      {Qt::Key_Plus, Qt::KeypadModifier, VK_ADD},
      {Qt::Key_Plus, Qt::ShiftModifier, VK_OEM_PLUS},
      {Qt::Key_Asterisk, Qt::KeypadModifier, VK_MULTIPLY},
      {Qt::Key_Asterisk, Qt::ShiftModifier, '8'},
      {Qt::Key_Enter, Qt::KeypadModifier, VK_RETURN},
      {Qt::Key_Return, Qt::NoModifier, VK_RETURN},
      {Qt::Key_F1, Qt::NoModifier, VK_F1},
      {Qt::Key_F12, Qt::NoModifier, VK_F(12)},
      {Qt::Key_PageUp, Qt::NoModifier, VK_PRIOR},
      {Qt::Key_Delete, Qt::NoModifier, VK_DELETE},
      {Qt::Key_Backtab, Qt::ShiftModifier, VK_TAB},
      {Qt::Key_Semicolon, Qt::NoModifier, VK_OEM_1},
      {Qt::Key_Period, Qt::KeypadModifier, VK_DECIMAL},
      {Qt::Key_Eacute, Qt::NoModifier, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(VirtualKeyFromQt(c.qtKey, c.modifiers), c.virtualKey) << "Qt key 0x" << std::hex << c.qtKey;
}

TEST(KeyTranslation, ShiftStateHasKeysButtonsAndDoubleClick)
{
  EXPECT_EQ(ShiftStateFromQt(Qt::ShiftModifier | Qt::ControlModifier), ssShift | ssCtrl);
  EXPECT_EQ(ShiftStateFromQt(Qt::AltModifier, Qt::LeftButton | Qt::RightButton), ssAlt | ssLeft | ssRight);
  EXPECT_EQ(ShiftStateFromQt(Qt::NoModifier, Qt::MiddleButton, true), ssMiddle | ssDouble);
}

TEST(KeyTranslation, TypedCharactersAreLatin1AndControlCodes)
{
  struct Case {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::string typed;
  };
  const Case cases[] = {
      {Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"), "\xE9"},
      {Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"), "A"},
      {Qt::Key_A, Qt::ControlModifier, QString(), "\x01"},
      {Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1A"), "\x1A"},
      {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), "\r"},
      {Qt::Key_Backspace, Qt::NoModifier, QString(), "\b"},
      {Qt::Key_Escape, Qt::NoModifier, QString(), "\x1B"},
      {Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7F"), ""},
      {Qt::Key_X, Qt::AltModifier, QStringLiteral("x"), ""},
      {Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€"), ""},  // outside Latin-1
      {Qt::Key_twosuperior, Qt::NoModifier, QStringLiteral("²"), "\xB2"},
  };
  for (const Case& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.text);
    EXPECT_EQ(TypedCharacters(event), c.typed) << c.text.toStdString();
  }
}

}  // namespace
}  // namespace platform
