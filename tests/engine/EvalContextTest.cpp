#include "EngineFixture.h"

#include "engine/ComplexEvaluator.h"
#include "engine/EvalContext.h"
#include "engine/PointEvaluation.h"

#include <cstring>
#include <functional>
#include <stdexcept>
#include <thread>

namespace engine {
namespace {

// One evaluation's outcome, compared bit for bit.
struct TResult {
  Extended Value = 0;
  bool Failed = false;
  int Code = 0;
  int Pos = 0;
  int Span = 0;

  bool operator==(const TResult& other) const
  {
    // The error's code and place mean something only when it failed.
    return std::memcmp(&Value, &other.Value, 10) == 0 && Failed == other.Failed &&
           (!Failed || (Code == other.Code && Pos == other.Pos && Span == other.Span));
  }
};

TResult Evaluate(const std::string& text)
{
  const Extended value = EvalText(text);
  return {value, ErrorFlag, ErrorCode, ErrorPos, ErrorSpan};
}

// Texts that go through the scanner, the constructs, user functions and their frames, named user
// variables, the modes and the error state.
const char* const Texts[] = {
    "sin(X)*cos(X/2)+X^2",
    "HYP(X,3)+HYP(HYP(1,X),2)",
    "integral(0,X,sin(Z))",
    "forJtoKstepMdo(J*X)",
    "1/(X-X)",
    "sqrt(-X-1)",
    "rate*X+?",
    "if(X>2)then(X)else(-X)",
    "(X+2",
    "std(X,J,K)+X",
};

// Gives one context its own modes, variables and definitions.
void Furnish(int angleMode, Extended rate)
{
  AngleMode = angleMode;
  VarValues[8] = 3;  // K
  VarValues[9] = 1;  // M
  VarValues[7] = 1;  // J
  UserVariables->Set("rate", rate);
  UserFunctions->Clear();
  ASSERT_TRUE(UserFunctions->Add("HYP(a,b)=sqrt(a^2+b^2)"));
}

// The outcomes of every text at x = 1, 2, ..., rounds, in the working state.
std::vector<TResult> RunTexts(int rounds)
{
  std::vector<TResult> results;
  for (int i = 0; i < rounds; ++i) {
    VarValues[1] = 1 + i % 50;
    results.push_back(Evaluate(Texts[i % std::size(Texts)]));
  }
  return results;
}

using EvalContextTest = EngineFixture;

TEST_F(EvalContextTest, TwoThreadsEvaluateInTheirOwnContextsWithoutDisturbingEachOther)
{
  constexpr int Rounds = 20000;
  // The outcomes one thread alone gives, in contexts of its own.
  TEvalContext degrees;
  TEvalContext radians;
  std::vector<TResult> expectedDegrees;
  std::vector<TResult> expectedRadians;
  {
    const TContextScope scope(degrees);
    Furnish(1, 0.5L);
    expectedDegrees = RunTexts(Rounds);
  }
  {
    const TContextScope scope(radians);
    Furnish(0, 2);
    expectedRadians = RunTexts(Rounds);
  }
  ASSERT_NE(expectedDegrees[0].Value, expectedRadians[0].Value);

  // The same, on two threads at once.
  std::vector<TResult> gotDegrees;
  std::vector<TResult> gotRadians;
  auto work = [](TEvalContext& context, std::vector<TResult>& results) {
    const TContextScope scope(context);
    LastResult = 0;
    results = RunTexts(Rounds);
  };
  {
    const TContextScope scope(degrees);
    LastResult = 0;
  }
  {
    const TContextScope scope(radians);
    LastResult = 0;
  }
  // The expected runs began with LastResult 0 too.
  std::thread first(work, std::ref(degrees), std::ref(gotDegrees));
  std::thread second(work, std::ref(radians), std::ref(gotRadians));
  // Meanwhile the main window's context goes on as it was.
  VarValues[1] = 2;
  const Extended mainValue = Value("X*10");
  first.join();
  second.join();

  EXPECT_EQ(mainValue, 20);
  EXPECT_EQ(AngleMode, 0);
  EXPECT_EQ(UserVariables->Count(), 0u);
  ASSERT_EQ(gotDegrees.size(), expectedDegrees.size());
  ASSERT_EQ(gotRadians.size(), expectedRadians.size());
  int wrong = 0;
  for (int i = 0; i < Rounds; ++i) {
    wrong += gotDegrees[i] == expectedDegrees[i] ? 0 : 1;
    wrong += gotRadians[i] == expectedRadians[i] ? 0 : 1;
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(EvalContextTest, AContextKeepsItsStateBetweenScopesAndLeavesTheOuterOneAlone)
{
  VarValues[1] = 7;
  AngleMode = 1;
  UserFunctions->Clear();
  ASSERT_TRUE(UserFunctions->Add("TWICE(a)=2*a"));
  std::unique_ptr<TEvalContext> copy = TEvalContext::CopyOfCurrent();
  {
    const TContextScope scope(*copy);
    EXPECT_EQ(VarValues[1], 7);
    EXPECT_EQ(AngleMode, 1);
    EXPECT_EQ(Value("TWICE(X)"), 14);
    VarValues[1] = 100;
    AngleMode = 0;
    EXPECT_EQ(Error("1/0"), ecDivisionByZero);
    {
      const TContextScope again(*copy);  // already current: nothing changes
      EXPECT_EQ(VarValues[1], 100);
      EXPECT_TRUE(ErrorFlag);
    }
  }
  EXPECT_EQ(VarValues[1], 7);
  EXPECT_EQ(AngleMode, 1);
  EXPECT_FALSE(ErrorFlag);

  const TEvalOutcome outcome = EvalText(*copy, "X+1/0");
  EXPECT_TRUE(outcome.Failed);
  EXPECT_EQ(outcome.ErrorCode, ecDivisionByZero);
  EXPECT_EQ(outcome.ErrorPos, 5);
  EXPECT_EQ(EvalText(*copy, "X+TWICE(1)").Value, 102);
  EXPECT_EQ(EvalText(*copy, "?").Value, 102);
  EXPECT_FALSE(ErrorFlag);
  EXPECT_EQ(LastResult, 0);

  // A fresh context has no variables, no definitions and the default modes.
  TEvalContext fresh;
  EXPECT_EQ(EvalText(fresh, "TWICE(1)").Failed, true);
  EXPECT_EQ(EvalText(fresh, "sin(90)").Value, std::sin(90.0L));
}

TEST_F(EvalContextTest, TheLastStandardDeviationAndTheRandomGeneratorBelongToTheContext)
{
  StdDevStore = UndefinedValue;
  TEvalContext context;
  EXPECT_EQ(EvalText(context, "std(1,2,3)").Value, 1);
  EXPECT_EQ(StdDevStore, UndefinedValue);
  {
    const TContextScope scope(context);
    EXPECT_EQ(StdDevStore, 1);
  }

  // Complex random on two threads at once, each in a context of its own.
  auto draw = [](TEvalContext& own, int& good) {
    const TContextScope scope(own);
    ComplexForm = cfRectangular;
    for (int i = 0; i < 2000; ++i) {
      std::string text = "random";
      bool failed = false;
      int pos = 0;
      int span = 0;
      const TComplex z = EvaluateComplexChecked(text, failed, pos, span);
      const Extended re = ComplexRe(z);
      const Extended im = ComplexIm(z);
      good += !failed && re >= 0 && re < 1 && im >= 0 && im < 1 ? 1 : 0;
    }
  };
  TEvalContext first;
  TEvalContext second;
  int goodFirst = 0;
  int goodSecond = 0;
  std::thread one(draw, std::ref(first), std::ref(goodFirst));
  std::thread two(draw, std::ref(second), std::ref(goodSecond));
  one.join();
  two.join();
  EXPECT_EQ(goodFirst, 2000);
  EXPECT_EQ(goodSecond, 2000);
}

TEST_F(EvalContextTest, ScopesOfTheSameContextNestAroundAnother)
{
  TEvalContext outer;
  TEvalContext inner;
  const TContextScope first(outer);
  AngleMode = 1;
  {
    const TContextScope second(inner);
    EXPECT_EQ(AngleMode, 0);
    {
      const TContextScope again(outer);  // current again inside the other's scope
      EXPECT_EQ(AngleMode, 1);
      AngleMode = 2;
    }
    EXPECT_EQ(AngleMode, 0);
  }
  EXPECT_EQ(AngleMode, 2);
}

TEST_F(EvalContextTest, AContextIsCurrentOnOneThreadAtATime)
{
  TEvalContext context;
  const TContextScope scope(context);
  bool refused = false;
  std::thread other([&] {
    try {
      const TContextScope elsewhere(context);
    } catch (const std::logic_error&) {
      refused = true;
    }
  });
  other.join();
  EXPECT_TRUE(refused);
}

// A host whose window events start an evaluation of their own, as a timer or a second window may.
class EvaluatingHost : public EngineHost {
public:
  std::string text = "1/0";
  TEvalContext* context = nullptr;  // nullptr: evaluate in the main window's context
  int evaluations = 0;
  bool innerFailed = false;

  void PumpMessages() override { EvaluateInner(); }
  bool ConfirmStop() override
  {
    EvaluateInner();
    return false;
  }

private:
  void EvaluateInner()
  {
    ++evaluations;
    if (context != nullptr) {
      innerFailed = EvalText(*context, text).Failed;
    } else {
      EvalText(text);
      innerFailed = ErrorFlag;
    }
  }
};

TEST_F(EvalContextTest, AnEvaluationStartedWhileAnotherPumpsCannotDisturbIt)
{
  EvaluatingHost host;
  SetHost(&host);
  VarValues[7] = 1;
  VarValues[8] = 3;
  VarValues[9] = 1;
  TEvalContext other;
  for (TEvalContext* context : {static_cast<TEvalContext*>(nullptr), &other}) {
    host.context = context;
    host.evaluations = 0;
    // The loop pumps at its first step; the inner evaluation fails and leaves its text behind.
    EXPECT_EQ(Value("2+forJtoKstepMdo(J*10)"), 32);
    EXPECT_GE(host.evaluations, 1);
    EXPECT_TRUE(host.innerFailed);
    EXPECT_EQ(UsedVarNames->size(), 0u);

    // The outer error is the outer text's own, at its own place.
    host.evaluations = 0;
    EXPECT_EQ(Error("forJtoKstepMdo(J)+sqrt(-1)"), ecArgumentNegative);
    EXPECT_GE(host.evaluations, 1);
    EXPECT_EQ(ErrorPos, 19);

    // An inner evaluation that succeeds clears no outer error either.
    host.text = "1+1";
    UserFunctions->Clear();
    ASSERT_TRUE(UserFunctions->Add("F(a)=a+forJtoKstepMdo(J)"));
    EXPECT_EQ(Error("F(2)+1/0"), ecDivisionByZero);
    EXPECT_EQ(ErrorPos, 8);
    EXPECT_EQ(Value("F(2)*F(3)"), 5 * 6);
    host.text = "1/0";
  }

  // The stop question runs window events too.
  host.context = nullptr;
  host.evaluations = 0;
  StopFlag = 1;
  EXPECT_EQ(Value("forJtoKstepMdo(J)"), 3);
  EXPECT_GE(host.evaluations, 1);
  StopFlag = 0;
  SetHost(nullptr);
}

TEST_F(EvalContextTest, PointEvaluationRunsInTheContextCurrentOnItsThread)
{
  const TPointEvaluation point("sin(X)*cos(Y)");
  ASSERT_TRUE(point.Compiled());
  TEvalContext context;
  std::thread worker([&] {
    const TContextScope scope(context);
    AngleMode = 1;
    VarValues[1] = 90;
    VarValues[2] = 0;
    Extended value = 0;
    EXPECT_TRUE(point.Evaluate(value));
    EXPECT_EQ(value, 1);
  });
  worker.join();
  VarValues[1] = 0;
  VarValues[2] = 0;
  Extended value = 1;
  EXPECT_TRUE(point.Evaluate(value));
  EXPECT_EQ(value, 0);
}

}  // namespace
}  // namespace engine
