#pragma once
// TButton and TBitBtn: push buttons; the bitmap button adds a glyph laid out beside its caption.

#include <memory>

#include "controls/ButtonControl.h"
#include "graphics/Picture.h"
#include "platform/win/NativeClasses.h"

namespace pw {

class TButton : public TButtonControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TButton(TComponent* owner);

  // Set on the window when the button is clicked; a non-zero value ends a modal run.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  // The button Enter clicks: the focused one, or the default one while the focus is on a control
  // that is no button.
  bool Active() const { return active_; }

  // Sets the window's modal result to the button's, then raises OnClick.
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  win::LRESULT WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) override;
  // Draws an owner-drawn button.
  virtual void DrawItem(const win::DRAWITEMSTRUCT& /*item*/) {}

 private:
  int modalResult_ = 0;
  bool active_ = false;
  bool default_ = false;
  bool cancel_ = false;
};

class TBitBtn : public TButton {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  using TButton::TButton;

  TBitmap* Glyph() const { return glyph_.get(); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout) { layout_ = layout; }
  // Pixels between glyph and caption.
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing) { spacing_ = spacing; }
  // Pixels between the edge and the glyph; -1 centres glyph and caption together.
  int Margin() const { return margin_; }
  void SetMargin(int margin) { margin_ = margin; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count) { numGlyphs_ = count; }
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind) { kind_ = kind; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void DrawItem(const win::DRAWITEMSTRUCT& item) override;

 private:
  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int spacing_ = 4;
  int margin_ = -1;
  int numGlyphs_ = 1;
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};

}  // namespace pw
