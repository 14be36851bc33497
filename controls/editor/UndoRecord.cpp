#include "controls/editor/UndoRecord.h"

#include <type_traits>

namespace controls {

namespace {

template <typename T>
T Get(const std::uint8_t* at)
{
  T value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i)
    value = T(value | T(T(at[i]) << (8 * i)));
  return value;
}

template <typename T>
void Put(std::uint8_t* at, T value)
{
  using U = std::make_unsigned_t<T>;
  const U bits = U(value);
  for (std::size_t i = 0; i < sizeof(T); ++i)
    at[i] = std::uint8_t(bits >> (8 * i));
}

}  // namespace

TUndoRecord TUndoNode::Read(const std::uint8_t* at)
{
  TUndoRecord record;
  record.Para = std::int32_t(Get<std::uint32_t>(at));
  record.Pos = std::int32_t(Get<std::uint32_t>(at + 4));
  record.DataLen = Get<std::uint16_t>(at + 8);
  record.PrevSize = Get<std::uint16_t>(at + 10);
  record.Type = TUndoType(at[12] & 0x7F);
  record.Modified = (at[12] & 0x80) != 0;
  record.Group = at[13];
  return record;
}

void TUndoNode::Write(std::uint8_t* at, const TUndoRecord& record)
{
  Put<std::int32_t>(at, record.Para);
  Put<std::int32_t>(at + 4, record.Pos);
  Put<std::uint16_t>(at + 8, record.DataLen);
  Put<std::uint16_t>(at + 10, record.PrevSize);
  at[12] = std::uint8_t(record.Type | (record.Modified ? 0x80 : 0));
  at[13] = record.Group;
}

std::string_view TUndoNode::Data(const std::uint8_t* at)
{
  return std::string_view(reinterpret_cast<const char*>(at + HeaderSize), Read(at).DataLen);
}

bool TUndoNode::HoldsParagraph(TUndoType type)
{
  return type == utInsertParaBefore || type == utInsertParaAfter || type == utDeletePara;
}

std::uint32_t TUndoNode::Handle(const std::uint8_t* at) { return Get<std::uint32_t>(at + HeaderSize); }

void TUndoNode::SetModified(std::uint8_t* at, bool modified)
{
  at[12] = std::uint8_t((at[12] & 0x7F) | (modified ? 0x80 : 0));
}

}  // namespace controls
