#include "plotui/properties/TitlesPage.h"

#include "plotui/Plot.h"
#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/PropertiesWidgets.h"

#include "plot/graph/Graph.h"
#include "plot/parts/Title.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace plotui {

namespace {

const QStringList kAlignments{QStringLiteral("Left Justify"), QStringLiteral("Right Justify"),
                              QStringLiteral("Center")};
const QStringList kStyles{QStringLiteral("None"), QStringLiteral("Lowered"), QStringLiteral("Raised")};

QPlainTextEdit* Memo(QWidget* parent, const char* name)
{
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QLatin1String(name));
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setTabChangesFocus(true);
  return memo;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& caption, QPlainTextEdit* memo,
                 QComboBox* alignment, QCheckBox* visible, QPushButton* font, QComboBox* style)
{
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(QLatin1String(name));
  for (QWidget* w : std::initializer_list<QWidget*>{memo, alignment, visible, font, style})
    w->setParent(group);
  auto* g = new QGridLayout(group);
  g->addWidget(memo, 0, 0, 4, 1);
  g->addWidget(Caption(group, QStringLiteral("Alignment")), 0, 1);
  g->addWidget(alignment, 0, 2);
  g->addWidget(Caption(group, QStringLiteral("Shadow")), 1, 1);
  g->addWidget(style, 1, 2);
  g->addWidget(visible, 2, 1);
  g->addWidget(font, 2, 2);
  g->setColumnStretch(0, 1);
  return group;
}

}  // namespace

TTitlesPage::TTitlesPage(TfmGraphProperties& dialog, QWidget* parent) : QWidget(parent), d_(dialog)
{
  mmTitle = Memo(this, "mmTitle");
  cbTitleAlignment = NamedCombo(this, "cbTitleAlignment", kAlignments);
  chTitleVisible = NamedCheck(this, "chTitleVisible", QStringLiteral("Visible"));
  btTitleFont = NamedButton(this, "btTitleFont", QStringLiteral("Font..."));
  cbTitleStyle = NamedCombo(this, "cbTitleStyle", kStyles);
  mmFoot = Memo(this, "mmFoot");
  cbFootAlignment = NamedCombo(this, "cbFootAlignment", kAlignments);
  chFootVisible = NamedCheck(this, "chFootVisible", QStringLiteral("Visible"));
  btFootVisible = NamedButton(this, "btFootVisible", QStringLiteral("Font..."));
  cbFootStyle = NamedCombo(this, "cbFootStyle", kStyles);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Group(this, "gbTitle", QStringLiteral("Title"), mmTitle, cbTitleAlignment, chTitleVisible,
                          btTitleFont, cbTitleStyle));
  layout->addWidget(Group(this, "GroupBox4", QStringLiteral("Footer"), mmFoot, cbFootAlignment, chFootVisible,
                          btFootVisible, cbFootStyle));
  Connect(true);
  Connect(false);
}

void TTitlesPage::Connect(bool title)
{
  QPlainTextEdit* memo = title ? mmTitle : mmFoot;
  const auto titles = [this, title]() -> TPlotTitles& { return title ? *d_.Plot->Title : *d_.Plot->Foot; };
  const auto change = [this](const std::function<void()>& write) {
    if (d_.Filling)
      return;
    write();
    d_.MarkChanged();
    d_.ApplyIfLive();
  };
  connect(memo, &QPlainTextEdit::textChanged, this, [this] {
    if (!d_.Filling)
      d_.Changed = true;
  });
  const auto store = [this, title] {
    if (d_.Changed)
      StoreLines(title);
  };
  d_.OnExit(memo, store);
  d_.OnEnter(memo, store);
  connect(title ? cbTitleAlignment : cbFootAlignment, &QComboBox::activated, this, [=, this](int index) {
    change([&] { titles().SetAlignment(plot::TAlignment(index)); });
  });
  connect(title ? chTitleVisible : chFootVisible, &QCheckBox::clicked, this,
          [=, this](bool on) { change([&] { titles().SetVisible(on); }); });
  connect(title ? btTitleFont : btFootVisible, &QPushButton::clicked, this, [=, this] {
    platform::TFont font;
    font.Assign(titles().Font());
    if (!ChooseFont(font))
      return;
    titles().SetFont(font);
    d_.MarkChanged();
    d_.ApplyIfLive();
  });
  connect(title ? cbTitleStyle : cbFootStyle, &QComboBox::activated, this, [=, this](int index) {
    if (d_.Filling)
      return;
    titles().SetStyle(plot::TTitleStyle(index));
    if (title && d_.Graph->Canvas && d_.Graph->Title->Visible && !d_.Graph->Title->Lines.isEmpty())
      d_.Graph->Title->Draw();
    d_.MarkChanged();
    d_.ApplyIfLive();
  });
}

void TTitlesPage::StoreLines(bool title)
{
  QPlainTextEdit* memo = title ? mmTitle : mmFoot;
  TPlotTitles& titles = title ? *d_.Plot->Title : *d_.Plot->Foot;
  (title ? d_.Graph->Title : d_.Graph->Foot)->Clear();
  QString text;
  QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
  // A final line end starts no line.
  if (!lines.isEmpty() && lines.last().isEmpty())
    lines.removeLast();
  for (const QString& line : lines)
    text += line + QLatin1Char('#');
  titles.SetText(text);
  d_.ApplyIfLive();
}

void TTitlesPage::Fill()
{
  const auto fill = [](const plot::TGraphTitle& t, const TPlotTitles& p, QPlainTextEdit* memo, QComboBox* alignment,
                       QCheckBox* visible, QComboBox* style) {
    memo->setPlainText(t.Lines.join(QLatin1Char('\n')));
    alignment->setCurrentIndex(p.Alignment());
    visible->setChecked(p.Visible());
    style->setCurrentIndex(p.Style());
  };
  fill(*d_.Graph->Title, *d_.Plot->Title, mmTitle, cbTitleAlignment, chTitleVisible, cbTitleStyle);
  fill(*d_.Graph->Foot, *d_.Plot->Foot, mmFoot, cbFootAlignment, chFootVisible, cbFootStyle);
}

}  // namespace plotui
