// UTF-8 decoding and encoding shared by the text conversions and text drawing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gdi {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Malformed sequences, overlong forms, surrogates and values past U+10FFFF become U+FFFD, one per
// offending byte run, so broken input can never make the decoder skip good text.
std::u32string DecodeUtf8(std::string_view utf8);
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace gdi
