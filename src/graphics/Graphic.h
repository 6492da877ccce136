#pragma once
// TGraphic: the base of every drawable picture kind (bitmaps, JPEG images, icons, metafiles).
// A graphic draws itself stretched into a rectangle of a device context, knows its size, reads
// its "Data" payload from a form stream, and tells its owner when it changes.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "convert/Exceptions.h"
#include "forms/Object.h"
#include "forms/Persistent.h"
#include "platform/gfx/Gdi.h"

namespace pw {

class TStream;

// A picture's bytes or headers do not make a valid image.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};
// An operation the kind of graphic does not support (resizing a JPEG image).
class EInvalidGraphicOperation : public Exception {
 public:
  using Exception::Exception;
};

enum class TProgressStage { psStarting, psRunning, psEnding };

class TGraphic;
// Progress of a long operation (decoding): stage, per cent done, whether the part in `rect`
// may be shown now, and a message.
using TProgressEvent =
    std::function<void(TGraphic& sender, TProgressStage stage, int percentDone, bool redrawNow,
                       const gfx::RECT& rect, std::string_view message)>;

class TGraphic : public TPersistent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  // Draws the picture stretched to fill `rect` (logical coordinates of `dc`).
  virtual void Draw(gfx::HDC dc, const gfx::RECT& rect) = 0;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  virtual bool Empty() const = 0;

  bool Transparent() const { return transparent_; }
  // Announces a change when the flag changes.
  virtual void SetTransparent(bool transparent);

  // Reads the "Data" payload as form streams carry it (it starts at the stream's position).
  virtual void ReadData(TStream& stream) = 0;
  // Appends the "Data" payload that ReadData reads back.
  virtual void WriteData(std::vector<std::uint8_t>& out) const = 0;
  // The "Data" payload as WriteData writes it.
  std::vector<std::uint8_t> Data() const;

  // Announces the "Data" property to the form reader, which hands it to ReadData.
  void DeclareExtraProperties(TReader& reader) override;

  // Runs after every change of the picture (new data, size, transparency); the sender is the
  // graphic.
  TNotifyEvent OnChange;
  TProgressEvent OnProgress;

 protected:
  // Runs OnChange.
  virtual void Changed();
  void Progress(TProgressStage stage, int percentDone, bool redrawNow, const gfx::RECT& rect,
                std::string_view message);

 private:
  bool transparent_ = false;
};

}  // namespace pw
