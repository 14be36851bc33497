#pragma once
// Shared definitions that a grid, a column, a row or a cell may use: named edit masks, named
// pictures and date-time drop-down settings. Each user reaches its component through a link, so
// that the component can tell its users when it changes or goes. The components are interfaces:
// the program's windows set none of them.

#include "grid/model/CellValue.h"

#include <string>
#include <vector>

namespace grid {

// A user's link to a component. The component's AddLink and RemoveLink keep the link's component
// field up to date (StoreComponent); destroying the link leaves the component.
template <class C>
class TtsComponentLink {
 public:
  TtsComponentLink() = default;
  TtsComponentLink(const TtsComponentLink&) = delete;
  TtsComponentLink& operator=(const TtsComponentLink&) = delete;
  virtual ~TtsComponentLink() { SetComponent(nullptr); }

  C* Component() const { return component_; }
  // Nothing for the present component; else the present one removes the link and the new one adds it.
  void SetComponent(C* component)
  {
    if (component == component_)
      return;
    if (component_)
      component_->RemoveLink(*this);
    if (component)
      component->AddLink(*this);
  }
  void StoreComponent(C* component) { component_ = component; }

  // Notifications of the component.
  virtual void ContentsChanged() {}
  virtual void ComponentChanged() {}

 private:
  C* component_ = nullptr;
};

// The edit mask that a mask component finds by name.
class TtsMask {
 public:
  virtual ~TtsMask() = default;
  virtual int GetMaskOptions() const = 0;
  virtual int GetCheckModes() const = 0;  // bit 0: check while typing; bit 1: when the cell is left
  // Whether the input is acceptable; position 1-based; keys may be changed or completed.
  virtual bool Validate(const std::string& text, std::string& keys, int position, bool final, bool flag) = 0;
};

class TtsMaskDefsComponent {
 public:
  virtual ~TtsMaskDefsComponent() = default;
  virtual void RemoveLink(TtsComponentLink<TtsMaskDefsComponent>& link) = 0;
  virtual void AddLink(TtsComponentLink<TtsMaskDefsComponent>& link) = 0;
  virtual TtsMask* FindMask(const TtsCellValue& name) = 0;
};

class TtsMaskLink : public TtsComponentLink<TtsMaskDefsComponent> {
 public:
  // None for an empty name or without a component.
  TtsMask* FindMask(const std::string& name) const;
};

class TtsImageListComponent {
 public:
  virtual ~TtsImageListComponent() = default;
  virtual void AddLink(TtsComponentLink<TtsImageListComponent>& link) = 0;
  virtual void RemoveLink(TtsComponentLink<TtsImageListComponent>& link) = 0;
  virtual TtsCellValue FindImage(const TtsCellValue& key) = 0;
  // Named pictures: the name the image-list name table keeps for this list, a picture's identity
  // by its name ("Category.Name", or the name alone), and the category and name of an identity.
  virtual std::string ListName() const { return {}; }
  virtual int FindPictureId(const std::string& /*name*/) { return -1; }
  virtual bool FindPictureName(int /*identity*/, std::string& /*category*/, std::string& /*name*/) { return false; }
  // The identity of the picture after (forward) or before the named one in the list's order, -1
  // when there is none; an empty or unknown name steps from outside the list.
  virtual int StepPictureId(const std::string& /*name*/, bool /*forward*/) { return -1; }
};

using TtsImageLink = TtsComponentLink<TtsImageListComponent>;

class TtsDateTimeDefComponent;

class TtsDateTimeLink {
 public:
  virtual ~TtsDateTimeLink() = default;
  void Attach(TtsDateTimeDefComponent* component);
  void Detach(TtsDateTimeDefComponent* component);
  virtual void ComponentDestroying(TtsDateTimeDefComponent& /*component*/) {}
};

// Counts the links that use it; tells each when it goes.
class TtsDateTimeDefComponent {
 public:
  TtsDateTimeDefComponent() = default;
  TtsDateTimeDefComponent(const TtsDateTimeDefComponent&) = delete;
  TtsDateTimeDefComponent& operator=(const TtsDateTimeDefComponent&) = delete;
  virtual ~TtsDateTimeDefComponent();

  void AddLink(TtsDateTimeLink& link);
  // One count fewer; all, or a count of 0, removes the link.
  void RemoveLink(TtsDateTimeLink& link, bool all);
  int LinkCount() const { return int(links_.size()); }
  int CountOf(const TtsDateTimeLink& link) const;  // 0 when not listed
  // The name a grid stream refers to it by; an unnamed definition is not written.
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

 private:
  std::string name_;
  struct Entry {
    TtsDateTimeLink* Link;
    int Count;
  };
  std::vector<Entry> links_;
};

}  // namespace grid
