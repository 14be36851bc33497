#include "EngineFixture.h"

namespace engine {
namespace {

class MessageHost : public EngineHost {
public:
  std::vector<std::string> errors;
  std::string chosenFile;
  void ShowError(const std::string& message) override { errors.push_back(message); }
  std::string ChooseFunctionsFile() override { return chosenFile; }
};

class UserFunctionsTest : public EngineFixture {
protected:
  MessageHost host;
  void SetUp() override
  {
    EngineFixture::SetUp();
    SetHost(&host);
  }
  void Define(std::initializer_list<const char*> lines)
  {
    for (const char* line : lines)
      ASSERT_TRUE(UserFunctions->Add(line)) << line;
  }
};

TEST_F(UserFunctionsTest, ParsesALine)
{
  const TUserFunc f("HYP(a, b) = sqrt(a^2+b^2) ; the hypotenuse");
  EXPECT_TRUE(f.Valid);
  EXPECT_EQ(f.Name, "HYP(");
  EXPECT_EQ(f.ParamText, "a,b");
  EXPECT_EQ(f.Body, "sqrt(a^2+b^2)");
  EXPECT_EQ(f.WorkBody, "sqrt(\x01^2+\x02^2)");
  EXPECT_EQ(f.ParamCount, 2);

  const TUserFunc comment("  ; my functions");
  EXPECT_TRUE(comment.Valid);
  EXPECT_EQ(comment.Comment, "; my functions");
  EXPECT_TRUE(comment.Name.empty());

  const TUserFunc longer("F(x,xx)=exp(x)+xx*x");
  EXPECT_EQ(longer.Params, (std::vector<std::string>{"xx", "x"}));
  EXPECT_EQ(longer.WorkBody, "exp(\x01)+\x02*\x01");
}

TEST_F(UserFunctionsTest, RejectsBadLinesWithTheirMessage)
{
  const std::pair<const char*, const char*> cases[] = {
      {"F(x,x)=x", "Dublicate parametrs (x,x)"},
      {"F(x,y)=x", "Parametr missing F(x,y)=x"},
      {"F()=1", "Invalid functions F()=1"},
      {"F(x,)=x", "Invalid functions F(x,)=x"},
      {"F(,x)=x", "Invalid functions F(,x)=x"},
      {"F(x)", "Invalid functions F(x)"},
      {"F(x)x+1", "Invalid functions F(x)x+1"},
      {"Fx=x+1", "Invalid functions Fx=x+1"},
  };
  for (const auto& [line, message] : cases) {
    host.errors.clear();
    EXPECT_FALSE(UserFunctions->Add(line)) << line;
    ASSERT_EQ(host.errors.size(), 1u) << line;
    EXPECT_EQ(host.errors[0], message);
  }
  EXPECT_EQ(UserFunctions->GetCount(), 0);
}

TEST_F(UserFunctionsTest, FindWholeWord)
{
  EXPECT_EQ(FindWholeWord("x", "exp(x)+x"), 5);
  EXPECT_EQ(FindWholeWord("a", "tan(b)"), 0);
  EXPECT_EQ(FindWholeWord("ab", "ab"), 1);
  EXPECT_EQ(FindWholeWord("abc", "ab"), 0);
}

TEST_F(UserFunctionsTest, Calls)
{
  Define({"HYP(a,b)=sqrt(a^2+b^2)", "F(ab)=ab+1", "G(ab)=2*ab+1", "P(ab,a)=ab*10+a", "SQ(x)=x^2", "H(x)=2*x",
          "INC(x)=x+1", "TWICE(x)=INC(x)*2", "T(a)=tan(a)"});
  const std::pair<const char*, Extended> cases[] = {
      {"hyp(3,4)", 5},   {"F(2)", 3},        {"G(2)", 5},          {"P(2,3)", 23},     {"SQ(-3)", 9},
      {"H(-3)", -6},     {"TWICE(1)", 4},    {"2+HYP(6,8)*2", 22}, {"-SQ(2)", -4},     {"SQ(2)^2", 16},
      {"sum(F(1),F(2))", 5}, {"T(0)", 0},    {"SQ(1/3)*9", 1},
  };
  for (const auto& [text, value] : cases)
    EXPECT_EQ(Value(text), value) << text;
  EXPECT_TRUE(UserFunctions->ResultStack.empty());
}

TEST_F(UserFunctionsTest, ArgumentsKeepTheirValueInHexadecimalMode)
{
  Define({"HALF(x)=x/2"});
  NumberBase = nbHexadecimal;
  NumberChars = HexadecimalNumberChars();
  EXPECT_EQ(Value("HALF(3)"), 1.5L);
  EXPECT_EQ(Value("HALF(HALF(3))"), 0.75L);
}

TEST_F(UserFunctionsTest, ArgumentErrors)
{
  Define({"F(x)=x*2", "S(x,y)=x+y"});
  EXPECT_EQ(Error("F(1/0)"), ecMissingArgument);
  EXPECT_EQ(ErrorPos, 3);
  EXPECT_EQ(ErrorSpan, 3);
  EXPECT_EQ(Error("S(1)"), ecMissingArgument);
  EXPECT_EQ(Error("S(1,)"), ecMissingArgument);
  EXPECT_EQ(Error("S(1,2,3)"), ecSyntax);
}

TEST_F(UserFunctionsTest, BodyErrorsAreNested)
{
  Define({"KD(x)=x/0", "L(x)=1+KD(x)"});
  EXPECT_EQ(Error("2+KD(3)"), ecUserFunctionError);
  EXPECT_EQ(ErrorPos, 3);
  EXPECT_EQ(ErrorSpan, 5);
  EXPECT_EQ(ErrorText(ErrorCode), "User Function Error \"Division by zero position: 3\" ");

  EXPECT_EQ(Error("L(1)"), ecUserFunctionError);
  EXPECT_EQ(UserFuncErrorCode, ecDivisionByZero);
  EXPECT_EQ(UserFuncErrorPos, 3);
}

TEST_F(UserFunctionsTest, EndlessRecursionIsBounded)
{
  Define({"R(x)=R(x)+1"});
  EXPECT_EQ(Error("R(1)"), ecUserFunctionError);
  EXPECT_EQ(UserFuncErrorCode, ecStackOverflow);
}

TEST_F(UserFunctionsTest, BuiltinNamesComeFirst)
{
  Define({"SIN(x)=x", "PI(x)=x", "K(x)=x"});
  EXPECT_EQ(Value("sin(0)"), 0);
  EXPECT_EQ(Error("pi(1)"), ecSyntax);
  VarValues[8] = 2;  // K is the variable
  EXPECT_EQ(Error("K(3)"), ecSyntax);
}

TEST_F(UserFunctionsTest, LoadingStopsAtTheFirstBadLine)
{
  UserFunctions->LoadFromFile(VEXAL_TEST_DATA_DIR "third-line-invalid.FNC");
  EXPECT_EQ(UserFunctions->GetCount(), 2);
  EXPECT_EQ(host.errors, std::vector<std::string>{"Invalid functions F(,x)=x"});
  EXPECT_EQ(UserFunctions->Lines.size(), 4u);
  EXPECT_EQ(Value("HYP(3,4)+SQ(2)"), 9);
  EXPECT_EQ(Error("G(1)"), ecSyntax);
}

TEST_F(UserFunctionsTest, LoadingReadsEveryLineEnd)
{
  UserFunctions->LoadFromFile(VEXAL_TEST_DATA_DIR "mixed-line-ends.FNC");
  EXPECT_EQ(UserFunctions->GetCount(), 4);
  EXPECT_TRUE(host.errors.empty());
  EXPECT_EQ(UserFunctions->GetItem(0).Comment, "; my functions");
  EXPECT_EQ(Value("G(1)"), 4);
}

TEST_F(UserFunctionsTest, LoadingAMissingFileOrCancellingChangesNothing)
{
  Define({"F(x)=x"});
  UserFunctions->LoadFromFile(VEXAL_TEST_DATA_DIR "no-such-file.FNC");
  UserFunctions->LoadFromFile("");
  EXPECT_EQ(UserFunctions->GetCount(), 1);
  EXPECT_TRUE(host.errors.empty());

  host.chosenFile = VEXAL_TEST_DATA_DIR "mixed-line-ends.FNC";
  UserFunctions->LoadFromFile("");
  EXPECT_EQ(UserFunctions->GetCount(), 4);
  EXPECT_EQ(UserFunctions->FileName, host.chosenFile);
}

TEST_F(UserFunctionsTest, AFolderChosenAsTheFileSaysItCannotLoadAndKeepsTheFunctions)
{
  Define({"F(x)=x"});
  const std::string before = UserFunctions->FileName;
  const std::string folder = VEXAL_TEST_DATA_DIR;
  UserFunctions->LoadFromFile(folder);
  EXPECT_EQ(host.errors, std::vector<std::string>{"Cannot load " + folder + "!"});
  EXPECT_EQ(UserFunctions->GetCount(), 1);
  EXPECT_EQ(UserFunctions->FileName, before);
  EXPECT_EQ(Value("F(7)"), 7);
}

TEST_F(UserFunctionsTest, PopOnAnEmptyStack)
{
  EXPECT_EQ(UserFunctions->Pop(), 0);
  EXPECT_TRUE(UserFunctions->StackUnderflow);
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

// Sets the stop flag after a number of pumps, or changes the list of user functions while a body runs.
class PumpingHost : public EngineHost {
public:
  int pumps = 0;
  int pumpsBeforeStop = -1;
  int pumpsBeforeClear = -1;
  void PumpMessages() override
  {
    ++pumps;
    if (pumps == pumpsBeforeStop)
      StopFlag = 1;
    if (pumps == pumpsBeforeClear)
      UserFunctions->Clear();
  }
  std::chrono::milliseconds PumpInterval() const override { return {}; }
};

class UserFunctionPumpTest : public EngineFixture {
protected:
  PumpingHost host;
  void SetUp() override
  {
    EngineFixture::SetUp();
    SetHost(&host);
  }
};

TEST_F(UserFunctionPumpTest, ARecursiveFunctionPumpsAndStopsWithTheUserBreak)
{
  ASSERT_TRUE(UserFunctions->Add("FIB(n)=if(n<<2)then(n)else(FIB(n-1)+FIB(n-2))"));
  EXPECT_EQ(Value("FIB(10)"), 55);
  EXPECT_GT(host.pumps, 100);

  host.pumps = 0;
  host.pumpsBeforeStop = 50;
  EXPECT_EQ(Error("1+FIB(25)"), ecUserBreak);
  EXPECT_EQ(host.pumps, 50);  // at once, not at the end of the recursion
  EXPECT_EQ(ErrorPos, 3);
  EXPECT_EQ(ErrorSpan, 7);
}

TEST_F(UserFunctionPumpTest, ACallKeepsItsBodyWhenTheListChangesMeanwhile)
{
  ASSERT_TRUE(UserFunctions->Add("G(a)=a*10"));
  ASSERT_TRUE(UserFunctions->Add("F(x)=G(x)+G(x)"));
  host.pumpsBeforeClear = 2;
  // The first inner call pumps and empties the list; it ends with its own body, and the second G( is
  // no longer known.
  EXPECT_EQ(Error("F(2)"), ecUserFunctionError);
  EXPECT_EQ(UserFuncErrorCode, ecSyntax);
  EXPECT_EQ(UserFuncErrorPos, 6);
}

}  // namespace
}  // namespace engine
