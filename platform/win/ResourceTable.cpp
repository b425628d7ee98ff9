#include "platform/win/ResourceTable.h"

#include <map>
#include <string>

#include "platform/win/BmpImage.h"

namespace win {
namespace {

struct BitmapData {
  const BYTE* data;
  size_t size;
};

struct CursorRows {
  int cx, cy, hotX, hotY;
  std::vector<std::string> rows;
};

struct Table {
  std::map<UINT, const DialogTemplate*> dialogs;
  std::map<UINT, BitmapData> bitmaps;
  std::map<UINT, std::string> strings;
  std::map<UINT, std::vector<IconImage>> icons;
  std::map<UINT, CursorRows> cursors;
};

Table& Resources() {
  static Table table;
  return table;
}

}  // namespace

void RegisterDialogResource(UINT id, const DialogTemplate* tmpl) { Resources().dialogs[id] = tmpl; }

const DialogTemplate* FindDialogResource(UINT id) {
  auto it = Resources().dialogs.find(id);
  return it == Resources().dialogs.end() ? nullptr : it->second;
}

void RegisterBitmapResource(UINT id, const BYTE* bmpFile, size_t size) { Resources().bitmaps[id] = {bmpFile, size}; }

bool FindBitmapResource(UINT id, const BYTE** bmpFile, size_t* size) {
  auto it = Resources().bitmaps.find(id);
  if (it == Resources().bitmaps.end()) return false;
  if (bmpFile) *bmpFile = it->second.data;
  if (size) *size = it->second.size;
  return true;
}

void RegisterStringResource(UINT id, const char* utf8) { Resources().strings[id] = utf8 ? utf8 : ""; }

const char* FindStringResource(UINT id) {
  auto it = Resources().strings.find(id);
  return it == Resources().strings.end() ? nullptr : it->second.c_str();
}

void RegisterIconResource(UINT id, std::vector<IconImage> images) { Resources().icons[id] = std::move(images); }

void RegisterCursorResource(UINT id, int cx, int cy, int hotX, int hotY, const char* const* rows) {
  CursorRows c{cx, cy, hotX, hotY, {}};
  for (int y = 0; y < cy && rows && rows[y]; ++y) c.rows.emplace_back(rows[y]);
  Resources().cursors[id] = std::move(c);
}

bool FindIconResource(UINT id, std::vector<backend::ArgbImage>* images) {
  auto it = Resources().icons.find(id);
  if (it == Resources().icons.end()) return false;
  images->clear();
  for (const IconImage& source : it->second) {
    backend::ArgbImage img;
    if (DecodeIconBmp(source.bmpFile, source.size, &img)) images->push_back(std::move(img));
  }
  return !images->empty();
}

bool FindCursorResource(UINT id, backend::ArgbImage* image) {
  auto it = Resources().cursors.find(id);
  if (it == Resources().cursors.end()) return false;
  const CursorRows& c = it->second;
  std::vector<const char*> rows;
  for (const auto& r : c.rows) rows.push_back(r.c_str());
  rows.resize(static_cast<size_t>(c.cy), "");
  *image = ImageFromRows(c.cx, c.cy, c.hotX, c.hotY, rows.data());
  return true;
}

}  // namespace win
