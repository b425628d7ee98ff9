#include "AfxTestSupport.h"

namespace afxtest {

BEGIN_MESSAGE_MAP(HostWnd, CWnd)
  ON_MESSAGE(WM_ENTERIDLE, &HostWnd::OnEnterIdle)
END_MESSAGE_MAP()

}  // namespace afxtest
