// Arbitrary bytes as a picture's "Data": the first byte picks the class (bitmap or JPEG image),
// the rest is that graphic's payload behind the class name. The picture is drawn plain, stretched
// and transparent into a small surface. Any failure must be a pw::Exception.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "convert/Exceptions.h"
#include "forms/Stream.h"
#include "graphics/Picture.h"
#include "platform/gfx/Gdi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view name = data[0] & 1 ? "TJPEGImage" : "TBitmap";
  std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(name.size())};
  payload.insert(payload.end(), name.begin(), name.end());
  payload.insert(payload.end(), data + 1, data + size);

  static const pw::gfx::HBITMAP surface = pw::gfx::CreateDIBSection(64, 48, nullptr);
  static const pw::gfx::HDC dc = [] {
    pw::gfx::HDC context = pw::gfx::CreateCompatibleDC(nullptr);
    pw::gfx::SelectObject(context, surface);
    return context;
  }();

  pw::TPicture picture;
  try {
    pw::TMemoryStream stream(std::move(payload));
    picture.ReadData(stream);
    if (pw::TGraphic* graphic = picture.Graphic()) {
      graphic->Draw(dc, {0, 0, graphic->Width(), graphic->Height()});
      graphic->Draw(dc, {3, 2, 40, 30});
      graphic->SetTransparent(true);
      graphic->Draw(dc, {0, 0, graphic->Width(), graphic->Height()});
      graphic->Draw(dc, {-5, 4, 70, 20});
    }
  } catch (const pw::Exception&) {
  }
  return 0;
}
