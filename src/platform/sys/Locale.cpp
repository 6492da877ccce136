#include "platform/sys/Locale.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace pw::sys {

char LocaleDecimalSeparator() {
  // The user's LC_NUMERIC, read without touching the process's own locale.
  locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return '.';
  const char* radix = nl_langinfo_l(RADIXCHAR, user);
  char separator = (radix != nullptr && std::strlen(radix) == 1) ? radix[0] : '.';
  freelocale(user);
  return separator;
}

std::string LocaleLanguage() {
  const char* name = nullptr;
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    name = std::getenv(variable);
    if (name != nullptr && *name != '\0') break;
  }
  if (name == nullptr) return {};
  std::string language;
  for (const char* c = name; *c != '\0' && *c != '_' && *c != '.' && *c != '@'; ++c) {
    language.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(*c))));
  }
  if (language == "c" || language == "posix") language.clear();
  return language;
}

bool IsRightToLeftCharacter(char16_t c) {
  if (c == 0x200F) return true;  // the right-to-left mark
  if (c >= 0x0590 && c <= 0x08FF) {
    const bool hebrewPoint =
        c >= 0x0591 && c <= 0x05C7 && c != 0x05BE && c != 0x05C0 && c != 0x05C3 && c != 0x05C6;
    const bool arabicDigit = (c >= 0x0660 && c <= 0x0669) || (c >= 0x06F0 && c <= 0x06F9);
    const bool arabicMark =
        (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) || c == 0x0670 ||
        (c >= 0x06D6 && c <= 0x06ED && c != 0x06DD && c != 0x06E5 && c != 0x06E6);
    return !hebrewPoint && !arabicDigit && !arabicMark;
  }
  return (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFE);
}

}  // namespace pw::sys
