#include "engine/ErrorText.h"

#include "engine/EngineState.h"

namespace engine {

std::string ErrorText(int code)
{
  switch (code) {
  case 0: return "Syntax error";
  case 2: return "Stack overflow";
  case 3: return "Dummy string";
  case 4: return "No possibility";
  case 6: return "Extremum not found";
  case 7: return "Scale Overflow";
  case 8: return "Argument(s) Error";
  case 9: return "Average undefined";
  case 10: return "Argument Negative";
  case 11: return "Overflow";
  case 12: return "Function singularity";
  case 13: return "Division by zero";
  case 14: return "Empty";
  case 15: return "working...";
  case 16: return "Too many \")\"";
  case 17: return "Missing \"(\"";
  case 18: return "Missing \")\"";
  case 19: return "String stack saved";
  case 20: return "\",\" expected";
  case 21: return "Interval Error";
  case 22: return "User break";
  case 23: return "Change notation";
  case 24: return "Argument out of range";
  case 25: return "Missing \";\"";
  case 26: return "Missing argument";
  case 27:
    return "User Function Error \"" + (UserFuncErrorCode == 27 ? std::string("Undefined") : ErrorText(UserFuncErrorCode)) +
           " position: " + std::to_string(UserFuncErrorPos) + "\" ";
  case 28: return "Underflow";
  default: return "Undefined";
  }
}

}  // namespace engine
