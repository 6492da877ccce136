#pragma once
// State that lives for one run of the toolkit (a program's, or one test's): registries, caches and
// other per-run objects of the parts above the platform's core. Each part asks for its own object
// by type; the innermost store alive holds it, and it goes when that store goes (objects in the
// reverse order of their making). A store made inside another one hides it until it goes, so a
// test can start from nothing and leave nothing behind. An object asked for while its store is
// going (by the destructor of another) is made anew and goes too.

#include <cstddef>
#include <memory>
#include <vector>

namespace pw::sys {

class ContextStore {
 public:
  ContextStore();
  ~ContextStore();
  ContextStore(const ContextStore&) = delete;
  ContextStore& operator=(const ContextStore&) = delete;

  // This store's object of type T, made (default-constructed) on first use.
  template <typename T>
  T& Get() {
    const std::size_t slot = SlotOf<T>();
    if (slot < index_.size() && index_[slot] != nullptr) return *static_cast<T*>(index_[slot]);
    auto made = std::make_shared<T>();
    T& object = *made;
    Keep(slot, std::move(made), &object);
    return object;
  }

  // The innermost store alive; one made on first use (and kept to the end of the process) when
  // none is.
  static ContextStore& Current();

 private:
  static std::size_t NextSlot();
  template <typename T>
  static std::size_t SlotOf() {
    static const std::size_t slot = NextSlot();
    return slot;
  }
  void Keep(std::size_t slot, std::shared_ptr<void> object, void* address);

  std::vector<void*> index_;  // by slot
  struct Entry {
    std::size_t slot;
    std::shared_ptr<void> object;
  };
  std::vector<Entry> objects_;  // in the order made
  ContextStore* outer_ = nullptr;
};

// The current run's object of type T.
template <typename T>
T& ContextLocal() {
  return ContextStore::Current().Get<T>();
}

}  // namespace pw::sys
