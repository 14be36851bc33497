#include "plotui/data/ExportDialog.h"

#include "plotui/Plot.h"
#include "plotui/series/Series.h"

#include "platform/AtomicFile.h"
#include "platform/ClipboardText.h"
#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/MessageDlg.h"
#include "platform/RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace plotui {

namespace {

constexpr int kUserDefine = int(TExportDelimiter::UserDefine);
constexpr int kComma = int(TExportDelimiter::Comma);
constexpr int kTab = int(TExportDelimiter::Tab);

QCheckBox* AddCheck(QWidget* parent, const char* name, const QString& caption, bool checked)
{
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(checked);
  return box;
}

QLineEdit* AddEdit(QWidget* parent, const char* name, const QString& text)
{
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

}  // namespace

TfmExports::TfmExports(QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("fmExports"));
  setWindowTitle(QStringLiteral("Export"));

  clSeries = new QListWidget(this);
  clSeries->setObjectName(QStringLiteral("clSeries"));
  clSeries->setSelectionMode(QAbstractItemView::MultiSelection);
  edXColumn = AddEdit(this, "edXColumn", QStringLiteral("1"));
  edYColumn = AddEdit(this, "edYColumn", QStringLiteral("2"));
  chName = AddCheck(this, "chName", QStringLiteral("Name"), true);
  chTitle = AddCheck(this, "chTitle", QStringLiteral("Title"), false);
  chXAxis = AddCheck(this, "chXAxis", QStringLiteral("X Axis"), true);
  chYAxis = AddCheck(this, "chYAxis", QStringLiteral("Y Axis"), true);
  chFoot = AddCheck(this, "chFoot", QStringLiteral("Foot"), false);
  cbClearClipBoard = AddCheck(this, "cbClearClipBoard", QStringLiteral("Clear clipboard"), true);
  rgDelimiters = new platform::RadioGroup(this);
  rgDelimiters->setObjectName(QStringLiteral("rgDelimiters"));
  rgDelimiters->setTitle(QStringLiteral("Delimiters"));
  rgDelimiters->SetColumns(3);
  rgDelimiters->SetItems({QStringLiteral("Automatic"), QStringLiteral("Space"), QStringLiteral("Comma"),
                          QStringLiteral("Tab"), QStringLiteral("Slash"), QStringLiteral("User define")});
  rgDelimiters->SetItemIndex(kTab);
  edUserDefine = AddEdit(this, "edUserDefine", QStringLiteral("(none)"));
  edUserDefine->setEnabled(false);
  Memo1 = new QListWidget(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setUniformItemSizes(true);
  btFile = new QPushButton(QStringLiteral("Copy to &file"), this);
  btFile->setObjectName(QStringLiteral("btFile"));
  btClipboard = new QPushButton(QStringLiteral("Copy to &Clipboard"), this);
  btClipboard->setObjectName(QStringLiteral("btClipboard"));
  btClose = new QPushButton(QStringLiteral("C&lose"), this);
  btClose->setObjectName(QStringLiteral("btClose"));

  auto* columns = new QGridLayout;
  columns->addWidget(new QLabel(QStringLiteral("X column"), this), 0, 0);
  columns->addWidget(edXColumn, 0, 1);
  columns->addWidget(new QLabel(QStringLiteral("Y column"), this), 1, 0);
  columns->addWidget(edYColumn, 1, 1);
  auto* checks = new QVBoxLayout;
  for (QCheckBox* box : {chName, chTitle, chXAxis, chYAxis, chFoot, cbClearClipBoard})
    checks->addWidget(box);
  auto* user = new QHBoxLayout;
  user->addWidget(new QLabel(QStringLiteral("User delimiters"), this));
  user->addWidget(edUserDefine);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btFile);
  buttons->addWidget(btClipboard);
  buttons->addStretch();
  buttons->addWidget(btClose);
  auto* left = new QVBoxLayout;
  left->addWidget(clSeries, 1);
  left->addLayout(columns);
  left->addLayout(checks);
  auto* right = new QVBoxLayout;
  right->addWidget(rgDelimiters);
  right->addLayout(user);
  right->addWidget(Memo1, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  resize(560, 420);

  connect(clSeries, &QListWidget::itemClicked, this, [this] { BuildPreview(); });
  for (QCheckBox* box : {chName, chTitle, chXAxis, chYAxis, chFoot})
    connect(box, &QCheckBox::clicked, this, [this] { BuildPreview(); });
  // Enter or leaving the edit: taken here, the window's default button never sees it.
  for (QLineEdit* edit : {edXColumn, edYColumn})
    connect(edit, &QLineEdit::editingFinished, this, [this] { BuildPreview(); });
  connect(edUserDefine, &QLineEdit::editingFinished, this, [this] { edUserDefineExit(); });
  rgDelimiters->OnClick = [this] { rgDelimitersClick(); };
  connect(btFile, &QPushButton::clicked, this, [this] { btFileClick(); });
  connect(btClipboard, &QPushButton::clicked, this, [this] { btClipboardClick(); });
  // Enter belongs to the edits: no button is the default.
  for (QPushButton* button : {btFile, btClipboard, btClose})
    button->setAutoDefault(false);
  BindModalButton(btClose, platform::mrCancel);
  SetCancelButton(btClose);
}

TfmExports::~TfmExports() = default;

void TfmExports::Execute(TPlot& plot)
{
  plot_ = &plot;
  clSeries->clear();
  const plot::TGraph& graph = *plot.Graph;
  for (int i = graph.GetLayerCount() - 1; i >= 0; --i)
    if (auto* series = dynamic_cast<TSeries*>(graph.GetLayer(i))) {
      auto* item = new QListWidgetItem(series->Name, clSeries);
      item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(series)));
    }
  clSeries->setFocus();
  ShowModal();
}

TExportOptions TfmExports::Options() const
{
  TExportOptions o;
  o.Name = chName->isChecked();
  o.Title = chTitle->isChecked();
  o.XAxis = chXAxis->isChecked();
  o.YAxis = chYAxis->isChecked();
  o.Foot = chFoot->isChecked();
  o.XColumn = edXColumn->text();
  o.YColumn = edYColumn->text();
  o.Delimiter = static_cast<TExportDelimiter>(std::max(0, rgDelimiters->ItemIndex()));
  o.UserText = edUserDefine->text();
  return o;
}

void TfmExports::BuildPreview()
{
  if (building_ || !plot_ || clSeries->currentRow() < 0)
    return;
  building_ = true;
  Memo1->clear();
  std::vector<TSeries*> chosen;
  for (int i = 0; i < clSeries->count(); ++i)
    if (clSeries->item(i)->isSelected())
      chosen.push_back(static_cast<TSeries*>(clSeries->item(i)->data(Qt::UserRole).value<void*>()));
  const plot::TGraph& graph = *plot_->Graph;
  TExportSource source;
  source.TitleLines = graph.Title->Lines;
  source.FootLines = graph.Foot->Lines;
  source.XAxisName = graph.XAxis->Name;
  source.YAxisName = graph.YAxis->Name;
  QStringList lines;
  const bool valid = BuildExportLines(chosen, Options(), source, lines);
  Memo1->addItems(lines);
  if (!valid) {
    platform::MessageDlg(QString::fromLatin1(kExportColumnMessage), platform::mtError, platform::mbOK);
    edXColumn->setFocus();
  }
  building_ = false;
}

void TfmExports::rgDelimitersClick()
{
  if (rgDelimiters->ItemIndex() == kUserDefine) {
    edUserDefine->clear();
    edUserDefine->setEnabled(true);
    edUserDefine->setFocus();
    return;
  }
  edUserDefine->setText(QStringLiteral("(none)"));
  edUserDefine->setEnabled(false);
  BuildPreview();
}

void TfmExports::edUserDefineExit()
{
  if (rgDelimiters->ItemIndex() != kUserDefine)
    return;
  if (edUserDefine->text().isEmpty()) {
    rgDelimiters->SetItemIndex(kComma);
    edUserDefine->setText(QStringLiteral("(none)"));
    edUserDefine->setEnabled(false);
  }
  BuildPreview();
}

QStringList TfmExports::PreviewLines() const
{
  QStringList lines;
  lines.reserve(Memo1->count());
  for (int i = 0; i < Memo1->count(); ++i)
    lines.append(Memo1->item(i)->text());
  return lines;
}

void TfmExports::btFileClick()
{
  platform::TSaveDialog dialog;
  dialog.Title = QStringLiteral("Save to file");
  dialog.Filter = QStringLiteral("TEXT files (*.*)|*.*");
  dialog.Options = platform::ofOverwritePrompt | platform::ofHideReadOnly | platform::ofPathMustExist;
  if (!dialog.Execute())
    return;
  try {
    platform::WriteFileAtomic(dialog.FileName, ExportBytes(PreviewLines()));
  } catch (const platform::EFileError&) {
    platform::MessageDlg(QStringLiteral("Can not create file ") + dialog.FileName, platform::mtError,
                         platform::mbOK);
  }
}

void TfmExports::btClipboardClick()
{
  // The clipboard's text is replaced as a whole, so clearing it first changes nothing more.
  QString text;
  for (const QString& line : PreviewLines())
    text += line + QString::fromLatin1(platform::kClipboardLineEnd);
  platform::SetClipboardText(platform::ToLatin1(text));
}

}  // namespace plotui
