#include "graphics/Graphic.h"

#include "forms/Reader.h"
#include "forms/Stream.h"
#include "forms/TypeInfo.h"

namespace pw {

const TClassInfo TGraphic::classInfo{"TGraphic", &TPersistent::classInfo};

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

std::vector<std::uint8_t> TGraphic::Data() const {
  std::vector<std::uint8_t> out;
  WriteData(out);
  return out;
}

void TGraphic::DeclareExtraProperties(TReader& reader) {
  reader.DeclareBytesProperty("Data", [this](TStream& stream) { ReadData(stream); });
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphic::Progress(TProgressStage stage, int percentDone, bool redrawNow,
                        const gfx::RECT& rect, std::string_view message) {
  if (OnProgress) OnProgress(*this, stage, percentDone, redrawNow, rect, message);
}

}  // namespace pw
