#pragma once
// What a series keeps of its data-source links: the series it takes its points from, the series
// that take theirs from it, which changes of a source it follows, its function, and the source
// names a stream gave it until they are resolved.

#include <QString>
#include <QStringList>
#include <memory>
#include <variant>
#include <vector>

namespace chart {

class TChartSeries;
class TTeeFunction;

// The changes of a source a linked series follows (LinkFollow bits); a refresh is always followed.
enum TLinkFollowBits : int { lfDelete = 1, lfModify = 2, lfAdd = 4, lfClear = 8, lfAll = 15 };

// The editor's restrictions on a series (Style bits); streamed and copied only.
inline constexpr int kSeriesStyleMask = 0x3F;

// A property a series writes besides its published ones, and reads back by name.
struct TStreamedProperty {
  QString Name;
  std::variant<int, QString, QStringList> Value;
};

struct TSeriesLinks {
  TSeriesLinks();
  ~TSeriesLinks();
  std::vector<TChartSeries*> DataSources;
  std::vector<TChartSeries*> LinkedSeries;  // no duplicates
  std::unique_ptr<TTeeFunction> Function;
  int LinkFollow = lfAll;
  int Style = 0;
  QString Identifier;
  QStringList StreamedSources;  // read from a stream, resolved by Loaded
  bool Loading = false;
  bool Designing = false;
  int QuietAdds = 0;  // while above 0, added points are not passed on one by one
};

}  // namespace chart
