#pragma once
// The undo record header as stored in the undo block (packed, little-endian), and its accessor.

#include <cstdint>
#include <string_view>

namespace controls {

enum TUndoType : std::uint8_t {
  utPosition = 0,          // caret position only
  utInsertText = 1,        // characters inserted
  utInsertParaBefore = 2,  // paragraph inserted before Para
  utInsertParaAfter = 3,   // paragraph inserted after Para
  utDeleteText = 4,        // characters deleted
  utDeletePara = 5,        // paragraph removed; the record owns it
  utReplaceText = 6,       // old text, zero, new text, zero
};

struct TUndoRecord {
  std::int32_t Para = 0;
  std::int32_t Pos = 0;
  std::uint16_t DataLen = 0;
  std::uint16_t PrevSize = 0;
  TUndoType Type = utPosition;
  bool Modified = false;  // the text's modified flag before this step
  std::uint8_t Group = 0;
};

// Reads and writes record headers in the block; stateless.
class TUndoNode {
 public:
  static constexpr int HeaderSize = 14;
  static constexpr int HandleSize = 4;  // data of a paragraph record: the paragraph's handle

  static TUndoRecord Read(const std::uint8_t* at);
  static void Write(std::uint8_t* at, const TUndoRecord& record);
  static int Size(const std::uint8_t* at) { return HeaderSize + Read(at).DataLen; }
  static std::string_view Data(const std::uint8_t* at);
  static bool HoldsParagraph(TUndoType type);
  static std::uint32_t Handle(const std::uint8_t* at);
  static void SetModified(std::uint8_t* at, bool modified);
};

}  // namespace controls
