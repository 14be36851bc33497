#include "tools/MatrixView.h"

#include "tools/matrix/MatLib.h"
#include "tools/matrix/MatrixText.h"

#include "platform/ClipboardText.h"
#include "platform/StringGrid.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace tools {

TfrmViewR::TfrmViewR(QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("frmViewR"));
  setWindowTitle(QStringLiteral("View matrix"));
  auto* layout = new QVBoxLayout(this);
  sgA = new platform::TStringGrid(this);
  sgA->setObjectName(QStringLiteral("sgA"));
  sgA->SetDefaultColWidth(64);
  sgA->SetWantDialogKeys(false);  // Enter and Escape close the window
  layout->addWidget(sgA, 1);
  btOK = new QPushButton(QStringLiteral("OK"), this);
  btOK->setObjectName(QStringLiteral("btOK"));
  btOK->setAutoDefault(false);
  BindModalButton(btOK, platform::mrOk);
  SetDefaultButton(btOK);
  SetCancelButton(btOK);
  layout->addWidget(btOK, 0, Qt::AlignRight);
  resize(420, 300);
}

void TfrmViewR::ShowMatrix(const TMatrix& m)
{
  sgA->SetRowCount(m.RowCount() + 1);
  sgA->SetColCount(m.ColCount() + 1);
  for (int i = 1; i <= m.RowCount(); ++i)
    sgA->SetCells(0, i, QStringLiteral("R([%1,J]").arg(i));
  for (int j = 1; j <= m.ColCount(); ++j)
    sgA->SetCells(j, 0, QStringLiteral("R([I,%1]").arg(j));
  for (int i = 0; i < m.RowCount(); ++i)
    for (int j = 0; j < m.ColCount(); ++j)
      sgA->SetCells(j + 1, i + 1, platform::FromLatin1(MatrixValueText(m.GetElement(i, j))));
  sgA->SetCol(1);
  sgA->SetRow(1);
  sgA->setFocus();
  ShowModal();
}

}  // namespace tools
