#include "chart/model/ChartFontObject.h"

#include "chart/model/ParentChart.h"
#include "chart/support/ChartFont.h"

namespace chart {

TChartFontObject::TChartFontObject(TParentChart* owner)
    : owner_(owner), font_(NewChartFont([this] { Repaint(); }))
{
}

TChartFontObject::~TChartFontObject() = default;

void TChartFontObject::SetFont(const platform::TFont& font) { font_->Assign(font); }

bool TChartFontObject::IsFontStored() const { return !IsStandardFont(*font_); }

void TChartFontObject::Assign(const TChartFontObject& other) { SetFont(*other.font_); }

void TChartFontObject::Repaint() const
{
  if (owner_ != nullptr) owner_->Invalidate();
}

}  // namespace chart
