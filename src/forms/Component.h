#pragma once
// TComponent: a named object in an ownership tree, the unit a form stream creates. The owner
// frees what it owns, last created first; a component freed on its own leaves its owner's list.

#include <string>
#include <string_view>
#include <vector>

#include "forms/Persistent.h"

namespace pw {

class TComponent : public TPersistent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Nothing happens for the same name. Raises EComponentError for a name that is not a valid
  // identifier ("''%s'' is not a valid component name") or that another component of the owner
  // has ("A component named %s already exists"). Keeps the owner's published field of that name
  // pointing at the component.
  void SetName(std::string_view name);

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }
  // The owned component with this name, compared without regard to ASCII case; nullptr if none.
  TComponent* FindComponent(std::string_view name) const;

  // Frees every owned component, last created first.
  void DestroyComponents();

  // State while a stream is read.
  bool Loading() const { return loading_; }
  bool Reading() const { return reading_; }
  bool Destroying() const { return destroying_; }
  void SetLoading(bool loading) { loading_ = loading; }
  void SetReading(bool reading) { reading_ = reading; }

  // What the form reader calls, in order of use.
  // Reads the component's property entries and child records.
  virtual void ReadOwnState(TReader& reader);
  // A control makes a windowed `parent` its parent; other components ignore it.
  virtual void AttachToParent(TComponent* parent);
  // The parent of the components read inside this one's record.
  virtual TComponent* ParentForChildren() { return this; }
  // Their owner; null means the root.
  virtual TComponent* OwnerForChildren() { return nullptr; }
  // The completion step after the whole stream is read: clears the loading flag.
  virtual void FinishLoading();
  // Moves the component to `position` among its parent's children (a record's child position).
  virtual void SetChildPosition(int /*position*/) {}

 private:
  void SetOwnerField(std::string_view name, TComponent* value);

  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;  // owned, in creation order
  bool loading_ = false;
  bool reading_ = false;
  bool destroying_ = false;
};

// The creation function of a class's type information.
template <class T>
TComponent* CreateComponent(TComponent* owner) {
  return new T(owner);  // owned by `owner`
}

// A valid component name: a letter or underscore, then letters, digits or underscores.
bool IsValidIdent(std::string_view name);

}  // namespace pw
