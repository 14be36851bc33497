#pragma once
// Up-down buttons bound to an edit: each click steps Position by Increment within [Min, Max] and writes it
// into the edit; the arrow keys in the edit do the same. A number typed into the edit is taken first.

#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

namespace platform {

enum TUDBtnType { btNext, btPrev };

class UpDown : public QWidget {
 public:
  explicit UpDown(QWidget* parent = nullptr);

  void SetAssociate(QLineEdit* edit);  // the edit shows Position
  QLineEdit* Associate() const { return edit_; }
  void SetMin(int min);
  void SetMax(int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetPosition(int position);      // clamped; writes the edit
  int Position() const { return position_; }
  void SetIncrement(int increment) { increment_ = increment; }
  void SetWrap(bool wrap) { wrap_ = wrap; }

  void Click(TUDBtnType button);       // as a click on a button

  std::function<void(TUDBtnType)> OnClick;  // after the position changed

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TakeEditText();
  void WriteEdit();

  QLineEdit* edit_ = nullptr;
  QToolButton* up_;
  QToolButton* down_;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  bool wrap_ = false;
};

}  // namespace platform
