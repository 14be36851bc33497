#include "engine/FunctionTable.h"

namespace engine {

std::span<const TFunctionEntry> FunctionTable()
{
  return {};
}

}  // namespace engine
