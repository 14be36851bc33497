#pragma once
// The caption label a control of the editor library can carry: created on the control's form, named
// after the control, kept above (or below) it at the stored offsets.

#include <QLabel>
#include <QPointer>
#include <functional>
#include <string>

namespace controls {

class TOvcAttachedLabel : public QLabel {
 public:
  // Sized to its caption, in its parent's font, with an opaque background; its focus goes to control.
  TOvcAttachedLabel(QWidget* parent, QWidget* control);
  QWidget* Control() const { return control_; }

 private:
  QPointer<QWidget> control_;
};

class TOvcLabelInfo {
 public:
  explicit TOvcLabelInfo(QWidget& control);
  ~TOvcLabelInfo();
  TOvcLabelInfo(const TOvcLabelInfo&) = delete;
  TOvcLabelInfo& operator=(const TOvcLabelInfo&) = delete;

  int OffsetX() const { return offsetX_; }
  int OffsetY() const { return offsetY_; }
  void SetOffsetX(int x);
  void SetOffsetY(int y);
  bool Visible() const { return label_ != nullptr; }
  // True creates the label (replacing an earlier one); false destroys it.
  void SetVisible(bool visible);
  // Raises EOvcException "Label not attached" while no label is attached.
  TOvcAttachedLabel& Label() const;

  bool Below() const { return below_; }
  void SetBelow(bool below);
  // Puts the label at its place beside the control; the control calls it when it moves.
  void Place();
  // The label shows while the control does.
  void ControlShown(bool shown);

 private:
  void Destroy();

  QWidget& control_;
  QPointer<TOvcAttachedLabel> label_;
  QMetaObject::Connection labelGone_;
  int offsetX_ = 0;
  int offsetY_ = 0;
  bool below_ = false;
};

// The first name of the form's children formed from base and 1, 2, ...; raises EOvcException for a base
// that is not a valid identifier.
std::string UniqueComponentName(const QWidget& form, const std::string& base);

}  // namespace controls
