#pragma once
// Byte streams: the form reader's source and the holders of picture payloads.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pw {

class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  // Copies up to `count` bytes from the position on and moves past them; returns how many.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  virtual std::int64_t Size() const = 0;
  virtual std::int64_t Position() const = 0;
  // Positions beyond the end are allowed (reads there deliver nothing); below 0 is clamped to 0.
  virtual void SetPosition(std::int64_t position) = 0;
};

// A stream over bytes it does not own (an embedded resource); read-only.
class TReadOnlyMemoryStream : public TStream {
 public:
  explicit TReadOnlyMemoryStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t Read(void* buffer, std::size_t count) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
  std::int64_t Position() const override { return position_; }
  void SetPosition(std::int64_t position) override;
  std::span<const std::uint8_t> Bytes() const { return bytes_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::int64_t position_ = 0;
};

// A stream over bytes of its own.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::size_t Read(void* buffer, std::size_t count) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
  std::int64_t Position() const override { return position_; }
  void SetPosition(std::int64_t position) override;
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  // Hands the bytes over without copying; the stream is left empty.
  std::vector<std::uint8_t> TakeBytes();

 private:
  std::vector<std::uint8_t> bytes_;
  std::int64_t position_ = 0;
};

}  // namespace pw
