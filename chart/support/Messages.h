#pragma once
// The chart library's message table: captions and exception texts, and their formatting.

#include <QString>

namespace chart::msg {

inline constexpr const char* DefaultFontSize = "8";
inline constexpr const char* DefaultFontName = "Arial";
inline constexpr const char* AngleRange = "%s Angle must be between 0 and 359 degrees";
inline constexpr const char* Chart3DPercent = "3D effect percent must be between %d and %d";
inline constexpr const char* MaxPointsPerPage = "MaxPointsPerPage must be >= 0";
inline constexpr const char* AxisMinimum = "Axis Minimum Value must be <= Maximum";
inline constexpr const char* AxisMaximum = "Axis Maximum Value must be >= Minimum";
inline constexpr const char* AxisIncrement = "Axis increment must be >= 0";
inline constexpr const char* AxisDateTimeLog = "DateTime Axis cannot be Logarithmic";
inline constexpr const char* AxisLogRange = "Logarithmic Axis Min and Max values should be >= 0";
inline constexpr const char* AxisLogBase = "Axis Logarithmic Base should be >= 2";
inline constexpr const char* LabelsSeparation = "Labels Separation % must be greater than 0";
inline constexpr const char* FirstLegendValue = "First Legend Value must be > 0";
inline constexpr const char* LegendTopPos = "Top Legend Position must be between 0 and 100 %";
inline constexpr const char* LegendColorWidth = "Legend Color Width must be between 0 and 100 %";
inline constexpr const char* BarWidthPercent = "Bar Width Percent must be between 1 and 100";
inline constexpr const char* BarOffsetPercent = "Bar Offset Percent must be between -100% and 100%";
inline constexpr const char* SampleValuesCount = "FillSampleValues NumValues must be > 0";
inline constexpr const char* PointerSize = "Pointer size must be greater than zero";
inline constexpr const char* NoParentChart = "No ParentChart to validate DataSource";
inline constexpr const char* NoValidDataSource = "No valid DataSource: %s";
inline constexpr const char* CircularSource = "Circular Series dependences are not allowed";
inline constexpr const char* FunctionPeriod = "Function Period should be >= 0";
inline constexpr const char* Rotation = "Rotation";
inline constexpr const char* PieOther = "Other";
inline constexpr const char* AxisLabels = "Axis Labels";
inline constexpr const char* AxisTitle = "Axis Title";
inline constexpr const char* DepthAxis = "Depth Axis";
inline constexpr const char* TopAxis = "Top Axis";
inline constexpr const char* BottomAxis = "Bottom Axis";
inline constexpr const char* RightAxis = "Right Axis";
inline constexpr const char* LeftAxis = "Left Axis";
inline constexpr const char* GalleryFunctions = "Functions";
inline constexpr const char* GalleryStandard = "Standard";
inline constexpr const char* GalleryExtended = "Extended";
inline constexpr const char* FunctionAdd = "Add";
inline constexpr const char* FunctionSubtract = "Subtract";
inline constexpr const char* FunctionMultiply = "Multiply";
inline constexpr const char* FunctionDivide = "Divide";
inline constexpr const char* FunctionHigh = "High";
inline constexpr const char* FunctionLow = "Low";
inline constexpr const char* FunctionAverage = "Average";
inline constexpr const char* GalleryLine = "Line";
inline constexpr const char* GalleryBar = "Bar";
inline constexpr const char* GalleryHorizBar = "Horiz. Bar";
inline constexpr const char* GalleryArea = "Area";
inline constexpr const char* GalleryPoint = "Point";
inline constexpr const char* GalleryPie = "Pie";
inline constexpr const char* GalleryFastLine = "Fast Line";
inline constexpr const char* GalleryPolar = "Polar";
inline constexpr const char* GalleryRadar = "Radar";
inline constexpr const char* GalleryBubble = "Bubble";
inline constexpr const char* GalleryArrow = "Arrow";
inline constexpr const char* GalleryGantt = "Gantt";
inline constexpr const char* GalleryShape = "Shape";
inline constexpr const char* GallerySurface = "Surface";
inline constexpr const char* GalleryContour = "Contour";

}  // namespace chart::msg

namespace chart {

// A message of the table with its %s and %d filled in order from the arguments; "%%" gives "%".
// Missing arguments leave their placeholders as they are.
QString FormatMessage(const char* text, std::initializer_list<QString> args = {});
QString FormatMessage(const char* text, std::initializer_list<int> args);

}  // namespace chart
