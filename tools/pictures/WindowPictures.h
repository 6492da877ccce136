#pragma once
// The pictures of each window, drawn into OUTPUT_DIR/form1 and OUTPUT_DIR/form3.

#include <filesystem>

namespace pw::pictures {

// form1/P1.bmp .. P11.bmp, G1.bmp, G2.bmp and the application icon.
void DrawCalculatorPictures(const std::filesystem::path& root);
// form3/<component>.jpg or .bmp.
void DrawShowcasePictures(const std::filesystem::path& root);

}  // namespace pw::pictures
