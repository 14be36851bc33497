#pragma once
// Editor command codes and the extra results of key translation.

#include <cstdint>

namespace controls {

using TOvcCommand = std::uint16_t;

inline constexpr TOvcCommand ccNone = 0;
inline constexpr TOvcCommand ccBack = 1;
inline constexpr TOvcCommand ccBotOfPage = 2;
inline constexpr TOvcCommand ccBotRightCell = 3;
inline constexpr TOvcCommand ccCompleteDate = 4;
inline constexpr TOvcCommand ccCompleteTime = 5;
inline constexpr TOvcCommand ccCopy = 6;
inline constexpr TOvcCommand ccCtrlChar = 7;
inline constexpr TOvcCommand ccCut = 8;
inline constexpr TOvcCommand ccDec = 9;
inline constexpr TOvcCommand ccDel = 10;
inline constexpr TOvcCommand ccDelBol = 11;
inline constexpr TOvcCommand ccDelEol = 12;
inline constexpr TOvcCommand ccDelLine = 13;
inline constexpr TOvcCommand ccDelWord = 14;
inline constexpr TOvcCommand ccDown = 15;
inline constexpr TOvcCommand ccEnd = 16;
inline constexpr TOvcCommand ccExtendDown = 17;
inline constexpr TOvcCommand ccExtendEnd = 18;
inline constexpr TOvcCommand ccExtendHome = 19;
inline constexpr TOvcCommand ccExtendLeft = 20;
inline constexpr TOvcCommand ccExtendPgDn = 21;
inline constexpr TOvcCommand ccExtendPgUp = 22;
inline constexpr TOvcCommand ccExtendRight = 23;
inline constexpr TOvcCommand ccExtendUp = 24;
inline constexpr TOvcCommand ccExtBotOfPage = 25;
inline constexpr TOvcCommand ccExtFirstPage = 26;
inline constexpr TOvcCommand ccExtLastPage = 27;
inline constexpr TOvcCommand ccExtTopOfPage = 28;
inline constexpr TOvcCommand ccExtWordLeft = 29;
inline constexpr TOvcCommand ccExtWordRight = 30;
inline constexpr TOvcCommand ccFirstPage = 31;
inline constexpr TOvcCommand ccGotoMarker0 = 32;  // ..ccGotoMarker9 = 41
inline constexpr TOvcCommand ccHome = 42;
inline constexpr TOvcCommand ccInc = 43;
inline constexpr TOvcCommand ccIns = 44;
inline constexpr TOvcCommand ccLastPage = 45;
inline constexpr TOvcCommand ccLeft = 46;
inline constexpr TOvcCommand ccNewLine = 47;
inline constexpr TOvcCommand ccNextPage = 48;
inline constexpr TOvcCommand ccPageLeft = 49;
inline constexpr TOvcCommand ccPageRight = 50;
inline constexpr TOvcCommand ccPaste = 51;
inline constexpr TOvcCommand ccPrevPage = 52;
inline constexpr TOvcCommand ccRedo = 53;
inline constexpr TOvcCommand ccRestore = 54;
inline constexpr TOvcCommand ccRight = 55;
inline constexpr TOvcCommand ccScrollDown = 56;
inline constexpr TOvcCommand ccScrollUp = 57;
inline constexpr TOvcCommand ccSetMarker0 = 58;  // ..ccSetMarker9 = 67
inline constexpr TOvcCommand ccTab = 68;
inline constexpr TOvcCommand ccTableEdit = 69;
inline constexpr TOvcCommand ccTopLeftCell = 70;
inline constexpr TOvcCommand ccTopOfPage = 71;
inline constexpr TOvcCommand ccUndo = 72;
inline constexpr TOvcCommand ccUp = 73;
inline constexpr TOvcCommand ccWordLeft = 74;
inline constexpr TOvcCommand ccWordRight = 75;
inline constexpr TOvcCommand ccLastCommand = 75;

// Results of key translation beyond the commands.
inline constexpr TOvcCommand ccNoCommand = 252;        // no command for this key
inline constexpr TOvcCommand ccSequenceFailed = 254;   // the second key of a sequence matched nothing
inline constexpr TOvcCommand ccSequencePending = 255;  // first key of a sequence accepted

// Modifier bits of command rows.
inline constexpr std::uint8_t csShift = 2;
inline constexpr std::uint8_t csCtrl = 4;
inline constexpr std::uint8_t csAlt = 8;
inline constexpr std::uint8_t csNoneOrCtrl = 128;  // second key: no modifier or Ctrl alone

}  // namespace controls
