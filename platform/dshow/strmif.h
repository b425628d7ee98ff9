// Filter graph interfaces: filters, the graph manager, the capture graph builder, the file sink and
// seeking. Method order in each interface is its vtable order.
#pragma once

#include "platform/com/objbase.h"

typedef LONGLONG REFERENCE_TIME;

// Media types are not negotiated through this layer; the pointer parameters that take one accept
// null only.
struct AM_MEDIA_TYPE;

struct IBaseFilter : IUnknown {
  STDMETHOD(GetClassID)(CLSID* clsid) = 0;
};

struct IFilterGraph : IUnknown {
  // Adds a filter under a name. The graph holds a reference until it is released.
  STDMETHOD(AddFilter)(IBaseFilter* filter, LPCWSTR name) = 0;
  STDMETHOD(RemoveFilter)(IBaseFilter* filter) = 0;
  STDMETHOD(FindFilterByName)(LPCWSTR name, IBaseFilter** filter) = 0;
};

struct IGraphBuilder : IFilterGraph {
  // Builds the whole playback chain for a file and prerolls it: on success the graph is paused at
  // the start, with duration and position known. playList must be null.
  STDMETHOD(RenderFile)(LPCWSTR file, LPCWSTR playList) = 0;
  // Adds a source filter that decodes the file's sound only.
  STDMETHOD(AddSourceFilter)(LPCWSTR file, LPCWSTR filterName, IBaseFilter** filter) = 0;
};

struct ICaptureGraphBuilder2 : IUnknown {
  STDMETHOD(SetFiltergraph)(IGraphBuilder* graph) = 0;
  STDMETHOD(GetFiltergraph)(IGraphBuilder** graph) = 0;
  // Connects source -> intermediate -> sink (category and type must be null) and prerolls the
  // chain. Fails when the source has no decodable sound track or the sink cannot create its file.
  STDMETHOD(RenderStream)(const GUID* category, const GUID* type, IUnknown* source, IBaseFilter* intermediate,
                          IBaseFilter* sink) = 0;
};

struct IFileSinkFilter : IUnknown {
  STDMETHOD(SetFileName)(LPCWSTR fileName, const AM_MEDIA_TYPE* mediaType) = 0;
  // *fileName is allocated with CoTaskMemAlloc (null when no name is set); mediaType must be null.
  STDMETHOD(GetCurFile)(LPWSTR* fileName, AM_MEDIA_TYPE* mediaType) = 0;
};

#define AM_SEEKING_NoPositioning 0x0
#define AM_SEEKING_AbsolutePositioning 0x1
#define AM_SEEKING_RelativePositioning 0x2
#define AM_SEEKING_IncrementalPositioning 0x3
#define AM_SEEKING_PositioningBitsMask 0x3
#define AM_SEEKING_SeekToKeyFrame 0x4
#define AM_SEEKING_ReturnTime 0x8

struct IMediaSeeking : IUnknown {
  STDMETHOD(GetDuration)(LONGLONG* duration) = 0;
  STDMETHOD(GetStopPosition)(LONGLONG* stop) = 0;
  STDMETHOD(GetCurrentPosition)(LONGLONG* current) = 0;
  // Positions are REFERENCE_TIME. Absolute and relative positioning are supported for both; a seek
  // of the current position lands on it within one video frame.
  STDMETHOD(SetPositions)(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) = 0;
  STDMETHOD(GetPositions)(LONGLONG* current, LONGLONG* stop) = 0;
};
