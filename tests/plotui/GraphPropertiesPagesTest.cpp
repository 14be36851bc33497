// The Series, Legends and Color Map pages and the keys of the properties dialog, driven through their controls.
#include "PlotFixture.h"

#include "plotui/data/ImportDialog.h"
#include "plotui/dialogs/MarkerStyleDialog.h"
#include "plotui/properties/ColorMapPage.h"
#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/LegendsPage.h"
#include "plotui/properties/SeriesPage.h"

#include "plot/contour/Contour.h"

#include "platform/CheckListBox.h"
#include "platform/ClipboardText.h"
#include "platform/ModalRun.h"
#include "platform/PageControl.h"
#include "platform/RadioGroup.h"
#include "platform/ToolBar.h"
#include "tests/support/KeyInput.h"
#include "tests/support/KeyStorm.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

using testing_support::Click;

TfmGraphProperties& Dialog(platform::Form& form) { return dynamic_cast<TfmGraphProperties&>(form); }

// A click on the box of a check box or radio button.
void ClickBox(QAbstractButton& box) { testing_support::ClickAt(box, QPointF(8, box.height() / 2.0)); }

// A click on the entry's text, with Ctrl to add it to the selection.
void ClickEntry(platform::TCheckListBox& list, int row, bool add = false)
{
  const QRect r = list.visualItemRect(list.item(row));
  const QPoint at(r.right() - 4, r.center().y());
  QMouseEvent press(QEvent::MouseButtonPress, at, list.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    add ? Qt::ControlModifier : Qt::NoModifier);
  QApplication::sendEvent(list.viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, add ? Qt::ControlModifier : Qt::NoModifier);
  QApplication::sendEvent(list.viewport(), &release);
}

QStringList Entries(const platform::TCheckListBox& list)
{
  QStringList names;
  for (int i = 0; i < list.count(); ++i)
    names << list.item(i)->text();
  return names;
}

// The names of the graph's layers from the first up; a contour shows as "#".
QStringList LayerNames(const plot::TGraph& graph)
{
  QStringList names;
  for (const auto& layer : graph.Layers)
    names << (dynamic_cast<const plot::TContour*>(layer.get()) ? QStringLiteral("#") : layer->Name);
  return names;
}

std::unique_ptr<plot::TContour> ColourMapLayer(plot::TGraph& graph)
{
  plot::TVector x(2), y(2);
  for (int i = 1; i <= 2; ++i) {
    x.SetValue(i, i - 1);
    y.SetValue(i, i - 1);
  }
  plot::TMatrix z(2, 2);
  z.SetValue(1, 1, 0);
  z.SetValue(1, 2, 1);
  z.SetValue(2, 1, 2);
  z.SetValue(2, 2, 3);
  return std::make_unique<plot::TContour>(graph, std::move(x), std::move(y), std::move(z), 5, true, false);
}

// Series a, a colour-map contour, b and c: the list shows c, b, a.
struct TLayersFixture : TPlotFixture {
  TLayersFixture()
  {
    AddSeries("a", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}});
    chart->AddLayer(ColourMapLayer(*chart->Graph));
    AddSeries("b", plot::kStyleLine, platform::clGreen, {{0, 1}, {1, 0}});
    AddSeries("c", plot::kStyleLine, platform::clBlue, {{0, 2}, {1, 2}});
    chart->SetLiveUpdate(true);
  }
};

TEST(GraphPropertiesSeries, OrderButtonsMoveOnlyTheChosenSeries)
{
  const struct {
    int row;
    const char* button;
    bool warns;
    QStringList entries;
    QStringList layers;
    int selected;
  } cases[] = {
      {0, "btnUp", true, {"c", "b", "a"}, {"a", "#", "b", "c"}, 0},
      {0, "btnTop", true, {"c", "b", "a"}, {"a", "#", "b", "c"}, 0},
      {2, "btnDown", false, {"c", "b", "a"}, {"a", "#", "b", "c"}, 2},
      {2, "btnBottom", false, {"c", "b", "a"}, {"a", "#", "b", "c"}, 2},
      {1, "btnUp", false, {"b", "c", "a"}, {"a", "#", "c", "b"}, 0},
      {1, "btnDown", false, {"c", "a", "b"}, {"b", "#", "a", "c"}, 2},
      {2, "btnTop", false, {"a", "c", "b"}, {"#", "b", "c", "a"}, 0},
      {0, "btnBottom", false, {"b", "a", "c"}, {"c", "a", "#", "b"}, 2},
  };
  for (const auto& c : cases) {
    TLayersFixture f;
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      ASSERT_TRUE(d.tsSeries->TabVisible());
      d.pcProperties->SelectPage("tsSeries");
      ClickEntry(*d.SeriesPage->clSeries, c.row);
      Click(*d.findChild<QPushButton*>(c.button));
      EXPECT_EQ(Entries(*d.SeriesPage->clSeries), c.entries) << c.button << c.row;
      EXPECT_EQ(d.SeriesPage->SelectedSeriesIndex(), c.selected) << c.button << c.row;
      Click(*d.btClose);
    });
    if (c.warns)
      script.ExpectMessage("Select series for reorder", platform::mrOk);
    f.chart->ShowProperties();
    EXPECT_EQ(LayerNames(*f.chart->Graph), c.layers) << c.button << c.row;
    EXPECT_EQ(script.StepsLeft(), 0) << c.button << c.row;
  }
}

TEST(GraphPropertiesSeries, DeletingTwoOfThreeLeavesOneEntryAndTheContour)
{
  TLayersFixture f;
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        TfmGraphProperties& d = Dialog(form);
        ClickEntry(*d.SeriesPage->clSeries, 0);
        ClickEntry(*d.SeriesPage->clSeries, 2, true);
        f.paints = 0;
        Click(*d.SeriesPage->btSeriesDelete);
        EXPECT_EQ(Entries(*d.SeriesPage->clSeries), QStringList{"b"});
        EXPECT_EQ(f.paints, 1);
        Click(*d.btClose);
      })
      .ExpectMessage("Do you really want to delete series?", platform::mrOk);
  f.chart->ShowProperties();
  EXPECT_EQ(LayerNames(*f.chart->Graph), (QStringList{"#", "b"}));
}

TEST(GraphPropertiesSeries, CheckingOneSelectedEntrySetsEverySelectedSeries)
{
  TLayersFixture f;
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    platform::TCheckListBox& list = *d.SeriesPage->clSeries;
    ClickEntry(list, 0);
    ClickEntry(list, 1, true);
    list.ClickCheck(1);
    EXPECT_FALSE(list.Checked(0));
    EXPECT_TRUE(list.Checked(2));
    Click(*d.btClose);
  });
  f.chart->ShowProperties();
  EXPECT_EQ(LayerNames(*f.chart->Graph), (QStringList{"a", "#", "b", "c"}));
  EXPECT_TRUE(f.chart->Graph->Layers[0]->GetVisible());
  EXPECT_FALSE(f.chart->Graph->Layers[2]->GetVisible());
  EXPECT_FALSE(f.chart->Graph->Layers[3]->GetVisible());
}

TEST(GraphPropertiesSeries, NameEditRenamesTheEntryAndTheLegendOnEnter)
{
  TPlotFixture f;
  TSeries& a = f.AddSeries("a", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}}, true);
  f.chart->SetLiveUpdate(true);
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    ClickEntry(*d.SeriesPage->clSeries, 0);
    QLineEdit& name = *d.SeriesPage->edSeriesName;
    EXPECT_EQ(name.text(), "a");
    name.setFocus();
    name.selectAll();
    testing_support::TypeText(name, "sin");
    EXPECT_EQ(d.SeriesPage->clSeries->item(0)->text(), "sin");
    EXPECT_EQ(f.chart->Graph->Legend->Entry(0)->Caption, "a");
    f.paints = 0;
    testing_support::PressEnter(name);
    EXPECT_EQ(f.chart->Graph->Legend->Entry(0)->Caption, "sin");
    EXPECT_EQ(f.paints, 1);
    Click(*d.btClose);
  });
  f.chart->ShowProperties();
  EXPECT_EQ(a.Name, "sin");
}

TEST(GraphPropertiesSeries, AddedSeriesGetsItsEntry)
{
  TPlotFixture f;
  f.AddSeries("a", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}});
  f.chart->SetLiveUpdate(true);
  platform::SetClipboardText("0 0\r\n10 10\r\n");
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        TfmGraphProperties& d = Dialog(form);
        f.paints = 0;
        Click(*d.SeriesPage->btAdd);
        EXPECT_EQ(Entries(*d.SeriesPage->clSeries), (QStringList{"New Series", "a"}));
        EXPECT_GE(f.paints, 1);
        Click(*d.btClose);
      })
      .Act([](platform::Form& form) {
        auto& data = dynamic_cast<TfmGraphImport&>(form);
        data.ToolBar->ClickButton("sbPaste");
        Click(*data.BitBtn1);
      });
  f.chart->ShowProperties();
  EXPECT_EQ(f.chart->Graph->GetLayerCount(), 2);
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST(GraphPropertiesSeries, SymbolsGoToEverySelectedSeries)
{
  TLayersFixture f;
  auto* c = dynamic_cast<TSeries*>(f.chart->Graph->Layers[3].get());
  auto* b = dynamic_cast<TSeries*>(f.chart->Graph->Layers[2].get());
  auto* a = dynamic_cast<TSeries*>(f.chart->Graph->Layers[0].get());
  a->SetMarkerStyle(2);
  for (TSeries* s : {a, b, c})
    s->SetStyle(plot::kStyleLineAndPoint);
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        TfmGraphProperties& d = Dialog(form);
        ClickEntry(*d.SeriesPage->clSeries, 0);
        ClickEntry(*d.SeriesPage->clSeries, 1, true);
        Click(*d.SeriesPage->btSeriesMarkers);
        Click(*d.btClose);
      })
      .Act([](platform::Form& form) {
        auto& markers = dynamic_cast<TfmMarkerStyle&>(form);
        markers.Markers->setCurrentRow(8);
        Click(*markers.btClose);
      });
  f.chart->ShowProperties();
  EXPECT_EQ(c->MarkerStyle, 8);
  EXPECT_EQ(b->MarkerStyle, 8);
  EXPECT_EQ(a->MarkerStyle, 2);
  EXPECT_EQ(script.StepsLeft(), 0);
}

// A series standing for matrix cells.
class TMatrixSeries : public TSeries {
public:
  using TSeries::TSeries;
  bool IsMatrixSeries() const override { return true; }
};

TEST(GraphPropertiesSeries, StyleGoesToTheSelectedSeriesOfItsKind)
{
  TPlotFixture f;
  TSeries& bar = f.AddSeries("bar", plot::kStyleBar, platform::clRed, {{0, 1}, {1, 2}});
  bar.SetMarkerSize(3);
  auto matrix = std::make_unique<TMatrixSeries>(*f.chart->Graph, "m", plot::kStyleMatrix, platform::clBlue);
  TSeries& m = *matrix;
  f.chart->AddLayer(std::move(matrix));
  const struct {
    const char* item;
    int barStyle;
    int matrixStyle;
  } cases[] = {{"Points", plot::kStylePoints, plot::kStyleMatrix}, {"Matrix", plot::kStylePoints, plot::kStyleMatrix},
               {"Line", plot::kStyleLine, plot::kStyleMatrix}};
  for (const auto& c : cases) {
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      QComboBox& style = *d.SeriesPage->cbSeriesStyle;
      ASSERT_EQ(style.itemText(style.count() - 1), "Matrix");
      ClickEntry(*d.SeriesPage->clSeries, 0);
      ClickEntry(*d.SeriesPage->clSeries, 1, true);
      style.setCurrentIndex(style.findText(c.item));
      emit style.activated(style.currentIndex());
      Click(*d.btClose);
    });
    f.chart->ShowProperties();
    EXPECT_EQ(bar.GetStyle(), c.barStyle) << c.item;
    EXPECT_EQ(m.GetStyle(), c.matrixStyle) << c.item;
  }
  // The bar took size 6 before it became points.
  EXPECT_EQ(bar.MarkerSize, 6);
}

TEST(GraphPropertiesLegends, ThicknessStopsAtOneAndEight)
{
  const struct {
    const char* text;
    bool up;
    const char* shown;
    int thickness;  // of the legend's frame afterwards (it starts at 4)
  } cases[] = {{"8", true, "8", 4}, {"1", false, "1", 4}, {"x", true, "8", 4},
               {"x", false, "1", 4}, {"4", true, "5", 5}, {"4", false, "3", 3}};
  for (const auto& c : cases) {
    TPlotFixture f;
    f.chart->Legend->SetFrameThickness(4);
    f.chart->SetLiveUpdate(true);
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      EXPECT_EQ(d.Legends->edFrameWidth->text(), "4");
      d.Legends->edFrameWidth->setText(c.text);
      f.paints = 0;
      Click(c.up ? *d.Legends->SpeedButton15 : *d.Legends->SpeedButton13);
      EXPECT_EQ(d.Legends->edFrameWidth->text(), c.shown) << c.text << c.up;
      EXPECT_EQ(f.paints, c.thickness == 4 ? 0 : 1) << c.text << c.up;
      Click(*d.btClose);
    });
    f.chart->ShowProperties();
    EXPECT_EQ(f.chart->Legend->FrameThickness(), c.thickness) << c.text << c.up;
  }
}

TEST(GraphPropertiesColorMap, ApplyAssignsBothLimitsOrNeither)
{
  const struct {
    const char* lo;
    const char* hi;
    const char* message;  // empty: none
    double scaleMin, scaleMax;
  } cases[] = {{"abc", "2.5", "'' is not a valid floating point value", 0.25, 2.75},
               {"0.5", "abc", "'' is not a valid floating point value", 0.25, 2.75},
               {"0.5", "-", "'-' is not a valid floating point value", 0.25, 2.75},
               {"0.5", "2.5", "", 0.5, 2.5}};
  for (const auto& c : cases) {
    TPlotFixture f;
    auto layer = ColourMapLayer(*f.chart->Graph);
    plot::TContour& contour = *layer;
    f.chart->AddLayer(std::move(layer));
    contour.ScaleMin = 0.25;
    contour.ScaleMax = 2.75;
    contour.LowerFixed = contour.UpperFixed = true;
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      ASSERT_TRUE(d.tsColorMap->TabVisible());
      TColorMapPage& page = *d.ColorMap;
      EXPECT_TRUE(page.ckLoColor->isChecked());
      EXPECT_TRUE(page.edHiColor->isEnabled());
      EXPECT_EQ(page.edHiColor->text(), "2.75");
      // Typed as the user types: letters are refused.
      for (auto [edit, text] : {std::pair{page.edLoColor, c.lo}, {page.edHiColor, c.hi}}) {
        edit->clear();
        testing_support::TypeText(*edit, QString::fromLatin1(text));
      }
      Click(*page.Button2);
      Click(*d.btClose);
    });
    if (*c.message)
      script.ExpectMessage(c.message, platform::mrOk);
    f.chart->ShowProperties();
    EXPECT_EQ(contour.ScaleMin, c.scaleMin) << c.lo << c.hi;
    EXPECT_EQ(contour.ScaleMax, c.scaleMax) << c.lo << c.hi;
    EXPECT_EQ(script.StepsLeft(), 0);
  }
}

TEST(GraphPropertiesColorMap, PaletteGroupOpensOnTheLayersPalette)
{
  TPlotFixture f;
  auto layer = ColourMapLayer(*f.chart->Graph);
  plot::TContour& contour = *layer;
  f.chart->AddLayer(std::move(layer));
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    EXPECT_EQ(d.ColorMap->rgPalette->ItemIndex(), 0);
    f.paints = 0;
    ClickBox(*d.ColorMap->rgPalette->Button(3));
    EXPECT_EQ(f.paints, 1);
    Click(*d.btClose);
  });
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    EXPECT_EQ(d.ColorMap->rgPalette->ItemIndex(), 3);
    EXPECT_EQ(d.ColorMap->rgPalette->Button(3)->text(), "Blue");
    Click(*d.btClose);
  });
  f.chart->ShowProperties();
  EXPECT_EQ(contour.Palette, 3);
  f.chart->ShowProperties();
}

TEST(GraphPropertiesKeys, EveryKeyOnEveryPageLeavesTheDialogWorking)
{
  TLayersFixture f;
  f.chart->SetLiveUpdate(false);
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    for (int i = 0; i < d.pcProperties->PageCount(); ++i) {
      platform::TTabSheet& sheet = d.pcProperties->Page(i);
      if (!sheet.TabVisible())
        continue;
      d.pcProperties->SetActivePage(&sheet);
      ClickEntry(*d.SeriesPage->clSeries, 0);
      testing_support::KeyStorm(sheet, {}, true);
    }
    ASSERT_TRUE(d.isVisible());
    f.paints = 0;
    Click(*d.btClose);
    EXPECT_LE(f.paints, 1);
  });
  f.chart->ShowProperties();
  EXPECT_EQ(script.StepsLeft(), 0);
}

}  // namespace
}  // namespace plotui::test
