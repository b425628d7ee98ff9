// The registered window classes, found by name without regard to case as the platform does.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/win/WindowClass.h"

namespace win {

class ClassRegistry {
 public:
  bool add(const WNDCLASS& wc);
  bool remove(const char* name);
  // Windows keep their class alive, so unregistering never leaves a window without one.
  std::shared_ptr<const WindowClass> find(const char* name) const;

 private:
  static std::string key(const char* name);
  std::map<std::string, std::shared_ptr<const WindowClass>> classes_;
};

}  // namespace win
