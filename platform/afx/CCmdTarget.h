// Objects with a message map: windows and the application. Also owns the wait cursor.
#pragma once

#include "platform/afx/CObject.h"
#include "platform/afx/MessageMap.h"

class CCmdTarget : public CObject {
 public:
  // Runs the first handler of the maps (most derived first) that takes `key`: a window message,
  // WM_COMMAND with `code` and `id`, or a reflected message. `message` is the message as it arrived.
  BOOL DispatchToMessageMap(UINT key, UINT code, UINT id, UINT message, WPARAM wParam, LPARAM lParam,
                            LRESULT* result);
  // Routes a command (WM_COMMAND with a notification code and command id) to the map.
  virtual BOOL OnCmdMsg(UINT id, int code);

  // The wait cursor stays on screen, also against WM_SETCURSOR, until every Begin has its End.
  void BeginWaitCursor();
  void EndWaitCursor();
  void RestoreWaitCursor();
  static bool IsWaitCursorShown();

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};
