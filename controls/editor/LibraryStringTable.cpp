// Generated once from the library's text list; keep sorted by id.
#include "controls/editor/LibraryStrings.h"

#include "controls/editor/Exceptions.h"

#include <algorithm>
#include <array>

namespace controls {

namespace {

constexpr std::array<TStringEntry, 5> kReaderEntries{{
    {1, "String not found: %d"},
    {2, "Cannot lock resource"},
    {3, "String resource not found: %s"},
    {4, "Unable to open string resource: %s"},
    {5, "Not a valid string resource: %s"},
}};

constexpr std::array<TStringEntry, 103> kLibraryEntries{{
    {30168, "Unknown Error condition"},
    {30169, "Duplicate command found while adding a new command to the table"},
    {30170, "Command table not found or command table index out of range"},
    {30172, "No Controller assigned"},
    {30186, "Region is too large (> 64K)"},
    {30187, "Could not allocate memory for clipboard copy"},
    {30189, "No Window's timers are available"},
    {30197, "insufficient memory for requested operation"},
    {30198, "Current operation will exceed the maximum number of allowed paragraphs"},
    {30199, "Cannot join paragraphs. New paragraph size exceeds maximum paragraph size"},
    {30200, "Current operation will exceed the maximum editor text size"},
    {30201, "Current operation will exceed the maximum paragraph size"},
    {30213, "Invalid line or paragraph index"},
    {30214, "Invalid font assignment. Font must be a fixed font"},
    {30216, "Invalid line or column"},
    {30232, "Viewer triggered I/O error %d"},
    {30233, "Viewer: file not found"},
    {30234, "Viewer: path not found or invalid file name"},
    {30235, "Viewer: too many open files"},
    {30236, "Viewer: file access denied"},
    {30244, "Label not attached"},
    {30266, "Grid"},
    {30275, "Default"},
    {30276, "WordStar"},
    {30277, "(Unknown)"},
    {30281, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    {30282, "Wy"},
    {33768, "ccNone"},
    {33769, "ccBack"},
    {33770, "ccBotOfPage"},
    {33771, "ccBotRightCell"},
    {33772, "ccCompleteDate"},
    {33773, "ccCompleteTime"},
    {33774, "ccCopy"},
    {33775, "ccCtrlChar"},
    {33776, "ccCut"},
    {33777, "ccDec"},
    {33778, "ccDel"},
    {33779, "ccDelBol"},
    {33780, "ccDelEol"},
    {33781, "ccDelLine"},
    {33782, "ccDelWord"},
    {33783, "ccDown"},
    {33784, "ccEnd"},
    {33785, "ccExtendDown"},
    {33786, "ccExtendEnd"},
    {33787, "ccExtendHome"},
    {33788, "ccExtendLeft"},
    {33789, "ccExtendPgDn"},
    {33790, "ccExtendPgUp"},
    {33791, "ccExtendRight"},
    {33792, "ccExtendUp"},
    {33793, "ccExtBotOfPage"},
    {33794, "ccExtFirstPage"},
    {33795, "ccExtLastPage"},
    {33796, "ccExtTopOfPage"},
    {33797, "ccExtWordLeft"},
    {33798, "ccExtWordRight"},
    {33799, "ccFirstPage"},
    {33800, "ccGotoMarker0"},
    {33801, "ccGotoMarker1"},
    {33802, "ccGotoMarker2"},
    {33803, "ccGotoMarker3"},
    {33804, "ccGotoMarker4"},
    {33805, "ccGotoMarker5"},
    {33806, "ccGotoMarker6"},
    {33807, "ccGotoMarker7"},
    {33808, "ccGotoMarker8"},
    {33809, "ccGotoMarker9"},
    {33810, "ccHome"},
    {33811, "ccInc"},
    {33812, "ccIns"},
    {33813, "ccLastPage"},
    {33814, "ccLeft"},
    {33815, "ccNewLine"},
    {33816, "ccNextPage"},
    {33817, "ccPageLeft"},
    {33818, "ccPageRight"},
    {33819, "ccPaste"},
    {33820, "ccPrevPage"},
    {33821, "ccRedo"},
    {33822, "ccRestore"},
    {33823, "ccRight"},
    {33824, "ccScrollDown"},
    {33825, "ccScrollUp"},
    {33826, "ccSetMarker0"},
    {33827, "ccSetMarker1"},
    {33828, "ccSetMarker2"},
    {33829, "ccSetMarker3"},
    {33830, "ccSetMarker4"},
    {33831, "ccSetMarker5"},
    {33832, "ccSetMarker6"},
    {33833, "ccSetMarker7"},
    {33834, "ccSetMarker8"},
    {33835, "ccSetMarker9"},
    {33836, "ccTab"},
    {33837, "ccTableEdit"},
    {33838, "ccTopLeftCell"},
    {33839, "ccTopOfPage"},
    {33840, "ccUndo"},
    {33841, "ccUp"},
    {33842, "ccWordLeft"},
    {33843, "ccWordRight"},
}};

}  // namespace

const TOvcStringResource& ReaderStrings()
{
  static const TOvcStringResource reader("OVCSRMGR_STRINGS", kReaderEntries);
  return reader;
}

const TOvcStringResource& LibraryStrings()
{
  static const TOvcStringResource library("OVCSTRINGS", kLibraryEntries);
  return library;
}

std::string GetLibraryString(std::int32_t id)
{
  if (!LibraryStrings().Contains(id))
    return "Unknown";
  return LibraryStrings().GetString(id);
}

}  // namespace controls
