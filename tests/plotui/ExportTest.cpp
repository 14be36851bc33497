// "Export": number format, padding, the preview driven through the window, file and clipboard.
#include "PlotFixture.h"

#include "plotui/data/ExportDialog.h"

#include "platform/ClipboardText.h"
#include "platform/ModalRun.h"
#include "platform/RadioGroup.h"
#include "tests/support/FullDisk.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"
#include "tests/support/ScratchFile.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

using testing_support::Click;

TEST(ExportText, NumbersHaveNineDigitsAndAPointWhateverTheLocale)
{
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {1, "1"},
      {2.5, "2.5"},
      {-2.5, "-2.5"},
      {0, "0"},
      {-0.0, "0"},
      {1E-7, "1E-7"},
      {0.00001, "0.00001"},
      {0.0000099999, "9.9999E-6"},
      {1.0 / 3, "0.333333333"},
      {2.0 / 3, "0.666666667"},
      {123456789, "123456789"},
      {1234567890, "1.23456789E9"},
      {999999999.6, "1E9"},
      {1E20, "1E20"},
      {-1.5E-300, "-1.5E-300"},
      {12345.678949, "12345.6789"},
      {0.000123456789012, "0.000123456789"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExportNumber(c.value), QString::fromLatin1(c.text)) << c.text;
  QLocale::setDefault(saved);
}

TEST(ExportText, AutomaticPaddingEndsShortTextsAt30MinusTwiceTheirLengthAndLongOnesAt16)
{
  const struct {
    int length;
    int padded;
  } cases[] = {{0, 30}, {1, 28}, {5, 20}, {9, 12}, {10, 16}, {12, 16}, {16, 16}, {20, 20}};
  for (const auto& c : cases) {
    const QString text(c.length, QLatin1Char('7'));
    const QString padded = PadAuto(text);
    EXPECT_EQ(padded.size(), c.padded) << c.length;
    EXPECT_TRUE(padded.startsWith(text));
    EXPECT_EQ(padded.mid(c.length).trimmed(), QString());
  }
}

struct TExportFixture : TPlotFixture {
  TExportFixture()
  {
    chart->Graph->XAxis->Name = QStringLiteral("X");
    chart->Graph->YAxis->Name = QStringLiteral("Y");
    AddSeries("S", plot::kStyleLine, platform::clBlue, {{1, 2.5}, {2, 1E-7}});
    AddSeries("T", plot::kStyleLine, platform::clRed, {{3, 4}});
  }

  static QStringList Preview(const TfmExports& d)
  {
    QStringList lines;
    for (int i = 0; i < d.Memo1->count(); ++i)
      lines.append(d.Memo1->item(i)->text());
    return lines;
  }

  static void ClickItem(QListWidget& list, const QString& text)
  {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    testing_support::ClickAt(*list.viewport(), list.visualItemRect(found[0]).center());
  }

  // A click on the box's indicator, as the user makes it.
  static void Tick(QAbstractButton& box) { testing_support::ClickAt(box, QPointF(7, box.height() / 2.0)); }

  static void Retype(QLineEdit& edit, const QString& text)
  {
    edit.setFocus();
    edit.selectAll();
    testing_support::PressKey(edit, Qt::Key_Delete);
    testing_support::TypeText(edit, text);
    testing_support::PressEnter(edit);
  }

  // Runs the window on the plot with the action; the messages it raises are answered after it.
  void Run(const std::function<void(TfmExports&)>& action, const QStringList& messages = {})
  {
    platform::ModalScript script;
    script.Act([&](platform::Form& form) { action(dynamic_cast<TfmExports&>(form)); });
    for (const QString& message : messages)
      script.ExpectMessage(message, platform::mrOk);
    TfmExports dialog;
    dialog.Execute(*chart);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
};

TEST(ExportWindow, PreviewFollowsEveryOption)
{
  TExportFixture f;
  f.Run(
      [&](TfmExports& d) {
        EXPECT_EQ(d.windowTitle(), "Export");
        ASSERT_EQ(d.clSeries->count(), 2);
        EXPECT_EQ(d.clSeries->item(0)->text(), "T");  // the last layer first
        EXPECT_EQ(d.Memo1->count(), 0);
        f.ClickItem(*d.clSeries, "S");
        EXPECT_EQ(f.Preview(d), QStringList({"S", "X\tY", "1\t2.5", "2\t1E-7", ""}));

        f.Tick(*d.rgDelimiters->Button(0));  // Automatic
        const QString one = QStringLiteral("1") + QString(27, QLatin1Char(' ')) + QStringLiteral(" 2.5");
        EXPECT_EQ(f.Preview(d).at(2), one);

        f.Tick(*d.rgDelimiters->Button(2));  // Comma
        f.Retype(*d.edXColumn, "2");  // "2", "2" on the way: the message
        EXPECT_EQ(f.Preview(d), QStringList({"S"}));
        f.Retype(*d.edYColumn, "1");
        EXPECT_EQ(f.Preview(d), QStringList({"S", "Y,X", "2.5,1", "1E-7,2", ""}));

        f.Tick(*d.chName);
        f.ClickItem(*d.clSeries, "T");
        EXPECT_EQ(f.Preview(d), QStringList({"Y,X", "4,3", "", "Y,X", "2.5,1", "1E-7,2", ""}));

        // Only Y checked: the Y name alone, then the points.
        f.Tick(*d.chXAxis);
        f.ClickItem(*d.clSeries, "T");
        EXPECT_EQ(f.Preview(d), QStringList({"Y", "2.5,1", "1E-7,2", ""}));

        f.Tick(*d.rgDelimiters->Button(5));  // User define: the whole text separates
        EXPECT_TRUE(d.edUserDefine->isEnabled());
        EXPECT_EQ(d.edUserDefine->text(), "");
        testing_support::TypeText(*d.edUserDefine, " ; ");
        testing_support::PressEnter(*d.edUserDefine);
        EXPECT_EQ(f.Preview(d).at(1), "2.5 ; 1");

        // An empty user text falls back to Comma.
        f.Tick(*d.rgDelimiters->Button(3));
        f.Tick(*d.rgDelimiters->Button(5));
        testing_support::PressEnter(*d.edUserDefine);
        EXPECT_EQ(d.rgDelimiters->ItemIndex(), 2);
        EXPECT_EQ(d.edUserDefine->text(), "(none)");
        EXPECT_FALSE(d.edUserDefine->isEnabled());
        EXPECT_EQ(f.Preview(d).at(1), "2.5,1");
        Click(*d.btClose);
      },
      {QString::fromLatin1(kExportColumnMessage)});
}

TEST(ExportWindow, EqualColumnsStopThePreviewWithTheMessageOnlyWhenBothAxisLinesAreAsked)
{
  TExportFixture f;
  f.Run(
      [&](TfmExports& d) {
        f.ClickItem(*d.clSeries, "S");
        f.Retype(*d.edYColumn, "1");
        EXPECT_EQ(f.Preview(d), QStringList({"S"}));
        EXPECT_EQ(d.focusWidget(), d.edXColumn);
        f.Tick(*d.chYAxis);
        EXPECT_FALSE(d.chYAxis->isChecked());
        EXPECT_EQ(f.Preview(d), QStringList({"S", "X", ""}));
        Click(*d.btClose);
      },
      {QString::fromLatin1(kExportColumnMessage)});
}

TEST(ExportWindow, FileAndClipboardReceiveThePreviewLinesAndAFullDiskSaysSo)
{
  TExportFixture f;
  const QString path = testsupport::ScratchPath("export.txt");
  const QByteArray expected("S\r\nX\tY\r\n1\t2.5\r\n2\t1E-7\r\n\r\n");
  const testsupport::FullDisk disk;
  const QString full = QString::fromStdString(disk.Path("export.txt"));
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    auto& d = dynamic_cast<TfmExports&>(form);
    f.ClickItem(*d.clSeries, "S");
    Click(*d.btFile);
    Click(*d.btClipboard);
    if (disk.Mounted()) {
      disk.Fill();
      Click(*d.btFile);
    }
    Click(*d.btClose);
  });
  script.Choose(path);
  if (disk.Mounted())
    script.Choose(full).ExpectMessage(QStringLiteral("Can not create file ") + full, platform::mrOk);
  TfmExports dialog;
  dialog.Execute(*f.chart);
  EXPECT_EQ(script.StepsLeft(), 0);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), expected);
  EXPECT_EQ(platform::ClipboardText(), std::optional<std::string>(expected.toStdString()));
  if (disk.Mounted()) {
    EXPECT_FALSE(QFile::exists(full));
  }
}

}  // namespace
}  // namespace plotui::test
