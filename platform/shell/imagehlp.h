// Directory helpers.
#pragma once

#include "platform/win/windef.h"

// Creates every missing directory of `path` up to its last '/'; the part after it (a file name, or
// nothing for a path ending in '/') is not created. Returns FALSE when a directory cannot be made.
BOOL MakeSureDirectoryPathExists(LPCSTR path);
