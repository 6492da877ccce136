#include "forms/Stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pw {

namespace {

// Copies what lies between `position` and the end of `bytes`, at most `count` bytes.
std::size_t CopyOut(std::span<const std::uint8_t> bytes, std::int64_t& position, void* buffer,
                    std::size_t count) {
  const auto size = static_cast<std::int64_t>(bytes.size());
  if (position >= size || count == 0) return 0;
  const std::size_t n = std::min(count, static_cast<std::size_t>(size - position));
  std::memcpy(buffer, bytes.data() + position, n);
  position += static_cast<std::int64_t>(n);
  return n;
}

}  // namespace

std::size_t TReadOnlyMemoryStream::Read(void* buffer, std::size_t count) {
  return CopyOut(bytes_, position_, buffer, count);
}

void TReadOnlyMemoryStream::SetPosition(std::int64_t position) {
  position_ = std::max<std::int64_t>(position, 0);
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  return CopyOut(bytes_, position_, buffer, count);
}

void TMemoryStream::SetPosition(std::int64_t position) {
  position_ = std::max<std::int64_t>(position, 0);
}

std::vector<std::uint8_t> TMemoryStream::TakeBytes() {
  position_ = 0;
  return std::exchange(bytes_, {});
}

}  // namespace pw
