#include "plotui/data/FileDataDialog.h"

#include "plotui/data/ImportText.h"

#include "platform/MessageDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace plotui {

namespace {

constexpr int kMaxUserDelimiters = 6;

QCheckBox* AddCheck(QWidget* parent, const char* name, const QString& caption, bool checked)
{
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(checked);
  return box;
}

bool ReadColumn(const QLineEdit& edit, int& column)
{
  bool ok = false;
  column = edit.text().trimmed().toInt(&ok);
  return ok;
}

}  // namespace

TfmFileData::TfmFileData(const std::vector<std::string>& lines, QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("fmFileData"));
  setWindowTitle(QStringLiteral("Show data"));
  QStringList texts;
  texts.reserve(qsizetype(lines.size()));
  for (const std::string& line : lines)
    texts.append(QString::fromLatin1(line));
  lines_ = new QStringListModel(std::move(texts), this);
  Memo = new QListView(this);
  Memo->setObjectName(QStringLiteral("Memo"));
  Memo->setUniformItemSizes(true);
  Memo->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setModel(lines_);
  edXColumn = new QLineEdit(this);
  edXColumn->setObjectName(QStringLiteral("edXColumn"));
  edYColumn = new QLineEdit(this);
  edYColumn->setObjectName(QStringLiteral("edYColumn"));
  auto* delimiters = new QGroupBox(QStringLiteral("Delimiters"), this);
  chSpace = AddCheck(delimiters, "chSpace", QStringLiteral("Space"), true);
  chComma = AddCheck(delimiters, "chComma", QStringLiteral("Comma"), true);
  chTab = AddCheck(delimiters, "chTab", QStringLiteral("Tab"), true);
  chSlash = AddCheck(delimiters, "chSlash", QStringLiteral("Slash"), false);
  chNull = AddCheck(delimiters, "chNull", QStringLiteral("Null"), false);
  chUser = AddCheck(delimiters, "chUser", QStringLiteral("User define"), false);
  edUser = new QLineEdit(QStringLiteral("(none)"), this);
  edUser->setObjectName(QStringLiteral("edUser"));
  edUser->setEnabled(false);
  btOk = new QPushButton(QStringLiteral("&OK"), this);
  btOk->setObjectName(QStringLiteral("btOk"));
  btCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  btCancel->setObjectName(QStringLiteral("btCancel"));

  auto* checks = new QGridLayout(delimiters);
  QCheckBox* const boxes[] = {chSpace, chComma, chTab, chSlash, chNull, chUser};
  for (int i = 0; i < 6; ++i)
    checks->addWidget(boxes[i], i / 3, i % 3);
  auto* side = new QGridLayout;
  side->addWidget(new QLabel(QStringLiteral("X column"), this), 0, 0);
  side->addWidget(edXColumn, 0, 1);
  side->addWidget(new QLabel(QStringLiteral("Y column"), this), 1, 0);
  side->addWidget(edYColumn, 1, 1);
  side->addWidget(delimiters, 2, 0, 1, 2);
  side->addWidget(new QLabel(QStringLiteral("User delimiters"), this), 3, 0);
  side->addWidget(edUser, 3, 1);
  side->setRowStretch(4, 1);
  side->addWidget(btOk, 5, 0);
  side->addWidget(btCancel, 5, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(Memo, 1);
  layout->addLayout(side);
  resize(560, 360);

  xValidate_ = std::make_unique<plot::TIntValidate>(1, 1000, edXColumn, this, QStringLiteral("X Column"));
  yValidate_ = std::make_unique<plot::TIntValidate>(1, 1000, edYColumn, this, QStringLiteral("Y Column"));
  // The user's delimiters can be typed only while they are chosen.
  connect(chUser, &QCheckBox::toggled, this, [this](bool on) {
    edUser->setEnabled(on);
    if (on && edUser->text() == QLatin1String("(none)"))
      edUser->clear();
  });
  connect(btOk, &QPushButton::clicked, this, [this] { btOkClick(); });
  BindModalButton(btCancel, platform::mrCancel);
  SetDefaultButton(btOk);
  SetCancelButton(btCancel);
}

TfmFileData::~TfmFileData() = default;

void TfmFileData::btOkClick()
{
  if (xValidate_->Check() && yValidate_->Check())
    SetModalResult(platform::mrOk);
}

bool TfmFileData::TakeChoices(TDelimiterTable& table, int& xColumn, int& yColumn)
{
  if (!ReadColumn(*edXColumn, xColumn)) {
    platform::MessageDlg(QStringLiteral("Column for X undefined"), platform::mtError, platform::mbOK);
    return false;
  }
  if (!ReadColumn(*edYColumn, yColumn)) {
    platform::MessageDlg(QStringLiteral("Column for Y undefined"), platform::mtError, platform::mbOK);
    return false;
  }
  if (chUser->isChecked() && edUser->text().size() > kMaxUserDelimiters) {
    platform::MessageDlg(QStringLiteral("The number of User Define charakters must be <=6."), platform::mtError,
                         platform::mbOK);
    return false;
  }
  table.Chars[0] = chSpace->isChecked() ? ' ' : '\0';
  table.Chars[1] = chComma->isChecked() ? ',' : '\0';
  table.Chars[2] = chTab->isChecked() ? '\t' : '\0';
  table.Chars[3] = chSlash->isChecked() ? '/' : '\0';
  if (chUser->isChecked()) {
    const QByteArray user = edUser->text().toLatin1();
    for (int i = 0; i < user.size(); ++i)
      table.Chars[std::size_t(4 + i)] = user[i];
    table.Count = 4 + int(user.size());
  }
  return true;
}

}  // namespace plotui
