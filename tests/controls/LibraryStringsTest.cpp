#include "controls/editor/Exceptions.h"
#include "controls/editor/LibraryStringIds.h"
#include "controls/editor/LibraryStrings.h"

#include <gtest/gtest.h>

#include <array>

namespace controls {
namespace {

TEST(LibraryStrings, TextsById)
{
  EXPECT_EQ(GetLibraryString(30197), "insufficient memory for requested operation");
  EXPECT_EQ(GetLibraryString(1), "Unknown");
  EXPECT_EQ(GetLibraryString(30201), "Current operation will exceed the maximum paragraph size");
  EXPECT_EQ(GetLibraryString(30275), "Default");
  EXPECT_EQ(GetLibraryString(30277), "(Unknown)");
  EXPECT_EQ(GetLibraryString(SCCommandNameBase + 0), "ccNone");
  EXPECT_EQ(GetLibraryString(SCCommandNameBase + 42), "ccHome");
  EXPECT_EQ(GetLibraryString(SCCommandNameBase + 72), "ccUndo");
  EXPECT_EQ(GetLibraryString(SCCommandNameBase + 75), "ccWordRight");
  EXPECT_EQ(GetLibraryString(SCCommandNameBase + 76), "Unknown");
}

TEST(LibraryStrings, TableIsSortedForBisection)
{
  // A table out of order would lose texts to the bisection.
  const std::int32_t ids[] = {SCUnknownError,  SCDuplicateCommand, SCTableNotFound,     SCNoControllerAssigned,
                              SCRegionTooLarge, SCOutOfMemory,     SCInvalidLineOrPara, SCLabelNotAttached,
                              SCGridTableName,  SCTallLowChars,    SCCommandNameBase};
  for (std::int32_t id : ids)
    EXPECT_NE(GetLibraryString(id), "Unknown") << id;
  for (std::int32_t code = 0; code <= 75; ++code)
    EXPECT_EQ(GetLibraryString(SCCommandNameBase + code).rfind("cc", 0), 0u) << code;
  EXPECT_EQ(LibraryStrings().Count(), 27u + 76u);
}

TEST(LibraryStrings, RaisingReaderReportsMissingId)
{
  static constexpr std::array<TStringEntry, 2> entries{{{3, "three"}, {7, "seven"}}};
  const TOvcStringResource reader("TEST", entries, true);
  EXPECT_EQ(reader.GetString(7), "seven");
  try {
    reader.GetString(5);
    FAIL() << "no exception";
  } catch (const ETpsStringResourceError& e) {
    EXPECT_STREQ(e.what(), "String not found: 5");
  }
  EXPECT_EQ(TOvcStringResource("TEST", entries).GetString(5), "");
}

TEST(LibraryStrings, ExceptionsCarryTheirTexts)
{
  EXPECT_STREQ(EDuplicateCommand().what(), "Duplicate command found while adding a new command to the table");
  EXPECT_STREQ(ETableNotFound().what(), "Command table not found or command table index out of range");
  EXPECT_STREQ(EInvalidFixedFont().what(), "Invalid font assignment. Font must be a fixed font");
  EXPECT_STREQ(EInvalidLineOrPara().what(), "Invalid line or paragraph index");
  EXPECT_STREQ(ERegionTooLarge().what(), "Region is too large (> 64K)");
  EXPECT_STREQ(ENoTimersAvailable().what(), "No Window's timers are available");
  EXPECT_STREQ(EOutOfMemory().what(), "insufficient memory for requested operation");
  const ECmdProcessorError& asBase = ETableNotFound();
  EXPECT_EQ(asBase.ErrorCode, 0);
}

}  // namespace
}  // namespace controls
