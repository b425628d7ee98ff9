#include "platform/win/Icon.h"

#include <cstdlib>
#include <map>

namespace win {

Icon::Icon(std::vector<backend::ArgbImage> images, bool shared, int naturalSize)
    : images_(std::move(images)), shared_(shared), naturalSize_(naturalSize) {
  if (images_.empty()) {
    backend::ArgbImage blank;
    blank.width = blank.height = 1;
    blank.pixels.assign(1, 0);
    images_.push_back(blank);
  }
}

const backend::ArgbImage& Icon::best(int size) const {
  const backend::ArgbImage* chosen = &images_.front();
  auto score = [size](const backend::ArgbImage& img) {
    int d = img.width - size;
    return d >= 0 ? d : 10000 - d;  // any larger image beats every smaller one
  };
  for (const auto& img : images_) {
    if (score(img) < score(*chosen)) chosen = &img;
  }
  return *chosen;
}

namespace {

std::map<HICON, std::unique_ptr<Icon>>& Icons() {
  static std::map<HICON, std::unique_ptr<Icon>> icons;
  return icons;
}

}  // namespace

HICON AddIcon(std::unique_ptr<Icon> icon) {
  HICON handle = reinterpret_cast<HICON>(icon.get());
  Icons()[handle] = std::move(icon);
  return handle;
}

const Icon* FindIcon(HICON handle) {
  auto it = Icons().find(handle);
  return it == Icons().end() ? nullptr : it->second.get();
}

bool RemoveIcon(HICON handle) {
  auto it = Icons().find(handle);
  if (it == Icons().end() || it->second->shared()) return false;
  Icons().erase(it);
  return true;
}

const backend::ArgbImage* IconImageFor(HICON handle, int size) {
  const Icon* icon = FindIcon(handle);
  return icon ? &icon->best(size) : nullptr;
}

}  // namespace win
