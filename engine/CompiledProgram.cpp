#include "engine/CompiledProgram.h"

#include "engine/BuiltinFunctions.h"
#include "engine/EngineState.h"
#include "engine/Evaluator.h"
#include "engine/Variables.h"

#include <array>
#include <cmath>

namespace engine {

namespace {

// What the text evaluator rejects after + - * / % and the postfix squares.
bool InRange(Extended value)
{
  return !std::isnan(value) && !std::isinf(value);
}

}  // namespace

bool RunProgram(const TCompiledProgram& program, Extended& value)
{
  std::array<Extended, MaxProgramStack> stack;
  int top = -1;
  // sin and cos of the variables computed so far, by variable.
  std::array<Extended, VariableCount + 1> sines;
  std::array<Extended, VariableCount + 1> cosines;
  unsigned circularDone = 0;
  // The state of the current context, fetched once for the whole program.
  TContextState& state = CurrentState();
  for (const TProgramStep& step : program.Steps) {
    switch (step.Step) {
    case TStep::Constant:
      stack[++top] = step.Constant;
      break;
    case TStep::Variable:
      if (state.VarValues[step.Index] == UndefinedValue)
        return false;
      stack[++top] = state.VarValues[step.Index];
      break;
    case TStep::Negate:
      stack[top] *= -1;
      break;
    case TStep::Add:
      --top;
      stack[top] = stack[top] + stack[top + 1];
      if (!InRange(stack[top]))
        return false;
      break;
    case TStep::Subtract:
      --top;
      stack[top] = stack[top] - stack[top + 1];
      if (!InRange(stack[top]))
        return false;
      break;
    case TStep::Multiply:
      --top;
      stack[top] *= stack[top + 1];
      if (!InRange(stack[top]))
        return false;
      break;
    case TStep::Divide:
      --top;
      if (stack[top + 1] == 0)
        return false;
      stack[top] /= stack[top + 1];
      if (!InRange(stack[top]))
        return false;
      break;
    case TStep::Percent:
      --top;
      stack[top] = stack[top] * stack[top + 1] / 100;
      if (!InRange(stack[top]))
        return false;
      break;
    case TStep::Power:
      --top;
      stack[top] = EvalPower(stack[top], stack[top + 1]);
      if (state.ErrorFlag)
        return false;
      break;
    case TStep::WholePower:
      stack[top] = EvalWholePower(stack[top], step.Index);
      if (state.ErrorFlag)
        return false;
      break;
    case TStep::Square:
      stack[top] *= stack[top];
      if (!InRange(stack[top]))
        return false;
      break;
    case TStep::Root:
      if (stack[top] < 0)
        return false;
      stack[top] = std::sqrt(stack[top]);
      break;
    case TStep::Cube:
      stack[top] = stack[top] * stack[top] * stack[top];
      if (!InRange(stack[top]))
        return false;
      break;
    case TStep::Call: {
      Extended x = 0;
      Extended y = UndefinedValue;
      if (step.Arguments == 0) {
        ++top;
      } else {
        top -= step.Arguments - 1;
        x = stack[top];
        if (step.Arguments > 1)
          y = stack[top + 1];
      }
      stack[top] = CallBuiltinFunction(step.Index, x, y);
      if (state.ErrorFlag)
        return false;
      break;
    }
    case TStep::SineOfVariable:
    case TStep::CosineOfVariable: {
      const int i = step.Index;
      state.ErrorCode = 0;
      if ((circularDone & (1u << i)) == 0) {
        if (state.VarValues[i] == UndefinedValue)
          return false;
        SineAndCosine(state.VarValues[i], sines[i], cosines[i]);
        if (state.ErrorFlag)
          return false;
        circularDone |= 1u << i;
      }
      stack[++top] = step.Step == TStep::SineOfVariable ? sines[i] : cosines[i];
      break;
    }
    case TStep::Direct:
      state.ErrorCode = 0;
      stack[top] = step.Function(stack[top]);
      if (state.ErrorFlag || !InRange(stack[top]))
        return false;
      break;
    }
  }
  value = stack[0];
  return true;
}

}  // namespace engine
