#include "platform/afx/CCmdTarget.h"

#include "platform/afx/AfxDebug.h"

namespace {

int waitCursorCount = 0;
HCURSOR cursorBeforeWait = nullptr;

bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT key, UINT code, UINT id) {
  if (entry.nMessage != key || entry.nCode != code) return false;
  return key != WM_COMMAND || (id >= entry.nID && id <= entry.nLastID);
}

}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY noEntries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP messageMap = {nullptr, &noEntries[0]};
  return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::DispatchToMessageMap(UINT key, UINT code, UINT id, UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT* result) {
  for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn; ++entry) {
      if (!EntryMatches(*entry, key, code, id)) continue;
      bool handled = true;
      LRESULT value = entry->pfn(this, message, wParam, lParam, &handled);
      if (handled) {
        if (result) *result = value;
        return TRUE;
      }
    }
  }
  return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code) {
  return DispatchToMessageMap(WM_COMMAND, static_cast<UINT>(code), id, WM_COMMAND,
                              MAKEWPARAM(id, code), 0, nullptr);
}

void CCmdTarget::BeginWaitCursor() {
  HCURSOR previous = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
  if (waitCursorCount++ == 0) cursorBeforeWait = previous;
}

void CCmdTarget::EndWaitCursor() {
  ASSERT(waitCursorCount > 0);
  if (waitCursorCount == 0) return;
  if (--waitCursorCount == 0) {
    ::SetCursor(cursorBeforeWait ? cursorBeforeWait : ::LoadCursor(nullptr, IDC_ARROW));
    cursorBeforeWait = nullptr;
  }
}

void CCmdTarget::RestoreWaitCursor() {
  if (waitCursorCount > 0) ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

bool CCmdTarget::IsWaitCursorShown() { return waitCursorCount > 0; }
