#include "platform/afx/CWaitCursor.h"

#include "platform/afx/CCmdTarget.h"

namespace {

// The wait cursor is the process's, not an object's; any command target can switch it.
CCmdTarget& WaitCursorOwner() {
  static CCmdTarget* owner = new CCmdTarget;
  return *owner;
}

}  // namespace

CWaitCursor::CWaitCursor() { WaitCursorOwner().BeginWaitCursor(); }

CWaitCursor::~CWaitCursor() { WaitCursorOwner().EndWaitCursor(); }

void CWaitCursor::Restore() { WaitCursorOwner().RestoreWaitCursor(); }
