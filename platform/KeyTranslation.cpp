#include "platform/KeyTranslation.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <utility>

namespace platform {

namespace {

// Qt keys that have a virtual-key code of their own. Shifted characters map to the key that types them
// on a US keyboard.
constexpr std::pair<int, int> kKeyTable[] = {
    {Qt::Key_Backspace, VK_BACK},        {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},           {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Return, VK_RETURN},         {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},           {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},              {Qt::Key_AltGr, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},           {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},         {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},          {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},               {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},             {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},           {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Select, VK_SELECT},         {Qt::Key_Printer, VK_PRINT},
    {Qt::Key_Print, VK_SNAPSHOT},        {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},         {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN},             {Qt::Key_Super_L, VK_LWIN},
    {Qt::Key_Super_R, VK_RWIN},          {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK},       {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Cancel, VK_CANCEL},
    {Qt::Key_Semicolon, VK_OEM_1},       {Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_Equal, VK_OEM_PLUS},        {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA},       {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},       {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Period, VK_OEM_PERIOD},     {Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},           {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},       {Qt::Key_AsciiTilde, VK_OEM_3},
    {Qt::Key_BracketLeft, VK_OEM_4},     {Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5},       {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6},    {Qt::Key_BraceRight, VK_OEM_6},
    {Qt::Key_Apostrophe, VK_OEM_7},      {Qt::Key_QuoteDbl, VK_OEM_7},
    {Qt::Key_Exclam, '1'},               {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},           {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},              {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},            {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},            {Qt::Key_ParenRight, '0'},
    {Qt::Key_Execute, VK_EXECUTE},
};

// The keypad's own codes (with the keypad modifier).
int KeypadKey(int qtKey)
{
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
    return VK_NUMPAD0 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Slash: return VK_DIVIDE;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    default: return 0;
  }
}

}  // namespace

int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers)
{
  if (modifiers & Qt::KeypadModifier)
    if (const int keypad = KeypadKey(qtKey))
      return keypad;
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return qtKey;  // the same codes as ASCII upper case and digits
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
    return VK_F1 + (qtKey - Qt::Key_F1);
  for (const auto& [qt, vk] : kKeyTable)
    if (qt == qtKey)
      return vk;
  return 0;
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick)
{
  TShiftState state = 0;
  if (modifiers & Qt::ShiftModifier)
    state |= ssShift;
  if (modifiers & Qt::ControlModifier)
    state |= ssCtrl;
  if (modifiers & Qt::AltModifier)
    state |= ssAlt;
  if (buttons & Qt::LeftButton)
    state |= ssLeft;
  if (buttons & Qt::RightButton)
    state |= ssRight;
  if (buttons & Qt::MiddleButton)
    state |= ssMiddle;
  if (doubleClick)
    state |= ssDouble;
  return state;
}

TShiftState CurrentShiftState()
{
  return ShiftStateFromQt(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
}

std::string TypedCharacters(const QKeyEvent& event)
{
  const int key = event.key();
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool alt = modifiers & Qt::AltModifier;
  if (alt && !ctrl)
    return {};
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return ctrl ? std::string(1, '\n') : std::string(1, '\r');
    case Qt::Key_Backspace: return std::string(1, '\b');
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return ctrl ? std::string() : std::string(1, '\t');
    case Qt::Key_Escape: return std::string(1, '\x1B');
    case Qt::Key_Delete: return {};
    default: break;
  }
  if (ctrl && !alt) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
      return std::string(1, char(key - Qt::Key_A + 1));
    switch (key) {
      case Qt::Key_BracketLeft: return std::string(1, '\x1B');
      case Qt::Key_Backslash: return std::string(1, '\x1C');
      case Qt::Key_BracketRight: return std::string(1, '\x1D');
      default: return {};
    }
  }
  std::string typed;
  for (const QChar c : event.text()) {
    const char16_t u = c.unicode();
    if (u >= 0x20 && u <= 0xFF && u != 0x7F)
      typed += char(u);
  }
  return typed;
}

}  // namespace platform
