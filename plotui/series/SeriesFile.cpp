// The series block of the graph text file: the layer block, the gesture modifiers, the settings
// line, twelve switches, one block per point and the closing class name.
#include "plotui/series/Series.h"
#include "plotui/series/SeriesLegend.h"

#include "plot/graph/Graph.h"
#include "plot/graph/GraphFile.h"

#include "platform/MessageDlg.h"

namespace plotui {

using plot::EGraphFileError;
using plot::FileReal;
using plot::FileText;
using plot::TGraphFileReader;
using plot::TGraphFileWriter;
using plot::TLineFields;

namespace {

const char* const kDataClass = "TGraphData";
const char* const kMarkerClass = "TMarker";

std::string Flag(bool on) { return on ? "1" : "0"; }

// The next line trimmed equals text; counts the line in the graph's line counter.
bool NextLineIs(plot::TGraph& graph, TGraphFileReader& file, const char* text)
{
  ++graph.LoadLineNo;
  return QString::fromLatin1(file.ReadLine()).trimmed() == QLatin1String(text);
}

void ReportLoadError(const plot::TGraph& graph, const QString& className)
{
  platform::MessageDlg(plot::LoadErrorMessage(graph.LoadErrorFormat, className, graph.LoadLineNo), platform::mtError,
                       platform::mbOK);
}

// A point block could not be opened or closed: the series ends there, and the load with it.
struct TPointBlockError {};

}  // namespace

void TSeries::SaveToFile(TGraphFileWriter& file) const
{
  const std::string className = FileText(ClassName());
  file.WriteLine(className);
  TLayer::SaveToFile(file);
  file.WriteLine(std::to_string(InfoShift) + ' ' + std::to_string(SelectShift) + ' ' + std::to_string(DeleteShift) +
                 ' ');
  file.WriteLine(std::to_string(GetMarkerStyle()) + ' ' + std::to_string(LineWidth) + ' ' +
                 std::to_string(MarkerSize) + ' ' + std::to_string(static_cast<std::int32_t>(MarkerColor)) + ' ' +
                 std::to_string(static_cast<std::int32_t>(MarkerColor2)) + ' ' + std::to_string(MarkerInterval) +
                 ' ' + Flag(MarkersFollowColor) + ' ' + std::to_string(GetCount()) + ' ' + std::to_string(Style) +
                 ' ' + std::to_string(LineStyle) + ' ' + FileReal(BarWidth) + ' ' + Flag(ShowMarkers) + ' ' +
                 FileText(YName));
  const bool noLegend = LegendIndex() < 0;
  file.WriteLine(Flag(Shaded) + ' ' + Flag(AllowDelete) + ' ' + Flag(AllowHide) + ' ' + Flag(AllowSelect) + ' ' +
                 Flag(AllowPointSelect) + ' ' + Flag(HoverEnabled) + ' ' + Flag(ClickEnabled) + ' ' +
                 Flag(MouseUpEnabled) + ' ' + Flag(Reserved) + ' ' + Flag(PointColors) + ' ' + Flag(noLegend) +
                 ' ' + Flag(InfoEnabled));
  for (const TGraphData& data : Points) {
    file.WriteLine(kDataClass);
    file.WriteLine(std::to_string(data.Kind) + ' ' + FileReal(data.X1) + ' ' + FileReal(data.Y1) + ' ' +
                   FileReal(data.X2) + ' ' + FileReal(data.Y2) + ' ' + Flag(data.HitEnabled) + ' ' +
                   Flag(data.Switch2) + ' ' + std::to_string(data.Int1) + ' ' +
                   std::to_string(static_cast<std::int32_t>(data.Color)) + ' ' + std::to_string(data.Int2) + ' ' +
                   Flag(!data.Marker) + ' ' + FileText(data.Name));
    if (data.Marker)
      data.Marker->SaveToFile(file);
    file.WriteLine(kDataClass);
  }
  file.WriteLine(className);
}

// Reads after the class-name line the graph has read. A line of the series' own that can't be
// read raises EGraphFileError; a point block that can't be read or closed is reported once and ends
// the series there with the points read so far and its popup menu, and the load with it.
void TSeries::ReadFromFile(TGraphFileReader& file)
{
  plot::TGraph& graph = *Graph;
  const QString className = ClassName();
  if (!NextLineIs(graph, file, FileText(className).c_str()))
    throw EGraphFileError(file.LineNo());
  TLayer::ReadFromFile(file);
  graph.LoadLineNo = file.LineNo();
  Points.clear();

  TLineFields sets = file.ReadFields();
  ++graph.LoadLineNo;
  InfoShift = static_cast<std::uint8_t>(sets.ReadInteger() & 0xFF);
  SelectShift = static_cast<std::uint8_t>(sets.ReadInteger() & 0xFF);
  DeleteShift = static_cast<std::uint8_t>(sets.ReadInteger() & 0xFF);

  TLineFields settings = file.ReadFields();
  ++graph.LoadLineNo;
  const int markerStyle = static_cast<int>(settings.ReadInteger(0, 255));
  LineWidth = settings.ReadInteger();
  MarkerSize = settings.ReadInteger();
  MarkerColor = static_cast<platform::TColor>(settings.ReadInteger(INT32_MIN, UINT32_MAX));
  MarkerColor2 = static_cast<platform::TColor>(settings.ReadInteger(INT32_MIN, UINT32_MAX));
  MarkerInterval = settings.ReadInteger();
  MarkersFollowColor = settings.ReadInteger() == 1;
  const int count = static_cast<int>(settings.ReadInteger(0, INT32_MAX));
  SetStyle(static_cast<int>(settings.ReadInteger(0, 255)));
  SetLineStyle(static_cast<int>(settings.ReadInteger(0, 255)));
  BarWidth = settings.ReadReal();
  ShowMarkers = settings.ReadInteger() == 1;
  YName = QString::fromLatin1(settings.Rest());

  TLineFields switches = file.ReadFields();
  ++graph.LoadLineNo;
  bool* const flags[] = {&Shaded,       &AllowDelete,   &AllowHide,      &AllowSelect, &AllowPointSelect,
                         &HoverEnabled, &ClickEnabled,  &MouseUpEnabled, &Reserved,    &PointColors};
  for (bool* flag : flags)
    *flag = switches.ReadFlag();
  const bool noLegend = switches.ReadFlag();
  InfoEnabled = switches.ReadFlag();
  SetMarkerStyle(markerStyle);

  try {
    ReadPoints(file, count);
  } catch (const TPointBlockError&) {
    CreatePopup();
    throw plot::EGraphLoadEnded();
  }
  if (!noLegend) {
    auto entry = std::make_unique<TSeriesLegend>(graph);
    UpdateLegend(*entry);
    graph.Legend->Add(std::move(entry));
  }
  CreatePopup();
  if (!NextLineIs(graph, file, FileText(className).c_str()))
    throw EGraphFileError(file.LineNo());
}

void TSeries::ReadPoints(TGraphFileReader& file, int count)
{
  plot::TGraph& graph = *Graph;
  for (int i = 0; i < count; ++i) {
    // The announced count may exceed what the file holds: the end of the file ends the series.
    bool opened = false;
    try {
      opened = !file.AtEnd() && NextLineIs(graph, file, kDataClass);
    } catch (const EGraphFileError&) {
    }
    if (!opened) {
      ReportLoadError(graph, QString::fromLatin1(kDataClass));
      throw TPointBlockError();
    }
    // The point stays, with what could be read of it, however its block ends.
    TGraphData& data = Points.emplace_back(graph, *this);
    bool noMarker = false;
    try {
      TLineFields fields = file.ReadFields();
      ++graph.LoadLineNo;
      data.Kind = fields.ReadInteger();
      data.X1 = fields.ReadReal();
      data.Y1 = fields.ReadReal();
      data.X2 = fields.ReadReal();
      data.Y2 = fields.ReadReal();
      data.HitEnabled = fields.ReadFlag();
      data.Switch2 = fields.ReadFlag();
      data.Int1 = fields.ReadInteger();
      data.Color = static_cast<platform::TColor>(fields.ReadInteger(INT32_MIN, UINT32_MAX));
      data.Int2 = fields.ReadInteger();
      noMarker = fields.ReadFlag();
      data.Name = QString::fromLatin1(fields.Rest());
    } catch (const EGraphFileError&) {
      // The point keeps what was read; reading goes on with its marker and closing line.
      ReportLoadError(graph, QString::fromLatin1(kDataClass));
    }
    if (!noMarker) {
      bool markerOpened = false;
      try {
        markerOpened = !file.AtEnd() && NextLineIs(graph, file, kMarkerClass);
      } catch (const EGraphFileError&) {
      }
      if (!markerOpened) {
        ReportLoadError(graph, QString::fromLatin1(kMarkerClass));
        throw TPointBlockError();
      }
      data.Marker.emplace(*plot::TMarker::CreateFromFile(graph, this, file));
    }
    bool closed = false;
    try {
      closed = !file.AtEnd() && NextLineIs(graph, file, kDataClass);
    } catch (const EGraphFileError&) {
    }
    if (!closed) {
      ReportLoadError(graph, QString::fromLatin1(kDataClass));
      throw TPointBlockError();
    }
  }
}

}  // namespace plotui
