#include "platform/win/controls/Trackbar.h"

#include <algorithm>

#include "platform/win/controls/ControlPaint.h"

namespace win {

namespace {

constexpr UINT_PTR kPageRepeatTimer = 1;
constexpr UINT kPageRepeatFirstDelay = 300;
constexpr UINT kPageRepeatDelay = 100;

POINT PointFromLParam(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// The notification code of a key, or -1 for keys the trackbar leaves alone.
int CodeForKey(UINT vk) {
  switch (vk) {
    case VK_LEFT:
    case VK_UP: return TB_LINEUP;
    case VK_RIGHT:
    case VK_DOWN: return TB_LINEDOWN;
    case VK_PRIOR: return TB_PAGEUP;
    case VK_NEXT: return TB_PAGEDOWN;
    case VK_HOME: return TB_TOP;
    case VK_END: return TB_BOTTOM;
  }
  return -1;
}

}  // namespace

Trackbar::Trackbar(HWND hwnd) : hwnd_(hwnd) {}

DWORD Trackbar::style() const { return static_cast<DWORD>(GetWindowLong(hwnd_, GWL_STYLE)); }

TrackbarGeometry Trackbar::geometry() const {
  RECT client;
  GetClientRect(hwnd_, &client);
  return TrackbarGeometry(client, style(), model_);
}

LRESULT Trackbar::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;  // paint covers every pixel
    case WM_PAINT: return PaintCycle(hwnd_, [this](HDC hdc) { paint(hdc); });
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_TIMER:
    case WM_CAPTURECHANGED:
    case WM_KEYDOWN:
    case WM_KEYUP: return handleInput(msg, wParam, lParam);
    default:
      if (msg >= TBM_GETPOS && msg <= TBM_GETCHANNELRECT) return handleTrackbarMessage(msg, wParam, lParam);
      break;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

void Trackbar::redrawIf(bool changed, bool redraw) {
  if (changed && redraw) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT Trackbar::handleTrackbarMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  bool redraw = wParam != 0;
  int value = static_cast<int>(lParam);
  switch (msg) {
    case TBM_GETPOS: return model_.pos();
    case TBM_GETRANGEMIN: return model_.rangeMin();
    case TBM_GETRANGEMAX: return model_.rangeMax();
    case TBM_SETPOS: moveThumb(value, redraw); return 0;
    case TBM_SETRANGE: redrawIf(model_.setRange(LOWORD(lParam), HIWORD(lParam)), redraw); return 0;
    case TBM_SETRANGEMIN: redrawIf(model_.setRange(value, model_.rangeMax()), redraw); return 0;
    case TBM_SETRANGEMAX: redrawIf(model_.setRange(model_.rangeMin(), value), redraw); return 0;
    case TBM_SETSEL: {
      bool changed = model_.setSelStart(LOWORD(lParam));
      changed = model_.setSelEnd(HIWORD(lParam)) || changed;
      redrawIf(changed, redraw);
      return 0;
    }
    case TBM_SETSELSTART: redrawIf(model_.setSelStart(value), redraw); return 0;
    case TBM_SETSELEND: redrawIf(model_.setSelEnd(value), redraw); return 0;
    case TBM_GETSELSTART: return model_.selStart();
    case TBM_GETSELEND: return model_.selEnd();
    case TBM_CLEARSEL: redrawIf(model_.clearSel(), redraw); return 0;
    case TBM_SETPAGESIZE: return model_.setPageSize(value);
    case TBM_GETPAGESIZE: return model_.pageSize();
    case TBM_SETLINESIZE: return model_.setLineSize(value);
    case TBM_GETLINESIZE: return model_.lineSize();
    case TBM_GETTHUMBRECT:
    case TBM_GETCHANNELRECT:
      if (lParam) {
        TrackbarGeometry g = geometry();
        *reinterpret_cast<RECT*>(lParam) = msg == TBM_GETTHUMBRECT ? g.thumbRect() : g.channelRect();
      }
      return 0;
  }
  return handleTickMessage(msg, wParam, lParam);
}

LRESULT Trackbar::handleTickMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(wParam);
  const auto& tics = model_.tics();
  bool validIndex = index >= 0 && index < static_cast<int>(tics.size());
  switch (msg) {
    case TBM_SETTIC: {
      bool added = model_.addTic(static_cast<int>(lParam));
      redrawIf(added, true);
      return added;
    }
    case TBM_CLEARTICS:
      model_.clearTics();
      redrawIf(true, wParam != 0);
      return 0;
    case TBM_SETTICFREQ:
      model_.setTicFrequency(index);
      redrawIf(true, true);
      return 0;
    case TBM_GETNUMTICS: return (style() & TBS_NOTICKS) ? 0 : static_cast<LRESULT>(tics.size()) + 2;
    case TBM_GETPTICS: return tics.empty() ? 0 : reinterpret_cast<LRESULT>(tics.data());
    case TBM_GETTIC: return validIndex ? static_cast<int>(tics[index]) : -1;
    case TBM_GETTICPOS: return validIndex ? geometry().pixelFromPos(static_cast<int>(tics[index])) : -1;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

int Trackbar::clampedPos(long long pos) const {
  return static_cast<int>(std::clamp<long long>(pos, model_.rangeMin(), model_.rangeMax()));
}

bool Trackbar::moveThumb(int pos, bool redraw) {
  TrackbarGeometry g = geometry();
  RECT before = g.thumbRect();
  if (!model_.setPos(pos)) return false;
  if (redraw) {
    RECT after = g.thumbRect();
    RECT both;
    UnionRect(&both, &before, &after);
    InvalidateRect(hwnd_, &both, FALSE);
  }
  return true;
}

void Trackbar::notify(int code, int pos) {
  UINT msg = (style() & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  SendMessage(GetParent(hwnd_), msg, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(hwnd_));
}

LRESULT Trackbar::handleInput(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CAPTURECHANGED) {
    if (tracking_ != Tracking::None && reinterpret_cast<HWND>(lParam) != hwnd_) endTracking(false);
    return 0;
  }
  if (!IsWindowEnabled(hwnd_)) return 0;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: onButtonDown(PointFromLParam(lParam)); break;
    case WM_MOUSEMOVE: onMouseMove(PointFromLParam(lParam)); break;
    case WM_LBUTTONUP:
      if (tracking_ != Tracking::None) endTracking(true);
      break;
    case WM_TIMER:
      if (wParam == kPageRepeatTimer) onChannelRepeat();
      break;
    case WM_KEYDOWN: onKeyDown(static_cast<UINT>(wParam)); break;
    case WM_KEYUP: onKeyUp(static_cast<UINT>(wParam)); break;
  }
  return 0;
}

void Trackbar::onButtonDown(POINT pt) {
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  if (tracking_ != Tracking::None) return;
  TrackbarGeometry g = geometry();
  RECT thumb = g.thumbRect();
  lastPoint_ = pt;
  SetCapture(hwnd_);
  if (PtInRect(&thumb, pt)) {
    tracking_ = Tracking::Thumb;
    dragOffset_ = g.along(pt) - g.pixelFromPos(model_.pos());
    return;
  }
  tracking_ = Tracking::Channel;
  channelCode_ = g.along(pt) < g.pixelFromPos(model_.pos()) ? TB_PAGEUP : TB_PAGEDOWN;
  pageTowardsPointer();
  SetTimer(hwnd_, kPageRepeatTimer, kPageRepeatFirstDelay, nullptr);
}

void Trackbar::onMouseMove(POINT pt) {
  lastPoint_ = pt;
  if (tracking_ != Tracking::Thumb) return;
  TrackbarGeometry g = geometry();
  if (moveThumb(g.posFromPixel(g.along(pt) - dragOffset_), true)) notify(TB_THUMBTRACK, model_.pos());
}

void Trackbar::onChannelRepeat() {
  if (tracking_ != Tracking::Channel) {
    KillTimer(hwnd_, kPageRepeatTimer);
    return;
  }
  SetTimer(hwnd_, kPageRepeatTimer, kPageRepeatDelay, nullptr);
  pageTowardsPointer();
}

void Trackbar::pageTowardsPointer() {
  TrackbarGeometry g = geometry();
  RECT thumb = g.thumbRect();
  int pointer = g.along(lastPoint_);
  // Paging stops once the thumb has reached the pointer.
  bool reached = channelCode_ == TB_PAGEUP ? pointer >= (g.vertical() ? thumb.top : thumb.left)
                                           : pointer < (g.vertical() ? thumb.bottom : thumb.right);
  if (reached) return;
  long long step = channelCode_ == TB_PAGEUP ? -model_.pageSize() : model_.pageSize();
  moveThumb(clampedPos(model_.pos() + step), true);
  notify(channelCode_);
}

void Trackbar::endTracking(bool releaseCapture) {
  Tracking ended = tracking_;
  tracking_ = Tracking::None;
  KillTimer(hwnd_, kPageRepeatTimer);
  if (releaseCapture && GetCapture() == hwnd_) ReleaseCapture();
  if (ended == Tracking::Thumb) notify(TB_THUMBPOSITION, model_.pos());
  notify(TB_ENDTRACK);
}

void Trackbar::onKeyDown(UINT vk) {
  int code = CodeForKey(vk);
  if (code < 0) return;
  long long pos = model_.pos();
  switch (code) {
    case TB_LINEUP: pos -= model_.lineSize(); break;
    case TB_LINEDOWN: pos += model_.lineSize(); break;
    case TB_PAGEUP: pos -= model_.pageSize(); break;
    case TB_PAGEDOWN: pos += model_.pageSize(); break;
    case TB_TOP: pos = model_.rangeMin(); break;
    case TB_BOTTOM: pos = model_.rangeMax(); break;
  }
  moveThumb(clampedPos(pos), true);
  notify(code);
}

void Trackbar::onKeyUp(UINT vk) {
  if (CodeForKey(vk) >= 0) notify(TB_ENDTRACK);
}

void Trackbar::paint(HDC hdc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  HBRUSH background = AskControlColors(GetParent(hwnd_), hwnd_, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE);
  FillRect(hdc, &client, background);
  TrackbarGeometry g = geometry();
  COLORREF tickColor = GetSysColor(IsWindowEnabled(hwnd_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
  for (const RECT& mark : g.tickMarks()) FillSolidRect(hdc, mark, tickColor);
  paintChannel(hdc, g);
  if (!(style() & TBS_NOTHUMB)) paintThumb(hdc, g);
  if (GetFocus() == hwnd_) DrawFocusRect(hdc, &client);
}

void Trackbar::paintChannel(HDC hdc, const TrackbarGeometry& g) {
  RECT channel = g.channelRect();
  bool selRange = style() & TBS_ENABLESELRANGE;
  if (selRange) FillRect(hdc, &channel, GetSysColorBrush(COLOR_WINDOW));
  DrawEdge(hdc, &channel, EDGE_SUNKEN, BF_RECT);
  if (!selRange || !model_.hasBand()) return;
  RECT inner = channel;
  InflateRect(&inner, -2, -2);
  int start = g.pixelFromPos(model_.selStart());
  int end = g.pixelFromPos(model_.selEnd()) + 1;
  RECT band = g.vertical() ? RECT{inner.left, start, inner.right, end} : RECT{start, inner.top, end, inner.bottom};
  FillRect(hdc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
  for (const RECT& mark : g.bandEndMarks()) FillSolidRect(hdc, mark, GetSysColor(COLOR_BTNTEXT));
}

void Trackbar::paintThumb(HDC hdc, const TrackbarGeometry& g) {
  RECT thumb = g.thumbRect();
  if (g.thumbShape() == TrackbarGeometry::ThumbShape::Rectangle) {
    FillRect(hdc, &thumb, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT);
    return;
  }
  // A pointed thumb: the body, then the point towards the tick marks, in along/across coordinates.
  int l = g.along(POINT{thumb.left, thumb.top});
  int r = l + g.thumbWidth() - 1;
  int c = (l + r) / 2;
  int half = g.thumbWidth() / 2;
  bool far = g.thumbShape() == TrackbarGeometry::ThumbShape::PointFar;
  int base = far ? g.thumbAcrossStart() : g.thumbAcrossStart() + g.thumbThickness() - 1;
  int tip = far ? g.thumbAcrossStart() + g.thumbThickness() - 1 : g.thumbAcrossStart();
  int shoulder = far ? tip - half : tip + half;
  POINT outline[5] = {g.makePoint(l, base), g.makePoint(r, base), g.makePoint(r, shoulder), g.makePoint(c, tip),
                      g.makePoint(l, shoulder)};
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  HPEN facePen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
  HGDIOBJ oldBrush = SelectObject(hdc, face);
  HGDIOBJ oldPen = SelectObject(hdc, facePen);
  Polygon(hdc, outline, 5);
  // Light from the top left: the edges facing it are light, the others dark.
  HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  HPEN dark = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
  auto edge = [&](HPEN pen, POINT from, POINT to) {
    SelectObject(hdc, pen);
    MoveToEx(hdc, from.x, from.y, nullptr);
    LineTo(hdc, to.x, to.y);
    SetPixel(hdc, to.x, to.y, GetSysColor(pen == light ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW));
  };
  edge(light, outline[4], outline[0]);
  edge(far ? light : dark, outline[0], outline[1]);
  edge(dark, outline[1], outline[2]);
  edge(dark, outline[2], outline[3]);
  edge(light, outline[4], outline[3]);
  SelectObject(hdc, oldPen);
  SelectObject(hdc, oldBrush);
  DeleteObject(facePen);
  DeleteObject(light);
  DeleteObject(dark);
}

}  // namespace win
