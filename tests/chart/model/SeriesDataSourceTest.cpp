#include "ChartDouble.h"

#include "chart/model/FunctionKinds.h"
#include "chart/support/ChartExceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace chart {
namespace {

using testing::TTestChart;

std::vector<double> Values(const TChartValueList& list)
{
  std::vector<double> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.GetValue(i));
  return out;
}

// A horizontal kind: X is the mandatory list.
class THorizontalSeries : public TChartSeries {
public:
  const TChartValueList& MandatoryValueList() const override { return XValues(); }
};

// A kind that takes no other series as its source.
class TPickySeries : public TChartSeries {
public:
  bool IsValidSourceOf(const TChartSeries&) const override { return false; }
};

// Named series on one chart, each with the points given.
class LinkedSeriesTest : public ::testing::Test {
protected:
  TChartSeries& Make(const QString& name, const std::vector<double>& ys = {})
  {
    auto& series = *owned_.emplace_back(std::make_unique<TChartSeries>());
    series.SetName(name);
    series.SetParentChart(&chart_);
    for (double y : ys) series.Add(y);
    return series;
  }
  std::unique_ptr<TChartSeries> Take(TChartSeries& series)
  {
    for (auto& owned : owned_)
      if (owned.get() == &series) return std::move(owned);
    return nullptr;
  }
  QString Refusal(const std::function<void()>& action)
  {
    try {
      action();
    } catch (const ChartException& e) {
      return e.Message();
    }
    return {};
  }

  TTestChart chart_;
  std::vector<std::unique_ptr<TChartSeries>> owned_;
};

TEST_F(LinkedSeriesTest, SetDataSourceRefusalsLeaveTheSourcesAsTheyWere)
{
  TChartSeries& a = Make("A", {1, 2});
  TChartSeries& b = Make("B", {3});
  TChartSeries& c = Make("C", {4});
  TChartSeries& d = Make("D", {5});
  TPickySeries picky;
  picky.SetName("Picky");
  picky.SetParentChart(&chart_);
  TChartSeries offChart;
  offChart.SetName("Off");

  // A is computed from C and B; B from D.
  a.AddDataSource(&c);
  a.AddDataSource(&b);
  b.SetDataSource(&d);

  const QString circular = "Circular Series dependences are not allowed";
  struct Case {
    const char* what;
    TChartSeries* series;
    TChartSeries* source;
    QString message;
  };
  const Case cases[] = {
      {"own source", &a, &a, "No valid DataSource: A"},
      {"kind refuses", &picky, &a, "No valid DataSource: A"},
      {"no chart", &offChart, &a, "No ParentChart to validate DataSource"},
      {"direct cycle", &d, &b, circular},
      {"cycle through a second source", &b, &a, circular},
      {"cycle two levels down", &d, &a, circular},
  };
  for (const Case& test : cases) {
    const auto before = test.series->DataSources();
    EXPECT_EQ(Refusal([&] { test.series->SetDataSource(test.source); }), test.message) << test.what;
    EXPECT_EQ(test.series->DataSources(), before) << test.what;
  }
  // Nothing was linked by the refusals: a point added to A reaches nobody.
  EXPECT_TRUE(a.LinkedSeries().empty());
}

TEST_F(LinkedSeriesTest, SetDataSourceReplacesTheSourcesAndCopiesThePoints)
{
  TChartSeries& a = Make("A", {1, 2, 3});
  TChartSeries& b = Make("B", {7});
  TChartSeries& linked = Make("L", {9, 9, 9, 9});
  linked.AddDataSource(&b);
  linked.SetDataSource(&a);
  EXPECT_EQ(linked.DataSources(), std::vector<TChartSeries*>{&a});
  EXPECT_TRUE(b.LinkedSeries().empty());
  EXPECT_EQ(Values(linked.YValues()), (std::vector<double>{1, 2, 3}));
  // The same source again changes nothing.
  linked.Delete(0);
  linked.SetDataSource(&a);
  EXPECT_EQ(linked.Count(), 2);
}

TEST_F(LinkedSeriesTest, NoSourceClearsARunningSeriesAndFillsSamplesAtDesignTime)
{
  TChartSeries& a = Make("A", {1, 2, 3});
  for (bool designing : {false, true}) {
    TChartSeries& linked = Make("L");
    linked.SetDesigning(designing);
    linked.SetDataSource(&a);
    linked.SetDataSource(nullptr);
    EXPECT_TRUE(linked.DataSources().empty());
    EXPECT_TRUE(a.LinkedSeries().empty());
    EXPECT_EQ(linked.Count(), designing ? 26 : 0) << designing;
  }
}

// What a linked series holds after each change of its source, by LinkFollow and function.
TEST_F(LinkedSeriesTest, LinkedSeriesFollowTheChangesTheirLinkFollowNames)
{
  enum class Change { Add, Delete, Modify, Clear, Refresh };
  struct Case {
    const char* what;
    int follow;
    bool function;
    Change change;
    std::vector<double> expected;  // the linked series' Y values after the change
  };
  // The source starts with 1, 2, 3; the linked series copied them, or holds their sum 6.
  const Case cases[] = {
      {"copy: add", lfAll, false, Change::Add, {1, 2, 3, 10}},
      {"copy: delete", lfAll, false, Change::Delete, {2, 3}},
      {"copy: modify", lfAll, false, Change::Modify, {5, 2, 3}},
      {"copy: clear", lfAll, false, Change::Clear, {}},
      {"sum: add ignored", lfAll, true, Change::Add, {6}},
      {"sum: delete ignored", lfAll, true, Change::Delete, {6}},
      {"sum: modify recomputes", lfAll, true, Change::Modify, {10}},
      {"sum: clear empties", lfAll, true, Change::Clear, {}},
      {"sum: refresh recomputes", lfAll, true, Change::Refresh, {16}},
      {"no follow: add", 0, false, Change::Add, {1, 2, 3}},
      {"no follow: delete", 0, false, Change::Delete, {1, 2, 3}},
      {"no follow: modify", 0, false, Change::Modify, {1, 2, 3}},
      {"no follow: clear", 0, false, Change::Clear, {1, 2, 3}},
      {"no follow: refresh", 0, false, Change::Refresh, {1, 2, 3, 10}},
  };
  for (const Case& test : cases) {
    TChartSeries source;
    source.SetParentChart(&chart_);
    for (double y : {1, 2, 3}) source.Add(y);
    TChartSeries linked;
    linked.SetParentChart(&chart_);
    if (test.function) linked.SetFunction(std::make_unique<TAddTeeFunction>());
    linked.SetLinkFollow(test.follow);
    linked.SetDataSource(&source);
    switch (test.change) {
      case Change::Add: source.Add(10); break;
      case Change::Delete: source.Delete(0); break;
      case Change::Modify: source.YValues().SetValue(0, 5); break;
      case Change::Clear: source.Clear(); break;
      case Change::Refresh:
        // A point added unnoticed reaches the linked series with the refresh.
        source.SetLinkFollow(0);
        linked.SetLinkFollow(0);
        source.Add(10);
        source.RefreshSeries();
        break;
    }
    EXPECT_EQ(Values(linked.YValues()), test.expected) << test.what;
  }
}

TEST_F(LinkedSeriesTest, ClearingOneSourceEmptiesAFunctionOfSeveral)
{
  TChartSeries& a = Make("A", {1, 2});
  TChartSeries& b = Make("B", {3, 4});
  TChartSeries& sum = Make("Sum");
  sum.SetFunction(std::make_unique<TAddTeeFunction>());
  sum.AddDataSource(&a);
  sum.AddDataSource(&b);
  sum.CheckDataSource();
  EXPECT_EQ(Values(sum.YValues()), (std::vector<double>{4, 6}));
  b.Clear();
  EXPECT_EQ(sum.Count(), 0);
  // A change of the second source recomputes at the first source's positions.
  a.XValues().SetValue(1, 5);
  b.Add(10);
  b.RefreshSeries();
  EXPECT_EQ(Values(sum.XValues()), (std::vector<double>{0, 5}));
  EXPECT_EQ(Values(sum.YValues()), (std::vector<double>{11, 2}));
}

TEST_F(LinkedSeriesTest, AnAddedPointRunsDownAChain)
{
  std::vector<TChartSeries*> chain{&Make("S0")};
  for (int i = 0; i < 10000; ++i) chain[0]->Add(i);
  for (int i = 1; i < 10; ++i) {
    chain.push_back(&Make(QString("S%1").arg(i)));
    chain.back()->SetDataSource(chain[std::size_t(i - 1)]);
  }
  EXPECT_EQ(chain.back()->Count(), 10000);
  chain[0]->Add(-1);
  EXPECT_EQ(chain.back()->Count(), 10001);
  EXPECT_EQ(chain.back()->YValues().Last(), -1);
}

TEST_F(LinkedSeriesTest, DestroyingASourceUnlinksIt)
{
  TChartSeries& a = Make("A", {1, 2});
  TChartSeries& b = Make("B", {3, 4, 5});
  TChartSeries& copy = Make("Copy");
  copy.AddDataSource(&a);
  copy.AddDataSource(&b);
  copy.CheckDataSource();
  TChartSeries& alone = Make("Alone");
  alone.SetDataSource(&a);

  Take(a).reset();
  // The next source gives its points; a series without one keeps what it had.
  EXPECT_EQ(copy.DataSources(), std::vector<TChartSeries*>{&b});
  EXPECT_EQ(Values(copy.YValues()), (std::vector<double>{3, 4, 5}));
  EXPECT_TRUE(alone.DataSources().empty());
  EXPECT_EQ(Values(alone.YValues()), (std::vector<double>{1, 2}));

  // A linked series destroyed first is never told again.
  Take(copy).reset();
  EXPECT_TRUE(b.LinkedSeries().empty());
  b.Add(6);
}

TEST_F(LinkedSeriesTest, RemovedSourcesForgetTheirLinkedSeries)
{
  TChartSeries& a = Make("A", {1});
  auto linked = std::make_unique<TChartSeries>();
  linked->SetParentChart(&chart_);
  linked->SetDataSource(&a);
  TChartSeries::RemoveDataSource(*linked, a);
  EXPECT_TRUE(a.LinkedSeries().empty());
  linked.reset();
  a.Add(2);  // no series left to tell
  EXPECT_EQ(a.Count(), 2);
}

TEST_F(LinkedSeriesTest, ExtraPropertiesAreWrittenAndReadBack)
{
  TChartSeries& a = Make("A", {1, 2});
  TChartSeries& b = Make("B", {3, 4});
  TChartSeries& one = Make("One");
  one.SetDataSource(&a);
  EXPECT_TRUE(one.ExtraProperties().empty());

  TChartSeries& two = Make("Two");
  two.SetFunction(std::make_unique<TAddTeeFunction>());
  two.AddDataSource(&a);
  two.AddDataSource(&b);
  two.SetIdentifier("id");
  two.SetStyle(0x25);
  const auto written = two.ExtraProperties();
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[0].Name, "DataSources");
  EXPECT_EQ(std::get<QStringList>(written[0].Value), (QStringList{"A", "B"}));
  EXPECT_EQ(written[1].Name, "Identifier");
  EXPECT_EQ(std::get<QString>(written[1].Value), "id");
  EXPECT_EQ(written[2].Name, "Style");
  EXPECT_EQ(std::get<int>(written[2].Value), 0x25);

  // Read back: unknown names are skipped; Style keeps its six bits; sources wait for Loaded.
  TChartSeries& read = Make("Read");
  read.SetFunction(std::make_unique<TAddTeeFunction>());
  read.BeginLoading();
  read.ReadExtraProperty({"DataSources", QStringList{"B", "Missing", "A"}});
  read.ReadExtraProperty({"Identifier", QString("id")});
  read.ReadExtraProperty({"Style", 0x1C5});
  read.SetDataSource(&a);  // while loading only appended
  EXPECT_EQ(read.Count(), 0);
  const std::map<QString, TChartSeries*> owner{{"A", &a}, {"B", &b}};
  read.Loaded([&](const QString& name) {
    const auto it = owner.find(name);
    return it == owner.end() ? nullptr : it->second;
  });
  EXPECT_EQ(read.DataSources(), (std::vector<TChartSeries*>{&b, &a}));
  EXPECT_EQ(read.Identifier(), "id");
  EXPECT_EQ(read.Style(), 0x05);
  EXPECT_EQ(Values(read.YValues()), (std::vector<double>{4, 6}));
  b.YValues().SetValue(0, 10);
  EXPECT_EQ(Values(read.YValues()), (std::vector<double>{11, 6}));
}

TEST_F(LinkedSeriesTest, AssignCrossesTheListsAndMovesTheFunction)
{
  TChartSeries& a = Make("A", {1, 2});
  TChartSeries& source = Make("Source");
  source.XValues().SetMultiplier(2);
  source.YValues().SetOrder(TChartListOrder::loDescending);
  source.SetFunction(std::make_unique<TAverageTeeFunction>());
  source.SetDataSource(&a);
  source.SetLinkFollow(lfAdd);
  source.SetIdentifier("id");
  source.SetStyle(3);
  source.SetTitle("T");
  TTeeFunction* function = source.SeriesFunction();

  THorizontalSeries crossed;
  crossed.SetParentChart(&chart_);
  crossed.Assign(source);
  EXPECT_EQ(crossed.YValues().Multiplier(), 2);
  EXPECT_EQ(crossed.XValues().Order(), TChartListOrder::loDescending);
  EXPECT_EQ(crossed.SeriesFunction(), function);
  EXPECT_EQ(function->ParentSeries(), &crossed);
  EXPECT_EQ(source.SeriesFunction(), nullptr);
  EXPECT_EQ(crossed.DataSources(), std::vector<TChartSeries*>{&a});
  EXPECT_EQ(crossed.LinkFollow(), lfAdd);
  EXPECT_EQ(crossed.Identifier(), "id");
  EXPECT_EQ(crossed.Style(), 3);
  EXPECT_EQ(crossed.Title(), "T");
  // The moved average computes the crossed series from A: one point.
  EXPECT_EQ(crossed.Count(), 1);

  TChartSeries straight;
  straight.SetParentChart(&chart_);
  straight.Assign(source);
  EXPECT_EQ(straight.XValues().Multiplier(), 2);
  EXPECT_EQ(straight.YValues().Order(), TChartListOrder::loDescending);

  // Without sources the points are copied.
  TChartSeries copy;
  copy.SetParentChart(&chart_);
  copy.Assign(a);
  EXPECT_EQ(Values(copy.YValues()), (std::vector<double>{1, 2}));
  EXPECT_TRUE(copy.DataSources().empty());

  // A series that is one of the sources does not become its own source.
  TChartSeries& user = Make("User");
  user.SetDataSource(&a);
  a.Assign(user);
  EXPECT_TRUE(a.DataSources().empty());
}

}  // namespace
}  // namespace chart
