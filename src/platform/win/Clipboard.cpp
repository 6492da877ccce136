// The clipboard's text through the display backend.

#include "platform/win/Clipboard.h"

#include "platform/sys/CodePage.h"
#include "platform/win/Backend.h"

namespace pw::win {

std::optional<std::string> GetClipboardText() {
  return CurrentBackend().ClipboardText();
}

bool SetClipboardText(std::string_view utf8) {
  return CurrentBackend().SetClipboardText(utf8);
}

bool IsClipboardTextAvailable() {
  const std::optional<std::string> text = GetClipboardText();
  return text.has_value() && !text->empty();
}

std::optional<std::string> GetClipboardNarrowText() {
  std::optional<std::string> text = GetClipboardText();
  if (!text) return std::nullopt;
  return sys::WideToNarrow(sys::Utf8ToWide(*text));
}

bool SetClipboardNarrowText(std::string_view narrow) {
  return SetClipboardText(sys::WideToUtf8(sys::NarrowToWide(narrow)));
}

}  // namespace pw::win
