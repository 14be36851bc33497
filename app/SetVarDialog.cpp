#include "app/SetVarDialog.h"

#include "app/EngineCharValidator.h"
#include "app/EngineText.h"
#include "app/ProgramFiles.h"

#include "engine/Engine.h"
#include "engine/Variables.h"

#include "platform/Shell.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace app {

namespace {

QLabel* RedLabel(const QString& text, QWidget* parent, Qt::Alignment alignment = Qt::AlignLeft)
{
  auto* label = new QLabel(text, parent);
  label->setStyleSheet(QStringLiteral("color: #ff0000;"));
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

}  // namespace

TSetVar::TSetVar(QWidget* parent) : Form(parent, true)
{
  setObjectName(QStringLiteral("SetVar"));
  setWindowTitle(QStringLiteral("Set variable"));
  Edit1 = new QLineEdit(this);
  GuardEngineEdit(*Edit1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setReadOnly(true);
  lbValue = RedLabel(QString(), this, Qt::AlignRight);
  lbExp = RedLabel(QString(), this, Qt::AlignRight);
  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
  HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
  cbEval = new QCheckBox(QStringLiteral("Evaluate after settings"), this);
  cbEval->setChecked(true);

  auto* grid = new QGridLayout;
  grid->addWidget(RedLabel(QStringLiteral("Value"), this), 0, 0);
  grid->addWidget(lbValue, 0, 1);
  grid->addWidget(Edit2, 0, 2);
  grid->addWidget(RedLabel(QStringLiteral("Expession"), this), 1, 0);
  grid->addWidget(lbExp, 1, 1);
  grid->addWidget(Edit1, 1, 2);
  grid->setColumnStretch(2, 1);
  grid->setColumnMinimumWidth(2, 260);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cbEval);
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(HelpBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  setFixedSize(sizeHint().expandedTo(QSize(420, 0)));

  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
  BindModalButton(CancelBtn, platform::mrCancel);
  SetCancelButton(CancelBtn);
  SetDefaultButton(OKBtn);
}

bool TSetVar::Ask(int i)
{
  variable_ = i;
  const QString letter(QLatin1Char(engine::VarName(i)));
  lbValue->setText(letter);
  lbExp->setText(letter);
  Edit1->setText(QString::fromLatin1(engine::VarExprs[std::size_t(i)].c_str()));
  const engine::Extended value = engine::VarValues[std::size_t(i)];
  if (value == engine::UndefinedValue) {
    ShowValueText(QStringLiteral("undefined"), false);
  } else {
    const bool flag = engine::ErrorFlag;
    ShowValueText(QString::fromLatin1(engine::FormatResult(engine::ValueDigits, value).c_str()), false);
    engine::ErrorFlag = flag;
  }
  return ShowModal() == platform::mrOk;
}

void TSetVar::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  // The dialog opens with the expression focused and selected.
  QTimer::singleShot(0, this, [this] {
    Edit1->setFocus();
    Edit1->selectAll();
  });
}

void TSetVar::ShowValueText(const QString& text, bool error)
{
  Edit2->setText(text);
  Edit2->setStyleSheet(error ? QStringLiteral("color: #ff0000;") : QString());
}

void TSetVar::OKBtnClick()
{
  const TEngineText typed = ToEngineText(Edit1->text());
  if (!typed.Valid()) {
    SetNotAllowedError(typed, false);
  } else if (engine::EvalVariableText(variable_, typed.Text)) {
    SetModalResult(platform::mrOk);
    return;
  }
  if (!engine::ErrorFlag)
    return;  // an empty expression keeps the dialog open
  Edit2->setEnabled(true);
  ShowValueText(QString::fromLatin1(engine::ErrorText(engine::ErrorCode).c_str()) +
                    QStringLiteral(": position ") + QString::number(engine::ErrorPos),
                false);
  Edit2->setStyleSheet(QStringLiteral("color: #ff0000;"));
  Edit1->setFocus();
  Edit1->setSelection(std::max(engine::ErrorPos - 1, 0), engine::ErrorSpan);
  engine::ErrorFlag = false;
}

void TSetVar::HelpBtnClick()
{
  platform::ShowHelp(HelpFileName());
}

}  // namespace app
