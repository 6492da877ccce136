#pragma once
// TJPEGImage: a JPEG picture kept as its compressed bytes. Reading parses only the header (size,
// grayscale, multiple scans); the image is decoded through libjpeg into a bitmap the first time
// it is drawn, and that bitmap is kept, also when decoding stopped part-way.

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/Graphic.h"

namespace pw {

// libjpeg reported a fatal error; the message carries libjpeg's message code.
class EJPEG : public EInvalidGraphic {
 public:
  using EInvalidGraphic::EInvalidGraphic;
};

enum class TJPEGPerformance { jpBestQuality, jpBestSpeed };
enum class TJPEGPixelFormat { jf24Bit, jf8Bit };
enum class TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };  // 1 / 2^n

// Settings every new JPEG image starts with.
struct TJPEGDefaults {
  int compressionQuality = 90;  // for compressing only
  bool grayscale = false;
  TJPEGPerformance performance = TJPEGPerformance::jpBestQuality;
  TJPEGPixelFormat pixelFormat = TJPEGPixelFormat::jf24Bit;
  bool progressiveDisplay = false;
  bool progressiveEncoding = false;
  TJPEGScale scale = TJPEGScale::jsFullSize;
  bool smoothing = true;
};
// The process-wide defaults; on first use the pixel format becomes 8-bit when the screen has 8
// or fewer bits per pixel.
TJPEGDefaults& JPEGDefaults();

// The compressed bytes and what the header says about them; shared by copies.
struct TJPEGData {
  std::vector<std::uint8_t> bytes;
  int width = 0;
  int height = 0;
  bool grayscale = false;  // the file's colour space is grayscale
};

class TJPEGImage : public TGraphic {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  TJPEGImage();
  ~TJPEGImage() override;
  TJPEGImage(const TJPEGImage&) = delete;
  TJPEGImage& operator=(const TJPEGImage&) = delete;

  // Draws the decoded bitmap (decoding it first when needed); the image's own Transparent flag
  // has no effect.
  void Draw(gfx::HDC dc, const gfx::RECT& rect) override;
  // From the header at full scale; at other scales as libjpeg computes the output size.
  int Width() const override;
  int Height() const override;
  // Always fail with EInvalidGraphicOperation.
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  bool Empty() const override;

  // The decoded image, decoded on the first request. A failed decoding raises EJPEG once and
  // leaves what was decoded; later requests return that without decoding again.
  TBitmap* Bitmap();
  // Whether the picture has been decoded (or decoding was tried).
  bool Decoded() const { return bitmap_ != nullptr; }

  // The file's colour space is grayscale.
  bool Grayscale() const { return data_ && data_->grayscale; }
  // The file has multiple scans (progressive).
  bool ProgressiveEncoding() const { return settings_.progressiveEncoding; }
  const std::vector<std::uint8_t>& CompressedBytes() const;

  // Decoding settings; changing one drops the decoded image.
  int CompressionQuality() const { return settings_.compressionQuality; }
  void SetCompressionQuality(int quality) { settings_.compressionQuality = quality; }
  bool GrayscaleOutput() const { return settings_.grayscale; }
  void SetGrayscaleOutput(bool grayscale);
  TJPEGPerformance Performance() const { return settings_.performance; }
  void SetPerformance(TJPEGPerformance performance);
  TJPEGPixelFormat PixelFormat() const { return settings_.pixelFormat; }
  void SetPixelFormat(TJPEGPixelFormat format);
  bool ProgressiveDisplay() const { return settings_.progressiveDisplay; }
  void SetProgressiveDisplay(bool progressive);
  TJPEGScale Scale() const { return settings_.scale; }
  void SetScale(TJPEGScale scale);
  bool Smoothing() const { return settings_.smoothing; }
  void SetSmoothing(bool smoothing);

  // The size-prefixed JPEG stream.
  void ReadData(TStream& stream) override;
  void WriteData(std::vector<std::uint8_t>& out) const override;

 private:
  struct Decoding;
  void Decode();
  void SettingChanged();
  void CalculateOutputSize() const;

  std::shared_ptr<const TJPEGData> data_;
  std::unique_ptr<TBitmap> bitmap_;
  TJPEGDefaults settings_;
  bool paletteModified_ = false;
  mutable bool needRecalculation_ = true;
  mutable int scaledWidth_ = 0;
  mutable int scaledHeight_ = 0;
};

}  // namespace pw
