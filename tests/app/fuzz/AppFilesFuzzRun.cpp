// A short, repeatable run of the main window's file fuzz targets over hostile files.
#include "tests/app/fuzz/AppFilesFuzzTarget.h"

#include "app/DataFiles.h"
#include "engine/Variables.h"
#include "tests/support/HostileInputs.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// The engine's variables as they were before a test.
class AppFilesFuzz : public ::testing::Test {
 protected:
  ~AppFilesFuzz() override
  {
    engine::VarValues = values_;
    engine::VarExprs = expressions_;
  }

 private:
  std::array<engine::Extended, engine::VariableCount + 1> values_ = engine::VarValues;
  std::array<std::string, engine::VariableCount + 1> expressions_ = engine::VarExprs;
};

TEST_F(AppFilesFuzz, HostileHistoryFiles)
{
  const std::vector<std::string> valid = {"3\r\n1+2\r\nsin(x)\r\n\xb2\r\n2\r\n3\r\n-0\r\n", "0\r\n0\r\n", "1\n2\n1\n3"};
  for (const std::string& bytes : testsupport::HostileFiles(valid))
    fuzz::HistoryFileTarget(bytes);
}

TEST_F(AppFilesFuzz, HostileVariablesFiles)
{
  std::string valid;
  for (const char* value : {"1", "-2.5", "1E4931", "3.64519953188247460E-4951", "0", "-0", "1E-10", "7", "8", "9"})
    valid += std::string("   ") + value + "\r\n";
  for (const char* expression : {"x+1", "", "sin(a)", "\xb2", "b", "c", "d", "e", "f", "g"})
    valid += std::string(expression) + "\r\n";
  for (const std::string& bytes : testsupport::HostileFiles({valid}))
    fuzz::VariablesFileTarget(bytes);
}

TEST_F(AppFilesFuzz, HostileUserVariablesFiles)
{
  const std::vector<std::string> valid = {"alpha = 1.5\r\nbeta = -2E-300\r\n\r\ngamma=0\r\n",
                                          "a = 1\nb = 2\rc = 3", "x1 = 1E4932\r\n"};
  for (const std::string& bytes : testsupport::HostileFiles(valid))
    fuzz::UserVariablesFileTarget(bytes);
}

TEST_F(AppFilesFuzz, HostileFunctionsFiles)
{
  const std::vector<std::string> valid = {"SQ(a)=a*a\r\n; a comment\r\nHYP(a,b)=sqrt(a\xb2+b\xb2)\r\nK()=2\r\n",
                                          "F(x,y,z)=x+y+z\nG(x)=F(x,x,x)\n"};
  for (const std::string& bytes : testsupport::HostileFiles(valid))
    fuzz::FunctionsFileTarget(bytes);
}

TEST_F(AppFilesFuzz, HostileSettingsFiles)
{
  const std::vector<std::string> valid = {
      "[Calc Settings]\r\nNotation=1\r\nAngle=0\r\nDigits=14\r\nPrecison=9\r\nAssistant=1\r\nHint=0\r\n"
      "ShowComp=1\r\n\r\n[Files]\r\nVariables=/tmp/a.USR\r\n\r\n[Graphics]\r\nPlot Type=2\r\nXx min=-10\r\n"
      "Yx min=10\r\nXy min=-1\r\nYy min=1\r\nLegend=\r\nTitle=f()\r\nX axis=X\r\nY axis=Y\r\nStepX0=200\r\n"
      "StepY1=40\r\n\r\n[Calc]\r\nLeft=10\r\nTop=20\r\n"};
  for (const std::string& bytes : testsupport::HostileFiles(valid, 300))
    fuzz::SettingsFileTarget(bytes);
}

}  // namespace

namespace {

// A value text beyond the 255 characters read is no number, not the number its first 255 make.
TEST(UserVariablesFileLimits, AValueBeyondTheReadLimitIsNoNumber)
{
  struct Case {
    std::string value;
    bool read;
  } const cases[] = {
      {"1" + std::string(254, '0'), true},
      {std::string(250, ' ') + "2.5" + std::string(50, ' '), true},
      {"1" + std::string(300, '0'), false},
      {"1" + std::string(253, '0') + "E-300", false},
      {"0." + std::string(260, '0') + "1", false},
  };
  for (const Case& c : cases) {
    QString error;
    const auto read = app::ParseUserVariableLines({"a = 1", "big =" + c.value, "b = 2"}, error);
    EXPECT_EQ(read.size(), c.read ? 3u : 1u) << c.value.size();
    EXPECT_EQ(error.isEmpty(), c.read) << c.value.size();
  }
}

}  // namespace
