// Arbitrary bytes as a JPEG file in a picture's "Data": the header read, then decoded and drawn
// with settings picked from the input's length. Any failure must be a pw::Exception; a decoded
// bitmap has the size the image reports, and a failed decoding is not tried again.

#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzSupport.h"
#include "GraphicsSupport.h"
#include "convert/Exceptions.h"
#include "graphics/JpegImage.h"
#include "graphics/Picture.h"
#include "platform/gfx/GdiContext.h"

namespace {

using pw::fuzz::Require;

void Configure(pw::TJPEGImage& image, std::size_t choice) {
  image.SetScale(static_cast<pw::TJPEGScale>(choice % 4));
  image.SetGrayscaleOutput(choice / 4 % 2 != 0);
  image.SetPixelFormat(choice / 8 % 2 ? pw::TJPEGPixelFormat::jf8Bit
                                      : pw::TJPEGPixelFormat::jf24Bit);
  image.SetPerformance(choice / 16 % 2 ? pw::TJPEGPerformance::jpBestSpeed
                                       : pw::TJPEGPerformance::jpBestQuality);
  image.SetProgressiveDisplay(choice / 32 % 2 != 0);
  image.SetSmoothing(choice / 64 % 2 != 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pw::gfx::GdiContext context;  // each input on its own, nothing kept for the next
  pw::TPicture picture;
  try {
    pw::fuzz::ReadPicture(picture, "TJPEGImage", std::span<const std::uint8_t>(data, size));
  } catch (const pw::Exception&) {
    return 0;
  }
  auto* image = dynamic_cast<pw::TJPEGImage*>(picture.Graphic());
  Require(image != nullptr);
  Require(image->Width() >= 0 && image->Height() >= 0);
  Configure(*image, size);

  try {
    pw::fuzz::DrawEveryWay(*image);
  } catch (const pw::Exception&) {
  }
  if (!image->Decoded()) return 0;        // the scaled size could not be computed
  pw::TBitmap* bitmap = image->Bitmap();  // kept, however far decoding got
  Require(bitmap != nullptr);
  Require(bitmap->Empty() ||
          (bitmap->Width() == image->Width() && bitmap->Height() == image->Height()));
  return 0;
}
