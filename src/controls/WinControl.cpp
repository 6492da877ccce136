#include "controls/WinControl.h"

#include <algorithm>

namespace pw {

namespace {

// Moves `item` within `list` to position `to` (clamped to the list).
template <class T>
void MoveTo(std::vector<T*>& list, T* item, int to) {
  auto from = std::find(list.begin(), list.end(), item);
  if (from == list.end()) return;
  list.erase(from);
  to = std::clamp(to, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + to, item);
}

}  // namespace

TWinControl::~TWinControl() {
  // Children still alive (freed later by their owner) lose their parent now, while this object is
  // still whole.
  for (TControl* child : graphic_) child->parent_ = nullptr;
  for (TControl* child : windowed_) child->parent_ = nullptr;
}

int TWinControl::ControlCount() const {
  return static_cast<int>(graphic_.size() + windowed_.size());
}

TControl* TWinControl::Controls(int index) const {
  auto i = static_cast<std::size_t>(index);
  return i < graphic_.size() ? graphic_.at(i) : windowed_.at(i - graphic_.size());
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& tabs = Parent()->tabList_;
  return static_cast<int>(std::find(tabs.begin(), tabs.end(), this) - tabs.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Parent() == nullptr) return;
  MoveTo(Parent()->tabList_, this, std::max(order, 0));
}

void TWinControl::InsertControl(TControl* child) {
  child->parent_ = this;
  if (child->IsWindowed()) {
    auto* windowed = static_cast<TWinControl*>(child);
    windowed_.push_back(windowed);
    tabList_.push_back(windowed);
  } else {
    graphic_.push_back(child);
  }
}

void TWinControl::RemoveControl(TControl* child) {
  child->parent_ = nullptr;
  std::erase(graphic_, child);
  std::erase(windowed_, child);
  std::erase(tabList_, child);
}

void TWinControl::MoveToFront(TControl* child) {
  if (child->IsWindowed()) {
    MoveTo(windowed_, static_cast<TWinControl*>(child), static_cast<int>(windowed_.size()));
  } else {
    MoveTo(graphic_, child, static_cast<int>(graphic_.size()));
  }
}

void TWinControl::MoveToBack(TControl* child) {
  if (child->IsWindowed()) {
    MoveTo(windowed_, static_cast<TWinControl*>(child), 0);
  } else {
    MoveTo(graphic_, child, 0);
  }
}

}  // namespace pw
