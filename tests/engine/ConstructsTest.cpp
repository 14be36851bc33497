#include "EngineFixture.h"

#include "engine/Constructs.h"

#include <cmath>

namespace engine {
namespace {

// Sets the stop flag after a number of pumped events and answers the stop question.
class StopHost : public EngineHost {
public:
  int pumpsBeforeStop = -1;
  int pumps = 0;
  int questions = 0;
  bool answer = true;
  bool quit = false;
  std::vector<std::string> progress;
  std::string precision = "9";

  void PumpMessages() override
  {
    if (++pumps == pumpsBeforeStop)
      StopFlag = 1;
  }
  bool ConfirmStop() override
  {
    ++questions;
    return answer;
  }
  bool QuitRequested() const override { return quit; }
  std::chrono::milliseconds PumpInterval() const override { return {}; }  // a pump at every step
  std::string PrecisionText() const override { return precision; }
  void ShowIntermediateResult(const std::string& text) override { progress.push_back(text); }
};

class ConstructsTest : public EngineFixture {
protected:
  StopHost host;
  void SetUp() override
  {
    EngineFixture::SetUp();
    SetHost(&host);
    LastSearchExpr->clear();
  }
};

TEST_F(ConstructsTest, Solve)
{
  VarValues[1] = 7;
  EXPECT_NEAR(static_cast<double>(Value("solve(0,2,x^2-2)") - 1.41421356237309505L), 0.0, 1e-14);
  EXPECT_EQ(VarValues[1], 7);
  EXPECT_EQ(VarValues[LowBoundVar], 0);
  EXPECT_EQ(VarValues[HighBoundVar], 2);
  EXPECT_NEAR(static_cast<double>(Value("solve(-1,1,x^2)")), 0.0, 1e-6);  // touches 0 without a sign change
  EXPECT_NEAR(static_cast<double>(Value("2*solve(0,4,x-1)^2")), 2.0, 1e-14);
  EXPECT_EQ(Value("solve(1,3,x-1)"), 1);

  EXPECT_EQ(Error("solve(2,0,x)"), ecIntervalError);
  EXPECT_EQ(ErrorPos, 7);
  EXPECT_EQ(ErrorSpan, 4);
  EXPECT_EQ(Error("solve(1,2,x^2+1)"), ecIntervalError);
  EXPECT_EQ(VarValues[1], 7);
}

TEST_F(ConstructsTest, SolveAtAPoleStops)
{
  EXPECT_EQ(Error("solve(1,2,tan(x))"), ecSingularity);
  EXPECT_EQ(ErrorPos, 11);
}

TEST_F(ConstructsTest, Integral)
{
  NotationMode = nmFix;
  EXPECT_EQ(FormatResult(12, EvalText("integral(0,1,x^2)")), "0.3333333333");
  NotationMode = nmScn;
  EXPECT_EQ(FormatResult(12, EvalText("integral(0,1,x^2)")), "3.3333333E-1");
  EXPECT_NEAR(static_cast<double>(Value("integral(0,2,x^3)")), 4.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(Value("integral(0,pi,sin(x))")), 2.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(Value("integral(0,1,sqrt(x))")), 2.0 / 3, 1e-5);  // five digits agree at precision 9
  EXPECT_FALSE(host.progress.empty());
  EXPECT_EQ(Error("integral(0,1,1/(x-x))"), ecDivisionByZero);
  EXPECT_EQ(Error("integral(0,1/0,x)"), ecDivisionByZero);
  EXPECT_EQ(ErrorPos, 14);
}

// An integral whose value is 0 has no digits to agree on: the passes agree once their difference is
// small beside the integrand's scale.
TEST_F(ConstructsTest, IntegralsWhoseValueIsZeroConverge)
{
  for (const char* text : {"integral(0,2*pi,sin(x))", "integral(0,pi,cos(x))", "integral(-1,1,x^3)", "integral(0,4*pi,sin(x)*cos(x))"})
    EXPECT_LE(std::fabs(Value(text)), 1E-15L) << text;
  EXPECT_NEAR(static_cast<double>(Value("integral(0,1,1E-30*x)") * 1E30L), 0.5, 1e-15);
}

// f is tried at the interval's ends; where it fails there, the evaluation goes on as it was.
TEST_F(ConstructsTest, IntegrandUndefinedAtAnEndInsideAnArgumentList)
{
  EXPECT_EQ(Value("bnml(integral(0,4,1/sqrt(x)),2)"), 6);
  EXPECT_EQ(Value("lcm(3,integral(0,1,1/sqrt(x)))"), 6);
}

// A divergent integral is an error over its function text, wherever it was found.
TEST_F(ConstructsTest, DivergentIntegralMarksItsFunctionText)
{
  for (const char* text : {"2+integral(0,1,1/x)+3", "2+integral(1,0,1/x)+3", "2+integral(-1,1,1/x)+3"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Error(text), ecSingularity);
    EXPECT_EQ(ErrorPos, static_cast<int>(std::string(text).find("1/x")) + 1);
    EXPECT_EQ(ErrorSpan, 3);
  }
}

TEST_F(ConstructsTest, IntegralBeyondTheRangeIsAnOverflow)
{
  EXPECT_EQ(Error("integral(0,1E4932,1E10)"), ecOverflow);
  EXPECT_EQ(ErrorPos, 19);
  EXPECT_EQ(ErrorSpan, 4);
}

TEST_F(ConstructsTest, Extremum)
{
  EXPECT_LT(Value("min(-1,1,x^2)"), 1e-30L);
  EXPECT_LT(std::fabs(Value("minx")), 1e-15L);
  EXPECT_NEAR(static_cast<double>(Value("min(-2,2,(x-0.5)^2+3)")), 3.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(Value("minx")), 0.5, 1e-9);
  EXPECT_NEAR(static_cast<double>(Value("max(0,3,sin(x))")), 1.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(Value("maxx")), 1.5707963, 1e-3);

  EXPECT_EQ(ExtremumSubdivisions, 1);
  Value("max(0,3,sin(x))");
  EXPECT_EQ(ExtremumSubdivisions, 2);
  Value("max(0,3,sin(x))");
  EXPECT_EQ(ExtremumSubdivisions, 4);
}

TEST_F(ConstructsTest, ExtremumOverAnIntervalWiderThanTheRange)
{
  // The width of the interval overflows; the samples and the result must not.
  const std::pair<const char*, Extended> values[] = {
      {"max(-1E4932,1E4932,x)", 1E4932L},
      {"min(-1E4932,1E4932,x)", -1E4932L},
      {"max(1E4932,-1E4932,x)", 1E4932L},
      {"max(-6E4931,6E4931,-x)", 6E4931L},
  };
  for (const auto& [text, expected] : values) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Value(text), expected);
  }
  // Where no value can be found, an error, never a NaN.
  EXPECT_EQ(Error("max(-1E3000,1E3000,-x^2)"), ecOverflow);
  for (const char* text : {"max(-1E4932,1E4932,sin(x))", "min(-1E2000,1E2000,abs(x-1))"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Error(text), ecExtremumNotFound);
  }
}

TEST_F(ConstructsTest, OtherVariablesAreRecordedOnce)
{
  VarValues[2] = 2;
  EXPECT_NEAR(static_cast<double>(Value("integral(0,1,y*x)")), 1.0, 1e-15);
  EXPECT_EQ(*UsedVarNames, std::vector<std::string>{"Y"});
  EXPECT_EQ(*UsedVarValues, std::vector<Extended>{2});
}

TEST_F(ConstructsTest, ExtremumInsideAnIntegral)
{
  EXPECT_NEAR(static_cast<double>(Value("integral(0,1,x+min(0,1,(x-0.5)^2))")), 0.5, 1e-12);
}

TEST_F(ConstructsTest, IfThenElse)
{
  const std::pair<const char*, Extended> cases[] = {
      {"if(3>=3)then(7)else(8)", 7}, {"if(2>>1)then(10)else(20)", 10}, {"if(1==2)then(1/0)else(5)", 5},
      {"if(1<>2)then(1)else(2)", 1}, {"if(1<<2)then(3)else(4)", 3},   {"if(2<=1)then(3)else(4)", 4},
      {"2*if(1==1)THEN(3)Else(4)+1", 7},
  };
  for (const auto& [text, value] : cases)
    EXPECT_EQ(Value(text), value) << text;
  EXPECT_EQ(Error("if(1=2)then(1)else(2)"), ecSyntax);
  EXPECT_EQ(Error("if(1==1)than(1)else(2)"), ecSyntax);
  EXPECT_EQ(ErrorPos, 9);
  EXPECT_EQ(ErrorSpan, 4);
  EXPECT_EQ(Error("if(1==1)then()else(2)"), ecSyntax);
  EXPECT_EQ(Error("if(1==1)then(1/0)else(2)"), ecDivisionByZero);
  EXPECT_EQ(ErrorPos, 16);
}

TEST_F(ConstructsTest, RecursiveUserFunction)
{
  ASSERT_TRUE(UserFunctions->Add("FACT(n)=if(n<=1)then(1)else(n*FACT(n-1))"));
  EXPECT_EQ(Value("FACT(5)"), 120);
  EXPECT_EQ(Value("FACT(20)"), 2432902008176640000.0L);
}

TEST_F(ConstructsTest, ForLoop)
{
  VarValues[7] = 1;
  VarValues[8] = 10;
  VarValues[9] = 3;
  EXPECT_EQ(Value("forJtoKstepMdo(J^2)"), 100);
  EXPECT_EQ(VarValues[7], 1);
  VarValues[8] = 5;
  VarValues[9] = 1;
  EXPECT_EQ(Value("forJtoKstepMdo(J)"), 5);
  UsedVarNames->clear();
  UsedVarValues->clear();
  EXPECT_EQ(Value("forJtoKstepMdo(?+J)"), 20);
  EXPECT_TRUE(UsedVarNames->empty());  // the loop's own variable is not recorded

  for (const Extended step : {0.0L, -1.0L, 1e-30L}) {
    VarValues[9] = step;
    EXPECT_EQ(Error("forJtoKstepMdo(J)"), ecIntervalError);
    EXPECT_EQ(ErrorPos, 1);
  }
  VarValues[9] = UndefinedValue;
  EXPECT_EQ(Error("forJtoKstepMdo(J)"), ecUserBreak);
}

TEST_F(ConstructsTest, StopButton)
{
  VarValues[7] = 1;
  VarValues[8] = 1e9L;
  VarValues[9] = 1;
  host.pumpsBeforeStop = 100;
  host.answer = false;
  host.pumps = 0;
  // "No" lets it go on, asking again at each step; then "Yes" ends it.
  struct AnswerYesLater : StopHost {
  };
  host.answer = false;
  StopFlag = 0;
  VarValues[8] = 150;
  EXPECT_EQ(Value("forJtoKstepMdo(J)"), 150);
  EXPECT_EQ(host.questions, 51);

  VarValues[8] = 1e9L;
  host.answer = true;
  host.pumps = 0;
  host.questions = 0;
  StopFlag = 0;
  EXPECT_EQ(Error("forJtoKstepMdo(J)"), ecUserBreak);
  EXPECT_EQ(host.questions, 1);
  EXPECT_EQ(ErrorText(ErrorCode), "User break");
  EXPECT_EQ(VarValues[7], 1);
}

TEST_F(ConstructsTest, StopEndsALongIntegral)
{
  host.pumpsBeforeStop = 50;
  EXPECT_EQ(Error("integral(0,1,sin(1/x))"), ecUserBreak);
  EXPECT_EQ(host.pumps, 50);
  EXPECT_EQ(host.questions, 1);
}

TEST_F(ConstructsTest, QuitRequestStopsWithoutAsking)
{
  host.quit = true;
  EXPECT_EQ(Error("integral(0,1,x)"), ecUserBreak);
  EXPECT_EQ(host.questions, 0);
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

class CountingHost : public EngineHost {
public:
  int pumps = 0;
  void PumpMessages() override { ++pumps; }
};

TEST_F(EngineFixture, LongLoopsPumpAtTheirFirstStepAndThenByElapsedTime)
{
  CountingHost host;
  SetHost(&host);
  VarValues[7] = 1;
  VarValues[8] = 20000;
  VarValues[9] = 1;
  EXPECT_EQ(Value("forJtoKstepMdo(J)"), 20000);
  EXPECT_GE(host.pumps, 1);
  EXPECT_LT(host.pumps, 2000);  // every few milliseconds, not at each of the 20000 steps
  host.pumps = 0;
  VarValues[8] = 1;
  EXPECT_EQ(Value("forJtoKstepMdo(J)"), 1);
  EXPECT_EQ(host.pumps, 1);  // each calculation pumps at its first step
  SetHost(nullptr);
}

}  // namespace
}  // namespace engine
