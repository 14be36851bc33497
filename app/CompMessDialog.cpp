#include "app/CompMessDialog.h"

#include "engine/ComplexEvaluator.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

TfmCompMess::TfmCompMess(QWidget* parent) : Form(parent, true)
{
  setObjectName(QStringLiteral("fmCompMess"));
  setWindowTitle(QStringLiteral("Complex Numbers"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setStyleSheet(QStringLiteral("background: #ffffe8;"));
  QStringList lines;
  for (const std::string_view line : engine::ComplexSyntaxLines())
    lines << QString::fromLatin1(line.data(), qsizetype(line.size()));
  Memo1->setPlainText(lines.join(QLatin1Char('\n')));
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  chShow = new QCheckBox(QStringLiteral("Display this message every time"), this);
  chShow->setChecked(true);
  auto* row = new QHBoxLayout;
  row->addWidget(chShow);
  row->addStretch();
  row->addWidget(Button1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Memo1);
  layout->addLayout(row);
  setFixedSize(480, 300);
  BindModalButton(Button1, platform::mrOk);
  SetDefaultButton(Button1);
  SetCancelButton(Button1);
}

}  // namespace app
