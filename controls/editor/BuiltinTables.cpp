#include "controls/editor/BuiltinTables.h"

#include "controls/editor/LibraryStringIds.h"
#include "controls/editor/LibraryStrings.h"
#include "platform/VirtualKeys.h"

#include <array>
#include <strings.h>
#include <string>

namespace controls {

namespace {

using namespace platform;

constexpr TOvcCmdRow Row(int key, int shift, TOvcCommand command)
{
  return {std::uint8_t(key), std::uint8_t(shift), 0, 0, command};
}

// Ctrl+first, then second with no modifier or Ctrl alone.
constexpr TOvcCmdRow Seq(char first, char second, TOvcCommand command)
{
  return {std::uint8_t(first), csCtrl, std::uint8_t(second), csNoneOrCtrl, command};
}

constexpr std::array<TOvcCmdRow, 64> kDefault{{
    Row(VK_LEFT, 0, ccLeft),
    Row(VK_RIGHT, 0, ccRight),
    Row(VK_LEFT, csCtrl, ccWordLeft),
    Row(VK_RIGHT, csCtrl, ccWordRight),
    Row(VK_HOME, 0, ccHome),
    Row(VK_END, 0, ccEnd),
    Row(VK_DELETE, 0, ccDel),
    Row(VK_BACK, 0, ccBack),
    Row(VK_BACK, csShift, ccBack),
    Row(VK_PRIOR, csCtrl, ccTopOfPage),
    Row(VK_NEXT, csCtrl, ccBotOfPage),
    Row(VK_INSERT, 0, ccIns),
    Row('Z', csCtrl, ccUndo),
    Row(VK_BACK, csAlt, ccRestore),
    Row(VK_UP, 0, ccUp),
    Row(VK_DOWN, 0, ccDown),
    Row(VK_RETURN, csCtrl, ccNewLine),
    Row(VK_LEFT, csShift, ccExtendLeft),
    Row(VK_RIGHT, csShift, ccExtendRight),
    Row(VK_HOME, csShift, ccExtendHome),
    Row(VK_END, csShift, ccExtendEnd),
    Row(VK_LEFT, csCtrl | csShift, ccExtWordLeft),
    Row(VK_RIGHT, csCtrl | csShift, ccExtWordRight),
    Row(VK_PRIOR, csShift, ccExtendPgUp),
    Row(VK_NEXT, csShift, ccExtendPgDn),
    Row(VK_UP, csShift, ccExtendUp),
    Row(VK_DOWN, csShift, ccExtendDown),
    Row(VK_HOME, csCtrl | csShift, ccExtFirstPage),
    Row(VK_END, csCtrl | csShift, ccExtLastPage),
    Row(VK_PRIOR, csCtrl | csShift, ccExtTopOfPage),
    Row(VK_NEXT, csCtrl | csShift, ccExtBotOfPage),
    Row(VK_DELETE, csShift, ccCut),
    Row('X', csCtrl, ccCut),
    Row(VK_INSERT, csCtrl, ccCopy),
    Row('C', csCtrl, ccCopy),
    Row(VK_INSERT, csShift, ccPaste),
    Row('V', csCtrl, ccPaste),
    Row(VK_PRIOR, 0, ccPrevPage),
    Row(VK_NEXT, 0, ccNextPage),
    Row(VK_HOME, csCtrl, ccFirstPage),
    Row(VK_END, csCtrl, ccLastPage),
    Row(VK_TAB, 0, ccTab),
    Row(VK_TAB, csCtrl, ccTab),
    Row('Z', csCtrl | csShift, ccRedo),
    Row('0', csCtrl, ccGotoMarker0 + 0),
    Row('1', csCtrl, ccGotoMarker0 + 1),
    Row('2', csCtrl, ccGotoMarker0 + 2),
    Row('3', csCtrl, ccGotoMarker0 + 3),
    Row('4', csCtrl, ccGotoMarker0 + 4),
    Row('5', csCtrl, ccGotoMarker0 + 5),
    Row('6', csCtrl, ccGotoMarker0 + 6),
    Row('7', csCtrl, ccGotoMarker0 + 7),
    Row('8', csCtrl, ccGotoMarker0 + 8),
    Row('9', csCtrl, ccGotoMarker0 + 9),
    Row('0', csCtrl | csShift, ccSetMarker0 + 0),
    Row('1', csCtrl | csShift, ccSetMarker0 + 1),
    Row('2', csCtrl | csShift, ccSetMarker0 + 2),
    Row('3', csCtrl | csShift, ccSetMarker0 + 3),
    Row('4', csCtrl | csShift, ccSetMarker0 + 4),
    Row('5', csCtrl | csShift, ccSetMarker0 + 5),
    Row('6', csCtrl | csShift, ccSetMarker0 + 6),
    Row('7', csCtrl | csShift, ccSetMarker0 + 7),
    Row('8', csCtrl | csShift, ccSetMarker0 + 8),
    Row('9', csCtrl | csShift, ccSetMarker0 + 9),
}};

constexpr std::array<TOvcCmdRow, 40> kWordStar{{
    Row('S', csCtrl, ccLeft),
    Row('D', csCtrl, ccRight),
    Row('E', csCtrl, ccUp),
    Row('X', csCtrl, ccDown),
    Row('R', csCtrl, ccPrevPage),
    Row('C', csCtrl, ccNextPage),
    Row('W', csCtrl, ccScrollUp),
    Row('Z', csCtrl, ccScrollDown),
    Row('A', csCtrl, ccWordLeft),
    Row('F', csCtrl, ccWordRight),
    Seq('Q', 'S', ccHome),
    Seq('Q', 'D', ccEnd),
    Row('G', csCtrl, ccDel),
    Row('H', csCtrl, ccBack),
    Row('Y', csCtrl, ccDelLine),
    Seq('Q', 'Y', ccDelEol),
    Row('V', csCtrl, ccIns),
    Row('T', csCtrl, ccDelWord),
    Row('P', csCtrl, ccCtrlChar),
    Seq('Q', 'L', ccRestore),
    Seq('Q', '0', ccGotoMarker0 + 0),
    Seq('Q', '1', ccGotoMarker0 + 1),
    Seq('Q', '2', ccGotoMarker0 + 2),
    Seq('Q', '3', ccGotoMarker0 + 3),
    Seq('Q', '4', ccGotoMarker0 + 4),
    Seq('Q', '5', ccGotoMarker0 + 5),
    Seq('Q', '6', ccGotoMarker0 + 6),
    Seq('Q', '7', ccGotoMarker0 + 7),
    Seq('Q', '8', ccGotoMarker0 + 8),
    Seq('Q', '9', ccGotoMarker0 + 9),
    Seq('K', '0', ccSetMarker0 + 0),
    Seq('K', '1', ccSetMarker0 + 1),
    Seq('K', '2', ccSetMarker0 + 2),
    Seq('K', '3', ccSetMarker0 + 3),
    Seq('K', '4', ccSetMarker0 + 4),
    Seq('K', '5', ccSetMarker0 + 5),
    Seq('K', '6', ccSetMarker0 + 6),
    Seq('K', '7', ccSetMarker0 + 7),
    Seq('K', '8', ccSetMarker0 + 8),
    Seq('K', '9', ccSetMarker0 + 9),
}};

constexpr std::array<TOvcCmdRow, 38> kGrid{{
    Row(VK_LEFT, 0, ccLeft),
    Row(VK_RIGHT, 0, ccRight),
    Row(VK_LEFT, csCtrl, ccPageLeft),
    Row(VK_RIGHT, csCtrl, ccPageRight),
    Row(VK_HOME, 0, ccHome),
    Row(VK_END, 0, ccEnd),
    Row(VK_DELETE, 0, ccDel),
    Row(VK_BACK, 0, ccBack),
    Row(VK_NEXT, csCtrl, ccBotOfPage),
    Row(VK_PRIOR, csCtrl, ccTopOfPage),
    Row(VK_INSERT, 0, ccIns),
    Row('Z', csCtrl, ccRestore),
    Row(VK_UP, 0, ccUp),
    Row(VK_DOWN, 0, ccDown),
    Row(VK_LEFT, csShift, ccExtendLeft),
    Row(VK_RIGHT, csShift, ccExtendRight),
    Row(VK_HOME, csShift, ccExtendHome),
    Row(VK_END, csShift, ccExtendEnd),
    Row(VK_LEFT, csCtrl | csShift, ccExtWordLeft),
    Row(VK_RIGHT, csCtrl | csShift, ccExtWordRight),
    Row(VK_PRIOR, csShift, ccExtendPgUp),
    Row(VK_NEXT, csShift, ccExtendPgDn),
    Row(VK_UP, csShift, ccExtendUp),
    Row(VK_DOWN, csShift, ccExtendDown),
    Row(VK_HOME, csCtrl | csShift, ccExtFirstPage),
    Row(VK_END, csCtrl | csShift, ccExtLastPage),
    Row(VK_PRIOR, csCtrl | csShift, ccExtTopOfPage),
    Row(VK_NEXT, csCtrl | csShift, ccExtBotOfPage),
    Row('X', csCtrl, ccCut),
    Row('C', csCtrl, ccCopy),
    Row('V', csCtrl, ccPaste),
    Row(VK_PRIOR, 0, ccPrevPage),
    Row(VK_HOME, csCtrl, ccFirstPage),
    Row(VK_NEXT, 0, ccNextPage),
    Row(VK_END, csCtrl, ccLastPage),
    Row(VK_UP, csCtrl, ccTopLeftCell),
    Row(VK_DOWN, csCtrl, ccBotRightCell),
    Row(VK_F1 + 1, 0, ccTableEdit),
}};

}  // namespace

std::span<const TOvcCmdRow> DefaultCommandRows() { return kDefault; }
std::span<const TOvcCmdRow> WordStarCommandRows() { return kWordStar; }
std::span<const TOvcCmdRow> GridCommandRows() { return kGrid; }

std::span<const TOvcCmdRow> BuiltinRowsOf(std::string_view tableName)
{
  const std::string name(tableName);
  if (strcasecmp(name.c_str(), GetLibraryString(SCDefaultTableName).c_str()) == 0)
    return kDefault;
  if (strcasecmp(name.c_str(), GetLibraryString(SCWordStarTableName).c_str()) == 0)
    return kWordStar;
  if (strcasecmp(name.c_str(), GetLibraryString(SCGridTableName).c_str()) == 0)
    return kGrid;
  return {};
}

}  // namespace controls
