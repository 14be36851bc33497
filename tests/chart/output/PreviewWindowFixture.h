#pragma once
// The chart preview opened over a recognisable test panel on the "PDF file" printer (A4 portrait at
// 600 dpi until the preview turns it): the controls by name, what reaches the screen, printed text.

#include "chart/output/ChartPreview.h"
#include "chart/output/PreviewPage.h"
#include "platform/ModalRun.h"
#include "platform/Printer.h"
#include "tests/chart/panel/TestPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace chart::testing {

class PreviewWindowTest : public ::testing::Test {
public:
  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    platform::TPrinter& printer = platform::Printer();
    printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
    printer.SetFileName(Pdf());
    printer.SetPaperSize(QPageSize::A4);
    printer.SetOrientation(platform::TPrinterOrientation::poPortrait);
    printer.SetResolution(600);
    panel.setObjectName(QStringLiteral("Chart1"));
  }

  // Opens the preview over the panel; action works in it, then "Close" is pressed if still open.
  void Preview(const std::function<void(TChartPreview&)>& action)
  {
    platform::ModalScript script([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
    script.Act([&](platform::Form& form) {
      auto& window = dynamic_cast<TChartPreview&>(form);
      Settle(window);
      action(window);
      if (window.ModalResult() == platform::mrNone)
        Find<QAbstractButton>(window, "BClose").click();
    });
    ShowChartPreview(nullptr, panel);
    EXPECT_EQ(script.StepsLeft(), 0);
  }

  template <typename Control>
  static Control& Find(QWidget& window, const char* name)
  {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control)
      throw std::logic_error(std::string("no control ") + name);
    return *control;
  }

  static void Settle(QWidget& window)
  {
    for (int i = 0; i < 3; ++i)
      QApplication::processEvents();
    window.repaint();
  }

  // The page as it is on the screen, in the page's coordinates.
  static QImage ShownPage(TChartPreview& window)
  {
    Settle(window);
    const QPixmap shown = window.windowHandle()->screen()->grabWindow(window.winId());
    const QWidget& page = window.Page();
    const QPoint at = page.mapTo(&window, QPoint(0, 0));
    return shown.toImage().copy(QRect(at, page.size())).convertToFormat(QImage::Format_RGB32);
  }

  static platform::TColor At(const QImage& image, int x, int y)
  {
    return platform::FromQColor(QColor(image.pixel(x, y)));
  }

  // Pixels of a colour in a column between two rows.
  static int CountInColumn(const QImage& image, int x, int top, int bottom, platform::TColor color)
  {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      count += At(image, x, y) == color;
    return count;
  }

  QString Pdf(const QString& name = QStringLiteral("chart.pdf")) const { return folder.filePath(name); }

  // The height of the first word of the panel's label on the printed page, in points.
  double PrintedLabelHeight(const QString& pdf) const
  {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        QString::fromLatin1("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">Panel<"));
    const QRegularExpressionMatch match = word.match(html);
    if (!match.hasMatch())
      return 0;
    return match.captured(2).toDouble() - match.captured(1).toDouble();
  }

  QTemporaryDir folder;
  TTestPanel panel;
};

}  // namespace chart::testing
