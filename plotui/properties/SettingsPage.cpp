#include "plotui/properties/SettingsPage.h"

#include "plotui/Plot.h"
#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/PropertiesWidgets.h"

#include "plot/graph/Graph.h"
#include "plot/parts/Background.h"
#include "plot/parts/Frame.h"
#include "plot/support/GraphValidates.h"

#include "platform/FileDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace plotui {

TSettingsPage::TSettingsPage(TfmGraphProperties& dialog, QWidget* parent) : QWidget(parent), d_(dialog)
{
  Build();
  Connect();
}

void TSettingsPage::Build()
{
  auto* general = new QGroupBox(this);
  edExaggerate = NamedEdit(general, "edExaggerate");
  lbView3D = Caption(general, QStringLiteral("View3D (%)"));
  edView3D = NamedEdit(general, "edView3D");
  lbBarStyle = Caption(general, QStringLiteral("Bar Style"));
  cbBarStyle = NamedCombo(general, "cbBarStyle",
                          {QStringLiteral("Clustered"), QStringLiteral("Z-Ordered"), QStringLiteral("Stacked"),
                           QStringLiteral("100% Stacked")});
  chClipMarkers = NamedCheck(general, "chClipMarkers", QStringLiteral("Clip Symbols"));
  bbPlotColor = NamedButton(general, "bbPlotColor", QStringLiteral("Plot Color..."));
  BitBtn3 = NamedButton(general, "BitBtn3", QStringLiteral("Back Color..."));
  auto* g = new QGridLayout(general);
  g->addWidget(Caption(general, QStringLiteral("Exaggerate (0 - maximize):")), 0, 0);
  g->addWidget(edExaggerate, 0, 1);
  g->addWidget(lbView3D, 1, 0);
  g->addWidget(edView3D, 1, 1);
  g->addWidget(lbBarStyle, 2, 0);
  g->addWidget(cbBarStyle, 2, 1);
  g->addWidget(chClipMarkers, 3, 0);
  g->addWidget(bbPlotColor, 4, 0);
  g->addWidget(BitBtn3, 4, 1);

  auto* gradient = new QGroupBox(QStringLiteral("Gradient"), this);
  cbGradientStyle = NamedCombo(gradient, "cbGradientStyle",
                               {QStringLiteral("None"), QStringLiteral("LeftRight"), QStringLiteral("TopBottom")});
  btStartColor = NamedButton(gradient, "btStartColor", QStringLiteral("Start Color..."));
  btEndColor = NamedButton(gradient, "btEndColor", QStringLiteral("End Color..."));
  auto* gg = new QGridLayout(gradient);
  gg->addWidget(Caption(gradient, QStringLiteral("Direction")), 0, 0);
  gg->addWidget(cbGradientStyle, 0, 1);
  gg->addWidget(btStartColor, 1, 0);
  gg->addWidget(btEndColor, 1, 1);

  gbPicture = new QGroupBox(QStringLiteral("Picture"), this);
  gbPicture->setObjectName(QStringLiteral("gbPicture"));
  edPictureFileName = NamedEdit(gbPicture, "edPictureFileName");
  btBrowse = NamedButton(gbPicture, "btBrowse", QStringLiteral("Browse..."));
  chPictureVisible = NamedCheck(gbPicture, "chPictureVisible", QStringLiteral("Visible"));
  cbPictureStyle = NamedCombo(gbPicture, "cbPictureStyle",
                              {QStringLiteral("Stretch"), QStringLiteral("Fix"), QStringLiteral("Tile")});
  auto* gp = new QGridLayout(gbPicture);
  gp->addWidget(Caption(gbPicture, QStringLiteral("File Name")), 0, 0);
  gp->addWidget(edPictureFileName, 0, 1, 1, 2);
  gp->addWidget(btBrowse, 0, 3);
  gp->addWidget(chPictureVisible, 1, 0);
  gp->addWidget(Caption(gbPicture, QStringLiteral("Mode")), 1, 1);
  gp->addWidget(cbPictureStyle, 1, 2);

  gbZoom = new QGroupBox(QStringLiteral("Zoom"), this);
  gbZoom->setObjectName(QStringLiteral("gbZoom"));
  cbZoomStyle = NamedCombo(gbZoom, "cbZoomStyle", {QStringLiteral("Zoom In"), QStringLiteral("Zoom Out")});
  edZoomSteps = NamedEdit(gbZoom, "edZoomSteps");
  edZoomPerStep = NamedEdit(gbZoom, "edZoomPerStep");
  auto* gz = new QGridLayout(gbZoom);
  gz->addWidget(Caption(gbZoom, QStringLiteral("Style")), 0, 0);
  gz->addWidget(cbZoomStyle, 0, 1);
  gz->addWidget(Caption(gbZoom, QStringLiteral("Steps")), 1, 0);
  gz->addWidget(edZoomSteps, 1, 1);
  gz->addWidget(Caption(gbZoom, QStringLiteral("Change")), 2, 0);
  gz->addWidget(edZoomPerStep, 2, 1);

  auto* frame = new QGroupBox(QStringLiteral("Frame"), this);
  BitBtn1 = NamedButton(frame, "BitBtn1", QStringLiteral("Color..."));
  Edit2 = NamedEdit(frame, "Edit2", QStringLiteral("1"));
  Edit2->setReadOnly(true);
  Edit2->setMaximumWidth(40);
  SpeedButton6 = StepButton(frame, "SpeedButton6", true);
  SpeedButton5 = StepButton(frame, "SpeedButton5", false);
  auto* steps = new QVBoxLayout;
  steps->setSpacing(0);
  steps->addWidget(SpeedButton6);
  steps->addWidget(SpeedButton5);
  auto* gf = new QHBoxLayout(frame);
  gf->addWidget(BitBtn1);
  gf->addWidget(Caption(frame, QStringLiteral("Width")));
  gf->addWidget(Edit2);
  gf->addLayout(steps);
  gf->addStretch();

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(general, 0, 0, 2, 1);
  grid->addWidget(gradient, 0, 1);
  grid->addWidget(gbZoom, 1, 1);
  grid->addWidget(gbPicture, 2, 0, 1, 2);
  grid->addWidget(frame, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
}

void TSettingsPage::Change(const std::function<void()>& write)
{
  if (d_.Filling)
    return;
  write();
  d_.MarkChanged();
  d_.ApplyIfLive();
}

void TSettingsPage::Connect()
{
  connect(edExaggerate, &QLineEdit::textChanged, this, [this] {
    if (d_.Filling)
      return;
    plot::TRealValidate* v = d_.RealValidator(edExaggerate);
    v->FilterInput();
    if (v->CheckSilent())
      Change([this, v] { d_.Plot->SetExaggerate(v->GetValue()); });
  });
  connect(edView3D, &QLineEdit::textChanged, this, [this] {
    if (d_.Filling)
      return;
    plot::TRealValidate* v = d_.RealValidator(edView3D);
    v->FilterInput();
    if (!v->CheckSilent())
      return;
    d_.Plot->SetView3D(v->GetValue());
    d_.MarkChanged();
  });
  const auto view3DApply = [this] {
    d_.MarkChanged();
    d_.ApplyIfLive();
  };
  d_.OnEnter(edView3D, view3DApply);
  d_.OnExit(edView3D, view3DApply);
  connect(cbBarStyle, &QComboBox::activated, this, [this](int index) {
    if (d_.Filling)
      return;
    d_.Plot->SetBarStyle(plot::TBarStyle(index));
    d_.Changed = true;
    d_.Graph->ApplyBarStyle();
    if (d_.Graph->GetBarSeriesCount() > 1)
      d_.ApplyIfLive();
  });
  connect(chClipMarkers, &QCheckBox::clicked, this,
          [this](bool on) { Change([this, on] { d_.Plot->SetClipMarkers(on); }); });
  const auto colorButton = [this](QPushButton* button, auto get, auto set) {
    connect(button, &QPushButton::clicked, this, [this, get, set] {
      platform::TColor color = get();
      if (ChooseColor(color))
        Change([&] { set(color); });
    });
  };
  colorButton(bbPlotColor, [this] { return d_.Plot->PlotColor(); },
              [this](platform::TColor c) { d_.Plot->SetPlotColor(c); });
  colorButton(BitBtn3, [this] { return d_.Plot->BackColor(); },
              [this](platform::TColor c) { d_.Plot->SetBackColor(c); });
  colorButton(btStartColor, [this] { return d_.Plot->Gradient->StartColor(); },
              [this](platform::TColor c) { d_.Plot->Gradient->SetStartColor(c); });
  colorButton(btEndColor, [this] { return d_.Plot->Gradient->EndColor(); },
              [this](platform::TColor c) { d_.Plot->Gradient->SetEndColor(c); });
  colorButton(BitBtn1, [this] { return d_.Plot->Frame->Color(); },
              [this](platform::TColor c) { d_.Plot->Frame->SetColor(c); });
  connect(cbGradientStyle, &QComboBox::activated, this, [this](int index) {
    Change([this, index] { d_.Plot->Gradient->SetStyle(plot::TGradientStyle(index)); });
  });
  connect(chPictureVisible, &QCheckBox::clicked, this, [this](bool on) {
    if (d_.Filling)
      return;
    d_.Plot->Picture->SetVisible(on);
    if (!edPictureFileName->text().isEmpty()) {
      d_.MarkChanged();
      d_.ApplyIfLive();
    }
  });
  d_.OnExit(edPictureFileName, [this] { LoadPictureFile(edPictureFileName->text()); });
  connect(btBrowse, &QPushButton::clicked, this, [this] { btBrowseClick(); });
  connect(cbPictureStyle, &QComboBox::activated, this, [this](int index) {
    Change([this, index] { d_.Plot->Picture->SetStyle(plot::TPictureStyle(index)); });
  });
  connect(cbZoomStyle, &QComboBox::activated, this,
          [this](int index) { d_.Plot->Zoom->SetStyle(plot::TZoomStyle(index)); });
  connect(edZoomSteps, &QLineEdit::textChanged, this, [this] {
    if (d_.Filling)
      return;
    plot::TIntValidate* v = d_.IntValidator(edZoomSteps);
    v->FilterInput();
    if (v->CheckSilent())
      d_.Plot->Zoom->SetSteps(v->GetValue());
  });
  connect(edZoomPerStep, &QLineEdit::textChanged, this, [this] {
    if (d_.Filling)
      return;
    plot::TRealValidate* v = d_.RealValidator(edZoomPerStep);
    v->FilterInput();
    if (!v->CheckSilent())
      return;
    d_.Plot->Zoom->SetChangePerStep(v->GetValue());
    d_.Changed = true;
  });
  connect(SpeedButton6, &QToolButton::clicked, this, [this] { StepFrameWidth(1); });
  connect(SpeedButton5, &QToolButton::clicked, this, [this] { StepFrameWidth(-1); });
}

void TSettingsPage::Fill()
{
  TPlot& plot = *d_.Plot;
  plot::TGraph& graph = *d_.Graph;
  edExaggerate->setText(GeneralText(plot.Exaggerate(), 15));
  chClipMarkers->setChecked(graph.GetClipMarkers());
  cbGradientStyle->setCurrentIndex(plot.Gradient->Style());
  cbZoomStyle->setCurrentIndex(plot.Zoom->Style());
  edZoomSteps->setText(QString::number(plot.Zoom->Steps()));
  edZoomPerStep->setText(GeneralText(plot.Zoom->ChangePerStep(), 15));
  chPictureVisible->setChecked(plot.Picture->Visible());
  edPictureFileName->setText(plot.Picture->PictureFileName());
  cbPictureStyle->setCurrentIndex(std::min<int>(plot.Picture->Style(), cbPictureStyle->count() - 1));
  edView3D->setText(GeneralText(plot.View3D(), 7));
  cbBarStyle->setCurrentIndex(plot.BarStyle());
  // The width edit shows the frame's width (it used to start at 1 whatever the width).
  Edit2->setText(QString::number(plot.Frame->Width()));
}

void TSettingsPage::LoadPictureFile(const QString& name)
{
  plot::TGraphPicture& picture = *d_.Graph->Picture;
  // Names are compared exactly: letter case tells files apart here.
  if (name == picture.PictureFileName)
    return;
  picture.PictureFileName = name;
  picture.LoadPicture();
  d_.MarkChanged();
  d_.ApplyIfLive();
}

void TSettingsPage::btBrowseClick()
{
  platform::TOpenDialog dialog;
  dialog.Filter = QStringLiteral("Bitmaps (*.bmp)|*.bmp");
  dialog.Title = QStringLiteral("Select Picture for Graph");
  dialog.Options = platform::ofHideReadOnly | platform::ofFileMustExist;
  if (!dialog.Execute() || dialog.FileName == d_.Graph->Picture->PictureFileName)
    return;
  edPictureFileName->setText(dialog.FileName);
  LoadPictureFile(dialog.FileName);
}

void TSettingsPage::StepFrameWidth(int delta)
{
  int width = TextToInt(Edit2->text(), 0);
  if (delta < 0 && width == 0)
    return;
  width += delta;
  Edit2->setText(QString::number(width));
  Change([this, width] { d_.Plot->Frame->SetWidth(width); });
}

}  // namespace plotui
