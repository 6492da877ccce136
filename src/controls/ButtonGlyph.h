#pragma once
// The glyph of a bitmap button: a bitmap of one to four equal cells side by side (up, disabled,
// down, exclusive), laid out together with the caption inside the button, and drawn through
// image lists shared by every glyph of the same cell size. Each state's image is built on first
// use and kept until the bitmap or the number of cells changes.

#include <array>
#include <memory>
#include <string_view>

#include "controls/ControlTypes.h"
#include "graphics/Colors.h"
#include "platform/gfx/Gdi.h"

namespace pw {

class TBitmap;

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Where glyph and caption stand in a button.
struct TButtonGlyphPlacement {
  gfx::POINT glyph;   // top-left corner of the glyph
  gfx::RECT caption;  // the caption's measured rectangle
};

// Places a glyph of `glyph` size and a caption of `caption` size in `area`: both are centred
// across the layout axis; along it they stand `margin` pixels from the edge the glyph is on and
// `spacing` pixels apart. A margin of -1 centres the pair (or, with a spacing of -1 too, spaces
// edge, glyph, caption and edge alike); a spacing of -1 with a fixed margin puts the caption
// midway between the glyph and the far edge. Without a glyph or a caption the spacing is 0.
// Divisions truncate toward zero.
TButtonGlyphPlacement PlaceButtonGlyph(const gfx::RECT& area, gfx::SIZE glyph, gfx::SIZE caption,
                                       TButtonLayout layout, int margin, int spacing);

class TButtonGlyph {
 public:
  TButtonGlyph();
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  // The source bitmap; a form description reads the glyph straight into it.
  TBitmap* Glyph() const { return original_.get(); }
  int NumGlyphs() const { return numGlyphs_; }
  // Takes 1 to 4; the built images are dropped when the count changes.
  void SetNumGlyphs(int count);
  // The bitmap's transparent colour as of its last change (olive before any).
  TColor TransparentColor() const { return transparentColor_; }

  // The bitmap changed: the built images are dropped and its transparent colour taken again.
  void GlyphChanged();
  // The size of one cell; (0, 0) without a glyph.
  gfx::SIZE CellSize() const;

  // Lays out glyph and caption in `area` and draws them with the context's font and text colour
  // (`textColor` for an enabled caption); `textFlags` are added to the caption's drawing flags
  // (right-to-left reading). Returns the caption's rectangle.
  gfx::RECT Draw(gfx::HDC dc, const gfx::RECT& area, std::string_view caption, TButtonLayout layout,
                 int margin, int spacing, TButtonState state, gfx::COLORREF textColor,
                 unsigned textFlags);

 private:
  class List;

  // The image list index of the state's image, built now when it is not yet.
  int StateImage(TButtonState state);
  void ReleaseImages();

  std::unique_ptr<TBitmap> original_;
  int numGlyphs_ = 1;
  TColor transparentColor_ = 0x008080;  // olive
  std::array<int, 4> images_{-1, -1, -1, -1};
  List* list_ = nullptr;
};

}  // namespace pw
