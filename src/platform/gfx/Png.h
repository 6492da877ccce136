#pragma once
// PNG images of bitmaps (screenshots, test pictures) and bitmaps of PNG images (the program icon).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/Gdi.h"

namespace pw::gfx {

// Writes a 32-bit or monochrome bitmap as an 8-bit RGB PNG file; false when the handle is not a
// bitmap or the file cannot be written.
bool WritePng(HBITMAP bitmap, const std::string& path);
// The same PNG in memory; empty on failure.
std::vector<std::uint8_t> EncodePng(HBITMAP bitmap);
// A PNG image as a 32-bit top-down section with its alpha (not premultiplied) in the top byte;
// null when the bytes are not a PNG image.
HBITMAP DecodePng(std::span<const std::uint8_t> bytes);
// The images of an icon file (icon directory, then the images) stored as PNG, in directory
// order, each as DecodePng gives it; images in other formats and entries outside the bytes are
// left out.
std::vector<HBITMAP> DecodeIconFile(std::span<const std::uint8_t> bytes);

}  // namespace pw::gfx
