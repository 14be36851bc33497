#include "engine/ExpressionCompiler.h"

#include "engine/BuiltinFunctions.h"
#include "engine/CharClasses.h"
#include "engine/EngineState.h"
#include "engine/Evaluator.h"
#include "engine/FunctionTable.h"
#include "engine/ListFunctions.h"
#include "engine/NamedOperand.h"
#include "engine/ScannerState.h"
#include "engine/Variables.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace engine {

namespace {

// Far below the evaluator's own limit, so that no compiled text comes near it.
constexpr int MaxCompiledNesting = 200;

bool IsConstantCode(int code)
{
  return code == 28 || code == 29 || code == 30;  // the pilcrow, pi, e
}

bool IsCompiledFunction(const TFunctionEntry& entry)
{
  return (entry.ArgKind == akOne || entry.ArgKind == akTwo) && entry.Code != fcIf && entry.Code != fcSolve &&
         entry.Code != fcIntegral && entry.Code != fcMin && entry.Code != fcMax && !IsListFunction(entry.Code);
}

// The error state that compiling may disturb (number literals, constants), put back on exit.
class ErrorStateGuard {
public:
  ErrorStateGuard()
      : flag_(ErrorFlag), code_(ErrorCode), pos_(ErrorPos), span_(ErrorSpan), lastResult_(LastResult)
  {
    ErrorFlag = false;
  }
  ~ErrorStateGuard()
  {
    ErrorFlag = flag_;
    ErrorCode = code_;
    ErrorPos = pos_;
    ErrorSpan = span_;
    LastResult = lastResult_;
  }
  ErrorStateGuard(const ErrorStateGuard&) = delete;
  ErrorStateGuard& operator=(const ErrorStateGuard&) = delete;

private:
  bool flag_;
  int code_;
  int pos_;
  int span_;
  Extended lastResult_;
};

// Walks the text with the evaluator's own scanner, step for step as the evaluator's grammar does,
// and emits the steps in the order the evaluator computes them. Each method returns false to decline.
class Compiler {
public:
  explicit Compiler(TCompiledProgram& program) : program_(program) {}

  bool Expression()
  {
    if (!Term())
      return false;
    while (ExprChar == '+' || ExprChar == '-') {
      const TStep step = ExprChar == '+' ? TStep::Add : TStep::Subtract;
      ReadChar();
      if (IsAddOp(ExprChar) || IsMulOp(ExprChar) || ExprChar == '^')
        return false;
      if (!Term())
        return false;
      Emit(step);
    }
    return !IsAddOp(ExprChar);  // the bit operators are not compiled
  }

  bool Finished() const { return ExprChar == EndMarker && stack_ == 1 && deepest_ <= MaxProgramStack; }

private:
  bool Term()
  {
    const unsigned char first = ExprStart >= 1 && ExprStart <= static_cast<int>(ExprString->size())
                                    ? static_cast<unsigned char>(ExprString[ExprStart - 1])
                                    : 0;
    if (ExprPos == ExprStart && (first == '%' || first == '&' || first == '\\' || first == '^' ||
                                 first == '|' || first == chSquare || first == chCube))
      return false;
    bool negative = false;
    if (ExprChar == '+' || ExprChar == '-') {
      negative = ExprChar == '-';
      ReadChar();
      if (IsAddOp(ExprChar))
        return false;
    }
    if (!Factor())
      return false;
    if (negative)
      Emit(TStep::Negate);
    if (ExprChar != ')' && ExprChar != EndMarker && !IsMulOp(ExprChar) && !IsAddOp(ExprChar))
      return ArgListDepth > 0;
    while (IsMulOp(ExprChar)) {
      const TStep step = ExprChar == '*' ? TStep::Multiply : ExprChar == '/' ? TStep::Divide : TStep::Percent;
      ReadChar();
      if (IsAddOp(ExprChar) || ExprChar == '^')
        return false;
      if (!Factor())
        return false;
      Emit(step);
    }
    return true;
  }

  bool Factor()
  {
    if (++depth_ > MaxCompiledNesting)
      return false;
    const bool done = FactorBody();
    --depth_;
    return done;
  }

  bool FactorBody()
  {
    bool negative = false;
    if (ExprChar == '+' || ExprChar == '-') {
      negative = ExprChar == '-';
      ReadChar();
      if (ExprChar == '+' || ExprChar == '-')
        return false;
    }
    const unsigned char c = ExprChar;
    if (c == '.' || IsDigit(c)) {
      if (!Number(negative) || !AfterOperand())
        return false;
    } else if (c == '(') {
      ReadChar();
      ExprStart = ExprPos;
      if (!Expression() || ExprChar != ')')
        return false;
      ReadChar();
      if (negative)
        Emit(TStep::Negate);
    } else if (IsLetter(c) || c == chPilcrow) {
      if (!NamedOperand(negative))
        return false;
    } else {
      return false;
    }
    return Postfix();
  }

  bool Number(bool negative)
  {
    Extended value = 0;
    ParseNumber(value);
    if (ErrorFlag)
      return false;
    EmitConstant(value);
    if (negative)
      Emit(TStep::Negate);
    return true;
  }

  bool NamedOperand(bool negative)
  {
    const TCollectedName collected = CollectName();
    const std::string_view name = collected.View();
    const TFunctionEntry* entry = FindFunctionEntry(name);
    if (name == "FORJTOKSTEPMDO(" || entry == nullptr)
      return false;
    const int code = entry->Code;
    if (code >= fcFirstVariable && code <= fcLastVariable) {
      if (ExprChar == '=')
        return false;
      TProgramStep step;
      step.Step = TStep::Variable;
      step.Index = code - fcFirstVariable + 1;
      Push(step);
      program_.VariableReads.push_back(step.Index);
      program_.ReadNames.emplace_back(1, VarName(step.Index));
    } else if (IsConstantCode(code)) {
      // Called at each point as the text evaluator calls it: the call also clears ErrorCode.
      TProgramStep step;
      step.Step = TStep::Call;
      step.Index = code;
      Push(step);
    } else if (IsCompiledFunction(*entry)) {
      if (!Call(*entry))
        return false;
    } else {
      return false;
    }
    if (negative)
      Emit(TStep::Negate);
    return AfterOperand();
  }

  bool Call(const TFunctionEntry& entry)
  {
    ++ArgListDepth;
    int arguments = 1;
    ReadChar();
    if (!Expression())
      return false;
    if (ExprChar == ',') {
      if (entry.ArgKind != akTwo)
        return false;
      ReadChar();
      if (!Expression() || ExprChar == ',')
        return false;
      arguments = 2;
    }
    if (ExprChar != ')')
      return false;
    ReadChar();
    --ArgListDepth;
    TProgramStep step;
    step.Step = TStep::Call;
    step.Index = entry.Code;
    step.Arguments = static_cast<std::uint8_t>(arguments);
    step.Function = arguments == 1 ? DirectBuiltinFunction(entry.Code) : nullptr;
    if (step.Function != nullptr)
      step.Step = TStep::Direct;
    stack_ -= arguments;
    Push(step);
    return true;
  }

  bool Postfix()
  {
    if (ExprChar == '^') {
      ReadChar();
      const unsigned char c = ExprChar;
      if (c == '%' || c == '&' || c == '\\' || c == '^' || c == '|' || IsPostfixSign(c) || IsMulOp(c))
        return false;
      const std::size_t before = program_.Steps.size();
      if (!Factor())
        return false;
      int n = 0;
      if (program_.Steps.size() == before + 1 && program_.Steps.back().Step == TStep::Constant &&
          SmallWholeExponent(program_.Steps.back().Constant, n)) {
        // x^2 and the like: the constant exponent goes into the step.
        TProgramStep& step = program_.Steps.back();
        step = TProgramStep{};
        step.Step = TStep::WholePower;
        step.Index = n;
        --stack_;
      } else {
        Emit(TStep::Power);
      }
    }
    if (ExprChar == chSquare) {
      Emit(TStep::Square);
      ReadChar();
    }
    if (ExprChar == chRoot) {
      Emit(TStep::Root);
      ReadChar();
    }
    if (ExprChar == chCube) {
      Emit(TStep::Cube);
      ReadChar();
    }
    return true;
  }

  // The characters the evaluator lets follow an operand.
  static bool AfterOperand()
  {
    const unsigned char c = ExprChar;
    return IsAddOp(c) || IsMulOp(c) || c == ')' || c == ',' || c == '^' || c == EndMarker || IsPostfixSign(c);
  }

  void EmitConstant(Extended value)
  {
    TProgramStep step;
    step.Constant = value;
    Push(step);
  }

  void Emit(TStep kind)
  {
    TProgramStep step;
    step.Step = kind;
    if (kind != TStep::Negate && kind != TStep::Square && kind != TStep::Root && kind != TStep::Cube)
      --stack_;
    program_.Steps.push_back(step);
  }

  void Push(const TProgramStep& step)
  {
    deepest_ = std::max(deepest_, ++stack_);
    program_.Steps.push_back(step);
  }

  TCompiledProgram& program_;
  int stack_ = 0;
  int depth_ = 0;
  int deepest_ = 0;
};

// sin(v) and cos(v) of the same variable, both in one program: each pair of steps becomes one that
// computes both at once.
void JoinSineAndCosine(TCompiledProgram& program)
{
  std::vector<TProgramStep>& steps = program.Steps;
  auto circularOf = [&](std::size_t k, int code) {
    return k + 1 < steps.size() && steps[k].Step == TStep::Variable && steps[k + 1].Step == TStep::Direct &&
           steps[k + 1].Index == code;
  };
  unsigned withSine = 0;
  unsigned withCosine = 0;
  for (std::size_t k = 0; k < steps.size(); ++k) {
    if (circularOf(k, fcSin))
      withSine |= 1u << steps[k].Index;
    if (circularOf(k, fcCos))
      withCosine |= 1u << steps[k].Index;
  }
  const unsigned both = withSine & withCosine;
  if (both == 0)
    return;
  std::vector<TProgramStep> joined;
  for (std::size_t k = 0; k < steps.size(); ++k) {
    const bool sine = circularOf(k, fcSin);
    if ((sine || circularOf(k, fcCos)) && (both & (1u << steps[k].Index)) != 0) {
      TProgramStep step;
      step.Step = sine ? TStep::SineOfVariable : TStep::CosineOfVariable;
      step.Index = steps[k].Index;
      joined.push_back(step);
      ++k;
    } else {
      joined.push_back(steps[k]);
    }
  }
  steps = std::move(joined);
}

}  // namespace

bool CompileExpression(const std::string& stripped, TCompiledProgram& program)
{
  program = {};
  if (stripped.empty() || NumberBase != nbDecimal)
    return false;
  const ScannerState outer;
  const ErrorStateGuard errors;
  ExprString = stripped;
  ExprStart = 1;
  ExprPos = 0;
  ArgListDepth = 0;
  ReadChar();
  Compiler compiler(program);
  const bool compiled = compiler.Expression() && compiler.Finished() && !ErrorFlag;
  if (!compiled)
    program = {};
  else
    JoinSineAndCosine(program);
  return compiled;
}

}  // namespace engine
