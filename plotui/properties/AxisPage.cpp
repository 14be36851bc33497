#include "plotui/properties/AxisPage.h"

#include "plotui/Plot.h"
#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/GraphTicks.h"
#include "plotui/properties/PropertiesWidgets.h"

#include "plot/graph/Graph.h"
#include "plot/support/FloatUtils.h"
#include "plot/support/GraphValidates.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace plotui {

namespace {

struct TAxisNames {
  const char *name, *min, *max, *visible, *log, *invert, *grid, *autoMin, *autoMax, *color, *font, *nameFont,
      *ticks, *frequency, *down, *up, *insideBox, *position;
  const char* minCaption;
};

const TAxisNames kXNames{"edXAxisName",   "edXMin",         "edXMax",       "chXAxisVisible", "chXAxisLogarithm",
                         "chXAxisInvert", "chXGrid",        "chXAxisAutoMin", "chXAxisAutoMax", "btXAxisColor",
                         "btXAxisFont",   "btXAxisNameFont", "Button3",     "edXDEML",        "SpeedButton2",
                         "SpeedButton3",  "chbXPos",        "edXPos",       "Minimun"};
const TAxisNames kYNames{"edYAxisName",   "edYMin",         "edYMax",       "chYAxisVisible", "chYAxisLogarithm",
                         "chYAxisInvert", "chYGrid",        "chYAxisAutoMin", "chYAxisAutoMax", "btYAxisColor",
                         "btYAxisFont",   "btYAxisNameFont", "Button4",     "edYDML",         "SpeedButton1",
                         "SpeedButton4",  "chbYPos",        "edYPos",       "Minimum"};

bool IsManualLimit(double limit) { return limit != plot::MissingValue && std::isfinite(limit); }

}  // namespace

TAxisGroup::TAxisGroup(TfmGraphProperties& dialog, bool isX, QWidget* parent)
    : QGroupBox(isX ? QStringLiteral("XAxis") : QStringLiteral("YAxis"), parent), d_(dialog), isX_(isX)
{
  setObjectName(isX ? QStringLiteral("gbXAxis") : QStringLiteral("GroupBox3"));
  const TAxisNames& n = isX ? kXNames : kYNames;
  edName = NamedEdit(this, n.name);
  edMin = NamedEdit(this, n.min);
  edMax = NamedEdit(this, n.max);
  chVisible = NamedCheck(this, n.visible, QStringLiteral("Visible"));
  chLogarithm = NamedCheck(this, n.log, QStringLiteral("Logarithm"));
  chInvert = NamedCheck(this, n.invert, QStringLiteral("Inverted"));
  chGrid = NamedCheck(this, n.grid, QStringLiteral("Grid"));
  chAutoMin = NamedCheck(this, n.autoMin, QStringLiteral("AutoMin"));
  chAutoMax = NamedCheck(this, n.autoMax, QStringLiteral("AutoMax"));
  btColor = NamedButton(this, n.color, QStringLiteral("Color..."));
  btFont = NamedButton(this, n.font, QStringLiteral("Label Font..."));
  btNameFont = NamedButton(this, n.nameFont, QStringLiteral("Name Font..."));
  btTicks = NamedButton(this, n.ticks, QStringLiteral("Ticks..."));
  edFrequency = NamedEdit(this, n.frequency, QStringLiteral("1"));
  edFrequency->setReadOnly(true);
  edFrequency->setMaximumWidth(40);
  sbDown = StepButton(this, n.down, false);
  sbUp = StepButton(this, n.up, true);
  chbPos = NamedCheck(this, n.insideBox, QStringLiteral("Inside Position"));
  edPos = NamedEdit(this, n.position);

  auto* g = new QGridLayout(this);
  g->addWidget(Caption(this, QStringLiteral("Name")), 0, 0);
  g->addWidget(edName, 0, 1, 1, 3);
  g->addWidget(Caption(this, QLatin1String(n.minCaption)), 1, 0);
  g->addWidget(edMin, 1, 1);
  g->addWidget(chAutoMin, 1, 2);
  g->addWidget(Caption(this, QStringLiteral("Maximum")), 2, 0);
  g->addWidget(edMax, 2, 1);
  g->addWidget(chAutoMax, 2, 2);
  g->addWidget(chVisible, 3, 0);
  g->addWidget(chLogarithm, 3, 1);
  g->addWidget(chInvert, 4, 0);
  g->addWidget(chGrid, 4, 1);
  g->addWidget(btColor, 5, 0);
  g->addWidget(btFont, 5, 1);
  g->addWidget(btNameFont, 5, 2);
  g->addWidget(btTicks, 6, 0);
  auto* frequency = new QHBoxLayout;
  frequency->addWidget(Caption(this, QStringLiteral("Tick label frequency")));
  frequency->addWidget(edFrequency);
  auto* steps = new QVBoxLayout;
  steps->setSpacing(0);
  steps->addWidget(sbUp);
  steps->addWidget(sbDown);
  frequency->addLayout(steps);
  frequency->addStretch();
  g->addLayout(frequency, 6, 1, 1, 2);
  g->addWidget(chbPos, 7, 0);
  g->addWidget(edPos, 7, 1);
  Connect();
}

TPlotAxis& TAxisGroup::Axis() const { return isX_ ? *d_.Plot->XAxis : *d_.Plot->YAxis; }

double& TAxisGroup::LowEnd() const
{
  plot::TFloatRect& r = d_.Graph->Range;
  const bool inverted = Axis().Inverted();
  if (isX_)
    return inverted ? r.Right : r.Left;
  return inverted ? r.Bottom : r.Top;
}

double& TAxisGroup::HighEnd() const
{
  plot::TFloatRect& r = d_.Graph->Range;
  const bool inverted = Axis().Inverted();
  if (isX_)
    return inverted ? r.Left : r.Right;
  return inverted ? r.Top : r.Bottom;
}

void TAxisGroup::Change(const std::function<void()>& write)
{
  if (d_.Filling)
    return;
  write();
  d_.MarkChanged();
  d_.ApplyIfLive();
}

void TAxisGroup::Connect()
{
  connect(edName, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (d_.Filling)
      return;
    Axis().SetName(text);
    d_.MarkChanged();
  });
  const auto markAndApply = [this] {
    d_.MarkChanged();
    d_.ApplyIfLive();
  };
  d_.OnExit(edName, markAndApply);
  if (isX_)
    d_.OnEnter(edName, [this] {
      if (d_.Changed)
        d_.ApplyIfLive();
    });
  else
    d_.OnEnter(edName, [this] { d_.ApplyIfLive(); });
  connect(edMin, &QLineEdit::textChanged, this, [this] { MinChange(); });
  connect(edMax, &QLineEdit::textChanged, this, [this] { MaxChange(); });
  for (QLineEdit* edit : {edMin, edMax}) {
    d_.OnExit(edit, markAndApply);
    d_.OnEnter(edit, [this] { d_.ApplyIfLive(); });
  }
  connect(chVisible, &QCheckBox::clicked, this, [this](bool on) { Change([&] { Axis().SetVisible(on); }); });
  connect(chInvert, &QCheckBox::clicked, this, [this](bool on) { Change([&] { Axis().SetInverted(on); }); });
  connect(chGrid, &QCheckBox::clicked, this, [this](bool on) { Change([&] { Axis().SetGrid(on); }); });
  connect(chLogarithm, &QCheckBox::clicked, this, [this](bool on) {
    if (d_.Filling)
      return;
    Change([&] { Axis().SetLog(on); });
    d_.Axes->ShowRanges();
  });
  connect(chAutoMin, &QCheckBox::clicked, this, [this] { AutoClick(true); });
  connect(chAutoMax, &QCheckBox::clicked, this, [this] { AutoClick(false); });
  connect(btColor, &QPushButton::clicked, this, [this] {
    platform::TColor color = Axis().Color();
    if (ChooseColor(color))
      Change([&] { Axis().SetColor(color); });
  });
  connect(btFont, &QPushButton::clicked, this, [this] {
    platform::TFont font;
    font.Assign(Axis().Font());
    if (ChooseFont(font))
      Change([&] { Axis().SetFont(font); });
  });
  connect(btNameFont, &QPushButton::clicked, this, [this] {
    platform::TFont font;
    font.Assign(Axis().NameFont());
    if (ChooseFont(font))
      Change([&] { Axis().SetNameFont(font); });
  });
  connect(btTicks, &QPushButton::clicked, this, [this] {
    TfmGraphTicks ticks;
    ticks.Execute(Axis().Ticks(), d_);
  });
  connect(sbDown, &QToolButton::clicked, this, [this] { StepFrequency(-1); });
  connect(sbUp, &QToolButton::clicked, this, [this] { StepFrequency(1); });
  connect(chbPos, &QCheckBox::clicked, this, [this](bool on) {
    if (d_.Filling)
      return;
    edPos->setEnabled(on);
    Change([&] { Axis().SetLocation(on ? plot::alInside : plot::alOutside); });
  });
  connect(edPos, &QLineEdit::textChanged, this, [this] {
    if (d_.Filling)
      return;
    plot::TRealValidate* v = d_.RealValidator(edPos);
    v->FilterInput();
    if (v->CheckSilent())
      Change([&] { Axis().SetPosition(v->GetValue()); });
  });
}

void TAxisGroup::Fill()
{
  TPlotAxis& axis = Axis();
  chVisible->setChecked(axis.Visible());
  chInvert->setChecked(axis.Inverted());
  chLogarithm->setChecked(axis.Log());
  chAutoMin->setChecked(axis.AutoMin());
  chAutoMax->setChecked(axis.AutoMax());
  edName->setText(axis.Name());
  edFrequency->setText(QString::number(axis.LabelsFrequency()));
  chGrid->setChecked(axis.Grid());
  const bool inside = axis.Location() == plot::alInside;
  chbPos->setChecked(inside);
  edPos->setText(GeneralText(axis.Position(), 10));
  edPos->setEnabled(inside);
}

void TAxisGroup::ShowRange()
{
  double a = isX_ ? d_.Graph->Range.Left : d_.Graph->Range.Top;
  double b = isX_ ? d_.Graph->Range.Right : d_.Graph->Range.Bottom;
  if (Axis().Log()) {
    a = std::pow(10.0, a);
    b = std::pow(10.0, b);
  }
  edMin->setText(GeneralText(std::min(a, b), 7));
  edMax->setText(GeneralText(std::max(a, b), 7));
  edMin->setEnabled(!Axis().AutoMin());
  edMax->setEnabled(!Axis().AutoMax());
}

void TAxisGroup::MinChange()
{
  if (d_.Filling)
    return;
  plot::TRealValidate* v = d_.RealValidator(edMin);
  v->FilterInput();
  d_.MarkChanged();
  if (!v->CheckSilent())
    return;
  const double value = v->GetValue();
  plot::TGraph& graph = *d_.Graph;
  if (Axis().Log()) {
    if (value <= 0)
      return;
    if (value < graph.MinimumLogValue)
      graph.MinimumLogValue = value;
    LowEnd() = graph.SafeLog10(value);
  } else {
    LowEnd() = value;
  }
  if (!Axis().AutoMin())
    Axis().SetMinimum(value);
}

void TAxisGroup::MaxChange()
{
  if (d_.Filling)
    return;
  plot::TRealValidate* v = d_.RealValidator(edMax);
  v->FilterInput();
  d_.MarkChanged();
  if (!v->CheckSilent())
    return;
  const double value = v->GetValue();
  HighEnd() = Axis().Log() ? d_.Graph->SafeLog10(value) : value;
  if (!Axis().AutoMax())
    Axis().SetMaximum(value);
}

void TAxisGroup::AutoClick(bool isMin)
{
  if (d_.Filling)
    return;
  QCheckBox* box = isMin ? chAutoMin : chAutoMax;
  QLineEdit* edit = isMin ? edMin : edMax;
  const bool on = box->isChecked();
  if (isMin)
    Axis().SetAutoMin(on);
  else
    Axis().SetAutoMax(on);
  const double limit = isMin ? Axis().GetMinimum() : Axis().GetMaximum();
  if (!on && IsManualLimit(limit))
    edit->setText(GeneralText(limit, 7));
  d_.MarkChanged();
  d_.ApplyIfLive();
  d_.Axes->ShowRanges();
  if (on)
    return;
  // The limit shown becomes the manual one.
  plot::TRealValidate* v = d_.RealValidator(edit);
  if (v->CheckSilent()) {
    if (isMin)
      Axis().SetMinimum(v->GetValue());
    else
      Axis().SetMaximum(v->GetValue());
  }
}

void TAxisGroup::StepFrequency(int delta)
{
  const int frequency = Axis().LabelsFrequency();
  if (delta < 0 && frequency <= 1)
    return;
  d_.setEnabled(false);
  Axis().SetLabelsFrequency(frequency + delta);
  edFrequency->setText(QString::number(Axis().LabelsFrequency()));
  d_.MarkChanged();
  d_.ApplyIfLive();
  d_.setEnabled(true);
}

TAxisPage::TAxisPage(TfmGraphProperties& dialog, QWidget* parent) : QWidget(parent), d_(dialog)
{
  gbXAxis = new TAxisGroup(dialog, true, this);
  GroupBox3 = new TAxisGroup(dialog, false, this);
  edMinLog = NamedEdit(this, "edMinLog");
  auto* groups = new QHBoxLayout;
  groups->addWidget(gbXAxis);
  groups->addWidget(GroupBox3);
  auto* minLog = new QHBoxLayout;
  minLog->addWidget(Caption(this, QStringLiteral("Minimum positive value to show for  logarithmic scale")));
  minLog->addWidget(edMinLog);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(groups);
  layout->addLayout(minLog);
  layout->addStretch();
  connect(edMinLog, &QLineEdit::textChanged, this, [this] {
    if (d_.Filling)
      return;
    plot::TRealValidate* v = d_.RealValidator(edMinLog);
    v->FilterInput();
    if (!v->CheckSilent())
      return;
    d_.Plot->SetMinimumLogValue(v->GetValue());
    d_.MarkChanged();
    d_.ApplyIfLive();
  });
}

void TAxisPage::Fill()
{
  edMinLog->setText(GeneralText(d_.Plot->MinimumLogValue(), 7));
  gbXAxis->Fill();
  GroupBox3->Fill();
  ShowRanges();
}

void TAxisPage::ShowRanges()
{
  gbXAxis->ShowRange();
  GroupBox3->ShowRange();
}

}  // namespace plotui
