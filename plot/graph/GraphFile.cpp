#include "plot/graph/GraphFile.h"

#include "plot/graph/Graph.h"
#include "plot/graph/Layer.h"

#include "platform/MessageDlg.h"
#include "platform/TextFile.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace plot {

EGraphFileError::EGraphFileError(int line) : std::runtime_error("graph file line " + std::to_string(line)), Line(line) {}

TGraphFileReader TGraphFileReader::FromFile(const QString& path) { return TGraphFileReader(platform::ReadTextLines(path)); }

const std::string& TGraphFileReader::ReadLine()
{
  if (AtEnd())
    throw EGraphFileError(LineNo() + 1);
  return lines_[next_++];
}

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trimmed(std::string_view s)
{
  while (!s.empty() && IsBlankOrControl(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlankOrControl(s.back()))
    s.remove_suffix(1);
  return s;
}

}  // namespace

std::string_view TLineFields::NextField()
{
  while (!rest_.empty() && IsBlankOrControl(rest_.front()))
    rest_.remove_prefix(1);
  std::size_t end = 0;
  while (end < rest_.size() && !IsBlankOrControl(rest_[end]))
    ++end;
  const std::string_view field = rest_.substr(0, end);
  rest_.remove_prefix(end);
  if (field.empty())
    throw EGraphFileError(lineNo_);
  return field;
}

long long TLineFields::ReadInteger(long long min, long long max)
{
  std::string_view field = NextField();
  if (field.front() == '+')
    field.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size() || value < min || value > max)
    throw EGraphFileError(lineNo_);
  return value;
}

int TLineFields::ReadInteger() { return static_cast<int>(ReadInteger(INT32_MIN, INT32_MAX)); }

double TLineFields::ReadReal()
{
  std::string_view field = NextField();
  if (field.front() == '+')
    field.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
    throw EGraphFileError(lineNo_);
  return value;
}

std::string TLineFields::Rest()
{
  const std::string_view rest = Trimmed(rest_);
  rest_ = {};
  return std::string(rest);
}

void TGraphFileWriter::SaveTo(const QString& path) const { platform::WriteTextLines(path, lines_); }

std::string FileText(const QString& text)
{
  QByteArray bytes = text.toLatin1();
  for (char& c : bytes)
    if (static_cast<unsigned char>(c) < ' ')
      c = ' ';
  return bytes.toStdString();
}

std::string FileReal(double value)
{
  const long double v = std::isfinite(value) ? value : 0.0;  // the file takes finite numbers only
  char text[64];
  std::snprintf(text, sizeof text, "%.14Le", v);  // d.dddde+XX
  std::string s = text;
  const std::size_t e = s.find('e');
  const int exponent = std::atoi(s.c_str() + e + 1);
  char tail[16];
  std::snprintf(tail, sizeof tail, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
  s = s.substr(0, e) + tail;
  return s.front() == '-' ? s : " " + s;
}

namespace {

std::map<QString, TLayerFactory>& LayerClasses()
{
  static std::map<QString, TLayerFactory> classes{
      {QStringLiteral("TLayer"), [](TGraph& graph) { return std::make_unique<TLayer>(graph); }}};
  return classes;
}

}  // namespace

void RegisterLayerClass(const QString& className, TLayerFactory factory) { LayerClasses()[className] = std::move(factory); }

TLayerFactory GetLayerClass(const QString& className)
{
  const auto& classes = LayerClasses();
  const auto it = classes.find(className);
  return it == classes.end() ? TLayerFactory() : it->second;
}

QString LoadErrorMessage(const QString& format, const QString& className, int line)
{
  QString text = format;
  text.replace(QStringLiteral("%s"), className);
  text.replace(QStringLiteral("%d"), QString::number(line));
  return text;
}

// The values line: Color, Visible, Tag, Interactive, Tolerance, Selected and the rest as Name.
void TLayer::ReadFromFile(TGraphFileReader& file)
{
  TLineFields fields = file.ReadFields();
  const auto color = static_cast<platform::TColor>(fields.ReadInteger(INT32_MIN, UINT32_MAX));
  const bool visible = fields.ReadFlag();
  const int tag = fields.ReadInteger();
  const bool interactive = fields.ReadFlag();
  const double tolerance = fields.ReadReal();
  const bool selected = fields.ReadFlag();
  Name = QString::fromLatin1(fields.Rest());
  Selected = selected;
  SetVisible(visible);
  SetInteractive(interactive);
  Color = color;
  Tag = tag;
  Tolerance = tolerance;
  if (QString::fromLatin1(Trimmed(file.ReadLine())) != ClassName())
    throw EGraphFileError(file.LineNo());
}

void TLayer::SaveToFile(TGraphFileWriter& file) const
{
  const std::string className = FileText(ClassName());
  const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
  file.WriteLine(className);
  file.WriteLine(std::to_string(static_cast<std::int32_t>(Color)) + ' ' + flag(GetVisible()) + ' ' +
                 std::to_string(Tag) + ' ' + flag(GetInteractive()) + ' ' + FileReal(Tolerance) + ' ' +
                 flag(GetSelected()) + ' ' + FileText(Name));
  file.WriteLine(className);
}

namespace {

const char* const kLoadErrorText = "Object %s can not load self from line: %d";
const char* const kInvalidClassName = "Invalid Class Name";

}  // namespace

bool TGraph::LoadFromFile(TGraphFileReader& file)
{
  const QString prefix = Plot ? Plot->LoadErrorPrefix() : QString();
  LoadErrorFormat = prefix + QString::fromLatin1(kLoadErrorText);
  LoadLineNo = 1;
  if (file.AtEnd())
    return true;  // an empty file holds no layers
  QString className = QStringLiteral("TGraph");
  try {
    TLineFields countLine = file.ReadFields();
    const int count = static_cast<int>(countLine.ReadInteger(0, INT32_MAX));
    for (int i = 0; i < count; ++i) {
      className = QStringLiteral("TGraph");  // until the class-name line is read
      className = QString::fromLatin1(Trimmed(file.ReadLine()));
      LoadLineNo = file.LineNo();
      const TLayerFactory create = GetLayerClass(className);
      if (!create) {
        platform::MessageDlg(prefix + QString::fromLatin1(kInvalidClassName) + QStringLiteral(" \"%1\" in line %2")
                                          .arg(className)
                                          .arg(LoadLineNo),
                             platform::mtError, platform::mbOK);
        return false;
      }
      std::unique_ptr<TLayer> layer = create(*this);
      try {
        layer->ReadFromFile(file);
      } catch (const EGraphLoadEnded&) {
        AddLayer(std::move(layer));
        return false;
      }
      AddLayer(std::move(layer));
    }
  } catch (const EGraphFileError& error) {
    LoadLineNo = error.Line;
    platform::MessageDlg(LoadErrorMessage(LoadErrorFormat, className, LoadLineNo), platform::mtError, platform::mbOK);
    return false;
  } catch (const std::exception&) {
    LoadLineNo = file.LineNo();
    platform::MessageDlg(LoadErrorMessage(LoadErrorFormat, className, LoadLineNo), platform::mtError, platform::mbOK);
    return false;
  }
  return true;
}

void TGraph::SaveToFile(TGraphFileWriter& file) const
{
  int count = 0;
  for (const auto& layer : Layers)
    count += layer ? 1 : 0;
  file.WriteLine(std::to_string(count));
  for (const auto& layer : Layers)
    if (layer)
      layer->SaveToFile(file);
}

}  // namespace plot
