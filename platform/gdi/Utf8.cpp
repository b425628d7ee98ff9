#include "platform/gdi/Utf8.h"

namespace gdi {
namespace {

int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The second byte's range depends on the lead byte; this excludes overlong forms, surrogates and
// values past U+10FFFF.
bool SecondByteValid(unsigned char lead, unsigned char second) {
  if (lead == 0xE0) return second >= 0xA0 && second <= 0xBF;
  if (lead == 0xED) return second >= 0x80 && second <= 0x9F;
  if (lead == 0xF0) return second >= 0x90 && second <= 0xBF;
  if (lead == 0xF4) return second >= 0x80 && second <= 0x8F;
  return IsContinuation(second);
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = SequenceLength(lead);
    if (length == 1) {
      out.push_back(lead);
      ++i;
      continue;
    }
    size_t valid = 1;
    if (length > 0 && i + 1 < utf8.size() && SecondByteValid(lead, static_cast<unsigned char>(utf8[i + 1]))) {
      valid = 2;
      while (valid < static_cast<size_t>(length) && i + valid < utf8.size() &&
             IsContinuation(static_cast<unsigned char>(utf8[i + valid]))) {
        ++valid;
      }
    }
    if (length == 0 || valid < static_cast<size_t>(length)) {
      out.push_back(kReplacementChar);
      i += valid;
      continue;
    }
    char32_t cp = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(cp);
    i += length;
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementChar;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace gdi
