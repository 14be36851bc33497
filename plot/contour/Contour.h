#pragma once
// The contour layer: a function of two variables on a rectangular grid, shown as contour lines
// (one family of chains per level, labelled, the lines cut open around their labels) or as a
// colour shade. Rows of Z follow X, columns follow Y; nodes ascend. Each level is traced over the
// grid (every cell cut into four triangles around its centre) into chains of points; clicks add a
// contour, delete a level, or show, hide and move labels.

#include "plot/contour/ContourLabel.h"
#include "plot/graph/Layer.h"
#include "plot/support/FloatGeometry.h"
#include "plot/support/ValueGrids.h"

#include "platform/Cursors.h"
#include "platform/Font.h"

#include <QStringList>
#include <cstddef>
#include <deque>
#include <functional>
#include <limits>
#include <list>
#include <memory>
#include <optional>
#include <vector>

namespace plot {

class TChainMerger;

// One traced polyline of one level, from EndA to EndB; at least two points.
struct TContourChain {
  TFloatPoint LabelP1, LabelP2;  // the piece of the chain the label sits on
  double LabelSlope = std::numeric_limits<double>::infinity();  // squared gradient of its cell
  double Level = 0;
  TContourLabel* Label = nullptr;  // owned by the layer's Labels
  TFloatPoint EndA, EndB;
  std::deque<TFloatPoint> Points;
};

using TContourChains = std::list<TContourChain>;

// The grid cell a segment was traced in: corner coordinates and values, in the order (r, c),
// (r+1, c), (r+1, c+1), (r, c+1).
struct TContourCell {
  double x[4];
  double y[4];
  double z[4];
};

// What a click of the contour-plot window does (the layer's EditMode).
enum TContourEditMode : int {
  emNone = 0,
  emAddContour = 1,
  emDeleteContour = 2,
  emMoveLabel = 3,
  emAddMoveLabel = 4,
  emDeleteLabel = 5,
};

// Screen cursors the plot component registers for the edit modes.
inline constexpr platform::TCursor kCursorMoveIt = 101;
inline constexpr platform::TCursor kCursorSeriesAdd = 102;
inline constexpr platform::TCursor kCursorSeriesDelete = 103;

// A piece of a chain: two consecutive points of its point list.
struct TContourSegment {
  TContourChain* Chain = nullptr;
  TFloatPoint P, Q;
};

// Asked between stretches of tracing: pump the host's events and say whether to go on.
using TContourProgress = std::function<bool()>;

// How the last tracing ended.
enum class TTraceEnd { Done, Stopped, TooLarge };

class TContour : public TLayer {
public:
  // The grids are the layer's own from here: a launcher moves them in, a caller keeping its own copies them.
  TContour(TGraph& graph, TVector x, TVector y, TMatrix z, int levelCount, bool colorMap,
           bool skipZeroLevel, TContourProgress progress = {});
  ~TContour() override;

  QString ClassName() const override { return QStringLiteral("TContour"); }
  double GetZMin() const override;
  double GetZMax() const override;
  void GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const override;
  // The colour shade in colour-map mode, else the lines cut open around their labels.
  void Draw() override;
  // The cursor of the edit mode; the layer never reports a hit.
  void MouseMoveActive(platform::TShiftState shift, int x, int y) override;
  // The edit of EditMode at the clicked point, whichever button; the graph is painted again.
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;

  // Levels and tracing. Calculate rebuilds the chains (and drops their labels) from the level
  // settings; false when a user level is not a number (the chains traced before it stay). Tracing
  // asks Progress after every kProgressCells cells; a stop, or more chains or segments than
  // MaxChains and MaxSegments, ends it with no chains and says so in TraceEnd.
  bool Calculate();
  static constexpr long long kProgressCells = 16384;
  // Traces one level over the whole grid into the list.
  virtual void AddLevel(TContourChains& list, double level);
  // Traces the level of the value at (x, y) and puts its chains, labelled, in front.
  virtual void AddContourAt(double x, double y);
  // Hooks around the drawing of the lines and of the shade.
  virtual void BeforeDrawLines() {}
  virtual void AfterDrawLines() {}
  virtual void BeforeDrawShade() {}
  virtual void AfterDrawShade() {}
  // The cursor of the edit modes 6 and 7.
  virtual void EditCursor6(int x, int y) { (void)x, (void)y; }
  virtual void EditCursor7(int x, int y) { (void)x, (void)y; }
  // Releases every chain with its labels.
  void ClearChains();
  // Every cell of Quality pixels of the plot area in the colour of the value there.
  void DrawColorShade();

  // Labels: one for each chain of a level other than 0, on the chain's label segment.
  void CreateLabels();
  void ClearLabels();
  // Computes the label's box and appends it.
  TContourLabel& AddLabel(std::unique_ptr<TContourLabel> label);
  // Places and draws the labels of one pass.
  void DrawLabels();

  // Edits at a world point.
  void DeleteContourAt(double x, double y);
  // Removes every chain of the level (7 significant digits alike) with its labels.
  void DeleteLevel(double value);
  void MoveLabelAt(double x, double y);
  void LabelOnAt(double x, double y);
  void LabelOffAt(double x, double y);
  // The piece of a chain nearest to (x, y) by the sum of the distances of both ends, or none.
  std::optional<TContourSegment> NearestSegment(double x, double y);
  // The label of the chain nearest to (x, y) by its segment, or nullptr.
  TContourLabel* NearestLabel(const TContourChain& chain, double x, double y) const;
  // The cursor shown over the plot in the edit mode (crDefault for none).
  platform::TCursor EditCursor() const;

  TContourChains Chains;
  bool Multicolor = true;
  platform::TColor MonoColor = platform::clBlack;
  platform::TFont LabelFont;
  int LevelCount;
  double LevelStep = 0;
  int LabelInterval = 1;  // every n-th label is drawn; below 1 counts as 1
  int DecimalPlaces = 2;
  TVector XValues;
  TVector YValues;
  TMatrix ZValues;
  std::vector<std::unique_ptr<TContourLabel>> Labels;
  int EditMode = emNone;
  bool OpaqueLabels = false;  // labels on a box of the graph's colour, drawn after the lines
  bool LabelsVisible = true;
  QStringList UserLevels;
  bool AutoLevels = true;
  bool UserLevelsVisible = false;
  bool LabelFrames = false;
  bool UseLevelStep = false;
  bool Transparent = false;
  bool ClipToArea = false;
  TFloatRect ClipArea;
  TContourProgress Progress;
  TTraceEnd TraceEnd = TTraceEnd::Done;
  // The memory the chains may take: a few hundred megabytes at most.
  std::size_t MaxChains = 200000;
  long long MaxSegments = 8000000;

private:
  // Counts the cells traced and asks Progress; false when tracing must end.
  bool KeepTracing(const TContourChains& list);
  long long cellsSinceProgress_ = 0;
  long long segments_ = 0;
  void TraceCell(TChainMerger& merger, double level, const TContourCell& cell);
  void AddSegment(TChainMerger& merger, double level, const TFloatPoint& p, const TFloatPoint& q,
                  const TContourCell& cell);
  void DrawLines();
  bool PlaceInside(TContourLabel& label, int textWidth, int textHeight);
  bool PlaceClearOfOthers(std::size_t index, int textWidth, int textHeight);
  void DrawLabel(TContourLabel& label);
  void LabelChains(TContourChains& chains);
  void RemoveLabelsOf(const TContourChain& chain);
};

// Adds the segment p-q of a level to the list: joined to a chain of the same level whose end it
// touches (and chains that then touch are joined in turn), dropped when it repeats a piece of a
// chain along a grid line, else a chain of its own.
void AddContourSegment(TContourChains& list, double level, const TFloatPoint& p, const TFloatPoint& q,
                       const TContourCell& cell);

// The value at (px, py): bilinear between the four nodes around it, the point taken to the nearest
// place within the nodes when it lies beyond them; a missing-value mark among the four nodes is the
// result.
double InterpolateGrid(const TVector& x, const TVector& y, const TMatrix& z, double px, double py);

}  // namespace plot
