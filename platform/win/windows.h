// The whole platform API a program of this layer includes.
#pragma once

#include "platform/gdi/wingdi.h"
#include "platform/win/commctrl.h"
#include "platform/win/windef.h"
#include "platform/win/winuser.h"
