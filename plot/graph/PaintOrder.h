#pragma once
// The fixed order in which a graph draws its parts after the layout, written down once.

#include <array>

namespace plot {

enum class TPaintStep {
  Background,          // the image filled with the back colour, then the gradient
  BeforePictureEvent,  // OnBeforePictureDraw
  FixedPicture,        // the background picture of style psFix
  Frame,
  Picture,             // the background picture of any other style
  Title,
  Foot,
  OutsideXAxis,  // the primary axes when they run along the plot edge
  OutsideYAxis,
  XAxis2,
  YAxis2,
  OutsideLegend,  // the series legend unless it sits inside the plot
  ColorLegends,   // the ten colour legends, 0..9
  BeforeDrawEvent,  // OnBeforeDraw
  Layers,           // the layer list in order, bar series as one group
  InsideXAxis,      // the primary axes that cross the plot
  InsideYAxis,
  Annotations,
  AfterDrawEvent,  // OnAfterDraw
  ResetClip,
  InsideLegend,
  Info,  // the info bubbles when visible
};

inline constexpr std::array kPaintOrder = {
    TPaintStep::Background,    TPaintStep::BeforePictureEvent, TPaintStep::FixedPicture,  TPaintStep::Frame,
    TPaintStep::Picture,       TPaintStep::Title,              TPaintStep::Foot,          TPaintStep::OutsideXAxis,
    TPaintStep::OutsideYAxis,  TPaintStep::XAxis2,             TPaintStep::YAxis2,        TPaintStep::OutsideLegend,
    TPaintStep::ColorLegends,  TPaintStep::BeforeDrawEvent,    TPaintStep::Layers,        TPaintStep::InsideXAxis,
    TPaintStep::InsideYAxis,   TPaintStep::Annotations,        TPaintStep::AfterDrawEvent, TPaintStep::ResetClip,
    TPaintStep::InsideLegend,  TPaintStep::Info,
};

}  // namespace plot
