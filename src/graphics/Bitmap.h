#pragma once
// TBitmap: a picture held as a device-independent section of 32-bit pixels, read from Windows
// bitmap files (1, 4, 8, 16, 24 and 32 bits per pixel, colour tables, bit fields, run-length
// compression, bottom-up and top-down rows). Copies made with Assign share the pixels.
//
// Transparent drawing leaves the target's pixels wherever the bitmap has its transparent colour:
// the colour assigned to TransparentColor, or, while that is clDefault, the bottom-left pixel's
// (white for a monochrome bitmap).

#include <cstdint>
#include <memory>

#include "graphics/Colors.h"
#include "graphics/Graphic.h"

namespace pw {

struct TBitmapImage;

// The pixel layout a bitmap was read with or is meant to have; the pixels themselves are always
// 32-bit in memory.
enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  TBitmap();
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  // Stretched to `rect`; through the mask when Transparent().
  void Draw(gfx::HDC dc, const gfx::RECT& rect) override;

  int Width() const override;
  int Height() const override;
  // A new size keeps the pixels the old and new sizes share; the rest starts black.
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  void SetSize(int width, int height);
  bool Empty() const override;

  // The image as a device-independent section (32 bits per pixel), null when empty. It belongs
  // to the bitmap.
  gfx::HBITMAP Handle() const;
  // A monochrome bitmap of the image's size with a 1 bit wherever the image has the transparent
  // colour exactly; built on first use and kept while image and colour stay. Null when empty.
  gfx::HBITMAP MaskHandle() const;
  // Pixels of row `y` counted from the top: `Width()` values 0x00RRGGBB (blue first in memory).
  // The bitmap's own copy: shared pixels are copied first. Null when empty or out of range.
  std::uint32_t* ScanLine(int y);
  const std::uint32_t* ScanLine(int y) const;

  // The layout the bitmap was read with; pf1bit is a monochrome bitmap.
  TPixelFormat PixelFormat() const;
  void SetPixelFormat(TPixelFormat format);
  bool Monochrome() const { return PixelFormat() == TPixelFormat::pf1bit; }

  TColor TransparentColor() const;
  // clDefault returns to the automatic colour; any other colour fixes it.
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }

  // Shares the other bitmap's image and takes its transparency settings.
  void Assign(const TBitmap& source);

  // The size-prefixed bitmap file; a size of 0 empties the bitmap.
  void ReadData(TStream& stream) override;
  void WriteData(std::vector<std::uint8_t>& out) const override;
  // Reads a bitmap file from the stream's position to its end.
  void LoadFromStream(TStream& stream);

 private:
  void ReadFile(TStream& stream, std::int64_t size);
  void Install(std::shared_ptr<TBitmapImage> image);
  // Makes the image the bitmap's own before its pixels change.
  TBitmapImage* Unique();

  std::shared_ptr<TBitmapImage> image_;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
};

}  // namespace pw
