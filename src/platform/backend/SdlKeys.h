#pragma once
// Translation of SDL2 key codes into the windowing stand-in's virtual keys.

#include <SDL_keycode.h>

#include <optional>

namespace pw::win {

// The virtual key of an SDL key code; nothing for keys the framework has no use for.
std::optional<unsigned> VirtualKeyFromSdl(SDL_Keycode key);

}  // namespace pw::win
