#pragma once
// Small types shared by the series, their lists and their users.

namespace chart {

enum class THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum class TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

enum class TLegendTextStyle { ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue };

// What a series tells the series linked to it.
enum class TSeriesNotification { Clear, Add, Delete, Modify, Refresh };

}  // namespace chart
