#include "platform/FileDialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTreeView>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(FileDialogColumns, SizeAndTypeShowWhole)
{
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile file(dir.filePath(QStringLiteral("a rather long file name for the name column.TXT")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(299, 'x'));
  file.close();

  QFileDialog dialog(nullptr, QStringLiteral("Open"), dir.path());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setViewMode(QFileDialog::Detail);
  dialog.resize(420, 300);
  SizeDetailColumns(dialog);
  dialog.show();
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  ASSERT_NE(view, nullptr);
  for (int i = 0; i < 50 && view->model()->rowCount(view->rootIndex()) == 0; ++i)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  ASSERT_GT(view->model()->rowCount(view->rootIndex()), 0);
  QApplication::processEvents();
  const QHeaderView& header = *view->header();
  for (int column = 1; column < header.count(); ++column) {
    SCOPED_TRACE(column);
    if (header.isSectionHidden(column))
      continue;
    EXPECT_EQ(header.sectionResizeMode(column), QHeaderView::ResizeToContents);
    const QString shown = view->model()->index(0, column, view->rootIndex()).data().toString();
    EXPECT_GT(header.sectionSize(column), view->fontMetrics().horizontalAdvance(shown)) << shown.toStdString();
  }
}

}  // namespace
}  // namespace platform
