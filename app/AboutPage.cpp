// The About page: the program's name and the two mail buttons, which hand a "mailto:" link to the
// desktop's mail program.

#include "app/MainWindow.h"

#include "controls/small/RxLabel.h"

#include "platform/Shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The addresses are set when the program is built.
#ifndef VEXAL_CONTACT_MAIL
#define VEXAL_CONTACT_MAIL "contact@vexal.invalid"
#endif
#ifndef VEXAL_SUPPORT_MAIL
#define VEXAL_SUPPORT_MAIL "support@vexal.invalid"
#endif

namespace app {

void TfmCalc::BuildAboutPage()
{
  tsAbout = new QWidget;
  tsAbout->setObjectName(QStringLiteral("tsAbout"));
  auto* column = new QVBoxLayout(tsAbout);
  auto* title = new controls::TRxLabel(tsAbout, QStringLiteral("Vexal v.4.26"));
  title->Font().SetSize(18);
  title->Font().SetStyle(platform::fsBold);
  title->SetShadowSize(2);
  title->SetShadowColor(platform::clGray);
  title->SetShadowPos(controls::spRightBottom);
  column->addWidget(title, 0, Qt::AlignHCenter);
  column->addWidget(new QLabel(QStringLiteral("Scientific calculator"), tsAbout), 0, Qt::AlignHCenter);
  auto* row = new QHBoxLayout;
  row->addStretch();
  BitBtn6 = new QPushButton(QStringLiteral("Contact"), tsAbout);
  BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
  row->addWidget(BitBtn6);
  row->addWidget(new QLabel(QStringLiteral("Tech. support"), tsAbout));
  BitBtn10 = new QPushButton(QStringLiteral("Mail"), tsAbout);
  BitBtn10->setObjectName(QStringLiteral("BitBtn10"));
  row->addWidget(BitBtn10);
  row->addStretch();
  column->addLayout(row);
  column->addStretch();
  connect(BitBtn6, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
  connect(BitBtn10, &QPushButton::clicked, this, [this] { BitBtn10Click(); });
}

void TfmCalc::BitBtn6Click() { platform::OpenUrl(QStringLiteral("mailto:" VEXAL_CONTACT_MAIL)); }

// A blank between the address and the subject would become part of the address.
void TfmCalc::BitBtn10Click() { platform::OpenUrl(QStringLiteral("mailto:" VEXAL_SUPPORT_MAIL "?subject=Techsupport")); }

}  // namespace app
