#pragma once
// Translation of SDL2 keyboard input into the windowing stand-in's terms: SDL key codes to our
// virtual keys, and the UTF-8 text of SDL_TEXTINPUT to characters.

#include <SDL_keycode.h>

#include <optional>
#include <string_view>
#include <vector>

namespace pw::win {

// The virtual key of an SDL key code; nothing for keys the framework has no use for.
std::optional<unsigned> VirtualKeyFromSdl(SDL_Keycode key);

// The code points of UTF-8 text; malformed sequences become U+FFFD.
std::vector<char32_t> DecodeUtf8(std::string_view text);

}  // namespace pw::win
