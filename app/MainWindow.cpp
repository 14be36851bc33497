// The main window's life cycle: creation with the settings, history, constants and user files, the first
// showing, page changes, closing, and the mode controls.

#include "app/MainWindow.h"

#include "controls/editor/Controller.h"

#include "app/CalculationScope.h"
#include "app/DataFiles.h"
#include "app/EngineText.h"
#include "app/HistoryFile.h"
#include "app/ProgramFiles.h"
#include "app/ProgramTitle.h"
#include "app/Settings.h"
#include "app/Vkeys.h"
#include "app/WindowPlacement.h"

#include "controls/small/RxCursors.h"

#include "engine/ComplexEvaluator.h"
#include "engine/Constructs.h"
#include "engine/Engine.h"
#include "engine/ScannerState.h"
#include "engine/UserFunctions.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/KeyTranslation.h"
#include "platform/MessageDlg.h"
#include "platform/Shell.h"
#include "platform/TextFile.h"
#include "tools/ContourPlotWindow.h"
#include "tools/MatrixQuestion.h"
#include "tools/MatrixView.h"
#include "tools/MatrixWindow.h"
#include "tools/PeriodicTableWindow.h"
#include "tools/Plot2DWindow.h"
#include "tools/SurfacePlotWindow.h"
#include "tools/PolarPlotWindow.h"
#include "tools/units/UnitConverterWindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace app {

namespace {

std::string Latin1(const QString& text)
{
  return text.toLatin1().toStdString();
}

QString FromLatin1(const std::string& text)
{
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

TfmCalc::TfmCalc()
    : Form(nullptr, true),
      SetVar(this),
      fmCompMess(this),
      frmFindReplace(this),
      Timer1([this] { Timer1Timer(); }, 10, true),
      enterGuard_(*this)
{
  setObjectName(QStringLiteral("fmCalc"));
  setWindowTitle(QStringLiteral("Vexal v.4.26"));
  controls::RegisterRxCursors();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);  // the page control reaches the bottom: no strip below it
  auto* top = new QWidget(this);
  BuildTop(top);
  layout->addWidget(top);
  pcCalc = new QTabWidget(this);
  pcCalc->setObjectName(QStringLiteral("pcCalc"));
  BuildCalculatorPage();
  BuildExtendedPage();
  BuildVariablesPage();
  BuildUserVariablesPage();
  BuildUserFunctionsPage();
  BuildConstantsPage();
  BuildTapePage();
  BuildEvalPages();
  BuildGraphicsPage();
  BuildPeriodicTablePage();
  BuildAboutPage();
  pcCalc->addTab(tsCalc, QStringLiteral("Calculator"));
  pcCalc->addTab(tsExt, QStringLiteral("Extended"));
  pcCalc->addTab(tsVars, QStringLiteral("Variables"));
  pcCalc->addTab(tsUserVars, QStringLiteral("User Variables"));
  pcCalc->addTab(tsUserFuncs, QStringLiteral("User Functions"));
  pcCalc->addTab(tsConst, QStringLiteral("Constants"));
  pcCalc->addTab(tsTape, QStringLiteral("Tape"));
  pcCalc->addTab(tsEval, QStringLiteral("Eval it"));
  pcCalc->addTab(tsTapeCalc, QStringLiteral("Tape calc"));
  pcCalc->addTab(tsGraph, QStringLiteral("Graphics"));
  pcCalc->addTab(TabSheet2, QStringLiteral("Periodic table"));
  pcCalc->addTab(tsAbout, QStringLiteral("About && Mail"));  // one "&" shown
  pcCalc->setUsesScrollButtons(true);
  // Pages in the window's own colour, which the self-drawn labels and switches share.
  for (int i = 0; i < pcCalc->count(); ++i)
    pcCalc->widget(i)->setAutoFillBackground(true);
  layout->addWidget(pcCalc, 1);

  // Handlers
  connect(pcCalc, &QTabWidget::currentChanged, this, [this] { pcCalcChange(); });
  rgReal->OnClick = [this] { rgRealClick(*rgReal); };
  rgReal2->OnClick = [this] { rgRealClick(*rgReal2); };
  rgComplexForm->OnClick = [this] { rgComplexFormClick(*rgComplexForm); };
  rgComplexForm2->OnClick = [this] { rgComplexFormClick(*rgComplexForm2); };
  rgNotation->OnClick = [this] { rgNotationClick(*rgNotation); };
  rgNotation2->OnClick = [this] { rgNotationClick(*rgNotation2); };
  rgBase->OnClick = [this] { rgBaseClick(*rgBase); };
  rgBase2->OnClick = [this] { rgBaseClick(*rgBase2); };
  rgAngle->OnClick = [this] { rgAngleClick(*rgAngle); };
  rgAngle2->OnClick = [this] { rgAngleClick(*rgAngle2); };
  udDigits->OnClick = [this](platform::TUDBtnType) { DigitsChanged(udDigits->Position()); };
  UpDown2->OnClick = [this](platform::TUDBtnType) { DigitsChanged(UpDown2->Position()); };
  udPrecision->OnClick = [this](platform::TUDBtnType) { UpDown1->SetPosition(udPrecision->Position()); };
  UpDown1->OnClick = [this](platform::TUDBtnType) { udPrecision->SetPosition(UpDown1->Position()); };
  connect(chHint, &QCheckBox::toggled, this, [this](bool on) {
    chHint2->setChecked(on);
    ApplyHints();
    if (isVisible())
      Edit1->setFocus();
  });
  connect(chHint2, &QCheckBox::toggled, chHint, &QCheckBox::setChecked);
  connect(cbEval, &QCheckBox::toggled, cbEval2, &QCheckBox::setChecked);
  connect(cbEval2, &QCheckBox::toggled, cbEval, &QCheckBox::setChecked);
  connect(chAssistant, &QCheckBox::clicked, this, [this] { chAssistantClick(); });
  Edit1->installEventFilter(this);
  // A selection the line lost with the focus counts until the user places the caret or the text changes.
  auto forgetLostSelection = [this] {
    if (Edit1->hasFocus())
      lostSelectionStart_ = -1;
  };
  connect(Edit1, &QLineEdit::cursorPositionChanged, this, forgetLostSelection);
  connect(Edit1, &QLineEdit::selectionChanged, this, forgetLostSelection);
  connect(Edit1, &QLineEdit::textChanged, this, [this] { lostSelectionStart_ = -1; });
  // A typed sign put into its engine form is still the user's edit.
  connect(Edit1, &QLineEdit::textEdited, this, [this] { Edit1->setModified(true); });
  RxSwitch1->OnClick = [this] { close(); };
  RxSwitch2->OnClick = [this] { close(); };
  Edit2->installEventFilter(this);
  for (QComboBox* list : {cbHistory, cbResults}) {
    list->installEventFilter(this);
    list->view()->installEventFilter(this);
  }
  // The keyboard's way through the window: the expression, the result, the lists, then the pages.
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, cbHistory);
  setTabOrder(cbHistory, cbResults);
  setTabOrder(cbResults, pcCalc);
  connect(cbHistory, &QComboBox::activated, this, [this](int i) { SetFunc(cbHistory->itemText(i)); });
  connect(cbResults, &QComboBox::activated, this, [this](int i) { SetFunc(cbResults->itemText(i)); });
  // Enter belongs to the calculation: no button of the window is pressed by it.
  SetDefaultButton(nullptr);
  for (QPushButton* button : findChildren<QPushButton*>())
    button->setAutoDefault(false);

  UpdateTapeButtons();
  SetKeyPreview(true);
  enterGuard_.Watch();
  engine::SetHost(this);
  FormCreate();
  WireGraphicsPage();
  CreatePlotWindows();
  fmMult = std::make_unique<tools::TfmMult>();
  frmViewR = std::make_unique<tools::TfrmViewR>();
  fmMatrix = std::make_unique<tools::TfmMatrix>(DM.SaveDialog1, SettingsFileName(), *fmMult, *frmViewR);
  fmConv = std::make_unique<tools::TfmConv>([this] { return DisplayDigits; }, platform::ProgramFolder());
  resize(QSize(760, 520).expandedTo(minimumSizeHint()));
  // A stored position off every screen (another monitor, a damaged file) brings the window to the nearest.
  move(PlaceOnScreens(QRect(pos(), size())));
}

TfmCalc::~TfmCalc()
{
  fmMatrix.reset();
  fmPlot2D.reset();
  engine::SetHost(nullptr);
}

void TfmCalc::MatrixClick()
{
  fmMatrix->ShowWindow();
}

void TfmCalc::FormCreate()
{
  MinDigits = 0;
  MaxDigits = 18;
  DigitGroupBits = 32;
  Loading = true;

  TCalcSettings settings;
  try {
    const platform::TIniFile ini(SettingsFileName());
    ReadSettings(ini, settings);
  } catch (const platform::EFileError&) {
    // Unreadable settings: every key keeps its default.
    settings.VariablesFile = DefaultVariablesFile();
    settings.FunctionsFile = DefaultFunctionsFile();
  }

  // Calc Settings
  rgNotation->SetItemIndex(std::clamp(settings.Notation, 0, 3));
  rgNotationClick(*rgNotation);
  DisplayDigits = std::clamp(settings.Digits, 0, 22);
  engine::ComplexForm = settings.ComplexForm == 0 ? engine::cfPolar : engine::cfRectangular;
  rgComplexForm->SetItemIndex(engine::ComplexForm);
  rgComplexForm2->SetItemIndex(engine::ComplexForm);
  udDigits->SetPosition(DisplayDigits);
  UpDown2->SetPosition(DisplayDigits);
  DisplayDigits = udDigits->Position();
  udPrecision->SetPosition(settings.Precision);
  UpDown1->SetPosition(udPrecision->Position());
  chAssistant->setChecked(settings.Assistant);
  pnAssistant->setVisible(settings.Assistant);
  chHint->setChecked(settings.Hint);
  chHint2->setChecked(settings.Hint);
  engine::AngleMode = settings.Angle;
  ShowComplexHelp = settings.ShowComp;
  rgAngle->SetItemIndex(engine::AngleMode);
  rgAngle2->SetItemIndex(engine::AngleMode);
  ApplyHints();

  // Files
  VariablesFile = settings.VariablesFile;
  FunctionsFile = settings.FunctionsFile;

  // History
  const THistory history = ReadHistoryFile(HistoryFileName());
  cbHistory->addItems(history.Expressions);
  cbResults->addItems(history.Results);
  for (const QString& result : history.Results) {
    // A complex result ends with its imaginary unit: "1.0E+0+2.0E+0i", "1.0E+0*exp(2.0E+0i)".
    const bool complex = result.endsWith(QLatin1Char('i')) || result.endsWith(QStringLiteral("i)"));
    QString& read = resultRead_[complex ? 1 : 0];
    if (read.isEmpty())
      read = result;
  }
  cbHistory->setCurrentIndex(-1);
  cbResults->setCurrentIndex(-1);

  // Graphics and position
  rgPlot->SetItemIndex(std::clamp(settings.PlotType, 0, 4));
  edFromX->setText(settings.FromX);
  edToX->setText(settings.ToX);
  StepsX = settings.StepsX;
  StepsY = settings.StepsY;
  edFromY->setText(settings.FromY);
  edToY->setText(settings.ToY);
  edLegend->setText(settings.Legend);
  edTitle->setText(settings.Title);
  edX->setText(settings.XAxis);
  edY->setText(settings.YAxis);
  move(settings.Left, settings.Top);
  const int plotType = std::max(rgPlot->ItemIndex(), 0);
  edStepsY->setText(QString::number(StepsY[std::size_t(plotType)]));
  edStepsX->setText(QString::number(StepsX[std::size_t(plotType)]));
  Loading = false;

  if (!LoadConstants())
    platform::MessageDlg(QStringLiteral("File <") + ProgramBase() + QStringLiteral(".CON> not found."),
                         platform::mtWarning, platform::mbOK);

  // Range validators of the Graphics page
  auto bindInt = [this](QLineEdit* edit, int min, int max, const QString& caption) {
    auto validator = std::make_unique<TIntValidate>(min, max, edit, this, caption);
    TIntValidate* raw = validator.get();
    connect(edit, &QLineEdit::textEdited, this, [raw] { raw->FilterInput(); });
    intValidators_.push_back(std::move(validator));
  };
  auto bindReal = [this](QLineEdit* edit, double min, double max, const QString& caption) {
    auto validator = std::make_unique<TRealValidate>(min, max, edit, this, caption);
    TRealValidate* raw = validator.get();
    connect(edit, &QLineEdit::textEdited, this, [raw] { raw->FilterInput(); });
    realValidators_.push_back(std::move(validator));
  };
  bindInt(edStepsX, 2, 16000, QStringLiteral("Number of Steps"));
  bindReal(edFromX, -115425.2, 115425.2, QStringLiteral("Minimum X-coordinate"));
  bindReal(edToX, -115425.2, 115425.2, QStringLiteral("Maximum X-coordinate"));
  bindInt(edStepsY, 2, 16000, QStringLiteral("Number of Steps"));
  bindReal(edFromY, -115425.2, 115425.2, QStringLiteral("Minimum Y-coordinate"));
  bindReal(edToY, -115425.2, 115425.2, QStringLiteral("Maximum Y-coordinate"));
  bindInt(edNumCont, 1, 1000, QStringLiteral(" Number of Cntours"));
  bindReal(edExaggerate, 0, 1e30, QStringLiteral("Vertical exaggerate"));

  // User functions and user variables
  if (FunctionsFile.isEmpty() || QFileInfo::exists(FunctionsFile))
    engine::UserFunctions->LoadFromFile(EngineFileName(FunctionsFile));
  // The rows: the lines of the file the loader read (one the user chose when no file was set).
  if (FunctionsFile.isEmpty())
    LoadFunctionRows(FromEngineFileName(engine::UserFunctions->FileName));
  else
    LoadFunctionRows(QFileInfo::exists(FunctionsFile) ? FunctionsFile : QString());
  SetProgramTitleDefaults();
  LoadUserVariables(VariablesFile);
  ShowVariables();
}

bool TfmCalc::LoadConstants()
{
  const QString path = ConstantsFileName();
  try {
    if (!QFileInfo::exists(path))
      throw platform::EFileError(QStringLiteral("Can't open file "), path);
    QStringList lines;
    for (const std::string& line : platform::ReadTextLines(path))
      lines << FromLatin1(line);
    lines.sort(Qt::CaseInsensitive);  // as a sorted list box orders its items
    lbConst->SetItems(lines);
    return true;
  } catch (const platform::EFileError&) {
    return false;
  }
}

void TfmCalc::LoadUserVariables(const QString& path)
{
  if (path.isEmpty() || !QFileInfo::exists(path))
    return;  // no user variables yet
  std::vector<std::string> lines;
  try {
    lines = platform::ReadTextLines(path);
  } catch (const platform::EFileError&) {
    platform::ShowError(QStringLiteral("Can't read file ") + path);
    return;
  }
  QString error;
  const std::vector<TUserVariableLine> variables = ParseUserVariableLines(lines, error);
  engine::UserVariables->Clear();
  // New entries go in front: the last line first keeps the file's order.
  for (auto it = variables.rbegin(); it != variables.rend(); ++it)
    SetUserVariable(it->Name, false, it->Value);
  FillVariableList();
  if (!error.isEmpty())
    platform::ShowError(error);
}

void TfmCalc::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

bool TfmCalc::eventFilter(QObject* watched, QEvent* event)
{
  // A click in the expression line lets the assistant look at the caret.
  if (watched == Edit1 && event->type() == QEvent::MouseButtonRelease)
    StartAssistantTimer(1);
  // The line drops its selection when it loses the focus; an insertion from a list still replaces it.
  if (watched == Edit1 && event->type() == QEvent::FocusOut && Edit1->hasSelectedText()) {
    lostSelectionStart_ = Edit1->selectionStart();
    lostSelectionLength_ = int(Edit1->selectedText().size());
  }
  // A click or a key in the result line sends the user back to the expression line.
  if (watched == Edit2 && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)) {
    const bool tabbing = event->type() == QEvent::KeyPress &&
                         (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab ||
                          static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backtab);
    if (!tabbing)  // Tab passes through on its way to the lists and pages
      Edit1->setFocus();
    return false;
  }
  // Delete without a shift key removes the chosen entry of the history or the results, or the highlighted
  // one while the list is open.
  for (QComboBox* list : {cbHistory, cbResults}) {
    const bool open = watched == list->view();
    if ((watched != list && !open) || event->type() != QEvent::KeyPress)
      continue;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString name = KeyCodeToText(platform::VirtualKeyFromQt(key->key(), key->modifiers())) +
                         ShiftStateToText(platform::ShiftStateFromQt(key->modifiers()));
    const int entry = open ? list->view()->currentIndex().row() : list->currentIndex();
    if (name == QStringLiteral("vk_Delete") && entry >= 0) {
      list->removeItem(entry);
      return true;
    }
  }
  return Form::eventFilter(watched, event);
}

void TfmCalc::FormShow()
{
  if (Edit1->text().isEmpty() && cbHistory->count() > 0) {
    Edit1->setText(cbHistory->itemText(0));
    Edit1->selectAll();
  }
  if (Edit2->text().isEmpty() && !resultRead_[std::size_t(ModeIndex())].isEmpty()) {
    Edit2->setText(resultRead_[std::size_t(ModeIndex())]);
    SetResultColor(false);
  }
  const QString expression = FromLatin1(engine::ExprString);
  if (rgPlot->ItemIndex() == 0) {
    edLegend->setText(QStringLiteral("f(") + expression + QStringLiteral(")"));
    edTitle->clear();
  } else {
    edTitle->setText(expression);
    edLegend->clear();
  }
  Edit1->setModified(true);
  pcCalc->setCurrentWidget(tsCalc);
  // The greeting, once a day.
  const QDate today = QDate::currentDate();
  if (GreetTime == 0 || GreetDate.daysTo(today) > 1) {
    if (GreetTime == 0)
      GreetTime = QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
    GreetDate = today;
    StartAssistantTimer(2);
  }
  Edit1->setFocus();
  // The focus once the window is active (a window manager may activate it later).
  QTimer::singleShot(0, this, [this] {
    if (Edit1->isEnabled())
      Edit1->setFocus();
  });
}

void TfmCalc::pcCalcChange()
{
  engine::ExprString = ToEngineText(Edit1->text()).Text;
  QWidget* page = pcCalc->currentWidget();
  if ((page == tsCalc || page == tsExt) && Edit1->isEnabled())
    Edit1->setFocus();
  else if (page == tsConst)
    edFind->setFocus();
  else if (page == tsGraph)
    PrepareGraphicsPage();
  else if (page == tsVars) {
    VarExprEdits[0]->setFocus();
    ShowVariables();
  }
}

bool TfmCalc::CloseQuery()
{
  if (calculating_) {
    // The engine is inside a calculation: stop it, and close once it has returned.
    closeRequested_ = true;
    return false;
  }
  WriteSettingsAndHistory();
  return true;
}

void TfmCalc::WriteSettingsAndHistory()
{
  TCalcSettings settings;
  settings.Notation = std::max(rgNotation->ItemIndex(), 0);
  settings.Angle = std::max(rgAngle->ItemIndex(), 0);
  settings.Digits = DisplayDigits;
  settings.Precision = udPrecision->Position();
  settings.Assistant = chAssistant->isChecked();
  settings.Hint = chHint->isChecked();
  settings.ShowComp = ShowComplexHelp;
  settings.PlotType = std::max(rgPlot->ItemIndex(), 0);
  settings.FromX = edFromX->text();
  settings.ToX = edToX->text();
  settings.FromY = edFromY->text();
  settings.ToY = edToY->text();
  settings.Legend = edLegend->text();
  settings.Title = edTitle->text();
  settings.XAxis = edX->text();
  settings.YAxis = edY->text();
  settings.StepsX = StepsX;
  settings.StepsY = StepsY;
  settings.Left = x();
  settings.Top = y();
  try {
    platform::TIniFile ini(SettingsFileName());
    ini.SetAutoFlush(false);  // one atomic rewrite of the whole file
    WriteSettings(ini, settings);
    ini.UpdateFile();
  } catch (const platform::EFileError& error) {
    platform::ShowError(error.Message());
  }

  THistory history;
  for (int i = 0; i < cbHistory->count(); ++i)
    history.Expressions << cbHistory->itemText(i);
  for (int i = 0; i < cbResults->count(); ++i)
    history.Results << cbResults->itemText(i);
  try {
    WriteHistoryFile(HistoryFileName(), history);
  } catch (const platform::EFileError& error) {
    platform::ShowError(error.Message());
  }
}

// Modes

QToolButton* TfmCalc::ButtonByTag(int tag) const
{
  for (QToolButton* button : speedButtons_)
    if (button->property("Tag").isValid() && button->property("Tag").toInt() == tag)
      return button;
  return nullptr;
}

void TfmCalc::rgRealClick(platform::RadioGroup& used)
{
  const int index = used.ItemIndex();
  for (platform::RadioGroup* group : {rgReal, rgReal2})
    if (group != &used)
      group->SetItemIndex(index);
  if (index == 1)
    SwitchToComplex();
  else
    SwitchToReal();
}

void TfmCalc::SwitchToComplex()
{
  if (ShowComplexHelp && !complexHelpShown_) {
    complexHelpShown_ = true;
    fmCompMess.chShow->setChecked(true);
    fmCompMess.ShowModal();
    ShowComplexHelp = fmCompMess.chShow->isChecked();
  }
  if (rgBase->Items().size() == 1)
    return;
  for (platform::RadioGroup* group : {rgBase, rgBase2})
    group->SetItems({"dec"});
  for (platform::RadioGroup* group : {rgAngle, rgAngle2})
    group->SetItems({"Rad"});
  for (platform::RadioGroup* group : {rgNotation, rgNotation2}) {
    group->SetItems({"Scn", "Fix", "Eng"});
    if (group->ItemIndex() < 0)  // Sxg is gone: scientific notation instead
      group->SetItemIndex(0);
  }
  QStringList plots = rgPlot->Items();
  plots[1] = QStringLiteral("Contour Plot Z=|f(X+Yi)|");
  plots[2] = QStringLiteral("Color Shading Z=|f(X+Yi)|");
  plots[3] = QStringLiteral("Surface Z=|f(X+Yi)|");
  SetPlotTypeNames(plots);
  if (rgPlot->ItemIndex() == 0)
    rgPlot->SetItemIndex(1);
  else if (rgPlot->ItemIndex() == 4)
    rgPlot->SetItemIndex(3);
  if (QToolButton* log = ButtonByTag(17)) {
    log->setText(QStringLiteral("comp"));
    log->setToolTip(QStringLiteral("Complex number of (..,..)"));
  }
  if (QToolButton* gamma = ButtonByTag(26))
    gamma->setText(QStringLiteral("LnGm"));
  ComplexMode = true;
  pnlComp->show();
  pnlComp2->show();
  pnlBase->hide();
  pnlBase2->hide();
  EnableRealOnlyButtons(false);
  rgNotationClick(*rgNotation);
}

void TfmCalc::SwitchToReal()
{
  if (QToolButton* gamma = ButtonByTag(26))
    gamma->setText(QString(QChar(0x0393)));  // capital Gamma
  if (QToolButton* log = ButtonByTag(17))
    log->setToolTip(QStringLiteral("Logarithm (..)"));
  QStringList plots = rgPlot->Items();
  plots[1] = QStringLiteral("Contour Plot f(X,Y)");
  plots[2] = QStringLiteral("Color Shading f(X,Y)");
  plots[3] = QStringLiteral("Surface");
  SetPlotTypeNames(plots);
  pnlComp->hide();
  pnlComp2->hide();
  pnlBase->show();
  pnlBase2->show();
  ComplexMode = false;
  pcCalc->setTabVisible(pcCalc->indexOf(tsConst), true);
  if (rgBase->Items().size() == 3)
    return;
  for (platform::RadioGroup* group : {rgBase, rgBase2}) {
    group->SetItems({"dec", "hex", "bin"});
    group->SetItemIndex(engine::NumberBase);
  }
  for (platform::RadioGroup* group : {rgAngle, rgAngle2}) {
    group->SetItems({"Rad", "Deg"});
    group->SetItemIndex(engine::AngleMode);
  }
  for (platform::RadioGroup* group : {rgNotation, rgNotation2})
    group->SetItems({"Scn", "Fix", "Eng", "Sxg"});
  if (QToolButton* log = ButtonByTag(17))
    log->setText(QStringLiteral("log"));
  EnableRealOnlyButtons(true);
  rgNotationClick(*rgNotation);
}

void TfmCalc::EnableRealOnlyButtons(bool enabled)
{
  static const int realOnly[] = {0, 18, 19, 20, 21, 22, 23, 24, 25, 27, 31, 32, 34, 35, 36, 37, 38, 39, 41, 42, 43, 44, 87};
  for (QToolButton* button : speedButtons_) {
    const QVariant tag = button->property("Tag");
    const bool listed = tag.isValid() && (tag.toInt() > 88 || std::find(std::begin(realOnly), std::end(realOnly),
                                                                         tag.toInt()) != std::end(realOnly));
    if (listed || button->property("RealOnly").toBool())
      button->setEnabled(enabled);
  }
}

void TfmCalc::rgComplexFormClick(platform::RadioGroup& used)
{
  const int index = used.ItemIndex();
  for (platform::RadioGroup* group : {rgComplexForm, rgComplexForm2})
    if (group != &used)
      group->SetItemIndex(index);
  engine::ComplexForm = index == 0 ? engine::cfPolar : engine::cfRectangular;
  Edit2->setText(ModeResultText());
  SetResultColor(false);
  QTextCursor cursor(mmTape->document());
  cursor.movePosition(QTextCursor::Start);
  const QString line = Edit1->text() + QStringLiteral(" = ") + Edit2->text();
  cursor.insertText(mmTape->document()->isEmpty() ? line : line + QLatin1Char('\n'));
}

void TfmCalc::rgNotationClick(platform::RadioGroup& used)
{
  const int index = std::max(used.ItemIndex(), 0);
  for (platform::RadioGroup* group : {rgNotation, rgNotation2})
    if (group != &used)
      group->SetItemIndex(index);
  engine::NotationMode = index;
  const int limits[][2] = {{8, 21}, {3, 20}, {11, 21}};
  if (index >= 0 && index < 3) {
    MinDigits = limits[index][0];
    if (engine::NumberBase != engine::nbBinary)  // the binary group size keeps its own range
      for (platform::UpDown* upDown : {udDigits, UpDown2}) {
        upDown->SetMin(limits[index][0]);
        upDown->SetMax(limits[index][1]);
      }
  }
  if (DisplayDigits < MinDigits)
    DisplayDigits = MinDigits;
  if (!Loading)
    RedisplayResult();
}

void TfmCalc::rgBaseClick(platform::RadioGroup& used)
{
  const int index = used.ItemIndex();
  for (platform::RadioGroup* group : {rgBase, rgBase2})
    if (group != &used)
      group->SetItemIndex(index);
  if (calculating_)
    return;
  ReturnClick();
  engine::NumberBase = index;
  const bool binary = index == engine::nbBinary;
  engine::NumberChars = index == engine::nbHexadecimal ? engine::HexadecimalNumberChars()
                        : binary                       ? engine::BinaryNumberChars()
                                                       : engine::DecimalNumberChars();
  for (platform::UpDown* upDown : {udDigits, UpDown2}) {
    // Group sizes go down to 7 bits whatever the notation's digit minimum.
    upDown->SetMin(binary ? 1 : std::max(MinDigits, 0));
    upDown->SetMax(binary ? 32 : 22);
    upDown->SetPosition(binary ? DigitGroupBits : DisplayDigits);
  }
  lbDigits->SetCaption(binary ? QStringLiteral("Bits") : QStringLiteral("Digits"));
  RedisplayResult();
  static const char* const bases[] = {"10", "16", "2"};
  const QString line = chbRes->isChecked() ? Edit2->text()
                                           : Edit1->text() + QStringLiteral(" = ") + Edit2->text() +
                                                 QStringLiteral("; Base=") + QString::fromLatin1(bases[index]);
  mmTape->moveCursor(QTextCursor::Start);
  mmTape->insertPlainText(line + (mmTape->document()->isEmpty() ? QString() : QStringLiteral("\n")));
}

void TfmCalc::rgAngleClick(platform::RadioGroup& used)
{
  for (platform::RadioGroup* group : {rgAngle, rgAngle2})
    if (group != &used)
      group->SetItemIndex(used.ItemIndex());
  if (!Loading)
    engine::AngleMode = used.ItemIndex();
}

void TfmCalc::DigitsChanged(int position)
{
  if (engine::NumberBase == engine::nbBinary) {
    // Group sizes of binary results: 7, 8, 16 or 32 bits.
    if (position == 31 || position == 9)
      position = 16;
    else if (position == 15)
      position = 8;
    else if (position <= 6)
      position = 7;
    else if (position == 17)
      position = 32;
    DigitGroupBits = position;
  } else {
    DisplayDigits = position;
  }
  udDigits->SetPosition(position);
  UpDown2->SetPosition(position);
  RedisplayResult();
}

QString TfmCalc::ModeResultText() const
{
  const auto mode = std::size_t(ModeIndex());
  if (!resultCalculated_[mode])
    return resultRead_[mode];
  return FromLatin1(ComplexMode ? engine::ComplexToText(engine::ComplexResult, DisplayDigits)
                                : engine::FormatResult(DisplayDigits, engine::LastResult));
}

void TfmCalc::RedisplayResult()
{
  // A result read at start is shown as it was written; one of another mode is never shown.
  if (!resultCalculated_[std::size_t(ModeIndex())]) {
    if (!Edit2->text().isEmpty()) {
      Edit2->setText(resultRead_[std::size_t(ModeIndex())]);
      SetResultColor(false);
    }
    return;
  }
  const bool flag = engine::ErrorFlag;
  engine::ErrorFlag = false;
  const std::string text = ComplexMode ? engine::ComplexToText(engine::ComplexResult, DisplayDigits)
                                       : engine::FormatResult(DisplayDigits, engine::LastResult);
  // The last result in the new form, also after a failed calculation; a value the form cannot show says so.
  if (!Edit2->text().isEmpty()) {
    const bool failed = engine::ErrorFlag;
    Edit2->setText(FromLatin1(failed ? engine::ErrorText(engine::ErrorCode) : text));
    SetResultColor(failed);
  }
  engine::ErrorFlag = flag;
}

void TfmCalc::ClearAll()
{
  if (calculating_)
    return;
  cbHistory->clear();
  cbResults->clear();
  for (int i = 1; i <= engine::VariableCount; ++i) {
    engine::VarValues[std::size_t(i)] = engine::UndefinedValue;
    engine::VarExprs[std::size_t(i)].clear();
  }
  engine::LastLowBound = engine::UndefinedValue;
  engine::LastHighBound = engine::UndefinedValue;
  Edit1->clear();
  ShowVariables();
}

void TfmCalc::ApplyHints()
{
  const bool on = chHint->isChecked();
  for (QToolButton* button : speedButtons_)
    button->setProperty("ShowHint", on);
  for (QToolButton* button : speedButtons_) {
    if (!on) {
      if (!button->toolTip().isEmpty())
        button->setProperty("Hint", button->toolTip());
      button->setToolTip(QString());
    } else if (button->property("Hint").isValid()) {
      button->setToolTip(button->property("Hint").toString());
    }
  }
}

// Variables page

void TfmCalc::ShowVariables()
{
  const bool flag = engine::ErrorFlag;
  for (int i = 1; i <= 10; ++i) {
    const auto n = std::size_t(i);
    VarExprEdits[n - 1]->setText(FromLatin1(engine::VarExprs[n]));
    const bool undefined = engine::VarValues[n] == engine::UndefinedValue;
    VarValueEdits[n - 1]->setText(undefined && engine::VarExprs[n].empty()
                                      ? QStringLiteral("Undefind")
                                      : FromLatin1(engine::FormatResult(DisplayDigits, engine::VarValues[n])));
  }
  engine::ErrorFlag = flag;
}

void TfmCalc::EvalVariableEdit(int i, QLineEdit& exprEdit, QLineEdit& valueEdit)
{
  const QString typed = exprEdit.text();
  if (typed.isEmpty())
    return;
  // The evaluation that asked for this variable goes on with its own text.
  const engine::ScannerState outer;
  engine::ErrorFlag = false;
  PrepareInput(exprEdit);
  engine::Extended value = 0;
  if (!engine::ErrorFlag)
    value = engine::EvalExpression(engine::ExprString);
  if (engine::ErrorFlag) {
    MapErrorPosition(typed);
    lbError->setText(FromLatin1(engine::ErrorText(engine::ErrorCode)) + QStringLiteral(": position ") +
                     QString::number(engine::ErrorPos));
    if (exprEdit.isVisible())
      exprEdit.setFocus();
    exprEdit.setSelection(std::max(engine::ErrorPos - 1, 0), engine::ErrorSpan);
    engine::ErrorFlag = false;
    return;
  }
  valueEdit.setText(FromLatin1(engine::FormatResult(DisplayDigits, value)));
  engine::ErrorFlag = false;
  engine::VarExprs[std::size_t(i)] = engine::ExprString;
  engine::VarValues[std::size_t(i)] = value;
  lbError->clear();
}

void TfmCalc::CalculateAll()
{
  if (calculating_)
    return;
  const CalculationScope scope(*this, calculating_, false);
  // Defined variables are computed afresh; a value given without a definition stays.
  for (int i = 1; i <= 10; ++i) {
    engine::VarExprs[std::size_t(i)] = ToEngineText(VarExprEdits[std::size_t(i - 1)]->text()).Text;
    if (!engine::VarExprs[std::size_t(i)].empty())
      engine::VarValues[std::size_t(i)] = engine::UndefinedValue;
  }
  for (int i = 1; i <= 10; ++i)
    EvalVariableEdit(i, *VarExprEdits[std::size_t(i - 1)], *VarValueEdits[std::size_t(i - 1)]);
}

void TfmCalc::VariableButtonClick(int i)
{
  if (calculating_)
    return;
  if (!cbEval->isChecked()) {
    SetFunc(QString(QLatin1Char(engine::VarName(i))));
    return;
  }
  if (engine::AskVariableValue(i) && SetVar.cbEval->isChecked())
    ReturnClick();
  engine::ErrorFlag = false;
  ShowVariables();
}

int TfmCalc::SetUserVariable(const QString& name, bool show, engine::Extended value)
{
  const QString shortName = name.left(int(engine::TUserVariables::MaxNameLength));
  const bool existed = engine::UserVariables->Find(Latin1(shortName)) != nullptr;
  const int code = engine::UserVariables->Set(Latin1(shortName), value);
  if (show || existed)
    ShowUserVariable(code);
  return code;
}

}  // namespace app
