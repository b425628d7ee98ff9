#include "res/ProgramResources.h"

#include <cstddef>

#include "platform/win/Resources.h"
#include "res/DialogTemplates.h"
#include "res/HandCursor.h"
#include "res/resource.h"

// The build links every file of res/data into the program under these names.
// clang-format off
#define VELMORA_BITMAP_FILES(X)                                                                     \
  X(138) X(139) X(142) X(143) X(144) X(145) X(146) X(147) X(150) X(151) X(152) X(153) X(154)     \
  X(155) X(156) X(157) X(158) X(159) X(164) X(165) X(166) X(167) X(170) X(171) X(174) X(175)     \
  X(178) X(179) X(183) X(184) X(185)
// clang-format on
#define VELMORA_ICON_SIZES(X) X(16) X(32) X(48)

#define DECLARE_BITMAP_FILE(n) \
  extern "C" const unsigned char velmora_res_bmp_##n##_bmp[], velmora_res_bmp_##n##_bmp_end[];
#define DECLARE_ICON_FILE(size) \
  extern "C" const unsigned char velmora_res_icon_128_##size##_bmp[], velmora_res_icon_128_##size##_bmp_end[];
VELMORA_BITMAP_FILES(DECLARE_BITMAP_FILE)
VELMORA_ICON_SIZES(DECLARE_ICON_FILE)

namespace {

struct EmbeddedFile {
  const unsigned char* begin;
  const unsigned char* end;
  size_t size() const { return static_cast<size_t>(end - begin); }
};

struct BitmapFile {
  UINT id;
  EmbeddedFile file;
};

#define BITMAP_ENTRY(n) {n, {velmora_res_bmp_##n##_bmp, velmora_res_bmp_##n##_bmp_end}},
constexpr BitmapFile kBitmaps[] = {VELMORA_BITMAP_FILES(BITMAP_ENTRY)};

#define ICON_ENTRY(size) {velmora_res_icon_128_##size##_bmp, velmora_res_icon_128_##size##_bmp_end},
constexpr EmbeddedFile kIconImages[] = {VELMORA_ICON_SIZES(ICON_ENTRY)};

void RegisterDialogs() {
  win::RegisterDialogResource(IDD_ABOUTBOX, &AboutBoxTemplate());
  win::RegisterDialogResource(IDD_MAIN_DIALOG, &MainDialogTemplate());
  win::RegisterDialogResource(IDD_PROGRESS, &ProgressDialogTemplate());
}

void RegisterBitmaps() {
  for (const BitmapFile& bitmap : kBitmaps) {
    win::RegisterBitmapResource(bitmap.id, bitmap.file.begin, bitmap.file.size());
  }
}

void RegisterIcon() {
  std::vector<win::IconImage> images;
  for (const EmbeddedFile& file : kIconImages) {
    images.push_back({file.begin, file.size()});
  }
  win::RegisterIconResource(IDR_MAINFRAME, std::move(images));
}

bool RegisterAll() {
  RegisterDialogs();
  RegisterBitmaps();
  RegisterIcon();
  win::RegisterCursorResource(IDC_HAND_CURSOR, kHandCursorSize, kHandCursorSize, kHandCursorHotX,
                              kHandCursorHotY, HandCursorRows());
  win::RegisterStringResource(IDS_ABOUTBOX, "关于 Velmora(&A)...");
  return true;
}

}  // namespace

void RegisterProgramResources() { [[maybe_unused]] static const bool registered = RegisterAll(); }
