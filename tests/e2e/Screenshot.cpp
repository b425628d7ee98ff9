#include "tests/e2e/Screenshot.h"

#include <png.h>

#include <cstring>

namespace e2e {

std::optional<Screenshot> Screenshot::Load(const std::string& pngPath) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, pngPath.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGB;
  Screenshot shot;
  shot.path_ = pngPath;
  shot.width_ = static_cast<int>(image.width);
  shot.height_ = static_cast<int>(image.height);
  shot.rgb_.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, shot.rgb_.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return shot;
}

uint32_t Screenshot::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
  return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}

std::vector<uint32_t> Screenshot::region(const ScreenRect& rect) const {
  std::vector<uint32_t> pixels;
  pixels.reserve(static_cast<size_t>(rect.width) * rect.height);
  for (int y = rect.y; y < rect.y + rect.height; ++y) {
    for (int x = rect.x; x < rect.x + rect.width; ++x) pixels.push_back(pixel(x, y));
  }
  return pixels;
}

int Screenshot::countDifferences(const Screenshot& other, const ScreenRect& rect) const {
  int count = 0;
  for (int y = rect.y; y < rect.y + rect.height; ++y) {
    for (int x = rect.x; x < rect.x + rect.width; ++x) count += pixel(x, y) != other.pixel(x, y);
  }
  return count;
}

}  // namespace e2e
