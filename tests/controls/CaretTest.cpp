#include "controls/editor/SingleCaret.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace controls {
namespace {

// Records what the caret asks of its control.
class FakeHost : public TOvcCaretHost {
 public:
  bool HasWindow() const override { return hasWindow; }
  void CreateCaret(const TCaretBitmap* bitmap, int width, int height, bool gray) override
  {
    log.push_back("create " + std::to_string(width) + "x" + std::to_string(height) + (gray ? " gray" : "") +
                  (bitmap ? " bitmap" : ""));
  }
  void DestroyCaret() override { log.push_back("destroy"); }
  void ShowCaret() override { log.push_back("show"); }
  void HideCaret() override { log.push_back("hide"); }
  void SetCaretPos(int x, int y) override { log.push_back("pos " + std::to_string(x) + "," + std::to_string(y)); }
  void SetCaretBlinkTime(int milliseconds) override { log.push_back("blink " + std::to_string(milliseconds)); }

  bool hasWindow = true;
  std::vector<std::string> log;
};

TEST(Caret, ShapeSetsAlignmentAndSize)
{
  TOvcCaret caret;
  EXPECT_EQ(caret.Shape(), csVertLine);
  EXPECT_EQ(caret.CaretHeight(), 10);
  EXPECT_EQ(caret.CaretWidth(), 2);
  caret.SetCaretWidth(7);
  caret.SetShape(csHorzLine);
  EXPECT_EQ(caret.Align(), caBottom);
  EXPECT_EQ(caret.CaretHeight(), 2);
  caret.SetShape(csVertLine);
  EXPECT_EQ(caret.Align(), caLeft);
  EXPECT_EQ(caret.CaretWidth(), 2);
  caret.SetCaretWidth(0);
  caret.SetCaretHeight(-3);
  EXPECT_EQ(caret.CaretWidth(), 2);
  EXPECT_EQ(caret.CaretHeight(), 2);
  caret.SetBitmap({3, 5, std::vector<std::uint32_t>(15)});
  caret.SetShape(csBitmap);
  EXPECT_EQ(caret.CaretWidth(), 3);
  EXPECT_EQ(caret.CaretHeight(), 5);
}

TEST(Caret, GeometryInTheCell)
{
  struct Case {
    TOvcCaretShape shape;
    TOvcCaretAlign align;
    int cellW, cellH;
    int w, h, x, y;
  } cases[] = {
      {csHalfBlock, caBottom, 8, 15, 8, 7, 0, 8},  {csBlock, caLeft, 8, 15, 8, 15, 0, 0},
      {csVertLine, caLeft, 8, 15, 2, 15, 0, 0},    {csVertLine, caRight, 8, 15, 2, 15, 6, 0},
      {csHorzLine, caBottom, 8, 15, 8, 2, 0, 13},  {csCustom, caCenter, 8, 15, 2, 2, 3, 6},
      {csCustom, caTop, 9, 15, 2, 2, 3, 0},
  };
  for (const Case& c : cases) {
    FakeHost host;
    TOvcSingleCaret single(&host);
    auto caret = std::make_shared<TOvcCaret>();
    caret->SetCaretHeight(2);
    caret->SetShape(c.shape);
    caret->SetAlign(c.align);
    single.SetCaret(caret);
    single.SetCellWidth(c.cellW);
    single.SetCellHeight(c.cellH);
    EXPECT_EQ(single.CaretWidth(), c.w) << int(c.shape) << "/" << int(c.align);
    EXPECT_EQ(single.CaretHeight(), c.h) << int(c.shape) << "/" << int(c.align);
    EXPECT_EQ(single.OffsetX(), c.x) << int(c.shape) << "/" << int(c.align);
    EXPECT_EQ(single.OffsetY(), c.y) << int(c.shape) << "/" << int(c.align);
  }
}

TEST(Caret, BitmapHotSpotShiftsTheOffset)
{
  FakeHost host;
  TOvcSingleCaret single(&host);
  auto caret = std::make_shared<TOvcCaret>();
  caret->SetBitmap({4, 10, std::vector<std::uint32_t>(40)});
  caret->SetShape(csBitmap);
  caret->SetAlign(caLeft);
  single.SetCaret(caret);
  caret->SetBitmapHotSpotX(1);
  caret->SetBitmapHotSpotY(2);
  EXPECT_EQ(single.OffsetX(), -1);
  EXPECT_EQ(single.OffsetY(), -2);
}

TEST(Caret, LinkingUsesTheCaretsOwnBlinkTime)
{
  FakeHost host;
  TOvcSingleCaret single(&host);
  single.Caret()->SetBlinkTime(300);
  single.SetVisible(true);
  single.SetPosition(20, 30);
  single.SetLinked(true);
  EXPECT_EQ(host.log, (std::vector<std::string>{"create 2x10", "blink 300", "show", "pos 20,30"}));
  host.log.clear();
  single.Caret()->SetIsGray(true);  // a change relinks
  EXPECT_EQ(host.log, (std::vector<std::string>{"destroy", "create 2x10 gray", "blink 300", "show", "pos 20,30"}));
  host.log.clear();
  single.SetPosition(-1, 5);
  EXPECT_EQ(host.log, (std::vector<std::string>{"pos 2147483647,5"}));
  host.log.clear();
  single.SetLinked(false);
  EXPECT_EQ(host.log, (std::vector<std::string>{"destroy"}));  // nothing to restore: nothing global was changed
}

TEST(Caret, NoLinkWithoutAWindow)
{
  FakeHost host;
  host.hasWindow = false;
  TOvcSingleCaret single(&host);
  single.SetLinked(true);
  EXPECT_FALSE(single.Linked());
  EXPECT_TRUE(host.log.empty());
}

TEST(Caret, PairSwitchesBetweenInsertAndOverwrite)
{
  FakeHost host;
  TOvcCaretPair pair(&host);
  EXPECT_TRUE(pair.InsertMode());
  EXPECT_EQ(pair.Caret(), pair.InsCaret());
  EXPECT_EQ(pair.OvrCaret()->Shape(), csBlock);
  pair.SetInsertMode(false);
  EXPECT_EQ(pair.Caret(), pair.OvrCaret());
  EXPECT_EQ(pair.CaretWidth(), pair.CellWidth());
  auto shared = std::make_shared<TOvcCaret>();
  pair.SetInsCaret(shared);
  EXPECT_EQ(pair.Caret(), pair.OvrCaret());
  pair.SetInsertMode(true);
  EXPECT_EQ(pair.Caret(), shared);
  EXPECT_EQ(shared.use_count(), 3);  // the test, the insert slot and the current caret
}

}  // namespace
}  // namespace controls
