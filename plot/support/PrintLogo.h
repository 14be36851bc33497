#pragma once
// The default contents of the four logo blocks of the print layout.

#include <QString>
#include <array>

namespace plot {

struct TLogoBlock {
  std::array<QString, 6> Lines;
  QString FontName;
  int FontSize = 10;
};

inline std::array<TLogoBlock, 4> DefaultLogoBlocks()
{
  std::array<TLogoBlock, 4> blocks;
  for (TLogoBlock& block : blocks)
    block.FontName = QStringLiteral("Times New Roman");
  blocks[0].Lines[0] = QStringLiteral("Visual component v.1.0");
  return blocks;
}

}  // namespace plot
