// Arbitrary bytes as a bitmap file in a picture's "Data", read and drawn every way. Any failure
// must be a pw::Exception; a bitmap that reads writes "Data" that reads back the same pixels.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "FuzzSupport.h"
#include "GraphicsSupport.h"
#include "convert/Exceptions.h"
#include "forms/Stream.h"
#include "graphics/Bitmap.h"
#include "graphics/Picture.h"
#include "platform/gfx/GdiContext.h"

namespace {

using pw::fuzz::Require;

constexpr std::int64_t kRoundTripPixels = 1 << 20;

bool SamePixels(const pw::TBitmap& a, const pw::TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  const auto rowBytes = static_cast<std::size_t>(a.Width()) * 4;
  for (int y = 0; y < a.Height(); ++y) {
    if (std::memcmp(a.ScanLine(y), b.ScanLine(y), rowBytes) != 0) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pw::gfx::GdiContext context;  // each input on its own, nothing kept for the next
  pw::TPicture picture;
  try {
    pw::fuzz::ReadPicture(picture, "TBitmap", std::span<const std::uint8_t>(data, size));
  } catch (const pw::Exception&) {
    return 0;
  }
  auto* bitmap = picture.Bitmap();
  Require(bitmap != nullptr);

  // The round trip where it is cheap: a few header bytes may declare 256 MB of pixels.
  if (static_cast<std::int64_t>(bitmap->Width()) * bitmap->Height() <= kRoundTripPixels) {
    std::vector<std::uint8_t> written;
    bitmap->WriteData(written);
    pw::TBitmap copy;
    pw::TMemoryStream stream(std::move(written));
    copy.ReadData(stream);
    Require(SamePixels(*bitmap, copy));
  }

  try {
    pw::fuzz::DrawEveryWay(*bitmap);
  } catch (const pw::Exception&) {
  }
  return 0;
}
