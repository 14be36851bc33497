#pragma once
// A layer class with a block of its own in the graph text file, as the plot component's series
// have: its class name, the layer base block, a point count with one line per point, and the class
// name again. Live instances are counted, so a test sees that nothing read is left behind.

#include "plot/graph/Graph.h"
#include "plot/graph/GraphFile.h"

#include <string>
#include <utility>
#include <vector>

namespace plot::test {

class TPointsLayer : public TLayer {
public:
  explicit TPointsLayer(TGraph& graph) : TLayer(graph) { ++Live(); }
  ~TPointsLayer() override { --Live(); }
  static int& Live()
  {
    static int live = 0;
    return live;
  }
  static void Register()
  {
    RegisterLayerClass(QStringLiteral("TPointsLayer"), [](TGraph& g) { return std::make_unique<TPointsLayer>(g); });
  }

  QString ClassName() const override { return QStringLiteral("TPointsLayer"); }
  int GetCount() const override { return static_cast<int>(Points.size()); }

  void ReadFromFile(TGraphFileReader& file) override
  {
    if (file.ReadLine() != "TPointsLayer")
      throw EGraphFileError(file.LineNo());
    TLayer::ReadFromFile(file);
    const int count = static_cast<int>(file.ReadFields().ReadInteger(0, 100000));
    for (int i = 0; i < count; ++i) {
      TLineFields fields = file.ReadFields();
      const double x = fields.ReadReal();
      Points.emplace_back(x, fields.ReadReal());
    }
    if (file.ReadLine() != "TPointsLayer")
      throw EGraphFileError(file.LineNo());
  }
  void SaveToFile(TGraphFileWriter& file) const override
  {
    file.WriteLine("TPointsLayer");
    TLayer::SaveToFile(file);
    file.WriteLine(std::to_string(Points.size()));
    for (const auto& [x, y] : Points)
      file.WriteLine(FileReal(x) + ' ' + FileReal(y));
    file.WriteLine("TPointsLayer");
  }

  std::vector<std::pair<double, double>> Points;
};

}  // namespace plot::test
