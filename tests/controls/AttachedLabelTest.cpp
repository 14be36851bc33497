#include "controls/editor/Controller.h"
#include "controls/editor/Editor.h"
#include "controls/editor/Exceptions.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace controls {
namespace {

struct LabelledForm {
  LabelledForm()
  {
    editor->setObjectName(QStringLiteral("OE"));
    editor->setGeometry(20, 50, 200, 100);
    form.resize(300, 300);
    form.show();
  }
  QWidget form;
  TOvcController controller{&form};
  TOvcCustomEditor* editor = new TOvcCustomEditor(&form);
};

TEST(AttachedLabel, IsNamedAfterTheControlAndFollowsIt)
{
  LabelledForm f;
  QLabel taken(&f.form);
  taken.setObjectName(QStringLiteral("OELabel1"));
  EXPECT_THROW(f.editor->AttachedLabel(), EOvcException);

  f.editor->LabelInfo().SetVisible(true);
  TOvcAttachedLabel& label = f.editor->AttachedLabel();
  EXPECT_EQ(label.objectName(), QStringLiteral("OELabel2"));
  EXPECT_EQ(label.text(), QStringLiteral("OELabel2"));
  EXPECT_EQ(label.Control(), f.editor);
  EXPECT_EQ(label.pos(), QPoint(20, 50 - label.height()));

  f.editor->move(40, 80);
  EXPECT_EQ(label.pos(), QPoint(40, 80 - label.height()));
  f.editor->LabelInfo().SetOffsetX(5);
  f.editor->LabelInfo().SetBelow(true);
  EXPECT_EQ(label.pos(), QPoint(45, 80 + 100));

  f.editor->hide();
  EXPECT_FALSE(label.isVisible());
  f.editor->show();
  EXPECT_TRUE(label.isVisible());

  f.editor->LabelInfo().SetVisible(false);
  EXPECT_FALSE(f.editor->LabelInfo().Visible());
  EXPECT_THROW(f.editor->AttachedLabel(), EOvcException);
}

TEST(AttachedLabel, ALabelDeletedOnItsOwnIsForgotten)
{
  LabelledForm f;
  f.editor->LabelInfo().SetVisible(true);
  delete &f.editor->AttachedLabel();
  EXPECT_FALSE(f.editor->LabelInfo().Visible());
  f.editor->LabelInfo().SetVisible(true);
  EXPECT_EQ(f.editor->AttachedLabel().objectName(), QStringLiteral("OELabel1"));
}

TEST(AttachedLabel, AControlNameThatMakesNoIdentifierIsRefused)
{
  LabelledForm f;
  f.editor->setObjectName(QStringLiteral("1st"));
  EXPECT_THROW(f.editor->LabelInfo().SetVisible(true), EOvcException);
  EXPECT_FALSE(f.editor->LabelInfo().Visible());
}

}  // namespace
}  // namespace controls
