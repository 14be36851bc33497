#pragma once
// Counts one level of operand nesting (parentheses, exponents, calls) for as long as it lives.

#include "engine/Evaluator.h"

namespace engine {

class NestingLevel {
public:
  explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
  ~NestingLevel() { --depth_; }
  NestingLevel(const NestingLevel&) = delete;
  NestingLevel& operator=(const NestingLevel&) = delete;

  bool TooDeep() const { return depth_ > MaxNestingDepth; }

private:
  int& depth_;
};

// The span of a divisor that ends at lastPos in text (1-based): back to the character after "/".
inline void DivisorSpan(const std::string& text, int lastPos, int& pos, int& span)
{
  pos = lastPos;
  span = 1;
  while (pos > 1 && pos - 1 <= static_cast<int>(text.size()) && text[static_cast<std::size_t>(pos - 2)] != '/') {
    --pos;
    ++span;
  }
}

}  // namespace engine
