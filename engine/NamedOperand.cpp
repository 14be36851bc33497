#include "engine/NamedOperand.h"

#include "engine/CharClasses.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionTable.h"

namespace engine {

namespace {

constexpr std::size_t MaxNameLength = 21;

bool EqualsUpper(std::string_view upperName, std::string_view tableName)
{
  if (upperName.size() != tableName.size())
    return false;
  for (std::size_t i = 0; i < upperName.size(); ++i)
    if (upperName[i] != static_cast<char>(ToUpperAscii(static_cast<unsigned char>(tableName[i]))))
      return false;
  return true;
}

// The first table entry with this name: kind 0 entries compare without the terminator.
int FindBuiltinCode(const std::string& name)
{
  const std::string_view withoutTerminator = std::string_view(name).substr(0, name.size() - 1);
  for (const TFunctionEntry& entry : FunctionTable())
    if (EqualsUpper(entry.ArgKind == akNone ? withoutTerminator : std::string_view(name), entry.Name))
      return entry.Code;
  return NoNameCode;
}

// The span of a name from its start, without its terminator.
int NameSpan(int nameStart)
{
  return ExprPos - nameStart + (ExprChar == EndMarker ? 1 : 0);
}

}  // namespace

int ParseName(int& nameStart)
{
  nameStart = ExprPos;
  std::string name;
  for (;;) {
    if (name.size() < MaxNameLength)
      name += static_cast<char>(ToUpperAscii(ExprChar));
    if (IsNameTerminator(ExprChar))
      break;
    ReadChar();
  }
  if (name == "FORJTOKSTEPMDO(")
    return LoopKeywordCode;
  const int code = FindBuiltinCode(name);
  if (code != NoNameCode)
    return code;
  SetEvalErrorAt(ecSyntax, nameStart, NameSpan(nameStart));
  return NoNameCode;
}

void ParseNamedOperand(Extended& value, int sign)
{
  int nameStart = 0;
  const int code = ParseName(nameStart);
  if (ErrorFlag)
    return;
  // The names' computations come with the function table; until then every name is unknown.
  (void)value;
  (void)sign;
  (void)code;
  SetEvalErrorAt(ecSyntax, nameStart, NameSpan(nameStart));
}

}  // namespace engine
