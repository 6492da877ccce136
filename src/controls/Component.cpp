#include "controls/Component.h"

#include <algorithm>

#include "controls/Text.h"

namespace pw {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_ != nullptr) std::erase(owner_->components_, this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  auto it = std::find_if(components_.begin(), components_.end(),
                         [&](TComponent* c) { return SameText(c->Name(), name); });
  return it == components_.end() ? nullptr : *it;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    delete last;  // owner list: the one place components are freed
  }
}

}  // namespace pw
