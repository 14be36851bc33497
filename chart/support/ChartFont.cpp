#include "chart/support/ChartFont.h"

#include "chart/support/Messages.h"
#include "platform/CanvasRounding.h"

#include <QLocale>

namespace chart {

int ScreenPixelsPerInch() { return platform::kScreenPixelsPerInch; }

int SystemPrimaryLanguage()
{
  return QLocale::system().language() == QLocale::Japanese ? kJapaneseLanguage : 0;
}

void AdjustFontSizeForLocale(int& size, int language)
{
  if (size != 8 || language != kJapaneseLanguage)
    return;
  const platform::TFontData classDefault;
  size = -platform::MulDiv(classDefault.Height, 72, ScreenPixelsPerInch());
}

int DefaultFontSize(int language)
{
  int size = QString::fromLatin1(msg::DefaultFontSize).toInt();
  AdjustFontSizeForLocale(size, language);
  return size;
}

QString DefaultFontName(int language)
{
  const QString name = QString::fromLatin1(msg::DefaultFontName);
  if (language == kJapaneseLanguage && name == QLatin1String("Arial"))
    return platform::TFontData().Name;
  return name;
}

bool IsStandardFont(const platform::TFont& font)
{
  return font.Size() == DefaultFontSize() && font.Name() == DefaultFontName() && font.Color() == platform::clBlack &&
         font.Style() == 0 && font.Charset() == platform::DEFAULT_CHARSET;
}

std::unique_ptr<platform::TFont> NewChartFont(std::function<void()> onChange)
{
  auto font = std::make_unique<platform::TFont>();
  font->SetName(DefaultFontName());
  font->SetSize(DefaultFontSize());
  font->SetColor(platform::clBlack);
  font->SetStyle(0);
  font->OnChange = std::move(onChange);
  return font;
}

}  // namespace chart
