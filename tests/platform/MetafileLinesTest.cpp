// Lines as the records of saved pictures: a curve drawn in pieces is one polyline, so readers that draw
// every record on its own show no joins; a line longer than a record takes goes on in the next one.
#include "platform/Metafile.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace platform {
namespace {

constexpr std::uint16_t kWmfMoveTo = 0x0214;
constexpr std::uint16_t kWmfLineTo = 0x0213;
constexpr std::uint16_t kWmfPolyline = 0x0325;
constexpr std::uint32_t kEmfLineTo = 54;
constexpr std::uint32_t kEmfPolyline16 = 87;

template <typename T>
T At(const QByteArray& bytes, qsizetype offset)
{
  T value;
  std::memcpy(&value, bytes.constData() + offset, sizeof value);
  return value;
}

struct TRecord {
  std::uint32_t Function = 0;
  std::vector<TPoint> Points;  // of a polyline
};

// The records of a placeable WMF after its headers, with the points of its polylines.
std::vector<TRecord> WmfRecords(const QByteArray& wmf)
{
  std::vector<TRecord> records;
  qsizetype at = 22 + 18;
  while (at + 6 <= wmf.size()) {
    const auto words = At<std::uint32_t>(wmf, at);
    TRecord r{At<std::uint16_t>(wmf, at + 4), {}};
    if (r.Function == kWmfPolyline)
      for (int i = 0; i < At<std::uint16_t>(wmf, at + 6); ++i)
        r.Points.push_back({At<std::int16_t>(wmf, at + 8 + 4 * i), At<std::int16_t>(wmf, at + 10 + 4 * i)});
    records.push_back(r);
    if (words < 3)
      break;
    at += 2 * qsizetype(words);
  }
  return records;
}

std::vector<TRecord> EmfRecords(const QByteArray& emf)
{
  std::vector<TRecord> records;
  qsizetype at = 0;
  while (at + 8 <= emf.size()) {
    const auto size = At<std::uint32_t>(emf, at + 4);
    TRecord r{At<std::uint32_t>(emf, at), {}};
    if (r.Function == kEmfPolyline16)
      for (std::uint32_t i = 0; i < At<std::uint32_t>(emf, at + 24); ++i)
        r.Points.push_back({At<std::int16_t>(emf, at + 28 + 4 * i), At<std::int16_t>(emf, at + 30 + 4 * i)});
    records.push_back(r);
    if (size < 8)
      break;
    at += size;
  }
  return records;
}

std::vector<TRecord> Only(const std::vector<TRecord>& records, std::initializer_list<std::uint32_t> functions)
{
  std::vector<TRecord> kept;
  for (const TRecord& r : records)
    if (std::find(functions.begin(), functions.end(), r.Function) != functions.end())
      kept.push_back(r);
  return kept;
}

TMetafile Picture(const std::function<void(TMetafileCanvas&)>& draw)
{
  TMetafile m;
  m.SetSize(200, 120);
  TMetafileCanvas c(m);
  draw(c);
  c.Close();
  return m;
}

const std::vector<TPoint> kCurve = {{10, 100}, {20, 60}, {35, 30}, {60, 15}, {90, 10}, {120, 20}, {150, 50}};

void DrawInPieces(TMetafileCanvas& c, const std::vector<TPoint>& points)
{
  c.MoveTo(points[0].X, points[0].Y);
  for (std::size_t i = 1; i < points.size(); ++i)
    c.LineTo(points[i].X, points[i].Y);
}

TEST(MetafileLines, ACurveDrawnInPiecesIsOnePolylineInBothFormats)
{
  const TMetafile m = Picture([](TMetafileCanvas& c) {
    c.Pen().SetColor(clRed);
    c.Pen().SetWidth(3);
    DrawInPieces(c, kCurve);
  });
  const std::vector<TRecord> wmf = Only(WmfRecords(m.ToWmf()), {kWmfMoveTo, kWmfLineTo, kWmfPolyline});
  ASSERT_EQ(wmf.size(), 1u);
  EXPECT_EQ(wmf[0].Points, kCurve);
  const std::vector<TRecord> emf = Only(EmfRecords(m.ToEmf()), {kEmfLineTo, kEmfPolyline16});
  ASSERT_EQ(emf.size(), 1u);
  EXPECT_EQ(emf[0].Points, kCurve);
}

// What ends a run: a jump, another pen, another clip; a line that goes on after the jump is a run of its own.
TEST(MetafileLines, ARunEndsWhereTheLineJumpsOrIsDrawnDifferently)
{
  const std::vector<TPoint> first(kCurve.begin(), kCurve.begin() + 4);
  const std::vector<TPoint> next(kCurve.begin() + 3, kCurve.end());
  std::vector<TPoint> apart = next;
  apart[0].X += 1;
  const struct {
    const char* what;
    const std::vector<TPoint>& second;
    std::function<void(TMetafileCanvas&)> between;
  } cases[] = {
      {"a jump", apart, [](TMetafileCanvas&) {}},
      {"another pen colour", next, [](TMetafileCanvas& c) { c.Pen().SetColor(clBlue); }},
      {"another pen style", next, [](TMetafileCanvas& c) { c.Pen().SetStyle(TPenStyle::psDash); }},
      {"another clip", next, [](TMetafileCanvas& c) { c.SetClipRect({0, 0, 100, 100}); }},
  };
  for (const auto& test : cases) {
    const std::vector<TPoint>& second = test.second;
    const TMetafile m = Picture([&](TMetafileCanvas& c) {
      DrawInPieces(c, first);
      test.between(c);
      DrawInPieces(c, second);
    });
    const std::vector<TRecord> wmf = Only(WmfRecords(m.ToWmf()), {kWmfMoveTo, kWmfLineTo, kWmfPolyline});
    ASSERT_EQ(wmf.size(), 2u) << test.what;
    EXPECT_EQ(wmf[0].Points, first) << test.what;
    EXPECT_EQ(wmf[1].Points, second) << test.what;
    const std::vector<TRecord> emf = Only(EmfRecords(m.ToEmf()), {kEmfLineTo, kEmfPolyline16});
    ASSERT_EQ(emf.size(), 2u) << test.what;
    EXPECT_EQ(emf[1].Points, second) << test.what;
  }
}

// A single line stays a line; the same point moved to again keeps the run.
TEST(MetafileLines, ASingleLineStaysALineAndAMoveToTheEndKeepsTheRun)
{
  const TMetafile single = Picture([](TMetafileCanvas& c) {
    c.MoveTo(5, 5);
    c.LineTo(50, 60);
  });
  const std::vector<TRecord> line = Only(WmfRecords(single.ToWmf()), {kWmfMoveTo, kWmfLineTo, kWmfPolyline});
  ASSERT_EQ(line.size(), 2u);
  EXPECT_EQ(line[0].Function, kWmfMoveTo);
  EXPECT_EQ(line[1].Function, kWmfLineTo);

  const TMetafile kept = Picture([](TMetafileCanvas& c) {
    DrawInPieces(c, {kCurve.begin(), kCurve.begin() + 3});
    c.MoveTo(kCurve[2].X, kCurve[2].Y);
    DrawInPieces(c, {kCurve.begin() + 2, kCurve.end()});
  });
  const std::vector<TRecord> run = Only(WmfRecords(kept.ToWmf()), {kWmfMoveTo, kWmfLineTo, kWmfPolyline});
  ASSERT_EQ(run.size(), 1u);
  EXPECT_EQ(run[0].Points, kCurve);
}

// Readers take 16000 points a record: a longer line goes on from the last point written, nothing lost.
TEST(MetafileLines, ALongPolylineGoesOnInTheNextWmfRecord)
{
  std::vector<TPoint> zigzag;
  for (int i = 0; i < 40000; ++i)
    zigzag.push_back({i % 200, (i / 200) % 120});
  const TMetafile m = Picture([&](TMetafileCanvas& c) { c.Polyline(zigzag); });
  const std::vector<TRecord> records = Only(WmfRecords(m.ToWmf()), {kWmfPolyline});
  ASSERT_EQ(records.size(), 3u);
  std::vector<TPoint> joined;
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_LE(records[i].Points.size(), 16000u);
    if (i > 0) {
      EXPECT_EQ(records[i].Points.front(), records[i - 1].Points.back());
      joined.pop_back();
    }
    joined.insert(joined.end(), records[i].Points.begin(), records[i].Points.end());
  }
  EXPECT_EQ(joined, zigzag);
}

}  // namespace
}  // namespace platform
