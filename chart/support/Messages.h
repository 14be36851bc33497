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
inline constexpr const char* Rotation = "Rotation";
inline constexpr const char* PieOther = "Other";
inline constexpr const char* AxisLabels = "Axis Labels";
inline constexpr const char* AxisTitle = "Axis Title";

}  // namespace chart::msg

namespace chart {

// A message of the table with its %s and %d filled in order from the arguments; "%%" gives "%".
// Missing arguments leave their placeholders as they are.
QString FormatMessage(const char* text, std::initializer_list<QString> args = {});
QString FormatMessage(const char* text, std::initializer_list<int> args);

}  // namespace chart
