#include "graphics/Picture.h"

#include "forms/Reader.h"
#include "forms/Stream.h"
#include "forms/TypeInfo.h"

namespace pw {

namespace {

// The rest of the stream; a memory stream read from its start hands its bytes over uncopied.
std::vector<std::uint8_t> ReadAll(TStream& stream) {
  if (auto* memory = dynamic_cast<TMemoryStream*>(&stream); memory && memory->Position() == 0) {
    return memory->TakeBytes();
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Size() - stream.Position()));
  bytes.resize(stream.Read(bytes.data(), bytes.size()));
  return bytes;
}

}  // namespace

const TClassInfo TGraphic::classInfo{"TGraphic", &TPersistent::classInfo};
const TClassInfo TBitmap::classInfo{"TBitmap", &TGraphic::classInfo};
const TClassInfo TPicture::classInfo{"TPicture", &TPersistent::classInfo};

void TGraphic::DeclareExtraProperties(TReader& reader) {
  reader.DeclareBytesProperty("Data", [this](TStream& stream) { data_ = ReadAll(stream); });
}

void TPicture::DeclareExtraProperties(TReader& reader) {
  reader.DeclareBytesProperty("Data", [this](TStream& stream) { data_ = ReadAll(stream); });
}

std::string TPicture::GraphicClassName() const {
  if (data_.empty() || data_[0] + 1u > data_.size()) return {};
  return std::string(data_.begin() + 1, data_.begin() + 1 + data_[0]);
}

}  // namespace pw
