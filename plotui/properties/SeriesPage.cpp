#include "plotui/properties/SeriesPage.h"

#include "plotui/Plot.h"
#include "plotui/data/ImportDialog.h"
#include "plotui/dialogs/MarkerStyleDialog.h"
#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/PropertiesWidgets.h"
#include "plotui/series/Series.h"
#include "plotui/series/SeriesLegend.h"

#include "plot/graph/Graph.h"

#include "platform/CheckListBox.h"
#include "platform/MessageDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace plotui {

namespace {

const QStringList kStyles{QStringLiteral("Points"), QStringLiteral("Line"),  QStringLiteral("Line and Point"),
                          QStringLiteral("Volume"), QStringLiteral("Arrow"), QStringLiteral("Piecewise Constant"),
                          QStringLiteral("Area"),   QStringLiteral("Bar")};
const QString kMatrix = QStringLiteral("Matrix");

bool HasLine(int style)
{
  return style == plot::kStyleLine || style == plot::kStyleLineAndPoint || style == plot::kStyleVolume ||
         style == plot::kStylePiecewiseConstant;
}

bool HasSymbols(int style)
{
  return style == plot::kStylePoints || style == plot::kStyleLineAndPoint || style == plot::kStyleVolume ||
         style == plot::kStylePiecewiseConstant;
}

bool IsBar(int style) { return style == plot::kStyleBar || style == plot::kStyleDepthBar; }

enum { kTop, kUp, kDown, kBottom };

}  // namespace

TSeriesPage::TSeriesPage(TfmGraphProperties& dialog, QWidget* parent) : QWidget(parent), d_(dialog)
{
  Build();
  Connect();
}

void TSeriesPage::Build()
{
  clSeries = new platform::TCheckListBox(this);
  clSeries->setObjectName(QStringLiteral("clSeries"));
  clSeries->SetMultiSelect(true, true);
  btnTop = NamedButton(this, "btnTop", QStringLiteral("Top"));
  btnUp = NamedButton(this, "btnUp", QStringLiteral("Up"));
  btnDown = NamedButton(this, "btnDown", QStringLiteral("Down "));
  btnBottom = NamedButton(this, "btnBottom", QStringLiteral("Bottom "));
  btSeriesDelete = NamedButton(this, "btSeriesDelete", QStringLiteral("Delete"));
  auto* order = new QGroupBox(QStringLiteral("Set order"), this);
  auto* orderLayout = new QVBoxLayout(order);
  for (QPushButton* b : {btnTop, btnUp, btnDown, btnBottom}) {
    b->setParent(order);
    orderLayout->addWidget(b);
  }

  gbSeriesProperties = new QGroupBox(this);
  gbSeriesProperties->setObjectName(QStringLiteral("gbSeriesProperties"));
  QWidget* g = gbSeriesProperties;
  edSeriesName = NamedEdit(g, "edSeriesName");
  cbSeriesStyle = NamedCombo(g, "cbSeriesStyle", kStyles);
  cbSeriesLineStyle = NamedCombo(g, "cbSeriesLineStyle",
                                 {QStringLiteral("Solid"), QStringLiteral("Dash "), QStringLiteral("Dot"),
                                  QStringLiteral("DashDot"), QStringLiteral("DashDotDot "), QStringLiteral("Clear")});
  Edit1 = NamedEdit(g, "Edit1", QStringLiteral("1"));
  Edit1->setReadOnly(true);
  Edit1->setMaximumWidth(40);
  sbTicknessUp = StepButton(g, "sbTicknessUp", true);
  sbTicknessDn = StepButton(g, "sbTicknessDn", false);
  btSeriesMarkers = NamedButton(g, "btSeriesMarkers", QStringLiteral("Symbols..."));
  btSeriesColor = NamedButton(g, "btSeriesColor", QStringLiteral("Color..."));
  btSeriesEditData = NamedButton(g, "btSeriesEditData", QStringLiteral("Edit..."));
  btAdd = NamedButton(this, "btAdd", QStringLiteral("Add..."));
  chbXAxis2 = NamedCheck(g, "chbXAxis2", QStringLiteral("Use secondary X Axis"));
  chbYAxis2 = NamedCheck(g, "chbYAxis2", QStringLiteral("Use secondary Y Axis"));
  auto* width = new QHBoxLayout;
  width->addWidget(Edit1);
  auto* steps = new QVBoxLayout;
  steps->setSpacing(0);
  steps->addWidget(sbTicknessUp);
  steps->addWidget(sbTicknessDn);
  width->addLayout(steps);
  width->addStretch();
  auto* p = new QGridLayout(g);
  p->addWidget(Caption(g, QStringLiteral("Name")), 0, 0);
  p->addWidget(edSeriesName, 0, 1, 1, 2);
  p->addWidget(Caption(g, QStringLiteral("Style")), 1, 0);
  p->addWidget(cbSeriesStyle, 1, 1, 1, 2);
  p->addWidget(Caption(g, QStringLiteral("Line Style")), 2, 0);
  p->addWidget(cbSeriesLineStyle, 2, 1, 1, 2);
  p->addWidget(Caption(g, QStringLiteral("Line Width")), 3, 0);
  p->addLayout(width, 3, 1);
  p->addWidget(btSeriesMarkers, 4, 0);
  p->addWidget(btSeriesColor, 4, 1);
  p->addWidget(btSeriesEditData, 4, 2);
  p->addWidget(chbXAxis2, 5, 0, 1, 3);
  p->addWidget(chbYAxis2, 6, 0, 1, 3);
  p->setRowStretch(7, 1);

  auto* side = new QVBoxLayout;
  side->addWidget(order);
  side->addWidget(btSeriesDelete);
  side->addWidget(btAdd);
  side->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(clSeries, 1);
  layout->addLayout(side);
  layout->addWidget(gbSeriesProperties, 2);
}

void TSeriesPage::Connect()
{
  connect(clSeries, &QListWidget::itemSelectionChanged, this, [this] { clSeriesClick(); });
  clSeries->OnClickCheck = [this](int index) { clSeriesClickCheck(index); };
  connect(btnTop, &QPushButton::clicked, this, [this] { Reorder(kTop); });
  connect(btnUp, &QPushButton::clicked, this, [this] { Reorder(kUp); });
  connect(btnDown, &QPushButton::clicked, this, [this] { Reorder(kDown); });
  connect(btnBottom, &QPushButton::clicked, this, [this] { Reorder(kBottom); });
  connect(btSeriesDelete, &QPushButton::clicked, this, [this] { btSeriesDeleteClick(); });
  connect(cbSeriesStyle, &QComboBox::activated, this, [this](int item) { cbSeriesStyleChange(item); });
  connect(cbSeriesLineStyle, &QComboBox::activated, this, [this](int item) {
    const int row = clSeries->currentRow();
    if (d_.Filling || row < 0)
      return;
    EntrySeries(row)->SetLineStyle(item);
    UpdateLegendEntry(*EntrySeries(row));
    MarkAndApply();
  });
  connect(sbTicknessUp, &QToolButton::clicked, this, [this] { StepLineWidth(1); });
  connect(sbTicknessDn, &QToolButton::clicked, this, [this] { StepLineWidth(-1); });
  connect(edSeriesName, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int row = SelectedSeriesIndex();
    if (d_.Filling || row < 0)
      return;
    EntrySeries(row)->Name = text;
    clSeries->item(row)->setText(text);
  });
  const auto nameDone = [this] {
    const int row = clSeries->currentRow();
    if (row < 0)
      return;
    UpdateLegendEntry(*EntrySeries(row));
    MarkAndApply();
  };
  d_.OnExit(edSeriesName, nameDone);
  d_.OnEnter(edSeriesName, nameDone);
  connect(btSeriesMarkers, &QPushButton::clicked, this, [this] { btSeriesMarkersClick(); });
  connect(btSeriesColor, &QPushButton::clicked, this, [this] { btSeriesColorClick(); });
  connect(btSeriesEditData, &QPushButton::clicked, this, [this] { btSeriesEditDataClick(); });
  connect(btAdd, &QPushButton::clicked, this, [this] { btAddClick(); });
  connect(chbXAxis2, &QCheckBox::clicked, this, [this](bool on) { SecondAxisClick(true, on); });
  connect(chbYAxis2, &QCheckBox::clicked, this, [this](bool on) { SecondAxisClick(false, on); });
}

void TSeriesPage::MarkAndApply()
{
  d_.MarkChanged();
  d_.ApplyIfLive();
}

bool TSeriesPage::Fill()
{
  bool matrix = false;
  for (const auto& layer : d_.Graph->Layers)
    if (auto* series = dynamic_cast<TSeries*>(layer.get()); series && series->IsMatrixSeries())
      matrix = true;
  while (cbSeriesStyle->count() > kStyles.size())
    cbSeriesStyle->removeItem(cbSeriesStyle->count() - 1);
  if (matrix)
    cbSeriesStyle->addItem(kMatrix);
  RebuildList();
  return !entries_.empty();
}

void TSeriesPage::RebuildList()
{
  const bool filling = d_.Filling;
  d_.Filling = true;
  clSeries->clear();
  entries_.clear();
  const auto& layers = d_.Graph->Layers;
  for (auto it = layers.rbegin(); it != layers.rend(); ++it)
    if (auto* series = dynamic_cast<TSeries*>(it->get())) {
      entries_.push_back(series);
      clSeries->AddItem(series->Name, series->GetVisible());
    }
  d_.Filling = filling;
}

std::vector<int> TSeriesPage::SelectedRows() const
{
  std::vector<int> rows;
  for (int i = 0; i < clSeries->count(); ++i)
    if (clSeries->Selected(i))
      rows.push_back(i);
  return rows;
}

std::vector<TSeries*> TSeriesPage::SelectedSeries() const
{
  std::vector<TSeries*> series;
  for (int row : SelectedRows())
    series.push_back(EntrySeries(row));
  return series;
}

int TSeriesPage::SelectedSeriesIndex() const
{
  const std::vector<int> rows = SelectedRows();
  return rows.size() == 1 ? rows.front() : -1;
}

void TSeriesPage::UpdateLegendEntry(TSeries& series)
{
  plot::TWLegend& legend = *d_.Graph->Legend;
  const int index = legend.IndexOfSeries(&series);
  if (index == -1)
    return;
  if (auto* entry = dynamic_cast<TSeriesLegend*>(legend.Entry(index)))
    series.UpdateLegend(*entry);
}

void TSeriesPage::ShowLineControls(int style)
{
  const bool line = HasLine(style);
  cbSeriesLineStyle->setEnabled(line);
  sbTicknessUp->setEnabled(line);
  sbTicknessDn->setEnabled(line);
  if (!line)
    cbSeriesLineStyle->setCurrentIndex(-1);
}

void TSeriesPage::clSeriesClick()
{
  if (d_.Filling)
    return;
  ShowSelectionControls();
  if (d_.SeriesStyleDisabled)
    cbSeriesStyle->setEnabled(false);
}

void TSeriesPage::ShowSelectionControls()
{
  const int row = SelectedSeriesIndex();
  if (row < 0) {
    gbSeriesProperties->setEnabled(true);
    edSeriesName->clear();
    cbSeriesStyle->setCurrentIndex(-1);
    cbSeriesLineStyle->setCurrentIndex(-1);
    Edit1->setText(QStringLiteral("1"));
    for (QWidget* w : std::initializer_list<QWidget*>{cbSeriesLineStyle, sbTicknessUp, sbTicknessDn, btnUp,
                                                      cbSeriesStyle})
      w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{btnTop, btnDown, btnBottom, btSeriesColor, btSeriesEditData})
      w->setEnabled(false);
    return;
  }
  TSeries& series = *EntrySeries(row);
  const bool filling = d_.Filling;
  d_.Filling = true;
  chbXAxis2->setChecked(series.GetOnX2());
  chbYAxis2->setChecked(series.GetOnY2());
  edSeriesName->setText(series.Name);
  d_.Filling = filling;
  for (QPushButton* b : {btnTop, btnUp, btnDown, btnBottom})
    b->setEnabled(!d_.SeriesOrderDisabled);
  btSeriesMarkers->setEnabled(true);
  btSeriesColor->setEnabled(true);
  const bool matrix = series.GetStyle() == plot::kStyleMatrix;
  for (QWidget* w : std::initializer_list<QWidget*>{btAdd, btSeriesEditData, btSeriesColor, cbSeriesLineStyle,
                                                    sbTicknessUp, sbTicknessDn, cbSeriesStyle})
    w->setEnabled(!matrix);
  if (!matrix)
    btSeriesDelete->setEnabled(true);
  const int style = series.GetStyle();
  ShowLineControls(style);
  if (HasLine(style)) {
    cbSeriesLineStyle->setCurrentIndex(series.LineStyle);
    Edit1->setText(QString::number(series.GetLineWidthPixels()));
  }
  if (HasSymbols(style) || matrix) {
    btSeriesMarkers->setEnabled(true);
    btSeriesColor->setEnabled(style != plot::kStylePoints && !matrix);
  } else {
    btSeriesMarkers->setEnabled(false);
  }
  cbSeriesStyle->setCurrentIndex(style - 1);
}

void TSeriesPage::clSeriesClickCheck(int index)
{
  if (d_.Filling)
    return;
  clSeries->SetSelected(index, true);
  clSeriesClick();
  const bool visible = clSeries->Checked(index);
  const bool filling = d_.Filling;
  d_.Filling = true;
  for (int row : SelectedRows()) {
    TSeries& series = *EntrySeries(row);
    series.SetVisible(visible);
    clSeries->SetChecked(row, visible);
    series.SetOnX2(chbXAxis2->isChecked());
    series.SetOnY2(chbYAxis2->isChecked());
  }
  d_.Filling = filling;
  MarkAndApply();
}

void TSeriesPage::Reorder(int how)
{
  const int row = SelectedSeriesIndex();
  const int last = clSeries->count() - 1;
  if (row < 0 || (row == 0 && (how == kTop || how == kUp))) {
    platform::MessageDlg(QStringLiteral("Select series for reorder"), platform::mtWarning, platform::mbOK);
    return;
  }
  if (row == last && (how == kDown || how == kBottom))
    return;
  auto& layers = d_.Graph->Layers;
  const auto at = [&](const TSeries* s) {
    return std::find_if(layers.begin(), layers.end(), [s](const auto& l) { return l.get() == s; });
  };
  TSeries* series = EntrySeries(row);
  int selectRow = row;
  if (how == kUp || how == kDown) {
    selectRow = how == kUp ? row - 1 : row + 1;
    std::iter_swap(at(series), at(EntrySeries(selectRow)));
  } else {
    auto it = at(series);
    std::unique_ptr<plot::TLayer> moved = std::move(*it);
    layers.erase(it);
    if (how == kTop) {
      layers.push_back(std::move(moved));
      selectRow = 0;
    } else {
      layers.insert(layers.begin(), std::move(moved));
      selectRow = last;
    }
  }
  RebuildList();
  clSeries->setCurrentRow(selectRow);
  clSeries->clearSelection();
  clSeries->SetSelected(selectRow, true);
  MarkAndApply();
}

void TSeriesPage::btSeriesDeleteClick()
{
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) {
    platform::MessageDlg(QStringLiteral("Select series for delete"), platform::mtWarning, platform::mbOK);
    return;
  }
  if (platform::MessageDlg(QStringLiteral("Do you really want to delete series?"), platform::mtWarning,
                           platform::mbOK | platform::mbCancel) != platform::mrOk)
    return;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    TSeries* series = EntrySeries(*it);
    d_.Graph->DeleteLayer(d_.Graph->IndexOfLayer(series));
    entries_.erase(entries_.begin() + *it);
    delete clSeries->takeItem(*it);
  }
  MarkAndApply();
}

void TSeriesPage::cbSeriesStyleChange(int item)
{
  const int code = item + 1;
  const std::vector<TSeries*> selected = SelectedSeries();
  for (TSeries* series : selected) {
    // Only matrix series take or keep the matrix style.
    if ((code == plot::kStyleMatrix) != series->IsMatrixSeries())
      continue;
    if (IsBar(series->GetStyle()) && item < 4)
      series->SetMarkerSize(6);
    series->SetStyle(code);
  }
  ShowLineControls(code);
  if (HasSymbols(code)) {
    const bool one = selected.size() == 1;
    btSeriesMarkers->setEnabled(one);
    btSeriesColor->setEnabled(one && code != plot::kStylePoints);
  } else {
    btSeriesMarkers->setEnabled(false);
  }
  for (TSeries* series : entries_)
    UpdateLegendEntry(*series);
  MarkAndApply();
}

void TSeriesPage::StepLineWidth(int delta)
{
  int width = TextToInt(Edit1->text(), 1);
  if (delta < 0 && width <= 1)
    return;
  width += delta;
  Edit1->setText(QString::number(width));
  for (TSeries* series : SelectedSeries()) {
    series->SetLineWidth(width);
    UpdateLegendEntry(*series);
  }
  MarkAndApply();
}

void TSeriesPage::btSeriesMarkersClick()
{
  const int row = clSeries->currentRow();
  if (row < 0)
    return;
  TSeries& series = *EntrySeries(row);
  const std::vector<TSeries*> selected = SelectedSeries();
  {
    TfmMarkerStyle markers(&d_);
    markers.EditSeries(series, selected);
  }
  if (selected.size() > 1)
    for (TSeries* other : selected) {
      other->SetMarkerStyle(series.GetMarkerStyle());
      other->SetMarkerSize(series.GetBarSymbolWidth());
    }
  UpdateLegendEntry(series);
  MarkAndApply();
}

void TSeriesPage::btSeriesColorClick()
{
  const int row = SelectedSeriesIndex();
  if (d_.Filling || row < 0)
    return;
  TSeries& series = *EntrySeries(row);
  platform::TColor color = series.GetColor();
  if (!ChooseColor(color))
    return;
  series.SetColor(color);
  UpdateLegendEntry(series);
  MarkAndApply();
}

void TSeriesPage::btSeriesEditDataClick()
{
  const int row = SelectedSeriesIndex();
  if (row < 0)
    return;
  TSeries& series = *EntrySeries(row);
  TfmGraphImport data(&d_);
  if (data.EditSeries(*d_.Graph, &series))
    d_.ApplyIfLive();
  clSeries->item(row)->setText(series.Name);
  UpdateLegendEntry(series);
  MarkAndApply();
}

void TSeriesPage::btAddClick()
{
  TfmGraphImport data(&d_);
  if (!data.EditSeries(*d_.Graph, nullptr))
    return;
  // The new series gets its entry at once.
  RebuildList();
  MarkAndApply();
}

void TSeriesPage::SecondAxisClick(bool x, bool on)
{
  if (d_.Filling)
    return;
  for (TSeries* series : SelectedSeries()) {
    if (x)
      series->SetOnX2(on);
    else
      series->SetOnY2(on);
  }
  MarkAndApply();
}

}  // namespace plotui
