// One font at one pixel size: metrics, and antialiased glyphs with per-character fallback to other
// faces fontconfig finds for characters this face lacks (CJK in a Latin face, for example).
#pragma once

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace gdi {

struct GlyphImage {
  int left = 0;  // from the pen position to the first column
  int top = 0;   // from the baseline up to the first row
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<uint8_t> coverage;  // width * height, 0..255
};

struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
  int weight = 400;
};

struct FontRequest {
  std::string family;
  int height = 0;  // LOGFONT convention: negative = em size, positive = cell height
  int weight = 400;
  bool italic = false;
};

class FontFace {
 public:
  FontFace(FT_Library library, const FontRequest& request);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const FontMetrics& metrics() const { return metrics_; }
  const GlyphImage& glyph(char32_t cp);
  int pixelSize() const { return pixelSize_; }

 private:
  FcPattern* makePattern() const;
  FT_Face openFace(const char* file, int index);
  FT_Face faceFor(char32_t cp);
  FT_Face findFallback(char32_t cp);
  void computeMetrics();
  int emFromCellHeight(int cellHeight) const;

  FT_Library library_;
  FontRequest request_;
  FT_Face primary_ = nullptr;
  int pixelSize_ = 12;
  bool emboldenSynthetic_ = false;
  bool obliqueSynthetic_ = false;
  FontMetrics metrics_;
  std::map<std::string, FT_Face> openFaces_;         // by file and index
  std::unordered_map<char32_t, FT_Face> faceByChar_;  // fallback decisions
  std::unordered_map<char32_t, GlyphImage> glyphs_;
};

}  // namespace gdi
