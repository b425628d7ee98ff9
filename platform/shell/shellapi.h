// Starting programs and opening documents.
#pragma once

#include "platform/win/winuser.h"

// Results of ShellExecute at or below 32 are errors.
#define SE_ERR_FNF 2
#define SE_ERR_NOASSOC 31

// Opens `file` (an address or a document) with the desktop's default handler, xdg-open, started
// without a shell. Returns a value greater than 32 when the handler could be started.
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT showCmd);
#define ShellExecute ShellExecuteA

// Starts the program of a command line, split into arguments with double quotes honoured, never
// through a shell. Returns a value greater than 31 when the program could be started.
UINT WinExec(LPCSTR commandLine, UINT showCmd);
