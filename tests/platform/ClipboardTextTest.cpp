#include "platform/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace platform {

TEST(ClipboardText, EngineTextIsConvertedBetweenLatin1AndUnicode)
{
  SetClipboardText("x\xB2 + \xBD = 1\r\n");  // x², ½
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("x² + ½ = 1\r\n"));
  EXPECT_EQ(ClipboardText(), std::optional<std::string>("x\xB2 + \xBD = 1\r\n"));

  QGuiApplication::clipboard()->setText(QStringLiteral("5 € · π"));
  EXPECT_EQ(ClipboardText(), std::optional<std::string>("5 ? \xB7 ?"));
}

TEST(ClipboardText, AnEmptyClipboardHasNoText)
{
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(ClipboardHasText());
  EXPECT_EQ(ClipboardText(), std::nullopt);
}

}  // namespace platform
