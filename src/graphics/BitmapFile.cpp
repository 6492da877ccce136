// Reading and writing Windows bitmap files.
//
// Uncompressed pixel rows are read straight into the section's memory and then widened in place
// to 32 bits, last row and last pixel first: a file row is never longer than the 32-bit row that
// replaces it, so every byte is consumed before anything is written over it.

#include <algorithm>
#include <array>
#include <cstring>

#include "convert/Messages.h"
#include "forms/FilerErrors.h"
#include "forms/Stream.h"
#include "graphics/BitmapImage.h"

namespace pw {

namespace {

constexpr std::uint16_t kBitmapSignature = 0x4D42;  // "BM"
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;

std::uint16_t Le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// Reads of a payload of known size: nothing beyond the size, and nothing the stream lacks.
class PayloadReader {
 public:
  PayloadReader(TStream& stream, std::int64_t size) : stream_(stream), remaining_(size) {}

  std::int64_t Remaining() const { return remaining_; }
  // Fails with EReadError unless `count` bytes lie within the size and the stream.
  void Require(std::uint64_t count) const {
    const std::int64_t inStream = std::max<std::int64_t>(stream_.Size() - stream_.Position(), 0);
    if (count > static_cast<std::uint64_t>(std::min(remaining_, inStream))) RaiseReadError();
  }
  void Read(void* buffer, std::size_t count) {
    Require(count);
    if (stream_.Read(buffer, count) != count) RaiseReadError();
    remaining_ -= static_cast<std::int64_t>(count);
  }
  std::vector<std::uint8_t> ReadBytes(std::uint64_t count) {
    Require(count);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    Read(bytes.data(), bytes.size());
    return bytes;
  }
  std::uint32_t ReadU32() {
    std::uint8_t b[4];
    Read(b, 4);
    return Le32(b);
  }

 private:
  TStream& stream_;
  std::int64_t remaining_;
};

// The fields of an info header that reading uses (smaller headers leave the rest 0).
struct InfoHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::uint32_t colorsUsed = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

// The header fields after its size, as a 40-byte header (and the masks of larger ones) lays
// them out.
InfoHeader ParseInfoHeader(const std::vector<std::uint8_t>& rest) {
  std::array<std::uint8_t, 48> b{};
  std::copy_n(rest.begin(), std::min(rest.size(), b.size()), b.begin());
  InfoHeader h;
  h.width = static_cast<std::int32_t>(Le32(&b[0]));
  h.height = static_cast<std::int32_t>(Le32(&b[4]));
  h.planes = Le16(&b[8]);
  h.bitCount = Le16(&b[10]);
  h.compression = Le32(&b[12]);
  h.sizeImage = Le32(&b[16]);
  h.colorsUsed = Le32(&b[28]);
  if (rest.size() >= 48) h.masks = {Le32(&b[36]), Le32(&b[40]), Le32(&b[44])};
  return h;
}

// One colour channel of a bit-fields pixel, scaled to 8 bits.
struct Channel {
  explicit Channel(std::uint32_t mask) : mask(mask) {
    if (mask == 0) return;
    while (((mask >> shift) & 1) == 0) ++shift;
    while (shift + bits < 32 && ((mask >> (shift + bits)) & 1) != 0) ++bits;
  }
  std::uint32_t operator()(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return (v >> (bits - 8)) & 0xFF;
    // Fewer bits: repeat them downwards, so the largest value becomes 255.
    std::uint32_t result = 0;
    for (int filled = 0; filled < 8; filled += bits) result |= (v << (8 - bits)) >> filled;
    return result & 0xFF;
  }
  std::uint32_t mask;
  int shift = 0;
  int bits = 0;
};

struct PixelDecoder {
  int bitCount = 0;
  bool bitFields = false;
  std::vector<std::uint32_t> colors;  // 0x00RRGGBB
  Channel red{0x7C00}, green{0x03E0}, blue{0x001F};

  std::uint32_t Color(std::uint32_t index) const {
    return index < colors.size() ? colors[index] : 0;
  }
  std::uint32_t FromFields(std::uint32_t v) const {
    return (red(v) << 16) | (green(v) << 8) | blue(v);
  }
  std::uint32_t At(const std::uint8_t* row, int x) const {
    switch (bitCount) {
      case 1:
        return Color((row[x >> 3] >> (7 - (x & 7))) & 1);
      case 4:
        return Color((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF);
      case 8:
        return Color(row[x]);
      case 16:
        return FromFields(Le16(row + 2 * x));
      case 24:
        return row[3 * x] | (row[3 * x + 1] << 8) |
               (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
      default: {
        const std::uint32_t v = Le32(row + 4 * x);
        return bitFields ? FromFields(v) : (v & 0xFFFFFF);
      }
    }
  }
};

std::int64_t FileRowBytes(std::int64_t width, int bitCount) {
  return (width * bitCount + 31) / 32 * 4;
}

// Turns the file rows at the start of the section's memory into its 32-bit rows, last row
// first and each row from its right end, so that no file byte is overwritten before it is read.
template <class PixelAt>
void WidenRows(TBitmapImage& image, std::int64_t fileRow, PixelAt pixelAt) {
  const std::int64_t row = static_cast<std::int64_t>(image.width) * 4;
  for (std::int64_t m = image.height - 1; m >= 0; --m) {
    const std::uint8_t* from = image.bits + m * fileRow;
    std::uint8_t* to = image.bits + m * row;
    for (int x = image.width - 1; x >= 0; --x) {
      const std::uint32_t pixel = pixelAt(from, x);
      std::memcpy(to + 4 * x, &pixel, 4);
    }
  }
}

void WidenInPlace(TBitmapImage& image, const PixelDecoder& decoder) {
  const std::int64_t fileRow = FileRowBytes(image.width, decoder.bitCount);
  // One loop per pixel format, so that the format is not decided again for every pixel.
  switch (decoder.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
      WidenRows(image, fileRow, [&](const std::uint8_t* row, int x) { return decoder.At(row, x); });
      break;
    case 24:
      WidenRows(image, fileRow, [](const std::uint8_t* row, int x) {
        return row[3 * x] | (row[3 * x + 1] << 8) |
               (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
      });
      break;
    default:
      if (decoder.bitFields) {
        WidenRows(image, fileRow,
                  [&](const std::uint8_t* row, int x) { return decoder.At(row, x); });
      } else {
        WidenRows(image, fileRow,
                  [](const std::uint8_t* row, int x) { return Le32(row + 4 * x) & 0xFFFFFF; });
      }
  }
}

// Run-length compressed rows (8 or 4 bits per pixel), bottom row first. Pixels that the runs
// skip stay black; runs beyond the image are cut off.
void DecodeRunLength(TBitmapImage& image, const PixelDecoder& decoder,
                     const std::vector<std::uint8_t>& data) {
  const bool four = decoder.bitCount == 4;
  int x = 0, y = 0;  // y counts rows from the bottom
  const auto put = [&](std::uint32_t index) {
    if (x < image.width && y < image.height)
      image.Row(image.height - 1 - y)[x] = decoder.Color(index);
    ++x;
  };
  std::size_t i = 0;
  while (i + 1 < data.size() && y < image.height) {
    const std::uint8_t count = data[i], value = data[i + 1];
    i += 2;
    if (count > 0) {
      for (int k = 0; k < count; ++k) put(four ? ((k & 1) ? value & 0xF : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta
      if (i + 1 >= data.size()) break;
      x += data[i];
      y += data[i + 1];
      i += 2;
    } else {  // an absolute run of `value` pixels, padded to a 16-bit boundary
      const std::size_t bytes = four ? (value + 1u) / 2 : value;
      if (i + bytes > data.size()) break;
      for (int k = 0; k < value; ++k) {
        const std::uint8_t b = data[i + (four ? k / 2 : k)];
        put(four ? ((k & 1) ? b & 0xF : b >> 4) : b);
      }
      i += (bytes + 1) & ~std::size_t{1};
    }
  }
}

TPixelFormat FormatOf(int bitCount, const PixelDecoder& decoder) {
  switch (bitCount) {
    case 1:
      return TPixelFormat::pf1bit;
    case 4:
      return TPixelFormat::pf4bit;
    case 8:
      return TPixelFormat::pf8bit;
    case 16:
      return decoder.green.bits == 6 ? TPixelFormat::pf16bit : TPixelFormat::pf15bit;
    case 24:
      return TPixelFormat::pf24bit;
    default:
      return TPixelFormat::pf32bit;
  }
}

std::shared_ptr<TBitmapImage> ReadPixels(PayloadReader& in, const InfoHeader& h,
                                         PixelDecoder& decoder) {
  const bool runLength = h.compression == BI_RLE8 || h.compression == BI_RLE4;
  const int bitCount = h.bitCount;
  const bool validDepth = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                          bitCount == 24 || bitCount == 32;
  if (!validDepth || h.width <= 0 || h.height == 0 || h.height == INT32_MIN) RaiseInvalidBitmap();
  if (h.compression == BI_BITFIELDS && bitCount != 16 && bitCount != 32) RaiseInvalidBitmap();
  if (runLength && (h.height < 0 || bitCount != (h.compression == BI_RLE8 ? 8 : 4))) {
    RaiseInvalidBitmap();
  }
  if (!runLength && h.compression != BI_RGB && h.compression != BI_BITFIELDS) {
    RaiseInvalidBitmap();
  }

  const std::int64_t rows = h.height < 0 ? -static_cast<std::int64_t>(h.height) : h.height;
  std::int64_t pixelBytes = h.sizeImage != 0 ? h.sizeImage : FileRowBytes(h.width, bitCount) * rows;
  pixelBytes = std::min(pixelBytes, in.Remaining());

  auto image = TBitmapImage::Create(h.width, h.height, FormatOf(bitCount, decoder));
  if (runLength) {
    DecodeRunLength(*image, decoder, in.ReadBytes(static_cast<std::uint64_t>(pixelBytes)));
  } else {
    // Never more than the file rows of the image, which fit in the section.
    const std::int64_t count = std::min(pixelBytes, FileRowBytes(h.width, bitCount) * rows);
    in.Read(image->bits, static_cast<std::size_t>(count));
    WidenInPlace(*image, decoder);
  }
  return image;
}

}  // namespace

void RaiseInvalidBitmap() {
  throw EInvalidGraphic(LoadMessage(MessageId::InvalidBitmap));
}
void RaiseReadError() {
  throw EReadError(LoadMessage(MessageId::ReadError));
}
void RaiseOutOfResources() {
  throw EOutOfResources(LoadMessage(MessageId::OutOfResources));
}

std::shared_ptr<TBitmapImage> ReadBitmapFile(TStream& stream, std::int64_t size) {
  PayloadReader file(stream, size);
  std::vector<std::uint8_t> head(14);
  file.Read(head.data(), head.size());
  if (Le16(head.data()) != kBitmapSignature) RaiseInvalidBitmap();

  const std::uint32_t headerSize = file.ReadU32();
  Put32(head, headerSize);
  InfoHeader h;
  std::size_t tableEntry = 4;
  if (headerSize == kCoreHeaderSize) {
    std::uint8_t core[8];
    file.Read(core, sizeof core);
    head.insert(head.end(), core, core + sizeof core);
    h.width = Le16(core);
    h.height = Le16(core + 2);
    h.planes = Le16(core + 4);
    h.bitCount = Le16(core + 6);
    tableEntry = 3;
  } else {
    const std::vector<std::uint8_t> rest = file.ReadBytes(headerSize >= 4 ? headerSize - 4 : 0);
    head.insert(head.end(), rest.begin(), rest.end());
    h = ParseInfoHeader(rest);
  }

  // A compressed file is kept as read; the rest is read from that copy.
  std::unique_ptr<TReadOnlyMemoryStream> copyStream;
  std::unique_ptr<PayloadReader> copyReader;
  std::vector<std::uint8_t> savedFile;
  PayloadReader* in = &file;
  if (h.compression != BI_RGB && h.compression != BI_BITFIELDS) {
    savedFile = std::move(head);
    const std::vector<std::uint8_t> rest =
        file.ReadBytes(static_cast<std::uint64_t>(file.Remaining()));
    const std::size_t read = savedFile.size();
    savedFile.insert(savedFile.end(), rest.begin(), rest.end());
    copyStream = std::make_unique<TReadOnlyMemoryStream>(savedFile);
    copyStream->SetPosition(static_cast<std::int64_t>(read));
    copyReader =
        std::make_unique<PayloadReader>(*copyStream, static_cast<std::int64_t>(rest.size()));
    in = copyReader.get();
  }

  if (h.planes != 1) RaiseInvalidBitmap();

  PixelDecoder decoder;
  decoder.bitCount = h.bitCount;
  if (h.compression == BI_BITFIELDS) {
    if (headerSize == kInfoHeaderSize && (h.bitCount == 16 || h.bitCount == 32)) {
      for (std::uint32_t& mask : h.masks) mask = in->ReadU32();
    }
    decoder.bitFields = true;
    decoder.red = Channel(h.masks[0]);
    decoder.green = Channel(h.masks[1]);
    decoder.blue = Channel(h.masks[2]);
  }

  std::uint64_t colors = h.colorsUsed;
  if (colors == 0) colors = h.bitCount == 1 ? 2 : h.bitCount == 4 ? 16 : h.bitCount == 8 ? 256 : 0;
  const std::vector<std::uint8_t> table = in->ReadBytes(colors * tableEntry);
  decoder.colors.reserve(static_cast<std::size_t>(colors));
  for (std::size_t i = 0; i + tableEntry <= table.size(); i += tableEntry) {
    decoder.colors.push_back(table[i] | (table[i + 1] << 8) |
                             (static_cast<std::uint32_t>(table[i + 2]) << 16));
  }

  auto image = ReadPixels(*in, h, decoder);
  image->savedFile = std::move(savedFile);
  return image;
}

void WriteBitmapFile(const TBitmapImage& image, std::vector<std::uint8_t>& out) {
  bool mono = image.format == TPixelFormat::pf1bit;
  for (int y = 0; mono && y < image.height; ++y) {
    const std::uint32_t* row = image.Row(y);
    mono = std::all_of(row, row + image.width, [](std::uint32_t p) {
      return (p & 0xFFFFFF) == 0 || (p & 0xFFFFFF) == 0xFFFFFF;
    });
  }
  const int bitCount = mono ? 1 : 24;
  const auto rowBytes = static_cast<std::uint32_t>(FileRowBytes(image.width, bitCount));
  const std::uint32_t tableBytes = mono ? 8 : 0;
  const std::uint32_t offset = 14 + kInfoHeaderSize + tableBytes;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
  out.reserve(out.size() + offset + pixelBytes);
  Put16(out, kBitmapSignature);
  Put32(out, offset + pixelBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(image.width));
  Put32(out, static_cast<std::uint32_t>(image.height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitCount));
  Put32(out, BI_RGB);
  Put32(out, pixelBytes);
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  if (mono) {
    Put32(out, 0);
    Put32(out, 0xFFFFFF);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    const std::uint32_t* row = image.Row(y);
    const std::size_t start = out.size();
    out.resize(start + rowBytes);
    std::uint8_t* to = out.data() + start;
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t pixel = row[x];
      if (mono) {
        if ((pixel & 0xFFFFFF) != 0)
          to[x >> 3] = static_cast<std::uint8_t>(to[x >> 3] | (0x80 >> (x & 7)));
      } else {
        to[3 * x] = static_cast<std::uint8_t>(pixel);
        to[3 * x + 1] = static_cast<std::uint8_t>(pixel >> 8);
        to[3 * x + 2] = static_cast<std::uint8_t>(pixel >> 16);
      }
    }
  }
}

}  // namespace pw
