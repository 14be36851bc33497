#include "tools/MatrixQuestion.h"

#include "tools/EngineText.h"
#include "tools/matrix/MatrixCalculator.h"
#include "tools/matrix/MatrixText.h"

#include "engine/EngineState.h"
#include "platform/Application.h"
#include "platform/ClipboardText.h"
#include "platform/Shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <cmath>

namespace tools {

namespace {

// Errors that depend on the value put in for A: the trial with 1 may meet them and still be sound.
bool ValueDependentError(int code) { return (code >= 8 && code <= 13) || code == 24; }

}  // namespace

TfmMult::TfmMult(QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("fmMult"));
  Label1 = new QLabel(QStringLiteral("Expession"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QPalette red = Label1->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  Label1->setPalette(red);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMinimumWidth(260);
  btOK = new QPushButton(QStringLiteral("       &OK"), this);
  btCancel = new QPushButton(QStringLiteral("     &Cancel"), this);
  btHelp = new QPushButton(QStringLiteral("       &Help"), this);
  btOK->setObjectName(QStringLiteral("btOK"));
  btCancel->setObjectName(QStringLiteral("btCancel"));
  btHelp->setObjectName(QStringLiteral("btHelp"));
  BindModalButton(btOK, platform::mrOk);
  BindModalButton(btCancel, platform::mrCancel);
  SetDefaultButton(btOK);
  SetCancelButton(btCancel);
  for (QPushButton* b : {btOK, btCancel, btHelp})
    b->setAutoDefault(false);
  connect(btHelp, &QPushButton::clicked, this,
          [] { platform::ShowHelp(platform::ProgramFolder() + QStringLiteral("Vexal.hlp")); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {btOK, btCancel, btHelp})
    buttons->addWidget(b);
  auto* column = new QVBoxLayout(this);
  column->addWidget(Label1);
  column->addWidget(Edit1);
  column->addLayout(buttons);
}

bool TfmMult::Ask(const QString& caption, QString& text)
{
  setWindowTitle(caption);
  Edit1->setText(text);
  Edit1->selectAll();
  Edit1->setFocus();
  if (ShowModal() != platform::mrOk)
    return false;
  text = Edit1->text();
  return true;
}

bool TfmMult::AskReal(engine::Extended& x)
{
  const std::string saved = engine::ExprString;
  const auto restore = qScopeGuard([&] { engine::ExprString = saved; });
  QString text = platform::FromLatin1(MatrixValueText(x));
  while (Ask(QStringLiteral("r*A"), text)) {
    engine::Extended value = 0;
    if (EvaluateCell(EngineBytes(text), value)) {
      x = value;
      return true;
    }
  }
  return false;
}

bool TfmMult::AskInteger(int& n)
{
  const std::string saved = engine::ExprString;
  const auto restore = qScopeGuard([&] { engine::ExprString = saved; });
  QString text = QString::number(n);
  while (Ask(QStringLiteral("Power(A,n)"), text)) {
    engine::Extended value = 0;
    if (EvaluateCell(EngineBytes(text), value) && value == std::nearbyint(value) &&
        std::fabs(value) <= 2147483647.0L) {
      n = static_cast<int>(std::nearbyint(value));
      return true;
    }
  }
  return false;
}

bool TfmMult::AskFunction(std::string& f)
{
  const std::string saved = engine::ExprString;
  const auto restore = qScopeGuard([&] { engine::ExprString = saved; });
  QString text = platform::FromLatin1(f.empty() ? std::string("sin(A)+cos(A)/3") : f);
  while (Ask(QStringLiteral("Function f(A)"), text)) {
    std::string trial = EngineBytes(text);
    for (std::size_t at = trial.find("(A)"); at != std::string::npos; at = trial.find("(A)", at + 3))
      trial.replace(at, 3, "(1)");
    engine::Extended value = 0;
    if (EvaluateCell(trial, value) || ValueDependentError(engine::ErrorCode)) {
      f = EngineBytes(text);
      return true;
    }
  }
  return false;
}

}  // namespace tools
