// forJtoKstepMdo(E): E evaluated for J = J, J+M, ... while J <= K (at least once).
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionText.h"
#include "engine/UserBreak.h"
#include "engine/Variables.h"

namespace engine {

namespace {

constexpr int VarJ = 7;
constexpr int VarK = 8;
constexpr int VarM = 9;

// The step must carry J past K.
bool StepAdvances()
{
  const Extended j = VarValues[VarJ];
  return VarValues[VarM] > 0 && j + VarValues[VarM] != j;
}

}  // namespace

Extended RunForLoop(int keywordPos, int keywordSpan)
{
  for (const int i : {VarJ, VarK, VarM}) {
    if (VarValues[i] == UndefinedValue && !AskVariableValue(i)) {
      SetEvalErrorAt(ecUserBreak, keywordPos, keywordSpan);
      return 0;
    }
  }
  ReadChar();
  FunctionText body(VarJ);
  Extended value = 0;
  do {
    if (!StepAdvances()) {
      SetEvalErrorAt(ecIntervalError, keywordPos, keywordSpan);
      return 0;
    }
    value = body.Evaluate();
    if (ErrorFlag)
      return 0;
    LastResult = value;
    if (PumpAndCheckBreak())
      return 0;
    VarValues[VarJ] += VarValues[VarM];
  } while (VarValues[VarJ] <= VarValues[VarK]);
  return value;
}

}  // namespace engine
