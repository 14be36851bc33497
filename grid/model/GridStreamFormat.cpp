// Encoding of the whole-grid stream; a zero name length ends it. Kind bytes: 1 flag, 2 whole number, 3 floating-point number,
// 4 text, 5 bytes, 6 collection. Names are one length byte and 1..255 characters.

#include "grid/model/GridStreamFormat.h"

#include "grid/model/TextRoutines.h"

#include <cmath>
#include <cstring>

namespace grid {
namespace {

constexpr std::uint8_t kSignature[4] = {'V', 'X', 'G', 'S'};
enum : std::uint8_t { kFlag = 1, kInteger, kFloat, kText, kBinary, kCollection };
// The fewest bytes a named value takes: name length, one character, kind, a flag.
constexpr std::size_t kSmallestValue = 4;

void WriteName(TtsByteWriter& writer, const std::string& name)
{
  writer.WriteByte(std::uint8_t(name.size()));
  writer.WriteText(name);
}

void WriteLength(TtsByteWriter& writer, std::size_t length) { writer.WriteInt32(std::int32_t(length)); }

void WriteNamedValue(TtsByteWriter& writer, const std::string& name, const TtsStreamValue& value)
{
  WriteName(writer, name);
  if (const bool* flag = std::get_if<bool>(&value)) {
    writer.WriteByte(kFlag);
    writer.WriteByte(*flag ? 1 : 0);
  } else if (const std::int32_t* number = std::get_if<std::int32_t>(&value)) {
    writer.WriteByte(kInteger);
    writer.WriteInt32(*number);
  } else if (const double* real = std::get_if<double>(&value)) {
    writer.WriteByte(kFloat);
    std::uint8_t bytes[sizeof(double)];
    std::memcpy(bytes, real, sizeof bytes);
    writer.WriteBytes(bytes);
  } else {
    const std::string& text = std::get<std::string>(value);
    writer.WriteByte(kText);
    WriteLength(writer, text.size());
    writer.WriteText(text);
  }
}

std::string ReadName(TtsByteReader& reader)
{
  const std::uint8_t length = reader.ReadByte();
  if (length == 0)
    throw EReadError();
  return reader.ReadText(length);
}

// A length or count that the bytes left can hold, each unit taking at least `unit` bytes.
std::size_t ReadCount(TtsByteReader& reader, std::size_t unit)
{
  const std::int32_t count = reader.ReadInt32();
  if (count < 0 || std::size_t(count) > reader.Remaining() / unit)
    throw EReadError();
  return std::size_t(count);
}

TtsStreamValue ReadScalar(TtsByteReader& reader, std::uint8_t kind)
{
  switch (kind) {
    case kFlag: {
      const std::uint8_t flag = reader.ReadByte();
      if (flag > 1)
        throw EReadError();
      return flag == 1;
    }
    case kInteger:
      return reader.ReadInt32();
    case kFloat: {
      double real;
      std::memcpy(&real, reader.ReadBytes(sizeof real).data(), sizeof real);
      if (!std::isfinite(real))
        throw EReadError();
      return real;
    }
    case kText:
      return reader.ReadText(ReadCount(reader, 1));
    default:
      throw EReadError();
  }
}

TtsStreamItem ReadItem(TtsByteReader& reader)
{
  TtsStreamItem item(ReadCount(reader, kSmallestValue));
  for (auto& [name, value] : item) {
    name = ReadName(reader);
    value = ReadScalar(reader, reader.ReadByte());
  }
  return item;
}

void WriteItem(TtsByteWriter& writer, const TtsStreamItem& item)
{
  WriteLength(writer, item.size());
  for (const auto& [name, value] : item)
    WriteNamedValue(writer, name, value);
}

}  // namespace

TtsGridStreamWriter::TtsGridStreamWriter()
{
  for (const std::uint8_t byte : kSignature)  // byte by byte: an insert into the empty buffer trips a false
    writer_.WriteByte(byte);                  // overflow warning of the optimiser
}

std::vector<std::uint8_t> TtsGridStreamWriter::Bytes() const
{
  std::vector<std::uint8_t> bytes = writer_.Bytes();
  bytes.push_back(0);  // the end mark: a name of no characters
  return bytes;
}

void TtsGridStreamWriter::WriteValue(const std::string& name, const TtsStreamValue& value)
{
  WriteNamedValue(writer_, name, value);
}

void TtsGridStreamWriter::WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes)
{
  WriteName(writer_, name);
  writer_.WriteByte(kBinary);
  WriteLength(writer_, bytes.size());
  writer_.WriteBytes(bytes);
}

void TtsGridStreamWriter::WriteCollection(const std::string& name, const std::vector<TtsStreamItem>& items)
{
  if (items.empty())
    return;
  WriteName(writer_, name);
  writer_.WriteByte(kCollection);
  WriteLength(writer_, items.size());
  for (const TtsStreamItem& item : items)
    WriteItem(writer_, item);
}

std::vector<TtsStreamEntry> ReadGridStream(std::span<const std::uint8_t> bytes)
{
  TtsByteReader reader(bytes);
  const auto signature = reader.ReadBytes(sizeof kSignature);
  if (!std::equal(signature.begin(), signature.end(), std::begin(kSignature)))
    throw EReadError();
  std::vector<TtsStreamEntry> entries;
  // Named values up to the end mark, which ends the bytes.
  while (reader.Peek(1)[0] != 0) {
    TtsStreamEntry entry;
    entry.Name = ReadName(reader);
    const std::uint8_t kind = reader.ReadByte();
    if (kind == kBinary) {
      entry.Kind = seBinary;
      const auto block = reader.ReadBytes(ReadCount(reader, 1));
      entry.Binary.assign(block.begin(), block.end());
    } else if (kind == kCollection) {
      entry.Kind = seCollection;
      entry.Items.resize(ReadCount(reader, sizeof(std::int32_t)));
      for (TtsStreamItem& item : entry.Items)
        item = ReadItem(reader);
    } else {
      entry.Value = ReadScalar(reader, kind);
    }
    entries.push_back(std::move(entry));
  }
  reader.ReadByte();
  if (reader.Remaining() != 0)
    throw EReadError();
  return entries;
}

std::vector<std::uint8_t> WriteStreamItem(const TtsStreamItem& item)
{
  TtsByteWriter writer;
  WriteItem(writer, item);
  return writer.Bytes();
}

TtsStreamItem ReadStreamItem(std::span<const std::uint8_t> bytes)
{
  TtsByteReader reader(bytes);
  TtsStreamItem item = ReadItem(reader);
  if (reader.Remaining() != 0)
    throw EReadError();
  return item;
}

const TtsStreamValue* FindStreamValue(const TtsStreamItem& item, const std::string& name)
{
  for (const auto& [key, value] : item) {
    if (SameTextIgnoringCase(key, name))
      return &value;
  }
  return nullptr;
}

}  // namespace grid
