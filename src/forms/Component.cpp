#include "forms/Component.h"

#include <algorithm>

#include "convert/Messages.h"
#include "forms/FilerErrors.h"
#include "forms/FormLoader.h"
#include "forms/Reader.h"
#include "forms/Text.h"
#include "forms/TypeInfo.h"

namespace pw {

namespace {

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || (c >= '0' && c <= '9');
}

}  // namespace

const TClassInfo TComponent::classInfo{"TComponent", &TPersistent::classInfo};

bool IsValidIdent(std::string_view name) {
  return !name.empty() && IsIdentStart(name.front()) &&
         std::all_of(name.begin() + 1, name.end(), IsIdentChar);
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  destroying_ = true;
  DestroyComponents();
  if (owner_ != nullptr) {
    if (!name_.empty()) owner_->SetOwnerField(name_, nullptr);
    std::erase(owner_->components_, this);
  }
}

void TComponent::SetName(std::string_view name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) {
    throw EComponentError(LoadMessage(MessageId::InvalidComponentName, {name}));
  }
  if (owner_ != nullptr && !SameText(name, name_)) {
    TComponent* other = owner_->FindComponent(name);
    if (other != nullptr && other != this) {
      throw EComponentError(LoadMessage(MessageId::DuplicateComponentName, {name}));
    }
  }
  if (owner_ != nullptr && !name_.empty()) owner_->SetOwnerField(name_, nullptr);
  name_ = name;
  if (owner_ != nullptr && !name_.empty()) owner_->SetOwnerField(name_, this);
}

void TComponent::SetOwnerField(std::string_view name, TComponent* value) {
  const TFieldInfo* field = ClassInfo().FindField(name);
  if (field == nullptr) return;
  // A field only ever points at a component of its declared class.
  if (value != nullptr && !value->ClassInfo().InheritsFrom(*field->type)) return;
  if (value == nullptr && field->get(this) == nullptr) return;
  field->set(this, value);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  auto it = std::find_if(components_.begin(), components_.end(),
                         [&](TComponent* c) { return SameText(c->Name(), name); });
  return it == components_.end() ? nullptr : *it;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    delete last;  // owner list: the one place components are freed; it leaves the list itself
  }
}

void TComponent::ReadOwnState(TReader& reader) {
  reader.ReadProperties(*this);
  TComponent* savedParent = reader.Parent();
  TComponent* savedOwner = reader.Owner();
  reader.SetParent(ParentForChildren());
  TComponent* owner = OwnerForChildren();
  reader.SetOwner(owner != nullptr ? owner : reader.Root());
  while (!reader.AtListEnd()) ReadComponentRecord(reader);
  reader.ExpectListEnd();
  reader.SetParent(savedParent);
  reader.SetOwner(savedOwner);
}

void TComponent::AttachToParent(TComponent*) {}

void TComponent::FinishLoading() {
  loading_ = false;
}

}  // namespace pw
