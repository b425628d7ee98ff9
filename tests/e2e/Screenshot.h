// A screenshot read back from its PNG file, to compare regions of the screen over time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/ScreenRect.h"

namespace e2e {

class Screenshot {
 public:
  static std::optional<Screenshot> Load(const std::string& pngPath);

  const std::string& path() const { return path_; }
  // The pixels of a rectangle (0xRRGGBB each, row by row); outside the screen counts as 0.
  std::vector<uint32_t> region(const ScreenRect& rect) const;
  // How many pixels of the rectangle differ between the two screenshots.
  int countDifferences(const Screenshot& other, const ScreenRect& rect) const;

 private:
  uint32_t pixel(int x, int y) const;

  std::string path_;
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> rgb_;
};

}  // namespace e2e
