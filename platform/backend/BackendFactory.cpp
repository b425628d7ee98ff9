#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/backend/Backend.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/backend/Sdl2Backend.h"

namespace backend {

std::unique_ptr<Backend> CreateBackend(const char* requested) {
  bool wantHeadless = requested && std::strcmp(requested, "headless") == 0;
  bool wantSdl = requested && std::strcmp(requested, "sdl2") == 0;
  const char* display = std::getenv("DISPLAY");
  bool hasDisplay = display && *display;
  if (!wantHeadless && (wantSdl || hasDisplay)) {
    if (auto sdl = Sdl2Backend::Open()) return sdl;
    // A program that runs with nothing on the screen looks hung to its user; say so and stop.
    std::fprintf(stderr, "velmora: no window can be shown on display \"%s\". Unset DISPLAY to run without one.\n",
                 hasDisplay ? display : "");
    std::exit(1);
  }
  return std::make_unique<HeadlessBackend>();
}

}  // namespace backend
