#include "platform/afx/CPen.h"

CPen* CPen::FromHandle(HPEN handle) { return afx::TemporaryMap<CPen, HPEN>::Get(handle); }

BOOL CPen::CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
