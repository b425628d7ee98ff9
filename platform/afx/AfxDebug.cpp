#include "platform/afx/AfxDebug.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

void AfxAssertFailed(const char* expression, const char* file, int line) {
  std::fprintf(stderr, "ASSERT failed: %s (%s:%d)\n", expression, file, line);
  std::abort();
}

void AfxTrace(const char* format, ...) {
  if (std::getenv("VELMORA_TRACE") == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
}
