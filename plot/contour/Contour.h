#pragma once
// The contour layer: a function of two variables on a rectangular grid, shown as contour lines
// (one family of chains per level) or as a colour shade. Rows of Z follow X, columns follow Y;
// nodes ascend. This part chooses the levels, traces each level over the grid (every cell cut into
// four triangles around its centre) into chains of points, and interpolates a value anywhere.

#include "plot/graph/Layer.h"
#include "plot/support/FloatGeometry.h"
#include "plot/support/ValueGrids.h"

#include <QStringList>
#include <deque>
#include <limits>
#include <list>

namespace plot {

// One traced polyline of one level, from EndA to EndB; at least two points.
struct TContourChain {
  TFloatPoint LabelP1, LabelP2;  // the piece of the chain the label sits on
  double LabelSlope = std::numeric_limits<double>::infinity();  // squared gradient of its cell
  double Level = 0;
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

class TContour : public TLayer {
public:
  TContour(TGraph& graph, const TVector& x, const TVector& y, const TMatrix& z, int levelCount, bool colorMap,
           bool skipZeroLevel);

  QString ClassName() const override { return QStringLiteral("TContour"); }
  double GetZMin() const override;
  double GetZMax() const override;
  void GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const override;

  // Rebuilds the chains from the level settings; false when a user level is not a number (the
  // chains traced before it stay).
  bool Calculate();
  // Traces one level over the whole grid into the list.
  virtual void AddLevel(TContourChains& list, double level);
  void ClearChains() { Chains.clear(); }
  // In colour-map mode the colour shade; the lines and labels are still to come.
  void Draw() override;
  // Every cell of Quality pixels of the plot area in the colour of the value there.
  void DrawColorShade();

  TContourChains Chains;
  bool Multicolor = true;
  platform::TColor MonoColor = platform::clBlack;
  int LevelCount;
  double LevelStep = 0;
  int LabelInterval = 1;
  int DecimalPlaces = 2;
  TVector XValues;
  TVector YValues;
  TMatrix ZValues;
  QStringList UserLevels;
  bool AutoLevels = true;
  bool UserLevelsVisible = false;
  bool UseLevelStep = false;
  bool Transparent = false;
  bool LabelsVisible = true;
  bool ClipToArea = false;
  TFloatRect ClipArea;

private:
  void TraceCell(TContourChains& list, double level, const TContourCell& cell);
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
