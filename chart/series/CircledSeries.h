#pragma once
// The base of the series drawn round a centre instead of against axes: the circle's rectangle,
// centre, radii and rotation, angles to pixels and back, and the chart adapted to a round series
// while one is attached and active (axes, walls, frame, zoom and panning off, a fixed 3-D view).

#include "chart/model/ChartSeries.h"
#include "platform/CanvasTypes.h"

namespace chart {

class TCircledSeries : public TChartSeries {
public:
  TCircledSeries();
  ~TCircledSeries() override;

  // Published; Circled and the custom radii go to every series of the chart whose class this
  // series' class is or descends from.
  bool Circled() const { return circled_; }
  void SetCircled(bool on);
  int CustomXRadius() const { return customXRadius_; }  // pixels, 0: automatic
  void SetCustomXRadius(int pixels);
  int CustomYRadius() const { return customYRadius_; }
  void SetCustomYRadius(int pixels);
  int RotationAngle() const { return rotationAngle_; }
  void SetRotationAngle(int degrees);  // negative raises PieException; kept mod 360
  double RotationRadians() const { return rotationRadians_; }
  TColor CircleBackColor() const { return circleBackColor_; }
  void SetCircleBackColor(TColor color) { SetColorProperty(circleBackColor_, color); }
  // The circle's own back colour, else the chart's back wall colour, else the chart's colour.
  TColor EffectiveBackColor() const;

  // Geometry as of the last drawing.
  const platform::TRect& CircleBounds() const { return circleBounds_; }
  int BoundsWidth() const { return boundsWidth_; }
  int BoundsHeight() const { return boundsHeight_; }
  int CenterX() const { return centerX_; }
  int CenterY() const { return centerY_; }
  int RadiusX() const { return radiusX_; }
  int RadiusY() const { return radiusY_; }

  // Angle 0 points right and angles grow anticlockwise; the rotation is added.
  platform::TPoint PolarToPixel(double radians, double xRadius, double yRadius) const;
  double PixelToAngle(int x, int y) const;  // radians in [0, 2 pi), the rotation taken off

  // Hides (enableAxes false) or shows the chart's axes, walls and frame, with zoom and panning.
  virtual void SetParentProperties(bool enableAxes);
  // The series is an instance of this series' class.
  virtual bool IsInstanceOfClass(const TChartSeries& series) const;
  // The circled settings of another circled series, when source is one.
  void Assign(const TChartSeries& source) override;

  void DoBeforeDrawValues() override;
  void SetActive(bool on) override;
  void SetParentChart(TSeriesChart* chart) override;
  bool AssociatedToAxis(const TChartAxis&) const override { return true; }
  void PrepareLegendCanvas(int legendIndex, TColor& backColor, platform::TBrushStyle& brushStyle) override;
  bool UseAxis() const override { return false; }

protected:
  // Radii another series of the chart lends for this drawing; false when none does.
  virtual bool SharedRadii(int& /*xRadius*/, int& /*yRadius*/) const { return false; }
  // The rectangle the circle is laid in, before marks and aspect: the chart's plot rectangle.
  virtual platform::TRect PlotBounds() const;
  void SetCircleBounds(const platform::TRect& bounds);
  // Evens the rectangle's sides (at least 4 pixels) and takes its size and centre.
  void AdjustCircleBounds();
  // The radii from the size, the custom radii or the shared ones; the rectangle round them.
  void CalcRadius();

private:
  // The chart's pixel aspect, across over down.
  double PixelAspect() const;
  // Sets field on every series of the chart that this series is an instance of the class of.
  template <class TField>
  void ShareWithClass(TField TCircledSeries::*field, TField value);

  bool circled_ = false;
  int customXRadius_ = 0;
  int customYRadius_ = 0;
  int rotationAngle_ = 0;
  double rotationRadians_ = 0;
  TColor circleBackColor_ = platform::clDefault;
  platform::TRect circleBounds_;
  int boundsWidth_ = 0;
  int boundsHeight_ = 0;
  int centerX_ = 0;
  int centerY_ = 0;
  int radiusX_ = 0;
  int radiusY_ = 0;
};

}  // namespace chart
