#include "plotui/properties/GraphProperties.h"

#include "plotui/Plot.h"
#include "plotui/properties/AxisPage.h"
#include "plotui/properties/ColorMapPage.h"
#include "plotui/properties/LegendsPage.h"
#include "plotui/properties/PropertiesValidators.h"
#include "plotui/properties/PropertiesWidgets.h"
#include "plotui/properties/SeriesPage.h"
#include "plotui/properties/SettingsPage.h"
#include "plotui/properties/TitlesPage.h"

#include "plot/graph/Graph.h"

#include "platform/CheckListBox.h"
#include "platform/PageControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plotui {

namespace {

platform::TTabSheet& AddSheet(platform::TPageControl& pages, const char* name, const QString& caption)
{
  platform::TTabSheet& sheet = pages.AddPage(QLatin1String(name), caption);
  sheet.setObjectName(QLatin1String(name));
  return sheet;
}

template <typename Page>
Page* PlacePage(platform::TTabSheet& sheet, TfmGraphProperties& dialog)
{
  auto* page = new Page(dialog, &sheet);
  auto* layout = new QVBoxLayout(&sheet);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(page);
  return page;
}

}  // namespace

TfmGraphProperties::TfmGraphProperties(QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("fmGraphProperties"));
  setWindowTitle(QStringLiteral("Properties"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  Filling = true;

  pcProperties = new platform::TPageControl(this);
  pcProperties->setObjectName(QStringLiteral("pcProperties"));
  tsAxis = &AddSheet(*pcProperties, "tsAxis", QStringLiteral("Axis"));
  tsTitles = &AddSheet(*pcProperties, "tsTitles", QStringLiteral("Titles"));
  tsSeries = &AddSheet(*pcProperties, "tsSeries", QStringLiteral("Series"));
  tsLegends = &AddSheet(*pcProperties, "tsLegends", QStringLiteral("Legends"));
  tsColorMap = &AddSheet(*pcProperties, "tsColorMap", QStringLiteral("Color Map"));
  tsOperations = &AddSheet(*pcProperties, "tsOperations", QStringLiteral("Operations"));
  tsSettings = &AddSheet(*pcProperties, "tsSettings", QStringLiteral("Settings"));
  tsContour = &AddSheet(*pcProperties, "tsContour", QStringLiteral("Contour"));
  tsAxis2 = &AddSheet(*pcProperties, "tsAxis2", QStringLiteral("Axis (2)"));
  tsInfo = &AddSheet(*pcProperties, "tsInfo", QStringLiteral("Info"));
  // Pages still to come.
  for (platform::TTabSheet* sheet : {tsOperations, tsContour, tsAxis2, tsInfo})
    sheet->SetTabVisible(false);

  Axes = PlacePage<TAxisPage>(*tsAxis, *this);
  Titles = PlacePage<TTitlesPage>(*tsTitles, *this);
  SeriesPage = PlacePage<TSeriesPage>(*tsSeries, *this);
  Legends = PlacePage<TLegendsPage>(*tsLegends, *this);
  ColorMap = PlacePage<TColorMapPage>(*tsColorMap, *this);
  Settings = PlacePage<TSettingsPage>(*tsSettings, *this);

  btClose = NamedButton(this, "btClose", QStringLiteral("Close"));
  cbAutoApply = NamedCheck(this, "cbAutoApply", QStringLiteral("Live update"));
  cbAutoApply->setChecked(true);
  btApply = NamedButton(this, "btApply", QStringLiteral("Apply"));
  btApply->setEnabled(false);
  btHelp = NamedButton(this, "btHelp", QStringLiteral("&Help"));
  btHelp->setVisible(false);
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  auto* buttons = new QHBoxLayout(panel);
  buttons->setContentsMargins(4, 2, 4, 2);
  buttons->addWidget(btClose);
  buttons->addWidget(cbAutoApply);
  buttons->addStretch();
  buttons->addWidget(btApply);
  buttons->addWidget(btHelp);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(pcProperties, 1);
  layout->addWidget(panel);

  connect(btClose, &QPushButton::clicked, this, [this] { btCloseClick(); });
  connect(btApply, &QPushButton::clicked, this, [this] { btApplyClick(); });
  connect(btHelp, &QPushButton::clicked, this, [this] { btHelpClick(); });
  connect(cbAutoApply, &QCheckBox::clicked, this, [this] { cbAutoApplyClick(); });

  validators_ = std::make_unique<TPropertiesValidators>(*this);
  WatchEdits();
  Filling = false;
}

TfmGraphProperties::~TfmGraphProperties() = default;

void TfmGraphProperties::WatchEdits()
{
  for (QLineEdit* edit : findChildren<QLineEdit*>())
    edit->installEventFilter(this);
  for (QPlainTextEdit* memo : findChildren<QPlainTextEdit*>())
    memo->installEventFilter(this);
}

plot::TRealValidate* TfmGraphProperties::RealValidator(const QLineEdit* edit) const { return validators_->Real(edit); }
plot::TIntValidate* TfmGraphProperties::IntValidator(const QLineEdit* edit) const { return validators_->Int(edit); }

void TfmGraphProperties::Execute(TPlot& plot, plot::TGraph& graph)
{
  Plot = &plot;
  Graph = &graph;
  const int page = pcProperties->ActivePageIndex();
  Filling = true;
  tsSeries->SetTabVisible(SeriesPage->Fill());
  tsColorMap->SetTabVisible(ColorMap->Fill());
  setWindowTitle(QStringLiteral("Properties"));
  Settings->Fill();
  Axes->Fill();
  Titles->Fill();
  Legends->Fill();
  Filling = false;
  SeriesPage->ShowSelection();
  platform::TTabSheet* remembered = page >= 0 ? &pcProperties->Page(page) : nullptr;
  if (remembered && remembered->TabVisible())
    pcProperties->SetActivePage(remembered);
  // A page without its tab is never the one shown.
  for (int i = 0; i < pcProperties->PageCount() && pcProperties->ActivePage() &&
                  !pcProperties->ActivePage()->TabVisible();
       ++i)
    if (pcProperties->Page(i).TabVisible())
      pcProperties->SetActivePageIndex(i);
  ShowModal();
}

bool TfmGraphProperties::LiveUpdate() const { return cbAutoApply->isChecked(); }

void TfmGraphProperties::MarkChanged()
{
  Changed = true;
  if (!LiveUpdate())
    btApply->setEnabled(true);
}

void TfmGraphProperties::ApplyIfLive()
{
  if (!LiveUpdate())
    return;
  if (Changed) {
    Plot->AfterChangeProperties();
    Graph->Paint();
  }
  Changed = false;
}

void TfmGraphProperties::btApplyClick()
{
  if (Changed)
    Graph->Paint();
  Changed = false;
  btApply->setEnabled(false);
}

void TfmGraphProperties::btCloseClick()
{
  const bool paint = Changed;
  Changed = false;
  if (paint)
    Graph->Paint();
  SetModalResult(platform::mrOk);
}

void TfmGraphProperties::cbAutoApplyClick()
{
  if (LiveUpdate())
    btApply->setEnabled(false);
  else if (Changed)
    btApply->setEnabled(true);
}

void TfmGraphProperties::btHelpClick()
{
  if (Graph)
    Graph->HelpClick();
}

bool TfmGraphProperties::eventFilter(QObject* watched, QEvent* event)
{
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1) {
      btHelpClick();
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      const auto it = enterActions_.find(widget);
      if (it != enterActions_.end())
        it->second();
      // A memo keeps its new line; an edit swallows the key.
      return qobject_cast<QLineEdit*>(watched) != nullptr;
    }
  }
  if (event->type() == QEvent::FocusOut) {
    const auto it = exitActions_.find(widget);
    if (it != exitActions_.end() && !Filling && isVisible())
      it->second();
  }
  return Form::eventFilter(watched, event);
}

void TfmGraphProperties::closeEvent(QCloseEvent* event)
{
  // The window's close button closes as "Close" does, pending changes painted.
  if (Changed && Graph) {
    Changed = false;
    Graph->Paint();
  }
  Form::closeEvent(event);
  if (event->isAccepted() && ModalResult() == platform::mrNone)
    SetModalResult(platform::mrCancel);
}

void TfmGraphProperties::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  QApplication::setActiveWindow(this);
}

}  // namespace plotui
