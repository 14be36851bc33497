#pragma once
// A list box whose horizontal scroll range follows its widest item.

#include "platform/ListBox.h"

#include <QString>
#include <QStringList>

namespace controls {

class TTextListBox : public platform::ListBox {
 public:
  explicit TTextListBox(QWidget* parent = nullptr);

  // Items (use these, not the list widget's own item calls, so the extent stays right)
  int AddItem(const QString& text);
  int InsertItem(int index, const QString& text);
  void DeleteItem(int index);
  void ClearItems();
  void SetItems(const QStringList& items);
  QStringList Items() const;
  QString ItemText(int index) const;

  int MaxWidth() const { return maxWidth_; }
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int dialogUnits);
  int ItemWidth(const QString& text) const;  // the text with one "x" of margin

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Recompute();
  void Grow(const QString& text);

  int maxWidth_ = 0;
  int tabWidth_ = 0;
};

}  // namespace controls
