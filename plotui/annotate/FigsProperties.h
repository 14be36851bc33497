#pragma once
// "Properties" of one annotation figure: line style, thickness and colour of lines, arrows and
// freehand strokes; besides, the fill and back colour of rectangles and ellipses; the text, font and
// size mode of notes. OK and Apply write the choices into the figure and repaint the graph.

#include "plotui/annotate/GraphFigs.h"

#include "platform/CommonDialogs.h"
#include "platform/Form.h"
#include "platform/UpDown.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plotui {

class TfmFigsProperties : public platform::Form {
public:
  explicit TfmFigsProperties(QWidget* parent = nullptr);
  ~TfmFigsProperties() override;

  // Each runs the dialog on the figure; true when OK was pressed.
  bool EditLine(TMonoLine& line);
  bool EditRectangle(TRectangle& rect);
  // A new note is not on the graph yet: it gets no Apply.
  bool EditNote(TNoteText& note, bool isNew);

  TFig* Figure = nullptr;
  platform::TColorDialog PenColorDialog;
  platform::TColorDialog BackColorDialog;
  platform::TFontDialog FontDialog;

  QLabel* lbStyle;
  QComboBox* cbStyle;
  QLabel* lbWidth;
  QLineEdit* edThickness;
  platform::UpDown* udThickness;
  QPushButton* btColor;
  QPushButton* btOk;
  QPushButton* btCancel;
  QPushButton* btApply;
  QLabel* lbText;
  QLineEdit* edText;
  QPushButton* btFont;
  QPushButton* btBackColor;
  QComboBox* cbAppearance;

private:
  void StartLine(TMonoLine& line);
  // Writes the choices into Figure and repaints the graph.
  void WriteFigure();
  void btApplyClick() { WriteFigure(); }
};

}  // namespace plotui
