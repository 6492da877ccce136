// Arbitrary bytes read as the description of each window class: every failure must be a
// pw::Exception, and a failed reading must leave nothing behind (the sanitizers watch for leaks).
// Captions are measured through Pango, whose criticals stop the run.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "GraphicsSupport.h"
#include "app/CalculatorForm.h"
#include "app/ShowcaseForm.h"
#include "controls/FrameworkContext.h"
#include "convert/Exceptions.h"
#include "forms/FormLoader.h"
#include "forms/Stream.h"
#include "platform/backend/HeadlessBackend.h"

namespace {

template <class Form>
void ReadInto(std::span<const std::uint8_t> bytes) {
  auto form = std::make_unique<Form>(nullptr);
  pw::TReadOnlyMemoryStream stream(bytes);
  try {
    pw::ReadFormRoot(stream, *form);
  } catch (const pw::Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool initialized = [] {
    pw::fuzz::AbortOnGlibCriticals();
    return true;
  }();
  (void)initialized;
  const pw::FrameworkContext context(std::make_unique<pw::win::HeadlessBackend>());
  const std::span<const std::uint8_t> bytes(data, size);
  ReadInto<pw::TForm1>(bytes);
  ReadInto<pw::TForm3>(bytes);
  return 0;
}
