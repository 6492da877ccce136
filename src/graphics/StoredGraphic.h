#pragma once
// Icons and metafiles: registered so that pictures naming them read, but neither window uses
// them, so they keep their payload as read and draw nothing.

#include <cstdint>
#include <vector>

#include "graphics/Graphic.h"

namespace pw {

// A graphic that keeps its "Data" payload without decoding it.
class TStoredGraphic : public TGraphic {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  void Draw(gfx::HDC /*dc*/, const gfx::RECT& /*rect*/) override {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  bool Empty() const override { return payload_.empty(); }

  // Keeps the rest of the stream.
  void ReadData(TStream& stream) override;
  void WriteData(std::vector<std::uint8_t>& out) const override;

 private:
  std::vector<std::uint8_t> payload_;
  int width_ = 0;
  int height_ = 0;
};

class TIcon : public TStoredGraphic {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
};

class TMetafile : public TStoredGraphic {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
};

}  // namespace pw
