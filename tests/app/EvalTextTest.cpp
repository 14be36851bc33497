#include "app/EvalText.h"

#include "engine/ComplexEvaluator.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(EvalText, ItemsThatAreExpressionsBecomeTheirValues)
{
  struct Case {
    const char* name;
    std::string format, source, output;
  };
  const std::vector<Case> cases = {
      {"width form", "10:3", "total 1+2", "total      3.000"},
      {"blanks in the format", " 10 : 3 ", "1+2", "     3.000"},
      {"blanks and tabs kept", "4:1", "a \t 2*3  b", "a \t  6.0  b"},
      {"empty lines stay, no end after the last", "1:0", "1\r\n\r\n2\r\n", "1\r\n\r\n2"},
      {"lone line feeds", "1:0", "1\n2", "1\r\n2"},
      {"kind fixed", "ffFixed,6,2", "1/4", "0.25"},
      {"kind general", "FFGENERAL,7,0", "1/4", "0.25"},
      {"kind with one number is the default form", "ffFixed,6", "1/4", "  2.500000000000000E-01"},
      {"unknown kind is the default form", "ffOther,6,2", "1", "  1.000000000000000E+00"},
      {"the marker value is still a value", "1:0", "-1234567890", "-1234567890"},
      {"no expression", "5:1", "hello (", "hello ("},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EvalLines(c.source, TEvalFormat(c.format)), c.output);
    EXPECT_FALSE(engine::ErrorFlag);
  }
}

TEST(EvalText, AComplexItemIsWrittenInTheCurrentForm)
{
  const std::uint8_t kept = engine::ComplexForm;
  engine::ComplexForm = engine::cfRectangular;
  EXPECT_EQ(EvalLines("z comp(1,2)*comp(3,4)", TEvalFormat("1:0")), "z -5+i*(10)");
  engine::ComplexForm = kept;
}

}  // namespace
}  // namespace app
