#pragma once
// The desktop clipboard's text, through the display backend. The clipboard holds UTF-8; the
// narrow forms convert from and to the process code page (characters it lacks become '?').

#include <optional>
#include <string>
#include <string_view>

namespace pw::win {

// The clipboard's text (UTF-8); nothing when it holds no text.
std::optional<std::string> GetClipboardText();
// Puts UTF-8 text on the clipboard; false when it could not.
bool SetClipboardText(std::string_view utf8);
bool IsClipboardTextAvailable();

// The same in the process code page.
std::optional<std::string> GetClipboardNarrowText();
bool SetClipboardNarrowText(std::string_view narrow);

}  // namespace pw::win
