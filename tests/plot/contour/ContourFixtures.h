#pragma once
// Small grids for the contour tests, and a graph image on a real picture that can be saved.

#include "../graph/GraphDoubles.h"

#include "plot/contour/Contour.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace plot::test {

inline TVector Nodes(std::initializer_list<double> values)
{
  TVector v(static_cast<int>(values.size()));
  int i = 1;
  for (const double value : values)
    v.SetValue(i++, value);
  return v;
}

// Rows follow X, columns follow Y.
inline TMatrix Values(std::initializer_list<std::initializer_list<double>> rows)
{
  TMatrix m(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
  int r = 1;
  for (const auto& row : rows) {
    int c = 1;
    for (const double value : row)
      m.SetValue(r, c++, value);
    ++r;
  }
  return m;
}

// n equally spaced nodes from first to last.
inline TVector Spaced(int n, double first, double last)
{
  TVector v(n);
  for (int i = 1; i <= n; ++i)
    v.SetValue(i, first + (last - first) * (i - 1) / (n - 1));
  return v;
}

// sin(x) * cos(y) on n x n nodes of [-3, 3] x [-3, 3].
struct TSineGrid {
  TVector x;
  TVector y;
  TMatrix z;
  explicit TSineGrid(int n) : x(Spaced(n, -3, 3)), y(Spaced(n, -3, 3)), z(n, n)
  {
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c)
        z.SetValue(r, c, std::sin(x.GetValue(r)) * std::cos(y.GetValue(c)));
  }
};

// The plane z = x over nx x ny nodes of [0, 1] x [0, 1]: its levels are vertical lines.
struct TPlaneGrid {
  TVector x;
  TVector y;
  TMatrix z;
  TPlaneGrid(int nx, int ny) : x(Spaced(nx, 0, 1)), y(Spaced(ny, 0, 1)), z(nx, ny)
  {
    for (int r = 1; r <= nx; ++r)
      for (int c = 1; c <= ny; ++c)
        z.SetValue(r, c, x.GetValue(r));
  }
};

// A contour of the plane z = x (vertical lines) painted on the recording canvas.
struct TPlaneContour {
  TGraphFixture f;
  TPlaneGrid grid;
  TContour* contour;
  explicit TPlaneContour(int levels = 10, int nx = 3, int ny = 11) : grid(nx, ny)
  {
    auto layer = std::make_unique<TContour>(f.graph, grid.x, grid.y, grid.z, levels, false, false);
    contour = layer.get();
    f.graph.AddLayer(std::move(layer));
  }
  void Paint()
  {
    f.image.Recording().Clear();
    f.graph.Paint();
  }
  TContourLabel& LabelOf(double level)
  {
    for (const auto& label : contour->Labels)
      if (std::fabs(label->Chain->Level - level) < 1e-9)
        return *label;
    throw std::runtime_error("no label of that level");
  }
  // The label texts written ("0.10" .. "0.90"; the axes write shorter ones).
  std::vector<QString> Texts()
  {
    std::vector<QString> texts;
    for (const auto& r : f.image.Recording().Records())
      if (r.Op == platform::TCanvasOp::TextOut && r.Text.size() == 4 && r.Text.startsWith(QStringLiteral("0.")))
        texts.push_back(r.Text);
    return texts;
  }
  // Line pixels drawn strictly inside the box, one pixel in from its edges.
  int LinePixelsInside(const TPoly& box)
  {
    const double cx = (box.GetX(1) + box.GetX(3)) / 2, cy = (box.GetY(1) + box.GetY(3)) / 2;
    TPoly inner;
    for (int k = 1; k <= 5; ++k) {
      const double dx = box.GetX(k) - cx, dy = box.GetY(k) - cy;
      const double d = std::hypot(dx, dy);
      inner.Add(cx + dx * (d - 1.5) / d, cy + dy * (d - 1.5) / d);
    }
    int count = 0;
    for (const auto& r : f.image.Recording().Records()) {
      if (r.Op != platform::TCanvasOp::LineTo)
        continue;
      const platform::TPoint a = r.Points[0], b = r.Points[1];
      const int steps = std::max(std::abs(b.X - a.X), std::abs(b.Y - a.Y));
      for (int s = 0; s < steps; ++s) {
        const double t = static_cast<double>(s) / steps;
        count += inner.PointInside(a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t) ? 1 : 0;
      }
    }
    return count;
  }
};

// A graph on a picture without the secondary axes.
struct TPictureGraph {
  TBitmapGraphImage image;
  TGraph graph{nullptr, image, nullptr};
  TPictureGraph(int width, int height) : image(width, height)
  {
    graph.ProcessMessages = [] {};
    graph.BackColor = platform::clWhite;
    graph.XAxis2->SetVisible(false);
    graph.YAxis2->SetVisible(false);
  }
  bool Save(const char* name) { return image.Image().save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + name); }
};

}  // namespace plot::test
