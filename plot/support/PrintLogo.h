#pragma once
// The program-title block of printed plots: what the program fills in at start-up and every printed
// page's program title shows.

#include <QString>
#include <array>

namespace plot {

struct TProgramTitleDefaults {
  std::array<QString, 6> Lines{QStringLiteral("Visual component v.1.0")};
  QString PictureFile;  // relative to the program's folder; empty: no picture
  QString FontName = QStringLiteral("Times New Roman");
  int FontSize = 10;
  QString FontStyle;  // letters "B", "I", "U"
  int Justify = 0;    // 0 left, 1 right, 2 centred
};

}  // namespace plot
