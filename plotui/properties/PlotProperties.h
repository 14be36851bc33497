#pragma once
// The property objects of a plot: each reads and writes one part of the graph (axes with their
// ticks, titles, gradient, zoom, info bubbles, legends, picture, frame) and repaints a change
// while the plot updates live. Each writes and reads its own keys of the plot's settings section.

#include "plot/graph/Graph.h"
#include "plot/parts/Background.h"
#include "plot/parts/Frame.h"
#include "plot/parts/InfoBubble.h"
#include "plot/parts/Title.h"
#include "plot/support/GraphIniFile.h"

#include "platform/Font.h"

#include <QString>

namespace plotui {

// The graph repainted when its host updates live.
void RepaintWhenLive(plot::TGraph& graph);

// Font keys: prefix + "Font_Name", "Font_Size", "Font_Color", "Font_CharSet", "Font_Style".
void WriteFontSettings(plot::TCustomGraphIniFile& file, const QString& section, const QString& prefix,
                       const platform::TFont& font);
void ReadFontSettings(const plot::TCustomGraphIniFile& file, const QString& section, const QString& prefix,
                      platform::TFont& font);

class TPlotTicks {
public:
  TPlotTicks(plot::TGraph& graph, plot::TAxisTicks& ticks) : graph_(&graph), ticks_(&ticks) {}

  plot::TTicksDirection Direction() const { return ticks_->Direction; }
  void SetDirection(plot::TTicksDirection value);
  bool MajorVisible() const { return ticks_->MajorVisible; }
  void SetMajorVisible(bool value);
  bool MinorVisible() const { return ticks_->MinorVisible; }
  void SetMinorVisible(bool value);
  int MajorLength() const { return ticks_->MajorLength; }
  void SetMajorLength(int value);
  int MinorLength() const { return ticks_->MinorLength; }
  void SetMinorLength(int value);

  void SaveToIni(plot::TCustomGraphIniFile& file, const QString& section, const QString& prefix) const;
  void LoadFromIni(const plot::TCustomGraphIniFile& file, const QString& section, const QString& prefix);

private:
  template <typename T>
  void Store(T& field, T value);
  plot::TGraph* graph_;
  plot::TAxisTicks* ticks_;
};

class TPlotAxis {
public:
  // prefix: "XAxis", "YAxis", "XAxis2" or "YAxis2".
  TPlotAxis(plot::TGraph& graph, plot::TAxis& axis, const QString& prefix);

  bool Grid() const { return axis_->Grid; }
  void SetGrid(bool value);
  bool Visible() const { return axis_->GetVisible(); }
  void SetVisible(bool value);
  bool AutoMin() const { return axis_->AutoMin; }
  void SetAutoMin(bool value);
  bool AutoMax() const { return axis_->AutoMax; }
  void SetAutoMax(bool value);
  bool Log() const { return axis_->Log; }
  void SetLog(bool value);
  bool Inverted() const { return axis_->Inverted; }
  void SetInverted(bool value);
  platform::TColor Color() const { return axis_->GetColor(); }
  void SetColor(platform::TColor value);
  const platform::TFont& Font() const { return axis_->Font; }
  void SetFont(const platform::TFont& value);
  const platform::TFont& NameFont() const { return axis_->NameFont; }
  void SetNameFont(const platform::TFont& value);
  const QString& Name() const { return axis_->Name; }
  void SetName(const QString& value);
  platform::TColor GridColor() const { return axis_->GridColor; }
  void SetGridColor(platform::TColor value);
  int LabelsFrequency() const { return axis_->LabelsFrequency; }
  void SetLabelsFrequency(int value);
  plot::TAxisLabelsStyle LabelsStyle() const { return axis_->LabelsStyle; }
  void SetLabelsStyle(plot::TAxisLabelsStyle value) { axis_->LabelsStyle = value; }
  plot::TAxisLabelsDirection LabelsDirection() const { return axis_->LabelsDirection; }
  void SetLabelsDirection(plot::TAxisLabelsDirection value);
  bool MajorLineVisible() const { return axis_->MajorLineVisible; }
  void SetMajorLineVisible(bool value);
  plot::TAxisLocation Location() const { return axis_->Location; }
  void SetLocation(plot::TAxisLocation value);
  double Position() const { return axis_->Position; }
  void SetPosition(double value);
  // The manual limits; MissingValue is no limit. No repaint.
  void SetMinimum(double value) { axis_->Minimum = value; }
  void SetMaximum(double value) { axis_->Maximum = value; }
  double GetMinimum() const { return axis_->Minimum; }
  double GetMaximum() const { return axis_->Maximum; }

  TPlotTicks& Ticks() { return ticks_; }
  plot::TAxis& Axis() const { return *axis_; }
  const QString& Prefix() const { return prefix_; }

  void SaveToIni(plot::TCustomGraphIniFile& file, const QString& section) const;
  void LoadFromIni(const plot::TCustomGraphIniFile& file, const QString& section);

private:
  template <typename T>
  void Store(T& field, T value);
  plot::TGraph* graph_;
  plot::TAxis* axis_;
  TPlotTicks ticks_;
  QString prefix_;
};

class TPlotTitles {
public:
  // prefix: "Title" or "Foot".
  TPlotTitles(plot::TGraph& graph, plot::TGraphTitle& title, const QString& prefix)
      : graph_(&graph), title_(&title), prefix_(prefix)
  {
  }

  // The lines, each followed by "#".
  QString Text() const;
  // Split at every "#": A#B# gives A and B, A##B gives A, an empty line and B.
  void SetText(const QString& value);
  const platform::TFont& Font() const { return title_->Font; }
  void SetFont(const platform::TFont& value);
  plot::TAlignment Alignment() const { return title_->Alignment; }
  void SetAlignment(plot::TAlignment value);
  bool Visible() const { return title_->Visible; }
  void SetVisible(bool value);
  plot::TTitleStyle Style() const { return title_->Style; }
  void SetStyle(plot::TTitleStyle value);

  void SaveToIni(plot::TCustomGraphIniFile& file, const QString& section) const;
  void LoadFromIni(const plot::TCustomGraphIniFile& file, const QString& section);

private:
  plot::TGraph* graph_;
  plot::TGraphTitle* title_;
  QString prefix_;
};

class TPlotGradient {
public:
  explicit TPlotGradient(plot::TGraph& graph) : graph_(&graph) {}

  bool Visible() const { return Gradient().Visible; }
  void SetVisible(bool value);
  plot::TGradientStyle Style() const { return Gradient().Style; }
  void SetStyle(plot::TGradientStyle value);
  platform::TColor StartColor() const { return Gradient().StartColor; }
  void SetStartColor(platform::TColor value);
  platform::TColor EndColor() const { return Gradient().EndColor; }
  void SetEndColor(platform::TColor value);

  void SaveToIni(plot::TCustomGraphIniFile& file, const QString& section) const;
  void LoadFromIni(const plot::TCustomGraphIniFile& file, const QString& section);

private:
  plot::TGraphGradient& Gradient() const { return *graph_->Gradient; }
  plot::TGraph* graph_;
};

// Keeps its own copy of every value but the colour and hands each change on at once, unpainted.
class TPlotZoom {
public:
  explicit TPlotZoom(plot::TGraph& graph);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool ZoomAutoStop() const { return autoStop_; }
  void SetZoomAutoStop(bool value);
  int Steps() const { return steps_; }
  void SetSteps(int value);
  double ChangePerStep() const { return changePerStep_; }
  void SetChangePerStep(double value);
  plot::TZoomStyle Style() const { return style_; }
  void SetStyle(plot::TZoomStyle value);
  platform::TColor Color() const { return graph_->Zoom.Color; }
  void SetColor(platform::TColor value) { graph_->Zoom.Color = value; }

  // One step back; true while steps remain.
  bool ZoomOut() { return graph_->Zoom.ZoomOut(); }
  void Reset() { graph_->Zoom.Reset(); }

  void SaveToIni(plot::TCustomGraphIniFile& file, const QString& section) const;
  void LoadFromIni(const plot::TCustomGraphIniFile& file, const QString& section);

private:
  plot::TGraph* graph_;
  bool enabled_ = false;
  bool autoStop_ = false;
  int steps_ = 3;
  double changePerStep_ = 0.033333;
  plot::TZoomStyle style_ = plot::zsIn;
};

class TPlotInfo {
public:
  explicit TPlotInfo(plot::TGraph& graph) : graph_(&graph) {}

  plot::TInfoStyle Style() const { return Info().Style; }
  void SetStyle(plot::TInfoStyle value);
  plot::TInfoPosition Position() const { return Info().Position; }
  void SetPosition(plot::TInfoPosition value);
  platform::TColor Color() const { return Info().GetColor(); }
  void SetColor(platform::TColor value);
  const platform::TFont& Font() const { return Info().Font; }
  void SetFont(const platform::TFont& value) { Info().Font.Assign(value); }
  bool Visible() const { return Info().GetVisible(); }
  void SetVisible(bool value);
  int NumberOfGeneralDigits() const { return Info().NumberOfGeneralDigits; }
  void SetNumberOfGeneralDigits(int value);
  QString FormatX() const { return Info().FormatX; }
  void SetFormatX(const QString& value);
  QString FormatY() const { return Info().FormatY; }
  void SetFormatY(const QString& value);
  bool PointName() const { return Info().PointName; }
  void SetPointName(bool value);
  bool SeriesName() const { return Info().SeriesName; }
  void SetSeriesName(bool value);
  bool PointValue() const { return Info().PointValue; }
  void SetPointValue(bool value);
  bool SeriesValue() const { return Info().SeriesValue; }
  void SetSeriesValue(bool value);
  bool PointVisible() const { return Info().PointVisible; }
  void SetPointVisible(bool value);
  bool SeriesVisible() const { return Info().SeriesVisible; }
  void SetSeriesVisible(bool value);

  void SaveToIni(plot::TCustomGraphIniFile& file, const QString& section) const;
  void LoadFromIni(const plot::TCustomGraphIniFile& file, const QString& section);

private:
  template <typename T>
  void Store(T& field, T value);
  plot::TGraphInfo& Info() const { return *graph_->Info; }
  plot::TGraph* graph_;
};

// The settings of a legend box: the series legend, or the first colour legend.
class TPlotLegendBase {
public:
  // keyPrefix: "Plot_Legend_" or "Plot_Color_Legend_".
  TPlotLegendBase(plot::TGraph& graph, plot::TAbstractLegend& legend, const QString& keyPrefix)
      : graph_(&graph), legend_(&legend), keyPrefix_(keyPrefix)
  {
  }
  virtual ~TPlotLegendBase() = default;

  bool Visible() const { return legend_->GetVisible(); }
  void SetVisible(bool value) { legend_->SetVisible(value); }
  platform::TColor Color() const { return legend_->GetColor(); }
  void SetColor(platform::TColor value) { legend_->SetColor(value); }
  bool TransparentBackGround() const { return legend_->TransparentBackGround; }
  void SetTransparentBackGround(bool value) { legend_->TransparentBackGround = value; }
  int ShadowThickness() const { return legend_->ShadowThickness; }
  void SetShadowThickness(int value) { legend_->ShadowThickness = value; }
  plot::TLegendStyle Style() const { return legend_->Style; }
  void SetStyle(plot::TLegendStyle value) { legend_->Style = value; }
  platform::TColor ShadowColor() const { return legend_->ShadowColor; }
  void SetShadowColor(platform::TColor value) { legend_->ShadowColor = value; }
  bool ShadowVisible() const { return legend_->ShadowVisible; }
  void SetShadowVisible(bool value) { legend_->ShadowVisible = value; }
  platform::TColor FrameColor() const { return legend_->FrameColor; }
  void SetFrameColor(platform::TColor value) { legend_->FrameColor = value; }
  bool FrameVisible() const { return legend_->FrameVisible; }
  void SetFrameVisible(bool value) { legend_->FrameVisible = value; }
  int FrameThickness() const { return legend_->FrameThickness; }
  void SetFrameThickness(int value) { legend_->FrameThickness = value; }
  platform::TPenStyle FrameStyle() const { return legend_->FrameStyle; }
  void SetFrameStyle(platform::TPenStyle value) { legend_->FrameStyle = value; }
  const platform::TFont& Font() const { return legend_->Font; }
  void SetFont(const platform::TFont& value) { legend_->Font.Assign(value); }

  void SaveToIni(plot::TCustomGraphIniFile& file, const QString& section) const;
  void LoadFromIni(const plot::TCustomGraphIniFile& file, const QString& section);

protected:
  plot::TGraph* graph_;
  plot::TAbstractLegend* legend_;
  QString keyPrefix_;
};

class TPlotLegend : public TPlotLegendBase {
public:
  explicit TPlotLegend(plot::TGraph& graph) : TPlotLegendBase(graph, *graph.Legend, QStringLiteral("Plot_Legend_")) {}
  int Count() const { return graph_->Legend->GetCount(); }
  // Appends the entry; its index from 0.
  int Add(std::unique_ptr<plot::TLegend> entry) { return graph_->Legend->Add(std::move(entry)); }
};

class TPlotColorLegend : public TPlotLegendBase {
public:
  explicit TPlotColorLegend(plot::TGraph& graph)
      : TPlotLegendBase(graph, *graph.ColorLegends[0], QStringLiteral("Plot_Color_Legend_")),
        colors_(*graph.ColorLegends[0])
  {
  }
  // The layer whose level colours the scale shows; none: nullptr.
  void SetLayer(plot::TLayer* layer) { colors_.Layer = layer; }

private:
  plot::TColorLegend& colors_;
};

class TPlotPicture {
public:
  explicit TPlotPicture(plot::TGraph& graph) : graph_(&graph) {}

  plot::TPictureStyle Style() const { return Picture().Style; }
  void SetStyle(plot::TPictureStyle value);
  const QString& PictureFileName() const { return Picture().PictureFileName; }
  // Loads the file (only one that exists) and repaints whatever the live flag says.
  void SetPictureFileName(const QString& value);
  bool Visible() const { return Picture().GetVisible(); }
  void SetVisible(bool value);

  void SaveToIni(plot::TCustomGraphIniFile& file, const QString& section) const;
  void LoadFromIni(const plot::TCustomGraphIniFile& file, const QString& section);

private:
  plot::TGraphPicture& Picture() const { return *graph_->Picture; }
  plot::TGraph* graph_;
};

class TPlotFrame {
public:
  explicit TPlotFrame(plot::TGraph& graph) : graph_(&graph) {}

  // The effective colour: the plot's colour while the stored one stands for it.
  platform::TColor Color() const { return Frame().GetColor(); }
  void SetColor(platform::TColor value);
  int Width() const { return Frame().Width; }
  void SetWidth(int value);
  bool Visible() const { return Frame().GetVisible(); }
  void SetVisible(bool value);
  int Style() const { return style_; }
  void SetStyle(int value);

  void SaveToIni(plot::TCustomGraphIniFile& file, const QString& section) const;
  void LoadFromIni(const plot::TCustomGraphIniFile& file, const QString& section);

private:
  plot::TGraphFrame& Frame() const { return *graph_->Frame; }
  plot::TGraph* graph_;
  int style_ = 0;  // the frame's style byte, kept for the settings file
};

}  // namespace plotui
