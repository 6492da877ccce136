#pragma once
// The process code page of narrow strings and the conversions between narrow strings, UTF-8 and
// UTF-16. Characters a code page lacks become '?'.

#include <cstddef>
#include <string>
#include <string_view>

namespace pw::sys {

inline constexpr int kCodePageWestern = 1252;
inline constexpr int kCodePageArabic = 1256;
inline constexpr int kCodePageUtf8 = 65001;

// The code page of the user's locale: 1252 or 1256 when its character set is one of those,
// otherwise UTF-8.
int LocaleCodePage();

// The process code page; the locale's until SetCodePage is called.
int CodePage();
// Accepts 1252, 1256 and 65001; throws std::invalid_argument for any other.
void SetCodePage(int codePage);

// Narrow text in the process code page to UTF-16 and back.
std::u16string NarrowToWide(std::string_view text);
std::string WideToNarrow(std::u16string_view text);
// Narrow text in the given code page (1252, 1256 or 65001) to UTF-16.
std::u16string NarrowToWide(std::string_view text, int codePage);
// Whether characters of the code page can take more than one byte (lead bytes exist).
bool HasLeadBytes(int codePage);

// The system's lower-casing of UTF-16 text, character by character, beyond ASCII ("Ü" to "ü").
std::u16string LowerCase(std::u16string_view text);

// Malformed UTF-8 sequences and unpaired surrogates become U+FFFD.
std::u16string Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::u16string_view text);
// The code points of UTF-8 text, malformed sequences becoming U+FFFD as in Utf8ToWide.
std::u32string Utf8ToCodePoints(std::string_view text);

// The code point of UTF-16 text that starts at `i` (below text.size()), with `i` moved past it;
// an unpaired surrogate is a code point of its own.
char32_t NextCodePoint(std::u16string_view text, std::size_t& i);
// A code point as UTF-16: one unit, or a surrogate pair above U+FFFF; "?" beyond U+10FFFF.
std::u16string CodePointToWide(char32_t c);

}  // namespace pw::sys
