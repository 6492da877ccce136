#include "graphics/StoredGraphic.h"

#include <algorithm>

#include "forms/Stream.h"
#include "forms/TypeInfo.h"

namespace pw {

const TClassInfo TStoredGraphic::classInfo{"TStoredGraphic", &TGraphic::classInfo};
const TClassInfo TIcon::classInfo{"TIcon", &TStoredGraphic::classInfo};
const TClassInfo TMetafile::classInfo{"TMetafile", &TStoredGraphic::classInfo};

void TStoredGraphic::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TStoredGraphic::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

void TStoredGraphic::ReadData(TStream& stream) {
  std::vector<std::uint8_t> bytes(
      static_cast<std::size_t>(std::max<std::int64_t>(stream.Size() - stream.Position(), 0)));
  bytes.resize(stream.Read(bytes.data(), bytes.size()));
  payload_ = std::move(bytes);
  Changed();
}

void TStoredGraphic::WriteData(std::vector<std::uint8_t>& out) const {
  out.insert(out.end(), payload_.begin(), payload_.end());
}

}  // namespace pw
