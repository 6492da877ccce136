#pragma once
// TControl: a component with a place on screen: parent, bounds, visibility, text, font, colour
// and click.

#include <memory>
#include <string>
#include <string_view>

#include "controls/ControlTypes.h"
#include "forms/Component.h"
#include "graphics/Colors.h"
#include "graphics/Font.h"

namespace pw {

class TWinControl;

class TControl : public TComponent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

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
  // Scales position, size and an own font by multiplier / divisor.
  virtual void ChangeScale(int multiplier, int divisor);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align) { align_ = align; }

  // The control's text, shown as its caption or edited as its text. Assigning the current text
  // does nothing; a different one is stored and then announced through TextChanged.
  std::string Text() const { return text_; }
  void SetText(std::string_view text);
  std::string Caption() const { return Text(); }
  void SetCaption(std::string_view caption) { SetText(caption); }

  // Colour and font follow the parent's while ParentColor / ParentFont are set; assigning a
  // colour or changing the font clears them.
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  TFont* Font() const { return font_.get(); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool parentBiDiMode);
  std::int32_t Cursor() const { return cursor_; }
  void SetCursor(std::int32_t cursor) { cursor_ = cursor; }

  // Moves the control to the top (or bottom) of its kind among its parent's children.
  void BringToFront();
  void SendToBack();

  // Raises OnClick.
  virtual void Click();

  TNotifyEvent OnClick;

  void ReadOwnState(TReader& reader) override;
  void AttachToParent(TComponent* parent) override;
  void DeclareExtraProperties(TReader& reader) override;
  void SetChildPosition(int position) override;

  // Take over the parent's settings where the control follows them.
  virtual void ParentColorChanged();
  virtual void ParentFontChanged();
  virtual void ParentBiDiModeChanged();

 protected:
  // Runs after a different text has been stored, inside the assignment.
  virtual void TextChanged() {}
  virtual void FontChanged() {}
  virtual void ColorChanged() {}

 private:
  void OwnFontChanged();

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TAlign align_ = TAlign::alNone;
  std::string text_;
  TColor color_ = clWindow;
  bool parentColor_ = true;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool followingParent_ = false;  // set while a parent's setting is being copied in
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
  bool parentBiDiMode_ = true;
  std::int32_t cursor_ = 0;

  friend class TWinControl;
};

// A control without a native window, painted by its parent.
class TGraphicControl : public TControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TControl::TControl;
};

// Multiplies then divides, rounding to nearest (halves away from zero).
int MulDiv(int number, int numerator, int denominator);

}  // namespace pw
