#pragma once
// Pictures as the form streams carry them. TPicture's "Data" is the graphic's class name and its
// data; a bitmap's "Data" is its byte size and a bitmap file. The payload is kept as read until
// it is decoded.

#include <cstdint>
#include <string>
#include <vector>

#include "forms/Persistent.h"

namespace pw {

class TStream;

class TGraphic : public TPersistent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  void DeclareExtraProperties(TReader& reader) override;

  // The payload of the last "Data" read, exactly as it stood in the stream.
  const std::vector<std::uint8_t>& Data() const { return data_; }
  void SetData(std::vector<std::uint8_t> data) { data_ = std::move(data); }

 private:
  std::vector<std::uint8_t> data_;
};

class TBitmap : public TGraphic {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
};

class TPicture : public TPersistent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  void DeclareExtraProperties(TReader& reader) override;

  // The payload of the last "Data" read: the graphic class name as a short text, then its data.
  const std::vector<std::uint8_t>& Data() const { return data_; }
  // The graphic class named by the payload ("TBitmap", "TJPEGImage"); empty without one.
  std::string GraphicClassName() const;

 private:
  std::vector<std::uint8_t> data_;
};

}  // namespace pw
