#pragma once
// The "Titles" page of the properties dialog: the lines, alignment, visibility, font and shadow of
// the title and of the foot.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace plotui {

class TfmGraphProperties;
class TPlotTitles;

class TTitlesPage : public QWidget {
public:
  TTitlesPage(TfmGraphProperties& dialog, QWidget* parent);

  void Fill();

  QPlainTextEdit* mmTitle;
  QComboBox* cbTitleAlignment;
  QCheckBox* chTitleVisible;
  QPushButton* btTitleFont;
  QComboBox* cbTitleStyle;
  QPlainTextEdit* mmFoot;
  QComboBox* cbFootAlignment;
  QCheckBox* chFootVisible;
  QPushButton* btFootVisible;  // the foot's "Font..."
  QComboBox* cbFootStyle;

private:
  void Connect(bool title);
  // The memo's lines become the lines of the title (foot), each ended by "#".
  void StoreLines(bool title);

  TfmGraphProperties& d_;
};

}  // namespace plotui
