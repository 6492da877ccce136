#include "platform/sys/ContextStore.h"

#include <atomic>
#include <utility>

namespace pw::sys {
namespace {

ContextStore*& Innermost() {
  static ContextStore* store = nullptr;
  return store;
}

}  // namespace

ContextStore::ContextStore() : outer_(Innermost()) {
  Innermost() = this;
}

ContextStore::~ContextStore() {
  // Objects may ask for others while they go; those are made anew here and go too.
  while (!objects_.empty()) {
    Entry last = std::move(objects_.back());
    objects_.pop_back();
    index_[last.slot] = nullptr;
    last.object.reset();
  }
  if (Innermost() == this) Innermost() = outer_;
}

ContextStore& ContextStore::Current() {
  if (Innermost() == nullptr) {
    // For a process that never made one: kept to its end.
    static ContextStore* const process = new ContextStore;
    (void)process;
  }
  return *Innermost();
}

std::size_t ContextStore::NextSlot() {
  static std::atomic<std::size_t> next{0};
  return next++;
}

void ContextStore::Keep(std::size_t slot, std::shared_ptr<void> object, void* address) {
  if (index_.size() <= slot) index_.resize(slot + 1, nullptr);
  index_[slot] = address;
  objects_.push_back({slot, std::move(object)});
}

}  // namespace pw::sys
