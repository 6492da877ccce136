#pragma once
// TPicture: holds at most one graphic, of any registered class, and forwards its changes and
// progress to the owner. Its "Data" payload is the graphic's class name as a short text (at most
// 63 bytes) followed by the graphic's own "Data".
//
// The registry of graphic classes lists file extension, description and class, in the order the
// entries were added; the built-in entries are metafiles, icons, bitmaps and JPEG images.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/Graphic.h"

namespace pw {

// A graphic class: its type information and how to make an empty instance.
struct TGraphicClass {
  const TClassInfo* info = nullptr;
  std::unique_ptr<TGraphic> (*create)() = nullptr;
};

struct TFileFormat {
  std::string extension;  // lower case, without the dot
  std::string description;
  TGraphicClass graphicClass;
};

// The registered formats, built-in ones first.
const std::vector<TFileFormat>& GraphicFileFormats();
// Adds a format at the end of the registry.
void RegisterFileFormat(std::string_view extension, std::string_view description,
                        TGraphicClass graphicClass);
// The class registered under that name (case-sensitive; later entries win); null when none.
const TGraphicClass* FindGraphicClass(std::string_view className);

class TPicture : public TPersistent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  TPicture();
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Installs a graphic (or none), frees the previous one and announces the change.
  void SetGraphic(std::unique_ptr<TGraphic> graphic);
  // The graphic when it is a bitmap, else null.
  TBitmap* Bitmap() const;

  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // Reads the "Data" payload: a graphic of the named class reads the rest; a name that is not
  // registered leaves the picture empty.
  void ReadData(TStream& stream);
  // The "Data" payload as ReadData reads it back; empty without a graphic.
  std::vector<std::uint8_t> Data() const;
  // The class name of the graphic ("TBitmap", "TJPEGImage"); empty without one.
  std::string GraphicClassName() const;

  void DeclareExtraProperties(TReader& reader) override;

  // Run after the graphic changed or was replaced (sender: the picture), and on its progress.
  TNotifyEvent OnChange;
  TProgressEvent OnProgress;

 private:
  void Changed();

  std::unique_ptr<TGraphic> graphic_;
};

}  // namespace pw
