// The Graphics page: the plot type with its labels, the ranges and their checks, the plot launchers
// and the show-plots menu.

#include "app/MainWindow.h"

#include "app/CalculationScope.h"
#include "app/EngineText.h"
#include "app/PlotLoop.h"
#include "app/ProgramFiles.h"

#include "engine/ComplexEvaluator.h"
#include "engine/Engine.h"
#include "engine/PointEvaluation.h"
#include "engine/Variables.h"

#include "plotui/series/SeriesLegend.h"

#include "platform/Application.h"
#include "platform/MessageDlg.h"
#include "platform/Shell.h"
#include "tools/ContourPlotWindow.h"
#include "tools/Plot2DWindow.h"

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

// The most nodes a contour plot takes: its values are held twice, 128 MB each at this count.
constexpr long long kMaxContourNodes = 4096LL * 4096;

QLabel* LabelOf(const QWidget* page, const QWidget* field)
{
  for (QLabel* label : page->findChildren<QLabel*>())
    if (label->buddy() == field)
      return label;
  return nullptr;
}

// The surface and polar plots come with a later version.
bool PlotTypeAvailable(int type) { return type >= 0 && type <= 2; }

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
  const QString expression = PlotExpression();
  FollowExpression(*edLegend, PlotFunctionText());
  plotui::TPlot& chart = *fmPlot2D->Chart;
  platform::TColor color = PlotColorSet ? PlotColor : chart.GetFreeColor();
  if (color == static_cast<platform::TColor>(-1))
    color = platform::clBlack;
  auto series = std::make_unique<plotui::TSeries>(*chart.Graph, edLegend->text(), plot::kStyleLineAndPoint, color);
  series->SetStyle(plot::kStyleLineAndPoint);
  series->SetMarkerStyle(chart.Graph->GetFreeMarkerStyle());
  series->SetMarkerColor(color);
  chart.YAxis->SetName(edY->text());
  chart.XAxis->SetName(edX->text());
  chart.Title->SetText(edTitle->text());

  const double x0 = RealValidator(edFromX).GetValue();
  const double x1 = RealValidator(edToX).GetValue();
  const int nx = IntValidator(edStepsX).GetValue();
  const double hx = (x1 - x0) / nx;
  series->Name = QStringLiteral("f(") + expression + QStringLiteral(")");
  series->MarkerInterval = nx / 20;

  // The calculator's X afterwards: the point that failed or stopped the loop, else one step past x1.
  const engine::Extended stepX = (engine::Extended(x1) - x0) / nx;
  engine::Extended leftX = x0;
  TPlotOutcome outcome;
  {
    TPlotLoop loop(*this, *Gauge);
    const engine::TPointEvaluation evaluation(ToEngineText(expression).Text);
    const int count = nx + 1;
    for (int i = 1; i <= count && loop.Step(i, count); ++i) {
      const double x = i == count ? x1 : x0 + (i - 1) * hx;
      engine::VarValues[1] = x;
      engine::Extended y = 0;
      const bool ok = evaluation.Evaluate(y);
      if (!loop.Check(ok, y, int(expression.size()), PointText(x)))
        break;
      series->AddPoint(x, double(y), color, QString());
      leftX = x0 + i * stepX;
    }
    outcome = loop.Outcome;
  }
  engine::VarValues[1] = leftX;
  if (!EndPlotLoop(outcome, typed, 0))
    return;

  PlotColorSet = false;  // a chosen colour serves one curve; the next takes a free one again
  plotui::TSeries& added = *series;
  chart.AddLayer(std::move(series));
  auto entry = std::make_unique<plotui::TSeriesLegend>(*chart.Graph);
  added.UpdateLegend(*entry);
  chart.Legend->Add(std::move(entry));
  chart.Title->SetText(edTitle->text());
  fmPlot2D->Show();
  chart.Redraw();
  MoveToHistoryTop(typed);
}

bool TfmCalc::EndPlotLoop(const TPlotOutcome& outcome, const QString& typed, int prefixLength)
{
  Gauge->setValue(0);
  if (outcome.Stopped)
    return false;
  if (!outcome.Failed)
    return true;
  const TPointError& error = outcome.Error;
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
  tools::TfmContourPlot& window = *fmContourPlot;
  plotui::TPlot& plot = *window.Chart;
  bool number = false;
  const double exaggerate = edExaggerate->text().toDouble(&number);
  plot.SetExaggerate(number ? exaggerate : 0);
  FollowExpression(*edTitle, PlotFunctionText());
  plot.YAxis->SetName(edY->text());
  plot.XAxis->SetName(edX->text());
  plot.Title->SetText(ComplexMode ? QStringLiteral("|") + edTitle->text() + QStringLiteral("|") : edTitle->text());

  const double x0 = RealValidator(edFromX).GetValue();
  const double x1 = RealValidator(edToX).GetValue();
  const int nx = IntValidator(edStepsX).GetValue();
  const double y0 = RealValidator(edFromY).GetValue();
  const double y1 = RealValidator(edToY).GetValue();
  const int ny = IntValidator(edStepsY).GetValue();
  const double hx = (x1 - x0) / nx;
  const double hy = (y1 - y0) / ny;
  const QString typed = Edit1->text();
  const QString expression = PlotExpression();
  // The values are held twice (here and in the contour): a grid beyond the limit is refused before
  // anything is allocated, and the plot shown stays.
  const long long nodes = static_cast<long long>(nx + 1) * (ny + 1);
  if (nodes > kMaxContourNodes) {
    platform::MessageDlg(QStringLiteral("Too many points for a contour plot: %1 x %2").arg(nx + 1).arg(ny + 1),
                         platform::mtError, platform::mbOK);
    return;
  }

  window.ClearPlot();
  for (plotui::TPlotAxis* axis : {plot.XAxis.get(), plot.YAxis.get()}) {
    axis->SetAutoMin(false);
    axis->SetAutoMax(false);
  }
  plot.XAxis->SetMinimum(x0);
  plot.XAxis->SetMaximum(x1);
  plot.YAxis->SetMinimum(y0);
  plot.YAxis->SetMaximum(y1);
  plot.SetClipMarkers(false);

  // In complex mode the modulus is plotted; each point evaluates its own copy of the text.
  const std::string text = ComplexMode ? "abs(" + ToEngineText(expression).Text + ")" : ToEngineText(expression).Text;
  const int prefix = ComplexMode ? 4 : 0;
  PlotXValues = std::make_unique<plot::TVector>(nx + 1);
  PlotYValues = std::make_unique<plot::TVector>(ny + 1);
  PlotZValues = std::make_unique<plot::TMatrix>(nx + 1, ny + 1);
  plot::TVector& xs = *PlotXValues;
  plot::TVector& ys = *PlotYValues;
  plot::TMatrix& zs = *PlotZValues;
  // The calculator's X and Y afterwards: the point that failed or stopped the loop, else the last.
  const engine::Extended stepX = (engine::Extended(x1) - x0) / nx;
  const engine::Extended stepY = (engine::Extended(y1) - y0) / ny;
  engine::Extended leftX = x0;
  engine::Extended leftY = y0;
  TPlotOutcome outcome;
  {
    TPlotLoop loop(*this, *Gauge);
    const engine::TPointEvaluation evaluation(text);
    const long long count = (long long)(nx + 1) * (ny + 1);
    bool going = true;
    for (int i = 1; i <= nx + 1 && going; ++i) {
      const double x = i == nx + 1 ? x1 : x0 + (i - 1) * hx;
      xs.SetValue(i, x);
      leftX = x0 + (i - 1) * stepX;
      for (int j = 1; j <= ny + 1; ++j) {
        const double y = j == ny + 1 ? y1 : y0 + (j - 1) * hy;
        ys.SetValue(j, y);
        leftY = y0 + (j - 1) * stepY;
        going = loop.Step((long long)(i - 1) * (ny + 1) + j, count);
        if (!going)
          break;
        engine::VarValues[1] = x;
        engine::VarValues[2] = y;
        engine::Extended z = 0;
        bool ok = true;
        if (ComplexMode) {
          std::string point = text;
          engine::TComplex value = engine::ComplexZero;
          bool failed = false;
          engine::EvaluateComplex(point, failed, engine::ErrorPos, value, engine::ErrorSpan);
          ok = !failed;
          z = value.X;
        } else {
          ok = evaluation.Evaluate(z);
        }
        going = loop.Check(ok, z, int(text.size()), PointText(x, y));
        if (!going)
          break;
        zs.SetValue(i, j, double(z));
      }
    }
    outcome = loop.Outcome;
  }
  engine::VarValues[1] = leftX;
  engine::VarValues[2] = leftY;
  if (!EndPlotLoop(outcome, typed, prefix)) {
    PlotXValues.reset();
    PlotYValues.reset();
    PlotZValues.reset();
    engine::ProcDigits = 9;
    return;
  }

  window.Show();
  platform::PumpMessages();
  bool whole = false;
  const int levels = edNumCont->text().toInt(&whole);
  // Tracing pumps the events and honours Stop as the evaluation does.
  auto contour = std::make_unique<plot::TContour>(*plot.Graph, xs, ys, zs, colorShade ? 1 : (whole ? levels : 10),
                                                   colorShade, false, [this] {
                                                     PumpMessages();
                                                     return !(engine::StopFlag != 0 && ConfirmStop());
                                                   });
  contour->Progress = nullptr;  // later tracing (edits, properties) runs without the launcher
  if (contour->TraceEnd != plot::TTraceEnd::Done) {
    if (contour->TraceEnd == plot::TTraceEnd::TooLarge)
      platform::MessageDlg(QStringLiteral("Too many contour lines to show: fewer levels or points may do"),
                           platform::mtError, platform::mbOK);
    window.ClearPlot();
    PlotXValues.reset();
    PlotYValues.reset();
    PlotZValues.reset();
    return;
  }
  contour->Name = typed;
  window.SetContour(std::move(contour), colorShade);
  plot.Redraw();
  MoveToHistoryTop(typed);
}

void TfmCalc::miPlotfxyClick() { fmContourPlot->Show(); }

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
