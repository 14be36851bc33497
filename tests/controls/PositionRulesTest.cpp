#include "controls/editor/PositionRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace controls {
namespace {

TEST(PositionRules, PairsFollowChanges)
{
  struct Case {
    std::string name;
    TParaPos before;
    std::function<void(TParaPos&)> rule;
    TParaPos after;
  } cases[] = {
      {"para deleted: same", {3, 4}, [](TParaPos& p) { ShiftOnParaDeleted(p, 3); }, {0, 0}},
      {"para deleted: later", {5, 4}, [](TParaPos& p) { ShiftOnParaDeleted(p, 3); }, {4, 4}},
      {"para deleted: earlier", {2, 4}, [](TParaPos& p) { ShiftOnParaDeleted(p, 3); }, {2, 4}},
      {"text deleted: inside", {1, 5}, [](TParaPos& p) { ShiftOnTextDeleted(p, 1, 4, 2); }, {0, 0}},
      {"text deleted: after", {1, 6}, [](TParaPos& p) { ShiftOnTextDeleted(p, 1, 4, 2); }, {1, 4}},
      {"text deleted: before", {1, 3}, [](TParaPos& p) { ShiftOnTextDeleted(p, 1, 4, 2); }, {1, 3}},
      {"split: after the break", {2, 7}, [](TParaPos& p) { ShiftOnParaSplit(p, 2, 5, 3); }, {3, 6}},
      {"split: before the break", {2, 4}, [](TParaPos& p) { ShiftOnParaSplit(p, 2, 5, 3); }, {2, 4}},
      {"split: later para", {4, 1}, [](TParaPos& p) { ShiftOnParaSplit(p, 2, 5, 3); }, {5, 1}},
      {"inserted: at", {1, 4}, [](TParaPos& p) { ShiftOnTextInserted(p, 1, 4, 3); }, {1, 7}},
      {"inserted: before", {1, 3}, [](TParaPos& p) { ShiftOnTextInserted(p, 1, 4, 3); }, {1, 3}},
      {"joined: next para", {3, 2}, [](TParaPos& p) { ShiftOnParasJoined(p, 2, 6); }, {2, 7}},
      {"joined: later para", {5, 2}, [](TParaPos& p) { ShiftOnParasJoined(p, 2, 6); }, {4, 2}},
      {"caret: para deleted", {3, 9}, [](TParaPos& p) { CaretOnParaDeleted(p, 3, 2); }, {2, 1}},
      {"caret: later para deleted", {4, 9}, [](TParaPos& p) { CaretOnParaDeleted(p, 3, 5); }, {3, 9}},
      {"caret: inside deleted text", {1, 5}, [](TParaPos& p) { CaretOnTextDeleted(p, 1, 4, 2); }, {1, 4}},
      {"caret: after deleted text", {1, 8}, [](TParaPos& p) { CaretOnTextDeleted(p, 1, 4, 2); }, {1, 6}},
  };
  for (const Case& c : cases) {
    TParaPos p = c.before;
    c.rule(p);
    EXPECT_EQ(p, c.after) << c.name;
  }
}

}  // namespace
}  // namespace controls
