#include "plotui/annotate/FigsProperties.h"

#include "plot/graph/Graph.h"

#include "platform/Font.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace plotui {

namespace {

constexpr int kMinThickness = 1;
constexpr int kMaxThickness = 20;

QPushButton* Button(const QString& caption, const char* name, QWidget* parent)
{
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// The dialog's font as the note keeps it: face, size, styles and colour.
void TakeFont(platform::TFont& font, const QFont& chosen, platform::TColor color)
{
  font.SetName(chosen.family());
  if (chosen.pointSize() > 0)
    font.SetSize(chosen.pointSize());
  platform::TFontStyles style = 0;
  if (chosen.bold())
    style |= platform::fsBold;
  if (chosen.italic())
    style |= platform::fsItalic;
  if (chosen.underline())
    style |= platform::fsUnderline;
  if (chosen.strikeOut())
    style |= platform::fsStrikeOut;
  font.SetStyle(style);
  font.SetColor(color);
}

}  // namespace

TfmFigsProperties::TfmFigsProperties(QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("fmFigsProperties"));
  setWindowTitle(QStringLiteral("Properties"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  lbStyle = new QLabel(QStringLiteral("Line Style"), this);
  lbStyle->setObjectName(QStringLiteral("lbStyle"));
  cbStyle = new QComboBox(this);
  cbStyle->setObjectName(QStringLiteral("cbStyle"));
  lbWidth = new QLabel(QStringLiteral("Thickness"), this);
  lbWidth->setObjectName(QStringLiteral("lbWidth"));
  edThickness = new QLineEdit(QStringLiteral("1"), this);
  edThickness->setObjectName(QStringLiteral("edThickness"));
  edThickness->setReadOnly(true);
  udThickness = new platform::UpDown(this);
  udThickness->setObjectName(QStringLiteral("udThickness"));
  udThickness->SetMin(kMinThickness);
  udThickness->SetMax(kMaxThickness);
  udThickness->SetWrap(false);
  btColor = Button(QStringLiteral("Color"), "btColor", this);
  btOk = Button(QStringLiteral("&OK"), "btOk", this);
  btCancel = Button(QStringLiteral("&Cancel"), "btCancel", this);
  btApply = Button(QStringLiteral("Apply"), "btApply", this);
  lbText = new QLabel(QStringLiteral("Text"), this);
  lbText->setObjectName(QStringLiteral("lbText"));
  edText = new QLineEdit(this);
  edText->setObjectName(QStringLiteral("edText"));
  btFont = Button(QStringLiteral("Font..."), "btFont", this);
  btBackColor = Button(QStringLiteral("Back Color..."), "btBackColor", this);
  cbAppearance = new QComboBox(this);
  cbAppearance->setObjectName(QStringLiteral("cbAppearance"));
  cbAppearance->addItems({QStringLiteral("Clear"), QStringLiteral("SemiTransparent"), QStringLiteral("Solid")});
  for (QWidget* hidden : std::initializer_list<QWidget*>{lbText, edText, btFont, btBackColor, cbAppearance})
    hidden->setVisible(false);

  auto* grid = new QGridLayout;
  grid->addWidget(lbText, 0, 0);
  grid->addWidget(edText, 0, 1, 1, 2);
  grid->addWidget(lbStyle, 1, 0);
  grid->addWidget(cbStyle, 1, 1, 1, 2);
  grid->addWidget(lbWidth, 2, 0);
  auto* thickness = new QHBoxLayout;
  thickness->setSpacing(0);
  thickness->addWidget(edThickness);
  thickness->addWidget(udThickness);
  grid->addLayout(thickness, 2, 1);
  grid->addWidget(btColor, 2, 2);
  grid->addWidget(cbAppearance, 3, 1);
  grid->addWidget(btBackColor, 3, 2);
  grid->addWidget(btFont, 4, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btOk);
  buttons->addWidget(btCancel);
  buttons->addWidget(btApply);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(buttons);

  connect(btColor, &QPushButton::clicked, this, [this] { PenColorDialog.Execute(); });
  connect(btBackColor, &QPushButton::clicked, this, [this] { BackColorDialog.Execute(); });
  connect(btFont, &QPushButton::clicked, this, [this] { FontDialog.Execute(); });
  connect(btApply, &QPushButton::clicked, this, [this] { btApplyClick(); });
  BindModalButton(btOk, platform::mrOk);
  BindModalButton(btCancel, platform::mrCancel);
  SetDefaultButton(btOk);
  SetCancelButton(btCancel);
  FontDialog.ScalableOnly = true;
}

TfmFigsProperties::~TfmFigsProperties() = default;

void TfmFigsProperties::StartLine(TMonoLine& line)
{
  Figure = &line;
  PenColorDialog.Color = line.Color;
  udThickness->SetAssociate(edThickness);
  udThickness->SetPosition(line.LineWidth);
  cbStyle->clear();
  cbStyle->addItems(
      {QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"), QStringLiteral("DashDot"), QStringLiteral("DashDotDot")});
  cbStyle->setCurrentIndex(line.LineStyle);
}

bool TfmFigsProperties::EditLine(TMonoLine& line)
{
  StartLine(line);
  if (ShowModal() != platform::mrOk)
    return false;
  WriteFigure();
  return true;
}

bool TfmFigsProperties::EditRectangle(TRectangle& rect)
{
  StartLine(rect);
  cbAppearance->setVisible(true);
  btBackColor->setVisible(true);
  cbAppearance->setCurrentIndex(rect.Appearance);
  BackColorDialog.Color = rect.FillColor;
  if (ShowModal() != platform::mrOk)
    return false;
  WriteFigure();
  return true;
}

bool TfmFigsProperties::EditNote(TNoteText& note, bool isNew)
{
  Figure = &note;
  FontDialog.Font = platform::ToQFont(note.Font.Data());
  FontDialog.Color = note.Font.Color();
  udThickness->SetAssociate(nullptr);
  edThickness->setVisible(false);
  udThickness->setVisible(false);
  cbStyle->clear();
  cbStyle->addItems({QStringLiteral("Fixed"), QStringLiteral("Scaled")});
  cbStyle->setCurrentIndex(note.Scaled);
  lbStyle->setText(QStringLiteral("Text Style"));
  lbWidth->setText(QStringLiteral("Angle"));
  lbWidth->setVisible(false);
  btColor->setVisible(false);
  btFont->setVisible(true);
  edText->setText(note.Text);
  edText->setVisible(true);
  lbText->setVisible(true);
  btApply->setVisible(!isNew);
  if (ShowModal() != platform::mrOk)
    return false;
  WriteFigure();
  return true;
}

void TfmFigsProperties::WriteFigure()
{
  if (auto* note = dynamic_cast<TNoteText*>(Figure)) {
    note->Scaled = static_cast<std::uint8_t>(cbStyle->currentIndex());
    TakeFont(note->Font, FontDialog.Font, FontDialog.Color);
    // A note without text would neither show nor be found by the mouse again: it keeps its text.
    if (!edText->text().isEmpty())
      note->Text = edText->text();
    note->UpdateBox();
  } else if (auto* line = dynamic_cast<TMonoLine*>(Figure)) {
    line->LineStyle = static_cast<std::uint8_t>(cbStyle->currentIndex());
    line->Color = PenColorDialog.Color;
    line->LineWidth = udThickness->Position();
    if (auto* rect = dynamic_cast<TRectangle*>(Figure)) {
      rect->Appearance = static_cast<std::uint8_t>(cbAppearance->currentIndex());
      rect->FillColor = BackColorDialog.Color;
    }
  }
  if (Figure)
    Figure->Graph->Paint();
}

}  // namespace plotui
