// The text of a single-line edit control and its selection, in UTF-8. Every position is a byte
// offset on a character boundary; no operation ever splits a multi-byte character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win {

class EditBuffer {
 public:
  static constexpr size_t kDefaultLimit = 0x7FFE;

  const std::string& text() const { return text_; }
  size_t caret() const { return caret_; }
  size_t anchor() const { return anchor_; }
  size_t selectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  size_t selectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  bool hasSelection() const { return caret_ != anchor_; }
  std::string selectedText() const;

  size_t limit() const { return limit_; }
  // 0 restores the default; text already longer stays.
  void setLimit(size_t bytes) { limit_ = bytes ? bytes : kDefaultLimit; }

  // Replaces everything; the caret goes to the start.
  void setText(std::string_view text);
  // Replaces the selection with as much of `text` as the limit leaves room for, cut at a character
  // boundary; the caret ends after it. False when nothing changed.
  bool replaceSelection(std::string_view text);
  // Backspace and Delete: the selection, or one character.
  bool eraseBackward();
  bool eraseForward();

  // EM_SETSEL: start -1 removes the selection; end -1 (or past the end) means the end of the text.
  void setSelection(long start, long end);
  // Moves the caret; with `extend` the anchor stays, so the selection grows or shrinks.
  void moveCaret(size_t pos, bool extend);
  void selectAll() { setSelection(0, -1); }
  // The word (or the run of blanks) around `pos`.
  void selectWordAt(size_t pos);

  size_t previousCharacter(size_t pos) const;
  size_t nextCharacter(size_t pos) const;
  size_t previousWordStart(size_t pos) const;
  size_t nextWordStart(size_t pos) const;
  // Clamped to the text and moved back onto the start of the character it falls in.
  size_t snap(size_t pos) const;

 private:
  bool isBlankAt(size_t pos) const;

  std::string text_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  size_t limit_ = kDefaultLimit;
};

// The longest prefix of `text` of at most `maxBytes` bytes that ends on a character boundary.
std::string_view Utf8Prefix(std::string_view text, size_t maxBytes);

}  // namespace win
