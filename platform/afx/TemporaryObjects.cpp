#include "platform/afx/TemporaryObjects.h"

#include <vector>

namespace afx {

namespace {

std::vector<TemporaryObjects::PurgeFunction>& Purges() {
  static auto* purges = new std::vector<TemporaryObjects::PurgeFunction>;
  return *purges;
}

}  // namespace

void TemporaryObjects::RegisterPurge(PurgeFunction purge) { Purges().push_back(purge); }

void TemporaryObjects::PurgeDead() {
  for (PurgeFunction purge : Purges()) purge();
}

}  // namespace afx
