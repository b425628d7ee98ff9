#include "platform/win/controls/Edit.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/Utf8.h"
#include "platform/win/controls/BasicControlColors.h"
#include "platform/win/controls/ControlWindowProc.h"

namespace win {

namespace {

constexpr int kMargin = 2;

// The edit controls of the process share one clipboard; the desktop's is not used.
std::string& Clipboard() {
  static std::string clipboard;
  return clipboard;
}

POINT PointFromLParam(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool KeyDown(int vk) { return GetKeyState(vk) < 0; }

// A single-line field takes only the first line of pasted text.
std::string_view FirstLine(std::string_view text) { return text.substr(0, text.find_first_of("\r\n")); }

class FontDC {
 public:
  FontDC(HWND hwnd, HFONT font) : hwnd_(hwnd), dc_(GetDC(hwnd)), old_(SelectObject(dc_, font)) {}
  ~FontDC() {
    SelectObject(dc_, old_);
    ReleaseDC(hwnd_, dc_);
  }
  FontDC(const FontDC&) = delete;
  FontDC& operator=(const FontDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

void Edit::registerClass() {
  WNDCLASS wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ControlWindowProc<Edit>;
  wc.cbWndExtra = kControlWindowExtra;
  wc.hCursor = LoadCursor(nullptr, IDC_IBEAM);
  wc.lpszClassName = "edit";
  RegisterClass(&wc);
}

HFONT Edit::font() const { return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

LRESULT Edit::dialogCode() const {
  LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  if (style() & ES_MULTILINE) code |= DLGC_WANTALLKEYS;
  return code;
}

LRESULT Edit::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs && cs->lpszName) buffer_.setText(cs->lpszName);
      break;
    }
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;  // painting fills the whole field
    case WM_GETDLGCODE:
      return dialogCode();
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      scrollToCaret();
      if (lParam) InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT:
      setText(reinterpret_cast<LPCSTR>(lParam));
      return TRUE;
    case WM_GETTEXT:
      return getText(wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(buffer_.text().size());
    case WM_SIZE:
      scrollToCaret();
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_SETFOCUS:
      setFocused(true);
      return 0;
    case WM_KILLFOCUS:
      setFocused(false);
      return 0;
    case WM_CHAR:
      typeCharacter(static_cast<UINT>(wParam));
      return 0;
    case WM_KEYDOWN:
      pressKey(wParam);
      return 0;
    case WM_LBUTTONDOWN:
      pressMouse(PointFromLParam(lParam), (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_LBUTTONDBLCLK:
      selectWord(PointFromLParam(lParam));
      return 0;
    case WM_MOUSEMOVE:
      dragMouse(PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONUP:
      releaseMouse();
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) mouseSelecting_ = false;
      return 0;
    case EM_GETSEL:
      return getSelection(wParam, lParam);
    case EM_SETSEL:
      buffer_.setSelection(static_cast<long>(static_cast<LONG>(wParam)), static_cast<long>(static_cast<LONG>(lParam)));
      selectionChanged();
      return 0;
    case EM_REPLACESEL:
      if (lParam) {
        buffer_.replaceSelection(reinterpret_cast<LPCSTR>(lParam));
        textChanged();
      }
      return 0;
    case EM_LIMITTEXT:
      buffer_.setLimit(static_cast<size_t>(wParam));
      return 0;
    case EM_SETREADONLY: {
      DWORD s = style();
      SetWindowLong(hwnd_, GWL_STYLE, static_cast<LONG>(wParam ? (s | ES_READONLY) : (s & ~ES_READONLY)));
      InvalidateRect(hwnd_, nullptr, TRUE);
      return TRUE;
    }
    default:
      break;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

LRESULT Edit::getText(WPARAM maxCount, LPSTR out) const {
  if (!out || maxCount == 0) return 0;
  std::string_view text = Utf8Prefix(buffer_.text(), maxCount - 1);
  std::copy(text.begin(), text.end(), out);
  out[text.size()] = '\0';
  return static_cast<LRESULT>(text.size());
}

void Edit::setText(LPCSTR text) {
  buffer_.setText(text ? text : "");
  scrollX_ = 0;
  textChanged();
}

LRESULT Edit::getSelection(WPARAM startOut, LPARAM endOut) const {
  auto start = static_cast<DWORD>(buffer_.selectionStart());
  auto end = static_cast<DWORD>(buffer_.selectionEnd());
  if (startOut) *reinterpret_cast<DWORD*>(startOut) = start;
  if (endOut) *reinterpret_cast<DWORD*>(endOut) = end;
  return MAKELRESULT(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
}

// WM_CHAR carries one Unicode code point; control characters are keys handled at WM_KEYDOWN.
void Edit::typeCharacter(UINT codePoint) {
  if (codePoint < 0x20 || codePoint == 0x7F || readOnly()) return;
  std::string utf8;
  gdi::AppendUtf8(utf8, static_cast<char32_t>(codePoint));
  insertAsUser(utf8);
}

void Edit::pressKey(WPARAM vk) {
  bool shift = KeyDown(VK_SHIFT);
  bool control = KeyDown(VK_CONTROL);
  switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
      moveCaretByKey(vk, shift, control);
      break;
    case VK_BACK:
      if (!readOnly() && buffer_.eraseBackward()) textChanged();
      break;
    case VK_DELETE:
      if (shift) {
        cut();
      } else if (!readOnly() && buffer_.eraseForward()) {
        textChanged();
      }
      break;
    case VK_INSERT:
      if (control) copy();
      if (shift) paste();
      break;
    case 'A':
      if (control) {
        buffer_.selectAll();
        selectionChanged();
      }
      break;
    case 'C':
      if (control) copy();
      break;
    case 'X':
      if (control) cut();
      break;
    case 'V':
      if (control) paste();
      break;
    default:
      break;
  }
}

void Edit::moveCaretByKey(WPARAM vk, bool extend, bool byWord) {
  size_t caret = buffer_.caret();
  size_t target = caret;
  if (vk == VK_HOME) {
    target = 0;
  } else if (vk == VK_END) {
    target = buffer_.text().size();
  } else if (!extend && !byWord && buffer_.hasSelection()) {
    // Without Shift an arrow first collapses the selection to the side it points to.
    target = vk == VK_LEFT ? buffer_.selectionStart() : buffer_.selectionEnd();
  } else if (vk == VK_LEFT) {
    target = byWord ? buffer_.previousWordStart(caret) : buffer_.previousCharacter(caret);
  } else {
    target = byWord ? buffer_.nextWordStart(caret) : buffer_.nextCharacter(caret);
  }
  buffer_.moveCaret(target, extend);
  selectionChanged();
}

void Edit::pressMouse(POINT pt, bool extend) {
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  if (!IsWindow(hwnd_)) return;
  buffer_.moveCaret(positionAt(pt.x), extend);
  mouseSelecting_ = true;
  SetCapture(hwnd_);
  selectionChanged();
}

void Edit::dragMouse(POINT pt) {
  if (!mouseSelecting_) return;
  buffer_.moveCaret(positionAt(pt.x), true);
  selectionChanged();
}

void Edit::releaseMouse() {
  if (!mouseSelecting_) return;
  mouseSelecting_ = false;
  ReleaseCapture();
}

void Edit::selectWord(POINT pt) {
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  buffer_.selectWordAt(positionAt(pt.x));
  selectionChanged();
}

void Edit::setFocused(bool focused) {
  if (focused == focused_) return;
  focused_ = focused;
  if (!focused) releaseMouse();
  InvalidateRect(hwnd_, nullptr, TRUE);
  notify(focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

void Edit::copy() const {
  if (buffer_.hasSelection()) Clipboard() = buffer_.selectedText();
}

void Edit::cut() {
  if (readOnly() || !buffer_.hasSelection()) return;
  copy();
  buffer_.replaceSelection({});
  textChanged();
}

void Edit::paste() {
  if (readOnly() || Clipboard().empty()) return;
  insertAsUser(FirstLine(Clipboard()));
}

void Edit::insertAsUser(std::string_view text) {
  EditBuffer before = buffer_;
  if (!buffer_.replaceSelection(text)) return;
  if (!(style() & ES_AUTOHSCROLL)) {
    std::vector<int> xs = measureBoundaries();
    RECT area = textArea();
    if (!xs.empty() && xs.back() > area.right - area.left) {
      buffer_ = before;
      return;
    }
  }
  textChanged();
}

void Edit::textChanged() {
  // Keep the window system's copy of the text current for whoever reads it without WM_GETTEXT.
  DefWindowProc(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(buffer_.text().c_str()));
  scrollToCaret();
  InvalidateRect(hwnd_, nullptr, TRUE);
  notify(EN_CHANGE);
}

void Edit::selectionChanged() {
  scrollToCaret();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Edit::notify(WORD code) {
  HWND parent = GetParent(hwnd_);
  if (parent) SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), code), reinterpret_cast<LPARAM>(hwnd_));
}

std::vector<int> Edit::measureBoundaries() const {
  const std::string& text = buffer_.text();
  std::vector<int> xs(text.size() + 1, 0);
  FontDC dc(hwnd_, font());
  size_t pos = 0;
  while (pos < text.size()) {
    size_t next = buffer_.nextCharacter(pos);
    SIZE extent{};
    GetTextExtentPoint32(dc.get(), text.data(), static_cast<int>(next), &extent);
    for (size_t i = pos + 1; i <= next; ++i) xs[i] = extent.cx;
    pos = next;
  }
  return xs;
}

RECT Edit::textArea() const {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  InflateRect(&rc, -kMargin, 0);
  if (rc.right < rc.left) rc.right = rc.left;
  return rc;
}

int Edit::lineHeight() const {
  FontDC dc(hwnd_, font());
  TEXTMETRIC tm{};
  GetTextMetrics(dc.get(), &tm);
  return std::max<int>(tm.tmHeight, 1);
}

// Where the text starts in client coordinates: aligned when it fits, scrolled when it does not.
int Edit::textOriginX(const std::vector<int>& xs) const {
  RECT area = textArea();
  int width = area.right - area.left;
  int textWidth = xs.back();
  if (textWidth < width && scrollX_ == 0) {
    if (style() & ES_CENTER) return area.left + (width - textWidth) / 2;
    if (style() & ES_RIGHT) return area.right - textWidth;
  }
  return area.left - scrollX_;
}

size_t Edit::positionAt(int clientX) const {
  std::vector<int> xs = measureBoundaries();
  int x = clientX - textOriginX(xs);
  size_t best = 0;
  for (size_t pos = 0;; pos = buffer_.nextCharacter(pos)) {
    if (std::abs(xs[pos] - x) < std::abs(xs[best] - x)) best = pos;
    if (pos >= buffer_.text().size()) break;
  }
  return best;
}

void Edit::scrollToCaret() {
  if (!(style() & ES_AUTOHSCROLL)) {
    scrollX_ = 0;
    return;
  }
  std::vector<int> xs = measureBoundaries();
  RECT area = textArea();
  int width = std::max<int>(area.right - area.left, 1);
  int caretX = xs[buffer_.caret()];
  // Jump a quarter of the width at a time, as typing at the edge would otherwise scroll every key.
  if (caretX < scrollX_) scrollX_ = std::max(0, caretX - width / 4);
  if (caretX >= scrollX_ + width) scrollX_ = caretX - width * 3 / 4;
  scrollX_ = std::clamp(scrollX_, 0, std::max(0, xs.back() - width + 1));
  if (caretX >= scrollX_ + width) scrollX_ = caretX - width + 1;
}

void Edit::paint() {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd_, &ps);
  if (!hdc) {
    EndPaint(hwnd_, &ps);
    return;
  }
  RECT client;
  GetClientRect(hwnd_, &client);
  HGDIOBJ oldFont = SelectObject(hdc, font());
  bool enabled = IsWindowEnabled(hwnd_) != FALSE;
  UINT colorMessage = enabled && !readOnly() ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
  HBRUSH background = QueryControlBrush(hwnd_, hdc, colorMessage);
  if (background) FillRect(hdc, &client, background);
  if (!enabled) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));

  std::vector<int> xs = measureBoundaries();
  RECT area = textArea();
  int height = lineHeight();
  int x0 = textOriginX(xs);
  int y = (client.bottom - height) / 2;
  int saved = SaveDC(hdc);
  IntersectClipRect(hdc, area.left, client.top, area.right, client.bottom);
  const std::string& text = buffer_.text();
  TextOut(hdc, x0, y, text.data(), static_cast<int>(text.size()));
  if (buffer_.hasSelection() && (focused_ || (style() & ES_NOHIDESEL))) paintSelection(hdc, xs, x0, y, height);
  RestoreDC(hdc, saved);
  if (focused_) {
    RECT caret{x0 + xs[buffer_.caret()], y, x0 + xs[buffer_.caret()] + 1, y + height};
    IntersectRect(&caret, &caret, &client);
    FillRect(hdc, &caret, GetSysColorBrush(COLOR_WINDOWTEXT));
  }
  SelectObject(hdc, oldFont);
  EndPaint(hwnd_, &ps);
}

void Edit::paintSelection(HDC hdc, const std::vector<int>& xs, int x0, int y, int height) {
  size_t start = buffer_.selectionStart();
  size_t end = buffer_.selectionEnd();
  RECT band{x0 + xs[start], y, x0 + xs[end], y + height};
  FillRect(hdc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
  SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  SetBkMode(hdc, TRANSPARENT);
  TextOut(hdc, band.left, y, buffer_.text().data() + start, static_cast<int>(end - start));
}

}  // namespace win
