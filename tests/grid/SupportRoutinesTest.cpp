// The grid's support routines: check-box value texts, accelerators, image references, values,
// number texts, registry paths, line breaks and property defaults.
#include "grid/model/CheckValues.h"
#include "grid/model/GridUnitRoutines.h"
#include "grid/model/NumberText.h"
#include "grid/model/RegistryPath.h"
#include "grid/model/TextRoutines.h"
#include "grid/model/ValueRoutines.h"

#include "platform/Color.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

TEST(SupportRoutines, SplitCheckValues)
{
  struct Case {
    const char* text;
    const char* checked;
    const char* unchecked;
    const char* grayed;
    bool wellFormed;
  };
  const Case cases[] = {
      {"Yes|No", "Yes", "No", "", true},
      {"Yes|No|Maybe", "Yes", "No", "Maybe", true},
      {"a|b|c|d", "a", "b", "c", false},
      {"", "", "", "", true},
      {"Yes", "Yes", "", "", false},
      {"Yes||Maybe", "Yes", "", "Maybe", false},
  };
  for (const Case& c : cases) {
    TtsCheckValues values;
    EXPECT_EQ(SplitCheckValues(c.text, values), c.wellFormed) << c.text;
    EXPECT_EQ(values.Checked, c.checked) << c.text;
    EXPECT_EQ(values.Unchecked, c.unchecked) << c.text;
    EXPECT_EQ(values.Grayed, c.grayed) << c.text;
    EXPECT_EQ(IsValidCheckValues(c.text), c.wellFormed) << c.text;
  }
}

TEST(SupportRoutines, CheckStatesAndTheirTexts)
{
  EXPECT_EQ(CheckStateOfText("yes", "Yes|No"), cbChecked);
  EXPECT_EQ(CheckStateOfText("NO", "Yes|No"), cbUnchecked);
  EXPECT_EQ(CheckStateOfText("other", "Yes|No"), cbGrayed);
  EXPECT_EQ(CheckStateOfText("Yes", ""), cbGrayed);
  EXPECT_EQ(CheckStateOfValue(1, "Yes|No"), cbChecked);
  EXPECT_EQ(CheckStateOfValue(7, "Yes|No"), cbGrayed);  // no state beyond 0..2
  EXPECT_EQ(CheckStateOfValue(TtsCellValue::Null(), "Null|No"), cbChecked);
  EXPECT_EQ(CheckStateOfValue(TtsCellValue::Null(), "Yes|Null"), cbUnchecked);
  EXPECT_EQ(CheckStateOfValue(TtsCellValue::Null(), "Yes|No"), cbGrayed);
  EXPECT_EQ(CheckStateOfValue(2.5, "Yes|No"), cbGrayed);
  EXPECT_EQ(CheckValueOfState(cbChecked, "Yes|No|?"), TtsCellValue("Yes"));
  EXPECT_EQ(CheckValueOfState(cbGrayed, "Yes|No|?"), TtsCellValue("?"));
  EXPECT_TRUE(CheckValueOfState(cbUnchecked, "Yes|null").IsNull());
  EXPECT_EQ(CheckValueOfState(cbChecked, ""), TtsCellValue(""));
}

TEST(SupportRoutines, StripAccelerators)
{
  struct Case {
    const char* text;
    const char* result;
    int position;
  };
  const Case cases[] = {
      {"&File", "File", 1}, {"Na&me", "Name", 3},  {"A&&B", "A&B", 0}, {"End&", "End", 0},
      {"&&&x", "&x", 2},    {"Plain", "Plain", 0}, {"&a&b", "ab", 1}, {"", "", 0},
  };
  for (const Case& c : cases) {
    int position = -1;
    EXPECT_EQ(StripAccelerators(c.text, position), c.result) << c.text;
    EXPECT_EQ(position, c.position) << c.text;
  }
}

TEST(SupportRoutines, ImageReferencesAndSplitting)
{
  EXPECT_EQ(MakeImageRef("Sun", 2, 5), std::string("Sun\0012\0015"));
  int list = 0;
  int image = 0;
  std::string name;
  ParseImageRef(MakeImageRef("Sun", 2, 5), list, image, name);
  EXPECT_EQ(name, "Sun");
  EXPECT_EQ(list, 2);
  EXPECT_EQ(image, 5);
  ParseImageRef("Moon", list, image, name);
  EXPECT_EQ(name, "Moon");
  EXPECT_EQ(list, -1);
  EXPECT_EQ(image, -1);

  std::string text = "a;b;c";
  std::string head;
  EXPECT_TRUE(SplitAt(text, head, ';'));
  EXPECT_EQ(head, "a");
  EXPECT_EQ(text, "b;c");
  text = "abc";
  EXPECT_FALSE(SplitAt(text, head, ';'));
  EXPECT_EQ(head, "abc");
  EXPECT_EQ(text, "");
}

TEST(SupportRoutines, ValueComparisons)
{
  struct Case {
    TtsCellValue a;
    TtsCellValue b;
    bool same;
    bool loose;
  };
  const Case cases[] = {
      {TtsCellValue(), TtsCellValue(), true, true},
      {TtsCellValue(), TtsCellValue(""), false, false},
      {TtsCellValue::Null(), TtsCellValue::Null(), true, true},
      {TtsCellValue(3), TtsCellValue(3.0), false, true},
      {TtsCellValue::Smallint(3), TtsCellValue::Byte(3), false, true},
      {TtsCellValue("3"), TtsCellValue(3), false, false},
      {TtsCellValue(true), TtsCellValue(1), false, false},
      {TtsCellValue("a"), TtsCellValue("a"), true, true},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(SameValue(cases[i].a, cases[i].b), cases[i].same) << i;
    EXPECT_EQ(SameValueLoose(cases[i].a, cases[i].b), cases[i].loose) << i;
  }
  EXPECT_TRUE(IsNumericValue(TtsCellValue::Currency(1.5)));
  EXPECT_FALSE(IsNumericValue(TtsCellValue::Int64(1)));
  EXPECT_FALSE(IsNumericValue(TtsCellValue(true)));
}

TEST(SupportRoutines, ValueTexts)
{
  EXPECT_EQ(TtsCellValue(42).AsString(), "42");
  EXPECT_EQ(TtsCellValue(0.1).AsString(), "0.1");
  EXPECT_EQ(TtsCellValue(2.5e20).AsString(), "2.5E+20");
  EXPECT_EQ(TtsCellValue(true).AsString(), "True");
  EXPECT_EQ(TtsCellValue().AsString(), "");
  EXPECT_THROW(TtsCellValue::Null().AsString(), EVariantTypeCastError);
  EXPECT_EQ(TtsCellValue(" 12 ").AsInteger(), 12);
  EXPECT_EQ(TtsCellValue(2.5).AsInteger(), 2);  // half to even
  EXPECT_THROW(TtsCellValue("x1").AsInteger(), EVariantTypeCastError);
}

TEST(SupportRoutines, NumberTexts)
{
  struct Case {
    const char* text;
    double amount;
    const char* result;
  };
  const Case adds[] = {
      {"", 1, "1"},         {"9", 1, "10"},          {"1,234", 1000, "2,234"}, {"0.5", 0.25, "0.75"},
      {"abc", 1, "abc"},    {"1,999,999", 1, "2,000,000"}, {"12,34", 1, "12,34"},
  };
  for (const Case& c : adds)
    EXPECT_EQ(AddToNumberText(c.text, c.amount), c.result) << c.text;

  std::string text = "1,234,567.5";
  EXPECT_TRUE(RemoveThousands(text));
  EXPECT_EQ(text, "1234567.5");
  text = ",123";
  EXPECT_FALSE(RemoveThousands(text));
  EXPECT_EQ(text, ",123");
  text = "1234567.25";
  InsertThousands(text);
  EXPECT_EQ(text, "1,234,567.25");
  EXPECT_TRUE(IsNumberText("1,000.5"));
  EXPECT_FALSE(IsNumberText("1,00"));
  EXPECT_FALSE(IsNumberText("0x10"));

  int start = 0;
  int length = 0;
  EXPECT_TRUE(FindNumberAt("width 12.50 mm", 9, start, length));
  EXPECT_EQ(start, 7);
  EXPECT_EQ(length, 5);
  EXPECT_FALSE(FindNumberAt("no number", 3, start, length));
  EXPECT_EQ(SpinNumberAt("width 12.50 mm", 9, start, length, 1), "width 13.50 mm");
  EXPECT_EQ(length, 5);
  EXPECT_EQ(SpinNumberAt("x-5y", 3, start, length, 1), "x-4y");
  EXPECT_EQ(KeepIntegerWidth("007", "8"), "008");
  EXPECT_EQ(KeepIntegerWidth("1,000", "12"), "0,012");
  EXPECT_EQ(KeepIntegerWidth("01.50", "2"), "02.00");
}

TEST(SupportRoutines, RegistryPaths)
{
  TtsRegistryPath path;
  EXPECT_TRUE(ParseRegistryPath("\\\\hkey_current_user\\Software\\Vexal", path));
  EXPECT_EQ(path.Root, TtsRegistryRoot::CurrentUser);
  EXPECT_EQ(path.RootName, "HKEY_CURRENT_USER");
  EXPECT_EQ(path.KeyPath, "\\Software\\Vexal");
  EXPECT_TRUE(ParseRegistryPath("Software\\Grid", path));
  EXPECT_EQ(path.RootName, "");
  EXPECT_EQ(path.KeyPath, "Software\\Grid");
  EXPECT_FALSE(ParseRegistryPath("\\\\HKEY_NOWHERE\\Key", path));
  EXPECT_EQ(ResolveRegistryPath("\\\\HKEY_USERS").KeyPath, "\\");
  try {
    ResolveRegistryPath("\\\\HKEY_NOWHERE\\Key");
    FAIL();
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "Unknown registry key HKEY_NOWHERE");
  }
}

TEST(SupportRoutines, CharactersAndLineBreaks)
{
  const std::string_view text = "a\r\nb\n\nc\n\r";
  EXPECT_TRUE(IsLineBreakAt(text, 1));
  EXPECT_FALSE(IsLineBreakAt(text, 0));
  struct Case {
    int at;
    int length;
  };
  for (const Case& c : {Case{0, 1}, Case{1, 2}, Case{4, 1}, Case{5, 1}, Case{7, 2}, Case{9, 0}})
    EXPECT_EQ(CharLenAt(text, c.at), c.length) << c.at;
  for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{3, 2}, Case{5, 1}, Case{9, 2}})
    EXPECT_EQ(CharLenBefore(text, c.at), c.length) << c.at;
  int i = 1;
  EXPECT_TRUE(SkipLineBreak(text, i));
  EXPECT_EQ(i, 3);
  EXPECT_FALSE(SkipLineBreak(text, i));
  EXPECT_EQ(ScanByte("abcabc", 'c', 6), 2);
  EXPECT_EQ(ScanByteBack("abcabc", 'c', 6), 5);
  EXPECT_EQ(ScanByte("abcabc", 'c', 2), -1);
  EXPECT_EQ(SkipDigits("ab123c", 2, 1), 5);
  EXPECT_EQ(SkipNonDigits("ab123c", 0), 2);
}

TEST(SupportRoutines, PropertyDefaultsAndLegacyAlignment)
{
  EXPECT_EQ(PropertyDefault(piColor), TtsCellValue(int(platform::clNone)));
  EXPECT_EQ(PropertyDefault(piParentFont), TtsCellValue(true));
  EXPECT_EQ(PropertyDefault(piWordWrap), TtsCellValue(int(wwDefault)));
  EXPECT_EQ(PropertyDefault(piButtonType), TtsCellValue(int(btDefault)));
  EXPECT_EQ(PropertyDefault(piControlType), TtsCellValue(int(ctDefault)));
  EXPECT_EQ(PropertyDefault(piSpinOptions), TtsCellValue(int(kAllSpinOptions)));
  EXPECT_EQ(PropertyDefault(piSpinIncrement), TtsCellValue(1.0));
  EXPECT_EQ(PropertyDefault(piMaskName), TtsCellValue(""));
  EXPECT_TRUE(PropertyDefault(piVisible).IsEmpty());
  EXPECT_EQ(ReadLegacyAlignment("TARIGHTJUSTIFY"), htaRight);
  EXPECT_EQ(ReadLegacyAlignment("taCenter"), htaCenter);
  EXPECT_EQ(ReadLegacyAlignment("taJustify"), htaLeft);
  EXPECT_EQ(ToHorzAlignment(taCenter, true), htaCenter);
  EXPECT_EQ(ToHorzAlignment(taCenter, false), htaDefault);
  EXPECT_EQ(ToAlignment(htaDefault), taLeftJustify);
  EXPECT_EQ(MakeRange(1, 2, 3, 4), (TtsRange{1, 2, 3, 4}));
}

}  // namespace
}  // namespace grid
