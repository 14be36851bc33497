#pragma once
// The main window: expression and result lines, history and results, the page control with the
// calculator's pages, the settings and history files, and the road of one calculation.

#include "app/CompMessDialog.h"
#include "app/DataModule.h"
#include "app/EnterKeyGuard.h"
#include "app/FindReplaceDialog.h"
#include "app/RangeValidators.h"
#include "app/SetVarDialog.h"

#include "controls/small/RxClock.h"
#include "controls/small/RxLabel.h"
#include "controls/small/RxSwitch.h"
#include "controls/small/TextListBox.h"

#include "engine/Host.h"

#include "platform/Form.h"
#include "platform/RadioGroup.h"
#include "platform/Timer.h"
#include "platform/UpDown.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;
namespace controls {
class TOvcController;
class TOvcCustomEditor;
class TOvcTextFileEditor;
}

namespace tools {
class TfmConv;
class TfmMatrix;
class TfmMult;
class TfrmViewR;
class TfmContourPlot;
class TfmPlot2D;
class TfmSurfaceTee;
class TPolarForm;
class TfrnPT;
struct TPlotOutcome;
}

namespace app {

class TfmCalc : public platform::Form, public engine::EngineHost {
 public:
  TfmCalc();
  ~TfmCalc() override;

  // Top lines
  controls::TRxClock* RxClock1;
  QLineEdit* Edit1;  // expression
  QLineEdit* Edit2;  // result
  QComboBox* cbHistory;
  QComboBox* cbResults;
  QToolButton* sbStop;
  QTabWidget* pcCalc;

  // Calculator and Extended pages
  QWidget* tsCalc;
  QWidget* tsExt;
  platform::RadioGroup* rgReal;
  platform::RadioGroup* rgNotation;
  platform::RadioGroup* rgBase;
  platform::RadioGroup* rgAngle;
  platform::RadioGroup* rgComplexForm;
  platform::RadioGroup* rgReal2;
  platform::RadioGroup* rgNotation2;
  platform::RadioGroup* rgBase2;
  platform::RadioGroup* rgAngle2;
  platform::RadioGroup* rgComplexForm2;
  QWidget* pnlBase;
  QWidget* pnlComp;
  QWidget* pnlBase2;
  QWidget* pnlComp2;
  platform::UpDown* udDigits;
  QLineEdit* Edit4;
  platform::UpDown* udPrecision;
  QLineEdit* Edit3;
  platform::UpDown* UpDown2;
  QLineEdit* Edit11;
  platform::UpDown* UpDown1;
  QLineEdit* Edit10;
  controls::TRxLabel* lbDigits;
  QCheckBox* chAssistant;
  QCheckBox* chHint;
  QCheckBox* chHint2;
  QCheckBox* cbEval;
  QCheckBox* cbEval2;
  controls::TRxLabel* pnAssistant;
  controls::TRxSwitch* RxSwitch1;
  controls::TRxSwitch* RxSwitch2;
  QToolButton* sbEQ;
  QToolButton* sbEQ2;
  QToolButton* sbShow;
  QToolButton* SpinUp;    // font size up
  QToolButton* SpinDown;  // font size down

  // Other pages
  QWidget* tsVars;
  std::array<QLineEdit*, 10> VarExprEdits{};   // edXVar, edYvar, ...
  std::array<QLineEdit*, 10> VarValueEdits{};
  QLabel* lbError;
  QPushButton* BitBtn13;  // Save
  QPushButton* BitBtn14;  // Load
  std::array<QToolButton*, 10> VarButtons{};   // btX .. btN
  std::array<QToolButton*, 10> VarButtons2{};  // their twins on the Extended page
  QWidget* tsUserVars;
  controls::TTextListBox* lbVars;
  QLineEdit* edName;
  QLineEdit* edValue;
  QPushButton* btAdd;
  QPushButton* btDelete;
  QPushButton* bbSave;
  QPushButton* bnSaveAs;
  QPushButton* btLoad;
  QWidget* tsUserFuncs;
  controls::TTextListBox* lbFuncs;
  QLineEdit* edFuncName;
  QLineEdit* edFuncExpres;
  QPushButton* bbAddFunc;
  QPushButton* bbDeleteFunc;
  QPushButton* BitBtn7;  // Save
  QPushButton* BitBtn5;  // Save As
  QPushButton* BitBtn8;  // Load
  QWidget* tsConst;
  controls::TTextListBox* lbConst;
  QLineEdit* edFind;
  QPushButton* bbPaste;
  QPushButton* bbEdit;
  QPushButton* bbReload;
  QWidget* tsTape;
  QPlainTextEdit* mmTape;
  QCheckBox* chbRes;
  QPushButton* btPrint;
  QPushButton* btCopy;
  QPushButton* btCut;
  QPushButton* btToFile;
  QWidget* tsEval;
  QWidget* tsTapeCalc;
  QPlainTextEdit* OET;
  controls::TOvcTextFileEditor* OE;  // the "Eval it" text
  QComboBox* cmbFormat;
  QPushButton* SpeedButton7;       // "Eval it"
  QPushButton* SpeedButton39;      // "Edit source"
  QPushButton* sbtNewProject;      // load
  QPushButton* spbSave;
  QPushButton* SpeedButton20;      // find
  QPushButton* SpeedButton24;      // replace
  QPushButton* SpeedButton36;      // print
  QPushButton* SpeedButton40;      // undo
  QPushButton* SpeedButton65;      // redo
  QPushButton* SpeedButton82;      // paste
  QPushButton* SpeedButton81;      // copy
  QPushButton* SpeedButton85;      // "Tape calc": "Eval it"
  QPushButton* SpeedButton83;      // load
  QPushButton* SpeedButton84;      // save
  QPushButton* SpeedButton89;      // print
  QPushButton* SpeedButton92;      // copy
  QPushButton* SpeedButton93;      // paste
  QWidget* tsGraph;
  platform::RadioGroup* rgPlot;
  QLineEdit* edFromX;
  QLineEdit* edToX;
  QLineEdit* edStepsX;
  QLineEdit* edFromY;
  QLineEdit* edToY;
  QLineEdit* edStepsY;
  QLineEdit* edNumCont;
  QLineEdit* edExaggerate;
  QLineEdit* edX;
  QLineEdit* edY;
  QLineEdit* edTitle;
  QLineEdit* edLegend;
  QPushButton* bbOK;
  QPushButton* Button1;  // "Help"
  QPushButton* sbColor;
  QProgressBar* Gauge;  // progress of a plot, shown with the page
  QToolButton* SpeedButton6;  // the Extended page's "Show plots"
  QWidget* TabSheet2;
  QWidget* tsAbout;
  QPushButton* BitBtn6;   // About: contact by mail
  QPushButton* BitBtn10;  // About: "Tech. support" by mail

  // The windows created with the main window
  TSetVar SetVar;
  TfmCompMess fmCompMess;
  TfrmFindReplace frmFindReplace;
  TDM DM;
  // The matrix calculator and its question dialog and viewer, made at start-up.
  std::unique_ptr<tools::TfmMult> fmMult;
  std::unique_ptr<tools::TfrmViewR> frmViewR;
  std::unique_ptr<tools::TfmMatrix> fmMatrix;
  std::unique_ptr<tools::TfmPlot2D> fmPlot2D;  // the f(x) plot window, made at start-up
  std::unique_ptr<tools::TfmContourPlot> fmContourPlot;  // the f(x,y) plot window, made at start-up
  std::unique_ptr<tools::TfmSurfaceTee> fmSurfaceTee;  // the surface plot window, made at start-up
  std::unique_ptr<tools::TPolarForm> PolarForm;  // the polar plot window, made at start-up
  std::unique_ptr<tools::TfrnPT> frnPT;  // the element window, made with the Periodic table page
  std::unique_ptr<tools::TfmConv> fmConv;  // the unit converter, made at start-up
  // Show-plots popup menu: each item is enabled when its plot window is first shown.
  std::unique_ptr<QMenu> PopupMenu1;
  QAction* miPlotfx = nullptr;
  QAction* miPlotfxy = nullptr;
  QAction* mi3DPlotfXY = nullptr;
  QAction* miPolarfx = nullptr;

  // State
  int DisplayDigits = 12;
  int DigitGroupBits = 32;
  int MinDigits = 0;
  int MaxDigits = 18;
  bool Loading = false;
  bool ComplexMode = false;
  bool LastWasError = false;
  bool ShowComplexHelp = true;
  std::array<int, 5> StepsX{200, 40, 40, 40, 360};
  std::array<int, 5> StepsY{0, 40, 40, 40, 0};
  double LastExaggerate = 0;  // accepted by the last plot
  // The user typed a title or legend of their own: it no longer follows the expression.
  bool titleTyped_ = false;
  bool legendTyped_ = false;
  platform::TColor PlotColor = platform::clBlack;  // chosen with "Color"
  bool PlotColorSet = false;                       // the next f(x) curve takes PlotColor
  QString VariablesFile;
  QString FunctionsFile;
  QStringList FunctionRows;  // the user-functions document as written, one row of lbFuncs each
  int HintFunction = -1;
  int TimerAction = 0;       // 1 assistant hint, 2 greeting
  double GreetTime = 0;      // time of day of the first showing, a fraction of 24 hours
  QDate GreetDate;
  platform::Timer Timer1;
  bool Calculating() const { return calculating_; }

  // The calculation road
  void ReturnClick();
  void sbEQClick();
  void sbStopClick();
  void HandleEnterKey();
  // The typed text without blanks into ExprString, parentheses checked (error state set on a fault).
  void PrepareInput(const QLineEdit& edit);
  // ErrorPos and ErrorSpan, counted in the blank-free text, onto the typed text.
  void MapErrorPosition(const QString& typed);
  void DisablePages();
  void EnablePages();
  void CalculationEnded();  // a close asked for meanwhile happens now

  // Buttons and lists
  void SetFunc(const QString& text);
  void Clicker(int tag);

  // Variables page and user variables
  void EvalVariableEdit(int i, QLineEdit& exprEdit, QLineEdit& valueEdit);
  void ShowVariables();
  void CalculateAll();
  void VariableButtonClick(int i);
  int SetUserVariable(const QString& name, bool show, engine::Extended value);
  void LoadUserVariables(const QString& path);
  void FillVariableList();
  void ShowUserVariable(int code);
  void SaveVariablesFile();  // Variables page "Save"
  void LoadVariablesFile();  // Variables page "Load"
  void btAddClick();
  void btDeleteClick();
  void lbVarsDblClick();
  void bbSaveClick();
  void bnSaveAsClick();
  void btLoadClick();

  // User functions page
  bool AddUserFunction(const QString& line);
  void FillFunctionList();
  void RebuildUserFunctions();  // the engine's entries from the rows, as a load of them would give
  void LoadFunctionRows(const QString& path);
  void lbFuncsClick();
  void bbAddFuncClick();
  void bbDeleteFuncClick();
  void BitBtn7Click();  // Save
  void BitBtn5Click();  // Save As
  void BitBtn8Click();  // Load

  // Constants and tape
  void lbConstClick();
  void edFindChange();
  void bbEditClick();
  void bbReloadClick();
  void btCopyClick();
  void btCutClick();
  void btPrintClick();
  void btToFileClick();
  void UpdateTapeButtons();
  // "Tape calc" page: calculate the joined lines and append the result; load, save and print the lines.
  void SpeedButton85Click();
  void SpeedButton83Click();
  void SpeedButton84Click();
  void SpeedButton89Click();
  // "Eval it" page: evaluate the source into its output, and show the source again.
  void SpeedButton7Click();
  void SpeedButton39Click();
  void sbtNewProjectClick();  // load a source
  void spbSaveClick();
  void SpeedButton20Click();  // find
  void SpeedButton24Click();  // replace
  void SpeedButton36Click();  // print
  void OEKeyDown(int& key, platform::TShiftState shift);

  // Graphics page and plot launchers
  void rgPlotClick();
  void bbOKClick();
  void btGraphFxClick();  // the f(x) launcher
  void btGraphFxyClick(bool colorShade);  // the f(x,y) launcher: contour lines or a colour shade
  void PlotPolar();  // the r(phi) launcher
  void sbShowClick();
  void miPlotfxClick();
  void miPlotfxyClick();
  void PlotSurface();  // the surface launcher
  void mi3DPlotfXYClick();
  void miPolarfxClick();
  void Edit1Change();
  void HelpBtnClick();
  void sbColorClick();
  void EnableShowPlots(QAction& item);  // a plot window was shown: its item and the show-plots buttons
  void BitBtn6Click();   // mail to the contact address
  void BitBtn10Click();  // mail to technical support

  // Assistant and font size
  void ShowFunctionHint(int n);
  void ShowAssistantText(const QString& text);
  void chAssistantClick();
  void StartAssistantTimer(int action);
  void Timer1Timer();
  void FontSizeStep(int points);

  // engine::EngineHost
  int DigitGroup() const override { return DigitGroupBits; }
  bool AskVariableValue(int i) override;
  void EvalVariableEdit(int i) override;
  int SetUserVariable(const std::string& name, engine::Extended value) override;
  std::string ChooseFunctionsFile() override;
  void ShowError(const std::string& message) override;
  void PumpMessages() override;
  bool ConfirmStop() override;
  bool QuitRequested() const override { return closeRequested_; }
  std::string PrecisionText() const override;
  void ShowIntermediateResult(const std::string& text) override;

 protected:
  void FormKeyDown(int& key, platform::TShiftState shift) override;
  bool CloseQuery() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the window
  void BuildTop(QWidget* top);
  void BuildCalculatorPage();
  void BuildExtendedPage();
  void BuildVariablesPage();
  void BuildUserVariablesPage();
  void BuildUserFunctionsPage();
  void BuildConstantsPage();
  void BuildTapePage();
  void BuildEvalPages();
  void BuildGraphicsPage();
  void WireGraphicsPage();
  // New names of the plot types; every plot type keeps its availability.
  void SetPlotTypeNames(const QStringList& names);
  // Enables the plot types this version can plot, disables the others.
  void ApplyPlotTypeAvailability();
  void CreatePlotWindows();
  void PrepareGraphicsPage();
  void SetPlotLabels(bool surface);
  // "f(" + the expression line + ")".
  QString PlotFunctionText() const;
  // The title or legend edit takes the text unless the user typed their own there.
  void FollowExpression(QLineEdit& edit, const QString& function);
  // A text the plot type fixes: it replaces whatever was typed.
  void SetFixedPlotText(QLineEdit& edit, const QString& text);
  TIntValidate& IntValidator(const QLineEdit* edit) const;
  TRealValidate& RealValidator(const QLineEdit* edit) const;
  // The expression typed, blanks removed, as the plot loops evaluate it.
  QString PlotExpression() const;
  void MoveToHistoryTop(const QString& expression);
  // After a plot loop: the gauge back to 0; a failure shown in the result line and a message. True
  // when the loop ran through.
  bool EndPlotLoop(const tools::TPlotOutcome& outcome, const QString& typed, int prefixLength);
  void BuildPeriodicTablePage();
  void BuildAboutPage();
  QToolButton* FunctionButton(QWidget* parent, const QString& caption, int tag);
  QToolButton* InsertButton(QWidget* parent, const QString& caption, const QString& text);

  // Life cycle
  void FormCreate();
  void FormShow();
  void WriteSettingsAndHistory();
  bool LoadConstants();
  void pcCalcChange();

  // Modes
  void rgRealClick(platform::RadioGroup& used);
  void SwitchToComplex();
  void SwitchToReal();
  void EnableRealOnlyButtons(bool enabled);
  void rgComplexFormClick(platform::RadioGroup& used);
  QToolButton* ButtonByTag(int tag) const;
  void rgNotationClick(platform::RadioGroup& used);
  void rgBaseClick(platform::RadioGroup& used);
  void rgAngleClick(platform::RadioGroup& used);
  void DigitsChanged(int position);
  void RedisplayResult();
  void ClearAll();
  void MatrixClick();  // shows the matrix calculator
  void PTClick(int tag);  // shows the element window for an element button's tag
  void ApplyHints();
  void FilterName(QLineEdit& edit, const QString& allowed);  // deletes what is not a letter or allowed

  // The calculation road
  void ShowCalcError();
  void AddToLists(const QString& expression, const QString& result);
  QString TapeLine(const QString& expression, const QString& result) const;
  void SetResultColor(bool error);

  std::vector<QToolButton*> speedButtons_;
  std::vector<std::unique_ptr<TIntValidate>> intValidators_;
  std::vector<std::unique_ptr<TRealValidate>> realValidators_;
  bool calculating_ = false;
  std::unique_ptr<controls::TOvcController> editorController_;  // key tables and timers of the editors
  bool closeRequested_ = false;
  bool shown_ = false;
  bool complexHelpShown_ = false;
  // The expression line's selection when it lost the focus to a list, which an insertion replaces.
  int lostSelectionStart_ = -1;
  int lostSelectionLength_ = 0;
  EnterKeyGuard enterGuard_;
  // The last result of each mode (0 real, 1 complex): calculated in this run, or else the newest of its
  // kind in the results read at start, shown as it was written.
  std::array<bool, 2> resultCalculated_{};
  std::array<QString, 2> resultRead_;
  int ModeIndex() const { return ComplexMode ? 1 : 0; }
  QString ModeResultText() const;
};

}  // namespace app
