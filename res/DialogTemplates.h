// The program's three dialog templates: the About box, the main window and the extraction window.
#pragma once

#include "platform/win/Resources.h"

const win::DialogTemplate& AboutBoxTemplate();
const win::DialogTemplate& MainDialogTemplate();
const win::DialogTemplate& ProgressDialogTemplate();
