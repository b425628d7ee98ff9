// Finds and keeps fonts: LOGFONT requests become FontFace objects shared by every font handle that
// asks for the same face, size, weight and slant.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/gdi/FontFace.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

class FontCache {
 public:
  static FontCache& instance();

  std::shared_ptr<FontFace> face(const LOGFONT& lf);

  // The family fontconfig is asked for: the platform's classic user-interface faces map to
  // metric-compatible free faces; other names go through unchanged.
  static LONG ScaledHeight(const char* faceName, LONG height);
  static std::string FamilyFor(const char* faceName);

 private:
  FontCache();

  FT_Library library_ = nullptr;
  std::map<std::string, std::shared_ptr<FontFace>> faces_;
};

}  // namespace gdi
