// The font of a dialog and the base units its dialog units are measured in.
#pragma once

#include "platform/win/Resources.h"
#include "platform/win/winuser.h"

namespace win {

// a * b / c rounded half away from zero, in 64-bit arithmetic.
int MulDivRounded(int a, int b, int c);

class DialogFont {
 public:
  // The template's font (DS_SETFONT) or the system font, with the base units for it.
  static DialogFont forTemplate(const DialogTemplate& tmpl);
  // A font made from a face and a size in points.
  static DialogFont create(const char* face, int points, int weight, bool italic, int charSet);

  HFONT font = nullptr;
  bool owned = false;  // created here; the dialog deletes it with itself
  int baseUnitX = 8;
  int baseUnitY = 16;

 private:
  void measure(const char* face, int points);
};

}  // namespace win
