// The program's resource table: dialog templates, bitmaps, strings, icons and cursors, registered
// once at start by the program's res/ code and found by number by LoadBitmap, LoadImage, LoadCursor,
// LoadIcon, LoadString and the dialog functions. There is one module; HINSTANCE values are ignored.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/win/windef.h"

namespace win {

// One control of a dialog template. Position and size are in dialog units.
struct DialogItemTemplate {
  const char* className;  // "button", "static", "edit", "combobox", "msctls_trackbar32", ...
  const char* text;       // caption; ignored when resourceId is nonzero
  int resourceId;         // nonzero: the caption is this resource number (SS_BITMAP, SS_ICON)
  int id;
  DWORD style;
  DWORD exStyle;
  short x, y, cx, cy;
  std::vector<const char*> initStrings;  // combo-box initialisation data, one add-string each
};

struct DialogTemplate {
  bool extended;  // extended template (the item ids and help ids are 32-bit there); behaves the same
  DWORD style;
  DWORD exStyle;
  short x, y, cx, cy;
  const char* caption;
  const char* fontFace;  // used when style has DS_SETFONT
  WORD pointSize;
  WORD weight;
  BYTE italic;
  BYTE charSet;
  std::vector<DialogItemTemplate> items;
};

void RegisterDialogResource(UINT id, const DialogTemplate* tmpl);
const DialogTemplate* FindDialogResource(UINT id);

// A .bmp file image (24-bit, or 32-bit whose fourth byte is alpha). The data must outlive the program.
void RegisterBitmapResource(UINT id, const BYTE* bmpFile, size_t size);
bool FindBitmapResource(UINT id, const BYTE** bmpFile, size_t* size);

void RegisterStringResource(UINT id, const char* utf8);
const char* FindStringResource(UINT id);

// An icon: one or more .bmp images of different sizes (24-bit with black as transparent, or 32-bit
// with alpha).
struct IconImage {
  const BYTE* bmpFile;
  size_t size;
};
void RegisterIconResource(UINT id, std::vector<IconImage> images);

// A cursor drawn as text rows: '#' black, 'o' white, anything else transparent.
void RegisterCursorResource(UINT id, int cx, int cy, int hotX, int hotY, const char* const* rows);

}  // namespace win
