#include "platform/afx/CBitmap.h"

#include "platform/afx/AfxFunctions.h"
#include "platform/afx/CDC.h"

CBitmap* CBitmap::FromHandle(HBITMAP handle) { return afx::TemporaryMap<CBitmap, HBITMAP>::Get(handle); }

BOOL CBitmap::LoadBitmap(UINT id) { return LoadBitmap(MAKEINTRESOURCE(id)); }

BOOL CBitmap::LoadBitmap(LPCTSTR name) { return Attach(::LoadBitmap(AfxGetResourceHandle(), name)); }

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  return Attach(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}

int CBitmap::GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info); }
