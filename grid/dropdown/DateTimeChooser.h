#pragma once
// The chooser of date-time cells. A definition that a grid, column, row or cell takes makes the
// chooser: the grid keeps one working chooser of the definition's class on its drop-down form, takes
// the definition's settings into it, fills it from the cell, and hears its accept and cancel.

#include "grid/model/CellValue.h"
#include "grid/model/Definitions.h"

#include <functional>
#include <memory>
#include <string>
#include <typeindex>

class QWidget;

namespace grid {

enum TtsDateTimeKind : std::uint8_t { dtkDate, dtkTime, dtkDateTime };

class TtsDateTimeChooserDef;

class TtsDateTimeChooser {
 public:
  virtual ~TtsDateTimeChooser() = default;
  // Takes over a definition's settings.
  virtual void AssignFrom(const TtsDateTimeChooserDef& definition) = 0;
  // Its window, or none.
  virtual QWidget* Window() const = 0;
  // A date-time value (days since 30 December 1899), or empty.
  virtual TtsCellValue Value() const = 0;
  virtual void SetValue(double dateTime) = 0;
  virtual void ClearValue() = 0;
  virtual void SetPopup(bool popup) = 0;
  virtual void Initialise() = 0;
  virtual void Activate() = 0;
  virtual std::string Caption() const = 0;
  virtual TtsDateTimeKind Kind() const = 0;

  std::function<void()> OnAccept;
  std::function<void()> OnCancel;
};

class TtsDateTimeChooserDef : public TtsDateTimeDefComponent {
 public:
  virtual std::unique_ptr<TtsDateTimeChooser> CreateChooser(QWidget* owner) const = 0;
  // The class of the choosers it makes.
  virtual std::type_index ChooserType() const = 0;
};

}  // namespace grid
