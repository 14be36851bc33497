// The system's long time format as a date-time text pattern.

#include "grid/dropdown/SystemDateFormat.h"

#include <QLocale>
#include <QString>
#include <gtest/gtest.h>

namespace grid {
namespace {

TEST(SystemDateFormat, LocaleTimeFormatsBecomePatterns)
{
  struct Case {
    const char16_t* format;
    const char* pattern;
  } cases[] = {
      {u"HH:mm:ss t", "hh:nn:ss"},
      {u"h:mm:ss AP t", "h:nn:ss am/pm"},
      {u"h:mm:ss\u202fap", "h:nn:ss am/pm"},  // a narrow blank
      {u"HH:mm:ss 'Uhr'", "hh:nn:ss \"Uhr\""},
      {u"H.mm.ss", "h.nn.ss"},
      {u"hh:mm:ss.zzz", "hh:nn:ss"},
      {u"AP h:mm:ss", "am/pm h:nn:ss"},
      {u"tttt HH:mm:ss", "hh:nn:ss"},
      {u"H 'h' mm 'min' ss 's'", "h \"h\" nn \"min\" ss \"s\""},
      {u"h:mm:ss '' a", "h:nn:ss ' am/pm"},
      {u"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TimeFormatPattern(QString::fromUtf16(c.format)), c.pattern) << QString::fromUtf16(c.format).toStdString();
}

TEST(SystemDateFormat, TheSystemsLongTimeFormatIsTaken)
{
  const std::string expected = TimeFormatPattern(QLocale::system().timeFormat(QLocale::LongFormat));
  EXPECT_EQ(SystemDateFormat().LongTimeFormat, expected.empty() ? TtsDateFormat{}.LongTimeFormat : expected);
}

}  // namespace
}  // namespace grid
