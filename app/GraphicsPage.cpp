// The Graphics page: the plot type with its labels, the ranges and their checks, the calls of the plot
// launchers (tools/) and the show-plots menu.

#include "app/MainWindow.h"

#include "app/CalculationScope.h"
#include "app/EngineText.h"
#include "app/ProgramFiles.h"

#include "engine/Engine.h"

#include "platform/Application.h"
#include "platform/MessageDlg.h"
#include "platform/Shell.h"
#include "tools/ContourPlotLauncher.h"
#include "tools/ContourPlotWindow.h"
#include "tools/FxPlotLauncher.h"
#include "tools/Plot2DWindow.h"
#include "tools/PlotLoop.h"
#include "tools/SurfacePlotLauncher.h"
#include "tools/SurfacePlotWindow.h"
#include "tools/PolarPlotLauncher.h"
#include "tools/PolarPlotWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <cmath>

namespace app {

namespace {

QLabel* LabelOf(const QWidget* page, const QWidget* field)
{
  for (QLabel* label : page->findChildren<QLabel*>())
    if (label->buddy() == field)
      return label;
  return nullptr;
}

bool PlotTypeAvailable(int type) { return type >= 0 && type <= 4; }

// The most intervals a side of a plot type: the surface's grid holds 500 nodes a side.
constexpr int kMaxSteps = 16000;
int MaxStepsOf(int type) { return type == 3 ? tools::TSurfacePlotLauncher::kMaxSteps : kMaxSteps; }

void ShowWithLabel(const QWidget* page, QWidget* field, bool visible)
{
  field->setVisible(visible);
  if (QLabel* label = LabelOf(page, field))
    label->setVisible(visible);
}

}  // namespace

void TfmCalc::WireGraphicsPage()
{
  rgPlot->OnClick = [this] { rgPlotClick(); };
  connect(bbOK, &QPushButton::clicked, this, [this] { bbOKClick(); });
  auto followSteps = [this](QLineEdit* edit, std::array<int, 5>& steps) {
    connect(edit, &QLineEdit::textEdited, this, [this, edit, &steps] {
      if (Loading)
        return;
      TIntValidate& validator = IntValidator(edit);
      if (validator.CheckSilent())
        steps[std::size_t(std::max(rgPlot->ItemIndex(), 0))] = validator.GetValue();
    });
  };
  followSteps(edStepsX, StepsX);
  followSteps(edStepsY, StepsY);
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
  // An edit emptied by the user follows the expression again.
  connect(edTitle, &QLineEdit::textEdited, this, [this](const QString& text) { titleTyped_ = !text.isEmpty(); });
  connect(edLegend, &QLineEdit::textEdited, this, [this](const QString& text) { legendTyped_ = !text.isEmpty(); });

  PopupMenu1 = std::make_unique<QMenu>();
  miPlotfx = PopupMenu1->addAction(QStringLiteral("&Plot f(X)"));
  miPlotfxy = PopupMenu1->addAction(QStringLiteral("Plot &f(X,Y)"));
  mi3DPlotfXY = PopupMenu1->addAction(QStringLiteral("&3D-Plot f(X,Y)"));
  miPolarfx = PopupMenu1->addAction(QStringLiteral("Polar f(x)"));
  for (QAction* item : PopupMenu1->actions())
    item->setEnabled(false);
  connect(miPlotfx, &QAction::triggered, this, [this] { miPlotfxClick(); });
  connect(miPlotfxy, &QAction::triggered, this, [this] { miPlotfxyClick(); });
  connect(mi3DPlotfXY, &QAction::triggered, this, [this] { mi3DPlotfXYClick(); });
  connect(miPolarfx, &QAction::triggered, this, [this] { miPolarfxClick(); });
  for (QToolButton* button : {sbShow, SpeedButton6}) {
    button->setToolTip(QStringLiteral("Show plots"));
    connect(button, &QToolButton::clicked, this, [this] { sbShowClick(); });
  }
  connect(Button1, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
  connect(sbColor, &QPushButton::clicked, this, [this] { sbColorClick(); });
  ApplyPlotTypeAvailability();
}

void TfmCalc::SetPlotTypeNames(const QStringList& names)
{
  rgPlot->SetItems(names);  // new buttons
  ApplyPlotTypeAvailability();
}

void TfmCalc::ApplyPlotTypeAvailability()
{
  for (int type = 0; type < int(rgPlot->Items().size()); ++type) {
    QRadioButton* button = rgPlot->Button(type);
    const bool available = PlotTypeAvailable(type);
    button->setEnabled(available);
    button->setToolTip(available ? QString() : QStringLiteral("Not available in this version"));
  }
}

void TfmCalc::EnableShowPlots(QAction& item)
{
  for (QToolButton* button : {sbShow, SpeedButton6}) {
    button->setEnabled(true);
    button->setToolTip(QStringLiteral("Show plots"));
  }
  item.setEnabled(true);
}

void TfmCalc::CreatePlotWindows()
{
  const tools::TFormPlacement placement{[](QWidget& form) { LoadFormPosition(form); },
                                        [](const QWidget& form) { SaveFormPosition(form); }};
  fmPlot2D = std::make_unique<tools::TfmPlot2D>(SettingsFileName(), placement);
  fmContourPlot = std::make_unique<tools::TfmContourPlot>(SettingsFileName(), placement);
  fmContourPlot->OnShown = [this] { EnableShowPlots(*miPlotfxy); };
  fmPlot2D->OnShown = [this] { EnableShowPlots(*miPlotfx); };
  fmSurfaceTee = std::make_unique<tools::TfmSurfaceTee>();
  fmSurfaceTee->OnShown = [this] { EnableShowPlots(*mi3DPlotfXY); };
  PolarForm = std::make_unique<tools::TPolarForm>();
  PolarForm->OnShown = [this] { EnableShowPlots(*miPolarfx); };
}

TIntValidate& TfmCalc::IntValidator(const QLineEdit* edit) const
{
  for (const auto& validator : intValidators_)
    if (validator->Edit() == edit)
      return *validator;
  throw std::logic_error("no validator bound to the edit");
}

TRealValidate& TfmCalc::RealValidator(const QLineEdit* edit) const
{
  for (const auto& validator : realValidators_)
    if (validator->Edit() == edit)
      return *validator;
  throw std::logic_error("no validator bound to the edit");
}

void TfmCalc::SetPlotLabels(bool surface)
{
  QLabel* legend = LabelOf(tsGraph, edLegend);
  QLabel* title = LabelOf(tsGraph, edTitle);
  if (surface) {
    legend->setText(QStringLiteral("Title"));
    legend->setVisible(true);
    title->setText(QStringLiteral("Z axis"));
  } else {
    legend->setText(QStringLiteral("Legend"));
    title->setText(QStringLiteral("Title"));
  }
}

QString TfmCalc::PlotFunctionText() const { return QStringLiteral("f(") + Edit1->text() + QStringLiteral(")"); }

void TfmCalc::FollowExpression(QLineEdit& edit, const QString& function)
{
  if (!(&edit == edTitle ? titleTyped_ : legendTyped_))
    edit.setText(function);
}

void TfmCalc::SetFixedPlotText(QLineEdit& edit, const QString& text)
{
  (&edit == edTitle ? titleTyped_ : legendTyped_) = false;
  edit.setText(text);
}

void TfmCalc::rgPlotClick()
{
  const int type = std::max(rgPlot->ItemIndex(), 0);
  SetPlotLabels(type == 3);
  IntValidator(edStepsY).SetMin(type == 0 || type == 4 ? 0 : 2);
  IntValidator(edStepsX).SetMax(MaxStepsOf(type));
  IntValidator(edStepsY).SetMax(MaxStepsOf(type));
  edStepsX->setText(QString::number(StepsX[std::size_t(type)]));
  edStepsY->setText(QString::number(StepsY[std::size_t(type)]));
  // The expression line as it reads now: it may have changed since the page was shown.
  const QString function = PlotFunctionText();
  if (type <= 2) {
    if (edY->text() == QStringLiteral("Z") || edY->text().isEmpty())
      edY->setText(QStringLiteral("Y"));
    if (edX->text().isEmpty())
      edX->setText(QStringLiteral("X"));
  }
  QLabel* yAxis = LabelOf(tsGraph, edY);
  if (type <= 2)
    yAxis->setText(QStringLiteral(" Y axis"));
  else if (type == 4)
    yAxis->clear();
  sbColor->setVisible(type == 0 || type == 4);
  bbOK->setEnabled(PlotTypeAvailable(type));
  if (type >= 1 && type <= 3)
    engine::ProcDigits = 7;
  const bool twoVariables = type >= 1 && type <= 3;
  if (auto* gbY = tsGraph->findChild<QGroupBox*>(QStringLiteral("gbY")))
    for (QWidget* control : gbY->findChildren<QWidget*>())
      control->setEnabled(twoVariables);
  ShowWithLabel(tsGraph, edNumCont, type == 1);
  if (type == 3) {
    SetFixedPlotText(*edTitle, QStringLiteral("Z"));
    LabelOf(tsGraph, edTitle)->setText(QStringLiteral(" Z axis"));
  } else if (type == 0 || type == 4) {
    SetFixedPlotText(*edTitle, QString());
  } else {
    FollowExpression(*edTitle, function);
  }
  const bool legend = type == 0 || type >= 3;
  ShowWithLabel(tsGraph, edLegend, legend);
  if (legend)
    FollowExpression(*edLegend, function);
  ShowWithLabel(tsGraph, edExaggerate, type <= 2);
  if (type == 1 && fmContourPlot)
    edExaggerate->setText(FromEngineText(engine::FormatResult(8, LastExaggerate)));
  static const char* const assistant[] = {
      "To plot F(X) type your function in input line and click OK",
      "To plot contours Z:=F(X,Y) type your function in input line and click OK",
      "To plot color shade Z:=F(X,Y) type your function in input line and click OK",
      "To plot Z:=F(X,Y) type your function in input line and click OK",
      "To plot F(X) type your function in input line and click OK"};
  ShowAssistantText(QString::fromLatin1(assistant[type]));
}

void TfmCalc::PrepareGraphicsPage()
{
  rgPlot->setFocus();
  const QString function = PlotFunctionText();
  FollowExpression(*edLegend, function);
  FollowExpression(*edTitle, function);
  rgPlotClick();
  Gauge->show();
}

void TfmCalc::Edit1Change()
{
  const int type = rgPlot->ItemIndex();
  const QString function = PlotFunctionText();
  if (type == 0 || type == 3 || type == 4)
    FollowExpression(*edLegend, function);
  else if (type == 1 || type == 2)
    FollowExpression(*edTitle, function);
}

void TfmCalc::bbOKClick()
{
  if (calculating_)
    return;
  const CalculationScope scope(*this, calculating_);
  const int type = std::max(rgPlot->ItemIndex(), 0);
  if (!IntValidator(edStepsX).Check() || !RealValidator(edFromX).Check() || !RealValidator(edToX).Check() ||
      !RealValidator(edExaggerate).Check())
    return;
  if (type >= 1 && type <= 3 &&
      (!IntValidator(edStepsY).Check() || !RealValidator(edFromY).Check() || !RealValidator(edToY).Check() ||
       !IntValidator(edNumCont).Check()))
    return;
  if (!(RealValidator(edToX).GetValue() > RealValidator(edFromX).GetValue())) {
    platform::MessageDlg(QStringLiteral("Maximum X-coordinate must be more than minimum one"), platform::mtError,
                         platform::mbOK);
    return;
  }
  // Every plot type asks for a Y range the right way round, also those with the Y edits disabled.
  if (!(RealValidator(edToY).GetValue() > RealValidator(edFromY).GetValue())) {
    platform::MessageDlg(QStringLiteral("Maximum Y-coordinate must be more than minimum one"), platform::mtError,
                         platform::mbOK);
    return;
  }
  // An empty line would evaluate to 0 at every point: a flat line that plots nothing typed.
  if (PlotExpression().isEmpty()) {
    platform::MessageDlg(QStringLiteral("Nothing to plot: type your function in the input line"),
                         platform::mtInformation, platform::mbOK);
    return;
  }
  bool number = false;
  const double exaggerate = edExaggerate->text().toDouble(&number);
  LastExaggerate = number ? exaggerate : 0;
  if (type == 0)
    btGraphFxClick();
  else if (type == 1 || type == 2)
    btGraphFxyClick(type == 2);
  else if (type == 3)
    PlotSurface();
  else if (type == 4)
    PlotPolar();
}

QString TfmCalc::PlotExpression() const
{
  QString text = Edit1->text();
  text.remove(QLatin1Char(' '));
  return text;
}

void TfmCalc::MoveToHistoryTop(const QString& expression)
{
  const int found = cbHistory->findText(expression, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (found == 0)
    return;
  if (found > 0)
    cbHistory->removeItem(found);
  cbHistory->insertItem(0, expression);
  cbHistory->setCurrentIndex(-1);
}

void TfmCalc::btGraphFxClick()
{
  const QString typed = Edit1->text();
  FollowExpression(*edLegend, PlotFunctionText());
  tools::TFxPlotLauncher launcher(*fmPlot2D, {.Expression = PlotExpression(),
                                              .Legend = edLegend->text(),
                                              .XName = edX->text(),
                                              .YName = edY->text(),
                                              .Title = edTitle->text(),
                                              .X0 = RealValidator(edFromX).GetValue(),
                                              .X1 = RealValidator(edToX).GetValue(),
                                              .Steps = IntValidator(edStepsX).GetValue(),
                                              .ColorChosen = PlotColorSet,
                                              .Color = PlotColor});
  if (!EndPlotLoop(launcher.Evaluate(*this, *Gauge), typed, 0))
    return;
  PlotColorSet = false;  // a chosen colour serves one curve; the next takes a free one again
  launcher.Show(edTitle->text());
  MoveToHistoryTop(typed);
}

bool TfmCalc::EndPlotLoop(const tools::TPlotOutcome& outcome, const QString& typed, int prefixLength)
{
  Gauge->setValue(0);
  if (outcome.Stopped)
    return false;
  if (!outcome.Failed)
    return true;
  const tools::TPointError& error = outcome.Error;
  engine::ErrorCode = error.Code;
  engine::ErrorPos = std::max(error.Pos - prefixLength, 1);
  engine::ErrorSpan = error.Span;
  MapErrorPosition(typed);
  ShowCalcError();
  LastWasError = true;
  if (error.Code != 22)
    platform::MessageDlg(QStringLiteral("Cann't calculate this function\n") + FromEngineText(engine::ErrorText(error.Code)) +
                             QStringLiteral(" at ") + error.Point,
                         platform::mtError, platform::mbOK);
  return false;
}

void TfmCalc::btGraphFxyClick(bool colorShade)
{
  const platform::HourglassCursor hourglass;
  bool number = false;
  const double exaggerate = edExaggerate->text().toDouble(&number);
  FollowExpression(*edTitle, PlotFunctionText());
  const QString typed = Edit1->text();
  tools::TContourPlotLauncher launcher(*fmContourPlot, {.Expression = PlotExpression(),
                                                        .Name = typed,
                                                        .XName = edX->text(),
                                                        .YName = edY->text(),
                                                        .Title = edTitle->text(),
                                                        .X0 = RealValidator(edFromX).GetValue(),
                                                        .X1 = RealValidator(edToX).GetValue(),
                                                        .Y0 = RealValidator(edFromY).GetValue(),
                                                        .Y1 = RealValidator(edToY).GetValue(),
                                                        .StepsX = IntValidator(edStepsX).GetValue(),
                                                        .StepsY = IntValidator(edStepsY).GetValue(),
                                                        .Exaggerate = number ? exaggerate : 0,
                                                        .Complex = ComplexMode,
                                                        .ColorShade = colorShade});
  if (!launcher.Fits()) {
    platform::MessageDlg(QStringLiteral("Too many points for a contour plot: %1 x %2")
                             .arg(IntValidator(edStepsX).GetValue() + 1)
                             .arg(IntValidator(edStepsY).GetValue() + 1),
                         platform::mtError, platform::mbOK);
    return;
  }
  if (!EndPlotLoop(launcher.Evaluate(*this, *Gauge), typed, launcher.PrefixLength())) {
    engine::ProcDigits = 9;
    return;
  }
  bool whole = false;
  const int levels = edNumCont->text().toInt(&whole);
  const plot::TTraceEnd end = launcher.Trace(*this, whole ? levels : 10);
  if (end == plot::TTraceEnd::TooLarge)
    platform::MessageDlg(QStringLiteral("Too many contour lines to show: fewer levels or points may do"),
                         platform::mtError, platform::mbOK);
  if (end == plot::TTraceEnd::Done)
    MoveToHistoryTop(typed);
}

void TfmCalc::miPlotfxyClick() { fmContourPlot->Show(); }

void TfmCalc::PlotSurface()
{
  const platform::HourglassCursor hourglass;
  FollowExpression(*edLegend, PlotFunctionText());
  const QString typed = Edit1->text();
  tools::TSurfacePlotLauncher launcher(*fmSurfaceTee, {.Expression = PlotExpression(),
                                                       .Title = ComplexMode ? QStringLiteral("|") + edLegend->text() +
                                                                                  QStringLiteral("|")
                                                                            : edLegend->text(),
                                                       .XName = edX->text(),
                                                       .X0 = RealValidator(edFromX).GetValue(),
                                                       .X1 = RealValidator(edToX).GetValue(),
                                                       .Y0 = RealValidator(edFromY).GetValue(),
                                                       .Y1 = RealValidator(edToY).GetValue(),
                                                       .StepsX = IntValidator(edStepsX).GetValue(),
                                                       .StepsY = IntValidator(edStepsY).GetValue(),
                                                       .Complex = ComplexMode});
  if (!launcher.Fits())
    return;  // the validators keep the steps within the surface's grid
  if (!EndPlotLoop(launcher.Evaluate(*this, *Gauge), typed, launcher.PrefixLength()))
    return;
  launcher.Show();
  MoveToHistoryTop(typed);
}

void TfmCalc::PlotPolar()
{
  const platform::HourglassCursor hourglass;
  const QString typed = Edit1->text();
  FollowExpression(*edLegend, PlotFunctionText());
  tools::TPolarPlotLauncher launcher(*PolarForm, {.Expression = PlotExpression(),
                                                 .Legend = edLegend->text(),
                                                 .Title = edTitle->text(),
                                                 .X0 = RealValidator(edFromX).GetValue(),
                                                 .X1 = RealValidator(edToX).GetValue(),
                                                 .Steps = IntValidator(edStepsX).GetValue(),
                                                 .Degrees = rgAngle->ItemIndex() == 1,
                                                 .ColorChosen = PlotColorSet,
                                                 .Color = PlotColor});
  if (!EndPlotLoop(launcher.Evaluate(*this, *Gauge), typed, 0))
    return;
  PlotColorSet = false;  // a chosen colour serves one curve
  launcher.Show();
  MoveToHistoryTop(typed);
}

void TfmCalc::mi3DPlotfXYClick() { fmSurfaceTee->Show(); }
void TfmCalc::miPolarfxClick() { PolarForm->Show(); }

// Help on the plot type chosen; the polar plot has no page of its own.
void TfmCalc::HelpBtnClick()
{
  if (rgPlot->ItemIndex() >= 0 && rgPlot->ItemIndex() <= 3)
    platform::ShowHelp(HelpFileName());
}

void TfmCalc::sbColorClick()
{
  DM.ColorDialog1.Color = PlotColor;
  if (!DM.ColorDialog1.Execute())
    return;
  PlotColor = DM.ColorDialog1.Color;
  PlotColorSet = true;
}

void TfmCalc::sbShowClick()
{
  PopupMenu1->popup(sbShow->mapToGlobal(QPoint(0, sbShow->height())));
}

void TfmCalc::miPlotfxClick()
{
  if (fmPlot2D->Shown)
    fmPlot2D->Show();
}

}  // namespace app
