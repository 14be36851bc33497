// The plot's properties dialog run: the plot's switches applied, then its last page and live state
// kept for the next run.
#include "plotui/Plot.h"
#include "plotui/properties/AxisPage.h"
#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/SettingsPage.h"

#include "platform/Application.h"
#include "platform/PageControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace plotui {

namespace {

constexpr int kListedPages = 10;

void ApplySwitches(const TPlotProperties& s, TfmGraphProperties& d)
{
  if (s.DisabledAxis2Tab)
    d.tsAxis2->SetTabVisible(false);
  if (s.DisabledAxisTab)
    d.tsAxis->SetTabVisible(false);
  if (s.DisabledOperationsTab)
    d.tsOperations->SetTabVisible(false);
  if (s.DisabledInfoTab)
    d.tsInfo->SetTabVisible(false);
  d.Settings->lbView3D->setEnabled(!s.Disabled3D);
  d.Settings->edView3D->setEnabled(!s.Disabled3D);
  d.Axes->gbXAxis->chLogarithm->setEnabled(!s.DisabledXAxisLog);
  d.Axes->GroupBox3->chLogarithm->setEnabled(!s.DisabledYAxisLog);
  d.Axes->gbXAxis->chInvert->setEnabled(!s.DisabledXAxisInvert);
  d.Axes->GroupBox3->chInvert->setEnabled(!s.DisabledYAxisInvert);
  d.SeriesStyleDisabled = s.DisabledSeriesStyle;
  d.SeriesOrderDisabled = s.DisabledSeriesOrder;
  d.Settings->gbZoom->setEnabled(!s.DisabledZoom);
  d.Settings->gbPicture->setEnabled(!s.DisabledPicture);
  d.Settings->lbBarStyle->setEnabled(!s.DisabledBarStyle);
  d.Settings->cbBarStyle->setEnabled(!s.DisabledBarStyle);
}

}  // namespace

void TPlot::ShowProperties()
{
  TfmGraphProperties dialog(window());
  ApplySwitches(PropertiesControl, dialog);
  dialog.cbAutoApply->setChecked(liveUpdate_);
  if (LastPropertiesPage >= 0 && LastPropertiesPage < kListedPages)
    dialog.pcProperties->SetActivePageIndex(LastPropertiesPage);
  dialog.btHelp->setVisible(QFileInfo(platform::ProgramFolder() + QStringLiteral("Plot.HLP")).isFile());
  // The dialog paints its changes itself while it runs.
  struct TRestoreLive {
    bool& flag;
    bool was;
    ~TRestoreLive() { flag = was; }
  } restore{liveUpdate_, liveUpdate_};
  liveUpdate_ = false;
  dialog.Execute(*this, *Graph);
  restore.was = dialog.cbAutoApply->isChecked();
  const int page = dialog.pcProperties->ActivePageIndex();
  if (page >= 0 && page < kListedPages)
    LastPropertiesPage = page;
}

}  // namespace plotui
