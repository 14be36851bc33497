#include "engine/CutArgument.h"

#include "engine/EngineState.h"

namespace engine {

namespace {

// Copies from ExprPos until stopAt(c) holds at depth 1 (the construct's own parenthesis level).
template <typename StopAt>
bool Cut(int& end, std::string& text, StopAt stopAt)
{
  text.clear();
  int depth = 1;
  for (int pos = ExprPos; pos >= 1 && pos <= static_cast<int>(ExprString->size()); ++pos) {
    const auto c = static_cast<unsigned char>(ExprString[pos - 1]);
    if (c == EndMarker)
      break;
    if (depth == 1 && stopAt(c)) {
      end = pos;
      ExprPos = pos;
      ExprChar = c;
      if (!text.empty())
        return true;
      break;
    }
    if (c == '(')
      ++depth;
    else if (c == ')')
      --depth;
    text += static_cast<char>(c);
  }
  ErrorFlag = true;
  return false;
}

}  // namespace

bool CutArgument(int& end, std::string& text)
{
  return Cut(end, text, [](unsigned char c) { return c == ')' || c == ',' || c == '<' || c == '=' || c == '>'; });
}

bool CutToParenthesis(int& end, std::string& text)
{
  return Cut(end, text, [](unsigned char c) { return c == '('; });
}

}  // namespace engine
