#include "app/CompMessDialog.h"

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
  Memo1->setPlainText(QStringList{
      QStringLiteral("Complex number:"),
      QStringLiteral("     comp(Real, Image) -wher Real and Image is  any real "),
      QStringLiteral("expresion."),
      QString(),
      QStringLiteral("Examples:"),
      QStringLiteral("     comp(integral(1,pi/2,sin(X)),sin(Y)+ln(pi)/2)"),
      QStringLiteral("     sin(comp(1+2/3,pi/4+ln(2)))"),
      QStringLiteral("     comp(sin(pi/2),1+exp(X))/comp(2,0)"),
      QStringLiteral("etc."),
      QString(),
      QStringLiteral("Complex radio group"),
      QStringLiteral("  o Polar  -  Z  =  p * exp(theta*i)   - where theta = -pi..pi in "),
      QStringLiteral("canonical form "),
      QStringLiteral("  o Rect   -  Z  =  X +  Yi "),
  }.join(QLatin1Char('\n')));
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
