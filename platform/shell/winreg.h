// A read-only view of the desktop's file associations in the shape of the classic registry:
//   HKEY_CLASSES_ROOT\.htm                      default value: the desktop entry id of the default
//                                               application for text/html (e.g. "browser.desktop")
//   HKEY_CLASSES_ROOT\<id>\shell\open\command   default value: that entry's Exec line, its file and
//                                               address field codes (%u %U %f %F) shown as %1
#pragma once

#include "platform/win/windef.h"

DECLARE_HANDLE(HKEY);
typedef HKEY* PHKEY;
typedef DWORD REGSAM;
typedef LONG LSTATUS;

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000)
#define KEY_QUERY_VALUE 0x0001
#define KEY_READ 0x20019

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM desired, PHKEY result);
// Reads the default value of `subKey` (or of `key` itself when subKey is NULL or empty). `size` is in
// bytes, terminator included; a value that does not fit gives ERROR_MORE_DATA and nothing is written.
LSTATUS RegQueryValueA(HKEY key, LPCSTR subKey, LPSTR value, LONG* size);
LSTATUS RegCloseKey(HKEY key);
#define RegOpenKeyEx RegOpenKeyExA
#define RegQueryValue RegQueryValueA
