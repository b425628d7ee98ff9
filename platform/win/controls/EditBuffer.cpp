#include "platform/win/controls/EditBuffer.h"

#include <algorithm>

namespace win {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string_view Utf8Prefix(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t cut = maxBytes;
  while (cut > 0 && IsContinuationByte(text[cut])) --cut;
  return text.substr(0, cut);
}

std::string EditBuffer::selectedText() const {
  return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

void EditBuffer::setText(std::string_view text) {
  text_.assign(text);
  caret_ = anchor_ = 0;
}

bool EditBuffer::replaceSelection(std::string_view text) {
  size_t start = selectionStart();
  size_t removed = selectionEnd() - start;
  size_t kept = text_.size() - removed;
  std::string_view inserted = Utf8Prefix(text, limit_ > kept ? limit_ - kept : 0);
  if (removed == 0 && inserted.empty()) return false;
  text_.replace(start, removed, inserted);
  caret_ = anchor_ = start + inserted.size();
  return true;
}

bool EditBuffer::eraseBackward() {
  if (!hasSelection()) {
    if (caret_ == 0) return false;
    anchor_ = previousCharacter(caret_);
  }
  return replaceSelection({});
}

bool EditBuffer::eraseForward() {
  if (!hasSelection()) {
    if (caret_ == text_.size()) return false;
    anchor_ = nextCharacter(caret_);
  }
  return replaceSelection({});
}

void EditBuffer::setSelection(long start, long end) {
  if (start == -1) {
    anchor_ = caret_;
    return;
  }
  auto clampToText = [this](long pos) {
    return pos < 0 || static_cast<size_t>(pos) > text_.size() ? text_.size() : static_cast<size_t>(pos);
  };
  anchor_ = snap(clampToText(start));
  caret_ = snap(clampToText(end));
}

void EditBuffer::moveCaret(size_t pos, bool extend) {
  caret_ = snap(pos);
  if (!extend) anchor_ = caret_;
}

void EditBuffer::selectWordAt(size_t pos) {
  pos = snap(pos);
  if (text_.empty()) return;
  if (pos == text_.size()) pos = previousCharacter(pos);
  bool blank = isBlankAt(pos);
  size_t start = pos;
  while (start > 0 && isBlankAt(previousCharacter(start)) == blank) start = previousCharacter(start);
  size_t end = pos;
  while (end < text_.size() && isBlankAt(end) == blank) end = nextCharacter(end);
  anchor_ = start;
  caret_ = end;
}

size_t EditBuffer::previousCharacter(size_t pos) const {
  pos = std::min(pos, text_.size());
  if (pos == 0) return 0;
  --pos;
  while (pos > 0 && IsContinuationByte(text_[pos])) --pos;
  return pos;
}

size_t EditBuffer::nextCharacter(size_t pos) const {
  if (pos >= text_.size()) return text_.size();
  ++pos;
  while (pos < text_.size() && IsContinuationByte(text_[pos])) ++pos;
  return pos;
}

size_t EditBuffer::previousWordStart(size_t pos) const {
  pos = snap(pos);
  while (pos > 0 && isBlankAt(previousCharacter(pos))) pos = previousCharacter(pos);
  while (pos > 0 && !isBlankAt(previousCharacter(pos))) pos = previousCharacter(pos);
  return pos;
}

size_t EditBuffer::nextWordStart(size_t pos) const {
  pos = snap(pos);
  while (pos < text_.size() && !isBlankAt(pos)) pos = nextCharacter(pos);
  while (pos < text_.size() && isBlankAt(pos)) pos = nextCharacter(pos);
  return pos;
}

size_t EditBuffer::snap(size_t pos) const {
  pos = std::min(pos, text_.size());
  while (pos > 0 && pos < text_.size() && IsContinuationByte(text_[pos])) --pos;
  return pos;
}

bool EditBuffer::isBlankAt(size_t pos) const { return pos < text_.size() && (text_[pos] == ' ' || text_[pos] == '\t'); }

}  // namespace win
