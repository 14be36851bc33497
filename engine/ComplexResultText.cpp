// The display text of complex values, and the text of the complex-syntax message.
#include "engine/ComplexEvaluator.h"

#include "engine/EngineState.h"
#include "engine/ResultText.h"

#include <cmath>

namespace engine {

namespace {

// The text of one part of a complex number: magnitude p with its sign text s.
std::string ComplexPartText(Extended p, const std::string& s, int digits)
{
  if (NumberBase != nbDecimal)
    return {};
  const bool fixed = NotationMode == nmFix && p > 0.000001L && p < 1000000000.0L;
  int q = s.empty() ? 0 : 1;
  if (fixed) {
    q = 3;
    if (s.empty() && p > 0 && p < 1)
      q -= 1;
    if (s == "-" && p > 1)
      q += 1;
  }
  return MagnitudeText(p, CurrentNumberFormat(digits), q, fixed);
}

}  // namespace

std::string ComplexToText(const TComplex& value, int digits)
{
  const TComplex z = ConvertComplexForm(value, ComplexForm);
  const std::string firstSign = z.X < 0 ? "-" : "";
  const std::string secondSign = z.Y < 0 ? "-" : "+";
  const std::string first = firstSign + ComplexPartText(std::fabs(z.X), firstSign, digits);
  const std::string second = ComplexPartText(std::fabs(z.Y), secondSign, digits);
  if (ComplexForm == cfRectangular)
    return first + secondSign + second + "i";
  return first + "*exp(" + (secondSign == "+" ? "" : secondSign) + second + "i)";
}

std::span<const std::string_view> ComplexSyntaxLines()
{
  static constexpr std::string_view Lines[] = {
      "Complex number:",
      "     comp(Real, Image) -wher Real and Image is  any real ",
      "expresion.",
      "",
      "Examples:",
      "     comp(integral(1,pi/2,sin(X)),sin(Y)+ln(pi)/2)",
      "     sin(comp(1+2/3,pi/4+ln(2)))",
      "     comp(sin(pi/2),1+exp(X))/comp(2,0)",
      "etc.",
      "",
      "Complex radio group",
      "  o Polar  -  Z  =  p * exp(theta*i)   - where theta = -pi..pi in ",
      "canonical form ",
      "  o Rect   -  Z  =  X +  Yi ",
  };
  return Lines;
}

}  // namespace engine
