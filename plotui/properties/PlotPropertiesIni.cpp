// The settings keys of the property objects. Every read takes the current value as its default,
// so a key that is missing or not a number leaves the property as it is and the load goes on;
// reals are written and read with "." whatever the locale.
#include "plotui/properties/PlotProperties.h"

#include "plot/support/FloatUtils.h"

namespace plotui {

using plot::TCustomGraphIniFile;

namespace {

const QString kPlot = QStringLiteral("Plot_");

template <typename TEnum>
TEnum ReadEnum(const TCustomGraphIniFile& file, const QString& section, const QString& key, TEnum current, int last)
{
  const int value = file.ReadInteger(section, key, static_cast<int>(current));
  return value >= 0 && value <= last ? static_cast<TEnum>(value) : current;
}

// An integer within the range its dialog field allows; a value beyond keeps the current one.
int ReadBounded(const TCustomGraphIniFile& file, const QString& section, const QString& key, int current, int least,
                int most)
{
  const int value = file.ReadInteger(section, key, current);
  return value >= least && value <= most ? value : current;
}

double ReadBounded(const TCustomGraphIniFile& file, const QString& section, const QString& key, double current,
                   double least, double most)
{
  const double value = file.ReadFloat(section, key, current);
  return value >= least && value <= most ? value : current;
}

// The tick length fields' range, the zoom fields', the legend's thickness buttons', the font
// dialog's sizes, and a frame width its buttons reach by a thousand clicks.
constexpr int kMaxTickLength = 3000;
constexpr int kMaxZoomSteps = 1000;
constexpr double kMaxZoomPerStep = 1000;
constexpr int kMaxLegendThickness = 8;
constexpr int kMaxFontSize = 1638;
constexpr int kMaxFrameWidth = 1000;

}  // namespace

void WriteFontSettings(TCustomGraphIniFile& file, const QString& section, const QString& prefix,
                       const platform::TFont& font)
{
  file.WriteString(section, prefix + "Font_Name", font.Name());
  file.WriteInteger(section, prefix + "Font_Size", font.Size());
  file.WriteInteger(section, prefix + "Font_Color", static_cast<int>(font.Color()));
  file.WriteInteger(section, prefix + "Font_CharSet", font.Charset());
  QString style;
  if (font.Style() & platform::fsBold)
    style += 'B';
  if (font.Style() & platform::fsItalic)
    style += 'I';
  if (font.Style() & platform::fsUnderline)
    style += 'U';
  if (font.Style() & platform::fsStrikeOut)
    style += 'S';
  file.WriteString(section, prefix + "Font_Style", style);
}

void ReadFontSettings(const TCustomGraphIniFile& file, const QString& section, const QString& prefix,
                      platform::TFont& font)
{
  font.SetName(file.ReadString(section, prefix + "Font_Name", font.Name()));
  font.SetSize(ReadBounded(file, section, prefix + "Font_Size", font.Size(), 1, kMaxFontSize));
  font.SetColor(static_cast<platform::TColor>(
      file.ReadInteger(section, prefix + "Font_Color", static_cast<int>(font.Color()))));
  font.SetCharset(file.ReadInteger(section, prefix + "Font_CharSet", font.Charset()));
  const QString style = file.ReadString(section, prefix + "Font_Style", QStringLiteral("T"));
  if (style == QLatin1String("T"))
    return;
  platform::TFontStyles styles = 0;
  if (style.contains('B'))
    styles |= platform::fsBold;
  if (style.contains('I'))
    styles |= platform::fsItalic;
  if (style.contains('U'))
    styles |= platform::fsUnderline;
  if (style.contains('S'))
    styles |= platform::fsStrikeOut;
  font.SetStyle(styles);
}

void TPlotTicks::SaveToIni(TCustomGraphIniFile& file, const QString& section, const QString& prefix) const
{
  file.WriteInteger(section, prefix + "_Ticks_Direction", Direction());
  file.WriteInteger(section, prefix + "_Ticks_MajorLength", MajorLength());
  file.WriteInteger(section, prefix + "_Ticks_MinorLength", MinorLength());
  file.WriteBool(section, prefix + "_Ticks_MajorVisible", MajorVisible());
  file.WriteBool(section, prefix + "_Ticks_MinorVisible", MinorVisible());
}

void TPlotTicks::LoadFromIni(const TCustomGraphIniFile& file, const QString& section, const QString& prefix)
{
  SetDirection(ReadEnum(file, section, prefix + "_Ticks_Direction", Direction(), plot::tdIN));
  SetMajorLength(ReadBounded(file, section, prefix + "_Ticks_MajorLength", MajorLength(), 0, kMaxTickLength));
  SetMinorLength(ReadBounded(file, section, prefix + "_Ticks_MinorLength", MinorLength(), 0, kMaxTickLength));
  SetMajorVisible(file.ReadBool(section, prefix + "_Ticks_MajorVisible", MajorVisible()));
  SetMinorVisible(file.ReadBool(section, prefix + "_Ticks_MinorVisible", MinorVisible()));
}

void TPlotAxis::SaveToIni(TCustomGraphIniFile& file, const QString& section) const
{
  const QString a = kPlot + prefix_;
  file.WriteString(section, a + "_Name", Name());
  // No limit survives from one run to the next: the axes take the data range.
  file.WriteFloat(section, a + "_Minimum", plot::MissingValue);
  file.WriteFloat(section, a + "_Maximum", plot::MissingValue);
  file.WriteInteger(section, a + "_Color", static_cast<int>(Color()));
  file.WriteInteger(section, a + "_GridColor", static_cast<int>(GridColor()));
  file.WriteBool(section, a + "_Visible", Visible());
  file.WriteBool(section, a + "_Grid", Grid());
  file.WriteBool(section, a + "_AutoMin", AutoMin());
  file.WriteBool(section, a + "_AutoMax", AutoMax());
  file.WriteBool(section, a + "_Log", Log());
  file.WriteBool(section, a + "_Invert", Inverted());
  file.WriteBool(section, a + "_RegularLabelsVisible", axis_->RegularLabelsVisible);
  const auto& labels = axis_->Labels;
  file.WriteInteger(section, a + "_LabelCount", static_cast<int>(labels.size()));
  for (std::size_t i = 0; i < labels.size(); ++i) {
    file.WriteString(section, a + "_LabelLegend" + QString::number(i), labels[i].first);
    file.WriteFloat(section, a + "_LabelValue" + QString::number(i), labels[i].second);
  }
  WriteFontSettings(file, section, a + "_Label_", Font());
  WriteFontSettings(file, section, a + "_Name_", NameFont());
  ticks_.SaveToIni(file, section, a);
}

void TPlotAxis::LoadFromIni(const TCustomGraphIniFile& file, const QString& section)
{
  const QString a = kPlot + prefix_;
  SetName(file.ReadString(section, a + "_Name", Name()));
  SetMinimum(file.ReadFloat(section, a + "_Minimum", GetMinimum()));
  SetMaximum(file.ReadFloat(section, a + "_Maximum", GetMaximum()));
  SetColor(static_cast<platform::TColor>(file.ReadInteger(section, a + "_Color", static_cast<int>(Color()))));
  SetGridColor(
      static_cast<platform::TColor>(file.ReadInteger(section, a + "_GridColor", static_cast<int>(GridColor()))));
  SetVisible(file.ReadBool(section, a + "_Visible", Visible()));
  SetGrid(file.ReadBool(section, a + "_Grid", Grid()));
  SetAutoMin(file.ReadBool(section, a + "_AutoMin", AutoMin()));
  SetAutoMax(file.ReadBool(section, a + "_AutoMax", AutoMax()));
  SetLog(file.ReadBool(section, a + "_Log", Log()));
  SetInverted(file.ReadBool(section, a + "_Invert", Inverted()));
  axis_->RegularLabelsVisible = file.ReadBool(section, a + "_RegularLabelsVisible", true);
  // Each label has keys of its own: a count beyond the keys of the section is no count at all.
  QStringList keys;
  file.ReadSection(section, keys);
  const int count = ReadBounded(file, section, a + "_LabelCount", 0, 0, static_cast<int>(keys.size()));
  for (int i = 0; i < count; ++i) {
    const double value = file.ReadFloat(section, a + "_LabelValue" + QString::number(i), 0);
    axis_->AddLabel(file.ReadString(section, a + "_LabelLegend" + QString::number(i), {}), value);
  }
  ReadFontSettings(file, section, a + "_Label_", axis_->Font);
  ReadFontSettings(file, section, a + "_Name_", axis_->NameFont);
  ticks_.LoadFromIni(file, section, a);
}

void TPlotTitles::SaveToIni(TCustomGraphIniFile& file, const QString& section) const
{
  const QString t = kPlot + prefix_;
  file.WriteString(section, t + "_Text", Text());
  file.WriteInteger(section, t + "_Style", Style());
  file.WriteInteger(section, t + "_Alignment", Alignment());
  file.WriteBool(section, t + "_Visible", Visible());
  WriteFontSettings(file, section, t + "_", Font());
}

void TPlotTitles::LoadFromIni(const TCustomGraphIniFile& file, const QString& section)
{
  const QString t = kPlot + prefix_;
  SetText(file.ReadString(section, t + "_Text", Text()));
  SetStyle(ReadEnum(file, section, t + "_Style", Style(), plot::tsRaised));
  SetAlignment(ReadEnum(file, section, t + "_Alignment", Alignment(), plot::taCenter));
  SetVisible(file.ReadBool(section, t + "_Visible", Visible()));
  ReadFontSettings(file, section, t + "_", title_->Font);
}

void TPlotGradient::SaveToIni(TCustomGraphIniFile& file, const QString& section) const
{
  file.WriteInteger(section, "Plot_Gradient_Style", Style());
  file.WriteInteger(section, "Plot_Gradient_StartColor", static_cast<int>(StartColor()));
  file.WriteInteger(section, "Plot_Gradient_EndColor", static_cast<int>(EndColor()));
  file.WriteBool(section, "Plot_Gradient_Visible", Visible());
}

void TPlotGradient::LoadFromIni(const TCustomGraphIniFile& file, const QString& section)
{
  SetStyle(ReadEnum(file, section, "Plot_Gradient_Style", Style(), plot::gsTopBottom));
  SetStartColor(static_cast<platform::TColor>(
      file.ReadInteger(section, "Plot_Gradient_StartColor", static_cast<int>(StartColor()))));
  SetEndColor(
      static_cast<platform::TColor>(file.ReadInteger(section, "Plot_Gradient_EndColor", static_cast<int>(EndColor()))));
  SetVisible(file.ReadBool(section, "Plot_Gradient_Visible", Visible()));
}

void TPlotZoom::SaveToIni(TCustomGraphIniFile& file, const QString& section) const
{
  file.WriteInteger(section, "Plot_Zoom_Style", Style());
  file.WriteBool(section, "Plot_Zoom_ZoomAutoStop", ZoomAutoStop());
  file.WriteInteger(section, "Plot_Zoom_Steps", Steps());
  file.WriteInteger(section, "Plot_Zoom_Color", static_cast<int>(Color()));
  file.WriteFloat(section, "Plot_Zoom_ChangePerStep", ChangePerStep());
}

void TPlotZoom::LoadFromIni(const TCustomGraphIniFile& file, const QString& section)
{
  SetStyle(ReadEnum(file, section, "Plot_Zoom_Style", Style(), plot::zsOut));
  SetZoomAutoStop(file.ReadBool(section, "Plot_Zoom_ZoomAutoStop", ZoomAutoStop()));
  SetSteps(ReadBounded(file, section, "Plot_Zoom_Steps", Steps(), 0, kMaxZoomSteps));
  SetColor(static_cast<platform::TColor>(file.ReadInteger(section, "Plot_Zoom_Color", static_cast<int>(Color()))));
  SetChangePerStep(ReadBounded(file, section, "Plot_Zoom_ChangePerStep", ChangePerStep(), 0.0, kMaxZoomPerStep));
}

void TPlotInfo::SaveToIni(TCustomGraphIniFile& file, const QString& section) const
{
  file.WriteInteger(section, "Plot_Info_Style", Style());
  file.WriteInteger(section, "Plot_Info_Position", Position());
  file.WriteInteger(section, "Plot_Info_Color", static_cast<int>(Color()));
  file.WriteBool(section, "Plot_Info_Visible", Visible());
  WriteFontSettings(file, section, "Plot_Info_Font", Font());
}

void TPlotInfo::LoadFromIni(const TCustomGraphIniFile& file, const QString& section)
{
  SetStyle(ReadEnum(file, section, "Plot_Info_Style", Style(), plot::isNoBubble));
  SetPosition(ReadEnum(file, section, "Plot_Info_Position", Position(), plot::ipLeftBottom));
  SetColor(static_cast<platform::TColor>(file.ReadInteger(section, "Plot_Info_Color", static_cast<int>(Color()))));
  SetVisible(file.ReadBool(section, "Plot_Info_Visible", Visible()));
  ReadFontSettings(file, section, "Plot_Info_Font", Info().Font);
}

void TPlotLegendBase::SaveToIni(TCustomGraphIniFile& file, const QString& section) const
{
  const QString& p = keyPrefix_;
  file.WriteInteger(section, p + "Style", Style());
  file.WriteInteger(section, p + "Color", static_cast<int>(Color()));
  file.WriteInteger(section, p + "ShadowColor", static_cast<int>(ShadowColor()));
  file.WriteInteger(section, p + "ShadowThickness", ShadowThickness());
  file.WriteBool(section, p + "ShadowVisible", ShadowVisible());
  file.WriteInteger(section, p + "FrameColor", static_cast<int>(FrameColor()));
  file.WriteInteger(section, p + "FrameThickness", FrameThickness());
  file.WriteInteger(section, p + "FrameStyle", static_cast<int>(FrameStyle()));
  file.WriteBool(section, p + "FrameVisible", FrameVisible());
  file.WriteBool(section, p + "Visible", Visible());
  file.WriteBool(section, p + "TransparentBackGround", TransparentBackGround());
}

void TPlotLegendBase::LoadFromIni(const TCustomGraphIniFile& file, const QString& section)
{
  const QString& p = keyPrefix_;
  const auto color = [&](const char* key, platform::TColor current) {
    return static_cast<platform::TColor>(file.ReadInteger(section, p + key, static_cast<int>(current)));
  };
  SetStyle(ReadEnum(file, section, p + "Style", Style(), plot::lsInside));
  SetColor(color("Color", Color()));
  SetShadowColor(color("ShadowColor", ShadowColor()));
  SetShadowThickness(ReadBounded(file, section, p + "ShadowThickness", ShadowThickness(), 0, kMaxLegendThickness));
  SetShadowVisible(file.ReadBool(section, p + "ShadowVisible", ShadowVisible()));
  SetFrameColor(color("FrameColor", FrameColor()));
  SetFrameThickness(ReadBounded(file, section, p + "FrameThickness", FrameThickness(), 1, kMaxLegendThickness));
  SetFrameStyle(ReadEnum(file, section, p + "FrameStyle", FrameStyle(),
                         static_cast<int>(platform::TPenStyle::psInsideFrame)));
  SetFrameVisible(file.ReadBool(section, p + "FrameVisible", FrameVisible()));
  SetVisible(file.ReadBool(section, p + "Visible", Visible()));
  SetTransparentBackGround(file.ReadBool(section, p + "TransparentBackGround", TransparentBackGround()));
}

void TPlotPicture::SaveToIni(TCustomGraphIniFile& file, const QString& section) const
{
  file.WriteInteger(section, "Plot_Picture_Style", Style());
  file.WriteString(section, "Plot_Picture_Color", PictureFileName());
  file.WriteBool(section, "Plot_Picture_Visible", Visible());
}

void TPlotPicture::LoadFromIni(const TCustomGraphIniFile& file, const QString& section)
{
  SetStyle(ReadEnum(file, section, "Plot_Picture_Style", Style(), plot::psAsIsInside));
  SetPictureFileName(file.ReadString(section, "Plot_Picture_Color", PictureFileName()));
  SetVisible(file.ReadBool(section, "Plot_Picture_Visible", Visible()));
}

void TPlotFrame::SaveToIni(TCustomGraphIniFile& file, const QString& section) const
{
  file.WriteInteger(section, "Plot_Frame_Style", Style());
  file.WriteInteger(section, "Plot_Frame_Color", static_cast<int>(Frame().Color));
  file.WriteInteger(section, "Plot_Frame_Width", Width());
  file.WriteBool(section, "Plot_Frame_Visible", Visible());
}

void TPlotFrame::LoadFromIni(const TCustomGraphIniFile& file, const QString& section)
{
  SetStyle(file.ReadInteger(section, "Plot_Frame_Style", Style()));
  const int color = file.ReadInteger(section, "Plot_Frame_Color", static_cast<int>(Frame().Color));
  if (static_cast<platform::TColor>(color) != Frame().Color) {
    Frame().SetColor(static_cast<platform::TColor>(color));
    RepaintWhenLive(*graph_);
  }
  SetWidth(ReadBounded(file, section, "Plot_Frame_Width", Width(), 0, kMaxFrameWidth));
  SetVisible(file.ReadBool(section, "Plot_Frame_Visible", Visible()));
}

}  // namespace plotui
