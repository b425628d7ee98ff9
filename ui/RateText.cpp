#include "ui/RateText.h"

#include <charconv>
#include <cstring>

double ParseDecimalText(const char* pszText) {
  if (pszText == nullptr) return 0.0;
  while (*pszText == ' ' || *pszText == '\t') ++pszText;
  const char* first = pszText;
  if (*first == '+') ++first;
  double value = 0.0;
  std::from_chars(first, first + std::strlen(first), value, std::chars_format::general);
  return value;
}

int SampleRateFromText(const char* pszKHz) { return static_cast<int>(ParseDecimalText(pszKHz) * 1000.0); }

int ByteRateFromText(const char* pszKbps) { return static_cast<int>(ParseDecimalText(pszKbps) * 125.0); }
