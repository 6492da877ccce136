#pragma once
// TComponent: a named object in an ownership tree. The owner frees what it owns, last created
// first; a component freed on its own leaves its owner's list.

#include <string>
#include <string_view>
#include <vector>

#include "controls/Object.h"

namespace pw {

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }
  // The owned component with this name, compared without regard to ASCII case; nullptr if none.
  TComponent* FindComponent(std::string_view name) const;

  // Frees every owned component, last created first.
  void DestroyComponents();

 private:
  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;  // owned, in creation order
};

}  // namespace pw
