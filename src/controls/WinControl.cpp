#include "controls/WinControl.h"

#include <algorithm>
#include <map>

#include "forms/Reader.h"

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

constexpr TPropInfo kWinControlProperties[] = {
    IntegerProperty<&TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder"),
    BoolProperty<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop"),
    EventProperty<&TWinControl::OnEnter>("OnEnter"),
    EventProperty<&TWinControl::OnExit>("OnExit"),
};

}  // namespace

const TClassInfo TWinControl::classInfo{"TWinControl", &TControl::classInfo, kWinControlProperties};

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
  if (Loading()) {
    storedTabOrder_ = order;
    return;
  }
  if (Parent() == nullptr) return;
  MoveTo(Parent()->tabList_, this, std::max(order, 0));
}

void TWinControl::ApplyStoredTabOrders() {
  const int count = static_cast<int>(windowed_.size());
  // Ascending stored values; of two equal ones only the later child moves.
  std::map<int, TWinControl*> byOrder;
  for (TWinControl* child : windowed_) {
    if (child->storedTabOrder_ >= 0 && child->storedTabOrder_ < count) {
      byOrder[child->storedTabOrder_] = child;
    }
    child->storedTabOrder_ = -1;
  }
  for (const auto& [order, child] : byOrder) MoveTo(tabList_, child, order);
}

void TWinControl::ChangeScale(int multiplier, int divisor) {
  if (multiplier == divisor) return;
  TControl::ChangeScale(multiplier, divisor);
  ScaleControls(multiplier, divisor);
}

void TWinControl::ScaleControls(int multiplier, int divisor) {
  if (multiplier == divisor) return;
  for (TControl* child : graphic_) child->ChangeScale(multiplier, divisor);
  for (TControl* child : windowed_) child->ChangeScale(multiplier, divisor);
}

void TWinControl::ReadOwnState(TReader& reader) {
  TControl::ReadOwnState(reader);
  ApplyStoredTabOrders();
}

void TWinControl::DeclareExtraProperties(TReader& reader) {
  TControl::DeclareExtraProperties(reader);
  reader.DeclareProperty("DesignSize", [](TReader& r) {
    r.ExpectListStart();
    while (!r.AtListEnd()) r.ReadInt32Value();
    r.ExpectListEnd();
  });
}

void TWinControl::ColorChanged() {
  for (TControl* child : graphic_) child->ParentColorChanged();
  for (TControl* child : windowed_) child->ParentColorChanged();
}

void TWinControl::FontChanged() {
  for (TControl* child : graphic_) child->ParentFontChanged();
  for (TControl* child : windowed_) child->ParentFontChanged();
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

void TWinControl::MoveChildTo(TControl* child, int position) {
  if (child->IsWindowed()) {
    MoveTo(windowed_, static_cast<TWinControl*>(child), position);
  } else {
    MoveTo(graphic_, child, position);
  }
}

void TWinControl::MoveToFront(TControl* child) {
  MoveChildTo(child, ControlCount());
}

void TWinControl::MoveToBack(TControl* child) {
  MoveChildTo(child, 0);
}

}  // namespace pw
