#include "forms/FormLoader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "convert/Messages.h"
#include "forms/FilerErrors.h"
#include "forms/Text.h"
#include "forms/TypeInfo.h"
#include "platform/sys/ContextStore.h"
#include "platform/sys/Resources.h"

namespace pw {

namespace {

struct Registries {
  std::vector<TComponent*> globalComponents;
  std::vector<const TClassInfo*> classes;
};

std::vector<TComponent*>& GlobalComponentList() {
  return sys::ContextLocal<Registries>().globalComponents;
}

std::vector<const TClassInfo*>& RegisteredClasses() {
  return sys::ContextLocal<Registries>().classes;
}

// The components read in the current loading batch of this thread, for the completion pass.
thread_local std::vector<TComponent*>* loadingBatch = nullptr;

// A batch that this scope started: collects, and completes what it collected when it ends.
class LoadingBatch {
 public:
  LoadingBatch() : owns_(loadingBatch == nullptr) {
    if (owns_) loadingBatch = &components_;
  }
  ~LoadingBatch() {
    if (owns_) loadingBatch = nullptr;
  }
  LoadingBatch(const LoadingBatch&) = delete;
  LoadingBatch& operator=(const LoadingBatch&) = delete;

  std::vector<TComponent*>& Components() { return *loadingBatch; }
  void Complete() {
    if (!owns_) return;
    // The list is walked by index: a completion step may not add to it, but stays safe if it does.
    for (std::size_t i = 0; i < components_.size(); ++i) components_[i]->FinishLoading();
  }

 private:
  bool owns_;
  std::vector<TComponent*> components_;
};

void AddOnce(std::vector<TComponent*>& list, TComponent* component) {
  if (std::find(list.begin(), list.end(), component) == list.end()) list.push_back(component);
}

bool GlobalNameTaken(std::string_view name, const TComponent* except) {
  const auto& all = GlobalComponentList();
  return std::any_of(all.begin(), all.end(), [&](const TComponent* c) {
    return c != except && !c->Reading() && SameText(c->Name(), name);
  });
}

std::string UniqueRootName(std::string_view stored, const TComponent* root) {
  std::string name(stored);
  for (int n = 1; !name.empty() && GlobalNameTaken(name, root); ++n) {
    name = std::string(stored) + "_" + std::to_string(n);
  }
  return name;
}

const TClassInfo* FindFieldClass(const TClassInfo& owner, std::string_view className) {
  for (const TClassInfo* c = &owner; c != nullptr; c = c->parent) {
    for (const TFieldInfo& field : c->fields) {
      if (field.type->name.size() == className.size() && SameText(field.type->name, className)) {
        return field.type;
      }
    }
  }
  return nullptr;
}

// One more component record inside those being read; past the limit the reading stops before
// the stack runs out.
class RecordNesting {
 public:
  explicit RecordNesting(TReader& reader) : reader_(reader) {
    if (reader.RecordDepth() >= kMaxRecordNesting) {
      throw EReadError(LoadMessage(MessageId::NestingTooDeep));
    }
    reader.SetRecordDepth(reader.RecordDepth() + 1);
  }
  ~RecordNesting() { reader_.SetRecordDepth(reader_.RecordDepth() - 1); }
  RecordNesting(const RecordNesting&) = delete;
  RecordNesting& operator=(const RecordNesting&) = delete;

 private:
  TReader& reader_;
};

// Assigns each recorded component reference, or an empty one when the name is not found.
void ResolveFixups(TReader& reader) {
  auto& fixups = reader.Fixups();
  for (const Fixup& fixup : fixups) {
    TComponent* target = fixup.root->FindComponent(fixup.name);
    if (SameText(fixup.name, fixup.root->Name())) target = fixup.root;
    if (fixup.property->setObject != nullptr) fixup.property->setObject(fixup.instance, target);
  }
  fixups.clear();
}

}  // namespace

void AddGlobalComponent(TComponent* component) {
  AddOnce(GlobalComponentList(), component);
}

const std::vector<TComponent*>& GlobalComponents() {
  return GlobalComponentList();
}

void RemoveGlobalComponent(TComponent* component) {
  std::erase(GlobalComponentList(), component);
}

void RegisterClass(const TClassInfo& info) {
  auto& classes = RegisteredClasses();
  if (std::find(classes.begin(), classes.end(), &info) != classes.end()) return;
  if (FindRegisteredClass(info.name) != nullptr) {
    throw EFilerError(LoadMessage(MessageId::DuplicateClass, {info.name}));
  }
  classes.push_back(&info);
}

const TClassInfo* FindRegisteredClass(std::string_view name) {
  for (const TClassInfo* info : RegisteredClasses()) {
    if (info->name.size() == name.size() && SameText(info->name, name)) return info;
  }
  return nullptr;
}

const TClassInfo& ResolveComponentClass(TReader& reader, std::string_view className) {
  const TClassInfo* found = FindFieldClass(reader.Root()->ClassInfo(), className);
  if (found == nullptr && reader.LookupRoot() != nullptr && reader.LookupRoot() != reader.Root()) {
    found = FindFieldClass(reader.LookupRoot()->ClassInfo(), className);
  }
  if (found == nullptr) found = FindRegisteredClass(className);
  if (found == nullptr || found->create == nullptr || !found->InheritsFrom(TComponent::classInfo)) {
    throw EClassNotFound(LoadMessage(MessageId::ClassNotFound, {className}));
  }
  return *found;
}

void ReadComponentRecord(TReader& reader) {
  const RecordNesting nesting(reader);
  const FlagsPrefix prefix = reader.ReadFlagsPrefix();
  const std::string className = reader.ReadShortText();
  const std::string name = reader.ReadShortText();

  TComponent* const savedParent = reader.Parent();
  TComponent* const savedLookupRoot = reader.LookupRoot();
  TComponent* const savedCurrent = reader.CurrentComponent();
  TComponent* component = nullptr;
  bool created = false;
  try {
    if ((prefix.flags & kFlagInherited) != 0) {
      component = reader.LookupRoot()->FindComponent(name);
      if (component == nullptr) {
        throw EReadError(LoadMessage(MessageId::AncestorNotFound, {name}));
      }
    } else {
      const TClassInfo& info = ResolveComponentClass(reader, className);
      component = info.create(reader.Owner());
      created = true;
    }
    component->SetLoading(true);
    if (created) {
      component->AttachToParent(reader.Parent());
      component->SetName(name);
    }
    reader.SetCurrentComponent(component);
    component->SetReading(true);
    component->ReadOwnState(reader);
    component->SetReading(false);
    if ((prefix.flags & kFlagChildPosition) != 0) component->SetChildPosition(prefix.childPosition);
    if (loadingBatch != nullptr) {
      // A record that found its component (inherited) may meet one collected already.
      if (created) {
        loadingBatch->push_back(component);
      } else {
        AddOnce(*loadingBatch, component);
      }
    }
  } catch (...) {
    reader.SetParent(savedParent);
    reader.SetLookupRoot(savedLookupRoot);
    reader.SetCurrentComponent(savedCurrent);
    if (created) delete component;  // leaves its owner's list and field
    throw;
  }
  reader.SetParent(savedParent);
  reader.SetLookupRoot(savedLookupRoot);
  reader.SetCurrentComponent(savedCurrent);
}

void ReadFormRoot(TStream& stream, TComponent& root) {
  LoadingBatch batch;
  {
    TReader reader(stream);
    reader.CheckSignature();
    reader.ReadFlagsPrefix();
    reader.ReadShortText();  // the class name: the instance is given
    const std::string storedName = reader.ReadShortText();
    root.SetLoading(true);
    root.SetReading(true);
    try {
      root.SetName(UniqueRootName(storedName, &root));
      reader.SetRoot(&root);
      reader.SetLookupRoot(&root);
      reader.SetOwner(&root);
      reader.SetParent(nullptr);  // the root's children get it from ParentForChildren
      reader.SetCurrentComponent(&root);
      auto& collected = batch.Components();
      if (std::find(collected.begin(), collected.end(), &root) == collected.end()) {
        collected.insert(collected.begin(), &root);
      }
      root.ReadOwnState(reader);
      root.SetReading(false);
      ResolveFixups(reader);
    } catch (...) {
      root.SetReading(false);
      throw;
    }
  }
  batch.Complete();
}

bool ReadFormResource(std::string_view name, TComponent& root) {
  const auto bytes = sys::FindResource(name, sys::ResourceType::RcData);
  if (!bytes) return false;
  TReadOnlyMemoryStream stream(*bytes);
  ReadFormRoot(stream, root);
  return true;
}

bool LoadFormResources(TComponent& instance, const TClassInfo& rootClass) {
  LoadingBatch batch;
  // Ancestors first: from just below the root class down to the instance's own class.
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = &instance.ClassInfo();
       c != nullptr && c != &rootClass && c != &TComponent::classInfo; c = c->parent) {
    chain.push_back(c);
  }
  bool found = false;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (ReadFormResource((*it)->name, instance)) found = true;
  }
  batch.Complete();
  return found;
}

}  // namespace pw
