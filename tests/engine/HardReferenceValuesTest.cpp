// Values that earlier methods lost to cancellation or to iteration caps, against values computed
// apart at 40 digits for the arguments as read: each must come without an error and right to well
// within the 12 digits shown.
#include "EngineFixture.h"
#include "ReferenceCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace engine {
namespace {

class HardReferenceValuesTest : public EngineFixture {};

constexpr Extended RelativeTolerance = 1E-14L;

void ExpectReferences(std::initializer_list<ReferenceCase> cases) { engine::ExpectReferences(cases, RelativeTolerance); }

// ln |gamma| at and next to its zeros below -2, some a few steps of Extended from a pole.
TEST_F(HardReferenceValuesTest, LnGammaBesideItsZerosBelowMinusTwo)
{
  ExpectReferences({
      {"lgamma(-2.45702)", 0.00000718137285594512687684L},
      {"lgamma(-2.457024738220800623)", -6.219253727836224784071e-21L},
      {"lgamma(-2.7476826467274126014)", -1.644394770971662124693e-19L},
      {"lgamma(-3.9552942848585979285)", -9.318804696756512932165e-19L},
      {"lgamma(-5.0082181683225935216)", 1.536916690551743616915e-17L},
      {"lgamma(-15.999999999999999952205)", 6.909637542283574976354L},
      {"lgamma(-18.999999999999999992)", -0.05363844659682112944353L},
  });
}

// Ci, Jn and Yn at the Extended values nearest their zeros and a little off them.
TEST_F(HardReferenceValuesTest, CosineIntegralAndBesselBesideTheirZeros)
{
  ExpectReferences({
      {"Ci(15.770349650766992021)", -4.012851693790862403077e-12L},
      {"Ci(0.61650548562071623)", -5.051225864349705788567e-18L},
      {"Ci(3.3841804225511864261)", 9.21995952027277850923e-20L},
      {"Ci(6.427047744050368639767701)", 1.995194653627905659557e-20L},
      {"Ci(40.86511007873407224852413)", 6.014682415548773416603e-8L},
      {"Ci(3.1415926535897932385E6)", -1.013211550799642971375e-13L},
      {"Jn(50,67.6974084107647744925)", -5.537670548372855246601e-20L},
      {"Jn(10,14.4755006865545412385)", 6.019549097883774752691e-20L},
      {"Jn(100,108.83616589840977)", 2.106923154415105830845e-16L},
      {"Jn(0,2.4048255576957727686)", 3.90351046521469406439e-20L},
      {"Yn(10,12.1289277044154393867)", -1.125112665206079911848e-20L},
      {"Yn(0,0.89357696627916752158)", 1.840785577962263862624e-20L},
      {"Jn(0,3141591.868191669629823)", 2.837250537898789770355e-17L},
      {"Yn(3,314159267.7151738001266)", -6.346144338579466937374e-16L},
  });
}

// Orders about equal to the argument, at the Extended values nearest the first zeros and a step off.
TEST_F(HardReferenceValuesTest, BesselBesideZerosWhereTheOrderMeetsTheArgument)
{
  ExpectReferences({
      {"Yn(250,255.909941488752691110542)", -5.037784389288517004452e-20L},
      {"Yn(250,255.9099414887526911244198)", 2.775941657803447502983e-19L},
      {"Yn(250,255.9099414887526910966642)", -3.783498535661150904051e-19L},
      {"Jn(250,261.8545145057886465722596)", 1.282853719763580068507e-19L},
      {"Yn(78,118.5700574143749177064011)", -2.325171492928983572425e-20L},
      {"Yn(1866,1877.490074260946571804709)", 1.304278776300314711839e-19L},
  });
}

// Orders from 0.9 t up to t, where neither the Debye nor the Hankel expansion converges: beside
// zeros, between them, and at the turning point.
TEST_F(HardReferenceValuesTest, BesselOfOrdersJustBelowTheArgument)
{
  ExpectReferences({
      {"Yn(1837,1897.561890047206720533168323)", -2.020853640047392994173387e-21L},
      {"Yn(1837,1898.06189)", -0.004573696131149295389336944L},
      {"Yn(847,871.7783391015818121871916446)", -1.177097128878748243806501e-21L},
      {"Yn(847,874.77833)", -0.03604105208181808959501427L},
      {"Jn(1000000,1000538.74842447020608915408957)", -3.300445356879690952900204e-18L},
      {"Jn(1000000,1000500)", -0.00425491018603747998435462L},
      {"Yn(1000000,1000500)", -0.0014186246468308459682329L},
      {"Yn(1000000,1000259.64706929466069595946465)", -2.619672842914354648437839e-18L},
      {"Jn(1000000,1000000)", 0.004473073183377774297042529L},
      {"Yn(1000000,1000000)", -0.007747590021617343894933662L},
      {"Jn(999999,1000002.7)", 0.004625008948450118185400198L},
      {"Yn(999999,1000002.7)", -0.007484161631475921120224998L},
      {"Jn(950000,1E6)", -0.00005738796297286501503722492L},
      {"Yn(950000,1E6)", -0.001426717069687945863427555L},
      {"Jn(1200000,1300000)", 0.0003264907686316094838443419L},
      {"Yn(1200000,1300000)", -0.001080112643479955636443597L},
  });
}

// Arguments from 1E6 up to about the square of the order, where the Hankel expansion cancels and
// the recurrences are too long: beside zeros and between them.
TEST_F(HardReferenceValuesTest, BesselOfLargeArgumentsBelowTheSquareOfTheOrder)
{
  ExpectReferences({
      {"Jn(100000,999999999.920391715830192)", -2.738337996552603997103e-16L},
      {"Yn(3000,1200000.606067862493546272)", 9.412269054350714166254e-18L},
      {"Jn(5000,9999373.221634423748582776)", -6.363094858563924020592e-17L},
      {"Yn(20000,99999999.98429567675339058)", -7.313398910321930914932e-17L},
      {"Yn(1500,1300000.38484722155203599)", -5.240156717085755211364e-18L},
      {"Jn(60000,3300000000.533653578022495)", -1.423405860146526826587e-16L},
      {"Jn(100000,1E9)", 0.00000200650157455774317456L},
      {"Yn(3000,1.2E6)", 0.0004149057581645459019476L},
      {"Jn(2000,3E6)", 0.0001705992646239179259759L},
      {"Yn(30000,5E8)", -0.00001400377939944225327146L},
  });
}

// The incomplete gamma and beta ratios of large parameters near the bulk of the distribution.
TEST_F(HardReferenceValuesTest, IncompleteRatiosOfLargeParameters)
{
  ExpectReferences({
      {"igamma(1.5E6,1.5E6)", 0.5001085783363805680359L},
      {"pkhi(3E6,3E6)", 0.4998914216636194319641L},
      {"jgamma(1E9,1E9)", 0.4999957947791299430376L},
      {"ibeta(1E12,1E12,0.5)", 0.5L},
      {"ibeta(1E6,1E5,0.909)", 0.3697681639770261708128L},
      {"ibeta(1E12,1E12,0.5000001)", 0.6113512946052293947205L},
  });
}

TEST_F(HardReferenceValuesTest, FermiDiracOfOrdersNearMinusOne)
{
  ExpectReferences({
      {"eFD(-0.9,1)", 7.517077429526123697206L},
      {"eFD(-0.85,-2)", 0.7507215935767311502102L},
      {"eFD(-0.99,0)", 49.9404989372540151115L},
      {"eFD(-0.999999,3)", 952575.0684882503541801L},
      {"eFD(-0.83,0.5)", 3.745789058686941713174L},
  });
}

// Just below 1, where n / (n + t^2) has rounded to 1 but t^2 / (n + t^2) keeps the digits.
TEST_F(HardReferenceValuesTest, StudentNearTZero)
{
  ExpectReferences({
      {"pstud(386096,8.2E-8)", 0.9999999345735083783134L},
      {"pstud(3,1E-10)", 0.9999999999264894806104L},
  });
}

// Large orders come from the uniform expansion at once; beyond the range they overflow.
TEST_F(HardReferenceValuesTest, BesselKOfLargeOrders)
{
  ExpectReferences({
      {"Kn(1000,1000)", 1.298180251466700913791e-233L},
      {"Kn(5000,4000)", 1.488210017293015216336e-508L},
      {"Kn(1000,1)", 2.155267639282427586033E+2865L},
  });
  EXPECT_EQ(Error("Kn(1E10,1)"), ecOverflow);
  EXPECT_EQ(Error("Kn(1E300,1)"), ecOverflow);
  EXPECT_EQ(Error("Kn(1E5,1E6)"), ecUnderflow);
}

}  // namespace
}  // namespace engine
