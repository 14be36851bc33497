// The polar plot window's commands: the 3-D, grid and legend toggles, the picture file, the print
// preview and the copies.

#include "tools/PolarPlotWindow.h"

#include "chart/output/ChartPreview.h"
#include "chart/output/PreviewPage.h"

#include "platform/HourglassCursor.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "platform/SpeedButton.h"

#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <optional>

namespace tools {

namespace {

enum class TPictureFormat { Bitmap = 1, Metafile = 2, Enhanced = 3 };

const std::array<QString, 3> kExtensions = {QStringLiteral("BMP"), QStringLiteral("WMF"), QStringLiteral("EMF")};

// The format of a typed extension; none for another one.
std::optional<TPictureFormat> FormatOfSuffix(const QString& suffix)
{
  const QString upper = suffix.toUpper();
  for (std::size_t i = 0; i < kExtensions.size(); ++i)
    if (upper == kExtensions[i])
      return TPictureFormat(i + 1);
  return std::nullopt;
}

}  // namespace

void TPolarForm::CheckItems(const char* mainItem, const char* popupItem, bool on)
{
  MenuItem(QString::fromLatin1(mainItem)).SetChecked(on);
  MenuItem(QString::fromLatin1(popupItem)).SetChecked(on);
}

void TPolarForm::miView3DClick()
{
  const bool on = !Chart1->View3D();
  Chart1->SetView3D(on);
  CheckItems("miView3D", "piView3D", on);
  for (QWidget* control : Panel2->findChildren<QWidget*>())
    control->setEnabled(on);
}

bool TPolarForm::GridsVisible() const { return Chart1->LeftAxis().Grid().Visible(); }

void TPolarForm::miGridClick()
{
  const bool on = !GridsVisible();
  Chart1->LeftAxis().Grid().SetVisible(on);
  Chart1->BottomAxis().Grid().SetVisible(on);
  Chart1->DepthAxis().Grid().SetVisible(on);
  (on ? sbGrid : sbG1)->SetDown(true);
  CheckItems("miGrid", "piGrid", on);
}

bool TPolarForm::LegendVisible() const { return Chart1->Legend().Visible(); }

void TPolarForm::miShowLegendClick()
{
  const bool on = !LegendVisible();
  Chart1->Legend().SetVisible(on);
  (on ? sbLegend : sbL1)->SetDown(true);
  CheckItems("miShowLegend", "piShowLegend", on);
}

void TPolarForm::SetTitle(const QString& text) { Chart1->Title().SetText({text}); }

QString TPolarForm::Title() const { return Chart1->Title().Text().join(QLatin1Char('\n')); }

// The typed extension decides the format; a name without one (or with another one) takes the file
// type chosen, and a name without one gets that type's extension.
void TPolarForm::SaveAs1Click()
{
  SD.Title = QStringLiteral("Save As");
  SD.Filter = QStringLiteral("Windows Bitmap|*.BMP|Windows Metafile|*.WMF|Windows Enhanced Metafile|*.EMF");
  SD.FilterIndex = std::clamp(SD.FilterIndex, 1, 3);
  SD.DefaultExt.clear();
  SD.Options = platform::ofOverwritePrompt | platform::ofPathMustExist | platform::ofHideReadOnly;
  if (!SD.Execute())
    return;
  QString fileName = SD.FileName;
  const QString suffix = QFileInfo(fileName).suffix();
  TPictureFormat format = FormatOfSuffix(suffix).value_or(TPictureFormat(SD.FilterIndex));
  if (suffix.isEmpty()) {
    fileName += QLatin1Char('.') + kExtensions[std::size_t(format) - 1];
    if (QFileInfo::exists(fileName) &&
        platform::MessageDlg(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(fileName),
                             platform::mtWarning, platform::mbYesNo) != platform::mrYes)
      return;
  }
  const platform::HourglassCursor hourglass;
  switch (format) {
    case TPictureFormat::Bitmap:
      Chart1->SaveToBitmapFile(fileName);
      break;
    case TPictureFormat::Metafile:
      Chart1->SaveToMetafile(fileName);
      break;
    case TPictureFormat::Enhanced:
      Chart1->SaveToMetafileEnh(fileName);
      break;
  }
}

void TPolarForm::Print1Click() { chart::ShowChartPreview(this, *Chart1); }

void TPolarForm::CopytoClipboardasBitmap1Click() { Chart1->CopyToClipboardBitmap(); }

void TPolarForm::CopytoClipboardasMetafile1Click() { Chart1->CopyToClipboardMetafile(true); }

}  // namespace tools
