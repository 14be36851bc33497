// The Graphics page: the plot type with its labels, the ranges and their checks, the plot launchers
// and the show-plots menu.

#include "app/MainWindow.h"

#include "app/CalculationScope.h"
#include "app/EngineText.h"
#include "app/ProgramFiles.h"

#include "engine/Engine.h"
#include "engine/EvalContext.h"
#include "engine/PointEvaluation.h"
#include "engine/Variables.h"

#include "plotui/series/SeriesLegend.h"

#include "platform/Application.h"
#include "platform/MessageDlg.h"
#include "tools/Plot2DWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
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

void ShowWithLabel(const QWidget* page, QWidget* field, bool visible)
{
  field->setVisible(visible);
  if (QLabel* label = LabelOf(page, field))
    label->setVisible(visible);
}

// The gauge's per cent for point i of count.
int Percent(long long i, long long count) { return int(std::lround(double(i) * 100.0 / double(count))); }

// Where a plot loop failed: the engine's error at the x of that point.
struct TPointError {
  int Code = 0;
  int Pos = 0;
  int Span = 0;
  double X = 0;
};

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

  PopupMenu1 = std::make_unique<QMenu>();
  miPlotfx = PopupMenu1->addAction(QStringLiteral("&Plot f(X)"));
  miPlotfxy = PopupMenu1->addAction(QStringLiteral("Plot &f(X,Y)"));
  mi3DPlotfXY = PopupMenu1->addAction(QStringLiteral("&3D-Plot f(X,Y)"));
  miPolarfx = PopupMenu1->addAction(QStringLiteral("Polar f(x)"));
  for (QAction* item : PopupMenu1->actions())
    item->setEnabled(false);
  connect(miPlotfx, &QAction::triggered, this, [this] { miPlotfxClick(); });
  sbShow->setToolTip(QStringLiteral("Show plots"));
  connect(sbShow, &QToolButton::clicked, this, [this] { sbShowClick(); });
}

void TfmCalc::CreatePlotWindows()
{
  const tools::TFormPlacement placement{[](QWidget& form) { LoadFormPosition(form); },
                                        [](const QWidget& form) { SaveFormPosition(form); }};
  fmPlot2D = std::make_unique<tools::TfmPlot2D>(SettingsFileName(), placement);
  fmPlot2D->OnShown = [this] {
    sbShow->setEnabled(true);
    sbShow->setToolTip(QStringLiteral("Show plots"));
    miPlotfx->setEnabled(true);
  };
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

void TfmCalc::rgPlotClick()
{
  const int type = std::max(rgPlot->ItemIndex(), 0);
  SetPlotLabels(type == 3);
  IntValidator(edStepsY).SetMin(type == 0 || type == 4 ? 0 : 2);
  edStepsX->setText(QString::number(StepsX[std::size_t(type)]));
  edStepsY->setText(QString::number(StepsY[std::size_t(type)]));
  const QString function = QStringLiteral("f(") + FromEngineText(engine::ExprString) + QStringLiteral(")");
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
  if (auto* color = tsGraph->findChild<QPushButton*>(QStringLiteral("sbColor")))
    color->setVisible(type == 0 || type == 4);
  if (type >= 1 && type <= 3)
    engine::ProcDigits = 7;
  const bool twoVariables = type >= 1 && type <= 3;
  if (auto* gbY = tsGraph->findChild<QGroupBox*>(QStringLiteral("gbY")))
    for (QWidget* control : gbY->findChildren<QWidget*>())
      control->setEnabled(twoVariables);
  ShowWithLabel(tsGraph, edNumCont, type == 1);
  if (type == 3) {
    edTitle->setText(QStringLiteral("Z"));
    LabelOf(tsGraph, edTitle)->setText(QStringLiteral(" Z axis"));
  } else {
    edTitle->setText(type == 0 || type == 4 ? QString() : function);
  }
  const bool legend = type == 0 || type >= 3;
  ShowWithLabel(tsGraph, edLegend, legend);
  if (legend)
    edLegend->setText(function);
  ShowWithLabel(tsGraph, edExaggerate, type <= 2);
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
  const QString function = QStringLiteral("f(") + Edit1->text() + QStringLiteral(")");
  edLegend->setText(function);
  edTitle->setText(function);
  rgPlotClick();
  Gauge->show();
}

void TfmCalc::Edit1Change()
{
  const int type = rgPlot->ItemIndex();
  const QString function = QStringLiteral("f(") + Edit1->text() + QStringLiteral(")");
  if (type == 0 || type == 3 || type == 4)
    edLegend->setText(function);
  else if (type == 1 || type == 2)
    edTitle->setText(function);
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
  // The Y range matters only to the plots over x and y; the f(x) plot does not look at it.
  if (type >= 1 && type <= 3 && !(RealValidator(edToY).GetValue() > RealValidator(edFromY).GetValue())) {
    platform::MessageDlg(QStringLiteral("Maximum Y-coordinate must be more than minimum one"), platform::mtError,
                         platform::mbOK);
    return;
  }
  bool number = false;
  const double exaggerate = edExaggerate->text().toDouble(&number);
  LastExaggerate = number ? exaggerate : 0;
  if (type == 0)
    btGraphFxClick();
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
  edLegend->setText(QStringLiteral("f(") + typed + QStringLiteral(")"));
  plotui::TPlot& chart = *fmPlot2D->Chart;
  platform::TColor color = chart.GetFreeColor();
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

  // The loop evaluates apart from the window's variables: X of the calculator keeps its value.
  bool failed = false;
  bool stopped = false;
  TPointError error;
  {
    const std::unique_ptr<engine::TEvalContext> context = engine::TEvalContext::CopyOfCurrent();
    const engine::TContextScope scope(*context);
    engine::StopFlag = 0;
    const engine::TPointEvaluation evaluation(ToEngineText(expression).Text);
    const int count = nx + 1;
    for (int i = 1; i <= count; ++i) {
      const double x = i == count ? x1 : x0 + (i - 1) * hx;
      if (i == 1 || i % 64 == 0) {
        Gauge->setValue(Percent(i, count));
        PumpMessages();
      }
      if (engine::StopFlag != 0 && ConfirmStop()) {
        stopped = true;
        break;
      }
      engine::VarValues[1] = x;
      engine::Extended y = 0;
      const bool ok = evaluation.Evaluate(y);
      engine::LastSearchExpr.clear();
      // A value beyond the double range would plot as a wrong number: an overflow at this point.
      if (!ok || !std::isfinite(double(y))) {
        failed = true;
        error = {ok ? 11 : engine::ErrorCode, ok ? 1 : engine::ErrorPos, ok ? int(expression.size()) : engine::ErrorSpan, x};
        break;
      }
      series->AddPoint(x, double(y), color, QString());
    }
  }
  Gauge->setValue(0);
  if (stopped)
    return;
  if (failed) {
    engine::ErrorCode = error.Code;
    engine::ErrorPos = error.Pos;
    engine::ErrorSpan = error.Span;
    MapErrorPosition(typed);
    ShowCalcError();
    LastWasError = true;
    if (error.Code != 22)
      platform::MessageDlg(QStringLiteral("Cann't calculate this function\n") +
                               FromEngineText(engine::ErrorText(error.Code)) + QStringLiteral(" at x = ") +
                               QString::number(error.X, 'g', 12),
                           platform::mtError, platform::mbOK);
    return;
  }

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
