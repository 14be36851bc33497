#include "app/ProgramTitle.h"

#include "plot/support/GraphLibrary.h"

namespace app {

void SetProgramTitleDefaults()
{
  plot::TProgramTitleDefaults title;
  title.Lines = {QStringLiteral("Vexal 98 v.4.1"), QStringLiteral("Scientific calculator for the desktop"),
                 QStringLiteral("1998 - 2026")};
  title.PictureFile.clear();
  title.FontName = QStringLiteral("Arial");
  title.FontSize = 10;
  title.FontStyle.clear();
  title.Justify = 0;
  plot::GraphLibrary().ProgramTitleDefaults = title;
}

}  // namespace app
