// Icons and cursors: one or more ARGB images of different sizes behind an HICON/HCURSOR handle.
// Handles are checked against the live set, so destroying one twice or drawing a stale one is harmless.
#pragma once

#include <memory>
#include <vector>

#include "platform/backend/ArgbImage.h"
#include "platform/win/winuser.h"

namespace win {

class Icon {
 public:
  // `shared` icons (system ones and those loaded with LoadIcon/LoadCursor/LR_SHARED) are never freed.
  Icon(std::vector<backend::ArgbImage> images, bool shared, int naturalSize);

  // The image closest to `size` pixels wide, preferring a larger one to scale down.
  const backend::ArgbImage& best(int size) const;
  bool shared() const { return shared_; }
  // The size DrawIcon and DrawIconEx(cx = 0) use.
  int naturalSize() const { return naturalSize_; }

 private:
  std::vector<backend::ArgbImage> images_;
  bool shared_;
  int naturalSize_;
};

HICON AddIcon(std::unique_ptr<Icon> icon);
const Icon* FindIcon(HICON handle);
bool RemoveIcon(HICON handle);
// For the back end: the image of an icon at a size, or nullptr for an unknown handle.
const backend::ArgbImage* IconImageFor(HICON handle, int size);

}  // namespace win
