// Support routines of the grid: copying published properties, registry keys in the settings file,
// and the window and canvas routines.
#include "grid/model/Col.h"
#include "grid/model/GridUnitRoutines.h"
#include "grid/model/PublishedProperties.h"
#include "grid/model/RegistryKey.h"
#include "grid/model/Row.h"
#include "grid/window/WindowRoutines.h"

#include "GridFixture.h"
#include "platform/CanvasRecording.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace grid {
namespace {

// A class with one property of each copied sort, a method among them.
struct Sample {
  int Number = 0;
  double Ratio = 0;
  std::string Text;
  int Clicks = 0;  // what the handler "points at"

  static std::span<const TtsPublishedProperty<Sample>> PublishedProperties()
  {
    static const std::vector<TtsPublishedProperty<Sample>> list = {
        {"Number", tkInteger, [](Sample& to, const Sample& from) { to.Number = from.Number; }},
        {"OnClick", tkMethod, [](Sample& to, const Sample& from) { to.Clicks = from.Clicks; }},
        {"Ratio", tkFloat, [](Sample& to, const Sample& from) { to.Ratio = from.Ratio; }},
        {"Hidden", tkUnknown, [](Sample& to, const Sample&) { to.Number = -1; }},
        {"Text", tkLString, [](Sample& to, const Sample& from) { to.Text = from.Text; }},
    };
    return list;
  }
};

TEST(PublishedProperties, CopiesByNameByKindAndAllButTheExcluded)
{
  const Sample source{7, 0.5, "seven", 3};
  Sample target;
  EXPECT_TRUE(CopyPropertyByName("number", target, source));
  EXPECT_TRUE(CopyPropertyByName("ONCLICK", target, source));  // one by name: methods too
  EXPECT_TRUE(CopyPropertyByName("Hidden", target, source));   // known, but not of a copied kind
  EXPECT_FALSE(CopyPropertyByName("Colour", target, source));
  EXPECT_EQ(target.Number, 7);
  EXPECT_EQ(target.Clicks, 3);

  Sample all;
  CopyPropertiesExcept(all, source, " ratio ;; ");
  EXPECT_EQ(all.Number, 7);
  EXPECT_EQ(all.Ratio, 0);
  EXPECT_EQ(all.Text, "seven");
  EXPECT_EQ(all.Clicks, 0);  // handlers never go across this way

  EXPECT_EQ(GetPropList<Sample>(TypeKindBit(tkFloat) | TypeKindBit(tkLString)).size(), 2u);
  EXPECT_EQ(SplitPropertyNames(" Font ;ParentFont;;  "), (std::vector<std::string>{"Font", "ParentFont"}));
}

TEST(PublishedProperties, ColumnsAndRowsCopyThroughTheirSetters)
{
  GridFixture f;
  TtsCol& source = f.grid.Col(2);
  source.SetHeading("A&&B &Unit");
  source.SetColor(platform::clRed);
  source.SetWidth(90);
  source.SetPicture(poShrink, dopOff);
  source.SetCheckBoxValues("Yes|No");
  platform::TFont font;
  font.SetSize(14);
  source.SetFont(&font);
  EXPECT_EQ(source.HeadingWithMarks(), "A&&B &Unit");

  TtsCol& target = f.grid.Col(4);
  f.services.log.clear();
  CopyPropertiesExcept(target, source, "DisplayCol;width");
  EXPECT_EQ(target.Heading(), "A&B Unit");
  EXPECT_EQ(target.AcceleratorPos(), 5);
  EXPECT_EQ(target.Color(), platform::clRed);
  EXPECT_EQ(target.Picture(poShrink), dopOff);
  EXPECT_EQ(target.CheckBoxValues(), "Yes|No");
  EXPECT_FALSE(target.ParentFont());
  ASSERT_NE(target.OwnFont(), nullptr);
  EXPECT_EQ(target.OwnFont()->Size(), 14);
  EXPECT_EQ(target.Width(), f.grid.DefaultColWidth());
  EXPECT_EQ(target.DisplayCol(), 4);
  EXPECT_NE(std::find(f.services.log.begin(), f.services.log.end(), "col 4"), f.services.log.end());
  EXPECT_TRUE(CopyPropertyByName("Width", target, source));
  EXPECT_EQ(target.Width(), 90);

  f.grid.ChangeRow(2, [](TtsRow& row) { row.SetHeight(40); });
  f.grid.ChangeRow(3, [&](TtsRow& row) { CopyPropertiesExcept(row, *f.grid.GridRows().At(2), "DisplayRow"); });
  ASSERT_NE(f.grid.GridRows().At(3), nullptr);
  EXPECT_EQ(f.grid.GridRows().At(3)->Height(), 40);
}

TEST(SupportRoutines, FreeAndClearLeavesNoReference)
{
  auto object = std::make_unique<int>(5);
  FreeAndClear(object);
  EXPECT_EQ(object, nullptr);
  FreeAndClear(object);  // nothing to free
}

class RegistryKeys : public ::testing::Test {
 protected:
  std::string File() const { return dir_.filePath(QStringLiteral("Registry.INI")).toStdString(); }
  std::vector<std::string> Lines() const { return platform::ReadTextLines(QString::fromStdString(File())); }
  QTemporaryDir dir_;
};

TEST_F(RegistryKeys, AKeyIsOpenedOnlyWhenPresentOrCreated)
{
  EXPECT_EQ(OpenRegistryPath("\\\\HKEY_CURRENT_USER\\Software\\Vexal", false, File()), nullptr);
  auto created = OpenRegistryPath("\\\\hkey_current_user\\Software\\Vexal\\", true, File());
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->KeyName(), "HKEY_CURRENT_USER\\Software\\Vexal");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"[HKEY_CURRENT_USER\\Software\\Vexal]"}));

  struct Case {
    const char* path;
    bool opens;
  };
  for (const Case& c : {Case{"\\\\HKEY_CURRENT_USER\\SOFTWARE\\vexal", true}, Case{"Software\\Vexal", true},
                        Case{"\\Software", true},  // a key above one that exists
                        Case{"", true},            // the root
                        Case{"\\\\HKEY_LOCAL_MACHINE\\Software\\Vexal", false},
                        Case{"\\Software\\Vexal\\Grids", false}, Case{"\\Soft[ware]", false}}) {
    EXPECT_EQ(OpenRegistryPath(c.path, false, File()) != nullptr, c.opens) << c.path;
  }
  try {
    OpenRegistryPath("\\\\HKEY_FOO\\Software", true, File());
    ADD_FAILURE();
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "Unknown registry key HKEY_FOO");
  }
}

TEST_F(RegistryKeys, StringsAndBytesComeBackAsWritten)
{
  const std::string text = " two\\words\r\nand \"quotes\" ";
  const std::vector<std::uint8_t> bytes = {0, 1, 0x7F, 0x80, 0xFF};
  {
    auto key = OpenRegistryPath("\\Software\\Vexal", true, File());
    ASSERT_NE(key, nullptr);
    key->WriteString("Layout", text);
    key->WriteBinary("Data", bytes);
    key->WriteBinary("Nothing", {});
    key->WriteString("", "default");
    for (const char* bad : {"a=b", "[x", "x\ny", " lead"})
      EXPECT_THROW(key->WriteString(bad, "v"), ERegistryException) << bad;
  }
  auto key = OpenRegistryPath("\\Software\\Vexal", false, File());
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->DataType("layout"), rdString);
  EXPECT_EQ(key->ReadString("Layout"), text);
  EXPECT_EQ(key->DataType("Data"), rdBinary);
  EXPECT_EQ(key->ReadBinary("Data"), bytes);
  EXPECT_TRUE(key->ReadBinary("Nothing").empty());
  EXPECT_EQ(key->ReadString(""), "default");
  EXPECT_EQ(key->DataType("Missing"), rdUnknown);
  EXPECT_FALSE(key->ValueExists("Missing"));
  EXPECT_THROW(key->ReadString("Data"), ERegistryException);
  EXPECT_THROW(key->ReadBinary("Missing"), ERegistryException);

  // Values edited by hand into something else are of no known type.
  platform::TIniFile ini(QString::fromStdString(File()));
  ini.WriteString(QStringLiteral("HKEY_CURRENT_USER\\Software\\Vexal"), QStringLiteral("Odd"), QStringLiteral("hex:0G"));
  ini.WriteString(QStringLiteral("HKEY_CURRENT_USER\\Software\\Vexal"), QStringLiteral("Short"), QStringLiteral("hex:A"));
  auto again = OpenRegistryPath("\\Software\\Vexal", false, File());
  EXPECT_EQ(again->DataType("Odd"), rdUnknown);
  EXPECT_EQ(again->DataType("Short"), rdUnknown);
}

TEST_F(RegistryKeys, AKeyThatCannotBeCreatedGivesNone)
{
  const std::string inMissingFolder = dir_.filePath(QStringLiteral("none/Registry.INI")).toStdString();
  EXPECT_EQ(OpenRegistryPath("\\Software\\Vexal", true, inMissingFolder), nullptr);
}

TEST(WindowRoutines, AWindowIsInsideItselfAndItsDescendants)
{
  QWidget form;
  auto* panel = new QWidget(&form);
  auto* edit = new QWidget(panel);
  QWidget other;
  EXPECT_TRUE(IsWindowInside(&form, &form));
  EXPECT_TRUE(IsWindowInside(edit, &form));
  EXPECT_TRUE(IsWindowInside(edit, panel));
  EXPECT_FALSE(IsWindowInside(panel, edit));
  EXPECT_FALSE(IsWindowInside(&other, &form));
  EXPECT_FALSE(IsWindowInside(nullptr, &form));
}

TEST(WindowRoutines, PrimingDrawsOnePixelAtTheOrigin)
{
  platform::TRecordingCanvas canvas;
  PrimeCanvas(canvas);
  const std::vector<std::string> calls = canvas.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_NE(calls.front().find("(0,0"), std::string::npos) << calls.front();
}

}  // namespace
}  // namespace grid
