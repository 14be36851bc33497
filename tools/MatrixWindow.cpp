#include "tools/MatrixWindow.h"

#include "tools/EngineText.h"

#include "engine/EngineState.h"
#include "platform/Application.h"
#include "platform/AtomicFile.h"
#include "platform/ClipboardText.h"
#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/Hints.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "platform/Printer.h"
#include "platform/Shell.h"
#include "platform/StringGrid.h"
#include "tools/MatrixPrint.h"
#include "tools/MatrixQuestion.h"
#include "tools/MatrixView.h"
#include "tools/PrintJob.h"
#include "tools/matrix/MatrixText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tools {

namespace {

using platform::TStringGrid;

constexpr int kMaxSize = 100;
constexpr int kDefaultSize = 4;

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setToolTip(hint);
  return button;
}

QPushButton* OperationButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  return button;
}

QLineEdit* Edit(QWidget* parent, const char* name, const QString& text, int width)
{
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setFixedWidth(width);
  return edit;
}

void SetEditColor(QLineEdit* edit, bool valid)
{
  edit->setStyleSheet(valid ? QString() : QStringLiteral("QLineEdit { background: #ff0000; }"));
}

// A size edit's value when it reads as a whole number inside 1..100.
bool SizeValue(const QLineEdit* edit, int& value)
{
  bool ok = false;
  value = edit->text().toInt(&ok);
  return ok && value >= 1 && value <= kMaxSize;
}

void SetupGrid(TStringGrid* grid, bool editable)
{
  grid->SetDefaultColWidth(56);
  grid->SetDefaultRowHeight(20);
  grid->SetRowCount(kDefaultSize + 1);
  grid->SetColCount(kDefaultSize + 1);
  platform::TGridOptions options = platform::kDefaultGridOptions;
  if (editable)
    options |= platform::GridOptions({platform::goEditing});
  grid->SetOptions(options);
  grid->setMinimumSize(240, 150);
}

}  // namespace

TfmMatrix::TfmMatrix(platform::TSaveDialog& saveDialog, QString settingsFile, TfmMult& fmMult, TfrmViewR& frmViewR,
                     QWidget* parent)
    : Form(parent, true), saveDialog_(saveDialog), fmMult_(fmMult), frmViewR_(frmViewR),
      settingsFile_(std::move(settingsFile))
{
  setObjectName(QStringLiteral("fmMatrix"));
  setWindowTitle(QStringLiteral("Matrix"));
  busy_ = true;

  auto* operations = new QHBoxLayout;
  Solve = OperationButton(this, "Solve", QStringLiteral("Solve A(X)=B"),
                          QStringLiteral("Solve Equations:\nA[1,1]*X[1]+A[1,2]*X[2]+...+A[1,n]*X[n]=B[1]\n"
                                         "..................................................\n"
                                         "A[n,1]*X[1]+A[n,2]*X[2]+...+A[n,n]*X[n]=B[n]"));
  btAMultB = OperationButton(this, "btAMultB", QStringLiteral("A*B=C"), QStringLiteral("Multiply A(n,m) by B(m,n)"));
  btAAddB = OperationButton(this, "btAAddB", QStringLiteral("A&+B=C"), QStringLiteral("Add A(n,m) to B(n,m) result C[n,m]"));
  btASubsB = OperationButton(this, "btASubsB", QStringLiteral("A&-B=C"),
                             QStringLiteral("A(n,m) subtract B(n,m) result C[n,m]"));
  btInverse = OperationButton(this, "btInverse", QStringLiteral("&Ivnerse(A)=C"), QStringLiteral("Inverse A[n,n]=C[n,n]"));
  ptPowerA = OperationButton(this, "ptPowerA", QStringLiteral("Power(A,n)=C"), QStringLiteral("Am,m to Power n"));
  btDeterminant = OperationButton(this, "btDeterminant", QStringLiteral("det |A|=C[1,1]"), QStringLiteral("Determinant of A"));
  sbMultArA = OperationButton(this, "sbMultArA", QStringLiteral("r*A=C"), QStringLiteral("Scale prodact r*A result C"));
  Button2 = OperationButton(this, "Button2", QStringLiteral("f(Aij)=Cij"), QStringLiteral("Function(Aij)=Cij"));
  Button1 = OperationButton(this, "Button1", QStringLiteral("="), QString());
  // Enter in an edit applies the edit: no button of the window is pressed by it.
  for (QPushButton* b : {Solve, btAMultB, btAAddB, btASubsB, btInverse, ptPowerA, btDeterminant, sbMultArA, Button2, Button1}) {
    b->setAutoDefault(false);
    operations->addWidget(b);
  }
  operations->addStretch();

  edOperation = new QLineEdit(this);
  edOperation->setObjectName(QStringLiteral("edOperation"));
  edOperation->setReadOnly(true);

  auto* panels = new QHBoxLayout;
  panels->addWidget(BuildPanel(this, "A", edAName, edARows, edACols, &edAValue, sgA), 1);
  panels->addWidget(BuildPanel(this, "B", edBName, edBRows, edBCols, &edBValue, sgB), 1);
  panels->addWidget(BuildPanel(this, "C", edCName, edCRows, edCCols, nullptr, sgC), 1);
  edCRows->setReadOnly(true);
  edCCols->setReadOnly(true);

  auto* tools = new QHBoxLayout;
  sbAtoB = ToolButton(this, "sbAtoB", QStringLiteral("A>B"), QStringLiteral("Copy Matrix A to B"));
  sbBtoA = ToolButton(this, "sbBtoA", QStringLiteral("B>A"), QStringLiteral("Copy Matrix B to A"));
  sbCtoA = ToolButton(this, "sbCtoA", QStringLiteral("C>A"), QStringLiteral("Copy Matrix C to A"));
  sbCtoB = ToolButton(this, "sbCtoB", QStringLiteral("C>B"), QStringLiteral("Copy Matrix C to B"));
  sbAtoClip = ToolButton(this, "sbAtoClip", QStringLiteral("A>Clip"), QStringLiteral("Copy matrix A to clipboard"));
  sbBtoClip = ToolButton(this, "sbBtoClip", QStringLiteral("B>Clip"), QStringLiteral("Copy matrix B to clipboard"));
  sbCtoClip = ToolButton(this, "sbCtoClip", QStringLiteral("C>Clip"), QStringLiteral("Copy matrix C to clipboard"));
  sbPasteToA = ToolButton(this, "sbPasteToA", QStringLiteral("Clip>A"), QStringLiteral("Paste from clipboard to matrix A"));
  sbPasteToB = ToolButton(this, "sbPasteToB", QStringLiteral("Clip>B"), QStringLiteral("Paste from clipboard to matrix B"));
  sbAddRow = ToolButton(this, "sbAddRow", QStringLiteral("+Row"), QStringLiteral("Add New Row <Alt-Insert>"));
  sbDelRow = ToolButton(this, "sbDelRow", QStringLiteral("-Row"), QStringLiteral("Delete Row"));
  sbAddCol = ToolButton(this, "sbAddCol", QStringLiteral("+Col"), QStringLiteral("Add Column <Ctrl-Insert>"));
  sbDelCol = ToolButton(this, "sbDelCol", QStringLiteral("-Col"), QStringLiteral("Delete Column"));
  sbASwap = ToolButton(this, "sbASwap", QStringLiteral("Swap"), QStringLiteral("Swap Rows/Columns"));
  sbSave = ToolButton(this, "sbSave", QStringLiteral("Save"), QStringLiteral("Save to Text File"));
  sbPrint = ToolButton(this, "sbPrint", QStringLiteral("Print"), QStringLiteral("Print"));
  SpeedButton1 = ToolButton(this, "SpeedButton1", QStringLiteral("Help"), QStringLiteral("Help"));
  for (QToolButton* b : {sbAtoB, sbBtoA, sbCtoA, sbCtoB, sbAtoClip, sbBtoClip, sbCtoClip, sbPasteToA, sbPasteToB,
                         sbAddRow, sbDelRow, sbAddCol, sbDelCol, sbASwap, sbSave, sbPrint, SpeedButton1})
    tools->addWidget(b);
  tools->addStretch();

  auto* left = new QVBoxLayout;
  left->addLayout(operations);
  left->addWidget(edOperation);
  left->addLayout(panels, 1);
  left->addLayout(tools);
  auto* root = new QHBoxLayout(this);
  root->addLayout(left, 1);
  root->addWidget(BuildRepository(this));

  a_ = std::make_unique<TGridMatrix>(*sgA, *edAName);
  b_ = std::make_unique<TGridMatrix>(*sgB, *edBName);
  c_ = std::make_unique<TGridMatrix>(*sgC, *edCName);
  for (TGridMatrix* m : {a_.get(), b_.get(), c_.get()}) {
    m->WriteHeadings();
    m->OnResized = [this] { ShowSizes(); };
  }
  calculator_ = std::make_unique<TMatrixCalculator>(*a_, *b_, *c_);
  pmA = std::make_unique<platform::TPopupMenu>();
  pmA->Items().Add(QStringLiteral("Paste1"), QStringLiteral("&Paste"), [this] { Paste(*a_); });
  pmA->OnPopup = [this] {
    pmA->Items().Find(QStringLiteral("Paste1"))->SetEnabled(platform::ClipboardHasText());
  };
  Wire();
  platform::ApplicationHints().HintHidePause = 7000;
  resize(1000, 480);
  busy_ = false;
  UpdateButtons();
}

TfmMatrix::~TfmMatrix() = default;

QWidget* TfmMatrix::BuildPanel(QWidget* parent, const char* letter, QLineEdit*& name, QLineEdit*& rows,
                               QLineEdit*& cols, QLineEdit** fill, platform::TStringGrid*& grid)
{
  auto* panel = new QWidget(parent);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  auto* line = new QHBoxLayout;
  const std::string prefix = std::string("ed") + letter;
  name = Edit(panel, (prefix + "Name").c_str(), QString::fromLatin1(letter), 40);
  rows = Edit(panel, (prefix + "Rows").c_str(), QString::number(kDefaultSize), 36);
  cols = Edit(panel, (prefix + "Cols").c_str(), QString::number(kDefaultSize), 36);
  for (QLineEdit* size : {rows, cols})
    size->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9]{0,4}")), size));
  line->addWidget(name);
  line->addWidget(new QLabel(QStringLiteral("Rows"), panel));
  line->addWidget(rows);
  line->addWidget(new QLabel(QStringLiteral("Cols"), panel));
  line->addWidget(cols);
  if (fill != nullptr) {
    *fill = Edit(panel, (prefix + "Value").c_str(), QStringLiteral("0"), 50);
    (*fill)->setToolTip(QStringLiteral("Fill"));
    line->addWidget(new QLabel(QStringLiteral("Fill"), panel));
    line->addWidget(*fill);
  }
  line->addStretch();
  column->addLayout(line);
  grid = new TStringGrid(panel);
  grid->setObjectName(QStringLiteral("sg") + QString::fromLatin1(letter));
  SetupGrid(grid, fill != nullptr);
  column->addWidget(grid, 1);
  return panel;
}

QWidget* TfmMatrix::BuildRepository(QWidget* parent)
{
  auto* panel = new QWidget(parent);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(new QLabel(QStringLiteral("R"), panel));
  lbR = new QListWidget(panel);
  lbR->setObjectName(QStringLiteral("lbR"));
  lbR->setFixedWidth(130);
  column->addWidget(lbR, 1);
  auto* buttons = new QHBoxLayout;
  sbRtoA = ToolButton(panel, "sbRtoA", QStringLiteral("R>A"), QStringLiteral("Copy selected matrix to A"));
  sbRtoB = ToolButton(panel, "sbRtoB", QStringLiteral("R>B"), QStringLiteral("Copy selected matrix to B"));
  sbRView = ToolButton(panel, "sbRView", QStringLiteral("View"), QStringLiteral("View R"));
  sbRPrint = ToolButton(panel, "sbRPrint", QStringLiteral("Print"), QStringLiteral("Print matrix"));
  for (QToolButton* b : {sbRtoA, sbRtoB, sbRView, sbRPrint})
    buttons->addWidget(b);
  column->addLayout(buttons);
  return panel;
}

void TfmMatrix::Wire()
{
  using Op = TMatrixOperation;
  connect(Solve, &QPushButton::clicked, this, [this] { SelectOperation(Op::Solve); });
  connect(btAMultB, &QPushButton::clicked, this, [this] { SelectOperation(Op::Product); });
  connect(btAAddB, &QPushButton::clicked, this, [this] { SelectOperation(Op::Sum); });
  connect(btASubsB, &QPushButton::clicked, this, [this] { SelectOperation(Op::Difference); });
  connect(btInverse, &QPushButton::clicked, this, [this] { SelectOperation(Op::Inverse); });
  connect(btDeterminant, &QPushButton::clicked, this, [this] { SelectOperation(Op::Determinant); });
  connect(ptPowerA, &QPushButton::clicked, this, [this] { AskAndSelect(Op::Power); });
  connect(sbMultArA, &QPushButton::clicked, this, [this] { AskAndSelect(Op::Scaling); });
  connect(Button2, &QPushButton::clicked, this, [this] { AskAndSelect(Op::Function); });
  connect(Button1, &QPushButton::clicked, this, [this] { Calculate(); });
  // The help stand-in shows the program's one help page; HelpContext names the window's topic.
  connect(SpeedButton1, &QToolButton::clicked, this,
          [] { platform::ShowHelp(platform::ProgramFolder() + QStringLiteral("Vexal.hlp")); });

  connect(edARows, &QLineEdit::textEdited, this, [this] { SizeEdited(*a_, false); });
  connect(edACols, &QLineEdit::textEdited, this, [this] { SizeEdited(*a_, true); });
  connect(edBRows, &QLineEdit::textEdited, this, [this] { SizeEdited(*b_, false); });
  connect(edBCols, &QLineEdit::textEdited, this, [this] { SizeEdited(*b_, true); });
  for (QLineEdit* name : {edAName, edBName, edCName})
    connect(name, &QLineEdit::textChanged, this, [this] { NameEdited(); });
  connect(edAValue, &QLineEdit::editingFinished, this, [this] { FillGrid(*a_, EngineBytes(edAValue->text())); UpdateButtons(); });
  connect(edBValue, &QLineEdit::editingFinished, this, [this] { FillGrid(*b_, EngineBytes(edBValue->text())); UpdateButtons(); });

  const auto copy = [this](TGridMatrix& from, TGridMatrix& to) {
    CopyGridCells(from, to);
    UpdateButtons();
  };
  connect(sbAtoB, &QToolButton::clicked, this, [this, copy] { copy(*a_, *b_); });
  connect(sbBtoA, &QToolButton::clicked, this, [this, copy] { copy(*b_, *a_); });
  connect(sbCtoA, &QToolButton::clicked, this, [this, copy] { copy(*c_, *a_); });
  connect(sbCtoB, &QToolButton::clicked, this, [this, copy] { copy(*c_, *b_); });
  connect(sbAtoClip, &QToolButton::clicked, this, [this] { CopyToClipboard(*a_); });
  connect(sbBtoClip, &QToolButton::clicked, this, [this] { CopyToClipboard(*b_); });
  connect(sbCtoClip, &QToolButton::clicked, this, [this] { CopyToClipboard(*c_); });
  connect(sbPasteToA, &QToolButton::clicked, this, [this] { Paste(*a_); });
  connect(sbPasteToB, &QToolButton::clicked, this, [this] { Paste(*b_); });
  connect(sbAddRow, &QToolButton::clicked, this, [this] {
    ChangeCurrentShape([](TGridMatrix& m) { m.SetSize(std::min(m.Rows() + 1, kMaxSize), m.Cols()); }, false);
  });
  connect(sbDelRow, &QToolButton::clicked, this, [this] {
    ChangeCurrentShape([](TGridMatrix& m) { if (m.Rows() > 1) DeleteGridRow(m, m.Grid().Row()); }, false);
  });
  connect(sbAddCol, &QToolButton::clicked, this, [this] {
    ChangeCurrentShape([](TGridMatrix& m) { m.SetSize(m.Rows(), std::min(m.Cols() + 1, kMaxSize)); }, true);
  });
  connect(sbDelCol, &QToolButton::clicked, this, [this] {
    ChangeCurrentShape([](TGridMatrix& m) { if (m.Cols() > 1) DeleteGridCol(m, m.Grid().Col()); }, true);
  });
  connect(sbASwap, &QToolButton::clicked, this, [this] { ChangeCurrentShape(&TransposeGrid, true); });
  connect(sbSave, &QToolButton::clicked, this, [this] { SaveToFile(); });
  connect(sbPrint, &QToolButton::clicked, this, [this] { PrintGrids(); });

  connect(lbR, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
  connect(sbRtoA, &QToolButton::clicked, this, [this] { calculator_->WriteEntry(std::size_t(SelectedEntry()), *a_); UpdateButtons(); });
  connect(sbRtoB, &QToolButton::clicked, this, [this] { calculator_->WriteEntry(std::size_t(SelectedEntry()), *b_); UpdateButtons(); });
  connect(sbRView, &QToolButton::clicked, this, [this] { ViewStored(); });
  connect(sbRPrint, &QToolButton::clicked, this, [this] { PrintStored(); });

  sgA->OnKeyDown = [this](int& key, platform::TShiftState shift) { ShapeKey(*a_, key, shift); };
  sgB->OnKeyDown = [this](int& key, platform::TShiftState shift) { ShapeKey(*b_, key, shift); };
  sgA->OnSetEditText = [this](int, int, const QString&) { UpdateButtons(); };
  sgB->OnSetEditText = [this](int, int, const QString&) { UpdateButtons(); };
  // Entering a grid, by focus or by a click, makes it the grid of the row and column buttons.
  const auto enter = [this](TGridMatrix* matrix) {
    current_ = matrix;
    UpdateButtons();
  };
  sgA->OnEnter = [enter, this] { enter(a_.get()); };
  sgB->OnEnter = [enter, this] { enter(b_.get()); };
  sgA->OnMouseDown = [enter, this](platform::TMouseButton button, platform::TShiftState, int x, int y) {
    enter(a_.get());
    if (button == platform::mbRight) {
      const QPoint at = sgA->mapToGlobal(QPoint(x, y));
      pmA->Popup(at.x(), at.y());
    }
  };
  sgB->OnMouseDown = [enter, this](platform::TMouseButton, platform::TShiftState, int, int) { enter(b_.get()); };
  sgC->OnClick = [this] { current_ = nullptr; UpdateButtons(); };
  if (QClipboard* clipboard = QGuiApplication::clipboard())
    connect(clipboard, &QClipboard::dataChanged, this, [this] { UpdateButtons(); });
}

void TfmMatrix::ShowWindow()
{
  SelectOperation(TMatrixOperation::Product);
  Show();
}

// Operations

void TfmMatrix::SelectOperation(TMatrixOperation operation)
{
  busy_ = true;
  calculator_->Select(operation);
  busy_ = false;
  ShowSizes();
  edOperation->setText(platform::FromLatin1(calculator_->OperationLine()));
  sgB->parentWidget()->setVisible(calculator_->UsesB());
  sbPrint->setEnabled(false);
  sbSave->setEnabled(false);
  sgA->setFocus();
  UpdateButtons();
}

void TfmMatrix::AskAndSelect(TMatrixOperation operation)
{
  bool ok = false;
  if (operation == TMatrixOperation::Power)
    ok = fmMult_.AskInteger(calculator_->PowerN);
  else if (operation == TMatrixOperation::Scaling)
    ok = fmMult_.AskReal(calculator_->ScaleFactor);
  else
    ok = fmMult_.AskFunction(calculator_->FunctionText);
  if (ok)
    SelectOperation(operation);
}

void TfmMatrix::Calculate()
{
  for (TStringGrid* grid : {sgA, sgB})
    grid->HideEditor();
  const std::size_t before = calculator_->Repository().size();
  const TCalculation outcome = calculator_->Calculate();
  switch (outcome.Outcome) {
  case TCalculation::BadCell: {
    TStringGrid& grid = static_cast<TGridMatrix*>(outcome.Grid)->Grid();
    grid.setFocus();
    grid.SetCol(outcome.Col);
    grid.SetRow(outcome.Row);
    break;
  }
  case TCalculation::Failed:
    platform::ShowError(QString::fromLatin1(outcome.Message.c_str()));
    break;
  case TCalculation::Done:
    StoreEntries(before);
    sbPrint->setEnabled(true);
    sbSave->setEnabled(true);
    break;
  }
  UpdateButtons();
}

void TfmMatrix::StoreEntries(std::size_t before)
{
  const auto& repository = calculator_->Repository();
  for (std::size_t i = before; i < repository.size(); ++i)
    lbR->addItem(platform::FromLatin1(repository[i].Name));
  if (lbR->count() > 0)
    lbR->scrollToItem(lbR->item(lbR->count() - 1));
}

// Sizes and names

void TfmMatrix::SizeEdited(TGridMatrix& matrix, bool colsEdited)
{
  if (busy_)
    return;
  QLineEdit* edit = &matrix == a_.get() ? (colsEdited ? edACols : edARows) : (colsEdited ? edBCols : edBRows);
  int value = 0;
  const bool valid = SizeValue(edit, value);
  SetEditColor(edit, valid);
  if (!valid)
    return;
  busy_ = true;
  matrix.SetSize(colsEdited ? matrix.Rows() : value, colsEdited ? value : matrix.Cols());
  calculator_->TieSizes(matrix, colsEdited);
  busy_ = false;
  ShowSizes();
  UpdateButtons();
}

void TfmMatrix::ShowSizes()
{
  if (busy_)
    return;
  busy_ = true;
  const auto show = [](QLineEdit* edit, int value) {
    if (edit->text() != QString::number(value))
      edit->setText(QString::number(value));
    SetEditColor(edit, true);
  };
  show(edARows, a_->Rows());
  show(edACols, a_->Cols());
  show(edBRows, b_->Rows());
  show(edBCols, b_->Cols());
  show(edCRows, c_->Rows());
  show(edCCols, c_->Cols());
  busy_ = false;
}

void TfmMatrix::NameEdited()
{
  if (busy_ || !calculator_)
    return;
  for (TGridMatrix* m : {a_.get(), b_.get(), c_.get()})
    m->WriteHeadings();
  edOperation->setText(platform::FromLatin1(calculator_->OperationLine()));
}

void TfmMatrix::ShapeKey(TGridMatrix& matrix, int& key, platform::TShiftState shift)
{
  TStringGrid& grid = matrix.Grid();
  if (key == platform::VK_RETURN && grid.EditorMode()) {
    key = 0;
    Calculate();
    return;
  }
  bool colsChanged = false;
  if (key == platform::VK_DOWN && !grid.EditorMode() && grid.Row() == grid.RowCount() - 1) {
    if (matrix.Rows() >= kMaxSize)
      return;
    matrix.SetSize(matrix.Rows() + 1, matrix.Cols());
  } else if (key == platform::VK_DELETE && !grid.EditorMode()) {
    DeleteGridRow(matrix, grid.Row());
    key = 0;
  } else if (key == platform::VK_INSERT && shift == 0 && matrix.Rows() < kMaxSize) {
    InsertGridRow(matrix, grid.Row());
    key = 0;
  } else if (key == platform::VK_INSERT && shift == platform::ssShift && matrix.Cols() < kMaxSize) {
    InsertGridCol(matrix, grid.Col());
    colsChanged = true;
    key = 0;
  } else {
    return;
  }
  ShapeChanged(matrix, colsChanged);
}

void TfmMatrix::ChangeCurrentShape(const std::function<void(TGridMatrix&)>& change, bool colsChanged)
{
  if (current_ == nullptr)
    return;
  change(*current_);
  ShapeChanged(*current_, colsChanged);
}

void TfmMatrix::ShapeChanged(TGridMatrix& matrix, bool colsChanged)
{
  busy_ = true;
  calculator_->TieSizes(matrix, colsChanged);
  busy_ = false;
  ShowSizes();
  UpdateButtons();
}

// Files, clipboard, printing, repository

void TfmMatrix::SaveToFile()
{
  saveDialog_.Title = QStringLiteral("Save to Text File");
  saveDialog_.DefaultExt = QStringLiteral("TXT");
  saveDialog_.Filter = QStringLiteral("Text files (*.TXT)|*.TXT");
  saveDialog_.Options = platform::ofOverwritePrompt;
  if (!saveDialog_.Execute())
    return;
  QByteArray bytes;
  for (const std::string& line : calculator_->FileLines()) {
    bytes.append(line.data(), qsizetype(line.size()));
    bytes.append("\r\n");
  }
  try {
    platform::WriteFileAtomic(saveDialog_.FileName, bytes);
  } catch (const platform::EFileError&) {
    platform::ShowError(QStringLiteral("Can not create file ") + saveDialog_.FileName);
  }
}

void TfmMatrix::CopyToClipboard(const TMatrixGrid& matrix)
{
  platform::SetClipboardText(GridClipboardText(matrix));
  UpdateButtons();
}

void TfmMatrix::Paste(TGridMatrix& matrix)
{
  const std::optional<QString> text = platform::ClipboardUnicodeText();
  if (!text)
    return;
  PasteIntoGrid(matrix, EngineBytes(*text), matrix.Grid().Row(), matrix.Grid().Col());
  UpdateButtons();
}

void TfmMatrix::PrintGrids()
{
  std::vector<const TMatrixGrid*> grids{a_.get()};
  if (calculator_->UsesB())  // a hidden B is not part of the operation
    grids.push_back(b_.get());
  grids.push_back(c_.get());
  RunPrintJob(QStringLiteral("Matrix"), QStringLiteral("The matrices were printed to the file "), [&] {
    PrintMatrixGrids(platform::Printer(), ReadPrintMargins(settingsFile_), calculator_->OperationLine(), grids);
  });
}

void TfmMatrix::PrintStored()
{
  const int index = SelectedEntry();
  if (index < 0)
    return;
  const TRepositoryEntry& entry = calculator_->Repository()[std::size_t(index)];
  RunPrintJob(platform::FromLatin1(entry.Name), QStringLiteral("The matrix was printed to the file "), [&] {
    PrintStoredMatrix(platform::Printer(), ReadPrintMargins(settingsFile_), entry.Name, *entry.Matrix);
  });
}

void TfmMatrix::ViewStored()
{
  const int index = SelectedEntry();
  if (index < 0)
    return;
  frmViewR_.ShowMatrix(*calculator_->Repository()[std::size_t(index)].Matrix);
}

int TfmMatrix::SelectedEntry() const { return lbR->currentRow(); }

void TfmMatrix::UpdateButtons()
{
  if (busy_ || !calculator_)
    return;
  const bool clipboardText = platform::ClipboardHasText();
  sbPasteToA->setEnabled(clipboardText);
  sbPasteToB->setEnabled(clipboardText);
  const bool result = calculator_->HasResult();
  for (QToolButton* b : {sbCtoA, sbCtoB, sbCtoClip})
    b->setEnabled(result);
  const bool aValid = GridEvaluatesApart(*a_);
  sbAtoB->setEnabled(aValid);
  sbAtoClip->setEnabled(aValid);
  const bool bValid = GridEvaluatesApart(*b_);
  sbBtoA->setEnabled(bValid);
  sbBtoClip->setEnabled(bValid);
  const bool selected = SelectedEntry() >= 0;
  for (QToolButton* b : {sbRtoA, sbRtoB, sbRView, sbRPrint})
    b->setEnabled(selected);
  for (QToolButton* b : {sbAddRow, sbDelRow, sbAddCol, sbDelCol, sbASwap})
    b->setEnabled(current_ != nullptr);
}

}  // namespace tools
