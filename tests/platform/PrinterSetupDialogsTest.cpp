#include "platform/CommonDialogs.h"
#include "platform/PrinterSetupDialogs.h"
#include "ScriptReporter.h"

#include <QFont>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(CommonDialogsScripted, ColourAndFontDialogsTakeTheScriptsChoiceAndKeepTheirsOnCancel)
{
  ModalScript script(testing::FailTest());
  TColorDialog colour;
  colour.Color = clBlue;
  script.PickColor(clRed).PressOn(ModalKind::ColorDialog, mrCancel);
  EXPECT_TRUE(colour.Execute());
  EXPECT_EQ(colour.Color, clRed);
  EXPECT_FALSE(colour.Execute());
  EXPECT_EQ(colour.Color, clRed);

  TFontDialog font;
  const QFont mono(QStringLiteral("Liberation Mono"), 12);
  script.PickFont(mono, clMaroon).Dismiss(ModalKind::FontDialog);
  EXPECT_TRUE(font.Execute());
  EXPECT_EQ(font.Font, mono);
  EXPECT_EQ(font.Color, clMaroon);
  EXPECT_FALSE(font.Execute());
  EXPECT_EQ(font.Font, mono);

  // A step for one dialog does not answer another.
  QStringList reports;
  ModalScript wrong([&](const QString& message) { reports << message; });
  wrong.PickFont(mono);
  EXPECT_FALSE(colour.Execute());
  EXPECT_EQ(reports.size(), 1);
}

class PrinterSetupTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    printer.SetPrinterIndex(int(printer.Printers().indexOf(kPdfPrinterName)));
  }
  TPrinter printer;
};

TEST_F(PrinterSetupTest, PrinterSetUpGivesThePrinterTheChosenPaperOrientationAndCopiesOnOkOnly)
{
  ModalScript script(testing::FailTest());
  TPrinterSetupDialog setup;
  setup.Target = &printer;
  QPageSize::PageSizeId offered = QPageSize::A0;
  script.Edit<TPrinterSetupDialog>([&](TPrinterSetupDialog& d) {
    offered = d.PaperSize;  // the printer's own settings come in
    d.PaperSize = QPageSize::Letter;
    d.Orientation = TPrinterOrientation::poLandscape;
    d.Copies = 2;
  });
  ASSERT_TRUE(setup.Execute());
  EXPECT_EQ(offered, QPageSize::A4);
  EXPECT_EQ(printer.PaperSize(), QPageSize::Letter);
  EXPECT_EQ(printer.Orientation(), TPrinterOrientation::poLandscape);
  EXPECT_EQ(printer.Copies(), 2);
  EXPECT_GT(printer.PageWidth(), printer.PageHeight());
  EXPECT_EQ(printer.PrinterName(), kPdfPrinterName);

  script.Edit<TPrinterSetupDialog>([](TPrinterSetupDialog& d) { d.Copies = 9; }, mrCancel);
  EXPECT_FALSE(setup.Execute());
  EXPECT_EQ(printer.Copies(), 2);
}

TEST_F(PrinterSetupTest, PageSetUpKeepsMarginsThatLeaveRoomAndRefusesOthers)
{
  ModalScript script(testing::FailTest());
  TPageSetupDialog page;
  page.Target = &printer;
  EXPECT_EQ(page.Margins, (TPageMargins{25, 12, 12, 12}));
  script.Edit<TPageSetupDialog>([](TPageSetupDialog& d) {
    d.Margins = {20, 15, 10, 30};
    d.Orientation = TPrinterOrientation::poLandscape;
  });
  ASSERT_TRUE(page.Execute());
  EXPECT_EQ(page.Margins, (TPageMargins{20, 15, 10, 30}));
  EXPECT_EQ(printer.Orientation(), TPrinterOrientation::poLandscape);

  // A4 upright is 210 by 297 mm: margins must leave some of it, and none may be negative.
  const TPageMargins refused[] = {{110, 10, 100, 10}, {10, 150, 10, 147}, {-1, 10, 10, 10}};
  for (const TPageMargins& m : refused) {
    script.Edit<TPageSetupDialog>([&](TPageSetupDialog& d) {
      d.Margins = m;
      d.Orientation = TPrinterOrientation::poPortrait;
    });
    script.ExpectMessage(QString::fromLatin1(kMarginsLeaveNoRoom), mrOk);
    EXPECT_FALSE(page.Execute());
    EXPECT_EQ(page.Margins, (TPageMargins{20, 15, 10, 30}));
    EXPECT_EQ(printer.Orientation(), TPrinterOrientation::poLandscape);
  }
  EXPECT_EQ(script.StepsLeft(), 0);
}

}  // namespace
}  // namespace platform
