#include "plotui/dialogs/MarkerPictures.h"

#include "plot/graph/Graph.h"
#include "plot/graph/GraphHost.h"
#include "plot/parts/Marker.h"

#include "platform/Bitmap.h"

namespace plotui {

namespace {

// A bare graph's picture control over a white bitmap.
class TPictureImage : public plot::TGraphImage {
public:
  explicit TPictureImage(int side) : picture_(side, side) {}
  platform::TCanvas& Canvas() override { return picture_.Canvas(); }
  int Width() const override { return picture_.Width(); }
  int Height() const override { return picture_.Height(); }
  const QImage& Image() const { return picture_.Image(); }

private:
  platform::TBitmap picture_;
};

}  // namespace

QImage MarkerPicture(int style, int side, int fontSize)
{
  TPictureImage image(side);
  if (style > 0) {
    plot::TGraph graph(nullptr, image, nullptr);
    plot::TMarker marker(graph, nullptr, style, fontSize, platform::clBlue);
    marker.Color2 = platform::clRed;
    marker.Visible = true;
    marker.DrawAtPixel(side / 2, side / 2, fontSize);
  }
  return image.Image().copy();
}

}  // namespace plotui
