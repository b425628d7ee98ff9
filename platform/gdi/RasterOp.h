// Ternary raster operations. The code (bits 16-23 of a ROP3 value) is a truth table: result bit i is
// the output for pattern P, source S and destination D where i = P*4 + S*2 + D. Applied bitwise to
// whole pixels, which suits colour pixels and the 0 / 0xFFFFFF monochrome pixels alike.
#pragma once

#include <cstdint>

#include "platform/win/windef.h"

namespace gdi {

inline uint8_t RopCode(DWORD rop) { return static_cast<uint8_t>((rop >> 16) & 0xFF); }
inline bool RopUsesSource(uint8_t code) { return ((code >> 2) ^ code) & 0x33; }
inline bool RopUsesPattern(uint8_t code) { return ((code >> 4) ^ code) & 0x0F; }
inline bool RopUsesDestination(uint8_t code) { return ((code >> 1) ^ code) & 0x55; }

inline uint32_t ApplyRopGeneric(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
  uint32_t result = 0;
  for (int i = 0; i < 8; ++i) {
    if ((code >> i) & 1) result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return result;
}

inline uint32_t ApplyRop(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
  switch (code) {
    case 0x00: return 0;
    case 0xFF: return ~0u;
    case 0xCC: return s;
    case 0xF0: return p;
    case 0xAA: return d;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0x66: return s ^ d;
    case 0x5A: return p ^ d;
    case 0x55: return ~d;
    case 0x33: return ~s;
    case 0xC0: return p & s;
    case 0xBB: return ~s | d;
    default: return ApplyRopGeneric(code, p, s, d);
  }
}

}  // namespace gdi
