#include "graphics/JpegImage.h"

#include <chrono>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include <jpeglib.h>
// jerror.h after jpeglib.h: its macros use the library's structures.
#include <jerror.h>

#include "convert/Messages.h"
#include "forms/FilerErrors.h"
#include "forms/Stream.h"
#include "forms/TypeInfo.h"
#include "platform/sys/ContextStore.h"

namespace pw {

namespace {

// ---- libjpeg glue. A fatal error leaves the library by a long jump back to Guarded; the
// objects the library works on live on the heap, so nothing on the skipped frames needs
// destroying.

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}
// Warnings and trace messages are neither shown nor recorded.
void EmitNothing(j_common_ptr, int) {}
void OutputNothing(j_common_ptr) {}
void FormatNothing(j_common_ptr, char* buffer) {
  buffer[0] = '\0';
}
void ResetErrors(j_common_ptr info) {
  info->err->msg_code = 0;
  info->err->num_warnings = 0;
}

// The compressed bytes as the data source. When they run out, a warning is raised and an
// end-of-image marker supplied, so a truncated stream decodes as far as it goes and the library
// fills the rest; bytes that are missing from the start are a fatal error.
struct MemorySource {
  jpeg_source_mgr pub;
  const std::uint8_t* data;
  std::size_t size;
  bool startOfFile;
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr info) {
  reinterpret_cast<MemorySource*>(info->src)->startOfFile = true;
}

boolean FillInput(j_decompress_ptr info) {
  auto* source = reinterpret_cast<MemorySource*>(info->src);
  if (source->startOfFile && source->size > 0) {
    source->pub.next_input_byte = source->data;
    source->pub.bytes_in_buffer = source->size;
  } else {
    if (source->startOfFile) ERREXIT(info, JERR_INPUT_EMPTY);
    WARNMS(info, JWRN_JPEG_EOF);
    source->pub.next_input_byte = kEndOfImage;
    source->pub.bytes_in_buffer = sizeof kEndOfImage;
  }
  source->startOfFile = false;
  return TRUE;
}

void SkipInput(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  jpeg_source_mgr* source = info->src;
  while (count > static_cast<long>(source->bytes_in_buffer)) {
    count -= static_cast<long>(source->bytes_in_buffer);
    FillInput(info);
  }
  source->next_input_byte += count;
  source->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void TermSource(j_decompress_ptr) {}

// Working memory the library may take for one image: the coefficients of a progressive image
// as large as a bitmap may be.
constexpr long kMaxDecoderMemory = 512L << 20;

// A decompressor with the error handling and data source above; destroyed with the object.
struct Decompressor {
  explicit Decompressor(const std::vector<std::uint8_t>& bytes) {
    info.err = jpeg_std_error(&error.pub);
    error.pub.error_exit = &ErrorExit;
    error.pub.emit_message = &EmitNothing;
    error.pub.output_message = &OutputNothing;
    error.pub.format_message = &FormatNothing;
    error.pub.reset_error_mgr = &ResetErrors;
    source.pub.init_source = &InitSource;
    source.pub.fill_input_buffer = &FillInput;
    source.pub.skip_input_data = &SkipInput;
    source.pub.resync_to_restart = &jpeg_resync_to_restart;
    source.pub.term_source = &TermSource;
    source.data = bytes.data();
    source.size = bytes.size();
  }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
  ~Decompressor() {
    if (created) jpeg_destroy_decompress(&info);
  }

  // Creates the library's decompressor on the data source and reads the header (an image is
  // required). Call inside Guarded only.
  void Start() {
    created = true;  // destroying a half-created decompressor is safe
    jpeg_create_decompress(&info);
    // A multi-scan file keeps every coefficient of the full-size image while it decodes, however
    // small the output; past this the library fails (it has no backing store) instead of
    // taking what a few header bytes ask for.
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    info.src = &source.pub;
    jpeg_read_header(&info, TRUE);
  }
  int ErrorCode() const { return error.pub.msg_code; }

  jpeg_decompress_struct info{};
  ErrorManager error{};
  MemorySource source{};
  bool created = false;
};

// Runs `body`; false when libjpeg failed inside it (the message code is in the decompressor).
template <class Body>
bool Guarded(Decompressor& decompressor, const Body& body) {
  if (setjmp(decompressor.error.jump) != 0) return false;
  body();
  return true;
}

[[noreturn]] void RaiseJpegError(int code) {
  std::string message = LoadMessage(MessageId::JpegError);
  const std::size_t at = message.find("%d");
  if (at != std::string::npos) message.replace(at, 2, std::to_string(code));
  throw EJPEG(message);
}

}  // namespace

namespace {
struct JPEGDefaultsSlot {
  JPEGDefaultsSlot() {
    const int screenBits =
        gfx::GetDeviceCaps(nullptr, gfx::BITSPIXEL) * gfx::GetDeviceCaps(nullptr, gfx::PLANES);
    if (screenBits <= 8) defaults.pixelFormat = TJPEGPixelFormat::jf8Bit;
  }
  TJPEGDefaults defaults;
};
}  // namespace

TJPEGDefaults& JPEGDefaults() {
  return sys::ContextLocal<JPEGDefaultsSlot>().defaults;
}

// ---- Decoding

struct TJPEGImage::Decoding : Decompressor {
  explicit Decoding(TJPEGImage& image)
      : Decompressor(image.data_ ? image.data_->bytes : kNoBytes),
        image(image),
        data(image.data_),
        target(image.bitmap_.get()) {}

  // All of the decoding, inside Guarded.
  void Run() {
    Start();
    info.client_data = this;
    progress.progress_monitor = &Monitor;
    info.progress = &progress;
    const TJPEGDefaults& settings = image.settings_;
    info.scale_num = 1;
    info.scale_denom = 1u << static_cast<unsigned>(settings.scale);
    info.do_block_smoothing = settings.smoothing ? TRUE : FALSE;
    if (settings.grayscale) info.out_color_space = JCS_GRAYSCALE;
    quantize =
        settings.pixelFormat == TJPEGPixelFormat::jf8Bit || info.out_color_space == JCS_GRAYSCALE;
    if (quantize) {
      info.quantize_colors = TRUE;
      info.desired_number_of_colors = 236;
    } else {
      info.out_color_space = JCS_EXT_BGR;  // the bitmap's byte order
    }
    if (settings.performance == TJPEGPerformance::jpBestSpeed) {
      info.dct_method = JDCT_IFAST;
      info.two_pass_quantize = FALSE;
      info.dither_mode = JDITHER_ORDERED;
    } else {
      info.dct_method = JDCT_FLOAT;
    }
    const bool buffered = settings.progressiveDisplay && jpeg_has_multiple_scans(&info);
    if (buffered) {
      info.buffered_image = TRUE;
      info.enable_1pass_quant = quantize ? TRUE : FALSE;
      info.enable_2pass_quant = quantize && info.two_pass_quantize ? TRUE : FALSE;
    }
    Bitmap().SetPixelFormat(quantize ? TPixelFormat::pf8bit : TPixelFormat::pf24bit);
    if (!Report(TProgressStage::psStarting, 0, {})) return;

    jpeg_start_decompress(&info);
    Bitmap().SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    if (buffered) {
      const J_DCT_METHOD finalDct = info.dct_method;
      const boolean finalTwoPass = info.two_pass_quantize;
      const J_DITHER_MODE finalDither = info.dither_mode;
      while (!jpeg_input_complete(&info)) {
        info.dct_method = JDCT_IFAST;
        info.two_pass_quantize = FALSE;
        info.dither_mode = JDITHER_ORDERED;
        jpeg_start_output(&info, info.input_scan_number);
        ReadRows();
        jpeg_finish_output(&info);
      }
      info.dct_method = finalDct;
      info.two_pass_quantize = finalTwoPass;
      info.dither_mode = finalDither;
      jpeg_start_output(&info, info.input_scan_number);
      ReadRows();
      jpeg_finish_output(&info);
    } else {
      ReadRows();
    }
    jpeg_finish_decompress(&info);
  }

  TBitmap& Bitmap() { return *target; }

  // One row per call, each into the bitmap row it belongs to, then widened to 32 bits in place.
  void ReadRows() {
    while (info.output_scanline < info.output_height) {
      auto* row =
          reinterpret_cast<JSAMPLE*>(Bitmap().ScanLine(static_cast<int>(info.output_scanline)));
      JSAMPROW rows[1] = {row};
      if (jpeg_read_scanlines(&info, rows, 1) != 1) return;
      WidenRow(row);
    }
  }

  void WidenRow(std::uint8_t* row) const {
    for (int x = static_cast<int>(info.output_width) - 1; x >= 0; --x) {
      std::uint32_t pixel;
      if (quantize) {
        pixel = MapColor(row[x]);
      } else {
        pixel =
            row[3 * x] | (row[3 * x + 1] << 8) | (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
      }
      std::memcpy(row + 4 * x, &pixel, 4);
    }
  }

  // A colour of libjpeg's colour map: the gray value for grayscale output, else red, green and
  // blue components.
  std::uint32_t MapColor(int index) const {
    if (info.colormap == nullptr || index >= info.actual_number_of_colors) return 0;
    if (info.out_color_components == 1) {
      const std::uint32_t gray = info.colormap[0][index];
      return gray | (gray << 8) | (gray << 16);
    }
    return (static_cast<std::uint32_t>(info.colormap[0][index]) << 16) |
           (info.colormap[1][index] << 8) | info.colormap[2][index];
  }

  // Raises a progress notification. An abort stops decoding quietly; any other failure is kept
  // to be raised once the decompressor is gone. False when decoding must stop.
  bool Report(TProgressStage stage, int percent, const gfx::RECT& rect) {
    try {
      image.Progress(stage, percent, false, rect, {});
      if (image.bitmap_.get() == target) return true;
      aborted = true;  // the handler dropped the bitmap being decoded
    } catch (const EAbort&) {
      aborted = true;
    } catch (...) {
      failure = std::current_exception();
    }
    return false;
  }

  // At most every 500 ms while decoding.
  static void Monitor(j_common_ptr common) {
    auto* self = static_cast<Decoding*>(common->client_data);
    const auto now = std::chrono::steady_clock::now();
    if (now - self->lastReport < std::chrono::milliseconds(500)) return;
    self->lastReport = now;
    const jpeg_progress_mgr& p = self->progress;
    const long passes = std::max(p.total_passes, 1);
    const long pass = p.pass_limit > 0 ? p.pass_counter * 100 / p.pass_limit : 0;
    const int percent = static_cast<int>((p.completed_passes * 100 + pass) / passes);
    const gfx::RECT done{0, 0, static_cast<int>(self->info.output_width),
                         static_cast<int>(self->info.output_scanline)};
    if (!self->Report(TProgressStage::psRunning, percent, done)) {
      std::longjmp(self->error.jump, 1);
    }
  }

  static inline const std::vector<std::uint8_t> kNoBytes;

  TJPEGImage& image;
  const std::shared_ptr<const TJPEGData> data;  // the bytes being decoded stay
  TBitmap* const target;
  jpeg_progress_mgr progress{};
  std::chrono::steady_clock::time_point lastReport = std::chrono::steady_clock::now();
  bool quantize = false;
  bool aborted = false;
  std::exception_ptr failure;
};

void TJPEGImage::Decode() {
  bitmap_ = std::make_unique<TBitmap>();  // kept, however far decoding gets
  auto decoding = std::make_unique<Decoding>(*this);
  const bool completed = Guarded(*decoding, [&] { decoding->Run(); });
  const bool libraryFailed = !completed && !decoding->aborted && !decoding->failure;
  const bool whole = completed && !decoding->aborted && !decoding->failure;
  const int code = decoding->ErrorCode();
  const std::exception_ptr failure = decoding->failure;
  decoding.reset();  // the decompressor is destroyed before anything is raised
  if (failure) std::rethrow_exception(failure);
  Progress(TProgressStage::psEnding, whole ? 100 : 0, false, {}, {});
  if (libraryFailed) RaiseJpegError(code);
  if (whole && paletteModified_) {
    paletteModified_ = false;
    Changed();
  }
}

// ---- TJPEGImage

const TClassInfo TJPEGImage::classInfo{"TJPEGImage", &TGraphic::classInfo};

TJPEGImage::TJPEGImage() : settings_(JPEGDefaults()) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::Draw(gfx::HDC dc, const gfx::RECT& rect) {
  Bitmap()->Draw(dc, rect);
}

TBitmap* TJPEGImage::Bitmap() {
  if (!bitmap_) Decode();
  return bitmap_.get();
}

void TJPEGImage::CalculateOutputSize() const {
  needRecalculation_ = false;
  scaledWidth_ = scaledHeight_ = 0;
  if (!data_ || data_->bytes.empty()) return;
  auto decompressor = std::make_unique<Decompressor>(data_->bytes);
  Decompressor& d = *decompressor;
  const unsigned denominator = 1u << static_cast<unsigned>(settings_.scale);
  if (!Guarded(d, [&] {
        d.Start();
        d.info.scale_num = 1;
        d.info.scale_denom = denominator;
        jpeg_calc_output_dimensions(&d.info);
      })) {
    const int code = d.ErrorCode();
    decompressor.reset();
    RaiseJpegError(code);
  }
  scaledWidth_ = static_cast<int>(d.info.output_width);
  scaledHeight_ = static_cast<int>(d.info.output_height);
}

int TJPEGImage::Width() const {
  if (settings_.scale == TJPEGScale::jsFullSize) return data_ ? data_->width : 0;
  if (needRecalculation_) CalculateOutputSize();
  return scaledWidth_;
}

int TJPEGImage::Height() const {
  if (settings_.scale == TJPEGScale::jsFullSize) return data_ ? data_->height : 0;
  if (needRecalculation_) CalculateOutputSize();
  return scaledHeight_;
}

void TJPEGImage::SetWidth(int) {
  throw EInvalidGraphicOperation(LoadMessage(MessageId::ChangeJpegSize));
}

void TJPEGImage::SetHeight(int) {
  throw EInvalidGraphicOperation(LoadMessage(MessageId::ChangeJpegSize));
}

bool TJPEGImage::Empty() const {
  return (!data_ || data_->bytes.empty()) && (!bitmap_ || bitmap_->Empty());
}

const std::vector<std::uint8_t>& TJPEGImage::CompressedBytes() const {
  return data_ ? data_->bytes : Decoding::kNoBytes;
}

void TJPEGImage::SettingChanged() {
  bitmap_.reset();
  needRecalculation_ = true;
  Changed();
}

void TJPEGImage::SetGrayscaleOutput(bool grayscale) {
  if (grayscale == settings_.grayscale) return;
  settings_.grayscale = grayscale;
  SettingChanged();
}

void TJPEGImage::SetPerformance(TJPEGPerformance performance) {
  if (performance == settings_.performance) return;
  settings_.performance = performance;
  SettingChanged();
}

void TJPEGImage::SetPixelFormat(TJPEGPixelFormat format) {
  if (format == settings_.pixelFormat) return;
  settings_.pixelFormat = format;
  SettingChanged();
}

void TJPEGImage::SetProgressiveDisplay(bool progressive) {
  if (progressive == settings_.progressiveDisplay) return;
  settings_.progressiveDisplay = progressive;
  SettingChanged();
}

void TJPEGImage::SetScale(TJPEGScale scale) {
  if (scale == settings_.scale) return;
  settings_.scale = scale;
  SettingChanged();
}

void TJPEGImage::SetSmoothing(bool smoothing) {
  if (smoothing == settings_.smoothing) return;
  settings_.smoothing = smoothing;
  SettingChanged();
}

void TJPEGImage::ReadData(TStream& stream) {
  std::uint8_t prefix[4];
  if (stream.Read(prefix, 4) != 4) throw EReadError(LoadMessage(MessageId::ReadError));
  const std::uint32_t size = static_cast<std::uint32_t>(prefix[0]) | (prefix[1] << 8) |
                             (prefix[2] << 16) | (static_cast<std::uint32_t>(prefix[3]) << 24);
  if (size >
      static_cast<std::uint64_t>(std::max<std::int64_t>(stream.Size() - stream.Position(), 0))) {
    throw EReadError(LoadMessage(MessageId::ReadError));
  }
  auto data = std::make_shared<TJPEGData>();
  data->bytes.resize(size);
  if (stream.Read(data->bytes.data(), size) != size) {
    throw EReadError(LoadMessage(MessageId::ReadError));
  }
  bitmap_.reset();
  needRecalculation_ = true;
  if (size > 0) {
    auto decompressor = std::make_unique<Decompressor>(data->bytes);
    Decompressor& d = *decompressor;
    if (!Guarded(d, [&] { d.Start(); })) {
      const int code = d.ErrorCode();
      decompressor.reset();
      RaiseJpegError(code);
    }
    data->width = static_cast<int>(d.info.image_width);
    data->height = static_cast<int>(d.info.image_height);
    data->grayscale = d.info.jpeg_color_space == JCS_GRAYSCALE;
    settings_.progressiveEncoding = jpeg_has_multiple_scans(&d.info) != 0;
  }
  data_ = std::move(data);
  paletteModified_ = true;
  Changed();
}

void TJPEGImage::WriteData(std::vector<std::uint8_t>& out) const {
  const std::vector<std::uint8_t>& bytes = CompressedBytes();
  const auto size = static_cast<std::uint32_t>(bytes.size());
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(size >> shift));
  out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace pw
