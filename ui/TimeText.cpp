#include "ui/TimeText.h"

#include <cstdio>

std::string FormatTimeText(int nMs) {
  int s = nMs / 1000;
  int m = s / 60;
  int h = m / 60;
  char text[32];
  std::snprintf(text, sizeof(text), "%02d:%02d:%02d.%03d", h, m % 60, s % 60, nMs % 1000);
  return text;
}
