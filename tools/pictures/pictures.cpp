// pw_pictures: draws the pictures of the two form descriptions and writes them as files, 24-bit
// Windows bitmaps (bottom-up, 40-byte info header, no colour table) and baseline JPEG images.
//
//   pw_pictures OUTPUT_DIR
//
// writes OUTPUT_DIR/form1/... (the calculator window) and OUTPUT_DIR/form3/... (the showcase
// window). Output depends only on the drawing code, so the form streams are the same from build
// to build.

#include <exception>
#include <filesystem>
#include <iostream>

#include "pictures/WindowPictures.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PW_PICTURES_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(PW_PICTURES_ASAN)
// Fontconfig keeps its configuration for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: pw_pictures OUTPUT_DIR\n";
    return 2;
  }
  try {
    const std::filesystem::path root = argv[1];
    pw::pictures::DrawCalculatorPictures(root);
    pw::pictures::DrawShowcasePictures(root);
  } catch (const std::exception& e) {
    std::cerr << "pw_pictures: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
