#include "platform/win/WindowSystem.h"

#include <cstdlib>
#include <string>

#include "platform/win/MenuTracker.h"
#include "platform/win/controls/StandardClasses.h"

namespace win {
namespace {

std::string& RequestedBackend() {
  static std::string name;
  return name;
}

}  // namespace

WindowSystem::WindowSystem() : queue([this] { if (backend) backend->wake(); }), uiThread(std::this_thread::get_id()) {}

void RequestBackend(const char* name) { RequestedBackend() = name ? name : ""; }

WindowSystem& Sys() {
  // Never destroyed: windows may still exist while static objects of other layers go away at exit.
  static WindowSystem* sys = nullptr;
  if (!sys) {
    sys = new WindowSystem();
    std::string name = RequestedBackend();
    if (name.empty()) {
      const char* env = std::getenv("VELMORA_BACKEND");
      if (env) name = env;
    }
    sys->backend = backend::CreateBackend(name.c_str());
    RegisterMenuWindowClass();
    RegisterStandardClasses();
  }
  return *sys;
}

}  // namespace win
