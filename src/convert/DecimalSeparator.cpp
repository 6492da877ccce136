#include "convert/NumberText.h"
#include "platform/sys/Locale.h"

namespace pw {

namespace {

// Read from the locale on first use unless set before.
char& Separator() {
  static char separator = sys::LocaleDecimalSeparator();
  return separator;
}

}  // namespace

char DecimalSeparator() {
  return Separator();
}

void SetDecimalSeparator(char separator) {
  Separator() = separator;
}

void ReadDecimalSeparator() {
  Separator() = sys::LocaleDecimalSeparator();
}

}  // namespace pw
