// Typed texts against values computed apart at 40 digits for the arguments as read (the nearest
// Extended values): each result must be right to well within the 12 digits shown.
#include "EngineFixture.h"
#include "ReferenceCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace engine {
namespace {

class TypedReferenceValuesTest : public EngineFixture {};

constexpr Extended RelativeTolerance = 1E-15L;

void ExpectReferences(std::initializer_list<ReferenceCase> cases, Extended tolerance = RelativeTolerance)
{
  engine::ExpectReferences(cases, tolerance);
}

TEST_F(TypedReferenceValuesTest, SineIntegralIsOdd)
{
  ExpectReferences({
      {"Si(-1)", -0.9460830703671830149414L},
      {"Si(-1E-10)", -1.000000000000000000018E-10L},
      {"Si(-7.3)", -1.486436445063168035912L},
      {"Si(-1E10)", -1.570796326707584656969L},
  });
}

TEST_F(TypedReferenceValuesTest, LnGammaNearItsZerosAtOneAndTwo)
{
  ExpectReferences({
      {"lgamma(1.00000000001)", -5.772156625868682204649E-12L},
      {"lgamma(0.9999999)", 5.772157471482542402281E-8L},
      {"lgamma(2.0000001)", 4.227843673454092767614E-8L},
      {"lgamma(1.99999999999)", -4.227843334058796392081E-12L},
      {"lgamma(1.2)", -0.08537409000331584973224L},
      {"lgamma(2.2)", 0.09694746679063877651562L},
  });
}

TEST_F(TypedReferenceValuesTest, PowersDownToTheSmallestNormalValue)
{
  ExpectReferences({
      {"1E-4000^0.5", 9.999999999999999999936E-2001L},
      {"1E-2000^1.5", 9.999999999999999999838E-3001L},
      {"1E-600^2", 1.000000000000000000004E-1200L},
      {"1E-2000^2", 9.999999999999999999784E-4001L},
      {"0.5^16000", 3.311840221945501571395E-4817L},
      {"10^(0-4900)", 1.0E-4900L},
  });
}

TEST_F(TypedReferenceValuesTest, ListsWhoseIntermediateProductsOrSquaresLeaveTheRange)
{
  ExpectReferences({
      {"gmn(1E3000,1E3000)", 9.999999999999999999863E+2999L},
      {"gmn(1E-3000,1E-3000,1E-3000)", 9.999999999999999999588E-3001L},
      {"gmn(1E4000,1E-1000,3)", 1.442249570307408382317E+1000L},
      {"norm(1E3000,1E3000)", 1.414213562373095048782E+3000L},
      {"norm(3E-3000,4E-3000)", 4.99999999999999999985E-3000L},
      {"mean(1E4932,1E4932)", 1.000000000000000000006E+4932L},
      {"std(1E3000,2E3000)", 7.071067811865475243912E+2999L},
      {"psd(1E-3000,2E-3000,4E-3000)", 1.247219128924647128476E-3000L},
  });
  EXPECT_EQ(Value("gmn(2,8)"), 4);
  EXPECT_EQ(Error("sos(1E3000)"), ecOverflow);
}

// At arguments a hair from a zero the digits cancel: the value must be right, or error 8 says they
// are not, but never a value with a few right digits.
TEST_F(TypedReferenceValuesTest, NearZerosTheDigitsAreRightOrTheAccuracyError)
{
  const ReferenceCase cases[] = {
      {"Yn(0,0.8935769662791675)", -1.900331753891864324957E-17L},
      {"Yn(0,3.957678419314858)", -5.301998023443172994269E-17L},
      {"Yn(0,7.086051060301773)", 9.080689936773136694226E-17L},
      {"lgamma(-2.4570247382208006)", 3.483005642687013224687E-17L},
      {"lgamma(-3.1435808883499798)", 2.013414486451032201376E-15L},
  };
  for (const auto& c : cases) {
    Extended value = 0;
    if (EvalTypedText(c.text, value))
      EXPECT_LE(std::fabs(value - c.reference), 1E-12L * std::fabs(c.reference)) << c.text;
    else
      EXPECT_EQ(ErrorCode, ecArgumentError) << c.text;
  }
  ExpectReferences({
      {"Yn(0,0.9)", 0.005628306635205539012984L},
      {"Yn(0,4)", -0.01694073932506499190364L},
      {"lgamma(-2.457)", 0.000037496305957873645476L},
      {"lgamma(-4.0396)", -0.00636210951679637456039L},
  });
}

TEST_F(TypedReferenceValuesTest, CountsBeyondTheFactorialRange)
{
  const ReferenceCase cases[] = {
      {"perm(2000,2)", 3998000},          {"perm(1755,1)", 1755},
      {"perm(0,0)", 1},                   {"perm(1E10,2)", 99999999990000000000.0L},
      {"bnml(1E10,2)", 49999999995000000000.0L}, {"bnml(100000,3)", 166661666700000.0L},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Value(c.text), c.reference) << c.text;
  EXPECT_EQ(Error("perm(3000,3000)"), ecOverflow);
  EXPECT_EQ(Error("bnml(1E18,5E17)"), ecOverflow);
}

// Below -1755 gamma(1 - x) overflows while gamma(x) itself falls below the range.
TEST_F(TypedReferenceValuesTest, GammaOfLargeNegativeArgumentsUnderflows)
{
  ExpectReferences({{"gamma(-1754.5)", -3.789125434992169606267E-4932L}, {"gamma(-170.5)", -3.312739521538607314810E-308L}});
  for (const char* text : {"gamma(-1755.5)", "gamma(-1756.75)", "gamma(-1E10-0.5)"})
    EXPECT_EQ(Error(text), ecUnderflow) << text;
}

TEST_F(TypedReferenceValuesTest, BesselYAndKAtTheTopOfTheRange)
{
  ExpectReferences({
      {"Yn(1,1E-4932)", -6.366197723675813430587E+4931L},
      {"Kn(1,1E-4932)", 9.999999999999999999736E+4931L},
      {"Kn(0.5,1E-4800)", 1.253314137315500251216E+2400L},
      {"Kn(1,1E-4000)", 1.000000000000000000013E+4000L},
  });
  for (const char* text : {"Yn(1,1E-4940)", "Kn(1,1E-4940)", "Yn(3,1E-1700)"})
    EXPECT_EQ(Error(text), ecOverflow) << text;
}

TEST_F(TypedReferenceValuesTest, CosecantAndCotangentOfTinyAngles)
{
  ExpectReferences({{"csc(1E-4931)", 9.999999999999999999918E+4930L}, {"ctan(3.4E-4932)", 2.941176470588235294056E+4931L}});
  for (const char* text : {"csc(1E-4940)", "ctan(1E-4940)", "ctan(0-1E-4940)"})
    EXPECT_EQ(Error(text), ecOverflow) << text;
}

// With large parameters the gamma logarithms of the prefactor are each about a ln a: rounded apart
// they would spoil the digits.
TEST_F(TypedReferenceValuesTest, IncompleteBetaWithLargeParameters)
{
  ExpectReferences({
      {"ibeta(1E6,1E6,0.5)", 0.5L},
      {"ibeta(1E8,1E8,0.5)", 0.5L},
      {"ibeta(1000,500,0.7)", 0.9973047634226493921545L},
      {"ibeta(150,150,0.45)", 0.04137400162704031661671L},
      {"ibeta(1E6,2.5,0.999998)", 0.5494149435208444135775L},
      {"pstud(1E7,1)", 0.3173105320599859498170L},
      {"pstud(1E8,1)", 0.3173105102826213419717L},
      {"pstud(1E9,3)", 0.002699796129737915667803L},
      {"psned(5,1E8,1)", 0.4158801930975838301160L},
  }, 5E-13L);  // half a unit of the 12th digit
}

TEST_F(TypedReferenceValuesTest, BetaVanishesWhereOnlyGammaOfTheSumHasAPole)
{
  for (const char* text : {"beta(0.5,-2.5)", "beta(-1.5,0.5)", "beta(2.5,-2.5)"})
    EXPECT_EQ(Value(text), 0) << text;
}

TEST_F(TypedReferenceValuesTest, SignOfGammaAtItsPolesIsAnError)
{
  for (const char* text : {"sgamma(0)", "sgamma(-1)", "sgamma(-20)", "sgamma(-1E30)"})
    EXPECT_EQ(Error(text), ecSingularity) << text;
}

struct ComplexCase {
  const char* text;
  Extended re;
  Extended im;
};

void ExpectComplexReferences(std::initializer_list<ComplexCase> cases)
{
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string text = c.text;
    bool failed = false;
    int pos = 0;
    int span = 0;
    const TComplex value = EvaluateComplexChecked(text, failed, pos, span);
    ASSERT_FALSE(failed) << ErrorText(ErrorCode);
    EXPECT_LE(std::fabs(ComplexRe(value) - c.re), RelativeTolerance * std::fabs(c.re));
    EXPECT_LE(std::fabs(ComplexIm(value) - c.im), RelativeTolerance * std::fabs(c.im));
  }
}

TEST_F(TypedReferenceValuesTest, ComplexRootsLogarithmsAndPowersOfModuliBeyondTheRange)
{
  ExpectComplexReferences({
      {"sqrt(comp(1E4932,1E4932))", 1.098684113467809966040E+2466L, 4.550898605622273413044E+2465L},
      {"ln(comp(1E4932,1E4932))", 11356.69625223691328623L, 0.7853981633974483096157L},
      {"sqrt(comp(0,-1E4932))", 7.071067811865475244008E+2465L, -7.071067811865475244008E+2465L},
      {"comp(1E4932,1E4932)^comp(0.5,0)", 1.098684113467809966040E+2466L, 4.550898605622273413044E+2465L},
  });
}

// Beyond the reach of the recurrence, on the branch that continues the one nearer the origin.
TEST_F(TypedReferenceValuesTest, ComplexLnGammaFarToTheLeft)
{
  ExpectComplexReferences({
      {"LnGamma(comp(-1E20,1E-20))", -4505170185988091368013.876L, -314159265358979323847.8351L},
      {"LnGamma(comp(-123456.7,0.5))", -1323912.446042161994117L, -387846.3301927899397384L},
      {"LnGamma(comp(-1000000.5,0))", -12815524.14768393775686L, -3141595.795182446828256L},
      {"LnGamma(comp(-200000.25,-3))", -2241232.189478644458304L, 628284.2686832686673980L},
      {"LnGamma(comp(-100010.3,0.2))", -1051416.710379173682998L, -314191.1358001509066242L},
  });
}

TEST_F(TypedReferenceValuesTest, ComplexLnGammaNearItsZerosAtOneAndTwo)
{
  ExpectComplexReferences({
      {"LnGamma(comp(2,0))", 0, 0},
      {"LnGamma(comp(1,1E-20))", -8.224670334241132182924E-41L, -5.772156649015328606262E-21L},
      {"LnGamma(comp(1.1,0.1))", -0.05702022903817280923546L, -0.04206654437562743440946L},
      {"LnGamma(comp(1.9,-0.1))", -0.04242166481806039044277L, -0.03569470773568192533796L},
      {"LnGamma(comp(2,0.15))", -0.007245122012443367014217L, 0.06364440546993511207608L},
      {"LnGamma(comp(0.85,-0.1))", 0.09616660448517290933565L, 0.0849072708605066896614L},
  });
}

}  // namespace
}  // namespace engine
