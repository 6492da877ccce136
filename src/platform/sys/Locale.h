#pragma once
// The user's regional settings.

#include <string>

namespace pw::sys {

// The locale's radix character (LC_NUMERIC) when it is one byte, else '.'.
char LocaleDecimalSeparator();

// The language of the user's locale (LC_ALL, else LC_CTYPE, else LANG) as its lower-case ISO 639
// code ("fa" for fa_IR.UTF-8); empty for the neutral C and POSIX locales or none set.
std::string LocaleLanguage();

// Whether the character is written right to left (bidirectional class R or AL): the Hebrew,
// Arabic, Syriac, Thaana and N'Ko letters and their presentation forms, and the right-to-left
// mark; digits and combining marks of those scripts are not.
bool IsRightToLeftCharacter(char16_t c);

}  // namespace pw::sys
