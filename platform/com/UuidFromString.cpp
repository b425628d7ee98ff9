#include "platform/com/rpc.h"

#include <cstddef>

namespace {

constexpr size_t kUuidTextLength = 36;

int HexDigitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsHyphenPosition(size_t i) { return i == 8 || i == 13 || i == 18 || i == 23; }

// Reads `digits` hex digits starting at `pos`; false on a non-digit.
bool ReadHex(const unsigned char* text, size_t pos, size_t digits, uint32_t* value) {
  uint32_t v = 0;
  for (size_t i = 0; i < digits; ++i) {
    int d = HexDigitValue(text[pos + i]);
    if (d < 0) return false;
    v = (v << 4) | static_cast<uint32_t>(d);
  }
  *value = v;
  return true;
}

bool HasUuidShape(const unsigned char* text) {
  for (size_t i = 0; i < kUuidTextLength; ++i) {
    if (text[i] == '\0') return false;
    if (IsHyphenPosition(i) != (text[i] == '-')) return false;
  }
  return text[kUuidTextLength] == '\0';
}

}  // namespace

RPC_STATUS UuidFromStringA(const unsigned char* text, GUID* uuid) {
  if (!text || !uuid || !HasUuidShape(text)) return RPC_S_INVALID_STRING_UUID;
  GUID parsed;
  uint32_t value = 0;
  if (!ReadHex(text, 0, 8, &value)) return RPC_S_INVALID_STRING_UUID;
  parsed.Data1 = value;
  if (!ReadHex(text, 9, 4, &value)) return RPC_S_INVALID_STRING_UUID;
  parsed.Data2 = static_cast<uint16_t>(value);
  if (!ReadHex(text, 14, 4, &value)) return RPC_S_INVALID_STRING_UUID;
  parsed.Data3 = static_cast<uint16_t>(value);
  // The last two groups are eight single bytes: 2 before the fourth hyphen, 6 after it.
  static constexpr size_t kBytePositions[8] = {19, 21, 24, 26, 28, 30, 32, 34};
  for (size_t i = 0; i < 8; ++i) {
    if (!ReadHex(text, kBytePositions[i], 2, &value)) return RPC_S_INVALID_STRING_UUID;
    parsed.Data4[i] = static_cast<uint8_t>(value);
  }
  *uuid = parsed;
  return RPC_S_OK;
}
