#pragma once
// A tool bar: a bevelled panel holding speed buttons from the left in the order added, with vertical
// bevel lines between groups. Hidden buttons take no room. Buttons are found by name, so tests and
// scripts press them as the user does.

#include "platform/CustomControl.h"
#include "platform/SpeedButton.h"

#include <QString>
#include <functional>
#include <vector>

namespace platform {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TToolBar : public CustomControl {
public:
  explicit TToolBar(QWidget* parent = nullptr, int height = 29);

  // A flat button of ButtonSize with a hint, shown (ShowHint) as the bar's.
  TSpeedButton& AddButton(const QString& name, const QString& hint, std::function<void()> onClick = {});
  void AddSeparator();
  TSpeedButton* Button(const QString& name) const;
  int ButtonCount() const;
  // The user's press of a button by name; false when there is none, or it is hidden or disabled.
  bool ClickButton(const QString& name);

  void SetButtonSize(int width, int height);
  void SetBevelOuter(TPanelBevel bevel);  // default raised
  void SetBevelInner(TPanelBevel bevel);  // default none
  QSize sizeHint() const override;

protected:
  void Paint(TCanvas& canvas) override;
  void Resized() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct Item {
    TSpeedButton* button = nullptr;  // null: a separator
    int x = 0;                       // the separator's line
  };
  void Realign();
  int BevelWidth() const;

  std::vector<Item> items_;
  int buttonWidth_ = 25;
  int buttonHeight_ = 25;
  TPanelBevel outer_ = TPanelBevel::bvRaised;
  TPanelBevel inner_ = TPanelBevel::bvNone;
  int contentRight_ = 0;
};

}  // namespace platform
