// The in-process table of class factories that CoCreateInstance looks classes up in.
#pragma once

#include <mutex>
#include <vector>

#include "platform/com/objbase.h"

namespace com {

class ClassTable {
 public:
  static ClassTable& Instance();

  void Register(REFCLSID clsid, ClassFactory factory);
  // Null when the class is not registered.
  ClassFactory Find(REFCLSID clsid) const;

 private:
  struct Entry {
    CLSID clsid;
    ClassFactory factory;
  };

  mutable std::mutex m_mutex;
  std::vector<Entry> m_entries;
};

}  // namespace com
