#include "platform/gdi/FontCache.h"

#include <strings.h>

#include <cstring>

namespace gdi {

// Never destroyed: font handles in other static objects may outlive any exit-time teardown order.
FontCache& FontCache::instance() {
  static FontCache* cache = new FontCache;
  return *cache;
}

FontCache::FontCache() {
  FcInit();
  FT_Init_FreeType(&library_);
}

std::string FontCache::FamilyFor(const char* faceName) {
  const std::string name(faceName, strnlen(faceName, LF_FACESIZE));
  for (const char* sans : {"Microsoft Sans Serif", "MS Sans Serif", "MS Shell Dlg", "Tahoma", "Arial", ""}) {
    if (strcasecmp(name.c_str(), sans) == 0) return "Liberation Sans";
  }
  if (strcasecmp(name.c_str(), "Times New Roman") == 0) return "Liberation Serif";
  return name;
}

// Liberation Sans has Arial's widths, about a twelfth wider than the classic dialog faces that
// layouts in dialog units were made for; at a twelfth less height the same texts fit the same boxes.
LONG FontCache::ScaledHeight(const char* faceName, LONG height) {
  const std::string name(faceName, strnlen(faceName, LF_FACESIZE));
  for (const char* narrow : {"Microsoft Sans Serif", "MS Sans Serif", "MS Shell Dlg", "Tahoma"}) {
    if (strcasecmp(name.c_str(), narrow) == 0) return (height * 11 + (height < 0 ? -6 : 6)) / 12;
  }
  return height;
}

std::shared_ptr<FontFace> FontCache::face(const LOGFONT& lf) {
  FontRequest request;
  request.family = FamilyFor(lf.lfFaceName);
  request.height = ScaledHeight(lf.lfFaceName, lf.lfHeight);
  request.weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
  request.italic = lf.lfItalic != 0;
  const std::string key = request.family + "|" + std::to_string(request.height) + "|" +
                          std::to_string(request.weight) + "|" + (request.italic ? "i" : "r");
  auto& slot = faces_[key];
  if (!slot) slot = std::make_shared<FontFace>(library_, request);
  return slot;
}

}  // namespace gdi

// Fontconfig 2.14 loses one allocation while parsing the system's configuration files at FcInit;
// LeakSanitizer would fail every sanitized program that draws text because of it. Only that
// library's leaks are ignored; the hook does nothing in ordinary builds.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
