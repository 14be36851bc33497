// Building the main window's controls and pages.

#include "app/MainWindow.h"

#include "app/EngineCharValidator.h"
#include "app/EngineText.h"
#include "app/LinesMemo.h"
#include "app/ProgramFiles.h"

#include "controls/editor/Controller.h"
#include "controls/textfile/TextFileEditor.h"
#include "engine/FunctionTable.h"
#include "engine/Variables.h"

#include "platform/Shell.h"
#include "tools/units/UnitConverterWindow.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace app {

namespace {

constexpr int kButtonWidth = 46;
constexpr int kButtonHeight = 24;
const QString kNotYet = QStringLiteral("Not available in this version");

// Marks a control whose window or page behaviour is not built yet: it stays disabled.
template <typename W>
W* Pending(W* widget)
{
  widget->setEnabled(false);
  widget->setToolTip(kNotYet);
  return widget;
}

QLineEdit* NamedEdit(QWidget* parent, const char* name, const QString& text = {})
{
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

platform::RadioGroup* Group(QWidget* parent, const char* name, const QString& title, const QStringList& items,
                            int columns)
{
  auto* group = new platform::RadioGroup(parent);
  group->setObjectName(QString::fromLatin1(name));
  group->setTitle(title);
  group->SetColumns(columns);
  group->SetItems(items);
  group->SetItemIndex(0);
  return group;
}

// The digit controls: a read-only edit with its up-down buttons.
QWidget* DigitControl(QWidget* parent, const QString& caption, QLineEdit*& edit, platform::UpDown*& upDown,
                      int min, int max, int position, controls::TRxLabel** label = nullptr)
{
  auto* box = new QWidget(parent);
  box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  auto* text = new controls::TRxLabel(box, caption);
  text->SetAutoSize(false);
  text->SetLayout(controls::tlCenter);
  text->setFixedSize(56, 22);
  if (label)
    *label = text;
  edit = new QLineEdit(box);
  edit->setReadOnly(true);
  edit->setFixedSize(34, 24);
  upDown = new platform::UpDown(box);
  upDown->setFixedSize(18, 24);
  upDown->SetAssociate(edit);
  upDown->SetMin(min);
  upDown->SetMax(max);
  upDown->SetPosition(position);
  row->addWidget(text);
  row->addWidget(edit);
  row->addWidget(upDown);
  row->addStretch();
  return box;
}

// The mode controls of one of the two keypad pages, which carry them twice.
struct ModeControls {
  platform::RadioGroup*& real;
  platform::RadioGroup*& notation;
  platform::RadioGroup*& base;
  platform::RadioGroup*& angle;
  platform::RadioGroup*& complexForm;
  QLineEdit*& digitsEdit;
  platform::UpDown*& digits;
  QLineEdit*& precisionEdit;
  platform::UpDown*& precision;
  QCheckBox*& hint;
  QCheckBox*& eval;
  controls::TRxSwitch*& power;
  QCheckBox** assistant;           // only on the Calculator page
  controls::TRxLabel** digitsLabel;  // only on the Calculator page
};

// Builds the modes column of a keypad page; suffix ends the radio groups' names ("" or "2").
QWidget* ModesPanel(QWidget* page, const char* suffix, const char* switchName, const ModeControls& c)
{
  const auto name = [suffix](const char* base) { return QByteArray(base) + suffix; };
  auto* panel = new QWidget(page);
  panel->setMaximumWidth(260);
  auto* modes = new QVBoxLayout(panel);
  modes->setContentsMargins(0, 0, 0, 0);
  c.real = Group(page, name("rgReal").constData(), QString(), {"Real", "Comp"}, 2);
  c.notation = Group(page, name("rgNotation").constData(), QStringLiteral("Notation"), {"Scn", "Fix", "Eng", "Sxg"}, 4);
  c.base = Group(page, name("rgBase").constData(), QStringLiteral("Base"), {"dec", "hex", "bin"}, 3);
  c.angle = Group(page, name("rgAngle").constData(), QString(), {"Rad", "Deg"}, 2);
  c.complexForm = Group(page, name("rgComplexForm").constData(), QString(), {"Polar", "Rect"}, 2);
  c.complexForm->hide();
  modes->addWidget(c.real);
  modes->addWidget(c.notation);
  modes->addWidget(c.base);
  modes->addWidget(c.complexForm);
  modes->addWidget(c.angle);
  modes->addWidget(DigitControl(page, QStringLiteral("Digits"), c.digitsEdit, c.digits, 8, 21, 12, c.digitsLabel));
  modes->addWidget(DigitControl(page, QStringLiteral("Precision"), c.precisionEdit, c.precision, 1, 20, 9));
  auto* checks = new QHBoxLayout;
  if (c.assistant) {
    *c.assistant = new QCheckBox(QStringLiteral("Assistant"), page);
    checks->addWidget(*c.assistant);
  }
  c.hint = new QCheckBox(QStringLiteral("Hints"), page);
  c.eval = new QCheckBox(QStringLiteral("Evaluate"), page);
  checks->addWidget(c.hint);
  checks->addWidget(c.eval);
  modes->addLayout(checks);
  c.power = new controls::TRxSwitch(page);
  c.power->setObjectName(QString::fromLatin1(switchName));
  c.power->SetStateOn(true);
  c.power->setFixedSize(50, 50);
  c.power->setToolTip(QStringLiteral("Power off"));
  modes->addWidget(c.power, 0, Qt::AlignRight);
  modes->addStretch();
  return panel;
}

// A "Help" button: the program's help.
QPushButton* HelpButton(QWidget* parent)
{
  auto* button = new QPushButton(QStringLiteral("Help"), parent);
  QObject::connect(button, &QPushButton::clicked, parent, [] { platform::ShowHelp(HelpFileName()); });
  return button;
}

}  // namespace

QToolButton* TfmCalc::FunctionButton(QWidget* parent, const QString& caption, int tag)
{
  auto* button = new QToolButton(parent);
  button->setText(caption);
  button->setFixedSize(kButtonWidth, kButtonHeight);
  button->setProperty("Tag", tag);
  const auto table = engine::FunctionTable();
  if (tag >= 0 && tag < int(table.size()))
    button->setToolTip(QString::fromLatin1(table[std::size_t(tag)].Name.data(),
                                           qsizetype(table[std::size_t(tag)].Name.size())));
  connect(button, &QToolButton::clicked, this, [this, tag] { Clicker(tag); });
  speedButtons_.push_back(button);
  return button;
}

QToolButton* TfmCalc::InsertButton(QWidget* parent, const QString& caption, const QString& text)
{
  auto* button = new QToolButton(parent);
  button->setText(caption);
  button->setFixedSize(kButtonWidth, kButtonHeight);
  button->setToolTip(text);
  connect(button, &QToolButton::clicked, this, [this, text] { SetFunc(text); });
  speedButtons_.push_back(button);
  return button;
}

void TfmCalc::BuildTop(QWidget* top)
{
  auto* grid = new QGridLayout(top);
  grid->setContentsMargins(6, 6, 6, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);

  RxClock1 = new controls::TRxClock(top);
  RxClock1->setObjectName(QStringLiteral("RxClock1"));
  RxClock1->SetBevels(controls::bvNone, controls::bvNone);
  RxClock1->setFixedSize(64, 16);
  RxClock1->SetColor(platform::FromQColor(palette().color(QPalette::Window)));

  auto* expressionLabel = new controls::TRxLabel(top, QStringLiteral("Expression"));
  auto* resultLabel = new controls::TRxLabel(top, QStringLiteral("Result"));
  for (controls::TRxLabel* label : {expressionLabel, resultLabel}) {
    label->SetAutoSize(false);
    label->SetLayout(controls::tlCenter);
    label->setFixedSize(64, 26);
  }
  Edit1 = NamedEdit(top, "Edit1");
  Edit2 = NamedEdit(top, "Edit2");
  Edit2->setReadOnly(true);
  GuardEngineEdit(*Edit1);
  QFont big = Edit1->font();
  big.setPixelSize(16);
  Edit1->setFont(big);
  Edit2->setFont(big);
  Edit1->setMinimumHeight(26);
  Edit2->setMinimumHeight(26);
  cbHistory = new QComboBox(top);
  cbHistory->setObjectName(QStringLiteral("cbHistory"));
  cbHistory->setToolTip(QStringLiteral("History"));
  cbHistory->setFixedWidth(150);
  cbResults = new QComboBox(top);
  cbResults->setObjectName(QStringLiteral("cbResults"));
  cbResults->setToolTip(QStringLiteral("Results"));
  cbResults->setFixedWidth(150);
  // The lists open wide enough for long expressions.
  for (QComboBox* list : {cbHistory, cbResults})
    list->view()->setMinimumWidth(360);
  sbStop = new QToolButton(top);
  sbStop->setObjectName(QStringLiteral("sbStop"));
  sbStop->setText(QStringLiteral("Stop"));
  sbStop->setToolTip(QStringLiteral("Break culculation"));
  sbStop->setFixedSize(kButtonWidth, 26);
  connect(sbStop, &QToolButton::clicked, this, [this] { sbStopClick(); });

  grid->addWidget(expressionLabel, 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(cbHistory, 0, 2);
  grid->addWidget(RxClock1, 0, 3, Qt::AlignCenter);
  grid->addWidget(resultLabel, 1, 0);
  grid->addWidget(Edit2, 1, 1);
  grid->addWidget(cbResults, 1, 2);
  grid->addWidget(sbStop, 1, 3, Qt::AlignCenter);
  grid->setColumnStretch(1, 1);
}

void TfmCalc::BuildCalculatorPage()
{
  tsCalc = new QWidget;
  tsCalc->setObjectName(QStringLiteral("tsCalc"));
  auto* page = new QHBoxLayout(tsCalc);

  // Keypad
  auto* keypad = new QGroupBox(tsCalc);
  auto* keys = new QGridLayout(keypad);
  keys->setSpacing(3);
  const std::vector<std::vector<std::pair<QString, QString>>> rows{
      {{"7", "7"}, {"8", "8"}, {"9", "9"}, {"/", "/"}, {"(", "("}, {")", ")"}},
      {{"4", "4"}, {"5", "5"}, {"6", "6"}, {"*", "*"}, {"^", "^"}, {"%", "%"}},
      {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"-", "-"}, {QString(QChar(0xB2)), QString(QChar(0xB2))},
       {QString(QChar(0xB3)), QString(QChar(0xB3))}},
      {{"0", "0"}, {".", "."}, {"?", "?"}, {"+", "+"}, {QString(QChar(0x221A)), QString(QChar(0xBD))}, {",", ","}},
      {{"and", "&"}, {"or", "|"}, {"xor", "\\"}, {"for", "for J to K step M do(?)"}, {"if", "if()then()else()"}},
  };
  for (int r = 0; r < int(rows.size()); ++r)
    for (int c = 0; c < int(rows[std::size_t(r)].size()); ++c) {
      const auto& [caption, text] = rows[std::size_t(r)][std::size_t(c)];
      QToolButton* button = InsertButton(keypad, caption, text);
      // What the complex language does not offer.
      if (QStringList{"%", "&", "|", "\\", "for J to K step M do(?)"}.contains(text))
        button->setProperty("RealOnly", true);
      keys->addWidget(button, r, c);
    }
  sbEQ = new QToolButton(keypad);
  sbEQ->setObjectName(QStringLiteral("sbEQ"));
  sbEQ->setText(QStringLiteral("="));
  sbEQ->setFixedSize(kButtonWidth, kButtonHeight);
  connect(sbEQ, &QToolButton::clicked, this, [this] { sbEQClick(); });
  keys->addWidget(sbEQ, 4, 5);

  // Function buttons
  auto* functions = new QGroupBox(tsCalc);
  auto* fgrid = new QGridLayout(functions);
  fgrid->setSpacing(3);
  const std::vector<std::pair<QString, int>> buttons{
      {"sin", 1},    {"cos", 12},   {"tan", 13},  {"asin", 2},  {"acos", 3},   {"atan", 4},   {"sinh", 8},
      {"cosh", 9},   {"tanh", 10},  {"asnh", 5},  {"acsh", 6},  {"atnh", 7},   {"exp", 14},   {"ln", 16},
      {"log", 17},   {"10^x", 87},  {"sqrt", 15}, {"sqr", 40},  {"abs", 33},   {"round", 34}, {"frac", 35},
      {QString(QChar(0x0393)), 26},     {"rand", 11},  {"erf", 25},  {"Jn", 18},   {"Yn", 19},    {"In", 20},    {"Kn", 21},
      {"Ci", 23},    {"Si", 24},    {"Nf", 31},   {"eFD", 32},  {"solve", 22}, {"integ", 27}, {"min", 0},
      {"max", 37},   {"mean", 38},  {"std", 39},  {"sum", 41},  {"gauss", 42}, {"poly", 43},  {"stat", 44},
  };
  for (int i = 0; i < int(buttons.size()); ++i)
    fgrid->addWidget(FunctionButton(functions, buttons[std::size_t(i)].first, buttons[std::size_t(i)].second), i / 7,
                     i % 7);

  fgrid->setColumnStretch(7, 1);

  // Variables X..N
  auto* variables = new QGroupBox(tsCalc);
  auto* vrow = new QGridLayout(variables);
  vrow->setSpacing(3);
  for (int i = 1; i <= 10; ++i) {
    auto* button = new QToolButton(variables);
    button->setText(QString(QLatin1Char(engine::VarName(i))));
    button->setFixedSize(kButtonWidth / 2 + 6, kButtonHeight);
    connect(button, &QToolButton::clicked, this, [this, i] { VariableButtonClick(i); });
    VarButtons[std::size_t(i - 1)] = button;
    vrow->addWidget(button, 0, i - 1);
  }

  auto* left = new QVBoxLayout;
  left->addWidget(keypad);
  left->addWidget(variables);
  left->addStretch();
  auto* middle = new QVBoxLayout;
  middle->addWidget(functions);
  pnAssistant = new controls::TRxLabel(tsCalc);
  pnAssistant->setObjectName(QStringLiteral("pnAssistant"));
  pnAssistant->SetAutoSize(false);
  pnAssistant->SetShadowSize(0);
  pnAssistant->setMinimumHeight(18);
  pnAssistant->SetColor(platform::FromQColor(QToolTip::palette().color(QPalette::ToolTipBase)));
  pnAssistant->hide();  // the assistant shows it
  middle->addWidget(pnAssistant, 0, Qt::AlignLeft);
  auto* small = new QHBoxLayout;
  auto* copy = new QToolButton(tsCalc);
  copy->setText(QStringLiteral("Copy"));
  connect(copy, &QToolButton::clicked, Edit1, &QLineEdit::copy);
  auto* paste = new QToolButton(tsCalc);
  paste->setText(QStringLiteral("Paste"));
  connect(paste, &QToolButton::clicked, Edit1, &QLineEdit::paste);
  auto* clear = new QToolButton(tsCalc);
  clear->setText(QStringLiteral("Clear All"));
  connect(clear, &QToolButton::clicked, this, [this] { ClearAll(); });
  sbShow = Pending(new QToolButton(tsCalc));
  sbShow->setText(QStringLiteral("Plots"));
  auto* matrix = new QToolButton(tsCalc);
  matrix->setObjectName(QStringLiteral("sbMatrix"));
  matrix->setText(QStringLiteral("Matrix"));
  matrix->setToolTip(QStringLiteral("Matrix Operations"));
  connect(matrix, &QToolButton::clicked, this, [this] { MatrixClick(); });
  auto* units = new QToolButton(tsCalc);
  units->setObjectName(QStringLiteral("sbCut"));
  units->setText(QStringLiteral("Units"));
  units->setToolTip(QStringLiteral("Unit Convertor"));
  connect(units, &QToolButton::clicked, this, [this] { fmConv->Show(); });
  auto* help = new QToolButton(tsCalc);
  help->setText(QStringLiteral("Help"));
  connect(help, &QToolButton::clicked, this, [] { platform::ShowHelp(HelpFileName()); });
  for (QToolButton* b : {copy, paste, clear, help, sbShow, matrix, units}) {
    b->setMinimumWidth(kButtonWidth + 10);
    b->setFixedHeight(kButtonHeight);
    small->addWidget(b);
  }
  SpinUp = new QToolButton(tsCalc);
  SpinUp->setArrowType(Qt::UpArrow);
  SpinDown = new QToolButton(tsCalc);
  SpinDown->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {SpinUp, SpinDown}) {
    b->setToolTip(QStringLiteral("Font size"));
    b->setFixedSize(18, kButtonHeight / 2 + 1);
  }
  connect(SpinUp, &QToolButton::clicked, this, [this] { FontSizeStep(1); });
  connect(SpinDown, &QToolButton::clicked, this, [this] { FontSizeStep(-1); });
  auto* spin = new QVBoxLayout;
  spin->setSpacing(0);
  spin->addWidget(SpinUp);
  spin->addWidget(SpinDown);
  small->addLayout(spin);
  small->addStretch();
  middle->addLayout(small);
  middle->addStretch();

  // Modes
  QWidget* modesPanel = ModesPanel(tsCalc, "", "RxSwitch1",
                                   {rgReal, rgNotation, rgBase, rgAngle, rgComplexForm, Edit4, udDigits, Edit3,
                                    udPrecision, chHint, cbEval, RxSwitch1, &chAssistant, &lbDigits});
  pnlBase = rgBase;
  pnlComp = rgComplexForm;

  page->addLayout(left);
  page->addLayout(middle, 1);
  page->addWidget(modesPanel);
}

void TfmCalc::BuildExtendedPage()
{
  tsExt = new QWidget;
  tsExt->setObjectName(QStringLiteral("tsExt"));
  auto* page = new QHBoxLayout(tsExt);
  auto* functions = new QGroupBox(tsExt);
  auto* grid = new QGridLayout(functions);
  grid->setSpacing(3);
  const QStringList captions{"atn2", "ceil", "floor", "ctan", "logN", "hmn",   "mant",  "expon", "norm", "psd",
                             "pnv",  "sos",  "var",   "dist", "bnml", "iG",    "VG",    "B",     "gmn",  "sec",
                             "pnorm", "pstud", "csc", "sech", "iB",  "erfc",  "lG",    "csch",  "lcm",  "gcd",
                             "sign", "sG",   "log2",  "lexp", "perm", "pkhi2", "psned", "cx",    "sx",   "ei"};
  std::vector<std::pair<QString, int>> buttons{{"frac", 35}, {"trunc", 36}};
  int tag = 89;
  for (const QString& caption : captions) {
    if (tag == 124)
      ++tag;
    buttons.emplace_back(caption, tag++);
  }
  for (int i = 0; i < int(buttons.size()); ++i)
    grid->addWidget(FunctionButton(functions, buttons[std::size_t(i)].first, buttons[std::size_t(i)].second), i / 7,
                    i % 7);
  sbEQ2 = new QToolButton(functions);
  sbEQ2->setText(QStringLiteral("="));
  sbEQ2->setFixedSize(kButtonWidth, kButtonHeight);
  connect(sbEQ2, &QToolButton::clicked, this, [this] { sbEQClick(); });
  grid->addWidget(sbEQ2, int(buttons.size()) / 7, int(buttons.size()) % 7);
  grid->setColumnStretch(7, 1);

  QWidget* modesPanel = ModesPanel(tsExt, "2", "RxSwitch2",
                                   {rgReal2, rgNotation2, rgBase2, rgAngle2, rgComplexForm2, Edit11, UpDown2, Edit10,
                                    UpDown1, chHint2, cbEval2, RxSwitch2, nullptr, nullptr});
  pnlBase2 = rgBase2;
  pnlComp2 = rgComplexForm2;

  auto* variables = new QGroupBox(tsExt);
  auto* vrow = new QGridLayout(variables);
  vrow->setSpacing(3);
  for (int i = 1; i <= 10; ++i) {
    auto* button = new QToolButton(variables);
    button->setText(QString(QLatin1Char(engine::VarName(i))));
    button->setFixedSize(kButtonWidth / 2 + 6, kButtonHeight);
    connect(button, &QToolButton::clicked, this, [this, i] { VariableButtonClick(i); });
    VarButtons2[std::size_t(i - 1)] = button;
    vrow->addWidget(button, 0, i - 1);
  }
  vrow->setColumnStretch(10, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(functions);
  left->addWidget(variables);
  SpeedButton6 = Pending(new QToolButton(tsExt));
  SpeedButton6->setObjectName(QStringLiteral("SpeedButton6"));
  SpeedButton6->setText(QStringLiteral("Plots"));
  SpeedButton6->setMinimumWidth(kButtonWidth + 10);
  SpeedButton6->setFixedHeight(kButtonHeight);
  left->addWidget(SpeedButton6, 0, Qt::AlignLeft);
  left->addStretch();
  page->addLayout(left, 1);
  page->addWidget(modesPanel);
}

void TfmCalc::BuildVariablesPage()
{
  tsVars = new QWidget;
  tsVars->setObjectName(QStringLiteral("tsVars"));
  auto* grid = new QGridLayout(tsVars);
  grid->addWidget(new QLabel(QStringLiteral("Expression"), tsVars), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Value"), tsVars), 0, 2);
  static const char* const exprNames[] = {"edXVar", "edYvar", "edZvar", "edVvar", "edWvar",
                                          "edIvar", "edJvar", "edKvar", "edMvar", "edNvar"};
  static const char* const valueNames[] = {"edXVal", "edYval", "edZval", "edVval", "edWval",
                                           "edIval", "edJval", "edKval", "edMval", "edNval"};
  for (int i = 1; i <= 10; ++i) {
    const auto n = std::size_t(i - 1);
    grid->addWidget(new QLabel(QString(QLatin1Char(engine::VarName(i))) + QStringLiteral(" ="), tsVars), i, 0);
    VarExprEdits[n] = NamedEdit(tsVars, exprNames[n]);
    GuardEngineEdit(*VarExprEdits[n]);
    VarValueEdits[n] = NamedEdit(tsVars, valueNames[n]);
    VarValueEdits[n]->setReadOnly(true);
    VarValueEdits[n]->setFocusPolicy(Qt::NoFocus);
    auto* calculate = new QPushButton(QStringLiteral("Calculate"), tsVars);
    connect(calculate, &QPushButton::clicked, this, [this, i, n] {
      if (calculating_)
        return;
      EvalVariableEdit(i, *VarExprEdits[n], *VarValueEdits[n]);
    });
    grid->addWidget(VarExprEdits[n], i, 1);
    grid->addWidget(VarValueEdits[n], i, 2);
    grid->addWidget(calculate, i, 3);
  }
  lbError = new QLabel(tsVars);
  lbError->setObjectName(QStringLiteral("lbError"));
  lbError->setStyleSheet(QStringLiteral("color: #ff0000;"));
  grid->addWidget(lbError, 11, 1, 1, 2);
  auto* buttons = new QHBoxLayout;
  auto* all = new QPushButton(QStringLiteral("Calculate All"), tsVars);
  connect(all, &QPushButton::clicked, this, [this] { CalculateAll(); });
  buttons->addWidget(all);
  BitBtn13 = new QPushButton(QStringLiteral("Save"), tsVars);
  connect(BitBtn13, &QPushButton::clicked, this, [this] { SaveVariablesFile(); });
  BitBtn14 = new QPushButton(QStringLiteral("Load"), tsVars);
  connect(BitBtn14, &QPushButton::clicked, this, [this] { LoadVariablesFile(); });
  buttons->addWidget(BitBtn13);
  buttons->addWidget(BitBtn14);
  buttons->addWidget(HelpButton(tsVars));
  buttons->addStretch();
  grid->addLayout(buttons, 12, 1, 1, 3);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(13, 1);
}

void TfmCalc::BuildUserVariablesPage()
{
  tsUserVars = new QWidget;
  tsUserVars->setObjectName(QStringLiteral("tsUserVars"));
  auto* row = new QHBoxLayout(tsUserVars);
  lbVars = new controls::TTextListBox(tsUserVars);
  lbVars->setObjectName(QStringLiteral("lbVars"));
  lbVars->setToolTip(QStringLiteral("Double click for modify"));
  row->addWidget(lbVars, 1);
  auto* side = new QFormLayout;
  edName = NamedEdit(tsUserVars, "edName");
  edValue = NamedEdit(tsUserVars, "edValue");
  GuardEngineEdit(*edValue);
  side->addRow(QStringLiteral("Name"), edName);
  side->addRow(QStringLiteral("Value"), edValue);
  connect(lbVars, &QListWidget::itemDoubleClicked, this, [this] { lbVarsDblClick(); });
  // Names are ASCII letters only: anything else typed or pasted goes at once.
  connect(edName, &QLineEdit::textChanged, this, [this] { FilterName(*edName, QString()); });
  btAdd = new QPushButton(QStringLiteral("Add/Modify"), tsUserVars);
  btDelete = new QPushButton(QStringLiteral("Delete"), tsUserVars);
  bbSave = new QPushButton(QStringLiteral("Save"), tsUserVars);
  bnSaveAs = new QPushButton(QStringLiteral("Save As"), tsUserVars);
  btLoad = new QPushButton(QStringLiteral("Load"), tsUserVars);
  connect(btAdd, &QPushButton::clicked, this, [this] { btAddClick(); });
  connect(btDelete, &QPushButton::clicked, this, [this] { btDeleteClick(); });
  connect(bbSave, &QPushButton::clicked, this, [this] { bbSaveClick(); });
  connect(bnSaveAs, &QPushButton::clicked, this, [this] { bnSaveAsClick(); });
  connect(btLoad, &QPushButton::clicked, this, [this] { btLoadClick(); });
  for (QPushButton* button : {btAdd, btDelete, bbSave, bnSaveAs, btLoad})
    side->addRow(button);
  row->addLayout(side);
}

void TfmCalc::BuildUserFunctionsPage()
{
  tsUserFuncs = new QWidget;
  tsUserFuncs->setObjectName(QStringLiteral("tsUserFuncs"));
  auto* column = new QVBoxLayout(tsUserFuncs);
  lbFuncs = new controls::TTextListBox(tsUserFuncs);
  lbFuncs->setObjectName(QStringLiteral("lbFuncs"));
  column->addWidget(lbFuncs, 1);
  auto* row = new QHBoxLayout;
  edFuncName = NamedEdit(tsUserFuncs, "edFuncName");
  edFuncExpres = NamedEdit(tsUserFuncs, "edFuncExpres");
  GuardEngineEdit(*edFuncExpres);
  row->addWidget(edFuncName, 1);
  row->addWidget(new QLabel(QStringLiteral("="), tsUserFuncs));
  row->addWidget(edFuncExpres, 3);
  column->addLayout(row);
  connect(lbFuncs, &QListWidget::itemClicked, this, [this] { lbFuncsClick(); });
  connect(edFuncName, &QLineEdit::textChanged, this, [this] { FilterName(*edFuncName, QStringLiteral("(),")); });
  auto* buttons = new QHBoxLayout;
  bbAddFunc = new QPushButton(QStringLiteral("Add/Modify"), tsUserFuncs);
  bbDeleteFunc = new QPushButton(QStringLiteral("Delete"), tsUserFuncs);
  BitBtn7 = new QPushButton(QStringLiteral("Save"), tsUserFuncs);
  BitBtn5 = new QPushButton(QStringLiteral("Save As"), tsUserFuncs);
  BitBtn8 = new QPushButton(QStringLiteral("Load"), tsUserFuncs);
  connect(bbAddFunc, &QPushButton::clicked, this, [this] { bbAddFuncClick(); });
  connect(bbDeleteFunc, &QPushButton::clicked, this, [this] { bbDeleteFuncClick(); });
  connect(BitBtn7, &QPushButton::clicked, this, [this] { BitBtn7Click(); });
  connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
  connect(BitBtn8, &QPushButton::clicked, this, [this] { BitBtn8Click(); });
  for (QPushButton* button : {bbAddFunc, bbDeleteFunc, BitBtn7, BitBtn5, BitBtn8})
    buttons->addWidget(button);
  buttons->addStretch();
  column->addLayout(buttons);
}

void TfmCalc::BuildConstantsPage()
{
  tsConst = new QWidget;
  tsConst->setObjectName(QStringLiteral("tsConst"));
  auto* column = new QVBoxLayout(tsConst);
  auto* row = new QHBoxLayout;
  edFind = NamedEdit(tsConst, "edFind");
  row->addWidget(new QLabel(QStringLiteral("Find"), tsConst));
  row->addWidget(edFind, 1);
  column->addLayout(row);
  lbConst = new controls::TTextListBox(tsConst);
  lbConst->setObjectName(QStringLiteral("lbConst"));
  column->addWidget(lbConst, 1);
  connect(lbConst, &QListWidget::itemClicked, this, [this] { lbConstClick(); });
  connect(edFind, &QLineEdit::textChanged, this, [this] { edFindChange(); });
  auto* buttons = new QHBoxLayout;
  bbPaste = new QPushButton(QStringLiteral("Paste"), tsConst);
  bbEdit = new QPushButton(QStringLiteral("Edit"), tsConst);
  bbReload = new QPushButton(QStringLiteral("Reload"), tsConst);
  bbReload->setEnabled(false);  // until "Edit" was used
  connect(bbPaste, &QPushButton::clicked, this, [this] { lbConstClick(); });
  connect(bbEdit, &QPushButton::clicked, this, [this] { bbEditClick(); });
  connect(bbReload, &QPushButton::clicked, this, [this] { bbReloadClick(); });
  for (QPushButton* button : {bbPaste, bbEdit, bbReload})
    buttons->addWidget(button);
  buttons->addWidget(HelpButton(tsConst));
  buttons->addStretch();
  column->addLayout(buttons);
}

void TfmCalc::BuildTapePage()
{
  tsTape = new QWidget;
  tsTape->setObjectName(QStringLiteral("tsTape"));
  auto* column = new QVBoxLayout(tsTape);
  mmTape = new TLinesMemo(tsTape);
  mmTape->setObjectName(QStringLiteral("mmTape"));
  mmTape->setLineWrapMode(QPlainTextEdit::NoWrap);
  column->addWidget(mmTape, 1);
  auto* row = new QHBoxLayout;
  chbRes = new QCheckBox(QStringLiteral("Result only"), tsTape);
  btCopy = new QPushButton(QStringLiteral("Copy"), tsTape);
  btCut = new QPushButton(QStringLiteral("Cut"), tsTape);
  btToFile = new QPushButton(QStringLiteral("To File..."), tsTape);
  btPrint = new QPushButton(QStringLiteral("Print"), tsTape);
  connect(btCopy, &QPushButton::clicked, this, [this] { btCopyClick(); });
  connect(btCut, &QPushButton::clicked, this, [this] { btCutClick(); });
  connect(btToFile, &QPushButton::clicked, this, [this] { btToFileClick(); });
  connect(btPrint, &QPushButton::clicked, this, [this] { btPrintClick(); });
  // Print and To File need lines; Copy and Cut a selection.
  connect(mmTape, &QPlainTextEdit::textChanged, this, [this] { UpdateTapeButtons(); });
  connect(mmTape, &QPlainTextEdit::selectionChanged, this, [this] { UpdateTapeButtons(); });
  row->addWidget(chbRes);
  row->addStretch();
  for (QPushButton* button : {btCopy, btCut, btToFile, btPrint})
    row->addWidget(button);
  row->addWidget(HelpButton(tsTape));
  column->addLayout(row);
}

namespace {

QPushButton* PageButton(QWidget* page, QBoxLayout* row, const char* name, const QString& caption,
                        const QString& hint = {})
{
  auto* button = new QPushButton(caption, page);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  row->addWidget(button);
  return button;
}

const QString kLoadHint = QStringLiteral("Load expressions from file...   < Ctrl+O>");
const QString kSaveHint = QStringLiteral("Save to file... <Ctrl+S>");

}  // namespace

void TfmCalc::BuildEvalPages()
{
  tsEval = new QWidget;
  tsEval->setObjectName(QStringLiteral("tsEval"));
  auto* column = new QVBoxLayout(tsEval);
  editorController_ = std::make_unique<controls::TOvcController>(this);
  OE = new controls::TOvcTextFileEditor(tsEval);
  OE->SetController(editorController_.get());
  OE->setObjectName(QStringLiteral("OE"));
  OE->OnKeyDown = [this](controls::TOvcCustomEditor&, int& key, platform::TShiftState shift) { OEKeyDown(key, shift); };
  OE->EightBitText = EightBitExpressionText;  // "√", "π", "−" typed or pasted keep their meaning
  column->addWidget(OE, 1);
  auto* row = new QHBoxLayout;
  sbtNewProject = PageButton(tsEval, row, "sbtNewProject", QStringLiteral("Open"), kLoadHint);
  spbSave = PageButton(tsEval, row, "spbSave", QStringLiteral("Save"), kSaveHint);
  SpeedButton7 = PageButton(tsEval, row, "SpeedButton7", QStringLiteral("Eval it"));
  SpeedButton39 = PageButton(tsEval, row, "SpeedButton39", QStringLiteral("Edit source"));
  SpeedButton39->setEnabled(false);
  SpeedButton20 = PageButton(tsEval, row, "SpeedButton20", QStringLiteral("Find"), QStringLiteral("Find...  <Ctrl+F>"));
  SpeedButton24 = PageButton(tsEval, row, "SpeedButton24", QStringLiteral("Replace"),
                             QStringLiteral("Find and replace...  <Ctrl+R>"));
  SpeedButton36 = PageButton(tsEval, row, "SpeedButton36", QStringLiteral("Print"), QStringLiteral("Print  <Ctrl+P>"));
  SpeedButton40 = PageButton(tsEval, row, "SpeedButton40", QStringLiteral("Undo"), QStringLiteral("Undo  <Alt+BkSp>"));
  SpeedButton65 = PageButton(tsEval, row, "SpeedButton65", QStringLiteral("Redo"), QStringLiteral("Redo  <Ctrl+BkSp>"));
  SpeedButton81 = PageButton(tsEval, row, "SpeedButton81", QStringLiteral("Copy"), QStringLiteral("Copy  <Ctrl+C>"));
  SpeedButton82 = PageButton(tsEval, row, "SpeedButton82", QStringLiteral("Paste"), QStringLiteral("Paste"));
  connect(sbtNewProject, &QPushButton::clicked, this, [this] { sbtNewProjectClick(); });
  connect(spbSave, &QPushButton::clicked, this, [this] { spbSaveClick(); });
  connect(SpeedButton7, &QPushButton::clicked, this, [this] { SpeedButton7Click(); });
  connect(SpeedButton39, &QPushButton::clicked, this, [this] { SpeedButton39Click(); });
  connect(SpeedButton20, &QPushButton::clicked, this, [this] { SpeedButton20Click(); });
  connect(SpeedButton24, &QPushButton::clicked, this, [this] { SpeedButton24Click(); });
  connect(SpeedButton36, &QPushButton::clicked, this, [this] { SpeedButton36Click(); });
  connect(SpeedButton40, &QPushButton::clicked, this, [this] { OE->Undo(); });
  connect(SpeedButton65, &QPushButton::clicked, this, [this] { OE->Redo(); });
  connect(SpeedButton81, &QPushButton::clicked, this, [this] { OE->CopyToClipboard(); });
  connect(SpeedButton82, &QPushButton::clicked, this, [this] { OE->PasteFromClipboard(); });
  row->addStretch();
  row->addWidget(new QLabel(QStringLiteral("Output format"), tsEval));
  cmbFormat = new QComboBox(tsEval);
  cmbFormat->setObjectName(QStringLiteral("cmbFormat"));
  cmbFormat->setEditable(true);
  cmbFormat->addItems({QStringLiteral("7:2"), QStringLiteral("ffGeneral,7,0"), QStringLiteral("ffExponent,6,2"),
                       QStringLiteral("ffFixed,6,2"), QStringLiteral("ffNumber,9,2")});
  cmbFormat->setCurrentText(QStringLiteral("10:3"));
  row->addWidget(cmbFormat);
  column->addLayout(row);

  tsTapeCalc = new QWidget;
  tsTapeCalc->setObjectName(QStringLiteral("tsTapeCalc"));
  auto* tapeColumn = new QVBoxLayout(tsTapeCalc);
  OET = new TLinesMemo(tsTapeCalc);
  OET->setObjectName(QStringLiteral("OET"));
  tapeColumn->addWidget(OET, 1);
  auto* tapeRow = new QHBoxLayout;
  SpeedButton85 = PageButton(tsTapeCalc, tapeRow, "SpeedButton85", QStringLiteral("Eval it"));
  SpeedButton83 = PageButton(tsTapeCalc, tapeRow, "SpeedButton83", QStringLiteral("Open"), kLoadHint);
  SpeedButton84 = PageButton(tsTapeCalc, tapeRow, "SpeedButton84", QStringLiteral("Save"), kSaveHint);
  SpeedButton89 = PageButton(tsTapeCalc, tapeRow, "SpeedButton89", QStringLiteral("Print"), QStringLiteral("Print"));
  SpeedButton92 = PageButton(tsTapeCalc, tapeRow, "SpeedButton92", QStringLiteral("Copy"), QStringLiteral("Copy"));
  SpeedButton93 = PageButton(tsTapeCalc, tapeRow, "SpeedButton93", QStringLiteral("Paste"), QStringLiteral("Paste"));
  connect(SpeedButton85, &QPushButton::clicked, this, [this] { SpeedButton85Click(); });
  connect(SpeedButton83, &QPushButton::clicked, this, [this] { SpeedButton83Click(); });
  connect(SpeedButton84, &QPushButton::clicked, this, [this] { SpeedButton84Click(); });
  connect(SpeedButton89, &QPushButton::clicked, this, [this] { SpeedButton89Click(); });
  connect(SpeedButton92, &QPushButton::clicked, OET, &QPlainTextEdit::copy);
  connect(SpeedButton93, &QPushButton::clicked, OET, &QPlainTextEdit::paste);
  tapeRow->addStretch();
  tapeColumn->addLayout(tapeRow);
}

void TfmCalc::BuildGraphicsPage()
{
  tsGraph = new QWidget;
  tsGraph->setObjectName(QStringLiteral("tsGraph"));
  auto* page = new QHBoxLayout(tsGraph);
  rgPlot = Group(tsGraph, "rgPlot", QStringLiteral("Plot type"),
                 {"Plot f(x)", "Contour Plot f(X,Y)", "Color Shading f(X,Y)", "Surface", "Polar"}, 1);
  page->addWidget(rgPlot, 0, Qt::AlignTop);

  auto* column = new QVBoxLayout;
  auto* xRange = new QGroupBox(QStringLiteral("X range"), tsGraph);
  auto* xForm = new QFormLayout(xRange);
  edFromX = NamedEdit(xRange, "edFromX", QStringLiteral("-10"));
  edToX = NamedEdit(xRange, "edToX", QStringLiteral("10"));
  edStepsX = NamedEdit(xRange, "edStepsX", QStringLiteral("200"));
  xForm->addRow(QStringLiteral("From"), edFromX);
  xForm->addRow(QStringLiteral("To"), edToX);
  xForm->addRow(QStringLiteral("Steps"), edStepsX);
  auto* yRange = new QGroupBox(QStringLiteral("Y range"), tsGraph);
  yRange->setObjectName(QStringLiteral("gbY"));
  auto* yForm = new QFormLayout(yRange);
  edFromY = NamedEdit(yRange, "edFromY", QStringLiteral("-10"));
  edToY = NamedEdit(yRange, "edToY", QStringLiteral("10"));
  edStepsY = NamedEdit(yRange, "edStepsY", QStringLiteral("21"));
  yForm->addRow(QStringLiteral("From"), edFromY);
  yForm->addRow(QStringLiteral("To"), edToY);
  yForm->addRow(QStringLiteral("Steps"), edStepsY);
  auto* ranges = new QHBoxLayout;
  ranges->addWidget(xRange);
  ranges->addWidget(yRange);
  column->addLayout(ranges);

  auto* labels = new QFormLayout;
  edNumCont = NamedEdit(tsGraph, "edNumCont", QStringLiteral("10"));
  edExaggerate = NamedEdit(tsGraph, "edExaggerate", QStringLiteral("0"));
  edX = NamedEdit(tsGraph, "edX", QStringLiteral("X"));
  edY = NamedEdit(tsGraph, "edY", QStringLiteral("Y"));
  edTitle = NamedEdit(tsGraph, "edTitle");
  edLegend = NamedEdit(tsGraph, "edLegend");
  labels->addRow(QStringLiteral("Number of Contours"), edNumCont);
  labels->addRow(QStringLiteral("Exaggerate (0-maximize graphic area)"), edExaggerate);
  labels->addRow(QStringLiteral("X Axis"), edX);
  labels->addRow(QStringLiteral("Y Axis"), edY);
  labels->addRow(QStringLiteral("Title"), edTitle);
  labels->addRow(QStringLiteral("Legend"), edLegend);
  column->addLayout(labels);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  bbOK = new QPushButton(QStringLiteral("OK"), tsGraph);
  bbOK->setObjectName(QStringLiteral("bbOK"));
  bbOK->setAutoDefault(false);
  buttons->addWidget(bbOK);
  sbColor = new QPushButton(QStringLiteral("Color"), tsGraph);
  sbColor->setObjectName(QStringLiteral("sbColor"));
  Button1 = new QPushButton(QStringLiteral("Help"), tsGraph);
  Button1->setObjectName(QStringLiteral("Button1"));
  for (QPushButton* button : {sbColor, Button1}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  column->addLayout(buttons);
  Gauge = new QProgressBar(tsGraph);
  Gauge->setObjectName(QStringLiteral("Gauge"));
  Gauge->setRange(0, 100);
  Gauge->setValue(0);
  Gauge->hide();
  column->addWidget(Gauge);
  column->addStretch();
  page->addLayout(column, 1);
}

}  // namespace app
