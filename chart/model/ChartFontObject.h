#pragma once
// The font holder at the base of titles, legends, axis titles and marks: an owned chart font whose
// changes repaint the owner chart.

#include "platform/Font.h"

#include <memory>

namespace chart {

class TParentChart;

class TChartFontObject {
public:
  explicit TChartFontObject(TParentChart* owner);
  virtual ~TChartFontObject();
  TChartFontObject(const TChartFontObject&) = delete;
  TChartFontObject& operator=(const TChartFontObject&) = delete;

  TParentChart* ParentChart() const { return owner_; }
  const platform::TFont& Font() const { return *font_; }
  platform::TFont& Font() { return *font_; }
  void SetFont(const platform::TFont& font);  // copies the settings
  bool IsFontStored() const;                  // only a font other than the default is stored
  void Assign(const TChartFontObject& other);  // copies the font
  void Repaint() const;                        // invalidates the owner chart

private:
  TParentChart* owner_;
  std::unique_ptr<platform::TFont> font_;
};

}  // namespace chart
