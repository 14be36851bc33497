#include "plotui/data/FieldsDialog.h"

#include "platform/MessageDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace plotui {

namespace {

const QString kArrow = QStringLiteral("   <--Copy---   ");

}  // namespace

TfmFields::TfmFields(const QStringList& required, const QStringList& input, QWidget* parent)
    : Form(parent), links_(std::size_t(required.size()), -1)
{
  setObjectName(QStringLiteral("fmFields"));
  setWindowTitle(QStringLiteral("Links Fields"));
  lbRecFields = new QListWidget(this);
  lbRecFields->setObjectName(QStringLiteral("lbRecFields"));
  lbRecFields->addItems(required);
  lbInputFields = new QListWidget(this);
  lbInputFields->setObjectName(QStringLiteral("lbInputFields"));
  lbInputFields->addItems(input);
  Memo = new QPlainTextEdit(this);
  Memo->setObjectName(QStringLiteral("Memo"));
  Memo->setReadOnly(true);
  BitBtn1 = new QPushButton(QStringLiteral("<--"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  btOk = new QPushButton(QStringLiteral("&OK"), this);
  btOk->setObjectName(QStringLiteral("btOk"));
  btCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  btCancel->setObjectName(QStringLiteral("btCancel"));

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Required Fields"), this), 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("Input Fields"), this), 0, 2);
  layout->addWidget(lbRecFields, 1, 0);
  layout->addWidget(BitBtn1, 1, 1, Qt::AlignVCenter);
  layout->addWidget(lbInputFields, 1, 2);
  layout->addWidget(Memo, 2, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btOk);
  buttons->addWidget(btCancel);
  layout->addLayout(buttons, 3, 0, 1, 3);
  resize(420, 320);

  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  BindModalButton(btOk, platform::mrOk);
  BindModalButton(btCancel, platform::mrCancel);
  SetDefaultButton(btOk);
  SetCancelButton(btCancel);
}

TfmFields::~TfmFields() = default;

void TfmFields::BitBtn1Click()
{
  const int required = lbRecFields->currentRow();
  const int input = lbInputFields->currentRow();
  if (required < 0 || input < 0) {
    platform::MessageDlg(QStringLiteral("Select both fields"), platform::mtWarning, platform::mbOK);
    return;
  }
  links_[std::size_t(required)] = input;
  const QString requiredName = lbRecFields->item(required)->text();
  const QString inputName = lbInputFields->item(input)->text();
  const QString line = requiredName + kArrow + inputName;
  // The memo keeps one line per link: earlier lines of the same required or input field go.
  QStringList kept;
  for (const QString& old : memoLines_)
    if (old != line && !old.startsWith(requiredName + kArrow) && !old.endsWith(kArrow + inputName))
      kept.append(old);
  kept.append(line);
  memoLines_ = kept;
  Memo->setPlainText(memoLines_.join(QLatin1Char('\n')));
}

}  // namespace plotui
