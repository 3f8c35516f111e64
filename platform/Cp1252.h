#pragma once
// The game's text is single-byte Windows-1252. Where a byte must become a Unicode character (to
// rasterise it from a system font), this is the one mapping both the game and the font baker use.
#include <cstdint>

// The Unicode character of a Windows-1252 byte; 0 for the bytes the code page leaves undefined
// and for DEL. Bytes below 0x80 and from 0xA0 up are their own code points.
inline uint32_t Cp1252ToUnicode(int byte) {
  static const uint32_t kHighControls[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  if (byte == 0x7F) return 0;
  return static_cast<uint32_t>(byte & 0xFF);
}
