#include "platform/afx/CString.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/afx/AfxDebug.h"
#include "platform/win/Resources.h"

namespace {

const char kWhitespace[] = " \t\r\n\v\f";

std::string FormatV(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length <= 0) return std::string();
  std::string out(static_cast<size_t>(length), '\0');
  std::vsnprintf(out.data(), out.size() + 1, format, args);
  return out;
}

int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }

}  // namespace

CString::CString(LPCTSTR text, int length) {
  if (text && length > 0) text_.assign(text, strnlen(text, static_cast<size_t>(length)));
}

TCHAR CString::GetAt(int index) const {
  ASSERT(index >= 0 && index <= GetLength());
  return index >= 0 && index < GetLength() ? text_[static_cast<size_t>(index)] : '\0';
}

void CString::SetAt(int index, TCHAR ch) {
  ASSERT(index >= 0 && index < GetLength());
  if (index >= 0 && index < GetLength()) text_[static_cast<size_t>(index)] = ch;
}

CString& CString::operator=(LPCTSTR text) {
  text_ = text ? text : "";
  return *this;
}

CString& CString::operator=(TCHAR ch) {
  text_.assign(1, ch);
  return *this;
}

CString& CString::operator+=(const CString& other) {
  text_ += other.text_;
  return *this;
}

CString& CString::operator+=(LPCTSTR text) {
  if (text) text_ += text;
  return *this;
}

CString& CString::operator+=(TCHAR ch) {
  text_ += ch;
  return *this;
}

int CString::Compare(LPCTSTR other) const { return std::strcmp(text_.c_str(), other ? other : ""); }

int CString::CompareNoCase(LPCTSTR other) const { return strcasecmp(text_.c_str(), other ? other : ""); }

void CString::Format(LPCTSTR format, ...) {
  va_list args;
  va_start(args, format);
  text_ = FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(LPCTSTR format, ...) {
  va_list args;
  va_start(args, format);
  text_ += FormatV(format, args);
  va_end(args);
}

BOOL CString::LoadString(UINT id) {
  const char* text = win::FindStringResource(id);
  if (!text) return FALSE;
  text_ = text;
  return TRUE;
}

CString CString::Left(int count) const { return CString(text_.substr(0, static_cast<size_t>(Clamp(count, 0, GetLength())))); }

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  first = Clamp(first, 0, GetLength());
  count = Clamp(count, 0, GetLength() - first);
  return CString(text_.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
  count = Clamp(count, 0, GetLength());
  return CString(text_.substr(static_cast<size_t>(GetLength() - count)));
}

int CString::Find(TCHAR ch, int start) const {
  if (start < 0 || start >= GetLength()) return -1;
  size_t at = text_.find(ch, static_cast<size_t>(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCTSTR sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  size_t at = text_.find(sub, static_cast<size_t>(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(TCHAR ch) const {
  size_t at = text_.rfind(ch);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCTSTR chars) const {
  size_t at = text_.find_first_of(chars ? chars : "");
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString& CString::MakeUpper() {
  for (char& c : text_) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return *this;
}

CString& CString::MakeLower() {
  for (char& c : text_) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(text_.begin(), text_.end());
  return *this;
}

CString& CString::TrimLeft() { return TrimLeft(kWhitespace); }

CString& CString::TrimLeft(TCHAR ch) {
  const char set[2] = {ch, '\0'};
  return TrimLeft(set);
}

CString& CString::TrimLeft(LPCTSTR chars) {
  size_t first = text_.find_first_not_of(chars ? chars : "");
  text_.erase(0, first == std::string::npos ? text_.size() : first);
  return *this;
}

CString& CString::TrimRight() { return TrimRight(kWhitespace); }

CString& CString::TrimRight(TCHAR ch) {
  const char set[2] = {ch, '\0'};
  return TrimRight(set);
}

CString& CString::TrimRight(LPCTSTR chars) {
  size_t last = text_.find_last_not_of(chars ? chars : "");
  text_.erase(last == std::string::npos ? 0 : last + 1);
  return *this;
}

int CString::Replace(TCHAR oldCh, TCHAR newCh) {
  int count = 0;
  for (char& c : text_) {
    if (c == oldCh) {
      c = newCh;
      ++count;
    }
  }
  return count;
}

int CString::Replace(LPCTSTR oldText, LPCTSTR newText) {
  if (!oldText || !*oldText) return 0;
  const std::string from(oldText), to(newText ? newText : "");
  int count = 0;
  for (size_t at = text_.find(from); at != std::string::npos; at = text_.find(from, at + to.size())) {
    text_.replace(at, from.size(), to);
    ++count;
  }
  return count;
}

int CString::Remove(TCHAR ch) {
  size_t before = text_.size();
  text_.erase(std::remove(text_.begin(), text_.end(), ch), text_.end());
  return static_cast<int>(before - text_.size());
}

int CString::Insert(int index, LPCTSTR text) {
  text_.insert(static_cast<size_t>(Clamp(index, 0, GetLength())), text ? text : "");
  return GetLength();
}

int CString::Delete(int index, int count) {
  index = Clamp(index, 0, GetLength());
  text_.erase(static_cast<size_t>(index), static_cast<size_t>(Clamp(count, 0, GetLength() - index)));
  return GetLength();
}

LPTSTR CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) text_.resize(static_cast<size_t>(minLength), '\0');
  return text_.data();
}

LPTSTR CString::GetBufferSetLength(int length) {
  text_.resize(static_cast<size_t>(std::max(length, 0)), '\0');
  return text_.data();
}

void CString::ReleaseBuffer(int newLength) {
  size_t length = newLength < 0 ? strnlen(text_.c_str(), text_.size()) : static_cast<size_t>(newLength);
  text_.resize(std::min(length, text_.size()));
}

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, LPCTSTR b) { return CString(a.str() + (b ? b : "")); }
CString operator+(LPCTSTR a, const CString& b) { return CString((a ? a : "") + b.str()); }
CString operator+(const CString& a, TCHAR b) { return CString(a.str() + b); }
CString operator+(TCHAR a, const CString& b) { return CString(a + b.str()); }

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCTSTR b) { return !(a == b); }
bool operator!=(LPCTSTR a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
bool operator>(const CString& a, const CString& b) { return a.str() > b.str(); }
