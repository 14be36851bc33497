#include "tools/SurfaceViewBars.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>

namespace tools {

const std::array<TViewBarLayout, TSurfaceViewBars::kCount>& TSurfaceViewBars::Layouts()
{
  static const std::array<TViewBarLayout, kCount> layouts{{
      {"ScrollBar1", "Rotation", 270, 350, 340},
      {"ScrollBar2", "Elevation", 270, 350, 340},
      {"scbHoriz", "Horizontal", -200, 200, 0},
      {"scbVert", "Vertical", -200, 200, 0},
      {"sbZoom", "Zoom", 1, 200, 60},
      {"sbTilt", "Tilt", -90, 90, 0},
  }};
  return layouts;
}

TSurfaceViewBars::TSurfaceViewBars(QWidget* parent) : QWidget(parent)
{
  setObjectName(QStringLiteral("Panel2"));
  setFixedHeight(kHeight);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 2, 4, 2);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(1);
  for (int i = 0; i < kCount; ++i) {
    const TViewBarLayout& layout = Layouts()[std::size_t(i)];
    auto* label = new QLabel(QString::fromLatin1(layout.Label), this);
    auto* bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(QString::fromLatin1(layout.Name));
    bar->setRange(layout.Min, layout.Max);
    bar->setValue(layout.Position);
    bar->setSingleStep(1);
    bar->setPageStep(std::max(1, (layout.Max - layout.Min) / 10));
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);  // the right arrow key moves the thumb right
    label->setBuddy(bar);
    grid->addWidget(label, 0, i);
    grid->addWidget(bar, 1, i);
    grid->setColumnStretch(i, 1);
    labels_[std::size_t(i)] = label;
    bars_[std::size_t(i)] = bar;
    connect(bar, &QScrollBar::valueChanged, this, [this, i](int position) {
      if (OnChange)
        OnChange(i, position);
    });
  }
}

}  // namespace tools
