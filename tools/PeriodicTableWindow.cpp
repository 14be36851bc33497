#include "tools/PeriodicTableWindow.h"

#include "grid/window/Grid.h"
#include "platform/ClipboardText.h"
#include "platform/ExceptionBoundary.h"
#include "platform/Exceptions.h"
#include "platform/MessageDlg.h"
#include "platform/Printer.h"
#include "platform/TextFile.h"
#include "platform/ToolBar.h"
#include "tools/PrintComponents.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tools {

namespace {

// A line of the data files: UTF-8 when it reads as such, else Latin-1.
QString Decode(const std::string& bytes)
{
  const QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
  if (text.contains(QChar::ReplacementCharacter))
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
  return text;
}

// The grid holds 8-bit text.
std::string CellText(const std::string& bytes) { return platform::ToLatin1(Decode(bytes)); }

void SetUpColumn(grid::TtsGrid& grid, int col, const char* heading)
{
  grid::TtsCol& column = grid.Model().Col(col);
  column.SetHeading(heading);
  column.SetHeadingHorzAlignment(grid::htaCenter);
}

QStringList MemoLines(const QPlainTextEdit& memo)
{
  QStringList lines;
  if (memo.document()->isEmpty())
    return lines;
  for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next())
    lines << block.text();
  return lines;
}

// The file a second job of the "PDF file" printer writes: the first job's name with " notes".
QString NotesPdfName(const QString& first)
{
  const QFileInfo info(first);
  return info.dir().filePath(info.completeBaseName() + QStringLiteral(" notes.") + info.suffix());
}

}  // namespace

TfrnPT::TfrnPT(QString folder, QWidget* parent) : Form(parent, true), folder_(std::move(folder))
{
  setObjectName(QStringLiteral("frnPT"));
  setWindowTitle(QStringLiteral("Propeties"));

  ToolBar1 = new platform::TToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->SetButtonSize(48, 22);
  sbPrint = &ToolBar1->AddButton(QStringLiteral("sbPrint"), QStringLiteral("Print  <Ctrl+P>"), [this] { Print(); });
  sbPrint->SetCaption(QStringLiteral("Print"));
  sbCopy = &ToolBar1->AddButton(QStringLiteral("sbCopy"), QStringLiteral("Copy    <Ctrl+C>"), [this] { Copy(); });
  sbCopy->SetCaption(QStringLiteral("Copy"));

  tsgPT = new grid::TtsGrid(this);
  tsgPT->SetName("tsgPT");
  tsgPT->SetStoreData(true);
  tsgPT->SetCols(2);
  SetUpColumn(*tsgPT, 1, "Properies");
  SetUpColumn(*tsgPT, 2, "Value");
  tsgPT->Model().Col(1).SetReadOnly(true);
  tsgPT->Model().Col(1).SetColor(platform::clBtnFace);

  M1 = new QPlainTextEdit(this);
  M1->setObjectName(QStringLiteral("M1"));
  M1->setFixedHeight(200);
  M = new QPlainTextEdit(this);
  M->setObjectName(QStringLiteral("M"));
  M->hide();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  layout->addWidget(ToolBar1);
  layout->addWidget(tsgPT, 1);
  layout->addWidget(M1);
  SetKeyPreview(true);

  LoadElementTable();
  resize(420, (tsgPT->Rows() + 1) * tsgPT->DefaultRowHeight() + ToolBar1->height() + 232);
}

QString TfrnPT::PrtPath() const { return QDir(folder_).filePath(QStringLiteral("Vexal.prt")); }

QString TfrnPT::NotesPath() const { return QDir(folder_).filePath(QStringLiteral("Vexal.txt")); }

void TfrnPT::LoadElementTable()
{
  table_.Clear();
  std::vector<std::string> lines;
  bool read = true;
  try {
    lines = platform::ReadTextLines(PrtPath());
  } catch (const platform::EFileError&) {
    read = false;  // no data file: no rows, nothing said
  }
  if (read && !table_.Parse(lines))
    platform::ShowError(QStringLiteral("File %1 corapted -> %2").arg(PrtPath(), Decode(table_.BadLine())));
  tsgPT->SetRows(table_.PropertyCount());
  for (int i = 0; i < table_.PropertyCount(); ++i)
    tsgPT->SetCell(1, i + 1, CellText(table_.PropertyNames()[std::size_t(i)]));
}

void TfrnPT::LoadNotes()
{
  notesLoaded_ = true;  // a file that can't be read is reported once
  try {
    notes_ = platform::ReadUnicodeLines(NotesPath());
  } catch (const platform::EFileError& error) {
    notes_.clear();
    platform::ShowError(error.Message());
  }
}

QString TfrnPT::ElementName() const
{
  const std::vector<std::string>* values = table_.Element(current_);
  return values && !values->empty() ? Decode(values->front()) : QString();
}

void TfrnPT::ShowElement(int n)
{
  if (!table_.Element(n)) {
    platform::ShowError(QStringLiteral("No data for element %1 in %2").arg(n).arg(PrtPath()));
    return;
  }
  current_ = n;
  setWindowTitle(QStringLiteral("Propeties - [%1]").arg(ElementName()));
  const std::vector<std::string>& values = *table_.Element(n);
  for (int i = 0; i < table_.PropertyCount(); ++i)
    tsgPT->SetCell(2, i + 1, CellText(values[std::size_t(i)]));
  M1->clear();
  if (!notesLoaded_)
    LoadNotes();
  if (n - 1 < notes_.size())
    M1->appendPlainText(notes_[n - 1]);
  Show();
}

void TfrnPT::Print()
{
  const QString title = ElementName();
  platform::TPrinter& printer = platform::Printer();
  const QString chosenFile = printer.FileNameSet() ? printer.FileName() : QString();
  try {
    PrintControlContents(tsgPT, title);
    // The "PDF file" printer would write the notes over the grid's file.
    if (printer.IsPdfPrinter())
      printer.SetFileName(NotesPdfName(printer.FileName()));
    PrintControlContents(M1, title);
  } catch (...) {
    platform::ShowCurrentException();
  }
  printer.SetFileName(chosenFile);
}

void TfrnPT::Copy()
{
  QStringList lines;
  for (int row = 1; row <= tsgPT->Rows(); ++row) {
    QStringList cells;
    for (int col = 1; col <= tsgPT->Cols(); ++col)
      cells << platform::FromLatin1(tsgPT->Cell(col, row).AsString());
    lines << cells.join('\t');
  }
  lines << MemoLines(*M1);
  M->setPlainText(lines.join('\n'));
  M->selectAll();
  const QString text = M->toPlainText().replace('\n', QStringLiteral("\r\n"));
  platform::Guard([&text] { platform::SetClipboardText(platform::ToLatin1(text)); });
}

void TfrnPT::FormKeyDown(int& key, platform::TShiftState shift)
{
  if (shift != platform::ssCtrl)
    return;
  if (key == 'P') {
    key = 0;
    Print();
  } else if (key == 'C') {
    key = 0;
    Copy();
  }
}

void TfrnPT::resizeEvent(QResizeEvent* event)
{
  Form::resizeEvent(event);
  tsgPT->SetDefaultColWidth((event->size().width() - 42) / 2);
}

}  // namespace tools
