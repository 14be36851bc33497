#include "app/FindReplaceDialog.h"

#include "platform/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace app {

namespace {

constexpr controls::TEditorSearchOptions kBackward = 0x02;
constexpr controls::TEditorSearchOptions kMatchCase = 0x04;
constexpr controls::TEditorSearchOptions kReplaceOne = 0x10;
constexpr controls::TEditorSearchOptions kReplaceAll = 0x20;
constexpr controls::TEditorSearchOptions kWholeWords = 0x40;

QComboBox* TextBox(QWidget* parent, const char* name)
{
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMinimumWidth(240);
  return box;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

TfrmFindReplace::TfrmFindReplace(QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("frmFindReplace"));
  lbFind = new QLabel(QStringLiteral("Text to find:"), this);
  cmbFind = TextBox(this, "cmbFind");
  lbReplace = new QLabel(QStringLiteral("Replace with:"), this);
  cmbReplace = TextBox(this, "cmbReplace");
  auto* options = new QGroupBox(QStringLiteral("Options"), this);
  chbCaseSensitive = new QCheckBox(QStringLiteral("&Case sensitive"), options);
  chbCaseSensitive->setObjectName(QStringLiteral("chbCaseSensitive"));
  chbWholeWords = new QCheckBox(QStringLiteral("Whole words only"), options);
  chbWholeWords->setObjectName(QStringLiteral("chbWholeWords"));
  auto* optionColumn = new QVBoxLayout(options);
  optionColumn->addWidget(chbCaseSensitive);
  optionColumn->addWidget(chbWholeWords);
  grbDirections = new platform::RadioGroup(this);
  grbDirections->setObjectName(QStringLiteral("grbDirections"));
  grbDirections->setTitle(QStringLiteral("Directions"));
  grbDirections->SetItems({QStringLiteral("Forward"), QStringLiteral("Backward")});
  grbDirections->SetItemIndex(0);
  btOk = Button(this, "btOk", QStringLiteral("&Ok"));
  btReplaceAll = Button(this, "btReplaceAll", QStringLiteral("Replace &All"));
  btCancel = Button(this, "btCancel", QStringLiteral("&Cancel"));

  auto* texts = new QGridLayout;
  texts->addWidget(lbFind, 0, 0);
  texts->addWidget(cmbFind, 0, 1);
  texts->addWidget(lbReplace, 1, 0);
  texts->addWidget(cmbReplace, 1, 1);
  auto* groups = new QHBoxLayout;
  groups->addWidget(options);
  groups->addWidget(grbDirections);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btOk);
  buttons->addWidget(btReplaceAll);
  buttons->addWidget(btCancel);
  layout_ = new QVBoxLayout(this);
  layout_->addLayout(texts);
  layout_->addLayout(groups);
  layout_->addLayout(buttons);

  connect(btOk, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(btReplaceAll, &QPushButton::clicked, this, [this] { ReplaceAllClick(); });
  BindModalButton(btCancel, platform::mrCancel);
  SetCancelButton(btCancel);
  SetDefaultButton(btOk);
}

void TfrmFindReplace::ShowReplaceControls(bool show)
{
  lbReplace->setVisible(show);
  cmbReplace->setVisible(show);
  btReplaceAll->setVisible(show);
  // The find form moves the text to find down by half its box's height.
  QMargins margins = layout_->contentsMargins();
  margins.setTop(style()->pixelMetric(QStyle::PM_LayoutTopMargin) + (show ? 0 : cmbFind->sizeHint().height() / 2));
  layout_->setContentsMargins(margins);
}

bool TfrmFindReplace::Execute(controls::TEditorSearchOptions option, const QString& text)
{
  ShowReplaceControls(option != kFind);
  setWindowTitle(option == kFind ? QStringLiteral("Find") : QStringLiteral("Find and replace"));
  cmbFind->setCurrentText(text);
  options_ = option == kFind ? 0x01 : kReplaceOne;
  adjustSize();
  if (const QScreen* shown = screen())
    move(shown->availableGeometry().center() - rect().center());
  const bool confirmed = ShowModal() == platform::mrOk;
  if (!confirmed)
    return false;
  if (chbCaseSensitive->isChecked())
    options_ |= kMatchCase;
  if (chbWholeWords->isChecked())
    options_ |= kWholeWords;
  if (grbDirections->ItemIndex() == 1)
    options_ |= kBackward;
  return true;
}

void TfrmFindReplace::OkClick()
{
  const QString text = cmbFind->currentText();
  if (!text.isEmpty() && cmbFind->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
    cmbFind->addItem(text);
  SetModalResult(platform::mrOk);
}

void TfrmFindReplace::ReplaceAllClick()
{
  options_ = kReplaceAll;
  SetModalResult(platform::mrOk);
}

}  // namespace app
