// The common dialogs.
#pragma once

#include "platform/afx/CFileDialog.h"
#include "platform/afx/afxwin.h"
