#include "platform/gdi/FontFace.h"

#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace gdi {
namespace {

constexpr int kDefaultPixelSize = 12;

bool MatchedFile(FcPattern* pattern, std::string* file, int* index) {
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  if (match == nullptr) return false;
  FcChar8* path = nullptr;
  int faceIndex = 0;
  const bool ok = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch;
  FcPatternGetInteger(match, FC_INDEX, 0, &faceIndex);
  if (ok) {
    *file = reinterpret_cast<const char*>(path);
    *index = faceIndex;
  }
  FcPatternDestroy(match);
  return ok;
}

int Scaled(long units, int pixelSize, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(units) * pixelSize / std::max(unitsPerEm, 1)));
}

}  // namespace

FontFace::FontFace(FT_Library library, const FontRequest& request) : library_(library), request_(request) {
  FcPattern* pattern = makePattern();
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  std::string file;
  int index = 0;
  if (MatchedFile(pattern, &file, &index)) primary_ = openFace(file.c_str(), index);
  FcPatternDestroy(pattern);
  if (primary_ != nullptr) {
    // A face without its own bold or italic style is made so by FreeType.
    emboldenSynthetic_ = request_.weight >= 600 && !(primary_->style_flags & FT_STYLE_FLAG_BOLD);
    obliqueSynthetic_ = request_.italic && !(primary_->style_flags & FT_STYLE_FLAG_ITALIC);
    if (request_.height > 0) pixelSize_ = emFromCellHeight(request_.height);
  }
  if (request_.height < 0) pixelSize_ = -request_.height;
  if (request_.height == 0) pixelSize_ = kDefaultPixelSize;
  pixelSize_ = std::clamp(pixelSize_, 1, 1000);
  for (auto& [key, face] : openFaces_) FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize_));
  computeMetrics();
}

FontFace::~FontFace() {
  for (auto& [key, face] : openFaces_) FT_Done_Face(face);
}

FcPattern* FontFace::makePattern() const {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(request_.family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(std::clamp(request_.weight, 1, 1000)));
  FcPatternAddInteger(pattern, FC_SLANT, request_.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  return pattern;
}

FT_Face FontFace::openFace(const char* file, int index) {
  const std::string key = std::string(file) + "#" + std::to_string(index);
  if (auto it = openFaces_.find(key); it != openFaces_.end()) return it->second;
  FT_Face face = nullptr;
  if (FT_New_Face(library_, file, index, &face) != 0) return nullptr;
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize_));
  openFaces_.emplace(key, face);
  return face;
}

int FontFace::emFromCellHeight(int cellHeight) const {
  const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(primary_, FT_SFNT_OS2));
  const long cell = os2 != nullptr && os2->usWinAscent > 0 ? os2->usWinAscent + os2->usWinDescent
                                                           : primary_->ascender - primary_->descender;
  if (cell <= 0) return cellHeight;
  return static_cast<int>(std::lround(static_cast<double>(cellHeight) * primary_->units_per_EM / cell));
}

void FontFace::computeMetrics() {
  FontMetrics& m = metrics_;
  m.weight = request_.weight > 0 ? request_.weight : 400;
  if (primary_ == nullptr) {
    m.ascent = pixelSize_ - pixelSize_ / 5;
    m.descent = pixelSize_ / 5;
    m.height = pixelSize_;
    m.aveCharWidth = m.maxCharWidth = pixelSize_ / 2;
    return;
  }
  const int upem = primary_->units_per_EM;
  const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(primary_, FT_SFNT_OS2));
  const bool win = os2 != nullptr && os2->usWinAscent > 0;
  const long ascent = win ? os2->usWinAscent : primary_->ascender;
  const long descent = win ? os2->usWinDescent : -primary_->descender;
  m.ascent = Scaled(ascent, pixelSize_, upem);
  m.descent = Scaled(descent, pixelSize_, upem);
  m.height = m.ascent + m.descent;
  m.internalLeading = std::max(0, m.height - pixelSize_);
  const long lineGap = primary_->height - (primary_->ascender - primary_->descender);
  m.externalLeading = std::max(0, Scaled(lineGap - ((ascent + descent) - (primary_->ascender - primary_->descender)),
                                         pixelSize_, upem));
  m.aveCharWidth = os2 != nullptr && os2->xAvgCharWidth > 0 ? Scaled(os2->xAvgCharWidth, pixelSize_, upem)
                                                            : glyph(U'x').advance;
  m.maxCharWidth = Scaled(primary_->max_advance_width, pixelSize_, upem);
}

FT_Face FontFace::faceFor(char32_t cp) {
  if (primary_ == nullptr || FT_Get_Char_Index(primary_, cp) != 0) return primary_;
  if (auto it = faceByChar_.find(cp); it != faceByChar_.end()) return it->second;
  FT_Face face = findFallback(cp);
  faceByChar_.emplace(cp, face);
  return face;
}

FT_Face FontFace::findFallback(char32_t cp) {
  FcPattern* pattern = makePattern();
  FcCharSet* charset = FcCharSetCreate();
  FcCharSetAddChar(charset, cp);
  FcPatternAddCharSet(pattern, FC_CHARSET, charset);
  FcCharSetDestroy(charset);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  std::string file;
  int index = 0;
  FT_Face face = nullptr;
  if (MatchedFile(pattern, &file, &index)) face = openFace(file.c_str(), index);
  FcPatternDestroy(pattern);
  // Without any face that has the character, the primary face draws its missing-glyph box.
  return face != nullptr && FT_Get_Char_Index(face, cp) != 0 ? face : primary_;
}

const GlyphImage& FontFace::glyph(char32_t cp) {
  if (auto it = glyphs_.find(cp); it != glyphs_.end()) return it->second;
  GlyphImage& g = glyphs_[cp];
  FT_Face face = faceFor(cp);
  if (face == nullptr) return g;
  if (obliqueSynthetic_) {
    FT_Matrix shear{0x10000, 0x366A, 0, 0x10000};  // about 12 degrees
    FT_Set_Transform(face, &shear, nullptr);
  }
  const bool loaded = FT_Load_Glyph(face, FT_Get_Char_Index(face, cp), FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT) == 0;
  if (obliqueSynthetic_) FT_Set_Transform(face, nullptr, nullptr);
  if (!loaded) return g;
  FT_GlyphSlot slot = face->glyph;
  if (emboldenSynthetic_) FT_GlyphSlot_Embolden(slot);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return g;
  g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  g.width = static_cast<int>(slot->bitmap.width);
  g.height = static_cast<int>(slot->bitmap.rows);
  g.coverage.resize(static_cast<size_t>(g.width) * g.height);
  for (int y = 0; y < g.height; ++y) {
    const unsigned char* row = slot->bitmap.buffer + static_cast<ptrdiff_t>(y) * slot->bitmap.pitch;
    std::copy(row, row + g.width, g.coverage.begin() + static_cast<ptrdiff_t>(y) * g.width);
  }
  return g;
}

}  // namespace gdi
