#include "controls/ButtonGlyph.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "convert/Exceptions.h"
#include "convert/Messages.h"
#include "graphics/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Text.h"
#include "platform/sys/ContextStore.h"

namespace pw {

namespace {

[[noreturn]] void Refused() {
  throw EInvalidOperation(LoadMessage(MessageId::CannotReplaceImage));
}

}  // namespace

// One image list per cell size, shared by every glyph of that size. Images given back leave a
// free slot that the next image added takes over, so the indexes other glyphs hold stay valid.
class TButtonGlyph::List {
 public:
  struct Lists {
    std::map<std::pair<int, int>, std::unique_ptr<List>> bySize;
  };
  // The list for cells of that size, made on first request; the lists live as long as the
  // run (sys/ContextStore.h).
  static List& For(int width, int height) {
    auto& lists = sys::ContextLocal<Lists>().bySize;
    std::unique_ptr<List>& list = lists[{width, height}];
    if (!list) list = std::make_unique<List>(width, height);
    return *list;
  }

  List(int width, int height)
      : handle_(gfx::ImageList_Create(width, height, gfx::ILC_COLOR32 | gfx::ILC_MASK, 4, 4)) {}

  // Adds an image with its mask (set bits transparent); raises EInvalidOperation when the list
  // refuses it.
  int Add(gfx::HBITMAP image, gfx::HBITMAP mask) {
    for (std::size_t i = 0; i < used_.size(); ++i) {
      if (used_[i]) continue;
      if (!gfx::ImageList_Replace(handle_, static_cast<int>(i), image, mask)) Refused();
      used_[i] = true;
      return static_cast<int>(i);
    }
    const int index = gfx::ImageList_Add(handle_, image, mask);
    if (index != static_cast<int>(used_.size())) Refused();
    used_.push_back(true);
    return index;
  }

  void Release(int index) {
    if (index >= 0 && index < static_cast<int>(used_.size())) {
      used_[static_cast<std::size_t>(index)] = false;
    }
  }

  void Draw(int index, gfx::HDC dc, int x, int y, gfx::COLORREF background) const {
    gfx::ImageList_DrawEx(handle_, index, dc, x, y, 0, 0, background, gfx::CLR_NONE,
                          gfx::ILD_NORMAL);
  }

 private:
  gfx::HIMAGELIST handle_;
  std::vector<bool> used_;
};

namespace {

constexpr gfx::COLORREF kWhite = gfx::RGB(255, 255, 255);
constexpr gfx::COLORREF kMidGrey = gfx::RGB(128, 128, 128);

// A top-down 32-bit image of one cell, its pixels open for reading and writing.
class CellImage {
 public:
  CellImage(int width, int height) : width_(width), height_(height) {
    void* bits = nullptr;
    handle_ = gfx::CreateDIBSection(width, -height, &bits);
    pixels_ = static_cast<std::uint32_t*>(bits);
  }
  ~CellImage() {
    if (handle_) gfx::DeleteObject(handle_);
  }
  CellImage(const CellImage&) = delete;
  CellImage& operator=(const CellImage&) = delete;

  gfx::HBITMAP Handle() const { return handle_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Copies cell `cell` of `source`.
  void CopyCell(const TBitmap& source, int cell) {
    if (!pixels_) return;
    for (int y = 0; y < height_; ++y) {
      const std::uint32_t* row = source.ScanLine(y);
      if (row) std::copy_n(row + cell * width_, width_, pixels_ + Index(0, y));
    }
  }

  gfx::COLORREF At(int x, int y) const {
    const std::uint32_t p = pixels_[Index(x, y)];
    return gfx::RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  void Set(int x, int y, gfx::COLORREF color) {
    pixels_[Index(x, y)] = static_cast<std::uint32_t>(gfx::GetRValue(color)) << 16 |
                           static_cast<std::uint32_t>(gfx::GetGValue(color)) << 8 |
                           static_cast<std::uint32_t>(gfx::GetBValue(color));
  }

  // A monochrome mask with its bits set on the pixels of `color`; the caller frees it.
  gfx::HBITMAP MaskOf(gfx::COLORREF color) const {
    gfx::HBITMAP mask = gfx::CreateBitmap(width_, height_, 1, 1, nullptr);
    gfx::BitmapInfo info;
    if (!mask || !gfx::GetBitmapInfo(mask, info)) return mask;
    auto* rows = static_cast<std::uint8_t*>(info.bits);
    for (int y = 0; y < height_; ++y) {
      std::uint8_t* row = rows + static_cast<std::ptrdiff_t>(y) * info.stride;
      for (int x = 0; x < width_; ++x) {
        const auto bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
        if (At(x, y) == color) {
          row[x >> 3] |= bit;
        } else {
          row[x >> 3] &= static_cast<std::uint8_t>(~bit);
        }
      }
    }
    return mask;
  }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  gfx::HBITMAP handle_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
};

// The disabled look of a single-cell glyph: every pixel that is not of the transparent colour
// belongs to the shape, which is stamped on the button face once one pixel right and down in the
// highlight colour and once in place in the shadow colour.
void Emboss(CellImage& image, gfx::COLORREF transparent) {
  const int w = image.Width();
  const int h = image.Height();
  std::vector<bool> shape(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      shape[static_cast<std::size_t>(y * w + x)] = image.At(x, y) != transparent;
  }
  const auto inShape = [&](int x, int y) {
    return x >= 0 && y >= 0 && shape[static_cast<std::size_t>(y * w + x)];
  };
  const gfx::COLORREF face = ColorToRGB(clBtnFace);
  const gfx::COLORREF highlight = ColorToRGB(clBtnHighlight);
  const gfx::COLORREF shadow = ColorToRGB(clBtnShadow);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      image.Set(x, y, inShape(x, y) ? shadow : inShape(x - 1, y - 1) ? highlight : face);
    }
  }
}

// The disabled cell of a multi-cell glyph in the button's colours: its transparent pixels become
// the button face, white ones the highlight and mid-grey ones the shadow.
void Recolour(CellImage& image, gfx::COLORREF transparent) {
  const gfx::COLORREF face = ColorToRGB(clBtnFace);
  const gfx::COLORREF highlight = ColorToRGB(clBtnHighlight);
  const gfx::COLORREF shadow = ColorToRGB(clBtnShadow);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const gfx::COLORREF c = image.At(x, y);
      if (c == transparent) {
        image.Set(x, y, face);
      } else if (c == kWhite) {
        image.Set(x, y, highlight);
      } else if (c == kMidGrey) {
        image.Set(x, y, shadow);
      }
    }
  }
}

}  // namespace

TButtonGlyphPlacement PlaceButtonGlyph(const gfx::RECT& area, gfx::SIZE glyph, gfx::SIZE caption,
                                       TButtonLayout layout, int margin, int spacing) {
  const bool across = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  const int width = area.Width();
  const int height = area.Height();
  gfx::POINT glyphAt;
  gfx::POINT captionAt;
  if (across) {
    glyphAt.y = (height - glyph.cy + 1) / 2;
    captionAt.y = (height - caption.cy + 1) / 2;
  } else {
    glyphAt.x = (width - glyph.cx + 1) / 2;
    captionAt.x = (width - caption.cx + 1) / 2;
  }
  if (caption.cx == 0 || glyph.cx == 0) spacing = 0;
  const int extent = across ? width : height;
  const int glyphExtent = across ? glyph.cx : glyph.cy;
  const int captionExtent = across ? caption.cx : caption.cy;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (extent - glyphExtent - captionExtent) / 3;
      spacing = margin;
    } else {
      margin = (extent - glyphExtent - spacing - captionExtent + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (extent - margin - glyphExtent - captionExtent) / 2;
  }
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      glyphAt.x = margin;
      captionAt.x = glyphAt.x + glyph.cx + spacing;
      break;
    case TButtonLayout::blGlyphRight:
      glyphAt.x = width - margin - glyph.cx;
      captionAt.x = glyphAt.x - spacing - caption.cx;
      break;
    case TButtonLayout::blGlyphTop:
      glyphAt.y = margin;
      captionAt.y = glyphAt.y + glyph.cy + spacing;
      break;
    case TButtonLayout::blGlyphBottom:
      glyphAt.y = height - margin - glyph.cy;
      captionAt.y = glyphAt.y - spacing - caption.cy;
      break;
  }
  TButtonGlyphPlacement placement;
  placement.glyph = {area.left + glyphAt.x, area.top + glyphAt.y};
  placement.caption = {area.left + captionAt.x, area.top + captionAt.y,
                       area.left + captionAt.x + caption.cx, area.top + captionAt.y + caption.cy};
  return placement;
}

TButtonGlyph::TButtonGlyph() : original_(std::make_unique<TBitmap>()) {}

TButtonGlyph::~TButtonGlyph() {
  ReleaseImages();
}

void TButtonGlyph::SetNumGlyphs(int count) {
  if (count == numGlyphs_ || count < 1 || count > 4) return;
  ReleaseImages();
  numGlyphs_ = count;
}

void TButtonGlyph::GlyphChanged() {
  ReleaseImages();
  if (!original_->Empty()) transparentColor_ = original_->TransparentColor();
}

void TButtonGlyph::ReleaseImages() {
  for (int& index : images_) {
    if (index >= 0 && list_) list_->Release(index);
    index = -1;
  }
  list_ = nullptr;
}

gfx::SIZE TButtonGlyph::CellSize() const {
  if (original_->Empty()) return {};
  return {original_->Width() / numGlyphs_, original_->Height()};
}

int TButtonGlyph::StateImage(TButtonState state) {
  if (state == TButtonState::bsDown && numGlyphs_ < 3) state = TButtonState::bsUp;
  const auto slot = static_cast<std::size_t>(state);
  if (images_[slot] >= 0) return images_[slot];

  const gfx::SIZE size = CellSize();
  if (size.cx <= 0 || size.cy <= 0) return -1;
  if (!list_) list_ = &List::For(size.cx, size.cy);
  const int cell = static_cast<int>(state) < numGlyphs_ ? static_cast<int>(state) : 0;
  CellImage image(size.cx, size.cy);
  if (!image.Handle()) Refused();
  image.CopyCell(*original_, cell);
  // A transparent colour assigned to the bitmap holds for every cell; otherwise each cell's
  // bottom-left pixel gives the colour of its transparent pixels.
  gfx::COLORREF maskColor = original_->TransparentMode() == TTransparentMode::tmFixed
                                ? ColorToRGB(original_->TransparentColor())
                                : image.At(0, size.cy - 1);

  if (state == TButtonState::bsDisabled) {
    if (numGlyphs_ < 2) {
      Emboss(image, maskColor);
    } else {
      Recolour(image, ColorToRGB(transparentColor_));
    }
    maskColor = ColorToRGB(clBtnFace);
  }
  gfx::HBITMAP mask = image.MaskOf(maskColor);
  try {
    images_[slot] = list_->Add(image.Handle(), mask);
  } catch (...) {
    if (mask) gfx::DeleteObject(mask);
    throw;
  }
  if (mask) gfx::DeleteObject(mask);
  return images_[slot];
}

gfx::RECT TButtonGlyph::Draw(gfx::HDC dc, const gfx::RECT& area, std::string_view caption,
                             TButtonLayout layout, int margin, int spacing, TButtonState state,
                             gfx::COLORREF textColor, unsigned textFlags) {
  const gfx::SIZE glyph = CellSize();
  gfx::SIZE text;
  if (!caption.empty()) {
    gfx::RECT measured{0, 0, area.Width(), 0};
    gfx::DrawTextA(dc, caption, measured, gfx::DT_CALCRECT | textFlags);
    text = {measured.Width(), measured.Height()};
  }
  const TButtonGlyphPlacement placement =
      PlaceButtonGlyph(area, glyph, text, layout, margin, spacing);

  if (glyph.cx > 0 && glyph.cy > 0) {
    const int index = StateImage(state);
    if (index >= 0) {
      list_->Draw(index, dc, placement.glyph.x, placement.glyph.y, ColorToRGB(clBtnFace));
    }
  }

  gfx::RECT rect = placement.caption;
  if (!caption.empty()) {
    const unsigned format = gfx::DT_CENTER | gfx::DT_VCENTER | textFlags;
    gfx::SetBkMode(dc, gfx::TRANSPARENT);
    if (state == TButtonState::bsDisabled) {
      gfx::RECT shifted = rect.Offset(1, 1);
      gfx::SetTextColor(dc, ColorToRGB(clBtnHighlight));
      gfx::DrawTextA(dc, caption, shifted, format);
      gfx::SetTextColor(dc, ColorToRGB(clBtnShadow));
    } else {
      gfx::SetTextColor(dc, textColor);
    }
    gfx::DrawTextA(dc, caption, rect, format);
  }
  return placement.caption;
}

}  // namespace pw
