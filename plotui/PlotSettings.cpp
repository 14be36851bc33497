// The plot's section of its settings file: the plot's own keys, then those of its property
// objects in a fixed order.
#include "plotui/Plot.h"

#include "plot/support/GraphMemIniFile.h"

namespace plotui {

void TPlot::SaveToIni()
{
  if (iniFileName_.isEmpty())
    return;
  plot::TGraphMemIniFile file(iniFileName_);
  const QString section = SectionName();
  file.WriteString(section, "Plot_Saved", "Yes");
  file.WriteInteger(section, "Plot_Color", static_cast<int>(PlotColor()));
  file.WriteInteger(section, "Plot_BackColor", static_cast<int>(BackColor()));
  file.WriteFloat(section, "Plot_Exaggerate", Exaggerate());
  file.WriteBool(section, "Plot_ClipMarkers", ClipMarkers());
  file.WriteBool(section, "Plot_StatusBarVisible", StatusBarVisible());
  file.WriteFloat(section, "Plot_View3D", View3D());
  file.WriteBool(section, "Plot_StatusBarGrip", StatusBarGrip());
  file.WriteFloat(section, "Plot_MinLogVAlue", MinimumLogValue());
  XAxis->SaveToIni(file, section);
  YAxis->SaveToIni(file, section);
  Title->SaveToIni(file, section);
  Foot->SaveToIni(file, section);
  Gradient->SaveToIni(file, section);
  Zoom->SaveToIni(file, section);
  Info->SaveToIni(file, section);
  Legend->SaveToIni(file, section);
  ColorLegend->SaveToIni(file, section);
  Picture->SaveToIni(file, section);
  Frame->SaveToIni(file, section);
  // The file is written back as the object goes; a file that can't be written is shown then.
}

void TPlot::LoadFromIni()
{
  if (iniFileName_.isEmpty())
    return;
  const plot::TGraphMemIniFile file(iniFileName_);
  const QString section = SectionName();
  if (file.ReadString(section, "Plot_Saved", "No") == QLatin1String("No"))
    return;
  const auto color = [&](const char* key, platform::TColor current) {
    return static_cast<platform::TColor>(file.ReadInteger(section, key, static_cast<int>(current)));
  };
  SetPlotColor(color("Plot_Color", PlotColor()));
  SetBackColor(color("Plot_BackColor", BackColor()));
  SetExaggerate(file.ReadFloat(section, "Plot_Exaggerate", Exaggerate()));
  SetClipMarkers(file.ReadBool(section, "Plot_ClipMarkers", ClipMarkers()));
  SetStatusBarVisible(file.ReadBool(section, "Plot_StatusBarVisible", StatusBarVisible()));
  SetView3D(file.ReadFloat(section, "Plot_View3D", View3D()));
  SetStatusBarGrip(file.ReadBool(section, "Plot_StatusBarGrip", StatusBarGrip()));
  Graph->MinimumLogValue = file.ReadFloat(section, "Plot_MinLogValue", MinimumLogValue());
  XAxis->LoadFromIni(file, section);
  YAxis->LoadFromIni(file, section);
  Title->LoadFromIni(file, section);
  Foot->LoadFromIni(file, section);
  Gradient->LoadFromIni(file, section);
  Zoom->LoadFromIni(file, section);
  Info->LoadFromIni(file, section);
  Legend->LoadFromIni(file, section);
  ColorLegend->LoadFromIni(file, section);
  Picture->LoadFromIni(file, section);
  Frame->LoadFromIni(file, section);
}

}  // namespace plotui
