#pragma once
// The user's regional settings.

namespace pw::sys {

// The locale's radix character (LC_NUMERIC) when it is one byte, else '.'.
char LocaleDecimalSeparator();

}  // namespace pw::sys
