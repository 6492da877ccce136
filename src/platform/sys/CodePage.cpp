#include "platform/sys/CodePage.h"

#include <langinfo.h>
#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace pw::sys {

namespace {

using HighHalf = std::array<char16_t, 128>;  // the characters of bytes 0x80..0xFF

// Windows-1252. The five bytes the code page leaves undefined map to the C1 controls of the same
// value, so every byte converts and converts back.
constexpr HighHalf kWestern = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

// Windows-1256 (Arabic, with the Persian and Urdu letters it has; no Farsi yeh U+06CC).
constexpr HighHalf kArabic = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0679, 0x2039,
    0x0152, 0x0686, 0x0698, 0x0688, 0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA, 0x00A0, 0x060C, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x061B, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x061F, 0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F, 0x0630, 0x0631, 0x0632, 0x0633,
    0x0634, 0x0635, 0x0636, 0x00D7, 0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x0649, 0x064A, 0x00EE, 0x00EF, 0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,
};

// A single-byte code page: its upper half and the reverse lookup, sorted by character.
class SingleByte {
 public:
  explicit SingleByte(const HighHalf& high) : high_(high) {
    for (std::size_t i = 0; i < high.size(); ++i) {
      reverse_[i] = {high[i], static_cast<char>(0x80 + i)};
    }
    std::sort(reverse_.begin(), reverse_.end());
  }

  char16_t ToWide(char byte) const {
    const auto b = static_cast<unsigned char>(byte);
    return b < 0x80 ? char16_t{b} : high_[b - 0x80];
  }

  char ToByte(char32_t c) const {
    if (c < 0x80) return static_cast<char>(c);
    if (c > 0xFFFF) return '?';
    const auto key = static_cast<char16_t>(c);
    auto it = std::lower_bound(reverse_.begin(), reverse_.end(), key,
                               [](const Entry& e, char16_t k) { return e.first < k; });
    return (it != reverse_.end() && it->first == key) ? it->second : '?';
  }

 private:
  using Entry = std::pair<char16_t, char>;
  const HighHalf& high_;
  std::array<Entry, 128> reverse_{};
};

const SingleByte& Table(int codePage) {
  static const SingleByte western(kWestern);
  static const SingleByte arabic(kArabic);
  return codePage == kCodePageArabic ? arabic : western;
}

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Calls `emit` with each code point of UTF-16 text; an unpaired surrogate is passed as it is.
template <class Emit>
void ForEachCodePoint(std::u16string_view text, Emit emit) {
  for (std::size_t i = 0; i < text.size();) emit(NextCodePoint(text, i));
}

// Appends a code point of at most U+10FFFF as one or two UTF-16 units.
void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

// Calls `emit` with each code point of UTF-8 text, U+FFFD for each malformed sequence.
template <class Emit>
void ForEachUtf8CodePoint(std::string_view text, Emit emit) {
  const std::size_t size = text.size();
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  std::size_t i = 0;
  while (i < size) {
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
      emit(char32_t{lead});
      ++i;
      continue;
    }
    // The length of the sequence and the range its second byte must lie in (which excludes
    // overlong forms, surrogates and code points above U+10FFFF).
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, c = lead & 0x0F;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, c = lead & 0x07;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    }
    // A malformed sequence gives one U+FFFD for its longest valid start.
    std::size_t taken = 1;
    bool valid = length != 0;
    for (; valid && taken < length; ++taken) {
      if (i + taken >= size) {
        valid = false;
        break;
      }
      const unsigned char next = byte(i + taken);
      const unsigned char min = taken == 1 ? low : 0x80;
      const unsigned char max = taken == 1 ? high : 0xBF;
      if (next < min || next > max) {
        valid = false;
        break;
      }
      c = (c << 6) | (next & 0x3F);
    }
    emit(valid ? c : char32_t{0xFFFD});
    i += taken;
  }
}

int CodePageOfCharset(std::string_view charset) {
  std::string upper(charset);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (upper == "CP1252" || upper == "WINDOWS-1252") return kCodePageWestern;
  if (upper == "CP1256" || upper == "WINDOWS-1256") return kCodePageArabic;
  return kCodePageUtf8;
}

std::atomic<int>& CurrentCodePage() {
  static std::atomic<int> codePage{LocaleCodePage()};
  return codePage;
}

}  // namespace

int LocaleCodePage() {
  // The user's LC_CTYPE, read without touching the process's own locale.
  locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return kCodePageUtf8;
  const char* charset = nl_langinfo_l(CODESET, user);
  const int codePage = charset != nullptr ? CodePageOfCharset(charset) : kCodePageUtf8;
  freelocale(user);
  return codePage;
}

int CodePage() {
  return CurrentCodePage().load(std::memory_order_relaxed);
}

void SetCodePage(int codePage) {
  if (codePage != kCodePageWestern && codePage != kCodePageArabic && codePage != kCodePageUtf8) {
    throw std::invalid_argument("unsupported code page " + std::to_string(codePage));
  }
  CurrentCodePage().store(codePage, std::memory_order_relaxed);
}

std::u16string NarrowToWide(std::string_view text) {
  return NarrowToWide(text, CodePage());
}

bool HasLeadBytes(int codePage) {
  return codePage == kCodePageUtf8;
}

std::u16string NarrowToWide(std::string_view text, int codePage) {
  if (codePage == kCodePageUtf8) return Utf8ToWide(text);
  const SingleByte& table = Table(codePage);
  std::u16string wide(text.size(), u'\0');
  std::transform(text.begin(), text.end(), wide.begin(),
                 [&](char byte) { return table.ToWide(byte); });
  return wide;
}

std::string WideToNarrow(std::u16string_view text) {
  const int codePage = CodePage();
  if (codePage == kCodePageUtf8) return WideToUtf8(text);
  const SingleByte& table = Table(codePage);
  std::string narrow;
  narrow.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c) {
    narrow.push_back(IsHighSurrogate(c) || IsLowSurrogate(c) ? '?' : table.ToByte(c));
  });
  return narrow;
}

std::u16string LowerCase(std::u16string_view text) {
  // The case mapping of Unicode, whatever the process locale: that of the built-in C.UTF-8.
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  std::u16string lower;
  lower.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c) {
    const auto wide = static_cast<wint_t>(c);
    AppendUtf16(lower, static_cast<char32_t>(unicode != locale_t{} ? towlower_l(wide, unicode)
                                                                   : towlower(wide)));
  });
  return lower;
}

std::u16string Utf8ToWide(std::string_view text) {
  std::u16string wide;
  wide.reserve(text.size());
  ForEachUtf8CodePoint(text, [&](char32_t c) { AppendUtf16(wide, c); });
  return wide;
}

std::u32string Utf8ToCodePoints(std::string_view text) {
  std::u32string codePoints;
  codePoints.reserve(text.size());
  ForEachUtf8CodePoint(text, [&](char32_t c) { codePoints.push_back(c); });
  return codePoints;
}

char32_t NextCodePoint(std::u16string_view text, std::size_t& i) {
  char32_t c = text[i++];
  if (IsHighSurrogate(c) && i < text.size() && IsLowSurrogate(text[i])) {
    c = 0x10000 + ((c - 0xD800) << 10) + (text[i] - 0xDC00);
    ++i;
  }
  return c;
}

std::u16string CodePointToWide(char32_t c) {
  if (c > 0x10FFFF) return u"?";
  std::u16string wide;
  AppendUtf16(wide, c);
  return wide;
}

std::string WideToUtf8(std::u16string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c) {
    if (IsHighSurrogate(c) || IsLowSurrogate(c)) c = 0xFFFD;
    if (c < 0x80) {
      utf8.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      utf8.push_back(static_cast<char>(0xC0 | (c >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      utf8.push_back(static_cast<char>(0xE0 | (c >> 12)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      utf8.push_back(static_cast<char>(0xF0 | (c >> 18)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  });
  return utf8;
}

}  // namespace pw::sys
