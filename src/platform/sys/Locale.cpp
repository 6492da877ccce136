#include "platform/sys/Locale.h"

#include <langinfo.h>
#include <locale.h>

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

}  // namespace pw::sys
