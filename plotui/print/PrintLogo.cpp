#include "plotui/print/PrintLogo.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"
#include "plot/support/GraphMemIniFile.h"
#include "plot/support/PrinterServices.h"

#include "platform/Canvas.h"
#include "platform/CanvasRounding.h"
#include "platform/Picture.h"
#include "platform/ProgramFolder.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace plotui {

namespace {

using platform::SafeRound;
using platform::TRect;

bool Previewing() { return plot::GraphLibrary().PrintPreviewing; }

QString NowText()
{
  const QLocale locale = QLocale::system();
  const QDateTime now = QDateTime::currentDateTime();
  return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(now.time(), QLocale::LongFormat);
}

}  // namespace

TLogoPicture PlaceLogoPicture(const TRect& block, int bitmapWidth, int bitmapHeight)
{
  const int h = block.Height();
  if (bitmapWidth <= 0 || bitmapHeight <= 0 || h <= 0)
    return {{block.Left, block.Top, block.Left, block.Bottom}, {}};
  // A picture wider than the block keeps to half of it, so the text has the other half.
  const int areaWidth = std::min(SafeRound(double(bitmapWidth) * h / bitmapHeight), std::max(block.Width() / 2, 1));
  double s = 1;
  while (h > bitmapHeight * s)
    s *= 2;
  while (h < bitmapHeight * s)
    s /= 2;
  while (bitmapWidth * s > areaWidth && s > 1.0 / 65536)
    s /= 2;
  const int left = block.Left + SafeRound((areaWidth - bitmapWidth * s) / 2);
  const int top = block.Top + SafeRound((h - bitmapHeight * s) / 2);
  return {{block.Left, block.Top, block.Left + areaWidth, block.Bottom},
          {left, top, left + SafeRound(bitmapWidth * s), top + SafeRound(bitmapHeight * s)}};
}

std::vector<int> LogoLineTops(int blockHeight, const std::vector<int>& lineHeights)
{
  const int total = std::accumulate(lineHeights.begin(), lineHeights.end(), 0);
  const bool fits = total < blockHeight;
  const double r = fits ? 1.0 : double(blockHeight) / total;
  int y = fits ? (blockHeight - total) / 2 : 0;
  std::vector<int> tops;
  for (const int height : lineHeights) {
    tops.push_back(y);
    y += SafeRound(height * r);
  }
  return tops;
}

platform::TFontStyles FontStyleFromLetters(const QString& letters)
{
  platform::TFontStyles style = 0;
  if (letters.contains(QLatin1Char('B')))
    style |= platform::fsBold;
  if (letters.contains(QLatin1Char('I')))
    style |= platform::fsItalic;
  if (letters.contains(QLatin1Char('U')))
    style |= platform::fsUnderline;
  return style;
}

QString FontStyleLetters(platform::TFontStyles style)
{
  QString letters;
  if (style & platform::fsBold)
    letters += QLatin1Char('B');
  if (style & platform::fsItalic)
    letters += QLatin1Char('I');
  if (style & platform::fsUnderline)
    letters += QLatin1Char('U');
  return letters;
}

TPrintLogo::TPrintLogo(const plot::TGraph* graph, const QString& sectionName, const QString& fileName)
    : TPrintLogo(graph, sectionName, fileName, true)
{
}

TPrintLogo::TPrintLogo(const plot::TGraph* graph, const QString& sectionName, const QString& fileName, bool load)
    : SectionName(sectionName), FileName(fileName), graph_(graph)
{
  if (load)
    Load();
}

TPrintLogo TPrintLogo::CreateComment(const plot::TGraph* graph, const QStringList& lines, const QString& fileName)
{
  TPrintLogo logo(graph, kCommentLogo, fileName, false);
  logo.Lines = lines;
  const plot::TGraphMemIniFile ini(logo.SettingsFile());
  logo.ReadFont(ini, QStringLiteral("Arial"));
  return logo;
}

QString TPrintLogo::SettingsFile() const
{
  if (!FileName.isEmpty() || !graph_)
    return FileName;
  return graph_->IniFileName;
}

void TPrintLogo::ReadFont(const plot::TCustomGraphIniFile& ini, const QString& defaultName)
{
  Font.SetName(ini.ReadString(SectionName, QStringLiteral("FontName"), defaultName));
  const int size = ini.ReadInteger(SectionName, QStringLiteral("FontSize"), 10);
  Font.SetSize(Previewing() ? size / 2 : size);
  Font.SetColor(platform::TColor(ini.ReadInteger(SectionName, QStringLiteral("FontColor"), 0)));
  Font.SetStyle(FontStyleFromLetters(ini.ReadString(SectionName, QStringLiteral("FontStyle"), {})));
  if (graph_)
    Font.SetCharset(graph_->Charset);
  Justify = ini.ReadInteger(SectionName, QStringLiteral("LinesJustify"), 0);
}

bool TPrintLogo::LoadBitmap(const QString& fileName)
{
  try {
    platform::TBitmap bitmap;
    bitmap.LoadFromFile(fileName);
    Bitmap = bitmap;
    return true;
  } catch (const platform::EInvalidGraphic&) {
    // A file that is no picture prints as a block without one.
    ClearBitmap();
    return false;
  }
}

void TPrintLogo::ClearBitmap()
{
  if (!Bitmap.Empty())
    Bitmap = platform::TBitmap();
}

void TPrintLogo::LoadProgramTitle()
{
  const plot::TProgramTitleDefaults& title = plot::GraphLibrary().ProgramTitleDefaults;
  const QString picture = platform::ProgramFolder() + title.PictureFile;
  if (!title.PictureFile.isEmpty() && QFileInfo(picture).isFile())
    LoadBitmap(picture);
  else
    ClearBitmap();
  Lines.clear();
  for (const QString& line : title.Lines)
    if (!line.isEmpty())
      Lines << line;
  Font.SetName(title.FontName);
  if (graph_)
    Font.SetCharset(graph_->Charset);
  Font.SetSize(Previewing() ? title.FontSize / 2 : title.FontSize);
  Font.SetColor(platform::clBlack);
  Font.SetStyle(FontStyleFromLetters(title.FontStyle));
  Justify = title.Justify;
}

void TPrintLogo::Load()
{
  if (SectionName == kSystemLogo) {
    LoadProgramTitle();
    return;
  }
  const plot::TGraphMemIniFile ini(SettingsFile());
  ImageFileName = ini.ReadString(SectionName, QStringLiteral("LogoImage"), {});
  if (!ImageFileName.isEmpty() && QFileInfo(ImageFileName).isFile()) {
    LoadBitmap(ImageFileName);
  } else {
    ImageFileName.clear();
    ClearBitmap();
  }
  Lines.clear();
  const int count = ini.ReadInteger(SectionName, QStringLiteral("LogoLines"), 0);
  for (int i = 0; i < count; ++i)
    Lines << ini.ReadString(SectionName, QStringLiteral("LogoLine") + QString::number(i), {});
  if (SectionName == kProjectLogo && Lines.isEmpty() && Bitmap.Empty())
    Lines << QStringLiteral("Date: ") + NowText();
  ReadFont(ini, SectionName == kCommentLogo ? QStringLiteral("Arial") : QStringLiteral("Times New Roman"));
}

void TPrintLogo::Save() const
{
  plot::TGraphMemIniFile ini(SettingsFile());
  ini.WriteString(SectionName, QStringLiteral("LogoImage"), ImageFileName);
  if (SectionName != kCommentLogo) {
    ini.WriteInteger(SectionName, QStringLiteral("LogoLines"), int(Lines.size()));
    for (int i = 0; i < Lines.size(); ++i)
      ini.WriteString(SectionName, QStringLiteral("LogoLine") + QString::number(i), Lines[i]);
  }
  ini.WriteString(SectionName, QStringLiteral("FontName"), Font.Name());
  ini.WriteInteger(SectionName, QStringLiteral("FontSize"), Font.Size());
  ini.WriteInteger(SectionName, QStringLiteral("FontColor"), int(Font.Color()));
  ini.WriteString(SectionName, QStringLiteral("FontStyle"), FontStyleLetters(Font.Style()));
  ini.WriteInteger(SectionName, QStringLiteral("LinesJustify"), Justify);
  ini.UpdateFile();
}

void TPrintLogo::Draw()
{
  if (!Canvas)
    return;
  platform::TCanvas& canvas = *Canvas;
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  canvas.Brush().SetColor(platform::clWhite);
  canvas.Pen().SetColor(Borders ? platform::clBlack : platform::clWhite);
  canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
  canvas.Rectangle(LogoRect);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);

  const TLogoPicture picture = PlaceLogoPicture(LogoRect, Bitmap.Width(), Bitmap.Height());
  if (!Bitmap.Empty() && !picture.Bitmap.IsEmpty()) {
    if (!plot::PrinterPrinting() || !plot::PrintBitmap(picture.Bitmap, Bitmap))
      canvas.StretchDraw(picture.Bitmap, Bitmap);
  }
  const int textLeft = picture.Area.Right;
  const int textRight = LogoRect.Right;

  canvas.Font().Assign(Font);
  if (Previewing())
    canvas.Font().SetSize(Font.Size() * 2);
  std::vector<int> heights;
  for (const QString& line : Lines)
    heights.push_back(canvas.TextHeight(line));
  const std::vector<int> tops = LogoLineTops(LogoRect.Height(), heights);
  canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
  for (int i = 0; i < Lines.size(); ++i) {
    const int width = canvas.TextWidth(Lines[i]);
    int x = textLeft + 2;
    if (Justify == 1)
      x = textRight - width - 5 + 2;
    else if (Justify == 2)
      x = (textLeft + textRight - width) / 2 + 2;
    canvas.TextOut(x, LogoRect.Top + tops[std::size_t(i)], Lines[i]);
  }
}

}  // namespace plotui
