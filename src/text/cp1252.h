// Windows-1252 <-> UTF-8, for the few places where the program's 8-bit texts
// meet the outside world (cairo text, GTK labels, authoring tools reading
// UTF-8 sources). Header-only so that any library or tool can use it.
//
//   std::string u = versutf8("\xE9t\xE9", 3);   // "été" in UTF-8
//   std::string w = depuisutf8(u);               // "\xE9t\xE9" again
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavlo {

namespace cp1252 {

// Code points of the bytes 0x80..0x9F. The five bytes that Windows leaves
// unassigned (81, 8D, 8F, 90, 9D) map to the C1 control of the same value, as
// MultiByteToWideChar does, so that every byte survives a round trip.
inline constexpr char32_t haut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

inline char32_t codepoint(unsigned char b) {
  return (b >= 0x80 && b < 0xA0) ? haut[b - 0x80] : char32_t{b};
}

// The byte for a code point, or 0 when Windows-1252 has none.
inline unsigned char octet(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (int i = 0; i < 32; ++i)
    if (haut[i] == c) return static_cast<unsigned char>(0x80 + i);
  return 0;
}

inline void ajouteutf8(std::string& s, char32_t c) {
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes the UTF-8 sequence at s[i] into c and moves i past it. False, with
// i unchanged, on a malformed sequence: a stray continuation byte, one cut
// short, an overlong form (which would let "\xC0\x80" pass as zero), a
// surrogate, or a code point beyond U+10FFFF.
inline bool decodeutf8(std::string_view s, std::size_t& i, char32_t& c) {
  const auto b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) {
    c = b;
    ++i;
    return true;
  }
  int suite = 0;
  char32_t mini = 0;
  if ((b & 0xE0) == 0xC0) {
    suite = 1, mini = 0x80, c = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    suite = 2, mini = 0x800, c = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    suite = 3, mini = 0x10000, c = b & 0x07;
  } else {
    return false;
  }
  if (i + static_cast<std::size_t>(suite) >= s.size()) return false;
  for (int k = 1; k <= suite; ++k) {
    const auto t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((t & 0xC0) != 0x80) return false;
    c = (c << 6) | (t & 0x3F);
  }
  if (c < mini || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  i += static_cast<std::size_t>(suite) + 1;
  return true;
}

}  // namespace cp1252

// n bytes of Windows-1252 (a negative n counts as 0) as UTF-8. Every byte,
// zero included, gives exactly one character.
inline std::string versutf8(const char* s, int n) {
  std::string r;
  if (!s || n <= 0) return r;
  r.reserve(static_cast<std::size_t>(n) + 8);
  for (int i = 0; i < n; ++i) cp1252::ajouteutf8(r, cp1252::codepoint(static_cast<unsigned char>(s[i])));
  return r;
}

inline std::string versutf8(std::string_view s) {
  return versutf8(s.data(), static_cast<int>(s.size()));
}

// UTF-8 as Windows-1252. A character that Windows-1252 lacks, and each byte of
// a malformed sequence, becomes `remplacement`.
inline std::string depuisutf8(std::string_view s, char remplacement = '?') {
  std::string r;
  r.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    char32_t c = 0;
    if (!cp1252::decodeutf8(s, i, c)) {
      r += remplacement;
      ++i;
      continue;
    }
    const unsigned char o = cp1252::octet(c);
    r += (o != 0 || c == 0) ? static_cast<char>(o) : remplacement;
  }
  return r;
}

}  // namespace tavlo
