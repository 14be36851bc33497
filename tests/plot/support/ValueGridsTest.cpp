#include "plot/support/FloatList.h"
#include "plot/support/FloatUtils.h"
#include "plot/support/ValueGrids.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace plot {
namespace {

TEST(ValueGrids, MatrixKeepsRunningExtremesWithoutMissingMarks)
{
  TMatrix m(2, 3);
  EXPECT_EQ(m.MinValue, 3e300);
  EXPECT_EQ(m.MaxValue, -3e300);
  m.SetValue(1, 1, MissingValue);
  m.SetValue(1, 2, -MissingValue);
  EXPECT_EQ(m.MinValue, 3e300);
  EXPECT_EQ(m.MaxValue, -3e300);
  m.SetValue(2, 3, 5);
  m.SetValue(2, 3, 1);
  EXPECT_EQ(m.MaxValue, 5);  // overwriting never moves an extreme back
  EXPECT_EQ(m.MinValue, 1);
  EXPECT_EQ(m.GetValue(3, 3), m.GetValue(2, 3));  // one row past the end reads the last

  TMatrix copy(1, 1);
  copy.Assign(m);
  EXPECT_EQ(copy.GetRowCount(), 2);
  EXPECT_EQ(copy.GetColCount(), 3);
  EXPECT_EQ(copy.GetValue(2, 3), 1);
  EXPECT_EQ(copy.MaxValue, 5);
  copy.Resize(4, 4);
  EXPECT_EQ(copy.GetValue(4, 4), 0);
  EXPECT_EQ(copy.MaxValue, -3e300);
}

TEST(ValueGrids, IndicesOutsideTheGridAreRefused)
{
  TMatrix m(2, 3);
  for (const auto& [row, col] : {std::pair{0, 1}, {1, 0}, {4, 1}, {1, 4}, {-1, -1}}) {
    EXPECT_THROW(m.GetValue(row, col), std::out_of_range) << row << "," << col;
    EXPECT_THROW(m.SetValue(row, col, 1), std::out_of_range) << row << "," << col;
  }
  EXPECT_THROW(m.SetValue(3, 1, 1), std::out_of_range);  // the extra row is for reading only
  TVector v(2);
  EXPECT_THROW(v.SetValue(3, 1), std::out_of_range);
  EXPECT_THROW(v.GetValue(0), std::out_of_range);
  TMatrix negative(-2, 5);
  EXPECT_EQ(negative.Rows, 0);
  EXPECT_THROW(negative.GetValue(1, 1), std::out_of_range);
  TFloatList list;
  EXPECT_THROW(list.GetItem(0), std::out_of_range);
}

TEST(ValueGrids, VectorHasNoMissingMarkTest)
{
  TVector v(3);
  EXPECT_EQ(v.MaxValue, -1e30);
  EXPECT_EQ(v.MinValue, 1e30);
  v.SetValue(1, -MissingValue);
  EXPECT_EQ(v.MinValue, -MissingValue);
  v.SetValue(3, 7);
  TVector copy(0);
  copy.Assign(v);
  EXPECT_EQ(copy.GetCount(), 3);
  EXPECT_EQ(copy.GetValue(3), 7);
  EXPECT_EQ(copy.MaxValue, 7);
  copy.SetLength(1);
  EXPECT_EQ(copy.GetValue(1), 0);
  EXPECT_EQ(copy.MinValue, 1e30);
}

TEST(ValueGrids, StringMatrixByColumns)
{
  TStringMatrix s(2, 3);
  s.SetCell(2, 3, "corner");
  EXPECT_EQ(s.Strings.at(5), "corner");
  EXPECT_EQ(s.GetCell(2, 3), "corner");
  s.SetCell(3, 1, "outside");
  EXPECT_EQ(s.GetCell(3, 1), "");
  EXPECT_EQ(s.GetCell(0, 0), "");
}

TEST(ValueGrids, FloatListExtremes)
{
  TFloatList list;
  EXPECT_EQ(list.Add(3), 0);
  EXPECT_EQ(list.Add(-1), 1);
  EXPECT_EQ(list.Add(8), 2);
  EXPECT_EQ(list.MinValue, -1);
  EXPECT_EQ(list.MaxValue, 8);
  list.SetItem(0, -5);
  EXPECT_EQ(list.GetItem(0), -5);
  EXPECT_EQ(list.MinValue, -1);  // SetItem leaves the extremes
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.Add(4);
  EXPECT_EQ(list.MinValue, 4);
}

}  // namespace
}  // namespace plot
