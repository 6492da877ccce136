#pragma once
// TControl: a component with a place on screen: parent, bounds, visibility, text, font, colour,
// painting and the mouse. TGraphicControl: a control without a native window, painted by its
// parent onto the parent's surface and given the mouse messages over it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "controls/ControlTypes.h"
#include "forms/Component.h"
#include "graphics/Colors.h"
#include "graphics/Font.h"
#include "platform/win/Window.h"

namespace pw {

class TWinControl;
class TCustomForm;

enum class TControlStyle {
  csOpaque,          // paints its whole rectangle: nothing beneath needs painting
  csClickEvents,     // a press and release inside raise a click
  csCaptureMouse,    // the parent captures the mouse for it while a button is held
  csFixedHeight,     // its height follows its content
  csSetCaption,      // its name becomes its caption while the caption is still the name
  csDoubleClicks,    // receives double clicks as such
  csAcceptsControls  // contains other controls
};
using TControlStyles = std::uint32_t;  // bits by TControlStyle
constexpr TControlStyles StyleBit(TControlStyle style) {
  return 1u << static_cast<int>(style);
}

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
  // The window the control lies in (itself for a window), null when it lies in none.
  TCustomForm* ParentForm() const;

  TControlStyles ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyles style) { controlStyle_ = style; }
  bool HasStyle(TControlStyle style) const { return (controlStyle_ & StyleBit(style)) != 0; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  // Sets all four at once. A graphic control repaints its old and new rectangles; a windowed one
  // moves its native window and takes the bounds back from it.
  virtual void SetBounds(int left, int top, int width, int height);
  gfx::RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  gfx::RECT ClientRect() const { return {0, 0, width_, height_}; }
  // Scales position, size and an own font by multiplier / divisor.
  virtual void ChangeScale(int multiplier, int divisor);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  // The control's text, shown as its caption or edited as its text. Assigning the current text
  // does nothing; a different one is stored (in the native window when there is one) and then
  // announced through TextChanged. Reading asks the native window when there is one.
  std::string Text() const { return GetText(); }
  void SetText(std::string_view text);
  std::string Caption() const { return Text(); }
  void SetCaption(std::string_view caption) { SetText(caption); }
  // The help text shown for the control; kept only.
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view hint) { hint_ = hint; }

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
  // With the middle-east flag set: the control aligns right to left under bdRightToLeft, and
  // reads right to left under every mode but bdLeftToRight.
  bool UseRightToLeftAlignment() const;
  bool UseRightToLeftReading() const;
  // DrawText flags for the control's text: under right-to-left alignment DT_LEFT and DT_RIGHT
  // swap (DT_CENTER stays); under right-to-left reading DT_RTLREADING is added.
  unsigned DrawTextBiDiModeFlags(unsigned flags) const;
  std::int32_t Cursor() const { return cursor_; }
  void SetCursor(std::int32_t cursor) { cursor_ = cursor; }

  // Moves the control to the top (or bottom) of its kind among its parent's children.
  void BringToFront();
  void SendToBack();

  // Marks the control's area for repainting at the next paint message.
  virtual void Invalidate();
  // Repaints the control's area now.
  void Repaint();

  // Raises OnClick.
  virtual void Click();

  // Paints a graphic control: the context's origin is the control's top-left corner and its clip
  // the control's rectangle (within the area being repainted).
  virtual void Paint(gfx::HDC /*dc*/) {}
  // A mouse message of the parent's window over this graphic control (or captured by it), the
  // point relative to the control.
  virtual void MouseMessage(unsigned message, win::WPARAM keys, int x, int y);
  // Whether a mouse message at that point (relative to the control) is the control's.
  virtual bool AcceptsHit(int /*x*/, int /*y*/) const { return true; }

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
  // The stored text: the native window's when there is one.
  virtual std::string GetText() const { return text_; }
  virtual void StoreText(std::string_view text) { text_ = text; }
  // Runs after a different text has been stored, inside the assignment.
  virtual void TextChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }
  virtual void VisibleChanged();
  virtual void EnabledChanged() { Invalidate(); }
  // Stores new bounds without any other effect.
  void StoreBounds(int left, int top, int width, int height);
  // Repaints the control's rectangle in the parent; `opaque` says it covers what lies beneath.
  void InvalidateInParent(bool opaque);
  std::string& KeptText() { return text_; }

 private:
  void OwnFontChanged();

  TWinControl* parent_ = nullptr;
  TControlStyles controlStyle_ =
      StyleBit(TControlStyle::csCaptureMouse) | StyleBit(TControlStyle::csClickEvents) |
      StyleBit(TControlStyle::csSetCaption) | StyleBit(TControlStyle::csDoubleClicks);
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool clicking_ = false;  // the left button went down on this graphic control
  TAlign align_ = TAlign::alNone;
  std::string text_;
  std::string hint_;
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

// Whether right-to-left reading and alignment are honoured at all. Worked out from the user's
// locale when first asked (the controls' initialisation asks), or as last set.
bool MiddleEast();
void SetMiddleEast(bool middleEast);
// The rule for a locale: false for the neutral language (empty) and the Western European
// languages da, de, en, es, fi, fr, it, nl, no (nb, nn), pt and sv; otherwise false for a code page
// with lead bytes, and true when one of its characters 128 to 255 is written right to left.
bool MiddleEastFor(std::string_view language, int codePage);

// Multiplies then divides, rounding to nearest (halves away from zero).
int MulDiv(int number, int numerator, int denominator);

}  // namespace pw
