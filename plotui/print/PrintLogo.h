#pragma once
// One title block of a printed plot page: an optional bitmap at the left and a few lines of text
// beside it in one font and justification. A block loads from its section of a settings file (the
// program title from the plotting library's defaults), draws into a rectangle of the printer's page
// or the preview's picture, and saves what its editor changed.

#include "platform/Bitmap.h"
#include "platform/CanvasTypes.h"
#include "platform/Font.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace platform {
class TCanvas;
}

namespace plot {
class TCustomGraphIniFile;
class TGraph;
}

namespace plotui {

inline const QString kSystemLogo = QStringLiteral("System LOGO");
inline const QString kOwnerLogo = QStringLiteral("Owner LOGO");
inline const QString kProjectLogo = QStringLiteral("Project LOGO");
inline const QString kCommentLogo = QStringLiteral("Comment Logo");

// The picture of a block h pixels high: the area at the block's left (at most half the block) and
// the bitmap's rectangle centred in it at a power-of-two scale that fits.
struct TLogoPicture {
  platform::TRect Area;
  platform::TRect Bitmap;
};
TLogoPicture PlaceLogoPicture(const platform::TRect& block, int bitmapWidth, int bitmapHeight);
// The tops of lines of the heights given in a block of the height given, from the block's top: centred
// when they fit, else squeezed to fill it from the top.
std::vector<int> LogoLineTops(int blockHeight, const std::vector<int>& lineHeights);

// "BIU" letters and font styles; strike-out is not kept.
platform::TFontStyles FontStyleFromLetters(const QString& letters);
QString FontStyleLetters(platform::TFontStyles style);

class TPrintLogo {
public:
  // Loads the block of the section from fileName (empty: the graph's settings file).
  TPrintLogo(const plot::TGraph* graph, const QString& sectionName, const QString& fileName = {});
  // The plot description: the lines given, the font and justification of "Comment Logo".
  static TPrintLogo CreateComment(const plot::TGraph* graph, const QStringList& lines, const QString& fileName = {});

  void Load();
  void Save() const;
  void Draw();
  // A bitmap file for the block: true when it was read; a file that is no picture leaves the block without.
  bool LoadBitmap(const QString& fileName);
  void ClearBitmap();

  platform::TRect LogoRect;
  platform::TCanvas* Canvas = nullptr;
  bool Borders = true;  // outline in black, else in white
  platform::TBitmap Bitmap;
  QString ImageFileName;
  platform::TFont Font;
  int Justify = 0;
  QString SectionName;
  QString FileName;
  QStringList Lines;

private:
  TPrintLogo(const plot::TGraph* graph, const QString& sectionName, const QString& fileName, bool load);
  QString SettingsFile() const;
  void LoadProgramTitle();
  void ReadFont(const plot::TCustomGraphIniFile& ini, const QString& defaultName);

  const plot::TGraph* graph_;
};

}  // namespace plotui
