#include "graphics/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "forms/Stream.h"
#include "forms/TypeInfo.h"
#include "graphics/BitmapImage.h"

namespace pw {

namespace {

// A memory context with a bitmap selected, released on every path.
class MemoryDC {
 public:
  MemoryDC(gfx::HDC compatible, gfx::HBITMAP bitmap) : dc_(gfx::CreateCompatibleDC(compatible)) {
    if (dc_ == nullptr) RaiseOutOfResources();
    previous_ = gfx::SelectObject(dc_, bitmap);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() {
    gfx::SelectObject(dc_, previous_);
    gfx::DeleteDC(dc_);
  }
  operator gfx::HDC() const { return dc_; }

 private:
  gfx::HDC dc_;
  gfx::HGDIOBJ previous_ = nullptr;
};

// A bitmap handle deleted on every path.
class OwnedBitmap {
 public:
  explicit OwnedBitmap(gfx::HBITMAP bitmap) : bitmap_(bitmap) {
    if (bitmap_ == nullptr) RaiseOutOfResources();
  }
  OwnedBitmap(const OwnedBitmap&) = delete;
  OwnedBitmap& operator=(const OwnedBitmap&) = delete;
  ~OwnedBitmap() { gfx::DeleteObject(bitmap_); }
  operator gfx::HBITMAP() const { return bitmap_; }

 private:
  gfx::HBITMAP bitmap_;
};

int BitsOf(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit:
      return 1;
    case TPixelFormat::pf4bit:
      return 4;
    case TPixelFormat::pf8bit:
      return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
      return 16;
    case TPixelFormat::pf24bit:
      return 24;
    default:
      return 32;
  }
}

// Stretches the image onto the target leaving the target's pixels where the mask is set: the
// mask is turned into a colour work bitmap, the source is erased through it, the mask is ANDed
// onto the target and the work bitmap XORed over it.
void StretchThroughMask(gfx::HDC dc, const gfx::RECT& rect, gfx::HDC source, gfx::HBITMAP mask,
                        int width, int height) {
  OwnedBitmap work(gfx::CreateCompatibleBitmap(dc, width, height));
  MemoryDC workDc(dc, work);
  MemoryDC maskDc(dc, mask);
  gfx::SetTextColor(workDc, gfx::RGB(0, 0, 0));
  gfx::SetBkColor(workDc, gfx::RGB(255, 255, 255));
  gfx::BitBlt(workDc, 0, 0, width, height, maskDc, 0, 0, gfx::SRCCOPY);
  gfx::BitBlt(workDc, 0, 0, width, height, source, 0, 0, gfx::SRCERASE);
  const gfx::COLORREF text = gfx::SetTextColor(dc, gfx::RGB(0, 0, 0));
  const gfx::COLORREF back = gfx::SetBkColor(dc, gfx::RGB(255, 255, 255));
  gfx::StretchBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), maskDc, 0, 0, width, height,
                  gfx::SRCAND);
  gfx::StretchBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), workDc, 0, 0, width, height,
                  gfx::SRCINVERT);
  gfx::SetTextColor(dc, text);
  gfx::SetBkColor(dc, back);
}

}  // namespace

// ---- The shared image record

TBitmapImage::~TBitmapImage() {
  DropMask();
  if (handle != nullptr) gfx::DeleteObject(handle);
}

std::shared_ptr<TBitmapImage> TBitmapImage::Create(int width, int height, TPixelFormat format) {
  auto image = std::make_shared<TBitmapImage>();
  void* bits = nullptr;
  image->handle = gfx::CreateDIBSection(width, height, &bits);
  if (image->handle == nullptr) RaiseInvalidBitmap();
  image->bits = static_cast<std::uint8_t*>(bits);
  image->width = width;
  image->topDown = height < 0;
  image->height = height < 0 ? -height : height;
  image->format = format;
  return image;
}

void TBitmapImage::DropMask() {
  if (mask != nullptr) gfx::DeleteObject(mask);
  mask = nullptr;
}

// ---- TBitmap

const TClassInfo TBitmap::classInfo{"TBitmap", &TGraphic::classInfo};

TBitmap::TBitmap() : image_(std::make_shared<TBitmapImage>()) {}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const {
  return image_->width;
}

int TBitmap::Height() const {
  return image_->height;
}

bool TBitmap::Empty() const {
  return image_->Empty();
}

void TBitmap::SetWidth(int width) {
  SetSize(width, Height());
}

void TBitmap::SetHeight(int height) {
  SetSize(Width(), height);
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == Width() && height == Height()) return;
  std::shared_ptr<TBitmapImage> image;
  if (width > 0 && height > 0) {
    image = TBitmapImage::Create(width, height, image_->format);
    const int columns = std::min(width, Width());
    for (int y = 0; y < std::min(height, Height()); ++y) {
      std::memcpy(image->Row(y), image_->Row(y), static_cast<std::size_t>(columns) * 4);
    }
  } else {
    image = std::make_shared<TBitmapImage>();
    image->format = image_->format;
  }
  Install(std::move(image));
}

gfx::HBITMAP TBitmap::Handle() const {
  return image_->handle;
}

gfx::HBITMAP TBitmap::MaskHandle() const {
  if (Empty()) return nullptr;
  TBitmapImage& image = *image_;
  const gfx::COLORREF color = ColorToRGB(TransparentColor()) & 0xFFFFFF;
  if (image.mask != nullptr && image.maskColor == color) return image.mask;
  image.DropMask();
  gfx::HBITMAP mask = gfx::CreateBitmap(image.width, image.height, 1, 1, nullptr);
  if (mask == nullptr) RaiseOutOfResources();
  try {
    MemoryDC source(nullptr, image.handle);
    MemoryDC target(nullptr, mask);
    gfx::SetBkColor(source, color);  // pixels of this colour become 1 bits
    gfx::BitBlt(target, 0, 0, image.width, image.height, source, 0, 0, gfx::SRCCOPY);
  } catch (...) {
    gfx::DeleteObject(mask);
    throw;
  }
  image.mask = mask;
  image.maskColor = color;
  return mask;
}

std::uint32_t* TBitmap::ScanLine(int y) {
  if (Empty() || y < 0 || y >= Height()) return nullptr;
  TBitmapImage* image = Unique();
  image->DropMask();
  image->savedFile.clear();
  return image->Row(y);
}

const std::uint32_t* TBitmap::ScanLine(int y) const {
  if (Empty() || y < 0 || y >= Height()) return nullptr;
  return image_->Row(y);
}

TPixelFormat TBitmap::PixelFormat() const {
  return image_->format;
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == image_->format) return;
  TBitmapImage* image = Unique();
  image->format = format;
  image->savedFile.clear();
  if (format == TPixelFormat::pf1bit && !image->Empty()) {
    // Monochrome: every pixel becomes the nearer of black and white.
    image->DropMask();
    for (int y = 0; y < image->height; ++y) {
      std::uint32_t* row = image->Row(y);
      for (int x = 0; x < image->width; ++x) {
        const std::uint32_t p = row[x];
        const std::uint32_t light =
            ((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11;
        row[x] = light >= 128 * 100 ? 0xFFFFFF : 0;
      }
    }
  }
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == TTransparentMode::tmFixed) return transparentColor_;
  if (Empty()) return clDefault;
  if (Monochrome()) return clWhite;
  const std::uint32_t pixel = image_->Row(image_->height - 1)[0];
  return static_cast<TColor>(gfx::RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
}

void TBitmap::SetTransparentColor(TColor color) {
  if (color == transparentColor_) return;
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
  Changed();
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  image_ = source.image_;
  transparentColor_ = source.transparentColor_;
  transparentMode_ = source.transparentMode_;
  if (Transparent() != source.Transparent()) {
    SetTransparent(source.Transparent());  // announces the change
  } else {
    Changed();
  }
}

void TBitmap::Draw(gfx::HDC dc, const gfx::RECT& rect) {
  if (Empty()) return;
  TBitmapImage& image = *image_;
  // No palettes here: the stand-in's displays are true-colour, so bitmaps draw without one.
  const int depth = gfx::GetDeviceCaps(dc, gfx::BITSPIXEL) * gfx::GetDeviceCaps(dc, gfx::PLANES);
  if (depth <= 8 && depth < BitsOf(image.format)) {
    gfx::SetStretchBltMode(dc, gfx::HALFTONE);
  } else if (!Monochrome()) {
    gfx::SetStretchBltMode(dc, gfx::COLORONCOLOR);  // rows and columns dropped, never blended
  }
  // Keeps the record (and its handles) alive even if a handler replaces the image meanwhile.
  const std::shared_ptr<TBitmapImage> keep = image_;
  const gfx::HBITMAP mask = Transparent() ? MaskHandle() : nullptr;
  MemoryDC source(dc, image.handle);
  if (mask == nullptr) {
    gfx::StretchBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), source, 0, 0, image.width,
                    image.height, gfx::SRCCOPY);
    return;
  }
  if (rect.Width() == image.width && rect.Height() == image.height) {
    gfx::MaskBlt(dc, rect.left, rect.top, image.width, image.height, source, 0, 0, mask, 0, 0,
                 gfx::MAKEROP4(gfx::DSTCOPY, gfx::SRCCOPY));
  } else {
    StretchThroughMask(dc, rect, source, mask, image.width, image.height);
  }
}

void TBitmap::ReadData(TStream& stream) {
  std::uint8_t size[4];
  if (stream.Read(size, 4) != 4) RaiseReadError();
  const std::uint32_t fileSize = static_cast<std::uint32_t>(size[0]) | (size[1] << 8) |
                                 (size[2] << 16) | (static_cast<std::uint32_t>(size[3]) << 24);
  if (fileSize == 0) {
    auto empty = std::make_shared<TBitmapImage>();
    Install(std::move(empty));
    return;
  }
  ReadFile(stream, fileSize);
}

void TBitmap::LoadFromStream(TStream& stream) {
  ReadFile(stream, std::max<std::int64_t>(stream.Size() - stream.Position(), 0));
}

void TBitmap::ReadFile(TStream& stream, std::int64_t size) {
  Install(ReadBitmapFile(stream, size));
}

void TBitmap::WriteData(std::vector<std::uint8_t>& out) const {
  const TBitmapImage& image = *image_;
  std::vector<std::uint8_t> file;
  if (!image.savedFile.empty()) {
    file = image.savedFile;
  } else if (!image.Empty()) {
    WriteBitmapFile(image, file);
  }
  const auto size = static_cast<std::uint32_t>(file.size());
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(size >> shift));
  out.insert(out.end(), file.begin(), file.end());
}

void TBitmap::Install(std::shared_ptr<TBitmapImage> image) {
  image_ = std::move(image);
  Changed();
}

TBitmapImage* TBitmap::Unique() {
  if (image_.use_count() > 1 && !image_->Empty()) {
    auto copy = TBitmapImage::Create(
        image_->width, image_->topDown ? -image_->height : image_->height, image_->format);
    std::memcpy(
        copy->bits, image_->bits,
        static_cast<std::size_t>(image_->width) * 4 * static_cast<std::size_t>(image_->height));
    copy->savedFile = image_->savedFile;
    image_ = std::move(copy);
  } else if (image_.use_count() > 1) {
    auto copy = std::make_shared<TBitmapImage>();
    copy->format = image_->format;
    image_ = std::move(copy);
  }
  return image_.get();
}

}  // namespace pw
