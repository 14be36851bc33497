#pragma once
// A status bar of panels along the bottom of a window: each panel a sunken field with its text, placed
// from the left by the widths of the panels before it; the last panel takes the rest of the bar. In
// simple mode the bar shows one text over its whole width instead.

#include "platform/CanvasTypes.h"
#include "platform/CustomControl.h"

#include <QString>
#include <vector>

namespace platform {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
  QString Text;
  int Width = 50;
  TAlignment Alignment = TAlignment::taLeftJustify;
  TStatusPanelBevel Bevel = TStatusPanelBevel::pbLowered;
};

class TStatusBar : public CustomControl {
public:
  explicit TStatusBar(QWidget* parent = nullptr);

  // Panels
  TStatusPanel& AddPanel(const QString& text = {}, int width = 50);
  int PanelCount() const { return int(panels_.size()); }
  const TStatusPanel& Panel(int index) const { return panels_.at(std::size_t(index)); }
  void SetPanelText(int index, const QString& text);  // an index out of range is ignored
  void SetPanelWidth(int index, int width);
  void SetPanel(int index, const TStatusPanel& panel);
  void ClearPanels();
  // Changes between these two repaint once, at the end.
  void BeginUpdate();
  void EndUpdate();

  // One text over the whole bar while SimplePanel is on; the panels keep theirs.
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool on);
  const QString& SimpleText() const { return simpleText_; }
  void SetSimpleText(const QString& text);

  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool on);

  // Where a panel is drawn in the bar (its frame included).
  TRect PanelRect(int index) const;

protected:
  void Paint(TCanvas& canvas) override;

private:
  void Changed();
  void PaintField(TCanvas& canvas, TRect r, const QString& text, TAlignment alignment, TStatusPanelBevel bevel);
  void PaintGrip(TCanvas& canvas) const;
  int FieldsRight() const;

  std::vector<TStatusPanel> panels_;
  QString simpleText_;
  bool simplePanel_ = false;
  bool sizeGrip_ = true;
  int updating_ = 0;
};

}  // namespace platform
