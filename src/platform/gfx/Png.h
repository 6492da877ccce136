#pragma once
// PNG output of bitmaps (screenshots and test pictures).

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/Gdi.h"

namespace pw::gfx {

// Writes a 32-bit or monochrome bitmap as an 8-bit RGB PNG file; false when the handle is not a
// bitmap or the file cannot be written.
bool WritePng(HBITMAP bitmap, const std::string& path);
// The same PNG in memory; empty on failure.
std::vector<std::uint8_t> EncodePng(HBITMAP bitmap);

}  // namespace pw::gfx
