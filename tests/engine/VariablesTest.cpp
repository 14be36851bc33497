#include "EngineFixture.h"

#include <deque>
#include <string>

using namespace std::string_literals;

namespace engine {
namespace {

// Answers the variable dialog with scripted texts; an empty script cancels.
class DialogHost : public EngineHost {
public:
  std::deque<std::string> answers;
  std::vector<int> asked;

  bool AskVariableValue(int i) override
  {
    asked.push_back(i);
    while (!answers.empty()) {
      const std::string typed = answers.front();
      answers.pop_front();
      if (EvalVariableText(i, typed))
        return true;
      ErrorFlag = false;  // the dialog shows the error and stays open
    }
    return false;
  }
};

class VariablesTest : public EngineFixture {
protected:
  DialogHost host;
  void SetUp() override
  {
    EngineFixture::SetUp();
    SetHost(&host);
  }
};

TEST_F(VariablesTest, ReadRecordsNameAndValue)
{
  VarValues[1] = 2;
  VarValues[2] = 3;
  EXPECT_EQ(Value("x*Y+x"), 8);
  EXPECT_EQ(*UsedVarNames, (std::vector<std::string>{"X", "Y", "X"}));
  EXPECT_EQ(UsedValueText(UsedVarValues[0]), "2.0E+0");
  EXPECT_EQ(Value("-x^2"), -4);
}

TEST_F(VariablesTest, UndefinedVariableAsksTheUser)
{
  host.answers = {"1+"s, "2"};
  EXPECT_EQ(Value("X+1"), 3);
  EXPECT_EQ(host.asked, std::vector<int>{1});
  EXPECT_EQ(VarValues[1], 2);
  EXPECT_EQ(VarExprs[1], "2");

  host.answers.clear();
  EXPECT_EQ(Error("3*Z"), ecUserBreak);
  EXPECT_EQ(ErrorPos, 3);
  EXPECT_EQ(VarValues[3], UndefinedValue);
}

TEST_F(VariablesTest, DialogInsideAnArgumentListKeepsTheScannerState)
{
  host.answers = {"(", "5"};
  EXPECT_EQ(Value("sum(X,2)"), 7);
}

TEST_F(VariablesTest, UndefinedVariableUsesItsDefinition)
{
  VarExprs[1] = "2*3";
  EXPECT_EQ(Value("x+1"), 7);
  EXPECT_EQ(VarValues[1], 6);
  EXPECT_TRUE(host.asked.empty());
}

TEST_F(VariablesTest, FailingOrCyclicDefinitionsFailTheEvaluation)
{
  VarExprs[1] = "1/0";
  EXPECT_EQ(Error("2+X"), ecDivisionByZero);
  EXPECT_EQ(ErrorPos, 3);
  EXPECT_EQ(VarValues[1], UndefinedValue);

  VarExprs[1] = "Y+1";
  VarExprs[2] = "X+1";
  EXPECT_EQ(Error("X"), ecStackOverflow);
  VarExprs[1] = "X+1";
  EXPECT_EQ(Error("X*2"), ecStackOverflow);
}

TEST_F(VariablesTest, AssignmentInsideAnExpression)
{
  EXPECT_EQ(Value("(x=2+3)*2"), 10);
  EXPECT_EQ(VarValues[1], 5);
  EXPECT_EQ(VarExprs[1], "2+3");
  EXPECT_EQ(*UsedVarNames, std::vector<std::string>{"X"});

  EXPECT_EQ(Error("(X=1/0)"), ecDivisionByZero);
  EXPECT_EQ(ErrorPos, 6);
  EXPECT_EQ(VarValues[1], 5);

  EXPECT_EQ(Error("x=5"), ecMissingOpenParen);
  EXPECT_EQ(Error("(x=)"), ecSyntax);
}

TEST_F(VariablesTest, UserVariables)
{
  EXPECT_EQ(Value("(rate=0.05)"), 0.05L);
  ASSERT_NE(UserVariables->Find("RATE"), nullptr);
  EXPECT_EQ(UserVariables->Find("rate")->Code, 1000);
  EXPECT_EQ(UserVariables->Find("rate")->Name, "rate");
  EXPECT_EQ(Value("RATE*100"), 5);
  EXPECT_EQ(Value("rate*2"), 0.1L);
  EXPECT_EQ(UsedVarNames->back(), "rate");

  EXPECT_EQ(Error("total=3"), ecSyntax);  // stored, but not closed by ")"
  EXPECT_EQ(UserVariables->Find("total")->Value, 3);
}

TEST_F(VariablesTest, RemovingAUserVariableKeepsTheOthersCodes)
{
  const int a = UserVariables->Set("a", 1);
  const int b = UserVariables->Set("b", 2);
  const int c = UserVariables->Set("c", 3);
  EXPECT_EQ(b, a + 1);
  EXPECT_TRUE(UserVariables->Remove(b));
  EXPECT_EQ(Value("a+c"), 4);
  EXPECT_EQ(UserVariables->Set("d", 4), c + 1);
  EXPECT_EQ(Error("b"), ecSyntax);
  EXPECT_EQ(UserVariables->Set("A", 10), a);
  EXPECT_EQ(Value("a"), 10);
  EXPECT_EQ(UserVariables->ByCode(a)->Name, "A");
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

TEST_F(EngineFixture, RecordedValuesAreFormattedOnlyWhereTheyAreShown)
{
  // A value the hexadecimal base cannot show is no error of the evaluation that read it.
  NumberBase = nbHexadecimal;
  NumberChars = HexadecimalNumberChars();
  VarValues[1] = 1E10L;
  EXPECT_EQ(Value("X*0"), 0);
  EXPECT_EQ(*UsedVarValues, std::vector<Extended>{1E10L});
  ErrorFlag = true;
  ErrorCode = ecDivisionByZero;
  EXPECT_EQ(UsedValueText(UsedVarValues[0]), "0.0");
  EXPECT_TRUE(ErrorFlag);
  EXPECT_EQ(ErrorCode, ecDivisionByZero);
}

}  // namespace
}  // namespace engine
