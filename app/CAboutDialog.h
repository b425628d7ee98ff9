// The About box: the program's icon under a caption, closed by Enter, Esc or its close box.
#pragma once

#include "platform/afx/afxwin.h"

class CAboutDialog : public CDialog {
 public:
  CAboutDialog();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
