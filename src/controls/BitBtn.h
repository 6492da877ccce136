#pragma once
// TButton and TBitBtn: push buttons; the bitmap button adds a glyph laid out beside its caption.

#include <memory>

#include "controls/ButtonControl.h"
#include "controls/ButtonGlyph.h"
#include "graphics/Bitmap.h"
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

  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  // The glyph bitmap; a form description reads its picture straight into it. Each change of
  // it drops the glyph's built images and repaints the button.
  TBitmap* Glyph() const { return glyph_->Glyph(); }
  // Copies `glyph` (sharing its pixels); a width that is 2 to 4 times the height makes that many
  // cells, any other whole multiple one.
  void SetGlyph(const TBitmap& glyph);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  // Pixels between glyph and caption; -1 puts the caption midway between the glyph and the far
  // edge (or, with a Margin of -1, spaces everything alike).
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  // Pixels between the edge and the glyph; -1 centres glyph and caption together. Values below
  // -1 are ignored.
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  // The glyph's cells (up, disabled, down, exclusive): above 4 counts as 4, 0 and below are
  // ignored.
  int NumGlyphs() const { return glyph_->NumGlyphs(); }
  void SetNumGlyphs(int count);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind) { kind_ = kind; }

  // bkClose closes the window; every other kind clicks as a plain button (no control here has a
  // help context, so bkHelp does too).
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void DrawItem(const win::DRAWITEMSTRUCT& item) override;

 private:
  void GlyphChanged();

  std::unique_ptr<TButtonGlyph> glyph_;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int spacing_ = 4;
  int margin_ = -1;
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};

}  // namespace pw
