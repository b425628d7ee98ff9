// The common-control classes: trackbar, progress bar, tooltip.
#pragma once

#include "platform/afx/CProgressCtrl.h"
#include "platform/afx/CSliderCtrl.h"
#include "platform/afx/CToolTipCtrl.h"
#include "platform/afx/afxwin.h"
