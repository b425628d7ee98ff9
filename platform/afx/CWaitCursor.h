// Shows the wait cursor for the object's lifetime.
#pragma once

class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

  // Shows it again after something else changed the cursor (a message box, for one).
  void Restore();
};
