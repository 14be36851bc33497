#pragma once
// The chart control windows place on their forms.

#include "chart/panel/CustomChart.h"
