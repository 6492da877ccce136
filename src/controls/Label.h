#pragma once
// TLabel: a graphic control showing its caption, on its own background or transparent; with
// AutoSize it takes the size of its text.

#include <string>
#include <string_view>

#include "controls/Control.h"

namespace pw {

class TCustomLabel : public TGraphicControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TCustomLabel(TComponent* owner);

  // Each change repaints the label; AutoSize and WordWrap also re-run the auto-size.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // A transparent label leaves what lies beneath it visible; an opaque one fills its rectangle
  // with its Color first.
  bool Transparent() const { return !HasStyle(TControlStyle::csOpaque); }
  void SetTransparent(bool transparent);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  // With it, "&" marks the next character as the accelerator (underlined) and is not drawn.
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool showAccelChar);

  void Paint(gfx::HDC dc) override;
  void FinishLoading() override;

 protected:
  // Draws the caption into `rect` with DrawText flags `flags`, or with DT_CALCRECT measures it
  // into `rect`: the accelerator and right-to-left flags added, in the label's font, embossed
  // when the label is disabled.
  virtual void DoDrawText(gfx::HDC dc, gfx::RECT& rect, unsigned flags);
  // What DoDrawText does with a text: `draw` is called with the rectangle and final flags once,
  // in the font's colour, or twice when the label is disabled (offset one pixel right and down in
  // the highlight colour, then in place in the shadow colour).
  template <class String, class Draw>
  void DrawLabelText(gfx::HDC dc, String text, gfx::RECT& rect, unsigned flags, Draw draw);
  // With AutoSize, takes the measured size of the text (an empty text, or a lone accelerator
  // mark, measures as one blank), keeping the left edge, or the right edge when the label is
  // right-justified after right-to-left mirroring; waits while the label is read.
  void AdjustBounds();
  void TextChanged() override;
  void FontChanged() override;

 private:
  bool autoSize_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TCustomLabel::TCustomLabel;
};

// ---- Template definitions

// Selects the font and text colour; the brush stays hollow (the caller's background mode).
void SelectLabelFont(gfx::HDC dc, const TFont& font, TColor color);

template <class String, class Draw>
void TCustomLabel::DrawLabelText(gfx::HDC dc, String text, gfx::RECT& rect, unsigned flags,
                                 Draw draw) {
  using Char = typename String::value_type;
  if ((flags & gfx::DT_CALCRECT) != 0 &&
      (text.empty() || (showAccelChar_ && text.size() == 1 && text[0] == Char('&')))) {
    text.push_back(Char(' '));
  }
  if (!showAccelChar_) flags |= gfx::DT_NOPREFIX;
  flags = DrawTextBiDiModeFlags(flags);
  if (Enabled() || (flags & gfx::DT_CALCRECT) != 0) {
    SelectLabelFont(dc, *Font(), Font()->Color());
    draw(dc, text, rect, flags);
    return;
  }
  gfx::RECT shifted = rect.Offset(1, 1);
  SelectLabelFont(dc, *Font(), clBtnHighlight);
  draw(dc, text, shifted, flags);
  SelectLabelFont(dc, *Font(), clBtnShadow);
  draw(dc, text, rect, flags);
}

}  // namespace pw
