#pragma once
// TControl: a component with a place on screen: parent, bounds, visibility, text and click.

#include <string>
#include <string_view>

#include "controls/Component.h"

namespace pw {

class TWinControl;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // Windowed controls own a native window and take the focus; graphic ones are drawn by their
  // parent.
  virtual bool IsWindowed() const { return false; }

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  virtual void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The control's text, shown as its caption or edited as its text. Assigning the current text
  // does nothing; a different one is stored and then announced through TextChanged.
  std::string Text() const { return text_; }
  void SetText(std::string_view text);
  std::string Caption() const { return Text(); }
  void SetCaption(std::string_view caption) { SetText(caption); }

  // Moves the control to the top (or bottom) of its kind among its parent's children.
  void BringToFront();
  void SendToBack();

  // Raises OnClick.
  virtual void Click();

  TNotifyEvent OnClick;

 protected:
  // Runs after a different text has been stored, inside the assignment.
  virtual void TextChanged() {}

 private:
  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;

  friend class TWinControl;
};

// A control without a native window, painted by its parent.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
};

}  // namespace pw
