// A tooltip control: a pop-up owned by `parent` that shows the text of the tool under the pointer.
#pragma once

#include "platform/afx/CWnd.h"
#include "platform/win/commctrl.h"

class CToolTipCtrl : public CWnd {
 public:
  BOOL Create(CWnd* parent, DWORD style = 0);

  // With no rectangle and id 0 the tool is the whole window (TTF_IDISHWND, id = the window); with an
  // id and no rectangle it is the window's client rectangle.
  BOOL AddTool(CWnd* wnd, LPCTSTR text, LPCRECT rect = nullptr, UINT_PTR toolId = 0);
  void DelTool(CWnd* wnd, UINT_PTR toolId = 0);
  void UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId = 0);
  void Activate(BOOL activate);
  void RelayEvent(LPMSG msg);
  int GetToolCount() const;
  int SetMaxTipWidth(int width);
  void SetDelayTime(UINT which, int milliseconds);
  void Pop();

 private:
  static TOOLINFO ToolInfoFor(CWnd* wnd, UINT_PTR toolId);
};
