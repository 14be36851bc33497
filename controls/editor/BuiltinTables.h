#pragma once
// The built-in command tables "Default", "WordStar" and "Grid".

#include "controls/editor/CommandRow.h"

#include <span>
#include <string_view>

namespace controls {

std::span<const TOvcCmdRow> DefaultCommandRows();
std::span<const TOvcCmdRow> WordStarCommandRows();
std::span<const TOvcCmdRow> GridCommandRows();
// The built-in rows of a table name (any case), or an empty span for another name.
std::span<const TOvcCmdRow> BuiltinRowsOf(std::string_view tableName);

}  // namespace controls
