#include "graphics/Picture.h"

#include "convert/Messages.h"
#include "forms/FilerErrors.h"
#include "forms/Reader.h"
#include "forms/Stream.h"
#include "forms/TypeInfo.h"
#include "graphics/JpegImage.h"
#include "graphics/StoredGraphic.h"
#include "platform/sys/ContextStore.h"

namespace pw {

namespace {

// The longest class name a picture payload may carry.
constexpr std::size_t kMaxClassName = 63;

template <class T>
std::unique_ptr<TGraphic> Make() {
  return std::make_unique<T>();
}

template <class T>
TGraphicClass ClassOf() {
  return {&T::classInfo, &Make<T>};
}

struct FormatsSlot {
  FormatsSlot();
  std::vector<TFileFormat> list;
};

FormatsSlot::FormatsSlot() {
  {
    list.push_back({"wmf", LoadMessage(MessageId::MetafilesFilter), ClassOf<TMetafile>()});
    list.push_back({"emf", LoadMessage(MessageId::EnhMetafilesFilter), ClassOf<TMetafile>()});
    list.push_back({"ico", LoadMessage(MessageId::IconsFilter), ClassOf<TIcon>()});
    list.push_back({"bmp", LoadMessage(MessageId::BitmapsFilter), ClassOf<TBitmap>()});
    // JPEG support: its defaults first, then its two extensions.
    JPEGDefaults();
    list.push_back({"jpeg", LoadMessage(MessageId::JpegFilter), ClassOf<TJPEGImage>()});
    list.push_back({"jpg", LoadMessage(MessageId::JpegFilter), ClassOf<TJPEGImage>()});
  }
}

std::vector<TFileFormat>& Formats() {
  return sys::ContextLocal<FormatsSlot>().list;
}

}  // namespace

const std::vector<TFileFormat>& GraphicFileFormats() {
  return Formats();
}

void RegisterFileFormat(std::string_view extension, std::string_view description,
                        TGraphicClass graphicClass) {
  std::string lower(extension);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  Formats().push_back({std::move(lower), std::string(description), graphicClass});
}

const TGraphicClass* FindGraphicClass(std::string_view className) {
  const std::vector<TFileFormat>& formats = Formats();
  for (auto it = formats.rbegin(); it != formats.rend(); ++it) {
    if (it->graphicClass.info->name == className) return &it->graphicClass;
  }
  return nullptr;
}

// ---- TPicture

const TClassInfo TPicture::classInfo{"TPicture", &TPersistent::classInfo};

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

TBitmap* TPicture::Bitmap() const {
  return dynamic_cast<TBitmap*>(graphic_.get());
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) {
    graphic_->OnChange = [this](TObject*) { Changed(); };
    graphic_->OnProgress = [this](TGraphic& sender, TProgressStage stage, int percentDone,
                                  bool redrawNow, const gfx::RECT& rect, std::string_view message) {
      if (OnProgress) OnProgress(sender, stage, percentDone, redrawNow, rect, message);
    };
  }
  Changed();
}

void TPicture::ReadData(TStream& stream) {
  std::uint8_t length = 0;
  if (stream.Read(&length, 1) != 1) throw EReadError(LoadMessage(MessageId::ReadError));
  if (length > kMaxClassName) throw EReadError(LoadMessage(MessageId::InvalidStreamFormat));
  char name[kMaxClassName];
  if (stream.Read(name, length) != length) throw EReadError(LoadMessage(MessageId::ReadError));
  std::unique_ptr<TGraphic> graphic;
  if (const TGraphicClass* graphicClass = FindGraphicClass(std::string_view(name, length))) {
    graphic = graphicClass->create();
    graphic->ReadData(stream);
  }
  SetGraphic(std::move(graphic));
}

std::vector<std::uint8_t> TPicture::Data() const {
  std::vector<std::uint8_t> out;
  if (!graphic_) return out;
  const std::string_view name = graphic_->ClassName();
  out.push_back(static_cast<std::uint8_t>(name.size()));
  out.insert(out.end(), name.begin(), name.end());
  graphic_->WriteData(out);
  return out;
}

std::string TPicture::GraphicClassName() const {
  return graphic_ ? std::string(graphic_->ClassName()) : std::string();
}

void TPicture::DeclareExtraProperties(TReader& reader) {
  reader.DeclareBytesProperty("Data", [this](TStream& stream) { ReadData(stream); });
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace pw
