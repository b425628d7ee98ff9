// Control interfaces of the filter graph manager: run state, events, the video window and the
// current video image. Method order in each interface is its vtable order.
#pragma once

#include "platform/com/objbase.h"

typedef LONG_PTR OAHWND;
typedef LONG OAEVENT;
#define OATRUE (-1)
#define OAFALSE (0)

typedef enum _FilterState { State_Stopped = 0, State_Paused = 1, State_Running = 2 } FILTER_STATE;
typedef LONG OAFilterState;

struct IMediaControl : IUnknown {
  STDMETHOD(Run)() = 0;
  STDMETHOD(Pause)() = 0;
  // Pauses and keeps the position, so that a later Run plays on from there.
  STDMETHOD(Stop)() = 0;
  STDMETHOD(GetState)(LONG msTimeout, OAFilterState* state) = 0;
};

struct IMediaEvent : IUnknown {
  // Takes the oldest queued event. A timeout of 0 does not wait (E_ABORT when the queue is empty);
  // INFINITE waits for one.
  STDMETHOD(GetEvent)(LONG* eventCode, LONG_PTR* param1, LONG_PTR* param2, LONG msTimeout) = 0;
  // Waits until the stream has ended or been aborted and gives EC_COMPLETE, EC_ERRORABORT or
  // EC_USERABORT; E_ABORT with code 0 when msTimeout passes first.
  STDMETHOD(WaitForCompletion)(LONG msTimeout, LONG* eventCode) = 0;
  STDMETHOD(FreeEventParams)(LONG eventCode, LONG_PTR param1, LONG_PTR param2) = 0;
};

struct IMediaEventEx : IMediaEvent {
  // Posts msg (wParam 0, lParam instance) to hwnd for every event queued from now on; hwnd 0 stops it.
  STDMETHOD(SetNotifyWindow)(OAHWND hwnd, LONG msg, LONG_PTR instance) = 0;
};

struct IVideoWindow : IUnknown {
  STDMETHOD(put_Visible)(LONG visible) = 0;
  STDMETHOD(get_Visible)(LONG* visible) = 0;
  // Makes the renderer's window a child of owner (created on first use).
  STDMETHOD(put_Owner)(OAHWND owner) = 0;
  STDMETHOD(get_Owner)(OAHWND* owner) = 0;
  STDMETHOD(put_Left)(LONG left) = 0;
  STDMETHOD(put_Top)(LONG top) = 0;
  STDMETHOD(put_Width)(LONG width) = 0;
  STDMETHOD(put_Height)(LONG height) = 0;
  STDMETHOD(SetWindowPosition)(LONG left, LONG top, LONG width, LONG height) = 0;
  STDMETHOD(GetWindowPosition)(LONG* left, LONG* top, LONG* width, LONG* height) = 0;
  STDMETHOD(put_WindowStyle)(LONG style) = 0;
  STDMETHOD(get_WindowStyle)(LONG* style) = 0;
  // Mouse and keyboard messages of the video window are posted to drain instead.
  STDMETHOD(put_MessageDrain)(OAHWND drain) = 0;
  STDMETHOD(get_MessageDrain)(OAHWND* drain) = 0;
};

struct IBasicVideo : IUnknown {
  STDMETHOD(GetVideoSize)(LONG* width, LONG* height) = 0;
  // The newest frame as a packed 32-bit bottom-up DIB (BITMAPINFOHEADER followed by the pixels).
  // With image null, *bufferSize receives the size needed.
  STDMETHOD(GetCurrentImage)(LONG* bufferSize, LONG* image) = 0;
};
