#include "plotui/properties/PlotProperties.h"

namespace plotui {

using platform::TColor;
using plot::TCustomGraphIniFile;

void RepaintWhenLive(plot::TGraph& graph)
{
  if (graph.Plot && graph.Plot->LiveUpdate())
    graph.Paint();
}

namespace {

// Stores a value that differs and repaints when live; equal values change nothing.
template <typename T>
void StoreAndRepaint(plot::TGraph& graph, T& field, T value)
{
  if (field == value)
    return;
  field = value;
  RepaintWhenLive(graph);
}

}  // namespace

// Ticks.

template <typename T>
void TPlotTicks::Store(T& field, T value)
{
  StoreAndRepaint(*graph_, field, value);
}

void TPlotTicks::SetDirection(plot::TTicksDirection value) { Store(ticks_->Direction, value); }
void TPlotTicks::SetMajorVisible(bool value) { Store(ticks_->MajorVisible, value); }
void TPlotTicks::SetMinorVisible(bool value) { Store(ticks_->MinorVisible, value); }
void TPlotTicks::SetMajorLength(int value) { Store(ticks_->MajorLength, value); }
void TPlotTicks::SetMinorLength(int value) { Store(ticks_->MinorLength, value); }

// Axes.

TPlotAxis::TPlotAxis(plot::TGraph& graph, plot::TAxis& axis, const QString& prefix)
    : graph_(&graph), axis_(&axis), ticks_(graph, axis.Ticks), prefix_(prefix)
{
  for (platform::TFont* font : {&axis.Font, &axis.NameFont}) {
    font->SetName(QStringLiteral("Arial"));
    font->SetColor(platform::clBlack);
    font->SetCharset(graph.Charset);
  }
  RepaintWhenLive(graph);
  axis.SetVisible(true);
}

template <typename T>
void TPlotAxis::Store(T& field, T value)
{
  StoreAndRepaint(*graph_, field, value);
}

void TPlotAxis::SetGrid(bool value) { Store(axis_->Grid, value); }
void TPlotAxis::SetAutoMin(bool value) { Store(axis_->AutoMin, value); }
void TPlotAxis::SetAutoMax(bool value) { Store(axis_->AutoMax, value); }
void TPlotAxis::SetInverted(bool value) { Store(axis_->Inverted, value); }
void TPlotAxis::SetName(const QString& value) { Store(axis_->Name, value); }
void TPlotAxis::SetGridColor(TColor value) { Store(axis_->GridColor, value); }
void TPlotAxis::SetLabelsDirection(plot::TAxisLabelsDirection value) { Store(axis_->LabelsDirection, value); }
void TPlotAxis::SetMajorLineVisible(bool value) { Store(axis_->MajorLineVisible, value); }
void TPlotAxis::SetLocation(plot::TAxisLocation value) { Store(axis_->Location, value); }
void TPlotAxis::SetPosition(double value) { Store(axis_->Position, value); }

void TPlotAxis::SetVisible(bool value)
{
  if (axis_->GetVisible() == value)
    return;
  axis_->SetVisible(value);
  RepaintWhenLive(*graph_);
}

void TPlotAxis::SetLog(bool value)
{
  if (axis_->Log == value)
    return;
  axis_->SetLog(value);
  RepaintWhenLive(*graph_);
}

void TPlotAxis::SetColor(TColor value)
{
  if (axis_->GetColor() == value)
    return;
  axis_->SetColor(value);
  RepaintWhenLive(*graph_);
}

void TPlotAxis::SetFont(const platform::TFont& value)
{
  axis_->Font.Assign(value);
  RepaintWhenLive(*graph_);
}

void TPlotAxis::SetNameFont(const platform::TFont& value)
{
  axis_->NameFont.Assign(value);
  RepaintWhenLive(*graph_);
}

void TPlotAxis::SetLabelsFrequency(int value)
{
  if (axis_->LabelsFrequency == value)
    return;
  axis_->LabelsFrequency = value;
  graph_->Paint();
}

// Titles.

QString TPlotTitles::Text() const
{
  QString text;
  for (const QString& line : title_->Lines)
    text += line + QLatin1Char('#');
  return text;
}

void TPlotTitles::SetText(const QString& value)
{
  title_->Clear();
  if (value.isEmpty()) {
    RepaintWhenLive(*graph_);
    return;
  }
  QString rest = value;
  while (!rest.isEmpty()) {
    const qsizetype mark = rest.indexOf(QLatin1Char('#'));
    if (mark < 0) {
      title_->AddLine(rest);
      rest.clear();
    } else {
      title_->AddLine(rest.left(mark));
      rest = rest.mid(mark + 1);
    }
    RepaintWhenLive(*graph_);
  }
}

void TPlotTitles::SetFont(const platform::TFont& value)
{
  title_->Font.Assign(value);
  RepaintWhenLive(*graph_);
}

void TPlotTitles::SetAlignment(plot::TAlignment value) { StoreAndRepaint(*graph_, title_->Alignment, value); }
void TPlotTitles::SetVisible(bool value) { StoreAndRepaint(*graph_, title_->Visible, value); }
void TPlotTitles::SetStyle(plot::TTitleStyle value) { StoreAndRepaint(*graph_, title_->Style, value); }

// Gradient.

void TPlotGradient::SetVisible(bool value) { StoreAndRepaint(*graph_, Gradient().Visible, value); }
void TPlotGradient::SetStyle(plot::TGradientStyle value) { StoreAndRepaint(*graph_, Gradient().Style, value); }
void TPlotGradient::SetStartColor(TColor value) { StoreAndRepaint(*graph_, Gradient().StartColor, value); }
void TPlotGradient::SetEndColor(TColor value) { StoreAndRepaint(*graph_, Gradient().EndColor, value); }

// Zoom.

TPlotZoom::TPlotZoom(plot::TGraph& graph) : graph_(&graph)
{
  graph.Zoom.Steps = steps_;
  graph.Zoom.ChangePerStep = changePerStep_;
  graph.Zoom.Style = style_;
  graph.Zoom.Enabled = enabled_;
  graph.Zoom.ZoomAutoStop = autoStop_;
}

void TPlotZoom::SetEnabled(bool value) { graph_->Zoom.Enabled = enabled_ = value; }
void TPlotZoom::SetZoomAutoStop(bool value) { graph_->Zoom.ZoomAutoStop = autoStop_ = value; }
void TPlotZoom::SetSteps(int value) { graph_->Zoom.Steps = steps_ = value; }
void TPlotZoom::SetChangePerStep(double value) { graph_->Zoom.ChangePerStep = changePerStep_ = value; }
void TPlotZoom::SetStyle(plot::TZoomStyle value) { graph_->Zoom.Style = style_ = value; }

// Info bubbles.

template <typename T>
void TPlotInfo::Store(T& field, T value)
{
  StoreAndRepaint(*graph_, field, value);
}

void TPlotInfo::SetStyle(plot::TInfoStyle value) { Store(Info().Style, value); }
void TPlotInfo::SetPosition(plot::TInfoPosition value) { Store(Info().Position, value); }
void TPlotInfo::SetNumberOfGeneralDigits(int value) { Store(Info().NumberOfGeneralDigits, value); }
void TPlotInfo::SetFormatX(const QString& value) { Store(Info().FormatX, value); }
void TPlotInfo::SetFormatY(const QString& value) { Store(Info().FormatY, value); }
void TPlotInfo::SetPointName(bool value) { Store(Info().PointName, value); }
void TPlotInfo::SetSeriesName(bool value) { Store(Info().SeriesName, value); }
void TPlotInfo::SetPointValue(bool value) { Store(Info().PointValue, value); }
void TPlotInfo::SetSeriesValue(bool value) { Store(Info().SeriesValue, value); }
void TPlotInfo::SetPointVisible(bool value) { Store(Info().PointVisible, value); }
void TPlotInfo::SetSeriesVisible(bool value) { Store(Info().SeriesVisible, value); }

void TPlotInfo::SetColor(TColor value)
{
  if (Info().GetColor() == value)
    return;
  Info().SetColor(value);
  RepaintWhenLive(*graph_);
}

void TPlotInfo::SetVisible(bool value)
{
  if (Info().GetVisible() == value)
    return;
  Info().SetVisible(value);
  RepaintWhenLive(*graph_);
}

// Picture.

void TPlotPicture::SetStyle(plot::TPictureStyle value) { StoreAndRepaint(*graph_, Picture().Style, value); }

void TPlotPicture::SetPictureFileName(const QString& value)
{
  if (Picture().PictureFileName == value)
    return;
  Picture().PictureFileName = value;
  Picture().LoadPicture();
  graph_->Paint();
}

void TPlotPicture::SetVisible(bool value)
{
  if (Picture().GetVisible() == value)
    return;
  Picture().SetVisible(value);
  RepaintWhenLive(*graph_);
}

// Frame.

void TPlotFrame::SetColor(TColor value)
{
  if (Frame().GetColor() == value)
    return;
  Frame().SetColor(value);
  RepaintWhenLive(*graph_);
}

void TPlotFrame::SetWidth(int value) { StoreAndRepaint(*graph_, Frame().Width, value); }
void TPlotFrame::SetStyle(int value) { StoreAndRepaint(*graph_, style_, value); }

void TPlotFrame::SetVisible(bool value)
{
  if (Frame().GetVisible() == value)
    return;
  Frame().SetVisible(value);
  RepaintWhenLive(*graph_);
}

}  // namespace plotui
