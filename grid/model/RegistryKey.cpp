#include "grid/model/RegistryKey.h"

#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

namespace grid {

namespace {

constexpr char kStringTag[] = "sz:";
constexpr char kBinaryTag[] = "hex:";
constexpr char kHexDigits[] = "0123456789ABCDEF";

QString Latin1(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

std::string Bytes(const QString& text)
{
  const QByteArray bytes = text.toLatin1();
  return {bytes.constData(), std::size_t(bytes.size())};
}

// The default value of a key has the empty name.
QString IniKey(const std::string& name) { return name.empty() ? QStringLiteral("@") : Latin1(name); }

bool Writable(const std::string& name)
{
  if (name.find_first_of("=\r\n") != std::string::npos)
    return false;
  if (name.empty())
    return true;
  const char first = name.front();
  return first != '[' && first != ';' && first != '#' && first != '@' && first != ' ' && first != '\t' &&
         name.back() != ' ' && name.back() != '\t';
}

// A string value: tagged, line breaks and backslashes escaped, quoted so that blanks at either end stay.
std::string EncodeString(const std::string& value)
{
  std::string text = "\"";
  text += kStringTag;
  for (char c : value) {
    if (c == '\\')
      text += "\\\\";
    else if (c == '\r')
      text += "\\r";
    else if (c == '\n')
      text += "\\n";
    else
      text.push_back(c);
  }
  text.push_back('"');
  return text;
}

std::string DecodeString(const std::string& text)
{
  std::string value;
  for (std::size_t i = sizeof kStringTag - 1; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      value.push_back(text[i]);
      continue;
    }
    const char next = text[++i];
    value.push_back(next == 'r' ? '\r' : next == 'n' ? '\n' : next);
  }
  return value;
}

int HexValue(char c)
{
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

bool IsBinaryText(const std::string& text)
{
  if (text.rfind(kBinaryTag, 0) != 0 || (text.size() - (sizeof kBinaryTag - 1)) % 2 != 0)
    return false;
  for (std::size_t i = sizeof kBinaryTag - 1; i < text.size(); ++i) {
    if (HexValue(text[i]) < 0)
      return false;
  }
  return true;
}

// The section of a key: the root's name and the path from its backslash, without a final one.
std::string SectionOf(const TtsRegistryPath& path)
{
  std::string keyPath = path.KeyPath;
  if (keyPath.empty() || keyPath.front() != '\\')
    keyPath.insert(keyPath.begin(), '\\');
  while (keyPath.size() > 1 && keyPath.back() == '\\')
    keyPath.pop_back();
  return RegistryRootName(path.Root) + (keyPath == "\\" ? std::string() : keyPath);
}

bool KeyExists(const platform::TIniFile& file, const std::string& section)
{
  if (section.find('\\') == std::string::npos || file.SectionExists(Latin1(section)))
    return true;  // a root is always there
  const QString prefix = Latin1(section + "\\");
  for (const QString& name : file.ReadSections()) {
    if (name.startsWith(prefix, Qt::CaseInsensitive))
      return true;  // a key exists while keys beneath it do
  }
  return false;
}

}  // namespace

TtsRegistryKey::TtsRegistryKey(std::unique_ptr<platform::TIniFile> file, std::string section)
    : file_(std::move(file)), section_(std::move(section))
{
}

TtsRegistryKey::~TtsRegistryKey() = default;

std::string TtsRegistryKey::RawValue(const std::string& name) const
{
  return Bytes(file_->ReadString(Latin1(section_), IniKey(name), QString()));
}

TtsRegDataType TtsRegistryKey::DataType(const std::string& name) const
{
  if (!file_->ValueExists(Latin1(section_), IniKey(name)))
    return rdUnknown;
  const std::string text = RawValue(name);
  if (text.rfind(kStringTag, 0) == 0)
    return rdString;
  return IsBinaryText(text) ? rdBinary : rdUnknown;
}

bool TtsRegistryKey::ValueExists(const std::string& name) const
{
  return file_->ValueExists(Latin1(section_), IniKey(name));
}

std::string TtsRegistryKey::ReadString(const std::string& name) const
{
  if (DataType(name) != rdString)
    throw ERegistryException("Invalid data type for '" + name + "'");
  return DecodeString(RawValue(name));
}

std::vector<std::uint8_t> TtsRegistryKey::ReadBinary(const std::string& name) const
{
  if (DataType(name) != rdBinary)
    throw ERegistryException("Invalid data type for '" + name + "'");
  const std::string text = RawValue(name);
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = sizeof kBinaryTag - 1; i + 1 < text.size(); i += 2)
    bytes.push_back(std::uint8_t(HexValue(text[i]) * 16 + HexValue(text[i + 1])));
  return bytes;
}

void TtsRegistryKey::WriteRaw(const std::string& name, const std::string& text)
{
  if (!Writable(name))
    throw ERegistryException("Failed to set data for '" + name + "'");
  file_->WriteString(Latin1(section_), IniKey(name), Latin1(text));
}

void TtsRegistryKey::WriteString(const std::string& name, const std::string& value)
{
  WriteRaw(name, EncodeString(value));
}

void TtsRegistryKey::WriteBinary(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
  std::string text = kBinaryTag;
  for (std::uint8_t byte : bytes) {
    text.push_back(kHexDigits[byte >> 4]);
    text.push_back(kHexDigits[byte & 15]);
  }
  WriteRaw(name, text);
}

std::string RegistryFileName() { return Bytes(platform::ProgramFolder() + QStringLiteral("Registry.INI")); }

std::unique_ptr<TtsRegistryKey> OpenRegistryPath(const std::string& text, bool create, const std::string& fileName)
{
  const std::string section = SectionOf(ResolveRegistryPath(text));
  if (section.find_first_of("[]\r\n") != std::string::npos)
    return nullptr;  // no section can hold that name
  try {
    auto file = std::make_unique<platform::TIniFile>(Latin1(fileName));
    if (!KeyExists(*file, section)) {
      if (!create)
        return nullptr;
      file->CreateSection(Latin1(section));
    }
    return std::make_unique<TtsRegistryKey>(std::move(file), section);
  } catch (const platform::Exception&) {
    return nullptr;  // the file can't be read or written
  }
}

}  // namespace grid
