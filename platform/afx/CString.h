// The library's text: narrow UTF-8 bytes. Positions and lengths count bytes, as the platform's narrow
// text did; case changes and comparisons without case touch ASCII letters only.
#pragma once

#include <string>

#include "platform/win/windef.h"

class CString {
 public:
  CString() = default;
  CString(LPCTSTR text) : text_(text ? text : "") {}  // NOLINT: converts like the platform's own type
  CString(LPCTSTR text, int length);
  CString(TCHAR ch, int repeat = 1) : text_(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}
  CString(const std::string& text) : text_(text) {}  // NOLINT

  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  TCHAR GetAt(int index) const;
  void SetAt(int index, TCHAR ch);
  TCHAR operator[](int index) const { return GetAt(index); }
  operator LPCTSTR() const { return text_.c_str(); }
  const std::string& str() const { return text_; }

  CString& operator=(LPCTSTR text);
  CString& operator=(TCHAR ch);
  CString& operator+=(const CString& other);
  CString& operator+=(LPCTSTR text);
  CString& operator+=(TCHAR ch);

  int Compare(LPCTSTR other) const;
  int CompareNoCase(LPCTSTR other) const;

  // printf-style; the compiler checks the arguments against the format.
  void Format(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));
  void AppendFormat(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));
  // Loads a string resource; FALSE (and the text unchanged) when there is none with that number.
  BOOL LoadString(UINT id);

  // Out-of-range counts and positions are clamped, never an error.
  CString Left(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Right(int count) const;

  // -1 when not found, also when start lies past the end.
  int Find(TCHAR ch, int start = 0) const;
  int Find(LPCTSTR sub, int start = 0) const;
  int ReverseFind(TCHAR ch) const;
  int FindOneOf(LPCTSTR chars) const;

  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  CString& TrimLeft();
  CString& TrimLeft(TCHAR ch);
  CString& TrimLeft(LPCTSTR chars);
  CString& TrimRight();
  CString& TrimRight(TCHAR ch);
  CString& TrimRight(LPCTSTR chars);
  CString& Trim() { return TrimLeft().TrimRight(); }
  // Return how many occurrences were replaced; an empty old text replaces nothing.
  int Replace(TCHAR oldCh, TCHAR newCh);
  int Replace(LPCTSTR oldText, LPCTSTR newText);
  int Remove(TCHAR ch);
  int Insert(int index, LPCTSTR text);
  int Delete(int index, int count = 1);

  // Direct access to at least minLength bytes (plus the terminator); ReleaseBuffer(-1) takes the
  // length up to the first NUL, ReleaseBuffer(n) exactly n bytes.
  LPTSTR GetBuffer(int minLength = 0);
  LPTSTR GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);

 private:
  std::string text_;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCTSTR b);
CString operator+(LPCTSTR a, const CString& b);
CString operator+(const CString& a, TCHAR b);
CString operator+(TCHAR a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCTSTR b);
bool operator==(LPCTSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCTSTR b);
bool operator!=(LPCTSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator>(const CString& a, const CString& b);
