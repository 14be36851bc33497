#include "plotui/annotate/AnnotateTools.h"

#include "plotui/Plot.h"
#include "plotui/annotate/AnnotateToolGlyphs.h"

#include "platform/Hints.h"

#include <QCheckBox>

namespace plotui {

namespace {

constexpr int kButton = 25;
constexpr int kGap = 4;
constexpr int kColumns = 4;

QPointer<TfmAnnotateTools>& Current()
{
  static QPointer<TfmAnnotateTools> palette;
  return palette;
}

}  // namespace

TfmAnnotateTools* CurrentAnnotateTools() { return Current(); }

TfmAnnotateTools& ShowAnnotateTools(TPlot& plot)
{
  if (!Current())
    Current() = new TfmAnnotateTools;
  Current()->SetGraph(plot);
  return *Current();
}

void CloseAnnotateToolsOf(const TPlot& plot)
{
  if (Current() && Current()->Plot() == &plot)
    Current()->close();
}

TfmAnnotateTools::TfmAnnotateTools() : Form(nullptr, true)
{
  setObjectName(QStringLiteral("fmAnnotateTools"));
  setWindowTitle(QStringLiteral("Annotate Tools"));
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  // A closed palette is freed; the next "Paint" makes a new one.
  setAttribute(Qt::WA_DeleteOnClose);

  const struct {
    const char* name;
    const char* hint;
  } tools[] = {{"sbNone", "Select (right button click)"},
               {"sbShap", "Draw symbol"},
               {"sbLine", "Draw line"},
               {"sbArrow", "Draw arrow"},
               {"sbRect", "Draw rectangle"},
               {"sbText", "Draw text"},
               {"sbCircle", "Draw circle"},
               {"sbPencil", "Pencil"}};
  const auto place = [](platform::TSpeedButton& button, int index) {
    button.setGeometry(kGap + (index % kColumns) * (kButton + 1), kGap + (index / kColumns) * (kButton + 1), kButton,
                       kButton);
  };
  for (int i = 0; i < int(ToolButtons.size()); ++i) {
    auto* button = new platform::TSpeedButton(this);
    button->setObjectName(QString::fromLatin1(tools[i].name));
    button->SetHint(QString::fromLatin1(tools[i].hint));
    button->SetFlat(true);
    button->SetGroupIndex(1);
    const auto tool = static_cast<TAnnotateTool>(i);
    button->SetGlyph(ToolGlyph(tool));
    button->OnClick = [this, tool] { ToolClick(tool); };
    place(*button, i);
    ToolButtons[std::size_t(i)] = button;
  }
  sbNone = ToolButtons[atNone];
  sbShap = ToolButtons[atSymbol];
  sbLine = ToolButtons[atLine];
  sbArrow = ToolButtons[atArrow];
  sbRect = ToolButtons[atRectangle];
  sbText = ToolButtons[atText];
  sbCircle = ToolButtons[atCircle];
  sbPencil = ToolButtons[atPencil];
  sbNone->SetDown(true);

  sbtRefresh = new platform::TSpeedButton(this);
  sbtRefresh->setObjectName(QStringLiteral("sbtRefresh"));
  sbtRefresh->SetHint(QStringLiteral("Refresh graph"));
  sbtRefresh->SetFlat(true);
  sbtRefresh->SetGlyph(RefreshGlyph());
  sbtRefresh->OnClick = [this] { RefreshClick(); };
  place(*sbtRefresh, 8);
  SpeedButton2 = new platform::TSpeedButton(this);
  SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
  SpeedButton2->SetHint(QStringLiteral("Delete all"));
  SpeedButton2->SetFlat(true);
  SpeedButton2->SetGlyph(DeleteAllGlyph());
  SpeedButton2->OnClick = [this] { DeleteAllClick(); };
  place(*SpeedButton2, 9);

  const int width = 2 * kGap + kColumns * (kButton + 1);
  int y = kGap + 3 * (kButton + 1);
  cbVisible = new QCheckBox(QStringLiteral("All Visible"), this);
  cbVisible->setObjectName(QStringLiteral("cbVisible"));
  cbVisible->setChecked(true);
  cbVisible->setGeometry(kGap, y, width - 2 * kGap, 20);
  y += 22;
  chbAuto = new QCheckBox(QStringLiteral("Autorefresh"), this);
  chbAuto->setObjectName(QStringLiteral("chbAuto"));
  chbAuto->setGeometry(kGap, y, width - 2 * kGap, 20);
  connect(cbVisible, &QCheckBox::toggled, this, [this] { VisibleClick(); });
  connect(chbAuto, &QCheckBox::toggled, this, [this] { AutoClick(); });
  setFixedSize(width, y + 20 + kGap);
  platform::SetShowHint(*this, true);
}

TfmAnnotateTools::~TfmAnnotateTools() = default;

TGraphAnnotate* TfmAnnotateTools::Annotations() const
{
  if (!plot_)
    return nullptr;
  return dynamic_cast<TGraphAnnotate*>(&plot_->Graph->GetAnnotations());
}

void TfmAnnotateTools::SetGraph(TPlot& plot)
{
  const bool moved = plot_ != &plot;
  if (moved)
    Release();
  plot_ = &plot;
  TGraphAnnotate& layer = *Annotations();
  filling_ = true;
  chbAuto->setChecked(layer.AutoRefresh);
  cbVisible->setChecked(layer.GetVisible());
  ToolButtons[layer.Tool]->SetDown(true);
  filling_ = false;
  sbtRefresh->SetEnabled(!layer.AutoRefresh);
  layer.SetEditing(true);
  if (plot.OnAnnotateTools)
    plot.OnAnnotateTools(true);
  // Already shown for another plot: it moves over to this one.
  if (moved && isVisible())
    PlaceBesidePlot();
  Show();
}

void TfmAnnotateTools::Release()
{
  if (TGraphAnnotate* layer = Annotations()) {
    layer->Tool = atNone;
    layer->SetEditing(false);
    plot_->Image->SetCursorNumber(platform::crDefault);
    if (plot_->OnAnnotateTools)
      plot_->OnAnnotateTools(false);
  }
  plot_ = nullptr;
}

bool TfmAnnotateTools::CloseQuery()
{
  Release();
  if (Current() == this)
    Current() = nullptr;
  return true;
}

void TfmAnnotateTools::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  PlaceBesidePlot();
}

void TfmAnnotateTools::PlaceBesidePlot()
{
  const auto* owner = plot_ ? dynamic_cast<const platform::Form*>(plot_->window()) : nullptr;
  if (!owner)
    return;
  const QRect frame = owner->frameGeometry();
  move(frame.x() + frame.width() - frameGeometry().width(), frame.y() + 20);
}

void TfmAnnotateTools::ToolClick(TAnnotateTool tool)
{
  TGraphAnnotate* layer = Annotations();
  if (!layer)
    return;
  plot_->Zoom->SetEnabled(false);
  plot_->Graph->AnimatedZoom = false;
  layer->Tool = tool;
  plot_->Image->SetCursorNumber(ToolCursor(tool));
}

void TfmAnnotateTools::VisibleClick()
{
  TGraphAnnotate* layer = Annotations();
  if (filling_ || !layer)
    return;
  layer->SetVisible(cbVisible->isChecked());
  plot_->Graph->Paint();
}

void TfmAnnotateTools::AutoClick()
{
  if (TGraphAnnotate* layer = Annotations())
    layer->AutoRefresh = chbAuto->isChecked();
  sbtRefresh->SetEnabled(!chbAuto->isChecked());
}

void TfmAnnotateTools::RefreshClick()
{
  if (plot_)
    plot_->Graph->Paint();
}

void TfmAnnotateTools::DeleteAllClick()
{
  TGraphAnnotate* layer = Annotations();
  if (!layer)
    return;
  layer->Clear();
  plot_->Graph->Paint();
}

}  // namespace plotui
