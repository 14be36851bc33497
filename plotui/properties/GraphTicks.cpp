#include "plotui/properties/GraphTicks.h"

#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/PlotProperties.h"
#include "plotui/properties/PropertiesWidgets.h"

#include "plot/support/GraphValidates.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace plotui {

namespace {

constexpr int kMaxLength = 3000;

QLayout* Steps(QToolButton* up, QToolButton* down)
{
  auto* steps = new QVBoxLayout;
  steps->setSpacing(0);
  steps->addWidget(up);
  steps->addWidget(down);
  return steps;
}

}  // namespace

TfmGraphTicks::TfmGraphTicks(QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("fmGraphTicks"));
  setWindowTitle(QStringLiteral("Ticks Properties"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  chMjVisible = NamedCheck(this, "chMjVisible", QStringLiteral("Visible"));
  chMiVisible = NamedCheck(this, "chMiVisible", QStringLiteral("Visible"));
  edMjLength = NamedEdit(this, "edMjLength", QStringLiteral("1"));
  edMiLength = NamedEdit(this, "edMiLength", QStringLiteral("1"));
  for (QLineEdit* edit : {edMjLength, edMiLength}) {
    edit->setReadOnly(true);
    edit->setMaximumWidth(50);
  }
  SpeedButton1 = StepButton(this, "SpeedButton1", false);
  SpeedButton4 = StepButton(this, "SpeedButton4", true);
  SpeedButton2 = StepButton(this, "SpeedButton2", false);
  SpeedButton3 = StepButton(this, "SpeedButton3", true);
  cbDir = NamedCombo(this, "cbDir", {QStringLiteral("Out"), QStringLiteral("In")});
  btApplay = NamedButton(this, "btApplay", QStringLiteral("&Apply"));

  auto* g = new QGridLayout(this);
  g->addWidget(Caption(this, QStringLiteral("Major Ticks")), 0, 0);
  g->addWidget(chMjVisible, 0, 1);
  g->addWidget(Caption(this, QStringLiteral("Length")), 0, 2);
  g->addWidget(edMjLength, 0, 3);
  g->addLayout(Steps(SpeedButton4, SpeedButton1), 0, 4);
  g->addWidget(Caption(this, QStringLiteral("Minor Ticks")), 1, 0);
  g->addWidget(chMiVisible, 1, 1);
  g->addWidget(Caption(this, QStringLiteral("Length")), 1, 2);
  g->addWidget(edMiLength, 1, 3);
  g->addLayout(Steps(SpeedButton3, SpeedButton2), 1, 4);
  g->addWidget(Caption(this, QStringLiteral("Direction:")), 2, 0);
  g->addWidget(cbDir, 2, 1);
  g->addWidget(btApplay, 2, 3, 1, 2);

  connect(chMjVisible, &QCheckBox::clicked, this, [this](bool on) {
    if (Filling)
      return;
    Axis->SetMajorVisible(on);
    Notify();
  });
  connect(chMiVisible, &QCheckBox::clicked, this, [this](bool on) {
    if (Filling)
      return;
    Axis->SetMinorVisible(on);
    Notify();
  });
  connect(cbDir, &QComboBox::activated, this, [this](int index) {
    if (Filling)
      return;
    Axis->SetDirection(plot::TTicksDirection(index));
    Notify();
  });
  connect(edMjLength, &QLineEdit::textChanged, this, [this] { LengthChange(edMjLength); });
  connect(edMiLength, &QLineEdit::textChanged, this, [this] { LengthChange(edMiLength); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { Step(*edMjLength, -1); });
  connect(SpeedButton4, &QToolButton::clicked, this, [this] { Step(*edMjLength, 1); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { Step(*edMiLength, -1); });
  connect(SpeedButton3, &QToolButton::clicked, this, [this] { Step(*edMiLength, 1); });
  connect(btApplay, &QPushButton::clicked, this, [this] {
    if (PropertiesDialog)
      PropertiesDialog->btApplyClick();
  });
}

TfmGraphTicks::~TfmGraphTicks() = default;

void TfmGraphTicks::Execute(TPlotTicks& axis, TfmGraphProperties& propertiesDialog)
{
  Filling = true;
  Axis = &axis;
  PropertiesDialog = &propertiesDialog;
  chMjVisible->setChecked(axis.MajorVisible());
  chMiVisible->setChecked(axis.MinorVisible());
  cbDir->setCurrentIndex(axis.Direction());
  majorValidate_ = std::make_unique<plot::TIntValidate>(0, kMaxLength, edMjLength, this, QString());
  minorValidate_ = std::make_unique<plot::TIntValidate>(0, kMaxLength, edMiLength, this, QString());
  edMjLength->setText(QString::number(axis.MajorLength()));
  edMiLength->setText(QString::number(axis.MinorLength()));
  btApplay->setEnabled(!propertiesDialog.LiveUpdate());
  Filling = false;
  ShowModal();
  majorValidate_.reset();
  minorValidate_.reset();
}

void TfmGraphTicks::closeEvent(QCloseEvent* event)
{
  Form::closeEvent(event);
  if (event->isAccepted() && ModalResult() == platform::mrNone)
    SetModalResult(platform::mrCancel);
}

void TfmGraphTicks::Notify()
{
  PropertiesDialog->MarkChanged();
  PropertiesDialog->ApplyIfLive();
}

void TfmGraphTicks::LengthChange(QLineEdit* edit)
{
  if (Filling)
    return;
  plot::TIntValidate& v = edit == edMjLength ? *majorValidate_ : *minorValidate_;
  if (!v.CheckSilent())
    return;
  if (edit == edMjLength)
    Axis->SetMajorLength(v.GetValue());
  else
    Axis->SetMinorLength(v.GetValue());
  Notify();
}

void TfmGraphTicks::Step(QLineEdit& edit, int delta)
{
  if (edit.text().isEmpty()) {
    edit.setText(QStringLiteral("0"));
    return;
  }
  if (delta < 0 && edit.text() == QLatin1String("0"))
    return;
  edit.setText(QString::number(TextToInt(edit.text(), 0) + delta));
}

}  // namespace plotui
