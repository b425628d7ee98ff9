// Wrapper objects that FromHandle makes for handles the program holds no object for.
//
// A temporary wrapper lives while its handle is alive, so a pointer kept across messages (an old
// bitmap to select back later, a window found by GetDlgItem) stays valid; wrappers of dead handles
// are freed when the message loop is idle. Wrappers never destroy the object they wrap.
#pragma once

#include <memory>
#include <unordered_map>

namespace afx {

class TemporaryObjects {
 public:
  using PurgeFunction = void (*)();
  static void RegisterPurge(PurgeFunction purge);
  // Frees every wrapper whose handle is dead; called by the message loops when they go idle.
  static void PurgeDead();
};

// Wrapper must provide: static bool IsLiveHandle(Handle), void AttachTemporary(Handle),
// void DetachTemporary().
template <class Wrapper, class Handle>
class TemporaryMap {
 public:
  static Wrapper* Get(Handle handle) {
    if (!handle) return nullptr;
    auto& wrappers = Map();
    auto found = wrappers.find(handle);
    if (found != wrappers.end()) return found->second.get();
    auto wrapper = std::make_unique<Wrapper>();
    wrapper->AttachTemporary(handle);
    return wrappers.emplace(handle, std::move(wrapper)).first->second.get();
  }

  static void PurgeDead() {
    auto& wrappers = Map();
    for (auto it = wrappers.begin(); it != wrappers.end();) {
      if (Wrapper::IsLiveHandle(it->first)) {
        ++it;
        continue;
      }
      it->second->DetachTemporary();
      it = wrappers.erase(it);
    }
  }

 private:
  using Wrappers = std::unordered_map<Handle, std::unique_ptr<Wrapper>>;

  // Never destroyed: windows and objects may still ask for wrappers during static destruction.
  static Wrappers& Map() {
    static Wrappers* wrappers = [] {
      TemporaryObjects::RegisterPurge(&TemporaryMap::PurgeDead);
      return new Wrappers;
    }();
    return *wrappers;
  }
};

}  // namespace afx
