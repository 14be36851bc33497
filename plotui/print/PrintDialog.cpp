#include "plotui/print/PrintDialog.h"

#include "plotui/print/PreviewWindow.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"
#include "plot/support/GraphValidates.h"
#include "plot/support/PrinterServices.h"

#include "platform/Canvas.h"
#include "platform/CommonDialogs.h"
#include "platform/ExceptionBoundary.h"
#include "platform/FileDialogs.h"
#include "platform/HourglassCursor.h"
#include "platform/IniFile.h"
#include "platform/MessageDlg.h"
#include "platform/PageControl.h"
#include "platform/PrinterSetupDialogs.h"
#include "platform/Printer.h"
#include "platform/ProgramFolder.h"
#include "platform/RadioGroup.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plotui {

namespace {

const QString kLogoSection = QStringLiteral("LOGO");
const QString kLogoNotSaved = QStringLiteral("New Logo not saved!\nSave?");

QFont QtFontOf(const platform::TFont& font)
{
  QFont q(font.Name());
  q.setPointSize(std::max(font.Size(), 1));
  q.setBold(font.Style() & platform::fsBold);
  q.setItalic(font.Style() & platform::fsItalic);
  q.setUnderline(font.Style() & platform::fsUnderline);
  return q;
}

void TakeQtFont(platform::TFont& font, const QFont& q, platform::TColor color)
{
  font.SetName(q.family());
  if (q.pointSize() > 0)
    font.SetSize(q.pointSize());
  platform::TFontStyles style = 0;
  if (q.bold())
    style |= platform::fsBold;
  if (q.italic())
    style |= platform::fsItalic;
  if (q.underline())
    style |= platform::fsUnderline;
  font.SetStyle(style);
  font.SetColor(color);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption)
{
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QComboBox* AlignList(QWidget* parent, const char* name)
{
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->addItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")});
  return list;
}

}  // namespace

TPrintDlg::TPrintDlg(QWidget* owner) : Form(owner)
{
  Busy = true;
  setObjectName(QStringLiteral("PrintDlg"));
  setWindowTitle(QStringLiteral("Print"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 6, 6, 6);

  auto* top = new QGridLayout;
  top->addWidget(new QLabel(QStringLiteral("Printer"), this), 0, 0);
  lbPrinterName = new QLabel(this);
  lbPrinterName->setObjectName(QStringLiteral("lbPrinterName"));
  top->addWidget(lbPrinterName, 0, 1);
  top->addWidget(new QLabel(QStringLiteral("Page Size :"), this), 1, 0);
  lbPageSize = new QLabel(this);
  lbPageSize->setObjectName(QStringLiteral("lbPageSize"));
  top->addWidget(lbPageSize, 1, 1);
  top->setColumnStretch(1, 1);
  column->addLayout(top);

  pcPrint = new platform::TPageControl(this);
  pcPrint->setObjectName(QStringLiteral("pcPrint"));
  BuildPageLayout(pcPrint->AddPage(QStringLiteral("tsPageLayout"), QStringLiteral("Page Layout")));
  BuildTitleBlocks(pcPrint->AddPage(QStringLiteral("tsTitleBlocks"), QStringLiteral("Title Blocks")));
  pcPrint->OnChange = [this] { platform::Guard([this] { pcPrintChange(); }); };
  column->addWidget(pcPrint, 1);

  auto* buttons = new QHBoxLayout;
  bbPrint = Button(this, "bbPrint", QStringLiteral("&Print"));
  bbPreview = Button(this, "bbPreview", QStringLiteral("Preview"));
  bbCancel = Button(this, "bbCancel", QStringLiteral("&Cancel"));
  bbSave = Button(this, "bbSave", QStringLiteral("&Save"));
  bbSave->setToolTip(QStringLiteral("Save"));
  for (QPushButton* b : {bbSave, bbPreview, bbCancel, bbPrint})
    buttons->addWidget(b);
  column->addLayout(buttons);
  SetDefaultButton(bbPrint);
  SetCancelButton(bbCancel);
  BindModalButton(bbCancel, platform::mrCancel);
  connect(bbPrint, &QPushButton::clicked, this, [this] { platform::Guard([this] { bbPrintClick(); }); });
  connect(bbPreview, &QPushButton::clicked, this, [this] { platform::Guard([this] { bbPreviewClick(); }); });
  connect(bbSave, &QPushButton::clicked, this, [this] { platform::Guard([this] { bbSaveClick(); }); });

  cbLogoType->setCurrentIndex(0);
  bbSave->hide();
  const std::array<const char*, 4> captions{"Left Margin", "Right Margin", "Top Margin", "Bottom Margin"};
  for (std::size_t i = 0; i < 4; ++i)
    validators_[i] =
        std::make_unique<plot::TIntValidate>(0, 1000, MarginEdits()[i], this, QString::fromLatin1(captions[i]));
  validators_[4] = std::make_unique<plot::TIntValidate>(1, 1000, edNCopies, this, QStringLiteral("The number of copies"));
  // A single border: the client area of 384 x 312, or what the controls need beyond it.
  const QSize needed = sizeHint();
  setFixedSize(std::max(needed.width(), 384), std::max(needed.height(), 312));
  Busy = false;
}

TPrintDlg::~TPrintDlg() = default;

void TPrintDlg::BuildPageLayout(QWidget& page)
{
  auto* grid = new QGridLayout(&page);
  auto* margins = new QGroupBox(QStringLiteral("Margins:"), &page);
  auto* mgrid = new QGridLayout(margins);
  const std::array<const char*, 4> names{"edLeft", "edRight", "edTop", "edBottom"};
  const std::array<QString, 4> captions{QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Top"),
                                        QStringLiteral("Bottom")};
  std::array<QLineEdit*, 4> edits{};
  for (std::size_t i = 0; i < 4; ++i) {
    mgrid->addWidget(new QLabel(captions[i], margins), int(i), 0);
    edits[i] = new QLineEdit(margins);
    edits[i]->setObjectName(QString::fromLatin1(names[i]));
    mgrid->addWidget(edits[i], int(i), 1);
    marginUpDowns_[i] = new platform::UpDown(margins);
    marginUpDowns_[i]->SetMin(0);
    marginUpDowns_[i]->SetMax(1000);
    marginUpDowns_[i]->SetAssociate(edits[i]);
    mgrid->addWidget(marginUpDowns_[i], int(i), 2);
    QLineEdit* edit = edits[i];
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { platform::Guard([this, edit] { MarginChange(edit); }); });
  }
  edLeft = edits[0];
  edRight = edits[1];
  edTop = edits[2];
  edBottom = edits[3];
  lbUnits = new QLabel(QStringLiteral("(mm)"), margins);
  lbUnits->setObjectName(QStringLiteral("lbUnits"));
  mgrid->addWidget(lbUnits, 4, 0, 1, 3);
  rgUnits = new platform::RadioGroup(margins);
  rgUnits->setObjectName(QStringLiteral("rgUnits"));
  rgUnits->SetItems({QStringLiteral("mm"), QStringLiteral("inches")});
  rgUnits->SetColumns(2);
  rgUnits->SetItemIndex(0);
  rgUnits->OnClick = [this] { platform::Guard([this] { rgUnitsClick(); }); };
  mgrid->addWidget(rgUnits, 5, 0, 1, 3);
  grid->addWidget(margins, 0, 0, 3, 1);

  prsetup = Button(&page, "prsetup", QStringLiteral("Printer Setup"));
  connect(prsetup, &QPushButton::clicked, this, [this] { platform::Guard([this] { prsetupClick(); }); });
  grid->addWidget(prsetup, 0, 1);
  rgOrientation = new platform::RadioGroup(&page);
  rgOrientation->setObjectName(QStringLiteral("rgOrientation"));
  rgOrientation->setTitle(QStringLiteral("Orientation"));
  rgOrientation->SetItems({QStringLiteral("Portrait"), QStringLiteral("Landscape")});
  rgOrientation->SetColumns(2);
  rgOrientation->SetItemIndex(0);
  rgOrientation->OnClick = [this] { platform::Guard([this] { rgOrientationClick(); }); };
  grid->addWidget(rgOrientation, 1, 1);
  auto* copies = new QHBoxLayout;
  copies->addWidget(new QLabel(QStringLiteral("Number of Copies"), &page));
  edNCopies = new QLineEdit(QStringLiteral("1"), &page);
  edNCopies->setObjectName(QStringLiteral("edNCopies"));
  copies->addWidget(edNCopies);
  auto* copiesUpDown = new platform::UpDown(&page);
  copiesUpDown->SetMin(1);
  copiesUpDown->SetMax(1000);
  copiesUpDown->SetAssociate(edNCopies);
  copiesUpDown->SetPosition(1);
  copies->addWidget(copiesUpDown);
  connect(edNCopies, &QLineEdit::textChanged, this, [this] { platform::Guard([this] { edNCopiesChange(); }); });
  grid->addLayout(copies, 3, 0);
  chbBlackAndWhite = CheckBox(&page, "chbBlackAndWhite", QStringLiteral("Black && White"));
  connect(chbBlackAndWhite, &QCheckBox::toggled, this, [this] { chbBlackAndWhiteClick(); });
  grid->addWidget(chbBlackAndWhite, 4, 0);

  auto* design = new QGroupBox(QStringLiteral("Page Design "), &page);
  auto* dcol = new QVBoxLayout(design);
  chbProgramTitle = CheckBox(design, "chbProgramTitle", QStringLiteral("Program Title"));
  chbCompanyLogo = CheckBox(design, "chbCompanyLogo", QStringLiteral("Company Logo"));
  chbProjectTitle = CheckBox(design, "chbProjectTitle", QStringLiteral("Project Title"));
  chbDescription = CheckBox(design, "chbDescription", QStringLiteral("Plot Description"));
  chbBorders = CheckBox(design, "chbBorders", QStringLiteral("Plot Borders"));
  chbBorders->setChecked(true);
  for (QCheckBox* box : {chbProgramTitle, chbCompanyLogo, chbProjectTitle, chbDescription, chbBorders})
    dcol->addWidget(box);
  grid->addWidget(design, 2, 1, 3, 1);
}

void TPrintDlg::BuildTitleBlocks(QWidget& page)
{
  auto* column = new QVBoxLayout(&page);
  pcLogo = new platform::TPageControl(&page);
  pcLogo->setObjectName(QStringLiteral("pcLogo"));
  column->addWidget(pcLogo);

  QWidget& description = pcLogo->AddPage(QStringLiteral("tsDescription"), QStringLiteral("Description"));
  auto* dgrid = new QGridLayout(&description);
  mmComment = new QPlainTextEdit(&description);
  mmComment->setObjectName(QStringLiteral("mmComment"));
  mmComment->setLineWrapMode(QPlainTextEdit::NoWrap);
  dgrid->addWidget(mmComment, 0, 0, 3, 1);
  btCommentFont = Button(&description, "btCommentFont", QStringLiteral("Font..."));
  connect(btCommentFont, &QPushButton::clicked, this, [this] { platform::Guard([this] { btCommentFontClick(); }); });
  dgrid->addWidget(btCommentFont, 0, 1);
  dgrid->addWidget(new QLabel(QStringLiteral("Align"), &description), 1, 1);
  cbAlignComment = AlignList(&description, "cbAlignComment");
  connect(cbAlignComment, &QComboBox::activated, this, [this] { platform::Guard([this] { cbAlignCommentChange(); }); });
  dgrid->addWidget(cbAlignComment, 2, 1);

  QWidget& blocks = pcLogo->AddPage(QStringLiteral("tsProjectAndCompany"), QStringLiteral("Project and Company"));
  auto* bgrid = new QGridLayout(&blocks);
  bgrid->addWidget(new QLabel(QStringLiteral("Selection"), &blocks), 0, 0);
  cbLogoType = new QComboBox(&blocks);
  cbLogoType->setObjectName(QStringLiteral("cbLogoType"));
  cbLogoType->addItems({QStringLiteral("Company Logo"), QStringLiteral("Project Title")});
  connect(cbLogoType, &QComboBox::activated, this, [this] { platform::Guard([this] { cbLogoTypeChange(); }); });
  bgrid->addWidget(cbLogoType, 0, 1);
  btFont = Button(&blocks, "btFont", QStringLiteral("Font..."));
  connect(btFont, &QPushButton::clicked, this, [this] { platform::Guard([this] { btFontClick(); }); });
  bgrid->addWidget(btFont, 0, 2);
  bgrid->addWidget(new QLabel(QStringLiteral("Align"), &blocks), 0, 3);
  cbJustify = AlignList(&blocks, "cbJustify");
  connect(cbJustify, &QComboBox::activated, this, [this] { platform::Guard([this] { cbJustifyChange(); }); });
  bgrid->addWidget(cbJustify, 0, 4);
  mmLogo = new QPlainTextEdit(&blocks);
  mmLogo->setObjectName(QStringLiteral("mmLogo"));
  mmLogo->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(mmLogo, &QPlainTextEdit::textChanged, this, [this] { platform::Guard([this] { MemoChange(); }); });
  bgrid->addWidget(mmLogo, 1, 0, 1, 3);
  auto* bitmap = new QGroupBox(QStringLiteral("Bitmap"), &blocks);
  auto* bmgrid = new QGridLayout(bitmap);
  bmgrid->addWidget(new QLabel(QStringLiteral("File Name"), bitmap), 0, 0, 1, 2);
  edFileName = new QLineEdit(bitmap);
  edFileName->setObjectName(QStringLiteral("edFileName"));
  edFileName->setReadOnly(true);
  bmgrid->addWidget(edFileName, 1, 0, 1, 2);
  btBrowse = Button(bitmap, "btBrowse", QStringLiteral("Browse..."));
  connect(btBrowse, &QPushButton::clicked, this, [this] { platform::Guard([this] { BrowseClick(); }); });
  bmgrid->addWidget(btBrowse, 2, 0);
  btDelete = Button(bitmap, "btDelete", QStringLiteral("&Delete"));
  btDelete->setToolTip(QStringLiteral("Delete"));
  connect(btDelete, &QPushButton::clicked, this, [this] { platform::Guard([this] { btDeleteClick(); }); });
  bmgrid->addWidget(btDelete, 2, 1);
  bgrid->addWidget(bitmap, 1, 3, 1, 2);
  imSample = new QLabel(&blocks);
  imSample->setObjectName(QStringLiteral("imSample"));
  imSample->setFixedSize(340, 40);
  bgrid->addWidget(imSample, 2, 0, 1, 5);
}

bool TPrintDlg::Execute(plot::TGraph& graph)
{
  graph_ = &graph;
  Busy = true;
  rgOrientation->SetItemIndex(platform::Printer().Orientation() == platform::TPrinterOrientation::poLandscape ? 1 : 0);
  chbBlackAndWhite->setChecked(plot::GraphLibrary().PrintColorMode == plot::kPrintBlackAndWhite);
  Busy = false;
  return ShowModal() != platform::mrCancel;
}

QString TPrintDlg::SettingsFile() const
{
  if (graph_ && !graph_->IniFileName.isEmpty())
    return graph_->IniFileName;
  return platform::ProgramFolder() + QStringLiteral("Default.Ini");
}

void TPrintDlg::DefaultMargins(const QString& mode)
{
  const bool wasBusy = Busy;
  Busy = true;
  if (mode == QStringLiteral("Read")) {
    const TSavedMargins saved = ReadDefaultMargins(SettingsFile());
    Units = saved.Units;
    PrintMargins = saved.Margins;
    FillMarginEdits();
  } else {
    WriteDefaultMargins(SettingsFile(), {Units, PrintMargins});
  }
  Busy = wasBusy;
}

void TPrintDlg::FillMarginEdits()
{
  const bool wasBusy = Busy;
  Busy = true;
  const std::array<int, 4> values{PrintMargins.Left, PrintMargins.Right, PrintMargins.Top, PrintMargins.Bottom};
  for (std::size_t i = 0; i < 4; ++i) {
    const int shown = ShownMargin(values[i], Units);
    marginUpDowns_[i]->SetPosition(shown);
    MarginEdits()[i]->setText(QString::number(shown));
  }
  Busy = wasBusy;
}

int& TPrintDlg::MarginOf(QLineEdit* edit)
{
  if (edit == edLeft)
    return PrintMargins.Left;
  if (edit == edRight)
    return PrintMargins.Right;
  if (edit == edTop)
    return PrintMargins.Top;
  return PrintMargins.Bottom;
}

plot::TIntValidate& TPrintDlg::ValidatorOf(QLineEdit* edit)
{
  for (std::size_t i = 0; i < 4; ++i)
    if (MarginEdits()[i] == edit)
      return *validators_[i];
  return *validators_[4];
}

void TPrintDlg::MarginChange(QLineEdit* edit)
{
  if (Busy || !validators_[4])
    return;
  plot::TIntValidate& validator = ValidatorOf(edit);
  validator.FilterInput();
  bool ok = false;
  const int value = edit->text().toInt(&ok);
  if (ok && value >= validator.Min() && value <= validator.Max())
    MarginOf(edit) = MarginFromShown(value, Units);
}

void TPrintDlg::edNCopiesChange()
{
  if (Busy || !validators_[4])
    return;
  validators_[4]->FilterInput();
  bool ok = false;
  const int value = edNCopies->text().toInt(&ok);
  if (ok && value >= 1 && value <= 1000)
    platform::Printer().SetCopies(value);
}

void TPrintDlg::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  platform::Guard([this] { FormActivate(); });
}

void TPrintDlg::FormActivate()
{
  DefaultMargins(QStringLiteral("Read"));
  const platform::TIniFile ini(SettingsFile());
  chbCompanyLogo->setChecked(ini.ReadBool(kLogoSection, kOwnerLogo, false));
  chbProgramTitle->setChecked(ini.ReadBool(kLogoSection, kSystemLogo, false));
  chbProjectTitle->setChecked(ini.ReadBool(kLogoSection, kProjectLogo, false));
  chbDescription->setChecked(ini.ReadBool(kLogoSection, QStringLiteral("Comment LOGO"), false));
  cbAlignComment->setCurrentIndex(std::clamp(TPrintLogo::CreateComment(graph_, {}, SettingsFile()).Justify, 0, 2));
  lbUnits->setText(ShowsMillimetres(Units) ? QStringLiteral("(mm)") : QStringLiteral("(inch/10)"));
  Busy = true;
  rgUnits->SetItemIndex(ShowsMillimetres(Units) ? 0 : 1);
  Busy = false;
  ShowPrinter();
  if (!EditedLogo)
    LoadEditedLogo();
  LogoModified = false;
  SpreadButtons();
}

void TPrintDlg::ShowPrinter()
{
  const platform::TPrinter& printer = platform::Printer();
  lbPrinterName->setText(printer.PrinterName());
  lbPageSize->setText(PageSizeText(printer.PageWidth(), printer.PageHeight(), printer.Resolution(),
                                   printer.Resolution(), Units));
}

void TPrintDlg::SpreadButtons()
{
  bbSave->setVisible(pcPrint->ActivePageIndex() == 1);
}

void TPrintDlg::pcPrintChange() { SpreadButtons(); }

void TPrintDlg::rgUnitsClick()
{
  if (Busy)
    return;
  const bool inches = rgUnits->ItemIndex() == 1;
  if (inches == !ShowsMillimetres(Units))
    return;
  // Only what the edits show changes; the margins stay as they are in millimetres.
  Units = inches ? kUnitsInch : kUnitsMm;
  FillMarginEdits();
  lbUnits->setText(inches ? QStringLiteral("(decimal inchs)") : QStringLiteral("(mm)"));
  ShowPrinter();
}

void TPrintDlg::rgOrientationClick()
{
  platform::Printer().SetOrientation(rgOrientation->ItemIndex() == 1 ? platform::TPrinterOrientation::poLandscape
                                                                     : platform::TPrinterOrientation::poPortrait);
  ShowPrinter();
}

void TPrintDlg::chbBlackAndWhiteClick()
{
  plot::GraphLibrary().PrintColorMode =
      chbBlackAndWhite->isChecked() ? plot::kPrintBlackAndWhite : plot::kPrintColorFull;
}

bool TPrintDlg::PrinterSetup()
{
  DefaultMargins(QStringLiteral("Read"));
  platform::TPrinterSetupDialog dialog;
  dialog.Target = &platform::Printer();
  if (!dialog.Execute())
    return false;
  Busy = true;
  rgOrientation->SetItemIndex(platform::Printer().Orientation() == platform::TPrinterOrientation::poLandscape ? 1 : 0);
  Busy = false;
  ShowPrinter();
  return true;
}

void TPrintDlg::prsetupClick() { PrinterSetup(); }

TPageContent TPrintDlg::PageContent() const
{
  TPageContent content;
  content.Blocks = {chbProgramTitle->isChecked(), chbCompanyLogo->isChecked(), chbProjectTitle->isChecked(),
                    chbDescription->isChecked()};
  content.Borders = chbBorders->isChecked();
  const QString text = mmComment->toPlainText();
  if (!text.isEmpty())
    content.Description = text.split(QLatin1Char('\n'));
  content.SettingsFile = SettingsFile();
  return content;
}

bool TPrintDlg::PrintGraph()
{
  if (!graph_)
    return false;
  try {
    if (!PrintPlotPage(*graph_, platform::Printer(), PrintMargins, PageContent())) {
      platform::ShowError(QString::fromLatin1(platform::kMarginsLeaveNoRoom));
      return false;
    }
  } catch (const std::exception& error) {
    platform::ShowError(QString::fromUtf8(error.what()));
    return false;
  }
  return true;
}

void TPrintDlg::AskToSaveLogo()
{
  if (!LogoModified || !EditedLogo)
    return;
  if (platform::MessageDlg(kLogoNotSaved, platform::mtWarning, platform::mbYesNo) == platform::mrYes) {
    EditedLogo->Save();
    LogoModified = false;
  }
}

void TPrintDlg::bbPrintClick()
{
  DefaultMargins(QStringLiteral("Write"));
  AskToSaveLogo();
  setEnabled(false);
  bool printed = false;
  {
    const platform::HourglassCursor hourglass;
    printed = PrintGraph();
  }
  platform::TIniFile ini(SettingsFile());
  ini.SetAutoFlush(false);
  ini.WriteBool(kLogoSection, kSystemLogo, chbProgramTitle->isChecked());
  ini.WriteBool(kLogoSection, kOwnerLogo, chbCompanyLogo->isChecked());
  ini.WriteBool(kLogoSection, kProjectLogo, chbProjectTitle->isChecked());
  ini.WriteBool(kLogoSection, QStringLiteral("Comment LOGO"), chbDescription->isChecked());
  ini.UpdateFile();
  if (graph_)
    graph_->UpdateTransform();
  setEnabled(true);
  if (printed)
    SetModalResult(platform::mrOk);
}

void TPrintDlg::bbPreviewClick()
{
  if (!preview_ || !graph_)
    return;
  DefaultMargins(QStringLiteral("Write"));
  AskToSaveLogo();
  const bool printed = preview_->Execute(*graph_);
  FillMarginEdits();
  if (printed)
    SetModalResult(platform::mrOk);
}

// The block editor.

void TPrintDlg::LoadEditedLogo()
{
  const bool wasBusy = Busy;
  Busy = true;
  EditedLogo.emplace(graph_, cbLogoType->currentIndex() == 1 ? kProjectLogo : kOwnerLogo, SettingsFile());
  cbJustify->setCurrentIndex(std::clamp(EditedLogo->Justify, 0, 2));
  edFileName->setText(EditedLogo->ImageFileName);
  mmLogo->setPlainText(EditedLogo->Lines.join(QLatin1Char('\n')));
  LogoModified = false;
  DrawSample();
  Busy = wasBusy;
}

void TPrintDlg::DrawSample()
{
  if (!EditedLogo)
    return;
  const int w = std::max(imSample->width(), 1);
  const int h = std::max(imSample->height(), 1);
  platform::TBitmap sample(w, h);
  EditedLogo->Canvas = &sample.Canvas();
  EditedLogo->LogoRect = {0, 0, w, h};
  EditedLogo->Draw();
  EditedLogo->Canvas = nullptr;
  imSample->setPixmap(QPixmap::fromImage(sample.Image()));
}

void TPrintDlg::cbLogoTypeChange()
{
  AskToSaveLogo();
  LoadEditedLogo();
  update();
}

void TPrintDlg::MemoChange()
{
  if (Busy || !EditedLogo)
    return;
  const QString text = mmLogo->toPlainText();
  EditedLogo->Lines = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
  LogoModified = true;
  DrawSample();
}

void TPrintDlg::btFontClick()
{
  if (!EditedLogo)
    return;
  platform::TFontDialog dialog;
  dialog.Font = QtFontOf(EditedLogo->Font);
  dialog.Color = EditedLogo->Font.Color();
  if (!dialog.Execute())
    return;
  TakeQtFont(EditedLogo->Font, dialog.Font, dialog.Color);
  LogoModified = true;
  DrawSample();
}

void TPrintDlg::cbJustifyChange()
{
  if (!EditedLogo)
    return;
  EditedLogo->Justify = cbJustify->currentIndex();
  LogoModified = true;
  DrawSample();
}

void TPrintDlg::BrowseClick()
{
  if (!EditedLogo)
    return;
  platform::TOpenDialog dialog;
  dialog.Title = QStringLiteral("Select Bitmap File");
  dialog.Filter = QStringLiteral("BMP Image Files | *.bmp");
  if (!dialog.Execute())
    return;
  edFileName->setText(dialog.FileName);
  EditedLogo->LoadBitmap(dialog.FileName);
  EditedLogo->ImageFileName = dialog.FileName;
  DrawSample();
  LogoModified = true;
}

void TPrintDlg::btDeleteClick()
{
  if (!EditedLogo || EditedLogo->Bitmap.Empty())
    return;
  EditedLogo->ClearBitmap();
  EditedLogo->ImageFileName.clear();
  edFileName->clear();
  DrawSample();
  LogoModified = true;
}

void TPrintDlg::bbSaveClick()
{
  if (!EditedLogo)
    return;
  EditedLogo->Save();
  LogoModified = false;
}

void TPrintDlg::btCommentFontClick()
{
  TPrintLogo comment = TPrintLogo::CreateComment(graph_, PageContent().Description, SettingsFile());
  platform::TFontDialog dialog;
  dialog.Font = QtFontOf(comment.Font);
  dialog.Color = comment.Font.Color();
  if (dialog.Execute())
    TakeQtFont(comment.Font, dialog.Font, dialog.Color);
  comment.Save();
}

void TPrintDlg::cbAlignCommentChange()
{
  TPrintLogo comment = TPrintLogo::CreateComment(graph_, PageContent().Description, SettingsFile());
  comment.Justify = cbAlignComment->currentIndex();
  comment.Save();
}

}  // namespace plotui
