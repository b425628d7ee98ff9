#include "platform/win/controls/TextOrder.h"

#include <cctype>

namespace win {

namespace {

bool IsWordSortIgnorable(unsigned char c) { return c == '-' || c == '\''; }

// Sort weight of one byte: class in the high bits, value within the class in the low ones.
int SortWeight(unsigned char c) {
  if (c >= 0x80) return (3 << 8) | c;  // bytes of non-ASCII characters after everything else
  if (std::isalpha(c)) return (2 << 8) | std::tolower(c);
  if (std::isdigit(c)) return (1 << 8) | c;
  return c;  // spaces, punctuation and symbols first
}

int CompareWeights(std::string_view a, std::string_view b, bool skipIgnorable) {
  size_t i = 0, j = 0;
  for (;;) {
    if (skipIgnorable) {
      while (i < a.size() && IsWordSortIgnorable(a[i])) ++i;
      while (j < b.size() && IsWordSortIgnorable(b[j])) ++j;
    }
    if (i == a.size() || j == b.size()) break;
    int diff = SortWeight(a[i]) - SortWeight(b[j]);
    if (diff != 0) return diff;
    ++i;
    ++j;
  }
  return (i < a.size()) - (j < b.size());
}

}  // namespace

int CompareTextNoCase(std::string_view a, std::string_view b) {
  int primary = CompareWeights(a, b, true);
  return primary != 0 ? primary : CompareWeights(a, b, false);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

}  // namespace win
