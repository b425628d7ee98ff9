#include "platform/com/ClassTable.h"

namespace com {

ClassTable& ClassTable::Instance() {
  // Constructed on first use, so registrations from static initialisers of any order find it.
  static ClassTable table;
  return table;
}

void ClassTable::Register(REFCLSID clsid, ClassFactory factory) {
  std::lock_guard lock(m_mutex);
  for (Entry& entry : m_entries) {
    if (IsEqualGUID(entry.clsid, clsid)) {
      entry.factory = factory;
      return;
    }
  }
  m_entries.push_back({clsid, factory});
}

ClassFactory ClassTable::Find(REFCLSID clsid) const {
  std::lock_guard lock(m_mutex);
  for (const Entry& entry : m_entries) {
    if (IsEqualGUID(entry.clsid, clsid)) return entry.factory;
  }
  return nullptr;
}

void RegisterClassFactory(REFCLSID clsid, ClassFactory factory) { ClassTable::Instance().Register(clsid, factory); }

}  // namespace com
