#include "controls/Control.h"

#include "controls/WinControl.h"

namespace pw {

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
}

void TControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
}

void TControl::SetText(std::string_view text) {
  if (text == text_) return;
  text_ = text;
  TextChanged();
}

void TControl::BringToFront() {
  if (parent_ != nullptr) parent_->MoveToFront(this);
}

void TControl::SendToBack() {
  if (parent_ != nullptr) parent_->MoveToBack(this);
}

void TControl::Click() {
  Raise(OnClick, this);
}

}  // namespace pw
