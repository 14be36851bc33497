#include "app/Vkeys.h"

#include <utility>

namespace app {

QString KeyCodeToText(int key)
{
  static const std::pair<int, const char*> names[] = {
      {1, "vk_LButton"},   {2, "vk_RButton"},   {3, "vk_Cancel"},   {4, "vk_MButton"},   {8, "vk_Back"},
      {9, "vk_Tab"},       {12, "vk_Clear"},    {13, "vk_Return"},  {16, "vk_Shift"},    {17, "vk_Control"},
      {18, "vk_Menu"},     {19, "vk_Pause"},    {20, "vk_Capital"}, {27, "vk_Escape"},   {32, "vk_Space"},
      {33, "vk_Prior"},    {34, "vk_Next"},     {35, "vk_End"},     {36, "vk_Home"},     {37, "vk_Left"},
      {38, "vk_Up"},       {39, "vk_Right"},    {40, "vk_Down"},    {41, "vk_Select"},   {42, "vk_Print"},
      {43, "vk_Execute"},  {44, "vk_SnapShot"}, {45, "vk_Insert"},  {46, "vk_Delete"},   {47, "vk_Help"},
      {106, "vk_Multiply"}, {107, "vk_vkAdd"},  {108, "vk_Separator"}, {109, "vk_Subtract"},
      {110, "vk_Decimal"}, {111, "vk_Divide"},  {144, "vk_NumLock"}, {145, "vk_Scroll"}};
  for (const auto& [code, name] : names)
    if (code == key)
      return QString::fromLatin1(name);
  if (key >= 96 && key <= 105)
    return QStringLiteral("vk_NumPad") + QString::number(key - 96);
  if (key >= 112 && key <= 135)
    return QStringLiteral("vk_F") + QString::number(key - 111);
  return QString(QChar(key));
}

QString ShiftStateToText(platform::TShiftState shift)
{
  static const std::pair<platform::TShiftState, const char*> names[] = {
      {platform::ssShift, "ssShift"}, {platform::ssAlt, "ssAlt"},       {platform::ssCtrl, "ssCtrl"},
      {platform::ssLeft, "ssLeft"},   {platform::ssRight, "ssRight"},   {platform::ssMiddle, "ssMiddle"},
      {platform::ssDouble, "ssDouble"}};
  QString text;
  for (const auto& [bit, name] : names)
    if (shift & bit)
      text += QLatin1Char(' ') + QString::fromLatin1(name);
  return text;
}

}  // namespace app
