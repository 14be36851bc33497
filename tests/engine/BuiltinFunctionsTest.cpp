#include "EngineFixture.h"

#include <cmath>
#include <utility>

namespace engine {
namespace {

class BuiltinFunctionsTest : public EngineFixture {};

struct Approx {
  const char* text;
  Extended value;
  Extended tolerance;  // relative
};

void ExpectValues(std::initializer_list<Approx> cases)
{
  for (const auto& c : cases) {
    const Extended value = EvalText(c.text);
    EXPECT_FALSE(ErrorFlag) << c.text << ": " << ErrorText(ErrorCode);
    EXPECT_LE(std::fabs(value - c.value), c.tolerance * std::max<Extended>(std::fabs(c.value), 1)) << c.text << " = " << static_cast<double>(value);
  }
}

constexpr Extended Pi = 3.14159265358979323846L;

TEST_F(BuiltinFunctionsTest, ValuesInRadians)
{
  ExpectValues({
      {"sin(pi/6)", 0.5L, 1e-18L},         {"cos(0)", 1, 0},                     {"tan(pi/4)", 1, 1e-18L},
      {"arcsin(-1)", -Pi / 2, 1e-18L},     {"arccos(-1)", Pi, 1e-18L},           {"arctan(1)", Pi / 4, 1e-18L},
      {"arctan2(1,0)", Pi / 2, 1e-18L},    {"arcsinh(1E-10)", 1e-10L, 1e-18L},   {"arcsinh(1E2000)", 4605.8633331686515L, 1e-15L},
      {"arccosh(1)", 0, 0},                {"arctanh(0.5)", 0.54930614433405484570L, 1e-18L},
      {"sinh(1)", 1.1752011936438014569L, 1e-18L}, {"cosh(0)", 1, 0},         {"tanh(20000)", 1, 0},
      {"sech(0)", 1, 0},                   {"csch(1)", 0.85091812823932154513L, 1e-18L},
      {"exp(1)", 2.7182818284590452354L, 1e-18L}, {"exp(-20000)", 0, 0},      {"sqrt(2)", 1.4142135623730950488L, 1e-18L},
      {"exp(-10001)", 4.1772116983117439500E-4344L, 1e-18L}, {"exp(-11000)", 5.7636694291681836963E-4778L, 1e-18L},
      {"exp(-11355)", 3.8561861331688926990E-4932L, 1e-18L}, {"exp(-11399)", 0x1p-16445L, 0},
      {"ln(e)", 1, 1e-18L},                {"log(1000)", 3, 1e-18L},                  {"log2(8)", 3, 1e-18L},
      {"logN(2,8)", 3, 1e-18L},            {"abs(-2)", 2, 0},                    {"round(0.5)", 1, 0},
      {"round(1.5)", 2, 0},                {"round(2.5)", 2, 0},                 {"round(-2.5)", -2, 0},
      {"frac(-2.75)", -0.75L, 0},          {"trunc(-2.75)", -2, 0},              {"ceil(1.2)", 2, 0},
      {"floor(-1.2)", -2, 0},              {"sqr(3)", 9, 0},                     {"sign(-3)", -1, 0},
      {"mant(8)", 0.5L, 0},                {"expon(8)", 4, 0},                   {"ssqr(3,4)", 5, 0},
      {"lexp(3,2)", 12, 0},                {"ft_m(1)", 0.30480000000122L, 0},     {"cm_bigl(1)", 219.968852246774L, 0},
      {"e", 2.7182818284590452354L, 0},    {"pi", Pi, 1e-19L},                   {"-pi", -Pi, 1e-19L},
  });
}

TEST_F(BuiltinFunctionsTest, ValuesInDegrees)
{
  AngleMode = 1;
  ExpectValues({
      {"sin(30)", 0.5L, 1e-18L},   {"cos(60)", 0.5L, 1e-18L},     {"tan(45)", 1, 1e-18L},
      {"arcsin(1)", 90, 1e-18L},   {"arccos(-1)", 180, 1e-18L},   {"arctan2(1,1)", 45, 1e-18L},
      {"sec(60)", 2, 1e-17L},      {"csc(30)", 2, 1e-17L},        {"ctan(45)", 1, 1e-17L},
  });
}

// Degrees are reduced exactly: the multiples of 90 give exact values and the poles an error.
TEST_F(BuiltinFunctionsTest, DegreesAtTheirExactPoints)
{
  AngleMode = 1;
  const std::pair<const char*, Extended> exact[] = {
      {"sin(180)", 0},   {"sin(-180)", 0},   {"sin(360)", 0},  {"sin(36E20)", 0},  {"sin(90)", 1},   {"sin(270)", -1},
      {"cos(90)", 0},    {"cos(-270)", 0},   {"cos(180)", -1}, {"cos(720)", 1},   {"tan(180)", 0},  {"tan(45)", 1},
      {"tan(-45)", -1},  {"tan(135)", -1},   {"ctan(90)", 0},  {"ctan(45)", 1},   {"sec(180)", -1}, {"csc(270)", -1},
      {"arcsin(-1)", -90}, {"arccos(0)", 90}, {"sin(30)", 0.5L}, {"cos(60)", 0.5L},
  };
  for (const auto& [text, value] : exact)
    EXPECT_EQ(Value(text), value) << text;
  for (const char* pole : {"tan(90)", "tan(-270)", "sec(90)", "csc(180)", "ctan(0)", "ctan(360)"})
    EXPECT_EQ(Error(pole), ecDivisionByZero) << pole;
}

// Near the poles the reflection keeps every digit; erf is computed directly where 1 - erfc cancels.
// References to 22 digits at the Extended arguments.
TEST_F(BuiltinFunctionsTest, GammaNearPolesAndErfKeepTheirDigits)
{
  ExpectValues({
      {"gamma(-1E-20)", -99999999999999999997.16082L, 1e-18L},
      {"gamma(-14.9999999999986588506)", -0.5701947637945612813153456L, 1e-16L},
      {"gamma(-2.00000001)", -49999999.53890478206709686L, 1e-17L},
      {"gamma(-100.3)", -1.043143249578288405617487E-158L, 1e-16L},
      {"erf(1E-20)", 1.128379167095512573934709E-20L, 1e-18L},
      {"erf(1E-5)", 0.00001128379167057899934988339L, 1e-18L},
      {"erf(0.1)", 0.1124629160182848922047891L, 1e-18L},
      {"erf(0.5)", 0.5204998778130465376827467L, 1e-18L},
      {"erf(2.5)", 0.9995930479825550410604358L, 1e-18L},
      {"erf(-3)", -0.9999779095030014145586272L, 1e-18L},
      {"erf(6)", 0.9999999999999999784802633L, 1e-18L},
  });
}

// A special function whose value cannot keep the digits shown reports an error rather than a wrong
// value; one beyond the range is an overflow.
TEST_F(BuiltinFunctionsTest, SpecialFunctionsDeclineWhatTheyCannotShow)
{
  // The Extended nearest a zero keeps its digits: a value of 1E-19 beside an amplitude of 0.1.
  const struct {
    const char* text;
    Extended value;
  } nearZeros[] = {
      {"Jn(50,67.6974084107647744925)", -5.537670548372855246601e-20L},
      {"Jn(10,14.4755006865545412385)", 6.019549097883774752691e-20L},
      {"Yn(10,12.1289277044154393867)", -1.125112665206079911848e-20L},
      {"Jn(100,108.83616589840977)", 2.106923154415105830845e-16L},
      {"Ci(0.61650548562071623)", -5.051225864349705788567e-18L},
  };
  for (const auto& c : nearZeros)
    EXPECT_LE(std::fabs(Value(c.text) - c.value), 1E-14L * std::fabs(c.value)) << c.text;
  EXPECT_EQ(Error("Jn(200000,150000)"), ecUnderflow);  // about 1.7E-11636
  EXPECT_EQ(Error("Yn(200000,150000)"), ecOverflow);   // about -1.4E+11630
  EXPECT_EQ(Error("Yn(1E9,1)"), ecOverflow);
  EXPECT_EQ(Error("Yn(3000,10)"), ecOverflow);
  EXPECT_EQ(Error("Yn(5,1E-3000)"), ecOverflow);
  EXPECT_EQ(Error("Kn(2000,1)"), ecOverflow);
  EXPECT_EQ(Error("In(0,20000)"), ecOverflow);
  EXPECT_EQ(Error("eFD(-1,1)"), ecArgumentError);  // t^-1 is not integrable at 0
  EXPECT_EQ(Error("Yn(0,0)"), ecSingularity);
}

TEST_F(BuiltinFunctionsTest, FactorialsGammaAndCombinatorics)
{
  ExpectValues({
      {"n!(5)", 120, 0},           {"n!(0)", 1, 0},                 {"gamma(0.5)", 1.7724538509055160273L, 1e-17L},
      {"gamma(5)", 24, 0},         {"gamma(-0.5)", -3.5449077018110320546L, 1e-17L},
      {"gamma(12.5)", 136843365.46556586L, 1e-16L}, {"lgamma(10)", 12.801827480081469611L, 1e-17L},
      {"sgamma(-0.5)", -1, 0},     {"beta(2,3)", 1.0L / 12, 1e-17L},
      {"gcd(12,18)", 6, 0},        {"lcm(4,6)", 12, 0},             {"lcm(65536,65537)", 4295032832.0L, 0},
      {"lcm(4294967296,4294967297)", 18446744078004518912.0L, 0},
      {"gcd(7,0)", 7, 0},          {"perm(5,2)", 20, 0},            {"perm(2,5)", 0, 0},
      {"bnml(5,2)", 10, 0},
  });
  const Extended g = EvalText("gamma(-0.5)");
  EXPECT_EQ(FormatResult(19, g).substr(0, 15), "-3.544907701811");
}

TEST_F(BuiltinFunctionsTest, SpecialFunctions)
{
  ExpectValues({
      {"erf(1)", 0.84270079294971486934L, 1e-18L},      {"erfc(1)", 0.15729920705028513066L, 1e-17L},
      {"pnorm(0)", 1, 0},                              {"pnorm(1.96)", 0.049995790296440L, 1e-12L},
      {"igamma(1,2)", 0.86466471676338730810L, 1e-17L}, {"jgamma(1,2)", 0.13533528323661269189L, 1e-17L},
      {"ibeta(1,1,0.3)", 0.3L, 1e-17L},                {"pkhi(2,3)", 0.22313016014842982893L, 1e-17L},
      {"pstud(10,2)", 0.073388034770740L, 1e-12L},      {"psned(2,3,1)", 0.46475800154489L, 1e-12L},
      {"ei(1)", 0.21938393439552027368L, 1e-17L},      {"cx(0)", 0, 0},
      {"Si(1)", 0.94608307036718301494L, 1e-9L},       {"Si(2)", 1.6054129768026948486L, 1e-6L},
      {"Ci(1)", 0.33740392290096813466L, 1e-9L},       {"Jn(0,0)", 1, 0},
      {"Jn(0,1)", 0.76519768655796655145L, 1e-8L},     {"Jn(1,2.5)", 0.49709410246427595018L, 1e-8L},
      {"In(0,1)", 1.2660658777520083356L, 1e-8L},      {"Kn(0,1)", 0.42102443824070833334L, 1e-8L},
      {"Yn(0,1)", 0.088256964215676957983L, 1e-7L},    {"Yn(1,2)", -0.10703243154093754689L, 1e-7L},
      {"eFD(0,0)", 0.69314718055994530942L, 1e-8L},
      {"ei(25)", 5.3488997553402167e-13L, 1e-15L},      {"cx(6)", 0.4995314678555011201883L, 1e-15L},
  });
}

TEST_F(BuiltinFunctionsTest, ListFunctions)
{
  ExpectValues({
      {"mean(1,2,3)", 2, 0},          {"std(1,2,3)", 1, 0},            {"sum(1,2,3,4)", 10, 0},
      {"pnv(1,2,3)", 2.0L / 3, 1e-18L}, {"variance(1,2,3)", 2.0L / 3, 1e-18L}, {"stat(1,2,3)", 2, 0},
      {"psd(1,2,3)", 0.81649658092772603273L, 1e-18L}, {"sos(1,2,3)", 14, 0}, {"norm(3,4)", 5, 0},
      {"hmn(1,2,4)", 12.0L / 7, 1e-18L}, {"gmn(2,8)", 4, 1e-18L},     {"poly(2,1,1,1)", 7, 0},
      {"std(1000000001,1000000002,1000000003)", 1, 0}, {"mean(1,2)*2", 3, 0},
      {"sum(sin(0),2)", 2, 0},
  });
}

struct ErrorCase {
  const char* text;
  int code;
  int pos;
  int span;
};

TEST_F(BuiltinFunctionsTest, Errors)
{
  const ErrorCase cases[] = {
      {"log(-1)", ecArgumentNegative, 1, 7},  {"ln(0)", ecArgumentNegative, 1, 5},
      {"sqrt(-4)", ecArgumentNegative, 1, 8}, {"arccosh(0.5)", ecArgumentError, 1, 12},
      {"arcsin(2)", ecArgumentError, 1, 9},   {"n!(1755)", ecOverflow, 1, 8},
      {"n!(2.5)", ecArgumentError, 1, 7},     {"gamma(-1)", ecDivisionByZero, 1, 9},
      {"gamma(0)", ecDivisionByZero, 1, 8},   {"hmn(1,0)", ecDivisionByZero, 1, 8},
      {"hmn(1,-1)", ecDivisionByZero, 1, 9},  {"Jn(1)", ecCommaExpected, 1, 5},
      {"Kn(0,0)", ecArgumentOutOfRange, 1, 7}, {"Ci(0)", ecArgumentOutOfRange, 1, 5},
      {"sin(1,2)", ecSyntax, 1, 6},           {"2+sin(1/0)", ecDivisionByZero, 3, 7},
      {"sin(cos(1/0))", ecDivisionByZero, 1, 11}, {"lcm(0,0)", ecDivisionByZero, 1, 8},
      {"logN(1,5)", ecDivisionByZero, 1, 9},  {"lcm(1E30,1)", ecOverflow, 1, 11},
      {"gcd(1E30,1)", ecOverflow, 1, 11},     {"ibeta(1,2)", ecCommaExpected, 1, 10},
      {"beta(1,2,3)", ecSyntax, 1, 9},        {"std(5)", ecArgumentError, 1, 6},
      {"mean(1,2),3", ecSyntax, 10, 1},       {"sinx", ecSyntax, 1, 4},
      {"sin", ecSyntax, 1, 3},                {"cosh(20000)", ecOverflow, 1, 11},
  };
  for (const auto& c : cases) {
    EvalText(c.text);
    EXPECT_TRUE(ErrorFlag) << c.text;
    EXPECT_EQ(ErrorCode, c.code) << c.text;
    EXPECT_EQ(ErrorPos, c.pos) << c.text;
    EXPECT_EQ(ErrorSpan, c.span) << c.text;
  }
}

TEST_F(BuiltinFunctionsTest, DomainErrorsResetLastResult)
{
  LastResult = 5;
  Error("sqrt(-1)");
  EXPECT_EQ(LastResult, 0);
}

TEST_F(BuiltinFunctionsTest, RandomNumbers)
{
  for (int i = 0; i < 100; ++i) {
    const Extended r = Value("random");
    EXPECT_GE(r, 0);
    EXPECT_LT(r, 1);
  }
  Extended sum = 0;
  for (int i = 0; i < 2000; ++i)
    sum += Value("gauss(10,1)");
  EXPECT_NEAR(static_cast<double>(sum / 2000), 10.0, 0.2);
  EXPECT_EQ(Error("gauss(1)"), ecCommaExpected);
}

TEST_F(BuiltinFunctionsTest, TableAndHints)
{
  const auto table = FunctionTable();
  ASSERT_EQ(table.size(), 132u);
  for (std::size_t i = 0; i < table.size(); ++i)
    EXPECT_EQ(table[i].Code, i == 131 ? 130 : static_cast<int>(i)) << table[i].Name;
  EXPECT_EQ(table[28].Name, "\xB6");
  EXPECT_EQ(table[113].Name, "ibeta(");
  EXPECT_EQ(FunctionHints(1), "Sine of (%A)");
  EXPECT_EQ(FunctionHints(30), "Natural logarithm \" e \"");
  EXPECT_EQ(FunctionHints(70), "");
  EXPECT_EQ(FunctionHints(129), "Exponential integral of (...)");
  EXPECT_EQ(FunctionHints(130), "");
}

}  // namespace
}  // namespace engine
