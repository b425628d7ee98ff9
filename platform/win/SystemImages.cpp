#include "platform/win/SystemImages.h"

#include "platform/win/BmpImage.h"
#include "platform/win/winuser.h"

namespace win {
namespace {

const char* const kArrow[] = {
    "#           ", "##          ", "#o#         ", "#oo#        ", "#ooo#       ", "#oooo#      ",
    "#ooooo#     ", "#oooooo#    ", "#ooooooo#   ", "#oooooooo#  ", "#ooooo#####  ", "#oo#oo#     ",
    "#o# #oo#    ", "##  #oo#    ", "#    #oo#   ", "     #oo#   ", "      ##    ",
};

const char* const kIBeam[] = {
    "###.###", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ",
    "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "###.###",
};

const char* const kWait[] = {
    "###########", "#ooooooooo#", " #ooooooo# ", " #o#o#o#o# ", "  #o#o#o#  ", "   #o#o#   ",
    "    #o#    ", "    #o#    ", "   #ooo#   ", "  #oo#oo#  ", " #ooo#ooo# ", " #oo#o#oo# ",
    "#o#o#o#o#o#", "###########",
};

const char* const kHand[] = {
    "     ##          ", "    #oo#         ", "    #oo#         ", "    #oo#         ", "    #oo#         ",
    "    #oo###       ", "    #oo#oo###    ", "    #oo#oo#oo##  ", " ## #oo#oo#oo#o# ", "#oo##ooooooo#oo# ",
    "#ooo#oooooooooo# ", " #oo#oooooooooo# ", "  #o#oooooooooo# ", "  #oooooooooooo# ", "   #ooooooooooo# ",
    "   #oooooooooo#  ", "    #ooooooooo#  ", "    #oooooooo#   ", "     #ooooooo#   ", "     #########   ",
};

template <size_t N>
backend::ArgbImage FromRows(const char* const (&rows)[N], int width, int hotX, int hotY) {
  return ImageFromRows(width, static_cast<int>(N), hotX, hotY, rows);
}

}  // namespace

backend::ArgbImage SystemCursorImage(int id) {
  switch (id) {
    case 32513: return FromRows(kIBeam, 7, 3, 8);
    case 32514: return FromRows(kWait, 11, 5, 7);
    case 32649: return FromRows(kHand, 17, 5, 0);
    default: return FromRows(kArrow, 12, 0, 0);
  }
}

// A small window: a blue title bar over a white page, framed in dark grey.
backend::ArgbImage ApplicationIconImage(int size) {
  backend::ArgbImage img;
  img.width = img.height = size;
  img.pixels.assign(static_cast<size_t>(size) * size, 0);
  int margin = size / 8;
  int bar = size / 4;
  for (int y = margin; y < size - margin; ++y) {
    for (int x = 0; x < size; ++x) {
      bool edge = x == 0 || x == size - 1 || y == margin || y == size - margin - 1;
      uint32_t color = edge ? 0xFF404040u : (y < margin + bar ? 0xFF0A246Au : 0xFFFFFFFFu);
      img.pixels[static_cast<size_t>(y) * size + x] = color;
    }
  }
  return img;
}

}  // namespace win
