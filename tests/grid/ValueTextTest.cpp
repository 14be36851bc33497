#include "grid/model/ValueText.h"

#include <gtest/gtest.h>

using namespace grid;

TEST(ValueText, IntegersNameResourceStrings)
{
  TtsStringResources resources;
  resources.Add(101, "Density");
  resources.Add(-7, "Negative id");
  resources.Add(102, "");
  struct Case {
    TtsCellValue value;
    const char* text;
  };
  const Case cases[] = {
      {TtsCellValue(101), "Density"},
      {TtsCellValue(-7), "Negative id"},
      {TtsCellValue(102), ""},
      {TtsCellValue(999), ""},                // no such string
      {TtsCellValue::Smallint(101), "101"},   // only the 32-bit integer names a string
      {TtsCellValue::Int64(101), "101"},
      {TtsCellValue("101"), "101"},
      {TtsCellValue("M\xe4rz"), "M\xe4rz"},
      {TtsCellValue(2.5), "2.5"},
      {TtsCellValue(true), "True"},
      {TtsCellValue(), ""},
      {TtsCellValue::Null(), ""},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(ValueText(cases[i].value, resources), cases[i].text) << i;

  resources.Add(101, "Mass");
  EXPECT_EQ(ValueText(TtsCellValue(101), resources), "Mass");
}
